#include "maths/Vector2D.h"

#include <cmath>

float VECTOR2D::GetLength() const {
    return static_cast<float>(std::sqrt(static_cast<double>(x * x + y * y)));
}

void VECTOR2D::Normalize() {
    const float length = GetLength();
    if (length == 1.0f || length == 0.0f) return;

    const float factor = 1.0f / length;
    x *= factor;
    y *= factor;
}

VECTOR2D VECTOR2D::GetNormalized() const {
    VECTOR2D result(*this);
    result.Normalize();
    return result;
}

VECTOR2D VECTOR2D::operator*(float scale) const { return VECTOR2D(scale * x, scale * y); }

bool VECTOR2D::operator==(VECTOR2D const& other) const { return x == other.x && y == other.y; }

VECTOR2D operator*(float scale, VECTOR2D const& vector) { return vector * scale; }
