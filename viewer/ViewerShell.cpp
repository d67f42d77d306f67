#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include "viewer/ViewerShell.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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
    // The presentation look and the learner's settings are the fast renderer's.
    FastRenderer* fast = windowLook.look == Look::Specified
                             ? nullptr
                             : viewerRenderer().fastBuiltFrom("brik-house", shownViewerModel());
    if (fast) {
        const FastRenderSettings settings = windowLook.settings();
        fast->render(viewerFrame(), settings);
        std::vector<std::string> lines = describeSettings(settings);
        lines.insert(lines.begin(), std::string(lookName(windowLook.look)) + " (V)");
        const FastOverlay extras{fast->shadowMapView(), lines};
        drawOverlays(viewerFrame(), shownOverlays, &extras);
    } else {
        viewerRenderer().render(viewerFrame());
        drawOverlays(viewerFrame(), shownOverlays);
    }
    hideExpiredNote();
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
