#pragma once

#include "maths/Vector3D.h"

// A plane in implicit form: the points p with normal . p + intercept = 0.
// The front side is the side the normal points to. A plain value with
// public fields.
class PLANE {
public:
    VECTOR3D normal;  // unit length after SetFromPoints or Normalize
    float intercept;

    PLANE() : normal(0.0f, 0.0f, 0.0f), intercept(0.0f) {}

    // The plane through three points, which run counter-clockwise seen from
    // the front. Collinear points give a zero normal and a zero intercept.
    void SetFromPoints(VECTOR3D const& p0, VECTOR3D const& p1, VECTOR3D const& p2);
    // Moves the plane, keeping its normal, so that it passes through point.
    void CalculateIntercept(VECTOR3D const& point);
    // Scales normal and intercept so that the normal has unit length. A zero
    // normal stays zero but turns the intercept into an infinity or NaN.
    void Normalize();

    // Signed distance in units of the normal's length; positive in front.
    float GetDistance(VECTOR3D const& point) const;
    // POINT_IN_FRONT_OF_PLANE, POINT_BEHIND_PLANE or POINT_ON_PLANE (see
    // Maths.h); points within 0.01 of the plane, bounds included, are on it.
    int ClassifyPoint(VECTOR3D const& point) const;

    // The point common to this plane, b and c. Returns false, leaving result
    // untouched, when two of them are parallel or the three share a line.
    bool Intersect3(PLANE const& b, PLANE const& c, VECTOR3D& result) const;

    // From this plane (factor 0) to other (factor 1): the normals are blended
    // and renormalised, the intercepts only blended, not rescaled.
    PLANE lerp(PLANE const& other, float factor) const;

    // Exact comparison of normal and intercept.
    bool operator==(PLANE const& other) const;
};
