#pragma once

// The one window bring-up of every program that draws the frame: the viewer, the brik
// command, the benches, the soak and the test context.

#include <string>

#include "render/FloorTexture.h"
#include "render/FrameState.h"

// The viewer's window (the snapshot tool's default size too), in pixels.
constexpr int viewerWindowWidth = 800;
constexpr int viewerWindowHeight = 600;
constexpr const char* viewerWindowTitle = "BRIK Vanta House 3D - Texture with Shadow Mapping";

// Starts GLUT with the program's arguments (it takes its own options out of them) and opens a
// double-buffered RGB window with a depth buffer, `width` × `height` pixels, its context
// current. GLUT ends the process with its own message when there is no display.
void openFrameWindow(int* argc, char** argv, int width, int height, const char* title);

// For programs that draw into their window without the main loop: lets the window appear and
// handles its events until it reports its size, with Reshape keeping the frame's camera
// current, and returns that size (0 × 0 if it never came).
struct WindowSize {
    int width;
    int height;
};
WindowSize settleWindow(FrameState& frame);

// openFrameWindow, the frame's set-up (Init), settleWindow, and then the camera kept at the
// requested size whatever the window reported (`settled` gets what it reported). False when
// Init found the extensions missing (it printed the viewer's message).
bool openSettledFrameWindow(int* argc, char** argv, int width, int height, const char* title,
                            FrameState& frame, WindowSize* settled,
                            const std::string& floorImage = kFloorImagePath);
