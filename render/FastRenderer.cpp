#include <epoxy/gl.h>

#include "render/FastRenderer.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "mesh/FeatureEdges.h"
#include "render/FastShaders.h"
#include "render/PassStopwatch.h"
#include "render/FrameState.h"
#include "render/ShadowFrame.h"

namespace {
GLuint compileShader(GLenum kind, const char* source, std::string* error) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled) return shader;
    char log[512] = "";
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    *error = std::string(kind == GL_VERTEX_SHADER ? "vertex" : "fragment") +
             " shader does not compile: " + log;
    glDeleteShader(shader);
    return 0;
}

// The variant's macros (render/FastShaders.h), then the source.
struct Variant {
    int filter, clamped, balanced, floor, classify;
    int key() const { return filter + 4 * (clamped + 2 * (balanced + 2 * (floor + 3 * classify))); }
};

std::string variantSource(const Variant& variant, const char* body) {
    return "#version 120\n#define FILTER " + std::to_string(variant.filter) + "\n#define CLAMPED " +
           std::to_string(variant.clamped) + "\n#define BALANCED " +
           std::to_string(variant.balanced) + "\n#define FLOOR " + std::to_string(variant.floor) +
           "\n#define CLASSIFY " + std::to_string(variant.classify) + "\n" + body;
}

GLuint linkProgram(const Variant& variant, std::string* error) {
    const std::string vertexSource = variantSource(variant, kFastVertexShader);
    const std::string fragmentSource = variantSource(variant, kFastFragmentShader);
    const GLuint vertexShader = compileShader(GL_VERTEX_SHADER, vertexSource.c_str(), error);
    if (!vertexShader) return 0;
    const GLuint fragmentShader = compileShader(GL_FRAGMENT_SHADER, fragmentSource.c_str(), error);
    if (!fragmentShader) {
        glDeleteShader(vertexShader);
        return 0;
    }
    GLuint program = glCreateProgram();
    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    glLinkProgram(program);
    glDeleteShader(vertexShader);  // they go with the program
    glDeleteShader(fragmentShader);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked) {
        char log[512] = "";
        glGetProgramInfoLog(program, sizeof log, nullptr, log);
        *error = std::string("shader program does not link: ") + log;
        glDeleteProgram(program);
        program = 0;
    }
    return program;
}

const void* byteOffset(size_t offset) { return reinterpret_cast<const void*>(offset); }

// The balanced light (render/FastRenderSettings.h): what a face turned from the light or in
// shadow keeps of its colour, the highlight's share, and the shadowed floor's share.
constexpr float kFillLevel = 0.6f;
constexpr float kHighlightLevel = 0.15f;
constexpr float kFloorShadowLevel = 0.6f;
// The filters' disc radius in texels of a 512-texel map (scaled with the map so that the same
// world width is filtered), and the soft penumbra's growth.
constexpr float kFilterRadiusAt512 = 1.5f;
constexpr float kPenumbraTexelsAt512 = 12.0f;
constexpr float kEdgeGrey = 0.12f;  // the outlines' colour

void createDepthTexture(GLuint* texture, int size) {
    glGenTextures(1, texture);
    glBindTexture(GL_TEXTURE_2D, *texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, size, size, 0, GL_DEPTH_COMPONENT,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
}
}  // namespace

std::string FastRenderer::missingSupport() {
    if (epoxy_gl_version() < 21) return "OpenGL 2.1 (GLSL 1.20 and vertex buffers)";
    if (epoxy_gl_version() < 30 && !epoxy_has_gl_extension("GL_ARB_framebuffer_object"))
        return "framebuffer objects";
    return "";
}

bool FastRenderer::create(const IndexedHouse& house, std::string* error) {
    program = linkProgram(Variant{0, 0, 0, 0, 0}, error);
    if (!program) return false;
    variants[0] = program;
    setHouse(house);

    lightPassTarget.create(shadowMapSize);
    lightPassTargetSize = shadowMapSize;
    if (!lightPassTarget.isOffscreen()) {
        *error = "no offscreen depth buffer for the light pass";
        return false;
    }
    return true;
}

void FastRenderer::setHouse(const IndexedHouse& house) {
    for (int axis = 0; axis < 3; ++axis) {
        houseBounds.low[axis] = house.vertices.empty() ? 0 : house.vertices[0].position[axis];
        houseBounds.high[axis] = houseBounds.low[axis];
    }
    for (const IndexedVertex& vertex : house.vertices)
        for (int axis = 0; axis < 3; ++axis) {
            houseBounds.low[axis] = std::min(houseBounds.low[axis], vertex.position[axis]);
            houseBounds.high[axis] = std::max(houseBounds.high[axis], vertex.position[axis]);
        }
    edgeSource = house;
    if (edgeBuffer) glDeleteBuffers(1, &edgeBuffer);  // built again from this house at first use
    edgeBuffer = 0;
    edgeIndexCount = 0;

    vertexBytes = house.vertices.size() * sizeof(IndexedVertex);
    indexBytes = house.indices.size() * sizeof(std::uint32_t);
    indexCount = house.indices.size();
    visibleIndexCount = house.visibleIndexCount;
    if (!vertexBuffer) glGenBuffers(1, &vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexBytes), house.vertices.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    if (!indexBuffer) glGenBuffers(1, &indexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indexBytes), house.indices.data(),
                 GL_STATIC_DRAW);
    visibleIndices.assign(house.indices.begin(),
                          house.indices.begin() + static_cast<long>(visibleIndexCount));
    visiblePieces = house.visiblePieces;
    if (!cameraIndexBuffer) glGenBuffers(1, &cameraIndexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, cameraIndexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(visibleIndexCount * sizeof(std::uint32_t)),
                 visibleIndices.data(), GL_DYNAMIC_DRAW);
    indexBytes += visibleIndexCount * sizeof(std::uint32_t);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    for (double& coordinate : sortedForEye) coordinate = NAN;  // sorted again at the next frame
    invalidateShadowMap();
}

void FastRenderer::render(FrameState& frame, const FastRenderSettings& settings,
                          FastFrameTimings* timings, FramePurpose purpose) {
    FastFrameTimings ignored;
    FastFrameTimings& times = timings ? *timings : ignored;
    PassStopwatch stopwatch(timings != nullptr);
    frame.fpsCounter.FrameBegins();
    times.shadowMap = 0;
    const LightPassKey key = lightPassKey(settings);
    usedLightProjection = key.fitLight ? fittedLightProjection(frame.lightViewMatrix, houseBounds)
                                       : frame.lightProjectionMatrix;
    if (!shadowMapIsCurrent(frame, key)) {
        fillShadowMap(frame, key);
        stopwatch.lap(&times.shadowMap);
    }
    const bool multisampled =
        purpose == FramePurpose::Picture && settings.msaaSamples > 1 &&
        multisample.prepare(frame.windowWidth, frame.windowHeight, settings.msaaSamples);
    if (multisampled) multisample.begin();
    drawCameraPass(frame, settings, purpose);
    stopwatch.lap(&times.cameraPass);
    updateFrameRate(frame);
    if (settings.floorShadows || purpose == FramePurpose::Classification)
        drawShadowedFloor(frame, settings, purpose);
    else
        drawFloor(frame);
    if (multisampled) multisample.resolve();
    if (filledTexture == frame.shadowMapTexture) {  // the fixed frame reads it unfiltered
        glBindTexture(GL_TEXTURE_2D, filledTexture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    stopwatch.lap(&times.floor);
}

ShadowMapView FastRenderer::shadowMapView() const {
    return {filledTexture, filledKey.size, usedLightProjection};
}

FastRenderer::LightPassKey FastRenderer::lightPassKey(const FastRenderSettings& settings) {
    const int size =
        std::max(minShadowMapSize, std::min(settings.shadowMapSize, maxShadowMapSize()));
    return {size,
            settings.depthBias,
            settings.slopeBias,
            settings.fitLight,
            settings.frontFaceCasters,
            settings.filter == ShadowFilter::Soft};
}

unsigned FastRenderer::programFor(const FastRenderSettings& settings, FramePurpose purpose,
                                  int floor) {
    const Variant variant{
        static_cast<int>(settings.filter), settings.fitLight || settings.floorShadows ? 1 : 0,
        settings.balancedLight ? 1 : 0, floor, purpose == FramePurpose::Classification ? 1 : 0};
    const auto found = variants.find(variant.key());
    if (found != variants.end()) return found->second;
    std::string error;
    const GLuint built = linkProgram(variant, &error);
    if (!built) fprintf(stderr, "fast renderer: %s\n", error.c_str());
    variants[variant.key()] = built;
    return built;
}

bool FastRenderer::shadowMapIsCurrent(const FrameState& frame, const LightPassKey& key) const {
    const unsigned texture = key.size == shadowMapSize ? frame.shadowMapTexture : ownShadowMap;
    return shadowMapFilled && filledTexture == texture && filledKey == key &&
           filledLightView == frame.lightViewMatrix &&
           filledLightProjection == frame.lightProjectionMatrix;
}

// The light pass's target and the maps at the key's size: the frame's own map at the specified
// size, maps of this renderer's at any other.
void FastRenderer::prepareMaps(const LightPassKey& key) {
    if (lightPassTargetSize != key.size) {
        lightPassTarget.destroy();
        lightPassTarget.create(key.size);
        lightPassTargetSize = key.size;
    }
    if (ownMapSize != key.size) {
        if (ownShadowMap) glDeleteTextures(1, &ownShadowMap);
        if (depthTexture) glDeleteTextures(1, &depthTexture);
        ownShadowMap = depthTexture = 0;
        ownMapSize = key.size;
        if (key.size != shadowMapSize) createDepthTexture(&ownShadowMap, key.size);
    }
    if (key.rawDepths && !depthTexture) createDepthTexture(&depthTexture, key.size);
}

void FastRenderer::bindHouse(bool withNormalsAndColours) {
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, withNormalsAndColours ? cameraIndexBuffer : indexBuffer);
    const GLsizei stride = sizeof(IndexedVertex);
    glVertexPointer(3, GL_FLOAT, stride, byteOffset(offsetof(IndexedVertex, position)));
    glEnableClientState(GL_VERTEX_ARRAY);
    if (!withNormalsAndColours) return;
    glNormalPointer(GL_FLOAT, stride, byteOffset(offsetof(IndexedVertex, normal)));
    glEnableClientState(GL_NORMAL_ARRAY);
    glColorPointer(4, GL_FLOAT, stride, byteOffset(offsetof(IndexedVertex, colour)));
    glEnableClientState(GL_COLOR_ARRAY);
}

void FastRenderer::unbindHouse() {
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

// The light pass of the shadow-mapped frame, over every triangle, hidden ones included, so that
// the map holds the same depths.
void FastRenderer::fillShadowMap(const FrameState& frame, const LightPassKey& key) {
    prepareMaps(key);
    const unsigned texture = key.size == shadowMapSize ? frame.shadowMapTexture : ownShadowMap;
    lightPassTarget.begin();
    glClear(GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(usedLightProjection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(frame.lightViewMatrix);
    glViewport(0, 0, key.size, key.size);
    // Back faces only, as the light pass draws them; or the faces towards the light.
    glCullFace(key.frontFaceCasters ? GL_BACK : GL_FRONT);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    const bool biased = key.depthBias != 0 || key.slopeBias != 0;
    if (biased) {
        glPolygonOffset(key.slopeBias, key.depthBias);
        glEnable(GL_POLYGON_OFFSET_FILL);
    }
    bindHouse(false);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT, nullptr);
    unbindHouse();
    if (biased) glDisable(GL_POLYGON_OFFSET_FILL);
    glBindTexture(GL_TEXTURE_2D, texture);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, key.size, key.size);
    if (key.rawDepths) {
        glBindTexture(GL_TEXTURE_2D, depthTexture);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, key.size, key.size);
    }
    lightPassTarget.end();
    glCullFace(GL_BACK);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);

    shadowMapFilled = true;
    filledTexture = texture;
    filledKey = key;
    filledLightView = frame.lightViewMatrix;
    filledLightProjection = frame.lightProjectionMatrix;
}

// The uniforms every variant reads, the maps bound: the comparison map on unit 1, the plain
// depths on unit 2, filtered as the settings ask; unit 0 is left active.
void FastRenderer::setShadowUniforms(unsigned shader, const FrameState& frame,
                                     const FastRenderSettings& settings) {
    const GLint filter = settings.filter == ShadowFilter::None ? GL_NEAREST : GL_LINEAR;
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, filledTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE_ARB, GL_COMPARE_R_TO_TEXTURE_ARB);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC_ARB, GL_LEQUAL);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, depthTexture);
    glActiveTexture(GL_TEXTURE0);

    glUseProgram(shader);
    const VECTOR4D lightEye = frame.cameraViewMatrix * VECTOR4D(frame.lightPosition);
    glUniform3f(glGetUniformLocation(shader, "lightEyePosition"), lightEye.x, lightEye.y,
                lightEye.z);
    glUniform1f(glGetUniformLocation(shader, "dimLightLevel"), dimLightLevel);
    static const MATRIX4X4 biasMatrix(0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f,
                                      0.5f, 0.0f, 0.5f, 0.5f, 0.5f, 1.0f);
    const MATRIX4X4 textureMatrix = biasMatrix * usedLightProjection * frame.lightViewMatrix;
    glUniformMatrix4fv(glGetUniformLocation(shader, "shadowTextureMatrix"), 1, GL_FALSE,
                       textureMatrix);
    glUniform1i(glGetUniformLocation(shader, "shadowMap"), 1);
    glUniform1i(glGetUniformLocation(shader, "depthMap"), 2);
    glUniform1i(glGetUniformLocation(shader, "floorTexture"), 0);
    glUniform1f(glGetUniformLocation(shader, "litAlphaThreshold"), litAlphaThreshold);
    glUniform1f(glGetUniformLocation(shader, "fillLevel"), kFillLevel);
    glUniform1f(glGetUniformLocation(shader, "highlightLevel"), kHighlightLevel);
    glUniform1f(glGetUniformLocation(shader, "floorShadowLevel"), kFloorShadowLevel);
    const float scale = float(filledKey.size) / 512.0f;
    glUniform1f(glGetUniformLocation(shader, "texelSize"), 1.0f / float(filledKey.size));
    glUniform1f(glGetUniformLocation(shader, "filterRadius"), kFilterRadiusAt512 * scale);
    glUniform1f(glGetUniformLocation(shader, "penumbraScale"), kPenumbraTexelsAt512 * scale);
    // A perspective projection maps distance d to clip z = a·(-d) + b, w = d.
    const double a = usedLightProjection.GetEntry(10), b = usedLightProjection.GetEntry(14);
    glUniform1f(glGetUniformLocation(shader, "lightNear"), float(b / (a - 1)));
    glUniform1f(glGetUniformLocation(shader, "lightFar"), float(b / (a + 1)));
}

void FastRenderer::drawCameraPass(const FrameState& frame, const FastRenderSettings& settings,
                                  FramePurpose purpose) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(frame.cameraProjectionMatrix);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(frame.cameraViewMatrix);
    glViewport(0, 0, frame.windowWidth, frame.windowHeight);

    setShadowUniforms(programFor(settings, purpose, 0), frame, settings);
    // The eye in the world frame, from the view matrix (rotation R, then translation t): -Rᵀt.
    const float* view = frame.cameraViewMatrix;
    double eye[3];
    for (int axis = 0; axis < 3; ++axis)
        eye[axis] = -(view[axis * 4] * view[12] + view[axis * 4 + 1] * view[13] +
                      view[axis * 4 + 2] * view[14]);
    if (eye[0] != sortedForEye[0] || eye[1] != sortedForEye[1] || eye[2] != sortedForEye[2])
        sortPiecesNearestFirst(eye);

    const bool edges = settings.edgeLines && purpose == FramePurpose::Picture;
    if (edges) {  // the faces a little behind, so that their edges' lines are seen
        glPolygonOffset(1, 1);
        glEnable(GL_POLYGON_OFFSET_FILL);
    }
    bindHouse(true);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(visibleIndexCount), GL_UNSIGNED_INT, nullptr);
    unbindHouse();
    glUseProgram(0);
    if (edges) {
        glDisable(GL_POLYGON_OFFSET_FILL);
        drawEdges();
    }
}

// The floor through the shader: shadowed when the settings ask, and in the classification
// white where lit (the specified floor is, everywhere).
void FastRenderer::drawShadowedFloor(const FrameState& frame, const FastRenderSettings& settings,
                                     FramePurpose purpose) {
    setShadowUniforms(programFor(settings, purpose, settings.floorShadows ? 2 : 1), frame,
                      settings);
    drawFloor(frame);
    glUseProgram(0);
}

// The pieces' outlines (mesh/FeatureEdges.h) of the triangles a camera can see, as thin dark
// lines, depth-tested: their ends in a buffer of their own, so that nothing else is transformed.
void FastRenderer::drawEdges() {
    if (!edgeBuffer) {
        edgeSource.indices.resize(edgeSource.visibleIndexCount);
        const std::vector<std::uint32_t> lines = featureEdges(edgeSource);
        std::vector<float> ends;
        ends.reserve(lines.size() * 3);
        for (std::uint32_t index : lines)
            ends.insert(ends.end(), edgeSource.vertices[index].position,
                        edgeSource.vertices[index].position + 3);
        edgeSource = IndexedHouse();
        edgeIndexCount = lines.size();
        glGenBuffers(1, &edgeBuffer);
        glBindBuffer(GL_ARRAY_BUFFER, edgeBuffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(ends.size() * sizeof(float)),
                     ends.data(), GL_STATIC_DRAW);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    }
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glLineWidth(1);
    glColor3f(kEdgeGrey, kEdgeGrey, kEdgeGrey);
    glBindBuffer(GL_ARRAY_BUFFER, edgeBuffer);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    glEnableClientState(GL_VERTEX_ARRAY);
    glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(edgeIndexCount));
    unbindHouse();
    glPopAttrib();
}

// Fills the camera's index buffer with whole pieces by the distance of their centres from the
// eye. Pieces only touch (no visible faces of two pieces overlap at one depth), so their order
// changes no pixel, only how many fragments the depth test rejects before shading.
void FastRenderer::sortPiecesNearestFirst(const double eye[3]) {
    std::vector<std::pair<double, size_t>> order(visiblePieces.size());
    for (size_t i = 0; i < visiblePieces.size(); ++i) {
        double squared = 0;
        for (int axis = 0; axis < 3; ++axis) {
            const double d = visiblePieces[i].centre[axis] - eye[axis];
            squared += d * d;
        }
        order[i] = {squared, i};
    }
    std::sort(order.begin(), order.end());
    sortedIndices.clear();
    for (const auto& entry : order) {
        const PieceRun& run = visiblePieces[entry.second];
        const auto first = visibleIndices.begin() + static_cast<long>(run.firstIndex);
        sortedIndices.insert(sortedIndices.end(), first, first + static_cast<long>(run.indexCount));
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, cameraIndexBuffer);
    glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0,
                    static_cast<GLsizeiptr>(sortedIndices.size() * sizeof(std::uint32_t)),
                    sortedIndices.data());
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    std::copy(eye, eye + 3, sortedForEye);
}

void FastRenderer::release() {
    for (const auto& variant : variants) glDeleteProgram(variant.second);
    variants.clear();
    program = 0;
    const GLuint buffers[] = {vertexBuffer, indexBuffer, cameraIndexBuffer, edgeBuffer};
    glDeleteBuffers(4, buffers);  // unused names (0) are ignored
    vertexBuffer = indexBuffer = cameraIndexBuffer = edgeBuffer = 0;
    const GLuint textures[] = {ownShadowMap, depthTexture};
    glDeleteTextures(2, textures);
    ownShadowMap = depthTexture = 0;
    lightPassTarget.destroy();
    multisample.destroy();
    shadowMapFilled = false;
}
