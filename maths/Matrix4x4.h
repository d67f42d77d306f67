#pragma once

#include "maths/Vector3D.h"
#include "maths/Vector4D.h"

#include <type_traits>

// A single-precision 4x4 matrix stored exactly as OpenGL stores one: sixteen
// floats in column-major order, entry index = column * 4 + row. Entries 12,
// 13, 14 hold the translation; 3, 7, 11, 15 form the bottom row. The float
// views let glGetFloatv fill it and glLoadMatrixf / glMultMatrixf take it.
//
// Transforms act on column vectors: (A * B) * v applies B first.
// "Affine" below means a bottom row of exactly (0, 0, 0, 1).
// Angles are in degrees; their sine and cosine are computed in double.
// Degenerate input never fails: it yields the fallback value documented at
// the operation.
class MATRIX4X4 {
public:
    float entries[16];

    // The identity.
    MATRIX4X4();
    // The entries in storage order: the first four arguments are column 0.
    MATRIX4X4(float e0, float e1, float e2, float e3, float e4, float e5, float e6, float e7,
              float e8, float e9, float e10, float e11, float e12, float e13, float e14, float e15);
    // Copies sixteen floats in storage order.
    explicit MATRIX4X4(float const* source);

    // Indices outside 0..15 are ignored on writing and read as 0.
    void SetEntry(int index, float value);
    float GetEntry(int index) const;
    // (row i of each column) and (column i); (0, 0, 0, 0) outside 0..3.
    // A row is the plane OpenGL's eye-linear texture generation takes.
    VECTOR4D GetRow(int index) const;
    VECTOR4D GetColumn(int index) const;

    void LoadIdentity();
    void LoadZero();

    operator float*() { return entries; }
    operator float const*() const { return entries; }

    MATRIX4X4 operator+(MATRIX4X4 const& m) const;
    MATRIX4X4 operator-(MATRIX4X4 const& m) const;
    // this * m. Affine operands take a shortcut that never reads their bottom
    // row, so two affine matrices give a bottom row of exactly (0, 0, 0, 1)
    // even when other entries are infinite or NaN.
    MATRIX4X4 operator*(MATRIX4X4 const& m) const;
    MATRIX4X4 operator*(float scale) const;
    // Dividing by exactly 0 (or 1) returns the matrix unchanged; otherwise
    // the entries are multiplied by the float reciprocal.
    MATRIX4X4 operator/(float divisor) const;
    MATRIX4X4 operator-() const;

    // Exact comparison of all entries; a NaN entry never compares equal.
    bool operator==(MATRIX4X4 const& m) const;
    bool operator!=(MATRIX4X4 const& m) const;

    void operator+=(MATRIX4X4 const& m);
    void operator-=(MATRIX4X4 const& m);
    // this = this * m
    void operator*=(MATRIX4X4 const& m);
    void operator*=(float scale);
    void operator/=(float divisor);

    // this * v as a column vector; an affine matrix passes v.w through.
    VECTOR4D operator*(VECTOR4D const& v) const;

    // Only the upper-left 3x3 applied; the translation is ignored.
    VECTOR3D GetRotatedVector3D(VECTOR3D const& v) const;
    // The transposed 3x3 applied: undoes the rotation when it is orthonormal.
    VECTOR3D GetInverseRotatedVector3D(VECTOR3D const& v) const;
    // Only the translation applied (added, or subtracted for the inverse).
    VECTOR3D GetTranslatedVector3D(VECTOR3D const& v) const;
    VECTOR3D GetInverseTranslatedVector3D(VECTOR3D const& v) const;

    MATRIX4X4 GetTranspose() const;
    void Transpose();

    // General inverse by cofactors. A singular matrix (determinant exactly
    // 0) gives the identity.
    MATRIX4X4 GetInverseTranspose() const;
    void InvertTranspose();
    MATRIX4X4 GetInverse() const;
    void Invert();

    // Inverse of a rigid transform (orthonormal rotation plus translation),
    // by transposing the rotation. Not checked: with scale or shear the
    // result is not the inverse.
    MATRIX4X4 GetAffineInverse() const;
    void AffineInvert();
    MATRIX4X4 GetAffineInverseTranspose() const;
    void AffineInvertTranspose();

    // Builders of a whole transform start from the identity; the ...Part
    // forms change only their own entries.
    void SetTranslation(VECTOR3D const& translation);
    void SetTranslationPart(VECTOR3D const& translation);
    void SetScale(VECTOR3D const& scaleFactors);
    void SetUniformScale(float scaleFactor);

    // Right-handed rotations, matching VECTOR3D's.
    void SetRotationX(double angle);
    void SetRotationY(double angle);
    void SetRotationZ(double angle);
    // The axis need not be unit length; it is normalised first.
    void SetRotationAxis(double angle, VECTOR3D const& axis);
    // Rz(angleZ) * Ry(angleY) * Rx(angleX): the x rotation applies first.
    void SetRotationEuler(double angleX, double angleY, double angleZ);
    void SetRotationPartEuler(double angleX, double angleY, double angleZ);

    // Perspective frustum as glFrustum builds it, distances along -z in eye
    // space. Equal left/right, bottom/top or near/far leave an all-zero
    // matrix. A far distance of exactly -1 puts the far plane at infinity.
    void SetPerspective(float left, float right, float bottom, float top, float nearDistance,
                        float farDistance);
    // Symmetric frustum from a vertical field of view in degrees and a
    // width / height aspect ratio; far = -1 is again the infinite form.
    void SetPerspective(float fovy, float aspect, float nearDistance, float farDistance);
    // Orthographic projection as glOrtho builds it; equal bounds are not
    // guarded against.
    void SetOrtho(float left, float right, float bottom, float top, float nearDistance,
                  float farDistance);
};

MATRIX4X4 operator*(float scale, MATRIX4X4 const& m);

static_assert(sizeof(MATRIX4X4) == 16 * sizeof(float), "MATRIX4X4 must read as sixteen floats");
static_assert(std::is_standard_layout<MATRIX4X4>::value, "MATRIX4X4 must keep a C layout");
static_assert(std::is_trivially_copyable<MATRIX4X4>::value, "MATRIX4X4 is a plain value");
