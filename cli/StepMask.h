#pragma once

// Drawing a mask of the frame's scene for the guide's measurements: the scene drawn once more
// with the frame's camera, unlit, untextured, without the floor, on black, so that its flat
// colours (StepDrawing's mask colours) come back exactly. Needs the drawing window's context.

#include <string>

#include "render/FrameCapture.h"
#include "render/FrameState.h"

// Draws the frame's scene as described into the back buffer and reads it back; the OpenGL
// state and the matrices are left as they were. False with one line in `why` when the pixels
// cannot be read.
bool drawSceneMask(const FrameState& frame, RgbImage* mask, std::string* why);
