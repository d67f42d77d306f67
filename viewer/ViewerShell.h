#pragma once

// The viewer's shell: the window's callbacks. The frame itself (the passes) is
// render/ShadowFrame, its set-up render/FrameSetup, its window render/FrameWindow; the state
// they share is render/FrameState.

#include "render/FrameSetup.h"
#include "render/FrameWindow.h"
#include "render/Renderer.h"

// The frame state of the viewer's window: GLUT's callbacks take no argument, so the shell holds
// it. Everything the viewer draws and every key reads and changes this one.
FrameState& viewerFrame();

// The renderers of the viewer's window, held by the shell for the same reason.
FrameRenderer& viewerRenderer();

// The model the window shows, every layer of it (the building-step keys show part of it):
// the built-in house until main sets another, before the first frame.
const Model& viewerModel();
void setViewerModel(const Model& model);

// The reshape callback: Reshape of the viewer's frame.
void ReshapeWindow(int width, int height);

// Input (viewer/ViewerInput.cpp): Escape ends the program, P/p pauses the scene clock, U/u
// resumes it; the other keys, the arrows and the mouse turn, pan and fit the camera, turn the
// light, step through the building, show the overlays and save the window (helpLines() lists
// them all). Unknown keys do nothing.
void Keyboard(unsigned char key, int x, int y);
void SpecialKey(int key, int x, int y);
void Mouse(int button, int state, int x, int y);
void Motion(int x, int y);

// Everything a displayed frame holds, drawn into the back buffer without swapping: the
// light moved by the scene clock when it circles, the frame with the selected renderer, the
// overlays shown (a note past its time hidden), and then the screenshot S asked for.
void composeFrame();

// True while the window must be redrawn frame after frame: always with the fixed frame (it
// redraws continuously); with the fast renderer only while the picture changes by itself (the
// light circling, the frame rate or a note shown), so a still window uses no processor time. The
// input callbacks ask for a redraw when they change something; the window system asks after a
// resize or an exposure.
bool needsContinuousRedraw();

// The display callback: composeFrame, then swap, and ask for the next frame at once while
// needsContinuousRedraw().
void Display();
