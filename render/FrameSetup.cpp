#include <epoxy/gl.h>

#include "render/FrameSetup.h"

#include <cmath>
#include <cstdio>

#include "maths/Angles.h"

#include "render/FloorTexture.h"
#include "render/FrameConstants.h"
#include "render/FrameState.h"
#include "render/FrameWindow.h"
#include "render/ShadowFrame.h"

void loadTexture(FrameState& frame, const std::string& floorImage) {
    frame.textureFloor = loadTextureFloor(floorImage.c_str());
}

bool Init(FrameState& frame, const std::string& floorImage) {
    if (!epoxy_has_gl_extension("GL_ARB_depth_texture") ||
        !epoxy_has_gl_extension("GL_ARB_shadow")) {
        // Kept exactly as it is, typo and status 0 included: the documented message.
        printf("I require ARB_depth_texture and ARB_shadow extensionsn\n");
        return false;
    }

    loadTexture(frame, floorImage);

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

    createShadowMap(frame);

    // The brick pieces' current colour is their ambient and diffuse material.
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT, GL_SPECULAR, white);
    glMaterialf(GL_FRONT, GL_SHININESS, pieceShininess);

    frame.cameraViewMatrix = lookAtMatrix(frame.cameraPosition, frame.cameraTarget);
    setStartLight(frame);

    frame.timer.Reset();
    return true;
}

double cameraFieldOfView(int width, int height) {
    if (width >= height) return fieldOfViewDegrees;
    constexpr double firstFrameAspect = double(viewerWindowWidth) / viewerWindowHeight;
    const double halfDegree = degreesToRadians(0.5);
    const double tanHalfWidth = std::tan(fieldOfViewDegrees * halfDegree) * firstFrameAspect;
    return std::atan(tanHalfWidth * double(height) / double(width)) / halfDegree;
}

void Reshape(FrameState& frame, int width, int height) {
    frame.windowWidth = width;
    frame.windowHeight = height;
    // A minimised window reports a height of 0; keep the last aspect rather than divide by it.
    if (height <= 0 || width <= 0) return;
    frame.cameraProjectionMatrix =
        perspectiveMatrix(double(width) / double(height), frame.view.cameraNear(),
                          frame.view.cameraFar(), cameraFieldOfView(width, height));
}
