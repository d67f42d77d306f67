#include "maths/Plane.h"

#include "maths/Maths.h"

void PLANE::SetFromPoints(VECTOR3D const& p0, VECTOR3D const& p1, VECTOR3D const& p2) {
    normal = (p1 - p0).CrossProduct(p2 - p0);
    normal.Normalize();
    CalculateIntercept(p0);
}

void PLANE::CalculateIntercept(VECTOR3D const& point) { intercept = -normal.DotProduct(point); }

void PLANE::Normalize() {
    const float length = normal.GetLength();
    normal /= length;
    intercept /= length;
}

float PLANE::GetDistance(VECTOR3D const& point) const {
    return point.DotProduct(normal) + intercept;
}

int PLANE::ClassifyPoint(VECTOR3D const& point) const {
    const float distance = point.DotProduct(normal) + intercept;

    if (distance > 0.01f) return POINT_IN_FRONT_OF_PLANE;
    if (distance < -0.01f) return POINT_BEHIND_PLANE;
    return POINT_ON_PLANE;
}

bool PLANE::Intersect3(PLANE const& b, PLANE const& c, VECTOR3D& result) const {
    const float denominator = normal.DotProduct(b.normal.CrossProduct(c.normal));
    if (denominator == 0.0f) return false;

    const VECTOR3D term1 = b.normal.CrossProduct(c.normal) * intercept;
    const VECTOR3D term2 = c.normal.CrossProduct(normal) * b.intercept;
    const VECTOR3D term3 = normal.CrossProduct(b.normal) * c.intercept;

    result = (term1 + term2 + term3) / -denominator;
    return true;
}

PLANE PLANE::lerp(PLANE const& other, float factor) const {
    PLANE result;
    result.normal = normal * (1.0f - factor) + other.normal * factor;
    result.normal.Normalize();
    result.intercept = (1.0f - factor) * intercept + factor * other.intercept;
    return result;
}

bool PLANE::operator==(PLANE const& other) const {
    return normal == other.normal && intercept == other.intercept;
}
