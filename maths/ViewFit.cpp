#include "maths/ViewFit.h"

#include <algorithm>
#include <cmath>

#include "maths/Angles.h"

VECTOR3D fittedEye(const std::vector<VECTOR3D>& points, const VECTOR3D& target,
                   const VECTOR3D& direction, double aspect, double fieldOfViewDegrees,
                   double nearPlane, double margin) {
    if (points.empty()) return target + direction;
    const VECTOR3D back = direction.GetNormalized();  // from the target towards the eye
    const VECTOR3D forward = back * -1.0f;
    VECTOR3D right = forward.CrossProduct(VECTOR3D(0.0f, 1.0f, 0.0f));
    if (right.GetLength() < 1e-6f) right = VECTOR3D(1.0f, 0.0f, 0.0f);  // looking straight down
    right.Normalize();
    const VECTOR3D up = right.CrossProduct(forward);
    const double tanHalfHeight = std::tan(fieldOfViewDegrees * kPi / 360.0);
    const double tanHalfWidth = tanHalfHeight * aspect;
    // A point q (from the target) seen from target + back·d lies at depth d + q·forward, and
    // inside the picture when |q·right| and |q·up| over that depth are within the half-extents.
    double distance = 0;
    for (const VECTOR3D& point : points) {
        const VECTOR3D q = point - target;
        const double depth = q.DotProduct(forward);
        const double across = std::fabs(q.DotProduct(right)), high = std::fabs(q.DotProduct(up));
        distance = std::max({distance, across * margin / tanHalfWidth - depth,
                             high * margin / tanHalfHeight - depth, nearPlane - depth});
    }
    return target + back * float(distance);
}

VECTOR3D boundsCentre(const std::vector<VECTOR3D>& points) {
    if (points.empty()) return VECTOR3D(0.0f, 0.0f, 0.0f);
    VECTOR3D low = points.front(), high = points.front();
    for (const VECTOR3D& p : points) {
        low = VECTOR3D(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
        high = VECTOR3D(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
    }
    return (low + high) * 0.5f;
}
