#include "maths/Vector3D.h"

#include <cmath>

#include "maths/Angles.h"

namespace {

struct SineCosine {
    float sine;
    float cosine;
};

// Degrees to radians, sine and cosine all in double; only the results are
// rounded to float.
SineCosine SineCosineOfDegrees(double angle) {
    const double radians = degreesToRadians(angle);
    return {static_cast<float>(std::sin(radians)), static_cast<float>(std::cos(radians))};
}

}  // namespace

float VECTOR3D::GetLength() const {
    return static_cast<float>(std::sqrt(static_cast<double>(x * x + y * y + z * z)));
}

void VECTOR3D::Normalize() {
    const float length = GetLength();
    if (length == 1.0f || length == 0.0f) return;

    const float factor = 1.0f / length;
    x *= factor;
    y *= factor;
    z *= factor;
}

VECTOR3D VECTOR3D::GetNormalized() const {
    VECTOR3D result(*this);
    result.Normalize();
    return result;
}

float VECTOR3D::DotProduct(VECTOR3D const& other) const {
    return x * other.x + y * other.y + z * other.z;
}

VECTOR3D VECTOR3D::CrossProduct(VECTOR3D const& other) const {
    return VECTOR3D(y * other.z - z * other.y, z * other.x - x * other.z,
                    x * other.y - y * other.x);
}

VECTOR3D VECTOR3D::operator+(VECTOR3D const& other) const {
    return VECTOR3D(x + other.x, y + other.y, z + other.z);
}

VECTOR3D VECTOR3D::operator-(VECTOR3D const& other) const {
    return VECTOR3D(x - other.x, y - other.y, z - other.z);
}

VECTOR3D VECTOR3D::operator*(float scale) const {
    return VECTOR3D(scale * x, scale * y, scale * z);
}

VECTOR3D VECTOR3D::operator/(float divisor) const {
    if (divisor == 0.0f) return VECTOR3D(0.0f, 0.0f, 0.0f);
    return VECTOR3D(x / divisor, y / divisor, z / divisor);
}

void VECTOR3D::operator/=(float divisor) {
    if (divisor == 0.0f) return;
    x /= divisor;
    y /= divisor;
    z /= divisor;
}

bool VECTOR3D::operator==(VECTOR3D const& other) const {
    return x == other.x && y == other.y && z == other.z;
}

VECTOR3D VECTOR3D::GetRotatedX(double angle) const {
    if (angle == 0.0) return *this;

    const SineCosine sc = SineCosineOfDegrees(angle);
    return VECTOR3D(x, y * sc.cosine - z * sc.sine, y * sc.sine + z * sc.cosine);
}

VECTOR3D VECTOR3D::GetRotatedY(double angle) const {
    if (angle == 0.0) return *this;

    const SineCosine sc = SineCosineOfDegrees(angle);
    return VECTOR3D(x * sc.cosine + z * sc.sine, y, -x * sc.sine + z * sc.cosine);
}

VECTOR3D VECTOR3D::GetRotatedZ(double angle) const {
    if (angle == 0.0) return *this;

    const SineCosine sc = SineCosineOfDegrees(angle);
    return VECTOR3D(x * sc.cosine - y * sc.sine, x * sc.sine + y * sc.cosine, z);
}

VECTOR3D VECTOR3D::GetRotatedAxis(double angle, VECTOR3D const& axis) const {
    if (angle == 0.0) return *this;

    const VECTOR3D u = axis.GetNormalized();
    const SineCosine sc = SineCosineOfDegrees(angle);
    const float s = sc.sine;
    const float c = sc.cosine;
    const float k = 1.0f - c;

    const VECTOR3D row0(u.x * u.x + c * (1.0f - u.x * u.x), k * u.x * u.y - s * u.z,
                        k * u.x * u.z + s * u.y);
    const VECTOR3D row1(k * u.x * u.y + s * u.z, u.y * u.y + c * (1.0f - u.y * u.y),
                        k * u.y * u.z - s * u.x);
    const VECTOR3D row2(k * u.x * u.z - s * u.y, k * u.y * u.z + s * u.x,
                        u.z * u.z + c * (1.0f - u.z * u.z));

    return VECTOR3D(DotProduct(row0), DotProduct(row1), DotProduct(row2));
}

void VECTOR3D::RotateX(double angle) { *this = GetRotatedX(angle); }

void VECTOR3D::RotateY(double angle) { *this = GetRotatedY(angle); }

void VECTOR3D::RotateZ(double angle) { *this = GetRotatedZ(angle); }

void VECTOR3D::RotateAxis(double angle, VECTOR3D const& axis) {
    *this = GetRotatedAxis(angle, axis);
}

VECTOR3D VECTOR3D::GetPackedTo01() const {
    VECTOR3D packed(*this);
    packed.Normalize();
    return packed * 0.5f + VECTOR3D(0.5f, 0.5f, 0.5f);
}

void VECTOR3D::PackTo01() { *this = GetPackedTo01(); }

VECTOR3D operator*(float scale, VECTOR3D const& vector) { return vector * scale; }
