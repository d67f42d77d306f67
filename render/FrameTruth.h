#pragma once

// The measured truth (mesh/ShadowTruth.h) for the frame as it stands: its world (the captured
// house and the floor it draws), its view (camera matrices, window size, light position, read
// from render/FrameState.h) and the mask as a picture.

#include "mesh/ShadowTruth.h"
#include "render/FrameCapture.h"

// The captured house (mesh/HouseMesh.h) in the world frame, and the frame's floor.
Bvh frameTruthScene(const HouseMesh& house);

// The frame's camera, window and light. Needs nothing but the state (no context).
struct FrameState;
TruthView frameTruthView(const FrameState& frame);

// One colour per state: lit white, shadowed black, background the classification's blue.
constexpr unsigned char kLitColour[3] = {255, 255, 255};
constexpr unsigned char kShadowedColour[3] = {0, 0, 0};
constexpr unsigned char kBackgroundColour[3] = {0, 0, 255};

// The mask as an RGB picture, top row first, in the colours above.
RgbImage lightMaskImage(const LightMask& mask);
