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
    hideExpiredNote();
    // The presentation look and the learner's settings are the fast renderer's, built from the
    // shown model the first time it is needed.
    FastRenderer* fast = nullptr;
    if (windowLook.look != Look::Specified) {
        fast = viewerRenderer().fast();
        if (!fast) fast = viewerRenderer().fastBuiltFrom("brik-house", shownViewerModel());
    }
    if (fast) {
        const FastRenderSettings settings = windowLook.settings();
        fast->render(viewerFrame(), settings);
        FastOverlay extras{fast->shadowMapView(), {}};
        if (shownOverlays.settings) {
            extras.settingsLines = describeSettings(settings);
            extras.settingsLines.insert(extras.settingsLines.begin(),
                                        std::string(lookName(windowLook.look)) + " (V)");
        }
        drawOverlays(viewerFrame(), shownOverlays, &extras);
    } else {
        viewerRenderer().render(viewerFrame());
        drawOverlays(viewerFrame(), shownOverlays);
    }
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
