#pragma once

// The viewer's shell: one-time OpenGL set-up and the window's callbacks. The frame itself
// (the passes) is render/ShadowFrame; the state both share is render/FrameState.

#include <string>

#include "render/FloorTexture.h"

// The window the viewer opens (the snapshot tool's default size too), in pixels.
constexpr int viewerWindowWidth = 800;
constexpr int viewerWindowHeight = 600;
constexpr const char* viewerWindowTitle = "BRIK Vanta House 3D - Texture with Shadow Mapping";

// Loads every texture of the viewer (the floor's, from the SGI image `floorImage`) into
// `textureFloor`.
void loadTexture(const std::string& floorImage = kFloorImagePath);

// One-time set-up. Prints the message and returns false when the depth-texture or
// shadow extension is missing; ends the process when the floor image is unusable.
bool Init(const std::string& floorImage = kFloorImagePath);

// Window resized: keeps the size and the camera projection current.
void Reshape(int width, int height);

// Input (viewer/ViewerInput.cpp): Escape ends the program, P/p pauses the scene clock, U/u
// resumes it; the other keys, the arrows and the mouse turn the camera and the light, show
// the overlays and save the window (helpLines() lists them all). Unknown keys do nothing.
void Keyboard(unsigned char key, int x, int y);
void SpecialKey(int key, int x, int y);
void Mouse(int button, int state, int x, int y);
void Motion(int x, int y);

// Everything a displayed frame holds, drawn into the back buffer without swapping: the
// light moved by the scene clock when it circles, the frame with the selected renderer, the
// overlays shown, and then the screenshot S asked for.
void composeFrame();

// True while the window must be redrawn frame after frame: always with the fixed frame (it
// redraws continuously); with the fast renderer only while the picture changes by itself (the
// light circling, the frame rate shown), so a still window uses no processor time. The input
// callbacks ask for a redraw when they change something; the window system asks after a
// resize or an exposure.
bool needsContinuousRedraw();

// The display callback: composeFrame, then swap, and ask for the next frame at once while
// needsContinuousRedraw().
void Display();

// For programs that draw into a window of their own without the main loop (the brik command,
// the benches): lets the window appear and handles its events until it reports its size, with
// Reshape keeping the camera current, and returns that size (0 × 0 if it never came).
struct WindowSize {
    int width;
    int height;
};
WindowSize settleWindow();
