#include "render/FrameState.h"

#include <epoxy/gl.h>
#include <GL/glu.h>

#include "render/FrameConstants.h"

GLuint textureFloor = 0;
GLuint shadowMapTexture = 0;
TIMER timer;
FPS_COUNTER fpsCounter;
VECTOR3D cameraPosition = startCameraEye;
VECTOR3D lightPosition = startLightPosition;
int windowWidth = 0, windowHeight = 0;
MATRIX4X4 lightProjectionMatrix, lightViewMatrix, cameraProjectionMatrix, cameraViewMatrix;

// Each matrix is built on a fresh modelview identity and read back; the projection
// stack is never used for building them.
MATRIX4X4 lookAtMatrix(const VECTOR3D& eye) {
    MATRIX4X4 matrix;
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f);
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

void setCameraEye(const VECTOR3D& eye) {
    cameraPosition = eye;
    cameraViewMatrix = lookAtMatrix(eye);
}

void setStartLight() {
    lightPosition = startLightPosition;
    lightProjectionMatrix = perspectiveMatrix(lightAspect, lightNearPlane, lightFarPlane);
    lightViewMatrix = lookAtMatrix(lightPosition);
}

void setLightAngle(double degrees) {
    lightPosition = startLightPosition.GetRotatedY(degrees);
    lightViewMatrix = lookAtMatrix(lightPosition);
    lightProjectionMatrix =
        perspectiveMatrix(lightAspect, lightNearPlane, lightFarPlane, circlingLightFieldOfView);
}
