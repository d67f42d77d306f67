#include "render/FrameState.h"

#include <epoxy/gl.h>
#include <GL/glu.h>

#include "render/FrameConstants.h"

// Each matrix is built on a fresh modelview identity and read back; the projection
// stack is never used for building them.
MATRIX4X4 lookAtMatrix(const VECTOR3D& eye, const VECTOR3D& target) {
    MATRIX4X4 matrix;
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, 0.0f, 1.0f, 0.0f);
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    glPopMatrix();
    return matrix;
}

MATRIX4X4 perspectiveMatrix(double aspect, double nearPlane, double farPlane, double fieldOfView) {
    MATRIX4X4 matrix;
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(fieldOfView, aspect, nearPlane, farPlane);
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    glPopMatrix();
    return matrix;
}

void setCameraEye(FrameState& frame, const VECTOR3D& eye) {
    frame.cameraPosition = eye;
    frame.cameraViewMatrix = lookAtMatrix(eye, frame.cameraTarget);
}

void fitView(FrameState& frame, const ViewFit& fit) {
    frame.view = fit;
    frame.cameraPosition = fit.startEye();
    frame.lightPosition = fit.startLight();
}

void setStartLight(FrameState& frame) {
    frame.lightPosition = frame.view.startLight();
    frame.lightProjectionMatrix =
        perspectiveMatrix(lightAspect, frame.view.lightNear(), frame.view.lightFar());
    frame.lightViewMatrix = lookAtMatrix(frame.lightPosition);
}

void setLightAngle(FrameState& frame, double degrees) {
    frame.lightPosition = frame.view.startLight().GetRotatedY(degrees);
    frame.lightViewMatrix = lookAtMatrix(frame.lightPosition);
    frame.lightProjectionMatrix = perspectiveMatrix(
        lightAspect, frame.view.lightNear(), frame.view.lightFar(), circlingLightFieldOfView);
}
