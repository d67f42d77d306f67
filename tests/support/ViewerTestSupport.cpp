#include <epoxy/gl.h>
#include <GL/glu.h>
#include <GL/freeglut.h>

#include "support/ViewerTestSupport.h"

#include <cmath>

#include "model/HouseFrame.h"
#include "model/Scene.h"
#include "render/ShadowFrame.h"
#include "viewer/ViewerShell.h"
#include "support/GlTestContext.h"

bool prepareViewer(int width, int height) {
    ensureGlContext();
    glutReshapeWindow(width, height);
    pumpWindowEvents();
    static bool initialised = false;
    if (!initialised) {
        initialised = Init(viewerFrame());
        setSceneFunction(viewerFrame(), modelScene(houseModel()));
    }
    Reshape(viewerFrame(), width, height);
    return initialised;
}

ImagePoint projectToImage(double x, double y, double z) {
    GLdouble model[16], projection[16], wx, wy, wz;
    for (int i = 0; i < 16; ++i) {
        model[i] = viewerFrame().cameraViewMatrix.GetEntry(i);
        projection[i] = viewerFrame().cameraProjectionMatrix.GetEntry(i);
    }
    const GLint viewport[4] = {0, 0, viewerFrame().windowWidth, viewerFrame().windowHeight};
    gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
    return {static_cast<int>(std::lround(wx)),
            viewerFrame().windowHeight - 1 - static_cast<int>(std::lround(wy))};
}

void plateAndTower(float) {
    glPushMatrix();
    glScaled(kHouseScale, kHouseScale, kHouseScale);
    glTranslated(kBasePlateOffset, 0, kBasePlateOffset);
    BrikVantaHouse brik;
    brik.drawSolidBasePlate(kBasePlateSize, kBasePlateSize, brik.colorGreen);
    glTranslated(14, 0.4, 14);
    brik.drawSolidCube(4, 4, 12, brik.colorWhite, 1);
    glPopMatrix();
}
