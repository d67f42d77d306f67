// Brick colours, points and the face normal every polygonal piece is lit with.

#include <gtest/gtest.h>

#include "model/BrikColor.h"
#include "model/BrikVantaHouse.h"
#include "model/Vector.h"

namespace {
void expectVector(const Vector& v, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(v.getX(), x);
    EXPECT_DOUBLE_EQ(v.getY(), y);
    EXPECT_DOUBLE_EQ(v.getZ(), z);
}
}  // namespace

TEST(BrikColor, ChannelsAreClampedIndependently) {
    BrikColor colour;
    EXPECT_EQ(colour.getColorRed(), 0);
    EXPECT_EQ(colour.getColorGreen(), 0);
    EXPECT_EQ(colour.getColorBlue(), 0);

    colour.setColor(-5, 300, 128);
    EXPECT_EQ(colour.getColorRed(), 0);
    EXPECT_EQ(colour.getColorGreen(), 255);
    EXPECT_EQ(colour.getColorBlue(), 128);

    colour.setColor(255, 0, 256);
    EXPECT_EQ(colour.getColorRed(), 255);
    EXPECT_EQ(colour.getColorGreen(), 0);
    EXPECT_EQ(colour.getColorBlue(), 255);
}

TEST(BrikColor, ThePaletteHoldsItsTenColoursInOrder) {
    const BrikVantaHouse house;
    const BrikColor* palette[] = {&house.colorWhite,   &house.colorTan,   &house.colorRed,
                                  &house.colorYellow,  &house.colorBlack, &house.colorGreen,
                                  &house.colorLime,    &house.colorBrown, &house.colorLightGrey,
                                  &house.colorDarkGrey};
    const int expected[10][3] = {{242, 243, 242}, {215, 197, 153}, {196, 40, 27},  {245, 205, 47},
                                 {27, 42, 52},    {40, 127, 70},   {164, 189, 70}, {105, 64, 39},
                                 {163, 162, 164}, {99, 95, 97}};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(palette[i]->getColorRed(), expected[i][0]);
        EXPECT_EQ(palette[i]->getColorGreen(), expected[i][1]);
        EXPECT_EQ(palette[i]->getColorBlue(), expected[i][2]);
    }
}

TEST(PointAndVector, AVectorBetweenPointsIsTheirDifference) {
    const Point origin;
    EXPECT_EQ(origin.getX(), 0);
    expectVector(Vector(Point(1, 2, 3), Point(4, 6, 8)), 3, 4, 5);
    Vector v;
    expectVector(v, 0, 0, 0);
    v.setVector(Point(4, 6, 8), Point(1, 2, 3));
    expectVector(v, -3, -4, -5);
}

TEST(PointAndVector, GetNormalIsTheRightHandedUnitCrossProduct) {
    expectVector(Vector().getNormal(Vector(1, 0, 0), Vector(0, 1, 0)), 0, 0, 1);
    expectVector(Vector().getNormal(Vector(0, 1, 0), Vector(1, 0, 0)), 0, 0, -1);
    expectVector(Vector().getNormal(Vector(3, 0, 0), Vector(0, 0, 4)), 0, -1,
                 0);  // length 12 divided out

    Vector target(9, 9, 9);
    const Vector result = target.getNormal(Vector(0, 2, 0), Vector(0, 0, 5));
    expectVector(result, 1, 0, 0);
    expectVector(target, 1, 0, 0);  // the vector called on holds the result too
}

TEST(PointAndVector, ParallelEdgesGiveTheZeroNormalWithoutDividingByZero) {
    const Vector normal = Vector().getNormal(Vector(2, 0, 0), Vector(4, 0, 0));
    expectVector(normal, 0, 0, 0);
    expectVector(faceNormal(Point(1, 1, 1), Point(1, 1, 1), Point(2, 2, 2)), 0, 0, 0);
}

TEST(PointAndVector, FaceNormalFollowsTheWindingOfTheFirstThreeVertices) {
    // Counter-clockwise seen from +y.
    expectVector(faceNormal(Point(0, 1, 0), Point(0, 1, 1), Point(1, 1, 0)), 0, 1, 0);
    expectVector(faceNormal(Point(0, 1, 0), Point(1, 1, 0), Point(0, 1, 1)), 0, -1, 0);
}
