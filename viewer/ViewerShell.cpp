#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include "viewer/ViewerShell.h"

#include <cstdio>
#include <cstdlib>

#include "render/FloorTexture.h"
#include "render/Renderer.h"
#include "render/FrameConstants.h"
#include "render/ShadowFrame.h"
#include "viewer/ViewerInput.h"

void loadTexture(const std::string& floorImage) {
    textureFloor = loadTextureFloor(floorImage.c_str());
}

bool Init(const std::string& floorImage) {
    if (!epoxy_has_gl_extension("GL_ARB_depth_texture") ||
        !epoxy_has_gl_extension("GL_ARB_shadow")) {
        // Kept exactly as it is, typo and status 0 included: the documented message.
        printf("I require ARB_depth_texture and ARB_shadow extensionsn\n");
        return false;
    }

    loadTexture(floorImage);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glClearDepth(1.0f);
    glDepthFunc(GL_LEQUAL);  // the lit pass redraws the same surfaces at the same depth
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_NORMALIZE);

    createShadowMap();

    // The brick pieces' current colour is their ambient and diffuse material.
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT, GL_SPECULAR, white);
    glMaterialf(GL_FRONT, GL_SHININESS, pieceShininess);

    cameraViewMatrix = lookAtMatrix(cameraPosition);
    setStartLight();

    timer.Reset();
    return true;
}

void Reshape(int width, int height) {
    windowWidth = width;
    windowHeight = height;
    // A minimised window reports a height of 0; keep the last aspect rather than divide by it.
    if (height <= 0 || width <= 0) return;
    cameraProjectionMatrix = perspectiveMatrix(double(windowWidth) / double(windowHeight),
                                               cameraNearPlane, cameraFarPlane);
}

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

namespace {
WindowSize reportedSize{0, 0};
void noteReshape(int width, int height) {
    reportedSize = {width, height};
    Reshape(width, height);
}
void drawNothing() {}
}  // namespace

WindowSize settleWindow() {
    glutDisplayFunc(drawNothing);
    glutReshapeFunc(noteReshape);
    for (int i = 0; i < 200 && reportedSize.width == 0; ++i) glutMainLoopEvent();
    return reportedSize;
}
