#pragma once

// A 2-component single-precision vector: a plain copyable value with public
// fields.
class VECTOR2D {
public:
    float x;
    float y;

    constexpr VECTOR2D(float newX, float newY) : x(newX), y(newY) {}

    // sqrt(x^2 + y^2); the root is taken in double and rounded to float.
    float GetLength() const;

    // Scales to unit length. A vector whose length is exactly 0 or exactly 1
    // is left as it is, so a zero vector stays zero.
    void Normalize();
    VECTOR2D GetNormalized() const;

    VECTOR2D operator*(float scale) const;

    // Exact comparison of both components; a NaN component never compares equal.
    bool operator==(VECTOR2D const& other) const;
};

VECTOR2D operator*(float scale, VECTOR2D const& vector);
