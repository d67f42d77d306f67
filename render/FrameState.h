#pragma once

// The state the shadow-mapped frame reads, as one value: what it draws, the camera and the
// light with their matrices, the window size, its textures and light-pass target, the scene
// clock and the frame-rate meter. Whoever draws a frame owns one (the viewer its window's, the
// brik command one per run, each test its own or the viewer's) and passes it to the fixed
// frame, the fast renderer and the overlays; the comment on each member says who writes it.
//
// World units: the house spans -1.6 ... 1.645 in x (the right gutter overhangs the base plate)
// and -1.6 ... 1.6 in z, standing on y = 0 (brick units scaled by 0.1).

#include <functional>

#include "maths/Maths.h"
#include "render/FrameConstants.h"
#include "render/LightPassTarget.h"
#include "render/ViewFit.h"
#include "timing/FpsCounter.h"
#include "timing/Timer.h"

constexpr int shadowMapSize = 512;

// The first frame's view (world units): the camera in front of the house, the light behind
// its right-hand side, both looking at the origin.
constexpr VECTOR3D startCameraEye(0.0f, 2.5f, 3.5f);
constexpr VECTOR3D startLightPosition(2.5f, 3.5f, -2.5f);

// What the three passes draw (a model's scene, a test scene, a building step), at the scene
// time given. It must leave the matrices as it found them and set only colours.
using SceneFunction = std::function<void(float sceneTime)>;

struct FrameState {
    SceneFunction scene;              // nothing but the floor while empty; set by the program
    ViewFit view;                     // the lengths fitted to the model; set with fitView
    unsigned textureFloor = 0;        // the floor texture; written by Init (loadTexture)
    unsigned shadowMapTexture = 0;    // 512 × 512 depth texture; created by createShadowMap,
                                      // refilled by every light pass
    LightPassTarget lightPassTarget;  // where the light pass draws; created by createShadowMap
    TIMER timer;                      // the scene clock; reset by Init, paused and resumed by keys
    FPS_COUNTER fpsCounter;           // updated once per frame by the renderers
    char frameRateText[32] = "0.00";  // the rate with two decimals, rewritten with the meter
    VECTOR3D cameraPosition = startCameraEye;            // moved by setCameraEye
    VECTOR3D cameraTarget = VECTOR3D(0.0f, 0.0f, 0.0f);  // the point the camera looks at
    VECTOR3D lightPosition = startLightPosition;         // moved by setLightAngle
    int windowWidth = 0, windowHeight = 0;               // written by Reshape
    MATRIX4X4 lightProjectionMatrix, lightViewMatrix;    // written by setStartLight, setLightAngle
    MATRIX4X4 cameraProjectionMatrix;                    // written by Reshape
    MATRIX4X4 cameraViewMatrix;                          // written by Init and setCameraEye
};

// A view matrix looking from `eye` at `target`, +y up. Needs a context: it is built on the
// modelview stack with GLU and read back, leaving the stack as it was.
MATRIX4X4 lookAtMatrix(const VECTOR3D& eye, const VECTOR3D& target = VECTOR3D(0.0f, 0.0f, 0.0f));

// A perspective projection, built like lookAtMatrix. The field of view is vertical, in degrees.
MATRIX4X4 perspectiveMatrix(double aspect, double nearPlane, double farPlane,
                            double fieldOfView = fieldOfViewDegrees);

// Fits the frame's lengths to a model (render/ViewFit.h) and puts the camera and the light at
// their fitted start. No OpenGL: Init (or setCameraEye and setStartLight after it) builds the
// matrices from them. The default frame state has the built-in house's fit.
void fitView(FrameState& frame, const ViewFit& fit);

// Looks at the camera's target from another eye point (the light and shadow map are unchanged).
void setCameraEye(FrameState& frame, const VECTOR3D& eye);

// The first frame's light: at the fit's start (startLightPosition for the built-in house),
// with a 45-degree projection over the fit's depth range (called by Init).
void setStartLight(FrameState& frame);

// The light on its circle about the vertical axis: the fit's start light turned `degrees`
// about +y (right-handed: counter-clockwise seen from above), at the same height and the
// same distance from the axis, aimed at the origin. Recomputes both light matrices: the
// projection widens to circlingLightFieldOfView, which holds the whole house from every
// point of the circle. (Init's light, the first frame's, keeps 45 degrees, which leaves the
// outermost corners of the garden outside the shadow map.) An angle of 0 puts the light
// exactly at the start. Renderers that keep the shadow map redraw it when the light
// matrices change.
void setLightAngle(FrameState& frame, double degrees);
constexpr double circlingLightFieldOfView = 56.0;  // degrees, vertical and horizontal
