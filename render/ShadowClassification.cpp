#include <epoxy/gl.h>

#include "render/ShadowClassification.h"

#include <cstddef>
#include <vector>

#include "model/Scene.h"
#include "render/FrameConstants.h"
#include "render/FrameState.h"
#include "render/FrameTruth.h"
#include "render/ShadowFrame.h"

namespace {
// The fast frame's comparison and test (render/FastShaders.h), writing the diffuse light where
// the lit colour would be kept and black where the dim one would.
constexpr const char* kVertexShader = R"(#version 120
uniform vec3 lightEyePosition;
uniform mat4 shadowTextureMatrix;
varying float diffuse;
varying float alpha;
varying vec4 shadowCoordinates;

void main() {
    vec4 eyePosition = gl_ModelViewMatrix * gl_Vertex;
    vec3 normal = normalize(gl_NormalMatrix * gl_Normal);
    diffuse = max(dot(normal, normalize(lightEyePosition - eyePosition.xyz)), 0.0);
    alpha = clamp(gl_Color.a, 0.0, 1.0);
    shadowCoordinates = shadowTextureMatrix * gl_Vertex;
    gl_Position = ftransform();
}
)";
constexpr const char* kFragmentShader = R"(#version 120
uniform sampler2DShadow shadowMap;
uniform float litAlphaThreshold;
varying float diffuse;
varying float alpha;
varying vec4 shadowCoordinates;

void main() {
    bool lit = alpha * shadow2DProj(shadowMap, shadowCoordinates).r >= litAlphaThreshold;
    gl_FragColor = vec4(vec3(lit ? diffuse : 0.0), 1.0);
}
)";

const float kBlack[4] = {0, 0, 0, 1};
const float kWhite[4] = {1, 1, 1, 1};

void beginDiagnosticPasses() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glClearColor(kBackgroundColour[0] / 255.0f, kBackgroundColour[1] / 255.0f,
                 kBackgroundColour[2] / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(cameraProjectionMatrix);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(cameraViewMatrix);
    glViewport(0, 0, windowWidth, windowHeight);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glBindTexture(GL_TEXTURE_2D, shadowMapTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE_ARB, GL_COMPARE_R_TO_TEXTURE_ARB);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC_ARB, GL_LEQUAL);
    glTexParameteri(GL_TEXTURE_2D, GL_DEPTH_TEXTURE_MODE_ARB, GL_INTENSITY);
}

// Texturing that yields a constant colour, with the alpha of `alphaSource` times the texture's.
void useConstantColour(const float colour[4], GLint alphaSource) {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, colour);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_CONSTANT);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GL_MODULATE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, alphaSource);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_ALPHA, GL_TEXTURE);
}

// The floor white where the frame draws it (its own call, so its own depths), then the
// states back and the window read back.
LightMask endDiagnosticPasses() {
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
    useConstantColour(kWhite, GL_CONSTANT);
    drawFloor();
    glPopAttrib();

    LightMask mask;
    mask.width = windowWidth;
    mask.height = windowHeight;
    std::vector<unsigned char> rgb(size_t(windowWidth) * size_t(windowHeight) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, windowWidth, windowHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    mask.pixels.resize(rgb.size() / 3);
    for (size_t i = 0; i < mask.pixels.size(); ++i) {
        const unsigned char* pixel = &rgb[i * 3];
        const bool background = pixel[0] == kBackgroundColour[0] &&
                                pixel[1] == kBackgroundColour[1] &&
                                pixel[2] == kBackgroundColour[2];
        mask.pixels[i] = background ? PixelLight::Background
                         : pixel[0] ? PixelLight::Lit
                                    : PixelLight::Shadowed;
    }
    return mask;
}

void setDiffuseOnlyLight() {
    glDisable(GL_COLOR_MATERIAL);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kBlack);
    glMaterialfv(GL_FRONT, GL_AMBIENT, kBlack);
    glMaterialfv(GL_FRONT, GL_SPECULAR, kBlack);
    glMaterialfv(GL_FRONT, GL_EMISSION, kBlack);
    glLightfv(GL_LIGHT1, GL_POSITION, VECTOR4D(lightPosition));  // under the camera view
    glLightfv(GL_LIGHT1, GL_AMBIENT, kBlack);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, kWhite);
    glLightfv(GL_LIGHT1, GL_SPECULAR, kBlack);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
}

GLuint compile(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled) return shader;
    glDeleteShader(shader);
    return 0;
}
}  // namespace

LightMask classifyFixedFrame() {
    renderFrame();
    const float sceneTime = static_cast<float>(timer.GetTime() / sceneClockDivisor);
    beginDiagnosticPasses();

    // The house black, for its depths.
    setDiffuseOnlyLight();
    glMaterialfv(GL_FRONT, GL_DIFFUSE, kBlack);
    DrawScene(sceneTime);

    // White where the lit pass would keep its fragment.
    glDisable(GL_LIGHTING);
    const MATRIX4X4 textureMatrix = shadowTextureMatrix();
    const GLenum coordinates[4] = {GL_S, GL_T, GL_R, GL_Q};
    const GLenum generators[4] = {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R,
                                  GL_TEXTURE_GEN_Q};
    for (int row = 0; row < 4; ++row) {
        glTexGeni(coordinates[row], GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
        glTexGenfv(coordinates[row], GL_EYE_PLANE, textureMatrix.GetRow(row));
        glEnable(generators[row]);
    }
    glEnable(GL_TEXTURE_2D);
    useConstantColour(kWhite, GL_PRIMARY_COLOR);
    glAlphaFunc(GL_GEQUAL, litAlphaThreshold);
    glEnable(GL_ALPHA_TEST);
    DrawScene(sceneTime);

    // Times the diffuse light, which is 0 on faces turned from the light.
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    for (GLenum generator : generators) glDisable(generator);
    setDiffuseOnlyLight();
    glMaterialfv(GL_FRONT, GL_DIFFUSE, kWhite);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_SRC_COLOR);
    glDepthMask(GL_FALSE);
    DrawScene(sceneTime);
    return endDiagnosticPasses();
}

bool FastFrameClassifier::create(const IndexedHouse& house, std::string* error) {
    const GLuint vertexShader = compile(GL_VERTEX_SHADER, kVertexShader);
    const GLuint fragmentShader = compile(GL_FRAGMENT_SHADER, kFragmentShader);
    if (vertexShader && fragmentShader) {
        program = glCreateProgram();
        glAttachShader(program, vertexShader);
        glAttachShader(program, fragmentShader);
        glLinkProgram(program);
        GLint linked = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        if (!linked) glDeleteProgram(program), program = 0;
    }
    if (vertexShader) glDeleteShader(vertexShader);
    if (fragmentShader) glDeleteShader(fragmentShader);
    if (!program) {
        *error = "the classification shader does not build";
        return false;
    }
    indexCount = house.visibleIndexCount;
    glGenBuffers(1, &vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(house.vertices.size() * sizeof(IndexedVertex)),
                 house.vertices.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glGenBuffers(1, &indexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indexCount * sizeof(std::uint32_t)),
                 house.indices.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    return true;
}

LightMask FastFrameClassifier::classify(FastRenderer& renderer) {
    renderer.render();
    beginDiagnosticPasses();
    glUseProgram(program);
    const VECTOR4D lightEye = cameraViewMatrix * VECTOR4D(lightPosition);
    glUniform3f(glGetUniformLocation(program, "lightEyePosition"), lightEye.x, lightEye.y,
                lightEye.z);
    glUniformMatrix4fv(glGetUniformLocation(program, "shadowTextureMatrix"), 1, GL_FALSE,
                       shadowTextureMatrix());
    glUniform1i(glGetUniformLocation(program, "shadowMap"), 0);
    glUniform1f(glGetUniformLocation(program, "litAlphaThreshold"), litAlphaThreshold);

    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    const GLsizei stride = sizeof(IndexedVertex);
    glVertexPointer(3, GL_FLOAT, stride,
                    reinterpret_cast<const void*>(offsetof(IndexedVertex, position)));
    glNormalPointer(GL_FLOAT, stride,
                    reinterpret_cast<const void*>(offsetof(IndexedVertex, normal)));
    glColorPointer(4, GL_FLOAT, stride,
                   reinterpret_cast<const void*>(offsetof(IndexedVertex, colour)));
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glDrawElements(GL_TRIANGLES, GLsizei(indexCount), GL_UNSIGNED_INT, nullptr);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glUseProgram(0);
    return endDiagnosticPasses();
}

void FastFrameClassifier::destroy() {
    if (program) glDeleteProgram(program);
    if (vertexBuffer) glDeleteBuffers(1, &vertexBuffer);
    if (indexBuffer) glDeleteBuffers(1, &indexBuffer);
    program = vertexBuffer = indexBuffer = 0;
}
