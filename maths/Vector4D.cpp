#include "maths/Vector4D.h"

namespace {

VECTOR4D WithW(VECTOR3D const& v, float w) { return VECTOR4D(v.x, v.y, v.z, w); }

}  // namespace

VECTOR4D::operator VECTOR3D() const {
    if (w == 0.0f || w == 1.0f) return VECTOR3D(x, y, z);
    return VECTOR3D(x / w, y / w, z / w);
}

VECTOR4D VECTOR4D::operator*(float scale) const {
    return VECTOR4D(scale * x, scale * y, scale * z, scale * w);
}

bool VECTOR4D::operator==(VECTOR4D const& other) const {
    return x == other.x && y == other.y && z == other.z && w == other.w;
}

VECTOR4D VECTOR4D::GetRotatedX(double angle) const {
    return WithW(VECTOR3D(x, y, z).GetRotatedX(angle), w);
}

VECTOR4D VECTOR4D::GetRotatedY(double angle) const {
    return WithW(VECTOR3D(x, y, z).GetRotatedY(angle), w);
}

VECTOR4D VECTOR4D::GetRotatedZ(double angle) const {
    return WithW(VECTOR3D(x, y, z).GetRotatedZ(angle), w);
}

VECTOR4D VECTOR4D::GetRotatedAxis(double angle, VECTOR3D const& axis) const {
    return WithW(VECTOR3D(x, y, z).GetRotatedAxis(angle, axis), w);
}

void VECTOR4D::RotateX(double angle) { *this = GetRotatedX(angle); }

void VECTOR4D::RotateY(double angle) { *this = GetRotatedY(angle); }

void VECTOR4D::RotateZ(double angle) { *this = GetRotatedZ(angle); }

void VECTOR4D::RotateAxis(double angle, VECTOR3D const& axis) {
    *this = GetRotatedAxis(angle, axis);
}

VECTOR4D operator*(float scale, VECTOR4D const& vector) { return vector * scale; }
