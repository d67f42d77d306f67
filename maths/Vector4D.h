#pragma once

#include "maths/Vector3D.h"

#include <type_traits>

// A 4-component single-precision vector: a homogeneous point (w = 1 for a
// position, w = 0 for a direction) or the four coefficients of a plane, as
// OpenGL takes them for light positions and texture-generation planes.
// The components are contiguous, so the vector can be handed to OpenGL as
// an array of four floats.
class VECTOR4D {
public:
    float x;
    float y;
    float z;
    float w;

    constexpr VECTOR4D(float newX, float newY, float newZ, float newW)
        : x(newX), y(newY), z(newZ), w(newW) {}
    // The point v in homogeneous form: (v.x, v.y, v.z, 1).
    constexpr VECTOR4D(VECTOR3D const& v) : x(v.x), y(v.y), z(v.z), w(1.0f) {}

    // x, y, z, w in this order, e.g. for glLightfv or glTexGenfv.
    operator float const*() const { return &x; }

    // Back to a 3-D point, (x/w, y/w, z/w). When w is exactly 0 (a direction)
    // or exactly 1 the components are taken as they are, undivided.
    operator VECTOR3D() const;

    VECTOR4D operator*(float scale) const;

    // Exact comparison of all components; a NaN component never compares equal.
    bool operator==(VECTOR4D const& other) const;

    // Rotate (x, y, z) exactly as VECTOR3D does (degrees, right-handed);
    // w is carried over unchanged.
    VECTOR4D GetRotatedX(double angle) const;
    VECTOR4D GetRotatedY(double angle) const;
    VECTOR4D GetRotatedZ(double angle) const;
    VECTOR4D GetRotatedAxis(double angle, VECTOR3D const& axis) const;

    void RotateX(double angle);
    void RotateY(double angle);
    void RotateZ(double angle);
    void RotateAxis(double angle, VECTOR3D const& axis);
};

VECTOR4D operator*(float scale, VECTOR4D const& vector);

static_assert(sizeof(VECTOR4D) == 4 * sizeof(float), "VECTOR4D must read as four floats");
static_assert(std::is_standard_layout<VECTOR4D>::value, "VECTOR4D must keep a C layout");
static_assert(std::is_trivially_copyable<VECTOR4D>::value, "VECTOR4D is a plain value");
