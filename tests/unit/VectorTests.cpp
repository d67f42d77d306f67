#include "maths/Maths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInfinity = std::numeric_limits<float>::infinity();

void ExpectNear(VECTOR3D const& actual, VECTOR3D const& expected, float tolerance = 1e-6f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << "x";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << "y";
    EXPECT_NEAR(actual.z, expected.z, tolerance) << "z";
}

void ExpectBitsEqual(VECTOR3D const& actual, VECTOR3D const& expected) {
    EXPECT_EQ(std::memcmp(&actual, &expected, sizeof(VECTOR3D)), 0)
        << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not bit-for-bit ("
        << expected.x << ", " << expected.y << ", " << expected.z << ")";
}

}  // namespace

TEST(VectorNormalize, LeavesZeroAndUnitVectorsAsTheyAre) {
    VECTOR3D zero(0.0f, 0.0f, 0.0f);
    zero.Normalize();
    EXPECT_TRUE(zero == VECTOR3D(0.0f, 0.0f, 0.0f)) << "no division by a zero length";
    EXPECT_FALSE(std::isnan(zero.x));

    VECTOR3D unit(1.0f, 0.0f, 0.0f);
    unit.Normalize();
    ExpectBitsEqual(unit, VECTOR3D(1.0f, 0.0f, 0.0f));

    VECTOR2D zero2(0.0f, 0.0f);
    zero2.Normalize();
    EXPECT_TRUE(zero2 == VECTOR2D(0.0f, 0.0f));
}

TEST(VectorNormalize, ScalesOtherVectorsToUnitLength) {
    VECTOR3D v(3.0f, 4.0f, 0.0f);
    EXPECT_EQ(v.GetLength(), 5.0f);
    v.Normalize();
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, 0.8f);
    EXPECT_EQ(v.z, 0.0f);

    const VECTOR3D original(1.0f, -2.0f, 2.0f);
    const VECTOR3D normalized = original.GetNormalized();
    ExpectNear(normalized, VECTOR3D(1.0f / 3, -2.0f / 3, 2.0f / 3));
    EXPECT_TRUE(original == VECTOR3D(1.0f, -2.0f, 2.0f))
        << "GetNormalized must not touch the original";

    const VECTOR2D v2 = VECTOR2D(3.0f, 4.0f).GetNormalized();
    EXPECT_EQ(VECTOR2D(3.0f, 4.0f).GetLength(), 5.0f);
    EXPECT_FLOAT_EQ(v2.x, 0.6f);
    EXPECT_FLOAT_EQ(v2.y, 0.8f);
}

TEST(VectorNormalize, MultipliesByTheRoundedReciprocal) {
    // 41 * float(1/41) is not 1 in single precision, while 41 / 41 would be.
    const float expected = 41.0f * (1.0f / 41.0f);
    ASSERT_NE(expected, 1.0f);

    VECTOR3D v(41.0f, 0.0f, 0.0f);
    v.Normalize();
    EXPECT_EQ(v.x, expected);

    VECTOR2D v2(0.0f, 41.0f);
    v2.Normalize();
    EXPECT_EQ(v2.y, expected);
}

TEST(VectorArithmetic, ProductsAreRightHanded) {
    const VECTOR3D x(1.0f, 0.0f, 0.0f);
    const VECTOR3D y(0.0f, 1.0f, 0.0f);
    EXPECT_TRUE(x.CrossProduct(y) == VECTOR3D(0.0f, 0.0f, 1.0f)) << "x cross y is +z";
    EXPECT_TRUE(y.CrossProduct(x) == VECTOR3D(0.0f, 0.0f, -1.0f));
    EXPECT_EQ(VECTOR3D(1.0f, 2.0f, 3.0f).DotProduct(VECTOR3D(4.0f, -5.0f, 6.0f)), 12.0f);
    EXPECT_TRUE(VECTOR3D(1.0f, 2.0f, 3.0f) - VECTOR3D(0.5f, -1.0f, 4.0f) ==
                VECTOR3D(0.5f, 3.0f, -1.0f));
    EXPECT_TRUE(0.5f * VECTOR4D(1.0f, 2.0f, 3.0f, 4.0f) == VECTOR4D(0.5f, 1.0f, 1.5f, 2.0f));
}

TEST(VectorArithmetic, DivisionByExactlyZeroIsGuarded) {
    const VECTOR3D v(1.0f, 2.0f, 3.0f);
    EXPECT_TRUE(v / 0.0f == VECTOR3D(0.0f, 0.0f, 0.0f)) << "operator/ by 0 gives the zero vector";
    EXPECT_TRUE(v / 2.0f == VECTOR3D(0.5f, 1.0f, 1.5f));

    VECTOR3D inPlace = v;
    inPlace /= 0.0f;
    EXPECT_TRUE(inPlace == v) << "dividing in place by 0 keeps the vector";
    inPlace /= 2.0f;
    EXPECT_TRUE(inPlace == VECTOR3D(0.5f, 1.0f, 1.5f));

    // Only exactly 0 is guarded: a tiny divisor divides.
    const VECTOR3D huge = VECTOR3D(1.0f, 0.0f, 0.0f) / 1e-30f;
    EXPECT_TRUE(std::isinf(huge.x) || huge.x > 1e29f);
}

TEST(VectorRotation, RightHandedAboutEachAxis) {
    // cos 90 degrees rounded to float is tiny but not zero, and it is kept.
    const float cos90 = static_cast<float>(std::cos(3.141592653589793 / 2.0));
    ASSERT_NE(cos90, 0.0f);

    const VECTOR3D aboutZ = VECTOR3D(1.0f, 0.0f, 0.0f).GetRotatedZ(90.0);
    EXPECT_EQ(aboutZ.x, cos90);
    EXPECT_EQ(aboutZ.y, 1.0f);
    EXPECT_EQ(aboutZ.z, 0.0f);
    EXPECT_FALSE(aboutZ == VECTOR3D(0.0f, 1.0f, 0.0f));

    ExpectNear(VECTOR3D(1.0f, 0.0f, 0.0f).GetRotatedY(90.0), VECTOR3D(0.0f, 0.0f, -1.0f));
    ExpectNear(VECTOR3D(0.0f, 1.0f, 0.0f).GetRotatedX(90.0), VECTOR3D(0.0f, 0.0f, 1.0f));
    ExpectNear(VECTOR3D(0.0f, 0.0f, 1.0f).GetRotatedY(90.0), VECTOR3D(1.0f, 0.0f, 0.0f));
    ExpectNear(VECTOR3D(0.0f, 1.0f, 0.0f).GetRotatedZ(-90.0), VECTOR3D(1.0f, 0.0f, 0.0f));
    ExpectNear(VECTOR3D(1.0f, 2.0f, 3.0f).GetRotatedX(180.0), VECTOR3D(1.0f, -2.0f, -3.0f), 1e-5f);
}

TEST(VectorRotation, ZeroAngleReturnsAnUntouchedCopy) {
    // Computing with sin 0 = 0 would turn the infinity into NaNs (inf * 0).
    const VECTOR3D v(kInfinity, 1.0f, 2.0f);
    EXPECT_TRUE(v.GetRotatedX(0.0) == v);
    EXPECT_TRUE(v.GetRotatedY(0.0) == v);
    EXPECT_TRUE(v.GetRotatedZ(0.0) == v);
    EXPECT_TRUE(v.GetRotatedAxis(0.0, VECTOR3D(1.0f, 1.0f, 0.0f)) == v);
}

TEST(VectorRotation, ArbitraryAxis) {
    // The axis is normalised first, so its length does not matter.
    const VECTOR3D v(1.0f, 2.0f, 3.0f);
    for (double angle : {30.0, 90.0, -135.0, 270.0}) {
        ExpectNear(v.GetRotatedAxis(angle, VECTOR3D(0.0f, 0.0f, 5.0f)), v.GetRotatedZ(angle),
                   1e-5f);
        ExpectNear(v.GetRotatedAxis(angle, VECTOR3D(-2.0f, 0.0f, 0.0f)), v.GetRotatedX(-angle),
                   1e-5f);
    }

    // A third of a turn about the diagonal cycles the axes: x -> y -> z.
    ExpectNear(VECTOR3D(1.0f, 0.0f, 0.0f).GetRotatedAxis(120.0, VECTOR3D(1.0f, 1.0f, 1.0f)),
               VECTOR3D(0.0f, 1.0f, 0.0f), 1e-6f);
    ExpectNear(VECTOR3D(0.0f, 1.0f, 0.0f).GetRotatedAxis(120.0, VECTOR3D(1.0f, 1.0f, 1.0f)),
               VECTOR3D(0.0f, 0.0f, 1.0f), 1e-6f);

    // A zero axis stays zero: only the cosine terms survive.
    ExpectNear(v.GetRotatedAxis(60.0, VECTOR3D(0.0f, 0.0f, 0.0f)), v * 0.5f, 1e-6f);
}

TEST(VectorRotation, FourComponentFormsRotateXyzAndKeepW) {
    const VECTOR3D xyz(1.0f, -2.0f, 0.5f);
    const VECTOR4D v(xyz.x, xyz.y, xyz.z, 7.0f);
    const VECTOR3D axis(0.0f, 3.0f, 4.0f);
    const auto withW = [](VECTOR3D const& p) { return VECTOR4D(p.x, p.y, p.z, 7.0f); };

    EXPECT_TRUE(v.GetRotatedX(50.0) == withW(xyz.GetRotatedX(50.0)));
    EXPECT_TRUE(v.GetRotatedY(50.0) == withW(xyz.GetRotatedY(50.0)));
    EXPECT_TRUE(v.GetRotatedZ(50.0) == withW(xyz.GetRotatedZ(50.0)));
    EXPECT_TRUE(v.GetRotatedAxis(50.0, axis) == withW(xyz.GetRotatedAxis(50.0, axis)));

    VECTOR4D r = v;
    r.RotateAxis(50.0, axis);
    EXPECT_TRUE(r == v.GetRotatedAxis(50.0, axis));
    VECTOR3D r3 = xyz;
    r3.RotateY(50.0);
    EXPECT_TRUE(r3 == xyz.GetRotatedY(50.0));
}

TEST(VectorPacking, MapsTheDirectionIntoUnitRange) {
    EXPECT_TRUE(VECTOR3D(0.0f, 0.0f, 2.0f).GetPackedTo01() == VECTOR3D(0.5f, 0.5f, 1.0f));
    EXPECT_TRUE(VECTOR3D(-3.0f, 0.0f, 0.0f).GetPackedTo01() == VECTOR3D(0.0f, 0.5f, 0.5f));
    EXPECT_TRUE(VECTOR3D(0.0f, 0.0f, 0.0f).GetPackedTo01() == VECTOR3D(0.5f, 0.5f, 0.5f))
        << "a zero vector stays zero through the normalisation";

    VECTOR3D v(0.0f, 4.0f, 0.0f);
    v.PackTo01();
    EXPECT_TRUE(v == VECTOR3D(0.5f, 1.0f, 0.5f));
}

TEST(Vector4D, HomogeneousConversions) {
    const VECTOR4D fromPoint(VECTOR3D(2.5f, 3.5f, -2.5f));
    EXPECT_TRUE(fromPoint == VECTOR4D(2.5f, 3.5f, -2.5f, 1.0f)) << "a point gets w = 1";

    EXPECT_TRUE(static_cast<VECTOR3D>(VECTOR4D(2.0f, 4.0f, 6.0f, 2.0f)) ==
                VECTOR3D(1.0f, 2.0f, 3.0f));
    EXPECT_TRUE(static_cast<VECTOR3D>(VECTOR4D(2.0f, 4.0f, 6.0f, 0.0f)) ==
                VECTOR3D(2.0f, 4.0f, 6.0f))
        << "w = 0 is a direction: no division";
    EXPECT_TRUE(static_cast<VECTOR3D>(VECTOR4D(2.0f, 4.0f, 6.0f, 1.0f)) ==
                VECTOR3D(2.0f, 4.0f, 6.0f));
    EXPECT_TRUE(static_cast<VECTOR3D>(VECTOR4D(2.0f, 4.0f, 6.0f, -4.0f)) ==
                VECTOR3D(-0.5f, -1.0f, -1.5f));
}

TEST(ValueEquality, IsExact) {
    const float justAboveOne = std::nextafter(1.0f, 2.0f);

    EXPECT_FALSE(VECTOR2D(1.0f, 2.0f) == VECTOR2D(1.0f, std::nextafter(2.0f, 3.0f)));
    EXPECT_FALSE(VECTOR3D(1.0f, 2.0f, 3.0f) == VECTOR3D(1.0f, 2.0f, std::nextafter(3.0f, 0.0f)));
    EXPECT_FALSE(VECTOR4D(1.0f, 2.0f, 3.0f, 1.0f) == VECTOR4D(1.0f, 2.0f, 3.0f, justAboveOne));
    EXPECT_FALSE(COLOR(1.0f, 1.0f, 1.0f, 1.0f) == COLOR(1.0f, 1.0f, 1.0f, justAboveOne));

    const VECTOR2D nan2(kNaN, 0.0f);
    const VECTOR3D nan3(0.0f, kNaN, 0.0f);
    const VECTOR4D nan4(0.0f, 0.0f, 0.0f, kNaN);
    const COLOR nanColor(0.0f, 0.0f, kNaN, 1.0f);
    EXPECT_FALSE(nan2 == nan2) << "a NaN component makes a value unequal to itself";
    EXPECT_FALSE(nan3 == nan3);
    EXPECT_FALSE(nan4 == nan4);
    EXPECT_FALSE(nanColor == nanColor);

    EXPECT_TRUE(VECTOR3D(0.0f, -0.0f, 0.0f) == VECTOR3D(0.0f, 0.0f, -0.0f)) << "IEEE: -0 equals 0";
}

TEST(Color, ScalingIncludesAlpha) {
    EXPECT_TRUE(white * 0.2f == COLOR(0.2f, 0.2f, 0.2f, 0.2f));
    EXPECT_TRUE(0.2f * white == COLOR(0.2f, 0.2f, 0.2f, 0.2f));
    EXPECT_TRUE(red * 2.0f == COLOR(2.0f, 0.0f, 0.0f, 2.0f)) << "no clamping unless asked";
}

TEST(Color, ClampTo01ClampsEveryComponent) {
    COLOR c(1.5f, -0.5f, 0.5f, 2.0f);
    c.ClampTo01();
    EXPECT_TRUE(c == COLOR(1.0f, 0.0f, 0.5f, 1.0f));

    COLOR alpha(0.25f, 0.75f, 1.0f, -3.0f);
    alpha.ClampTo01();
    EXPECT_TRUE(alpha == COLOR(0.25f, 0.75f, 1.0f, 0.0f));
}

TEST(Color, NamedColours) {
    EXPECT_TRUE(white == COLOR(1.0f, 1.0f, 1.0f, 1.0f));
    EXPECT_TRUE(black == COLOR(0.0f, 0.0f, 0.0f, 0.0f)) << "black has alpha 0";
    EXPECT_TRUE(red == COLOR(1.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_TRUE(green == COLOR(0.0f, 1.0f, 0.0f, 1.0f));
    EXPECT_TRUE(blue == COLOR(0.0f, 0.0f, 1.0f, 1.0f));
    EXPECT_TRUE(cyan == COLOR(0.0f, 1.0f, 1.0f, 1.0f));
    EXPECT_TRUE(magenta == COLOR(1.0f, 0.0f, 1.0f, 1.0f));
    EXPECT_TRUE(yellow == COLOR(1.0f, 1.0f, 0.0f, 1.0f));
}

TEST(FloatArrayViews, ComponentsFollowEachOther) {
    // As glLightfv and glTexGenfv read them.
    const COLOR c(0.1f, 0.2f, 0.3f, 0.4f);
    float const* cp = c;
    EXPECT_EQ(cp[0], 0.1f);
    EXPECT_EQ(cp[1], 0.2f);
    EXPECT_EQ(cp[2], 0.3f);
    EXPECT_EQ(cp[3], 0.4f);

    const VECTOR4D v(VECTOR3D(5.0f, 6.0f, 7.0f));
    float const* vp = v;
    EXPECT_EQ(vp[0], 5.0f);
    EXPECT_EQ(vp[1], 6.0f);
    EXPECT_EQ(vp[2], 7.0f);
    EXPECT_EQ(vp[3], 1.0f);
}
