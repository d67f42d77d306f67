#include "maths/Maths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInfinity = std::numeric_limits<float>::infinity();

// Bottom rows (0, 0, 0, 1).
// clang-format off
const MATRIX4X4 kAffineA(1.0f, 2.0f, 3.0f, 0.0f,
                         4.0f, 5.0f, 6.0f, 0.0f,
                         7.0f, 8.0f, 10.0f, 0.0f,
                         11.0f, 12.0f, 13.0f, 1.0f);
const MATRIX4X4 kAffineB(0.5f, -1.0f, 2.0f, 0.0f,
                         3.0f, 0.25f, -2.0f, 0.0f,
                         -1.5f, 4.0f, 1.0f, 0.0f,
                         -3.0f, 7.0f, 0.5f, 1.0f);
// Bottom rows that are not.
const MATRIX4X4 kGeneralA(4.0f, 1.0f, 0.0f, 1.0f,
                          2.0f, 5.0f, 1.0f, 0.0f,
                          0.0f, 1.0f, 3.0f, 2.0f,
                          1.0f, 0.0f, 2.0f, 6.0f);
const MATRIX4X4 kGeneralB(0.3f, 1.7f, -2.1f, 0.4f,
                          1.1f, -0.6f, 0.9f, -1.3f,
                          2.2f, 0.8f, 1.4f, 0.7f,
                          -0.5f, 1.9f, 0.2f, 2.5f);
// clang-format on

// Affine but for entry 15.
// clang-format off
const MATRIX4X4 kHomogeneousScale(1.0f, 0.0f, 0.0f, 0.0f,
                                  0.0f, 1.0f, 0.0f, 0.0f,
                                  0.0f, 0.0f, 1.0f, 0.0f,
                                  3.0f, 0.0f, 0.0f, 2.0f);
// clang-format on

// The textbook product, every entry the full sum of four terms in the same order.
MATRIX4X4 ReferenceProduct(MATRIX4X4 const& a, MATRIX4X4 const& b) {
    MATRIX4X4 result;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a.entries[k * 4 + row] * b.entries[column * 4 + k];
            result.entries[column * 4 + row] = sum;
        }
    }
    return result;
}

void ExpectNear(MATRIX4X4 const& actual, MATRIX4X4 const& expected, float tolerance) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual.entries[i], expected.entries[i], tolerance) << "entry " << i;
}

void ExpectNear(VECTOR4D const& actual, VECTOR4D const& expected, float tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << "x";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << "y";
    EXPECT_NEAR(actual.z, expected.z, tolerance) << "z";
    EXPECT_NEAR(actual.w, expected.w, tolerance) << "w";
}

void ExpectNear(VECTOR3D const& actual, VECTOR3D const& expected, float tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << "x";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << "y";
    EXPECT_NEAR(actual.z, expected.z, tolerance) << "z";
}

// Homogeneous transform of a point followed by the perspective division.
VECTOR3D TransformPoint(MATRIX4X4 const& m, VECTOR3D const& p) {
    const VECTOR4D clip = m * VECTOR4D(p);
    return VECTOR3D(clip.x / clip.w, clip.y / clip.w, clip.z / clip.w);
}

MATRIX4X4 Translation(float x, float y, float z) {
    MATRIX4X4 m;
    m.SetTranslation(VECTOR3D(x, y, z));
    return m;
}

}  // namespace

TEST(MatrixAccess, ConstructionAndStorageOrder) {
    const MATRIX4X4 identity;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(identity.entries[i], (i % 5 == 0) ? 1.0f : 0.0f) << "entry " << i;

    // clang-format off
    const MATRIX4X4 m(1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f,
                      9.0f, 10.0f, 11.0f, 12.0f, 13.0f, 14.0f, 15.0f, 16.0f);
    // clang-format on
    EXPECT_TRUE(m.GetTranslatedVector3D(VECTOR3D()) == VECTOR3D(13.0f, 14.0f, 15.0f));
    EXPECT_TRUE(m.GetRow(0) == VECTOR4D(1.0f, 5.0f, 9.0f, 13.0f));
    EXPECT_TRUE(m.GetRow(3) == VECTOR4D(4.0f, 8.0f, 12.0f, 16.0f));
    EXPECT_TRUE(m.GetColumn(0) == VECTOR4D(1.0f, 2.0f, 3.0f, 4.0f));
    EXPECT_TRUE(m.GetColumn(3) == VECTOR4D(13.0f, 14.0f, 15.0f, 16.0f));
    EXPECT_EQ(m.GetEntry(6), 7.0f);

    EXPECT_TRUE(MATRIX4X4(m.entries) == m);
    MATRIX4X4 zero = m;
    zero.LoadZero();
    for (float entry : zero.entries) EXPECT_EQ(entry, 0.0f);
    zero.LoadIdentity();
    EXPECT_TRUE(zero == identity);
}

TEST(MatrixAccess, OutOfRangeIndicesAreIgnored) {
    // clang-format off
    MATRIX4X4 m(1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f,
                9.0f, 10.0f, 11.0f, 12.0f, 13.0f, 14.0f, 15.0f, 16.0f);
    // clang-format on
    const MATRIX4X4 before = m;

    EXPECT_EQ(m.GetEntry(16), 0.0f);
    EXPECT_EQ(m.GetEntry(-1), 0.0f);
    m.SetEntry(16, 99.0f);
    m.SetEntry(-1, 99.0f);
    EXPECT_TRUE(m == before);

    EXPECT_TRUE(m.GetRow(4) == VECTOR4D(0.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(m.GetRow(-1) == VECTOR4D(0.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(m.GetColumn(4) == VECTOR4D(0.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(m.GetColumn(-1) == VECTOR4D(0.0f, 0.0f, 0.0f, 0.0f));

    m.SetEntry(15, 99.0f);
    EXPECT_EQ(m.GetEntry(15), 99.0f);
}

TEST(MatrixAccess, FloatViewsAreTheEntries) {
    // As glGetFloatv fills it and glLoadMatrixf reads it.
    MATRIX4X4 m;
    float* writable = m;
    writable[13] = 5.0f;
    EXPECT_EQ(m.GetEntry(13), 5.0f);

    const MATRIX4X4& constant = m;
    float const* readable = constant;
    EXPECT_EQ(readable, &m.entries[0]);
}

TEST(MatrixProduct, EveryPathEqualsTheFullProductForFiniteEntries) {
    const struct {
        const char* name;
        MATRIX4X4 left;
        MATRIX4X4 right;
    } cases[] = {
        {"both affine", kAffineA, kAffineB},
        {"only left affine", kAffineA, kGeneralB},
        {"only right affine", kGeneralA, kAffineB},
        {"neither affine", kGeneralA, kGeneralB},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MATRIX4X4 product = c.left * c.right;
        const MATRIX4X4 reference = ReferenceProduct(c.left, c.right);
        for (int i = 0; i < 16; ++i)
            EXPECT_FLOAT_EQ(product.entries[i], reference.entries[i]) << "entry " << i;
    }
}

TEST(MatrixProduct, AnyBottomRowEntryOffDisablesTheShortcut) {
    for (int i : {3, 7, 11, 15}) {
        SCOPED_TRACE(i);
        MATRIX4X4 almostAffine = kAffineA;
        almostAffine.entries[i] = 0.5f;

        const MATRIX4X4 asLeft = almostAffine * kAffineB;
        const MATRIX4X4 asRight = kAffineB * almostAffine;
        const MATRIX4X4 referenceLeft = ReferenceProduct(almostAffine, kAffineB);
        const MATRIX4X4 referenceRight = ReferenceProduct(kAffineB, almostAffine);
        for (int j = 0; j < 16; ++j) {
            EXPECT_FLOAT_EQ(asLeft.entries[j], referenceLeft.entries[j])
                << "left operand, entry " << j;
            EXPECT_FLOAT_EQ(asRight.entries[j], referenceRight.entries[j])
                << "right operand, entry " << j;
        }
    }
}

TEST(MatrixProduct, AffineShortcutsNeverReadTheAssumedBottomRow) {
    // The full sum would meet 0 * inf = NaN in every entry touched below.
    MATRIX4X4 affineWithInfinity = kAffineA;
    affineWithInfinity.entries[12] = kInfinity;
    MATRIX4X4 affineWithNaN = kAffineB;
    affineWithNaN.entries[1] = kNaN;

    const MATRIX4X4 both = affineWithInfinity * affineWithNaN;
    EXPECT_EQ(both.entries[3], 0.0f);
    EXPECT_EQ(both.entries[7], 0.0f);
    EXPECT_EQ(both.entries[11], 0.0f);
    EXPECT_EQ(both.entries[15], 1.0f);

    // Only the left operand affine: the bottom row is the right one's, copied.
    MATRIX4X4 generalWithInfinity = kGeneralB;
    generalWithInfinity.entries[0] = kInfinity;
    const MATRIX4X4 leftAffine = kAffineA * generalWithInfinity;
    EXPECT_EQ(leftAffine.entries[3], kGeneralB.entries[3]);
    EXPECT_EQ(leftAffine.entries[7], kGeneralB.entries[7]);
    EXPECT_EQ(leftAffine.entries[11], kGeneralB.entries[11]);
    EXPECT_EQ(leftAffine.entries[15], kGeneralB.entries[15]);

    // Only the right operand affine: the left one's fourth column meets only
    // the right one's fourth column.
    MATRIX4X4 generalWithInfiniteTranslation = kGeneralA;
    generalWithInfiniteTranslation.entries[12] = kInfinity;
    const MATRIX4X4 rightAffine = generalWithInfiniteTranslation * kAffineB;
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(std::isfinite(rightAffine.entries[i])) << "entry " << i;
    EXPECT_TRUE(std::isinf(rightAffine.entries[12]));
}

TEST(MatrixProduct, OrderOfTransforms) {
    MATRIX4X4 scale;
    scale.SetScale(VECTOR3D(2.0f, 2.0f, 2.0f));
    const MATRIX4X4 translate = Translation(1.0f, 2.0f, 3.0f);
    const VECTOR4D point(1.0f, 1.0f, 1.0f, 1.0f);

    EXPECT_TRUE((translate * scale) * point == VECTOR4D(3.0f, 4.0f, 5.0f, 1.0f)) << "scale first";
    EXPECT_TRUE((scale * translate) * point == VECTOR4D(4.0f, 6.0f, 8.0f, 1.0f))
        << "translate first";

    MATRIX4X4 compound = translate;
    compound *= scale;
    EXPECT_TRUE(compound == translate * scale) << "*= keeps the matrix as the left operand";
}

TEST(MatrixProduct, VectorProductPassesWThroughAffineMatrices) {
    MATRIX4X4 affine = Translation(1.0f, 2.0f, 3.0f);
    const VECTOR4D direction(kInfinity, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ((affine * direction).w, 0.0f) << "w is copied, not 0 * inf";
    EXPECT_TRUE(affine * VECTOR4D(1.0f, 1.0f, 1.0f, 0.0f) == VECTOR4D(1.0f, 1.0f, 1.0f, 0.0f))
        << "a direction ignores the translation";

    MATRIX4X4 projection;
    projection.SetPerspective(-1.0f, 1.0f, -1.0f, 1.0f, 1.0f, 10.0f);
    EXPECT_EQ((projection * VECTOR4D(0.0f, 0.0f, -4.0f, 1.0f)).w, 4.0f)
        << "w = -z for a projection";

    EXPECT_TRUE(kHomogeneousScale * VECTOR4D(1.0f, 1.0f, 1.0f, 1.0f) ==
                VECTOR4D(4.0f, 1.0f, 1.0f, 2.0f));
    EXPECT_TRUE(kGeneralA * VECTOR4D(1.0f, 0.0f, 0.0f, 0.0f) == kGeneralA.GetColumn(0));
    EXPECT_TRUE(kGeneralA * VECTOR4D(0.0f, 0.0f, 0.0f, 1.0f) == kGeneralA.GetColumn(3));
}

TEST(MatrixProduct, PartialApplicationToThreeVectors) {
    MATRIX4X4 rotation;
    rotation.SetRotationZ(90.0);
    rotation.SetTranslationPart(VECTOR3D(10.0f, 20.0f, 30.0f));
    const VECTOR3D v(1.0f, 2.0f, 3.0f);

    ExpectNear(rotation.GetRotatedVector3D(v), VECTOR3D(-2.0f, 1.0f, 3.0f), 1e-6f);
    ExpectNear(rotation.GetInverseRotatedVector3D(rotation.GetRotatedVector3D(v)), v, 1e-6f);
    EXPECT_TRUE(rotation.GetTranslatedVector3D(v) == VECTOR3D(11.0f, 22.0f, 33.0f));
    EXPECT_TRUE(rotation.GetInverseTranslatedVector3D(v) == VECTOR3D(-9.0f, -18.0f, -27.0f));
}

TEST(MatrixScalar, DivisionByZeroOrOneIsACopy) {
    EXPECT_TRUE(kGeneralB / 0.0f == kGeneralB);
    EXPECT_TRUE(kGeneralB / 1.0f == kGeneralB);

    MATRIX4X4 inPlace = kGeneralB;
    inPlace /= 0.0f;
    EXPECT_TRUE(inPlace == kGeneralB);

    // Other divisors multiply by the rounded reciprocal: 41 * float(1/41) is not 1.
    MATRIX4X4 m;
    m.entries[0] = 41.0f;
    const MATRIX4X4 divided = m / 41.0f;
    EXPECT_EQ(divided.entries[0], 41.0f * (1.0f / 41.0f));
    EXPECT_NE(divided.entries[0], 1.0f);
    EXPECT_EQ(divided.entries[5], 1.0f / 41.0f);
}

TEST(MatrixScalar, EntrywiseArithmetic) {
    const MATRIX4X4 sum = kAffineA + kAffineB;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(sum.entries[i], kAffineA.entries[i] + kAffineB.entries[i]) << "entry " << i;
    EXPECT_TRUE(sum - kAffineB == kAffineA);
    EXPECT_TRUE(-kAffineA + kAffineA == kAffineA * 0.0f);
    EXPECT_TRUE(2.0f * kAffineA == kAffineA + kAffineA);

    MATRIX4X4 m = kAffineA;
    m += kAffineB;
    m -= kAffineA;
    m *= 2.0f;
    m /= 4.0f;
    EXPECT_TRUE(m == kAffineB * 0.5f);
}

TEST(MatrixEquality, IsExact) {
    MATRIX4X4 twiceTransposed = kGeneralB;
    twiceTransposed.Transpose();
    EXPECT_FALSE(twiceTransposed == kGeneralB);
    EXPECT_TRUE(twiceTransposed != kGeneralB);
    twiceTransposed.Transpose();
    EXPECT_TRUE(twiceTransposed == kGeneralB);
    EXPECT_FALSE(twiceTransposed != kGeneralB);

    // Rounding in the two inversions leaves last-bit differences.
    const MATRIX4X4 twiceInverted = kGeneralB.GetInverse().GetInverse();
    ExpectNear(twiceInverted, kGeneralB, 1e-5f);
    EXPECT_TRUE(twiceInverted != kGeneralB);

    MATRIX4X4 withNaN;
    withNaN.entries[9] = kNaN;
    EXPECT_FALSE(withNaN == withNaN) << "a NaN entry makes a matrix unequal to itself";
    EXPECT_TRUE(withNaN != withNaN);
}

TEST(MatrixInverse, GeneralInverseUndoesTheMatrix) {
    MATRIX4X4 identity;
    for (MATRIX4X4 const& m : {kGeneralA, kGeneralB, kAffineA}) {
        const MATRIX4X4 inverse = m.GetInverse();
        ExpectNear(inverse * m, identity, 1e-5f);
        ExpectNear(m * inverse, identity, 1e-5f);
    }

    MATRIX4X4 projection;
    projection.SetPerspective(45.0f, 1.5f, 0.5f, 20.0f);
    ExpectNear(projection.GetInverse() * projection, identity, 1e-5f);

    // Stored in the same order, the cofactor result is the inverse transposed.
    const MATRIX4X4 inverseTranspose = Translation(1.0f, 2.0f, 3.0f).GetInverseTranspose();
    EXPECT_TRUE(inverseTranspose.GetRow(3) == VECTOR4D(-1.0f, -2.0f, -3.0f, 1.0f));
}

TEST(MatrixInverse, SingularMatricesGiveTheIdentity) {
    MATRIX4X4 zeroColumn = kGeneralA;
    zeroColumn.entries[4] = 0.0f;
    zeroColumn.entries[5] = 0.0f;
    zeroColumn.entries[6] = 0.0f;
    zeroColumn.entries[7] = 0.0f;
    EXPECT_TRUE(zeroColumn.GetInverse() == MATRIX4X4());
    EXPECT_TRUE(zeroColumn.GetInverseTranspose() == MATRIX4X4());

    // Two equal rows: no zero entry anywhere, determinant still exactly 0.
    // clang-format off
    const MATRIX4X4 equalRows(1.0f, 1.0f, 2.0f, 3.0f,
                              4.0f, 4.0f, 5.0f, 6.0f,
                              7.0f, 7.0f, 8.0f, 10.0f,
                              2.0f, 2.0f, 3.0f, 1.0f);
    // clang-format on
    EXPECT_TRUE(equalRows.GetInverse() == MATRIX4X4());

    MATRIX4X4 zero;
    zero.LoadZero();
    zero.Invert();
    EXPECT_TRUE(zero == MATRIX4X4());
}

TEST(MatrixInverse, TranslationAndRigidTransforms) {
    const MATRIX4X4 translation = Translation(1.0f, 2.0f, 3.0f);
    const MATRIX4X4 expected = Translation(-1.0f, -2.0f, -3.0f);
    EXPECT_TRUE(translation.GetInverse() == expected);
    EXPECT_TRUE(translation.GetAffineInverse() == expected);

    MATRIX4X4 rotation;
    rotation.SetRotationAxis(37.0, VECTOR3D(1.0f, -2.0f, 0.5f));
    const MATRIX4X4 rigid = Translation(4.0f, -5.0f, 6.0f) * rotation;
    const MATRIX4X4 affineInverse = rigid.GetAffineInverse();
    ExpectNear(affineInverse, rigid.GetInverse(), 1e-5f);
    ExpectNear(affineInverse * rigid, MATRIX4X4(), 1e-5f);
    EXPECT_TRUE(rigid.GetAffineInverseTranspose() == affineInverse.GetTranspose());

    // No check for orthonormality: a scale is transposed, not inverted.
    MATRIX4X4 scale;
    scale.SetUniformScale(2.0f);
    EXPECT_TRUE(scale.GetAffineInverse() == scale);
}

TEST(MatrixInverse, VerbFormsReplaceTheMatrix) {
    MATRIX4X4 m = kGeneralB;
    m.Invert();
    EXPECT_TRUE(m == kGeneralB.GetInverse());
    m = kGeneralB;
    m.InvertTranspose();
    EXPECT_TRUE(m == kGeneralB.GetInverseTranspose());
    m = kAffineA;
    m.AffineInvert();
    EXPECT_TRUE(m == kAffineA.GetAffineInverse());
    m = kAffineA;
    m.AffineInvertTranspose();
    EXPECT_TRUE(m == kAffineA.GetAffineInverseTranspose());
}

TEST(MatrixBuilders, TranslationAndScale) {
    MATRIX4X4 m = kGeneralA;
    m.SetTranslationPart(VECTOR3D(7.0f, 8.0f, 9.0f));
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15})
        EXPECT_EQ(m.entries[i], kGeneralA.entries[i]) << "entry " << i << " must be kept";
    EXPECT_TRUE(m.GetColumn(3) == VECTOR4D(7.0f, 8.0f, 9.0f, kGeneralA.entries[15]));

    m.SetTranslation(VECTOR3D(7.0f, 8.0f, 9.0f));
    EXPECT_TRUE(m == MATRIX4X4(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 7, 8, 9, 1));

    m.SetScale(VECTOR3D(2.0f, 3.0f, 4.0f));
    EXPECT_TRUE(m * VECTOR4D(1.0f, 1.0f, 1.0f, 1.0f) == VECTOR4D(2.0f, 3.0f, 4.0f, 1.0f));
    m.SetUniformScale(5.0f);
    EXPECT_TRUE(m == MATRIX4X4(5, 0, 0, 0, 0, 5, 0, 0, 0, 0, 5, 0, 0, 0, 0, 1));
}

TEST(MatrixBuilders, RotationsMatchTheVectorRotations) {
    const VECTOR3D v(1.0f, 2.0f, -0.5f);
    MATRIX4X4 m;
    for (double angle : {30.0, 90.0, -120.0}) {
        SCOPED_TRACE(angle);
        m.SetRotationX(angle);
        ExpectNear(m.GetRotatedVector3D(v), v.GetRotatedX(angle), 1e-6f);
        m.SetRotationY(angle);
        ExpectNear(m.GetRotatedVector3D(v), v.GetRotatedY(angle), 1e-6f);
        m.SetRotationZ(angle);
        ExpectNear(m.GetRotatedVector3D(v), v.GetRotatedZ(angle), 1e-6f);
        EXPECT_TRUE(m.GetColumn(3) == VECTOR4D(0.0f, 0.0f, 0.0f, 1.0f));

        const VECTOR3D axis(2.0f, -1.0f, 3.0f);
        m.SetRotationAxis(angle, axis);
        ExpectNear(m.GetRotatedVector3D(v), v.GetRotatedAxis(angle, axis), 1e-6f);
    }

    m.SetRotationZ(30.0);
    ExpectNear(m * VECTOR4D(1.0f, 0.0f, 0.0f, 1.0f),
               VECTOR4D(static_cast<float>(std::cos(3.141592653589793 / 6)), 0.5f, 0.0f, 1.0f),
               1e-6f);

    MATRIX4X4 aboutZ;
    aboutZ.SetRotationZ(75.0);
    m.SetRotationAxis(75.0, VECTOR3D(0.0f, 0.0f, 5.0f));
    ExpectNear(m, aboutZ, 1e-6f);
}

TEST(MatrixBuilders, EulerRotationAppliesXThenYThenZ) {
    MATRIX4X4 x, y, z;
    x.SetRotationX(20.0);
    y.SetRotationY(-35.0);
    z.SetRotationZ(110.0);

    MATRIX4X4 euler;
    euler.SetRotationEuler(20.0, -35.0, 110.0);
    ExpectNear(euler, z * y * x, 1e-6f);

    // The Part form leaves the translation and bottom row alone.
    MATRIX4X4 part = kGeneralA;
    part.SetRotationPartEuler(20.0, -35.0, 110.0);
    for (int i : {3, 7, 11, 12, 13, 14, 15})
        EXPECT_EQ(part.entries[i], kGeneralA.entries[i]) << "entry " << i;
    for (int i : {0, 1, 2, 4, 5, 6, 8, 9, 10})
        EXPECT_EQ(part.entries[i], euler.entries[i]) << "entry " << i;
}

TEST(MatrixProjection, FrustumMapsItsCornersToTheClipCube) {
    const float left = -1.0f, right = 2.0f, bottom = -0.5f, top = 1.5f, n = 1.0f, f = 10.0f;
    MATRIX4X4 m;
    m.SetPerspective(left, right, bottom, top, n, f);

    ExpectNear(TransformPoint(m, VECTOR3D(left, bottom, -n)), VECTOR3D(-1.0f, -1.0f, -1.0f), 1e-5f);
    ExpectNear(TransformPoint(m, VECTOR3D(right, top, -n)), VECTOR3D(1.0f, 1.0f, -1.0f), 1e-5f);
    const float farScale = f / n;
    ExpectNear(TransformPoint(m, VECTOR3D(right * farScale, top * farScale, -f)),
               VECTOR3D(1.0f, 1.0f, 1.0f), 1e-5f);
    ExpectNear(TransformPoint(m, VECTOR3D(left * farScale, bottom * farScale, -f)),
               VECTOR3D(-1.0f, -1.0f, 1.0f), 1e-5f);
}

TEST(MatrixProjection, DegenerateFrustumIsAllZero) {
    MATRIX4X4 m;
    m.SetPerspective(1.0f, 1.0f, -1.0f, 1.0f, 1.0f, 10.0f);
    EXPECT_TRUE(m == MATRIX4X4(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)) << "left = right";

    m = kGeneralA;
    m.SetPerspective(-1.0f, 1.0f, 2.0f, 2.0f, 1.0f, 10.0f);
    EXPECT_TRUE(m == MATRIX4X4(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)) << "bottom = top";

    m = kGeneralA;
    m.SetPerspective(-1.0f, 1.0f, -1.0f, 1.0f, 3.0f, 3.0f);
    EXPECT_TRUE(m == MATRIX4X4(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)) << "near = far";
}

TEST(MatrixProjection, FarAtMinusOneIsInfinite) {
    MATRIX4X4 m;
    m.SetPerspective(-1.0f, 1.0f, -1.0f, 1.0f, 0.5f, -1.0f);
    EXPECT_EQ(m.entries[10], -0.999f);
    EXPECT_FLOAT_EQ(m.entries[14], -1.998f * 0.5f);
    EXPECT_EQ(m.entries[11], -1.0f);

    // Arbitrarily distant points stay inside the far clip plane.
    EXPECT_LT(TransformPoint(m, VECTOR3D(0.0f, 0.0f, -1e7f)).z, 1.0f);

    MATRIX4X4 fromFieldOfView;
    fromFieldOfView.SetPerspective(60.0f, 1.0f, 0.5f, -1.0f);
    EXPECT_EQ(fromFieldOfView.entries[10], -0.999f);
    EXPECT_FLOAT_EQ(fromFieldOfView.entries[14], -1.998f * 0.5f);
}

TEST(MatrixProjection, FieldOfViewFormIsASymmetricFrustum) {
    MATRIX4X4 square;
    square.SetPerspective(90.0f, 1.0f, 1.0f, 100.0f);
    EXPECT_FLOAT_EQ(square.entries[0], 1.0f);
    EXPECT_FLOAT_EQ(square.entries[5], 1.0f);
    EXPECT_FLOAT_EQ(square.entries[10], -101.0f / 99.0f);
    EXPECT_FLOAT_EQ(square.entries[14], -200.0f / 99.0f);
    EXPECT_EQ(square.entries[11], -1.0f);
    EXPECT_EQ(square.entries[8], 0.0f);
    EXPECT_EQ(square.entries[9], 0.0f);
    EXPECT_EQ(square.entries[15], 0.0f);

    // 50 degrees vertically, twice as wide as high.
    const double top = std::tan(25.0 * 3.141592653589793 / 180.0) * 0.25;
    MATRIX4X4 byHand;
    byHand.SetPerspective(static_cast<float>(-2.0 * top), static_cast<float>(2.0 * top),
                          static_cast<float>(-top), static_cast<float>(top), 0.25f, 40.0f);
    MATRIX4X4 wide;
    wide.SetPerspective(50.0f, 2.0f, 0.25f, 40.0f);
    ExpectNear(wide, byHand, 1e-5f);
}

TEST(MatrixProjection, OrthoMapsTheBoxToTheClipCube) {
    MATRIX4X4 m;
    m.SetOrtho(-2.0f, 6.0f, 1.0f, 3.0f, 0.5f, 4.5f);
    EXPECT_TRUE(m * VECTOR4D(-2.0f, 1.0f, -0.5f, 1.0f) == VECTOR4D(-1.0f, -1.0f, -1.0f, 1.0f));
    EXPECT_TRUE(m * VECTOR4D(6.0f, 3.0f, -4.5f, 1.0f) == VECTOR4D(1.0f, 1.0f, 1.0f, 1.0f));
    EXPECT_TRUE(m * VECTOR4D(2.0f, 2.0f, -2.5f, 1.0f) == VECTOR4D(0.0f, 0.0f, 0.0f, 1.0f));
}
