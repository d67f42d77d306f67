#include "maths/Maths.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectNear(VECTOR3D const& actual, VECTOR3D const& expected, float tolerance = 1e-6f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << "x";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << "y";
    EXPECT_NEAR(actual.z, expected.z, tolerance) << "z";
}

PLANE MakePlane(VECTOR3D const& normal, float intercept) {
    PLANE plane;
    plane.normal = normal;
    plane.intercept = intercept;
    return plane;
}

// z = 0, front towards +z.
PLANE GroundPlane() {
    PLANE plane;
    plane.SetFromPoints(VECTOR3D(0.0f, 0.0f, 0.0f), VECTOR3D(1.0f, 0.0f, 0.0f),
                        VECTOR3D(0.0f, 1.0f, 0.0f));
    return plane;
}

}  // namespace

TEST(PlaneConstruction, FromCounterClockwisePoints) {
    const PLANE plane = GroundPlane();
    EXPECT_TRUE(plane.normal == VECTOR3D(0.0f, 0.0f, 1.0f));
    EXPECT_EQ(plane.intercept, 0.0f);

    PLANE reversed;
    reversed.SetFromPoints(VECTOR3D(0.0f, 0.0f, 0.0f), VECTOR3D(0.0f, 1.0f, 0.0f),
                           VECTOR3D(1.0f, 0.0f, 0.0f));
    EXPECT_TRUE(reversed.normal == VECTOR3D(0.0f, 0.0f, -1.0f))
        << "clockwise points face the other way";

    // x + y = 2, through three points not at the origin.
    PLANE slanted;
    slanted.SetFromPoints(VECTOR3D(2.0f, 0.0f, 0.0f), VECTOR3D(0.0f, 2.0f, 0.0f),
                          VECTOR3D(2.0f, 0.0f, 5.0f));
    const float half = std::sqrt(0.5f);
    ExpectNear(slanted.normal, VECTOR3D(half, half, 0.0f));
    EXPECT_NEAR(slanted.intercept, -2.0f * half, 1e-6f);
    EXPECT_NEAR(slanted.GetDistance(VECTOR3D(2.0f, 2.0f, -7.0f)), 2.0f * half, 1e-6f);
}

TEST(PlaneConstruction, CollinearPointsGiveADegeneratePlane) {
    PLANE plane;
    plane.SetFromPoints(VECTOR3D(1.0f, 1.0f, 1.0f), VECTOR3D(2.0f, 2.0f, 2.0f),
                        VECTOR3D(4.0f, 4.0f, 4.0f));
    EXPECT_TRUE(plane.normal == VECTOR3D(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(plane.intercept, 0.0f);
    EXPECT_FALSE(std::isnan(plane.intercept));
    for (VECTOR3D const& p : {VECTOR3D(0.0f, 0.0f, 0.0f), VECTOR3D(100.0f, -5.0f, 3.0f)})
        EXPECT_EQ(plane.ClassifyPoint(p), POINT_ON_PLANE);
}

TEST(PlaneConstruction, CalculateInterceptMovesThePlaneThroughAPoint) {
    PLANE plane = GroundPlane();
    plane.CalculateIntercept(VECTOR3D(5.0f, -3.0f, 2.0f));
    EXPECT_EQ(plane.intercept, -2.0f);
    EXPECT_TRUE(plane.normal == VECTOR3D(0.0f, 0.0f, 1.0f));
    EXPECT_EQ(plane.GetDistance(VECTOR3D(0.0f, 0.0f, 5.0f)), 3.0f);
    EXPECT_EQ(plane.GetDistance(VECTOR3D(9.0f, 9.0f, -1.0f)), -3.0f);
}

TEST(PlaneNormalize, ScalesNormalAndIntercept) {
    PLANE plane = MakePlane(VECTOR3D(0.0f, 3.0f, 4.0f), -10.0f);
    plane.Normalize();
    EXPECT_TRUE(plane.normal == VECTOR3D(0.0f, 0.6f, 0.8f));
    EXPECT_EQ(plane.intercept, -2.0f);

    // A zero normal stays zero; the intercept is divided by zero regardless.
    PLANE degenerate = MakePlane(VECTOR3D(0.0f, 0.0f, 0.0f), 1.0f);
    degenerate.Normalize();
    EXPECT_TRUE(degenerate.normal == VECTOR3D(0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(std::isinf(degenerate.intercept));

    PLANE empty;
    empty.Normalize();
    EXPECT_TRUE(std::isnan(empty.intercept)) << "0 / 0";
}

TEST(PlaneClassification, UsesAToleranceOfOneHundredth) {
    const PLANE plane = GroundPlane();
    EXPECT_EQ(plane.ClassifyPoint(VECTOR3D(0.0f, 0.0f, 1.0f)), POINT_IN_FRONT_OF_PLANE);
    EXPECT_EQ(plane.ClassifyPoint(VECTOR3D(0.0f, 0.0f, -1.0f)), POINT_BEHIND_PLANE);
    EXPECT_EQ(plane.ClassifyPoint(VECTOR3D(0.0f, 0.0f, 0.005f)), POINT_ON_PLANE);
    EXPECT_EQ(plane.ClassifyPoint(VECTOR3D(0.0f, 0.0f, -0.005f)), POINT_ON_PLANE);
    EXPECT_EQ(plane.ClassifyPoint(VECTOR3D(0.0f, 0.0f, 0.02f)), POINT_IN_FRONT_OF_PLANE);
    EXPECT_EQ(plane.ClassifyPoint(VECTOR3D(0.0f, 0.0f, -0.02f)), POINT_BEHIND_PLANE);

    // The bounds themselves count as on the plane.
    EXPECT_EQ(plane.ClassifyPoint(VECTOR3D(3.0f, 4.0f, 0.01f)), POINT_ON_PLANE);
    EXPECT_EQ(plane.ClassifyPoint(VECTOR3D(3.0f, 4.0f, -0.01f)), POINT_ON_PLANE);
    EXPECT_EQ(plane.ClassifyPoint(VECTOR3D(3.0f, 4.0f, std::nextafter(0.01f, 1.0f))),
              POINT_IN_FRONT_OF_PLANE);

    EXPECT_EQ(POINT_ON_PLANE, 0);
    EXPECT_EQ(POINT_IN_FRONT_OF_PLANE, 1);
    EXPECT_EQ(POINT_BEHIND_PLANE, 2);
}

TEST(PlaneIntersection, ThreePlanesMeetInAPoint) {
    const PLANE x = MakePlane(VECTOR3D(1.0f, 0.0f, 0.0f), -1.0f);
    const PLANE y = MakePlane(VECTOR3D(0.0f, 1.0f, 0.0f), -2.0f);
    const PLANE z = MakePlane(VECTOR3D(0.0f, 0.0f, 1.0f), -3.0f);
    VECTOR3D point;
    ASSERT_TRUE(x.Intersect3(y, z, point));
    EXPECT_TRUE(point == VECTOR3D(1.0f, 2.0f, 3.0f));

    // Oblique planes: the result lies on all three.
    PLANE a, b, c;
    a.SetFromPoints(VECTOR3D(1.0f, 0.0f, 0.0f), VECTOR3D(0.0f, 1.0f, 0.0f),
                    VECTOR3D(0.0f, 0.0f, 1.0f));
    b.SetFromPoints(VECTOR3D(2.0f, 0.0f, 1.0f), VECTOR3D(0.0f, 0.0f, 3.0f),
                    VECTOR3D(0.0f, -4.0f, 0.0f));
    c.SetFromPoints(VECTOR3D(0.5f, 3.0f, 0.0f), VECTOR3D(-1.0f, 0.0f, 2.0f),
                    VECTOR3D(1.0f, 1.0f, 1.0f));
    ASSERT_TRUE(a.Intersect3(b, c, point));
    EXPECT_NEAR(a.GetDistance(point), 0.0f, 1e-5f);
    EXPECT_NEAR(b.GetDistance(point), 0.0f, 1e-5f);
    EXPECT_NEAR(c.GetDistance(point), 0.0f, 1e-5f);
}

TEST(PlaneIntersection, ParallelPlanesHaveNoCommonPoint) {
    const PLANE x1 = MakePlane(VECTOR3D(1.0f, 0.0f, 0.0f), -1.0f);
    const PLANE x2 = MakePlane(VECTOR3D(-2.0f, 0.0f, 0.0f), 5.0f);
    const PLANE y = MakePlane(VECTOR3D(0.0f, 1.0f, 0.0f), -2.0f);
    VECTOR3D point(7.0f, 8.0f, 9.0f);
    EXPECT_FALSE(x1.Intersect3(x2, y, point));
    EXPECT_FALSE(x1.Intersect3(y, x2, point));
    EXPECT_TRUE(point == VECTOR3D(7.0f, 8.0f, 9.0f)) << "the result is left untouched";

    // Three planes through one line.
    const PLANE diagonal = MakePlane(VECTOR3D(1.0f, 1.0f, 0.0f), 0.0f);
    const PLANE xz = MakePlane(VECTOR3D(0.0f, 1.0f, 0.0f), 0.0f);
    const PLANE yz = MakePlane(VECTOR3D(1.0f, 0.0f, 0.0f), 0.0f);
    EXPECT_FALSE(diagonal.Intersect3(xz, yz, point));
}

TEST(PlaneLerp, InterpolatesNormalAndIntercept) {
    const PLANE from = MakePlane(VECTOR3D(0.0f, 0.0f, 2.0f), -4.0f);
    const PLANE to = MakePlane(VECTOR3D(3.0f, 0.0f, 0.0f), 6.0f);

    const PLANE atStart = from.lerp(to, 0.0f);
    EXPECT_TRUE(atStart.normal == VECTOR3D(0.0f, 0.0f, 1.0f)) << "the normal is normalised";
    EXPECT_EQ(atStart.intercept, -4.0f) << "the intercept is not rescaled";

    const PLANE atEnd = from.lerp(to, 1.0f);
    EXPECT_TRUE(atEnd.normal == VECTOR3D(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(atEnd.intercept, 6.0f);

    const PLANE x = MakePlane(VECTOR3D(1.0f, 0.0f, 0.0f), 2.0f);
    const PLANE y = MakePlane(VECTOR3D(0.0f, 1.0f, 0.0f), 4.0f);
    const PLANE halfway = x.lerp(y, 0.5f);
    ExpectNear(halfway.normal, VECTOR3D(std::sqrt(0.5f), std::sqrt(0.5f), 0.0f));
    EXPECT_EQ(halfway.intercept, 3.0f);
}

TEST(PlaneEquality, IsExact) {
    const PLANE positiveZero = MakePlane(VECTOR3D(0.0f, 1.0f, 0.0f), 0.0f);
    const PLANE negativeZero = MakePlane(VECTOR3D(0.0f, 1.0f, 0.0f), -0.0f);
    EXPECT_TRUE(positiveZero == negativeZero) << "IEEE: -0 equals 0";

    EXPECT_FALSE(positiveZero == MakePlane(VECTOR3D(0.0f, 1.0f, 0.0f), 1e-30f));
    EXPECT_FALSE(positiveZero == MakePlane(VECTOR3D(0.0f, std::nextafter(1.0f, 0.0f), 0.0f), 0.0f));

    const PLANE withNaN = MakePlane(VECTOR3D(0.0f, 1.0f, 0.0f), std::nanf(""));
    EXPECT_FALSE(withNaN == withNaN);
}
