#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include "viewer/ViewerShell.h"

#include <cstdio>
#include <cstdlib>

#include "render/Renderer.h"
#include "render/ShadowFrame.h"
#include "viewer/ViewerInput.h"

FrameState& viewerFrame() {
    static FrameState frame;
    return frame;
}

FrameRenderer& viewerRenderer() {
    static FrameRenderer renderer;
    return renderer;
}

namespace {
Model& heldModel() {
    static Model model = houseModel();
    return model;
}
}  // namespace

const Model& viewerModel() { return heldModel(); }
void setViewerModel(const Model& model) { heldModel() = model; }

void ReshapeWindow(int width, int height) { Reshape(viewerFrame(), width, height); }

void composeFrame() {
    moveLightWithSceneClock();
    viewerRenderer().render(viewerFrame());
    hideExpiredNote();
    drawOverlays(viewerFrame(), shownOverlays);
    saveRequestedScreenshot();
}

bool needsContinuousRedraw() {
    return viewerRenderer().selected() == Renderer::Fixed || lightIsCircling() ||
           shownOverlays.frameRate || !shownOverlays.note.empty();
}

void Display() {
    composeFrame();
    glFinish();
    glutSwapBuffers();
    if (needsContinuousRedraw()) glutPostRedisplay();
}
