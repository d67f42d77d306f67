#pragma once

// The state the shadow-mapped frame reads: textures, eye and light, their matrices, the
// window size, the scene clock and the frame-rate meter. One definition each, in
// FrameState.cpp; the comment on each says which function writes it.
//
// World units: the house spans -1.6 ... 1.645 in x (the right gutter overhangs the base plate)
// and -1.6 ... 1.6 in z, standing on y = 0 (brick units scaled by 0.1).

#include "maths/Maths.h"
#include "render/FrameConstants.h"
#include "timing/FpsCounter.h"
#include "timing/Timer.h"

extern unsigned textureFloor;      // the floor texture; written by Init (loadTexture)
extern unsigned shadowMapTexture;  // 512 × 512 depth texture; created by createShadowMap,
                                   // refilled by every light pass
extern TIMER timer;                // the scene clock; reset by Init, paused and resumed by Keyboard
extern FPS_COUNTER fpsCounter;     // updated once per frame by renderFrame
extern VECTOR3D cameraPosition;    // startCameraEye until setCameraEye moves it
extern VECTOR3D lightPosition;     // startLightPosition until setLightAngle moves it
extern int windowWidth, windowHeight;                     // written by Reshape
extern MATRIX4X4 lightProjectionMatrix, lightViewMatrix;  // written by setStartLight, setLightAngle
extern MATRIX4X4 cameraProjectionMatrix;                  // written by Reshape
extern MATRIX4X4 cameraViewMatrix;                        // written by Init and setCameraEye
constexpr int shadowMapSize = 512;

// The first frame's view (world units): the camera in front of the house, the light behind
// its right-hand side, both looking at the origin.
constexpr VECTOR3D startCameraEye(0.0f, 2.5f, 3.5f);
constexpr VECTOR3D startLightPosition(2.5f, 3.5f, -2.5f);

// A view matrix looking from `eye` at the world origin, +y up. Needs a context: it is built
// on the modelview stack with GLU and read back, leaving the stack as it was.
MATRIX4X4 lookAtMatrix(const VECTOR3D& eye);

// A perspective projection, built like lookAtMatrix. The field of view is vertical, in degrees.
MATRIX4X4 perspectiveMatrix(double aspect, double nearPlane, double farPlane,
                            double fieldOfView = fieldOfViewDegrees);

// Looks at the house from another eye point (the light and shadow map are unchanged).
void setCameraEye(const VECTOR3D& eye);

// The first frame's light: at startLightPosition, with a 45-degree projection (called by Init).
void setStartLight();

// The light on its circle about the vertical axis: startLightPosition turned `degrees`
// about +y (right-handed: counter-clockwise seen from above), at the same height and the
// same distance from the axis, aimed at the origin. Recomputes both light matrices: the
// projection widens to circlingLightFieldOfView, which holds the whole house from every
// point of the circle. (Init's light, the first frame's, keeps 45 degrees, which leaves the
// outermost corners of the garden outside the shadow map.) An angle of 0 puts the light
// exactly at the start. Renderers that keep the shadow map redraw it when the light
// matrices change.
void setLightAngle(double degrees);
constexpr double circlingLightFieldOfView = 56.0;  // degrees, vertical and horizontal
