#include <epoxy/gl.h>

#include "render/FastRenderer.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

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

GLuint linkProgram(std::string* error) {
    const GLuint vertexShader = compileShader(GL_VERTEX_SHADER, kFastVertexShader, error);
    if (!vertexShader) return 0;
    const GLuint fragmentShader = compileShader(GL_FRAGMENT_SHADER, kFastFragmentShader, error);
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
}  // namespace

std::string FastRenderer::missingSupport() {
    if (epoxy_gl_version() < 21) return "OpenGL 2.1 (GLSL 1.20 and vertex buffers)";
    if (epoxy_gl_version() < 30 && !epoxy_has_gl_extension("GL_ARB_framebuffer_object"))
        return "framebuffer objects";
    return "";
}

void FastRenderer::release() {
    const GLuint buffers[3] = {vertexBuffer, indexBuffer, cameraIndexBuffer};
    glDeleteBuffers(3, buffers);
    if (program) glDeleteProgram(program);
    lightPassTarget.destroy();
    vertexBuffer = indexBuffer = cameraIndexBuffer = program = 0;
    shadowMapFilled = false;
}

bool FastRenderer::create(const IndexedHouse& house, std::string* error) {
    program = linkProgram(error);
    if (!program) return false;
    lightEyePositionLocation = glGetUniformLocation(program, "lightEyePosition");
    dimLightLevelLocation = glGetUniformLocation(program, "dimLightLevel");
    shadowTextureMatrixLocation = glGetUniformLocation(program, "shadowTextureMatrix");
    shadowMapLocation = glGetUniformLocation(program, "shadowMap");
    litAlphaThresholdLocation = glGetUniformLocation(program, "litAlphaThreshold");

    vertexBytes = house.vertices.size() * sizeof(IndexedVertex);
    indexBytes = house.indices.size() * sizeof(std::uint32_t);
    indexCount = house.indices.size();
    visibleIndexCount = house.visibleIndexCount;
    glGenBuffers(1, &vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexBytes), house.vertices.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glGenBuffers(1, &indexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indexBytes), house.indices.data(),
                 GL_STATIC_DRAW);
    visibleIndices.assign(house.indices.begin(),
                          house.indices.begin() + static_cast<long>(visibleIndexCount));
    visiblePieces = house.visiblePieces;
    glGenBuffers(1, &cameraIndexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, cameraIndexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(visibleIndexCount * sizeof(std::uint32_t)),
                 visibleIndices.data(), GL_DYNAMIC_DRAW);
    indexBytes += visibleIndexCount * sizeof(std::uint32_t);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);

    lightPassTarget.create(shadowMapSize);
    if (!lightPassTarget.isOffscreen()) {
        *error = "no offscreen depth buffer for the light pass";
        return false;
    }
    invalidateShadowMap();
    return true;
}

void FastRenderer::render(FrameState& frame, FastFrameTimings* timings) {
    FastFrameTimings ignored;
    FastFrameTimings& times = timings ? *timings : ignored;
    PassStopwatch stopwatch(timings != nullptr);
    frame.fpsCounter.FrameBegins();
    times.shadowMap = 0;
    if (!shadowMapIsCurrent(frame)) {
        fillShadowMap(frame);
        stopwatch.lap(&times.shadowMap);
    }
    drawCameraPass(frame);
    stopwatch.lap(&times.cameraPass);
    updateFrameRate(frame);
    drawFloor(frame);
    stopwatch.lap(&times.floor);
}

bool FastRenderer::shadowMapIsCurrent(const FrameState& frame) const {
    return shadowMapFilled && filledTexture == frame.shadowMapTexture &&
           filledLightView == frame.lightViewMatrix &&
           filledLightProjection == frame.lightProjectionMatrix;
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
void FastRenderer::fillShadowMap(const FrameState& frame) {
    lightPassTarget.begin();
    glClear(GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(frame.lightProjectionMatrix);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(frame.lightViewMatrix);
    glViewport(0, 0, shadowMapSize, shadowMapSize);
    glCullFace(GL_FRONT);  // back faces only, as the light pass draws them
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    bindHouse(false);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT, nullptr);
    unbindHouse();
    glBindTexture(GL_TEXTURE_2D, frame.shadowMapTexture);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, shadowMapSize, shadowMapSize);
    lightPassTarget.end();
    glCullFace(GL_BACK);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);

    shadowMapFilled = true;
    filledTexture = frame.shadowMapTexture;
    filledLightView = frame.lightViewMatrix;
    filledLightProjection = frame.lightProjectionMatrix;
}

void FastRenderer::drawCameraPass(const FrameState& frame) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(frame.cameraProjectionMatrix);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(frame.cameraViewMatrix);
    glViewport(0, 0, frame.windowWidth, frame.windowHeight);

    glBindTexture(GL_TEXTURE_2D, frame.shadowMapTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE_ARB, GL_COMPARE_R_TO_TEXTURE_ARB);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC_ARB, GL_LEQUAL);

    glUseProgram(program);
    const VECTOR4D lightEye = frame.cameraViewMatrix * VECTOR4D(frame.lightPosition);
    glUniform3f(lightEyePositionLocation, lightEye.x, lightEye.y, lightEye.z);
    glUniform1f(dimLightLevelLocation, dimLightLevel);
    glUniformMatrix4fv(shadowTextureMatrixLocation, 1, GL_FALSE, shadowTextureMatrix(frame));
    glUniform1i(shadowMapLocation, 0);
    glUniform1f(litAlphaThresholdLocation, litAlphaThreshold);
    // The eye in the world frame, from the view matrix (rotation R, then translation t): -Rᵀt.
    const float* view = frame.cameraViewMatrix;
    double eye[3];
    for (int axis = 0; axis < 3; ++axis)
        eye[axis] = -(view[axis * 4] * view[12] + view[axis * 4 + 1] * view[13] +
                      view[axis * 4 + 2] * view[14]);
    if (eye[0] != sortedForEye[0] || eye[1] != sortedForEye[1] || eye[2] != sortedForEye[2])
        sortPiecesNearestFirst(eye);

    bindHouse(true);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(visibleIndexCount), GL_UNSIGNED_INT, nullptr);
    unbindHouse();
    glUseProgram(0);
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
