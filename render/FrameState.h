#pragma once

// The state the shadow-mapped frame reads: textures, eye and light, their matrices, the
// window size, the scene clock and the frame-rate meter. One definition each, in
// FrameState.cpp; the comment on each says which function writes it.
//
// World units: the house spans about -1.65 ... 1.65 in x and -1.6 ... 1.6 in z, standing on
// y = 0 (brick units scaled by 0.1).

#include "maths/Maths.h"
#include "viewer/FpsCounter.h"
#include "viewer/Timer.h"

extern unsigned textureFloor;      // the floor texture; written by Init (loadTexture)
extern unsigned shadowMapTexture;  // 512 × 512 depth texture; created by createShadowMap,
                                   // refilled by every light pass
extern TIMER timer;                // the scene clock; reset by Init, paused and resumed by Keyboard
extern FPS_COUNTER fpsCounter;     // updated once per frame by renderFrame
extern VECTOR3D cameraPosition;    // (0, 2.5, 3.5); written by setCameraEye
extern VECTOR3D lightPosition;     // (2.5, 3.5, -2.5)
extern int windowWidth, windowHeight;                     // written by Reshape
extern MATRIX4X4 lightProjectionMatrix, lightViewMatrix;  // written by Init
extern MATRIX4X4 cameraProjectionMatrix;                  // written by Reshape
extern MATRIX4X4 cameraViewMatrix;                        // written by Init and setCameraEye
constexpr int shadowMapSize = 512;

// A view matrix looking from `eye` at the world origin, +y up. Needs a context: it is built
// on the modelview stack with GLU and read back, leaving the stack as it was.
MATRIX4X4 lookAtMatrix(const VECTOR3D& eye);

// A perspective projection with a 45-degree vertical field of view, built like lookAtMatrix.
MATRIX4X4 perspectiveMatrix(double aspect, double nearPlane, double farPlane);

// Looks at the house from another eye point (the light and shadow map are unchanged).
void setCameraEye(const VECTOR3D& eye);
