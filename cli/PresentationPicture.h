#pragma once

// The pictures people take away from the guide (its cover, steps and part pictures), in the
// presentation look (render/FastRenderSettings.h): the fast renderer built for one house mesh,
// drawn once, and released. Needs the drawing window's context.

#include <string>

#include "mesh/HouseMesh.h"
#include "render/FrameState.h"

// Draws `house` (house frame, as captureHouse gives it; every triangle drawn) from the frame's
// camera and light into the back buffer, without swapping. Where this OpenGL lacks the fast
// renderer, the shadow-mapped frame draws the frame's scene instead, which must then show the
// same. False with one line in `why` when the fast renderer cannot be built.
bool drawPresentationPicture(FrameState& frame, const HouseMesh& house, std::string* why);
