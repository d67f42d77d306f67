#include <epoxy/gl.h>

#include "render/ShadowClassification.h"

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "model/Scene.h"
#include "render/FrameConstants.h"
#include "render/FrameState.h"
#include "render/FrameTruth.h"
#include "render/ImmediateDrawTarget.h"
#include "render/ShadowFrame.h"

namespace {
const float kBlack[4] = {0, 0, 0, 1};
const float kWhite[4] = {1, 1, 1, 1};

void beginDiagnosticPasses(const FrameState& frame) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glClearColor(kBackgroundColour[0] / 255.0f, kBackgroundColour[1] / 255.0f,
                 kBackgroundColour[2] / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(frame.cameraProjectionMatrix);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(frame.cameraViewMatrix);
    glViewport(0, 0, frame.windowWidth, frame.windowHeight);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glBindTexture(GL_TEXTURE_2D, frame.shadowMapTexture);
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

// The window read back: background where it kept the background colour, lit where its red is
// not 0, shadowed where it is.
LightMask readClassification(const FrameState& frame) {
    LightMask mask;
    mask.width = frame.windowWidth;
    mask.height = frame.windowHeight;
    std::vector<unsigned char> rgb(size_t(frame.windowWidth) * size_t(frame.windowHeight) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, frame.windowWidth, frame.windowHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
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

// The floor white where the frame draws it (its own call, so its own depths), then the
// states back and the window read back.
LightMask endDiagnosticPasses(const FrameState& frame) {
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
    useConstantColour(kWhite, GL_CONSTANT);
    drawFloor(frame);
    glPopAttrib();
    return readClassification(frame);
}

void setDiffuseOnlyLight(const FrameState& frame) {
    glDisable(GL_COLOR_MATERIAL);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kBlack);
    glMaterialfv(GL_FRONT, GL_AMBIENT, kBlack);
    glMaterialfv(GL_FRONT, GL_SPECULAR, kBlack);
    glMaterialfv(GL_FRONT, GL_EMISSION, kBlack);
    glLightfv(GL_LIGHT1, GL_POSITION, VECTOR4D(frame.lightPosition));  // under the camera view
    glLightfv(GL_LIGHT1, GL_AMBIENT, kBlack);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, kWhite);
    glLightfv(GL_LIGHT1, GL_SPECULAR, kBlack);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
}

}  // namespace

LightMask classifyFixedFrame(FrameState& frame) {
    renderFrame(frame);
    const ScopedDrawTarget immediate(immediateDrawTarget());  // the scene draws on this thread
    const float sceneTime = static_cast<float>(frame.timer.GetTime() / sceneClockDivisor);
    beginDiagnosticPasses(frame);

    // The house black, for its depths.
    setDiffuseOnlyLight(frame);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, kBlack);
    if (frame.scene) frame.scene(sceneTime);

    // White where the lit pass would keep its fragment.
    glDisable(GL_LIGHTING);
    generateShadowCoordinates(frame);
    glEnable(GL_TEXTURE_2D);
    useConstantColour(kWhite, GL_PRIMARY_COLOR);
    glAlphaFunc(GL_GEQUAL, litAlphaThreshold);
    glEnable(GL_ALPHA_TEST);
    if (frame.scene) frame.scene(sceneTime);

    // Times the diffuse light, which is 0 on faces turned from the light.
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    for (const GLenum generator : std::initializer_list<GLenum>{GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T,
                                                                GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q})
        glDisable(generator);
    setDiffuseOnlyLight(frame);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, kWhite);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_SRC_COLOR);
    glDepthMask(GL_FALSE);
    if (frame.scene) frame.scene(sceneTime);
    return endDiagnosticPasses(frame);
}

LightMask classifyFastFrame(FastRenderer& renderer, FrameState& frame,
                            const FastRenderSettings& settings) {
    renderer.render(frame, settings);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glClearColor(kBackgroundColour[0] / 255.0f, kBackgroundColour[1] / 255.0f,
                 kBackgroundColour[2] / 255.0f, 1);
    renderer.render(frame, settings, nullptr, FramePurpose::Classification);
    glPopAttrib();
    return readClassification(frame);
}
