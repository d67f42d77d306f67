#include "render/FrameState.h"

#include <epoxy/gl.h>
#include <GL/glu.h>

GLuint textureFloor = 0;
GLuint shadowMapTexture = 0;
TIMER timer;
FPS_COUNTER fpsCounter;
VECTOR3D cameraPosition(0.0f, 2.5f, 3.5f);
VECTOR3D lightPosition(2.5f, 3.5f, -2.5f);
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

MATRIX4X4 perspectiveMatrix(double aspect, double nearPlane, double farPlane) {
    MATRIX4X4 matrix;
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(45.0f, aspect, nearPlane, farPlane);
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    glPopMatrix();
    return matrix;
}

void setCameraEye(const VECTOR3D& eye) {
    cameraPosition = eye;
    cameraViewMatrix = lookAtMatrix(eye);
}
