#pragma once

// Framing a model in a picture: how far along a direction the eye must stand for every point
// of the model to lie inside the picture with a margin all round. Pure maths, any units (the
// callers use world units).

#include <vector>

#include "maths/Vector3D.h"

// The picture's half-width and half-height over the model's: 1.08 leaves a margin of about
// 4% of the picture on each side of the model's widest extent.
constexpr double kFitMargin = 1.08;

// The eye on the ray from `target` through `direction` (any length, not zero) at which every
// point of `points` lies inside a picture of `aspect` (width over height) and vertical field
// of view `fieldOfViewDegrees`, the camera looking at `target` with +y up, with `margin`
// (at least 1) to spare, and at least `nearPlane` in front of the eye. With no points, the
// eye stays at target + direction.
VECTOR3D fittedEye(const std::vector<VECTOR3D>& points, const VECTOR3D& target,
                   const VECTOR3D& direction, double aspect, double fieldOfViewDegrees,
                   double nearPlane, double margin = kFitMargin);

// The middle of the points' axis-aligned bounds; the origin when there are none.
VECTOR3D boundsCentre(const std::vector<VECTOR3D>& points);
