#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include "viewer/ViewerShell.h"

#include <cstdio>
#include <cstdlib>

#include "render/Renderer.h"
#include "render/ShadowFrame.h"
#include "viewer/ViewerInput.h"

void composeFrame() {
    moveLightWithSceneClock();
    renderSelectedFrame();
    drawOverlays(shownOverlays);
    saveRequestedScreenshot();
}

bool needsContinuousRedraw() {
    return selectedRenderer() == Renderer::Fixed || lightIsCircling() || shownOverlays.frameRate;
}

void Display() {
    composeFrame();
    glFinish();
    glutSwapBuffers();
    if (needsContinuousRedraw()) glutPostRedisplay();
}
