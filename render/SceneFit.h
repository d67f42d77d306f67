#pragma once

// Framing the frame's scene: the eye moved along its line to the camera's target until the
// whole scene (its triangles as drawn, not the floor) fills the picture with a margin
// (maths/ViewFit.h). Captures the scene without a context.

#include "render/FrameState.h"

// The frame's eye, kept in direction from the camera's target, at the distance that frames
// the frame's scene in its window's aspect; the eye itself when the scene draws nothing.
VECTOR3D fittedSceneEye(const FrameState& frame);
