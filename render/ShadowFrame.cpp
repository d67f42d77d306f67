#include <epoxy/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>

#include "render/ShadowFrame.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "render/FrameConstants.h"
#include "render/ImmediateDrawTarget.h"
#include "render/LightPassTarget.h"
#include "render/PassStopwatch.h"
#include "model/Scene.h"

namespace {
void drawScene(const FrameState& frame, float sceneTime) {
    if (frame.scene) frame.scene(sceneTime);
}

void loadCameraMatrices(const FrameState& frame) {
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(frame.cameraProjectionMatrix);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(frame.cameraViewMatrix);
    glViewport(0, 0, frame.windowWidth, frame.windowHeight);
}

void drawLightPass(FrameState& frame, float sceneTime) {
    frame.lightPassTarget.begin();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(frame.lightProjectionMatrix);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(frame.lightViewMatrix);
    glViewport(0, 0, shadowMapSize, shadowMapSize);

    // Only the back faces (seen from the light) go into the map, which keeps lit
    // surfaces from shadowing themselves.
    glCullFace(GL_FRONT);
    glShadeModel(GL_FLAT);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    drawScene(frame, sceneTime);

    glBindTexture(GL_TEXTURE_2D, frame.shadowMapTexture);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, shadowMapSize, shadowMapSize);
    frame.lightPassTarget.end();

    glCullFace(GL_BACK);
    glShadeModel(GL_SMOOTH);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void drawDimPass(FrameState& frame, float sceneTime) {
    // The offscreen light pass left the window's colour buffer untouched, so it is cleared here.
    glClear(frame.lightPassTarget.isOffscreen() ? GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT
                                                : GL_DEPTH_BUFFER_BIT);
    loadCameraMatrices(frame);

    // Set while the modelview is the camera view, so the position is in world coordinates.
    glLightfv(GL_LIGHT1, GL_POSITION, VECTOR4D(frame.lightPosition));
    glLightfv(GL_LIGHT1, GL_AMBIENT, white * dimLightLevel);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, white * dimLightLevel);
    glLightfv(GL_LIGHT1, GL_SPECULAR, black);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
    drawScene(frame, sceneTime);
}

void drawLitPass(FrameState& frame, float sceneTime) {
    glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT1, GL_SPECULAR, white);

    generateShadowCoordinates(frame);

    glBindTexture(GL_TEXTURE_2D, frame.shadowMapTexture);
    glEnable(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE_ARB, GL_COMPARE_R_TO_TEXTURE_ARB);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC_ARB, GL_LEQUAL);
    glTexParameteri(GL_TEXTURE_2D, GL_DEPTH_TEXTURE_MODE_ARB, GL_INTENSITY);

    // Shadowed fragments compare to 0 and get alpha 0; only lit ones pass and, with the
    // LEQUAL depth test, replace the dim colour at the same depth.
    glAlphaFunc(GL_GEQUAL, litAlphaThreshold);
    glEnable(GL_ALPHA_TEST);
    drawScene(frame, sceneTime);

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_GEN_R);
    glDisable(GL_TEXTURE_GEN_Q);
    glDisable(GL_LIGHTING);
    glDisable(GL_ALPHA_TEST);
}

}  // namespace

void drawFloor(const FrameState& frame) {
    // The quad's half-size and its texture coordinates' (s, t) at the corners.
    const float half = frame.view.floorHalf();
    const float span = frame.view.floorTextureHalf();
    const float ctf[8] = {-span, -span, span, -span, span, span, -span, span};
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, frame.textureFloor);
    glBegin(GL_QUADS);
    glTexCoord2f(ctf[0], ctf[1]);
    glVertex3f(-half, 0, half);
    glTexCoord2f(ctf[2], ctf[3]);
    glVertex3f(half, 0, half);
    glTexCoord2f(ctf[4], ctf[5]);
    glVertex3f(half, 0, -half);
    glTexCoord2f(ctf[6], ctf[7]);
    glVertex3f(-half, 0, -half);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void renderFrame(FrameState& frame, FrameTimings* timings) {
    FrameTimings ignored;
    FrameTimings& times = timings ? *timings : ignored;
    PassStopwatch stopwatch(timings != nullptr);
    // The pieces draw in immediate mode on this thread, whatever another thread captures.
    const ScopedDrawTarget immediate(immediateDrawTarget());
    frame.fpsCounter.FrameBegins();

    const float sceneTime = static_cast<float>(frame.timer.GetTime() / sceneClockDivisor);
    drawLightPass(frame, sceneTime);
    stopwatch.lap(&times.lightPass);
    drawDimPass(frame, sceneTime);
    stopwatch.lap(&times.dimPass);
    drawLitPass(frame, sceneTime);
    stopwatch.lap(&times.litPass);

    updateFrameRate(frame);

    drawFloor(frame);
    stopwatch.lap(&times.floor);
}

MATRIX4X4 shadowTextureMatrix(const FrameState& frame) {
    // Maps light clip coordinates from -1...1 to the texture's 0...1.
    // clang-format off
    static const MATRIX4X4 biasMatrix(0.5f, 0.0f, 0.0f, 0.0f,
                                      0.0f, 0.5f, 0.0f, 0.0f,
                                      0.0f, 0.0f, 0.5f, 0.0f,
                                      0.5f, 0.5f, 0.5f, 1.0f);
    // clang-format on
    return biasMatrix * frame.lightProjectionMatrix * frame.lightViewMatrix;
}

void setSceneFunction(FrameState& frame, SceneFunction scene) { frame.scene = std::move(scene); }

SceneFunction modelScene(const Model& model) {
    return [model](float sceneTime) { DrawScene(model, sceneTime); };
}

void updateFrameRate(FrameState& frame) {
    frame.fpsCounter.Update();
    snprintf(frame.frameRateText, sizeof frame.frameRateText, "%.2f", frame.fpsCounter.GetFps());
}

bool lightPassIsOffscreen(const FrameState& frame) { return frame.lightPassTarget.isOffscreen(); }

void createShadowMap(FrameState& frame) {
    glGenTextures(1, &frame.shadowMapTexture);
    glBindTexture(GL_TEXTURE_2D, frame.shadowMapTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, shadowMapSize, shadowMapSize, 0,
                 GL_DEPTH_COMPONENT, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    frame.lightPassTarget.create(shadowMapSize);
}

void generateShadowCoordinates(const FrameState& frame) {
    const MATRIX4X4 textureMatrix = shadowTextureMatrix(frame);
    // Eye planes given under the camera view: OpenGL keeps them multiplied by its inverse,
    // so the generated coordinates are the texture matrix applied to world positions.
    const GLenum coordinates[4] = {GL_S, GL_T, GL_R, GL_Q};
    const GLenum generators[4] = {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R,
                                  GL_TEXTURE_GEN_Q};
    for (int row = 0; row < 4; ++row) {
        glTexGeni(coordinates[row], GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
        glTexGenfv(coordinates[row], GL_EYE_PLANE, textureMatrix.GetRow(row));
        glEnable(generators[row]);
    }
}
