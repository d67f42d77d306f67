#include "maths/Matrix4x4.h"

#include <cmath>
#include <cstring>

#include "maths/Angles.h"

namespace {

// Bottom row exactly (0, 0, 0, 1).
bool IsAffine(float const* e) {
    return e[3] == 0.0f && e[7] == 0.0f && e[11] == 0.0f && e[15] == 1.0f;
}

// The translation of an affine matrix's inverse, -(R^T * t), for a rotation R (the upper 3 × 3)
// and translation t (entries 12 to 14).
struct AffineInverseTranslation {
    float x, y, z;
};
AffineInverseTranslation affineInverseTranslation(float const* e) {
    return {-(e[0] * e[12] + e[1] * e[13] + e[2] * e[14]),
            -(e[4] * e[12] + e[5] * e[13] + e[6] * e[14]),
            -(e[8] * e[12] + e[9] * e[13] + e[10] * e[14])};
}

}  // namespace

MATRIX4X4::MATRIX4X4() { LoadIdentity(); }

MATRIX4X4::MATRIX4X4(float e0, float e1, float e2, float e3, float e4, float e5, float e6, float e7,
                     float e8, float e9, float e10, float e11, float e12, float e13, float e14,
                     float e15)
    : entries{e0, e1, e2, e3, e4, e5, e6, e7, e8, e9, e10, e11, e12, e13, e14, e15} {}

MATRIX4X4::MATRIX4X4(float const* source) { std::memcpy(entries, source, sizeof(entries)); }

void MATRIX4X4::SetEntry(int index, float value) {
    if (index >= 0 && index <= 15) entries[index] = value;
}

float MATRIX4X4::GetEntry(int index) const {
    if (index >= 0 && index <= 15) return entries[index];
    return 0.0f;
}

VECTOR4D MATRIX4X4::GetRow(int index) const {
    if (index < 0 || index > 3) return VECTOR4D(0.0f, 0.0f, 0.0f, 0.0f);
    return VECTOR4D(entries[index], entries[4 + index], entries[8 + index], entries[12 + index]);
}

VECTOR4D MATRIX4X4::GetColumn(int index) const {
    if (index < 0 || index > 3) return VECTOR4D(0.0f, 0.0f, 0.0f, 0.0f);
    return VECTOR4D(entries[4 * index], entries[4 * index + 1], entries[4 * index + 2],
                    entries[4 * index + 3]);
}

void MATRIX4X4::LoadIdentity() {
    LoadZero();
    entries[0] = 1.0f;
    entries[5] = 1.0f;
    entries[10] = 1.0f;
    entries[15] = 1.0f;
}

void MATRIX4X4::LoadZero() {
    for (float& entry : entries) entry = 0.0f;
}

MATRIX4X4 MATRIX4X4::operator+(MATRIX4X4 const& m) const {
    MATRIX4X4 result;
    for (int i = 0; i < 16; ++i) result.entries[i] = entries[i] + m.entries[i];
    return result;
}

MATRIX4X4 MATRIX4X4::operator-(MATRIX4X4 const& m) const {
    MATRIX4X4 result;
    for (int i = 0; i < 16; ++i) result.entries[i] = entries[i] - m.entries[i];
    return result;
}

// Written out in full: entry (column, row) = sum over k of a(k, row) * b(column, k).
// An affine operand's bottom row is taken as (0, 0, 0, 1) without reading it.
MATRIX4X4 MATRIX4X4::operator*(MATRIX4X4 const& m) const {
    float const* a = entries;
    float const* b = m.entries;
    MATRIX4X4 result;
    float* r = result.entries;

    const bool leftAffine = IsAffine(a);
    const bool rightAffine = IsAffine(b);

    if (leftAffine && rightAffine) {
        r[0] = a[0] * b[0] + a[4] * b[1] + a[8] * b[2];
        r[1] = a[1] * b[0] + a[5] * b[1] + a[9] * b[2];
        r[2] = a[2] * b[0] + a[6] * b[1] + a[10] * b[2];
        r[3] = 0.0f;
        r[4] = a[0] * b[4] + a[4] * b[5] + a[8] * b[6];
        r[5] = a[1] * b[4] + a[5] * b[5] + a[9] * b[6];
        r[6] = a[2] * b[4] + a[6] * b[5] + a[10] * b[6];
        r[7] = 0.0f;
        r[8] = a[0] * b[8] + a[4] * b[9] + a[8] * b[10];
        r[9] = a[1] * b[8] + a[5] * b[9] + a[9] * b[10];
        r[10] = a[2] * b[8] + a[6] * b[9] + a[10] * b[10];
        r[11] = 0.0f;
        r[12] = a[0] * b[12] + a[4] * b[13] + a[8] * b[14] + a[12];
        r[13] = a[1] * b[12] + a[5] * b[13] + a[9] * b[14] + a[13];
        r[14] = a[2] * b[12] + a[6] * b[13] + a[10] * b[14] + a[14];
        r[15] = 1.0f;
    } else if (leftAffine) {
        r[0] = a[0] * b[0] + a[4] * b[1] + a[8] * b[2] + a[12] * b[3];
        r[1] = a[1] * b[0] + a[5] * b[1] + a[9] * b[2] + a[13] * b[3];
        r[2] = a[2] * b[0] + a[6] * b[1] + a[10] * b[2] + a[14] * b[3];
        r[3] = b[3];
        r[4] = a[0] * b[4] + a[4] * b[5] + a[8] * b[6] + a[12] * b[7];
        r[5] = a[1] * b[4] + a[5] * b[5] + a[9] * b[6] + a[13] * b[7];
        r[6] = a[2] * b[4] + a[6] * b[5] + a[10] * b[6] + a[14] * b[7];
        r[7] = b[7];
        r[8] = a[0] * b[8] + a[4] * b[9] + a[8] * b[10] + a[12] * b[11];
        r[9] = a[1] * b[8] + a[5] * b[9] + a[9] * b[10] + a[13] * b[11];
        r[10] = a[2] * b[8] + a[6] * b[9] + a[10] * b[10] + a[14] * b[11];
        r[11] = b[11];
        r[12] = a[0] * b[12] + a[4] * b[13] + a[8] * b[14] + a[12] * b[15];
        r[13] = a[1] * b[12] + a[5] * b[13] + a[9] * b[14] + a[13] * b[15];
        r[14] = a[2] * b[12] + a[6] * b[13] + a[10] * b[14] + a[14] * b[15];
        r[15] = b[15];
    } else if (rightAffine) {
        r[0] = a[0] * b[0] + a[4] * b[1] + a[8] * b[2];
        r[1] = a[1] * b[0] + a[5] * b[1] + a[9] * b[2];
        r[2] = a[2] * b[0] + a[6] * b[1] + a[10] * b[2];
        r[3] = a[3] * b[0] + a[7] * b[1] + a[11] * b[2];
        r[4] = a[0] * b[4] + a[4] * b[5] + a[8] * b[6];
        r[5] = a[1] * b[4] + a[5] * b[5] + a[9] * b[6];
        r[6] = a[2] * b[4] + a[6] * b[5] + a[10] * b[6];
        r[7] = a[3] * b[4] + a[7] * b[5] + a[11] * b[6];
        r[8] = a[0] * b[8] + a[4] * b[9] + a[8] * b[10];
        r[9] = a[1] * b[8] + a[5] * b[9] + a[9] * b[10];
        r[10] = a[2] * b[8] + a[6] * b[9] + a[10] * b[10];
        r[11] = a[3] * b[8] + a[7] * b[9] + a[11] * b[10];
        r[12] = a[0] * b[12] + a[4] * b[13] + a[8] * b[14] + a[12];
        r[13] = a[1] * b[12] + a[5] * b[13] + a[9] * b[14] + a[13];
        r[14] = a[2] * b[12] + a[6] * b[13] + a[10] * b[14] + a[14];
        r[15] = a[3] * b[12] + a[7] * b[13] + a[11] * b[14] + a[15];
    } else {
        r[0] = a[0] * b[0] + a[4] * b[1] + a[8] * b[2] + a[12] * b[3];
        r[1] = a[1] * b[0] + a[5] * b[1] + a[9] * b[2] + a[13] * b[3];
        r[2] = a[2] * b[0] + a[6] * b[1] + a[10] * b[2] + a[14] * b[3];
        r[3] = a[3] * b[0] + a[7] * b[1] + a[11] * b[2] + a[15] * b[3];
        r[4] = a[0] * b[4] + a[4] * b[5] + a[8] * b[6] + a[12] * b[7];
        r[5] = a[1] * b[4] + a[5] * b[5] + a[9] * b[6] + a[13] * b[7];
        r[6] = a[2] * b[4] + a[6] * b[5] + a[10] * b[6] + a[14] * b[7];
        r[7] = a[3] * b[4] + a[7] * b[5] + a[11] * b[6] + a[15] * b[7];
        r[8] = a[0] * b[8] + a[4] * b[9] + a[8] * b[10] + a[12] * b[11];
        r[9] = a[1] * b[8] + a[5] * b[9] + a[9] * b[10] + a[13] * b[11];
        r[10] = a[2] * b[8] + a[6] * b[9] + a[10] * b[10] + a[14] * b[11];
        r[11] = a[3] * b[8] + a[7] * b[9] + a[11] * b[10] + a[15] * b[11];
        r[12] = a[0] * b[12] + a[4] * b[13] + a[8] * b[14] + a[12] * b[15];
        r[13] = a[1] * b[12] + a[5] * b[13] + a[9] * b[14] + a[13] * b[15];
        r[14] = a[2] * b[12] + a[6] * b[13] + a[10] * b[14] + a[14] * b[15];
        r[15] = a[3] * b[12] + a[7] * b[13] + a[11] * b[14] + a[15] * b[15];
    }
    return result;
}

MATRIX4X4 MATRIX4X4::operator*(float scale) const {
    MATRIX4X4 result;
    for (int i = 0; i < 16; ++i) result.entries[i] = entries[i] * scale;
    return result;
}

MATRIX4X4 MATRIX4X4::operator/(float divisor) const {
    if (divisor == 0.0f || divisor == 1.0f) return *this;
    return *this * (1.0f / divisor);
}

MATRIX4X4 MATRIX4X4::operator-() const {
    MATRIX4X4 result;
    for (int i = 0; i < 16; ++i) result.entries[i] = -entries[i];
    return result;
}

bool MATRIX4X4::operator==(MATRIX4X4 const& m) const {
    for (int i = 0; i < 16; ++i) {
        if (entries[i] != m.entries[i]) return false;
    }
    return true;
}

bool MATRIX4X4::operator!=(MATRIX4X4 const& m) const { return !(*this == m); }

void MATRIX4X4::operator+=(MATRIX4X4 const& m) { *this = *this + m; }

void MATRIX4X4::operator-=(MATRIX4X4 const& m) { *this = *this - m; }

void MATRIX4X4::operator*=(MATRIX4X4 const& m) { *this = *this * m; }

void MATRIX4X4::operator*=(float scale) { *this = *this * scale; }

void MATRIX4X4::operator/=(float divisor) { *this = *this / divisor; }

VECTOR4D MATRIX4X4::operator*(VECTOR4D const& v) const {
    float const* e = entries;
    const float x = e[0] * v.x + e[4] * v.y + e[8] * v.z + e[12] * v.w;
    const float y = e[1] * v.x + e[5] * v.y + e[9] * v.z + e[13] * v.w;
    const float z = e[2] * v.x + e[6] * v.y + e[10] * v.z + e[14] * v.w;
    if (IsAffine(e)) return VECTOR4D(x, y, z, v.w);
    return VECTOR4D(x, y, z, e[3] * v.x + e[7] * v.y + e[11] * v.z + e[15] * v.w);
}

VECTOR3D MATRIX4X4::GetRotatedVector3D(VECTOR3D const& v) const {
    float const* e = entries;
    return VECTOR3D(e[0] * v.x + e[4] * v.y + e[8] * v.z, e[1] * v.x + e[5] * v.y + e[9] * v.z,
                    e[2] * v.x + e[6] * v.y + e[10] * v.z);
}

VECTOR3D MATRIX4X4::GetInverseRotatedVector3D(VECTOR3D const& v) const {
    float const* e = entries;
    return VECTOR3D(e[0] * v.x + e[1] * v.y + e[2] * v.z, e[4] * v.x + e[5] * v.y + e[6] * v.z,
                    e[8] * v.x + e[9] * v.y + e[10] * v.z);
}

VECTOR3D MATRIX4X4::GetTranslatedVector3D(VECTOR3D const& v) const {
    return VECTOR3D(v.x + entries[12], v.y + entries[13], v.z + entries[14]);
}

VECTOR3D MATRIX4X4::GetInverseTranslatedVector3D(VECTOR3D const& v) const {
    return VECTOR3D(v.x - entries[12], v.y - entries[13], v.z - entries[14]);
}

MATRIX4X4 MATRIX4X4::GetTranspose() const {
    float const* e = entries;
    return MATRIX4X4(e[0], e[4], e[8], e[12], e[1], e[5], e[9], e[13], e[2], e[6], e[10], e[14],
                     e[3], e[7], e[11], e[15]);
}

void MATRIX4X4::Transpose() { *this = GetTranspose(); }

// Each cofactor of columns 0-1 is a 3x3 minor expanded along its remaining
// column 0 or 1, its 2x2 sub-determinants taken from columns 2-3; those of
// columns 2-3 the other way round. The pairwise products of the two columns
// not being expanded are shared between the eight cofactors that use them.
MATRIX4X4 MATRIX4X4::GetInverseTranspose() const {
    float const* e = entries;
    MATRIX4X4 cofactors;
    float* c = cofactors.entries;

    const float e8e13 = e[8] * e[13];
    const float e8e14 = e[8] * e[14];
    const float e8e15 = e[8] * e[15];
    const float e9e12 = e[9] * e[12];
    const float e9e14 = e[9] * e[14];
    const float e9e15 = e[9] * e[15];
    const float e10e12 = e[10] * e[12];
    const float e10e13 = e[10] * e[13];
    const float e10e15 = e[10] * e[15];
    const float e11e12 = e[11] * e[12];
    const float e11e13 = e[11] * e[13];
    const float e11e14 = e[11] * e[14];

    c[0] =
        e[5] * e10e15 + e[6] * e11e13 + e[7] * e9e14 - e[5] * e11e14 - e[6] * e9e15 - e[7] * e10e13;
    c[1] =
        e[4] * e11e14 + e[6] * e8e15 + e[7] * e10e12 - e[4] * e10e15 - e[6] * e11e12 - e[7] * e8e14;
    c[2] =
        e[4] * e9e15 + e[5] * e11e12 + e[7] * e8e13 - e[4] * e11e13 - e[5] * e8e15 - e[7] * e9e12;
    c[3] =
        e[4] * e10e13 + e[5] * e8e14 + e[6] * e9e12 - e[4] * e9e14 - e[5] * e10e12 - e[6] * e8e13;
    c[4] =
        e[1] * e11e14 + e[2] * e9e15 + e[3] * e10e13 - e[1] * e10e15 - e[2] * e11e13 - e[3] * e9e14;
    c[5] =
        e[0] * e10e15 + e[2] * e11e12 + e[3] * e8e14 - e[0] * e11e14 - e[2] * e8e15 - e[3] * e10e12;
    c[6] =
        e[0] * e11e13 + e[1] * e8e15 + e[3] * e9e12 - e[0] * e9e15 - e[1] * e11e12 - e[3] * e8e13;
    c[7] =
        e[0] * e9e14 + e[1] * e10e12 + e[2] * e8e13 - e[0] * e10e13 - e[1] * e8e14 - e[2] * e9e12;

    const float e0e5 = e[0] * e[5];
    const float e0e6 = e[0] * e[6];
    const float e0e7 = e[0] * e[7];
    const float e1e4 = e[1] * e[4];
    const float e1e6 = e[1] * e[6];
    const float e1e7 = e[1] * e[7];
    const float e2e4 = e[2] * e[4];
    const float e2e5 = e[2] * e[5];
    const float e2e7 = e[2] * e[7];
    const float e3e4 = e[3] * e[4];
    const float e3e5 = e[3] * e[5];
    const float e3e6 = e[3] * e[6];

    c[8] = e[13] * e2e7 + e[14] * e3e5 + e[15] * e1e6 - e[13] * e3e6 - e[14] * e1e7 - e[15] * e2e5;
    c[9] = e[12] * e3e6 + e[14] * e0e7 + e[15] * e2e4 - e[12] * e2e7 - e[14] * e3e4 - e[15] * e0e6;
    c[10] = e[12] * e1e7 + e[13] * e3e4 + e[15] * e0e5 - e[12] * e3e5 - e[13] * e0e7 - e[15] * e1e4;
    c[11] = e[12] * e2e5 + e[13] * e0e6 + e[14] * e1e4 - e[12] * e1e6 - e[13] * e2e4 - e[14] * e0e5;
    c[12] = e[9] * e3e6 + e[10] * e1e7 + e[11] * e2e5 - e[9] * e2e7 - e[10] * e3e5 - e[11] * e1e6;
    c[13] = e[8] * e2e7 + e[10] * e3e4 + e[11] * e0e6 - e[8] * e3e6 - e[10] * e0e7 - e[11] * e2e4;
    c[14] = e[8] * e3e5 + e[9] * e0e7 + e[11] * e1e4 - e[8] * e1e7 - e[9] * e3e4 - e[11] * e0e5;
    c[15] = e[8] * e1e6 + e[9] * e2e4 + e[10] * e0e5 - e[8] * e2e5 - e[9] * e0e6 - e[10] * e1e4;

    float determinant = e[0] * c[0];
    determinant += e[1] * c[1];
    determinant += e[2] * c[2];
    determinant += e[3] * c[3];

    if (determinant == 0.0f) return MATRIX4X4();

    // In storage order the cofactors form the transpose of the adjugate.
    return cofactors / determinant;
}

void MATRIX4X4::InvertTranspose() { *this = GetInverseTranspose(); }

MATRIX4X4 MATRIX4X4::GetInverse() const { return GetInverseTranspose().GetTranspose(); }

void MATRIX4X4::Invert() { *this = GetInverse(); }

MATRIX4X4 MATRIX4X4::GetAffineInverse() const {
    float const* e = entries;
    const AffineInverseTranslation t = affineInverseTranslation(e);
    return MATRIX4X4(e[0], e[4], e[8], 0.0f, e[1], e[5], e[9], 0.0f, e[2], e[6], e[10], 0.0f, t.x,
                     t.y, t.z, 1.0f);
}

void MATRIX4X4::AffineInvert() { *this = GetAffineInverse(); }

MATRIX4X4 MATRIX4X4::GetAffineInverseTranspose() const {
    float const* e = entries;
    const AffineInverseTranslation t = affineInverseTranslation(e);
    return MATRIX4X4(e[0], e[1], e[2], t.x, e[4], e[5], e[6], t.y, e[8], e[9], e[10], t.z, 0.0f,
                     0.0f, 0.0f, 1.0f);
}

void MATRIX4X4::AffineInvertTranspose() { *this = GetAffineInverseTranspose(); }

void MATRIX4X4::SetTranslation(VECTOR3D const& translation) {
    LoadIdentity();
    SetTranslationPart(translation);
}

void MATRIX4X4::SetTranslationPart(VECTOR3D const& translation) {
    entries[12] = translation.x;
    entries[13] = translation.y;
    entries[14] = translation.z;
}

void MATRIX4X4::SetScale(VECTOR3D const& scaleFactors) {
    LoadIdentity();
    entries[0] = scaleFactors.x;
    entries[5] = scaleFactors.y;
    entries[10] = scaleFactors.z;
}

void MATRIX4X4::SetUniformScale(float scaleFactor) {
    LoadIdentity();
    entries[0] = scaleFactor;
    entries[5] = scaleFactor;
    entries[10] = scaleFactor;
}

void MATRIX4X4::SetRotationX(double angle) {
    const double radians = degreesToRadians(angle);
    LoadIdentity();
    entries[5] = static_cast<float>(std::cos(radians));
    entries[6] = static_cast<float>(std::sin(radians));
    entries[9] = -entries[6];
    entries[10] = entries[5];
}

void MATRIX4X4::SetRotationY(double angle) {
    const double radians = degreesToRadians(angle);
    LoadIdentity();
    entries[0] = static_cast<float>(std::cos(radians));
    entries[2] = -static_cast<float>(std::sin(radians));
    entries[8] = -entries[2];
    entries[10] = entries[0];
}

void MATRIX4X4::SetRotationZ(double angle) {
    const double radians = degreesToRadians(angle);
    LoadIdentity();
    entries[0] = static_cast<float>(std::cos(radians));
    entries[1] = static_cast<float>(std::sin(radians));
    entries[4] = -entries[1];
    entries[5] = entries[0];
}

void MATRIX4X4::SetRotationAxis(double angle, VECTOR3D const& axis) {
    const VECTOR3D u = axis.GetNormalized();
    const double radians = degreesToRadians(angle);
    const float s = static_cast<float>(std::sin(radians));
    const float c = static_cast<float>(std::cos(radians));
    const float k = 1.0f - c;

    LoadIdentity();
    // (row, column) is stored at column * 4 + row.
    entries[0] = u.x * u.x + c * (1.0f - u.x * u.x);
    entries[4] = k * u.x * u.y - s * u.z;
    entries[8] = k * u.x * u.z + s * u.y;

    entries[1] = k * u.x * u.y + s * u.z;
    entries[5] = u.y * u.y + c * (1.0f - u.y * u.y);
    entries[9] = k * u.y * u.z - s * u.x;

    entries[2] = k * u.x * u.z - s * u.y;
    entries[6] = k * u.y * u.z + s * u.x;
    entries[10] = u.z * u.z + c * (1.0f - u.z * u.z);
}

void MATRIX4X4::SetRotationEuler(double angleX, double angleY, double angleZ) {
    LoadIdentity();
    SetRotationPartEuler(angleX, angleY, angleZ);
}

void MATRIX4X4::SetRotationPartEuler(double angleX, double angleY, double angleZ) {
    const double radiansX = degreesToRadians(angleX);
    const double radiansY = degreesToRadians(angleY);
    const double radiansZ = degreesToRadians(angleZ);
    const double cx = std::cos(radiansX);
    const double sx = std::sin(radiansX);
    const double cy = std::cos(radiansY);
    const double sy = std::sin(radiansY);
    const double cz = std::cos(radiansZ);
    const double sz = std::sin(radiansZ);

    entries[0] = static_cast<float>(cy * cz);
    entries[1] = static_cast<float>(cy * sz);
    entries[2] = static_cast<float>(-sy);

    entries[4] = static_cast<float>(cz * (sy * sx) - sz * cx);
    entries[5] = static_cast<float>(sz * (sy * sx) + cz * cx);
    entries[6] = static_cast<float>(cy * sx);

    entries[8] = static_cast<float>(cz * (sy * cx) + sz * sx);
    entries[9] = static_cast<float>(sz * (sy * cx) - cz * sx);
    entries[10] = static_cast<float>(cy * cx);
}

void MATRIX4X4::SetPerspective(float left, float right, float bottom, float top, float nearDistance,
                               float farDistance) {
    LoadZero();
    if (left == right || top == bottom || nearDistance == farDistance) return;

    entries[0] = 2.0f * nearDistance / (right - left);
    entries[5] = 2.0f * nearDistance / (top - bottom);
    entries[8] = (right + left) / (right - left);
    entries[9] = (top + bottom) / (top - bottom);
    entries[11] = -1.0f;

    if (farDistance != -1.0f) {
        entries[10] = -(farDistance + nearDistance) / (farDistance - nearDistance);
        entries[14] = -2.0f * farDistance * nearDistance / (farDistance - nearDistance);
    } else {
        // Far plane at infinity; 0.999 rather than 1 keeps points at infinity
        // just inside the far clip plane.
        const float infinityDepth = 0.999f;
        entries[10] = -infinityDepth;
        entries[14] = -2.0f * nearDistance * infinityDepth;
    }
}

void MATRIX4X4::SetPerspective(float fovy, float aspect, float nearDistance, float farDistance) {
    // Degrees to radians and the tangent both in single precision.
    const float fovyRadians = fovy * 0.017453292f;
    const float top = std::tan(fovyRadians / 2.0f) * nearDistance;
    const float bottom = -top;
    const float left = aspect * bottom;
    const float right = aspect * top;

    SetPerspective(left, right, bottom, top, nearDistance, farDistance);
}

void MATRIX4X4::SetOrtho(float left, float right, float bottom, float top, float nearDistance,
                         float farDistance) {
    LoadIdentity();
    entries[0] = 2.0f / (right - left);
    entries[5] = 2.0f / (top - bottom);
    entries[10] = -2.0f / (farDistance - nearDistance);
    entries[12] = -(right + left) / (right - left);
    entries[13] = -(top + bottom) / (top - bottom);
    entries[14] = -(farDistance + nearDistance) / (farDistance - nearDistance);
}

MATRIX4X4 operator*(float scale, MATRIX4X4 const& m) { return m * scale; }
