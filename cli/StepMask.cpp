#include "cli/StepMask.h"

#include <initializer_list>

#include <epoxy/gl.h>

#include "model/DrawTarget.h"
#include "render/ImmediateDrawTarget.h"

bool drawSceneMask(const FrameState& frame, RgbImage* mask, std::string* why) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (const GLenum off : std::initializer_list<GLenum>{
             GL_LIGHTING, GL_TEXTURE_2D, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R,
             GL_TEXTURE_GEN_Q, GL_BLEND, GL_ALPHA_TEST, GL_FOG, GL_DITHER, GL_CULL_FACE})
        glDisable(off);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glShadeModel(GL_FLAT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadMatrixf(frame.cameraProjectionMatrix);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadMatrixf(frame.cameraViewMatrix);
    glViewport(0, 0, frame.windowWidth, frame.windowHeight);
    if (frame.scene) {
        const ScopedDrawTarget immediate(immediateDrawTarget());
        frame.scene(0.0f);  // the scenes the guide draws are static
    }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    glFinish();
    return tryReadBackBuffer(frame.windowWidth, frame.windowHeight, mask, why);
}
