#pragma once

// The light's frustum fitted tightly to a box: the shadow map's texels spread over the model
// alone instead of the whole garden, and its depth range over the model's depths alone.

#include "maths/Maths.h"

// An axis-aligned box in the world frame (world units).
struct WorldBounds {
    float low[3];
    float high[3];
};

// A perspective projection (as glFrustum builds it) from the light's view `lightView` that
// just holds every corner of `box`, its near and far planes a hair outside the box's nearest
// and farthest corners. The box must lie wholly in front of the light.
MATRIX4X4 fittedLightProjection(const MATRIX4X4& lightView, const WorldBounds& box);
