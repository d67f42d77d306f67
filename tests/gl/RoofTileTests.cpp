// Roof tile and inverted roof tile, read back through GL feedback: footprint, slope and
// underside at each angle and length, the row of studs, winding, and the state the
// pieces leave behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "model/BrikVantaHouse.h"
#include "support/PieceProbes.h"

namespace roof_tile_test {
namespace {
using namespace piece_probes;

constexpr double kTolerance = 1e-4;
constexpr double kBrickHeight = 1.2;

// Total area and extent of the horizontal triangles at height y facing up (+1) or down (-1).
struct HorizontalFaces {
    double area = 0;
    Bounds bounds{};
};
HorizontalFaces horizontalFaces(const Polygons& polygons, double y, int facing) {
    const Polygons faces = facesInPlane(polygons, 1, y, facing, kTolerance);
    return {areaAcross(faces, 1), boundsOf(faces)};
}

enum class Tile { Roof, Inverted };

Polygons drawTile(Tile tile, int length, double angle) {
    BrikVantaHouse house;
    const BrikColor colour = makeColour(196, 40, 27);
    return captureFeedback([&] {
        if (tile == Tile::Roof) {
            house.drawSolidRoofTile(length, angle, colour);
        } else {
            house.drawSolidRoofTileInverted(length, angle, colour);
        }
    });
}

// Each angle's footprint and the way its slope looks, in the caller's frame.
struct Orientation {
    int angle;
    bool lengthAlongX;  // footprint length × 2 instead of 2 × length
    double slopeX;      // horizontal direction the slope looks towards
    double slopeZ;
};
// clang-format off
constexpr Orientation kOrientations[] = {
    {0, false, -1, 0}, {90, true, 0, 1}, {180, false, 1, 0}, {270, true, 0, -1}};

// Where the point u across the tile (0 at the lip, 2 at the back) and w along its length
// lands at each angle, as (x, z): the stud row u = 1.5 lands on the stud centres of each turn.
std::array<double, 2> placed(int angle, int length, double u, double w) {
    const Vec3 p = turned({u, 0, w}, angle, 2, length);
    return {p[0], p[2]};
}

void expectFootprint(const Bounds& bounds, const Orientation& orientation, int length) {
    const double sizeX = orientation.lengthAlongX ? length : 2;
    const double sizeZ = orientation.lengthAlongX ? 2 : length;
    expectBounds({{0, 0, 0}, {sizeX, kBrickHeight + 0.2, sizeZ}}, bounds, kTolerance);
}

// The horizontal faces at one level cover exactly the strip u0..u1 of the whole length.
void expectStrip(const HorizontalFaces& faces, int angle, int length, double u0, double u1,
                 const char* what) {
    SCOPED_TRACE(what);
    EXPECT_NEAR(faces.area, (u1 - u0) * length, kTolerance);
    const auto a = placed(angle, length, u0, 0);
    const auto b = placed(angle, length, u1, length);
    EXPECT_NEAR(faces.bounds.min[0], std::min(a[0], b[0]), kTolerance);
    EXPECT_NEAR(faces.bounds.max[0], std::max(a[0], b[0]), kTolerance);
    EXPECT_NEAR(faces.bounds.min[2], std::min(a[1], b[1]), kTolerance);
    EXPECT_NEAR(faces.bounds.max[2], std::max(a[1], b[1]), kTolerance);
}

void expectStudRow(const Polygons& polygons, int angle, int length) {
    std::set<PointKey> expected;
    for (int i = 0; i < length; ++i) {
        const auto centre = placed(angle, length, 1.5, i + 0.5);
        expected.insert(keyOf(centre[0], kBrickHeight, centre[1]));
    }
    EXPECT_EQ(studCentres(polygons, kBrickHeight + 0.2, kTolerance), expected);
}

// Every sloped triangle looks the given way horizontally and up (+1) or down (-1).
void expectSlopeFacing(const Polygons& polygons, const Orientation& orientation, int vertical) {
    const double s = std::sqrt(0.5);
    int sloped = 0;
    for (const auto& triangle : polygons) {
        const Vec3 n = unitNormal(triangle);
        if (std::abs(std::abs(n[1]) - s) > 1e-3) continue;
        ++sloped;
        EXPECT_NEAR(n[0], orientation.slopeX * s, 1e-3);
        EXPECT_NEAR(n[1], vertical * s, 1e-3);
        EXPECT_NEAR(n[2], orientation.slopeZ * s, 1e-3);
    }
    EXPECT_EQ(sloped, 2) << "the slope is one quad";
}

// Cross-sections probed at u = 0.3 and 0.8 (on the slope) and 1.6 (the full-height back,
// beside the studs), on every stud row.
struct Column {
    double u;
    Crossings crossings;
};
// clang-format on

void expectColumns(const Polygons& polygons, int angle, int length, const Column (&columns)[3]) {
    for (int i = 0; i < length; ++i) {
        for (const auto& column : columns) {
            const auto at = placed(angle, length, column.u, i + 0.1);
            SCOPED_TRACE(testing::Message() << "u " << column.u << ", row " << i);
            expectCrossings(columnCrossings(polygons, at[0], at[1]), column.crossings, "column",
                            kTolerance);
        }
    }
}

TEST(RoofTile, SlopesStudsAndFootprintAtEveryAngleAndLength) {
    const Column columns[3] = {
        {0.3, {{0, -1}, {0.5, 1}}}, {0.8, {{0, -1}, {1.0, 1}}}, {1.6, {{0, -1}, {1.2, 1}}}};
    for (int length = 1; length <= 4; ++length) {
        for (const auto& orientation : kOrientations) {
            SCOPED_TRACE(testing::Message()
                         << "length " << length << ", angle " << orientation.angle);
            const Polygons polygons = drawTile(Tile::Roof, length, orientation.angle);
            EXPECT_EQ(polygons.size(), 16u + length * kStudTriangles)
                << "two pentagons (3 triangles each), five quads and a stud per row";
            expectFootprint(boundsOf(polygons), orientation, length);
            expectStudRow(polygons, orientation.angle, length);
            expectSlopeFacing(polygons, orientation, 1);
            expectColumns(polygons, orientation.angle, length, columns);
            expectStrip(horizontalFaces(polygons, 0, -1), orientation.angle, length, 0, 2,
                        "bottom");
            expectStrip(horizontalFaces(polygons, kBrickHeight, 1), orientation.angle, length, 1, 2,
                        "flat top");
        }
    }
}

TEST(RoofTileInverted, FlatTopOverTheFootprintAndBottomOnlyOnTheBackHalf) {
    const Column columns[3] = {
        {0.3, {{0.7, -1}, {1.2, 1}}}, {0.8, {{0.2, -1}, {1.2, 1}}}, {1.6, {{0, -1}, {1.2, 1}}}};
    for (int length = 1; length <= 4; ++length) {
        for (const auto& orientation : kOrientations) {
            SCOPED_TRACE(testing::Message()
                         << "length " << length << ", angle " << orientation.angle);
            const Polygons polygons = drawTile(Tile::Inverted, length, orientation.angle);
            EXPECT_EQ(polygons.size(), 16u + length * kStudTriangles);
            expectFootprint(boundsOf(polygons), orientation, length);
            expectStudRow(polygons, orientation.angle, length);
            expectSlopeFacing(polygons, orientation, -1);
            expectColumns(polygons, orientation.angle, length, columns);
            expectStrip(horizontalFaces(polygons, 0, -1), orientation.angle, length, 1, 2,
                        "bottom");
            expectStrip(horizontalFaces(polygons, kBrickHeight, 1), orientation.angle, length, 0, 2,
                        "flat top");
        }
    }
}

TEST(RoofTile, BothTilesEncloseTheirVolumeWoundOutwards) {
    for (Tile tile : {Tile::Roof, Tile::Inverted}) {
        for (int length = 1; length <= 4; ++length) {
            // Pentagon cross-section 1.9 (back 1 × 1.2, slope trapezoid 0.7), a stud per row.
            const double expected = length * (1.9 + kStudVolume);
            for (const auto& orientation : kOrientations) {
                SCOPED_TRACE(testing::Message()
                             << (tile == Tile::Roof ? "roof" : "inverted") << ", length " << length
                             << ", angle " << orientation.angle);
                expectEnclosedVolume(drawTile(tile, length, orientation.angle), expected, 1e-3,
                                     {0, 0, 0}, {-7, 3, 11});
            }
        }
    }
}

TEST(RoofTile, UnrecognisedAnglesDrawTheUnturnedTile) {
    for (Tile tile : {Tile::Roof, Tile::Inverted}) {
        const Polygons unturned = drawTile(tile, 3, 0);
        for (double angle : {45.0, 360.0, -90.0, 90.5, 269.999}) {
            expectSamePolygons(drawTile(tile, 3, angle), unturned, angle);
        }
    }
}

TEST(RoofTile, BothTilesLeaveTheCallersMatrixAndTheirOwnColour) {
    BrikVantaHouse house;
    const BrikColor colour = makeColour(196, 40, 27);
    for (double angle : {0.0, 90.0, 180.0, 270.0, 45.0}) {
        SCOPED_TRACE(testing::Message() << "angle " << angle);
        expectCallerStateKept([&] { house.drawSolidRoofTile(2, angle, colour); }, colour);
        expectCallerStateKept([&] { house.drawSolidRoofTileInverted(2, angle, colour); }, colour);
    }
}

}  // namespace
}  // namespace roof_tile_test
