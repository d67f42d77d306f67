#pragma once

// The shadow-mapped frame: the viewer's OpenGL set-up, its callbacks and one frame of
// three passes over the house (light depth pass into the shadow map, dim camera pass,
// lit camera pass with the depth comparison), then the textured floor.
// The window program, the snapshot tool and the tests all drive the frame through here.
//
// World units: the house spans -1.6 ... 1.6 in x and z, standing on y = 0.

#include "app/FpsCounter.h"
#include "app/Timer.h"
#include "maths/Maths.h"

extern unsigned textureFloor;      // the floor texture
extern TIMER timer;                // the scene clock
extern FPS_COUNTER fpsCounter;     // updated once per frame
extern VECTOR3D cameraPosition;    // (0, 2.5, 3.5)
extern VECTOR3D lightPosition;     // (2.5, 3.5, -2.5)
extern unsigned shadowMapTexture;  // 512 × 512 depth texture, refilled every frame
extern int windowWidth, windowHeight;
extern MATRIX4X4 lightProjectionMatrix, lightViewMatrix;
extern MATRIX4X4 cameraProjectionMatrix, cameraViewMatrix;
constexpr int shadowMapSize = 512;

// One-time set-up. Prints the message and returns false when the depth-texture or
// shadow extension is missing; ends the process when the floor image is unusable.
bool Init();

// Window resized: keeps the size and the camera projection current.
void Reshape(int width, int height);

// Escape ends the program, P/p pauses the scene clock, U/u resumes it.
void Keyboard(unsigned char key, int x, int y);

// The display callback: one frame, then swap and ask for the next one at once.
void Display();

// Milliseconds each part of a frame took, measured with a pipeline flush after each part.
struct FrameTimings {
    double lightPass;
    double dimPass;
    double litPass;
    double floor;
};

// Renders one frame into the back buffer without swapping. With `timings`, the pipeline
// is finished after every pass so that each pass is timed on its own.
void renderFrame(FrameTimings* timings = nullptr);

// What the three passes draw: `DrawScene` (the house) unless replaced, for instance by a
// test scene. The function must leave the matrices as it found them and set only colours.
using SceneFunction = void (*)(float sceneTime);
void setSceneFunction(SceneFunction scene);

// Looks at the house from another eye point (the light and shadow map are unchanged).
void setCameraEye(const VECTOR3D& eye);

// The frame rate as text with two decimals, rewritten every frame.
const char* frameRateText();

// True when the light pass renders into an offscreen depth buffer (correct shadows at any
// window size); false when it falls back to the window's own depth buffer.
bool lightPassIsOffscreen();
