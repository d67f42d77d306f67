#pragma once

// A 3-component single-precision vector: positions and directions of the
// shell's camera and light (world units), plane normals, rotation axes.
// A plain copyable value with public fields.
//
// Angles are in degrees. Rotations are right-handed: counter-clockwise when
// looking from the positive axis towards the origin. Their sine and cosine
// are computed in double precision and rounded to float before use.
class VECTOR3D {
public:
    float x;
    float y;
    float z;

    constexpr VECTOR3D() : x(0.0f), y(0.0f), z(0.0f) {}
    constexpr VECTOR3D(float newX, float newY, float newZ) : x(newX), y(newY), z(newZ) {}

    // sqrt(x^2 + y^2 + z^2); the root is taken in double and rounded to float.
    float GetLength() const;

    // Scales to unit length. A vector whose length is exactly 0 or exactly 1
    // is left as it is, so a zero vector stays zero.
    void Normalize();
    VECTOR3D GetNormalized() const;

    float DotProduct(VECTOR3D const& other) const;
    // this x other
    VECTOR3D CrossProduct(VECTOR3D const& other) const;

    VECTOR3D operator+(VECTOR3D const& other) const;
    VECTOR3D operator-(VECTOR3D const& other) const;
    VECTOR3D operator*(float scale) const;
    // Division by exactly 0 gives the zero vector.
    VECTOR3D operator/(float divisor) const;
    // Division by exactly 0 leaves the vector unchanged.
    void operator/=(float divisor);

    // Exact comparison of all components; a NaN component never compares equal.
    bool operator==(VECTOR3D const& other) const;

    // An angle of exactly 0 returns an unchanged copy.
    VECTOR3D GetRotatedX(double angle) const;
    VECTOR3D GetRotatedY(double angle) const;
    VECTOR3D GetRotatedZ(double angle) const;
    // The axis need not be unit length: it is normalised first. A zero axis
    // stays zero, which leaves only the vector scaled by cos(angle).
    VECTOR3D GetRotatedAxis(double angle, VECTOR3D const& axis) const;

    void RotateX(double angle);
    void RotateY(double angle);
    void RotateZ(double angle);
    void RotateAxis(double angle, VECTOR3D const& axis);

    // The normalised direction mapped from -1..1 into 0..1 per component,
    // as for storing a normal in a colour.
    VECTOR3D GetPackedTo01() const;
    void PackTo01();
};

VECTOR3D operator*(float scale, VECTOR3D const& vector);
