// Roof tile and inverted roof tile, read back through GL feedback: footprint, slope and
// underside at each angle and length, the row of studs, winding, and the state the
// pieces leave behind.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "model/BrikVantaHouse.h"
#include "support/GlTestContext.h"

namespace roof_tile_test {
namespace {

constexpr double kTolerance = 1e-4;
constexpr double kBrickHeight = 1.2;
constexpr int kStudTriangles = 40;
// A ten-sided stud prism, radius 0.3 and height 0.2.
const double kStudVolume = 10 * 0.5 * 0.09 * std::sin(0.62831853) * 0.2;

using Polygons = std::vector<FeedbackPolygon>;
using PointKey = std::array<long, 3>;   // a point in thousandths of a brick unit
using Crossings = std::vector<std::pair<double, int>>;

PointKey keyOf(double x, double y, double z) {
    return {std::lround(x * 1000), std::lround(y * 1000), std::lround(z * 1000)};
}

BrikColor makeColour(int red, int green, int blue) {
    BrikColor colour;
    colour.setColor(red, green, blue);
    return colour;
}

std::array<double, 3> triangleNormal(const FeedbackPolygon& triangle) {
    const auto& a = triangle.vertices[0];
    const auto& b = triangle.vertices[1];
    const auto& c = triangle.vertices[2];
    const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
    return {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
}

// Where the vertical line through (x, z) crosses the drawn surfaces, lowest first: the
// height, and +1 for a surface facing up or -1 for one facing down. A crossing on an edge
// shared by coplanar triangles counts once.
Crossings columnCrossings(const Polygons& polygons, double x, double z) {
    Crossings crossings;
    for (const auto& triangle : polygons) {
        const auto n = triangleNormal(triangle);
        if (std::abs(n[1]) < 1e-9) continue;
        const auto& a = triangle.vertices[0];
        const auto& b = triangle.vertices[1];
        const auto& c = triangle.vertices[2];
        const double det = (b.x - a.x) * (c.z - a.z) - (c.x - a.x) * (b.z - a.z);
        const double s = ((x - a.x) * (c.z - a.z) - (c.x - a.x) * (z - a.z)) / det;
        const double t = ((b.x - a.x) * (z - a.z) - (x - a.x) * (b.z - a.z)) / det;
        if (s < -1e-9 || t < -1e-9 || s + t > 1 + 1e-9) continue;
        const double y = a.y - (n[0] * (x - a.x) + n[2] * (z - a.z)) / n[1];
        crossings.push_back({y, n[1] > 0 ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end());
    Crossings merged;
    for (const auto& crossing : crossings) {
        if (merged.empty() || std::abs(merged.back().first - crossing.first) > 1e-6 ||
            merged.back().second != crossing.second) {
            merged.push_back(crossing);
        }
    }
    return merged;
}

void expectCrossings(const Crossings& actual, const Crossings& expected, const char* where) {
    ASSERT_EQ(actual.size(), expected.size()) << where;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(actual[k].first, expected[k].first, kTolerance) << where << ", crossing " << k;
        EXPECT_EQ(actual[k].second, expected[k].second) << where << ", crossing " << k;
    }
}

// The base centres of the studs, found from their top discs: a top wedge is a triangle at
// the stud-top height whose disc-centre vertex lies 0.3 from both rim vertices.
std::set<PointKey> studCentres(const Polygons& polygons, double studTop) {
    auto distance = [](const FeedbackVertex& p, const FeedbackVertex& q) {
        return std::hypot(p.x - q.x, p.y - q.y, p.z - q.z);
    };
    std::set<PointKey> centres;
    for (const auto& triangle : polygons) {
        const auto& v = triangle.vertices;
        auto offTop = [&](const FeedbackVertex& p) { return std::abs(p.y - studTop) > kTolerance; };
        if (v.size() != 3 || std::any_of(v.begin(), v.end(), offTop)) continue;
        for (int k = 0; k < 3; ++k) {
            if (std::abs(distance(v[k], v[(k + 1) % 3]) - 0.3) < kTolerance &&
                std::abs(distance(v[k], v[(k + 2) % 3]) - 0.3) < kTolerance) {
                centres.insert(keyOf(v[k].x, studTop - 0.2, v[k].z));
            }
        }
    }
    return centres;
}

// Draws on a caller matrix that is neither identity nor a pure translation, and expects
// the piece to leave that matrix, the stack depth and its own colour behind.
void expectCallerStateKept(const std::function<void()>& draw, BrikColor colour) {
    ensureGlContext();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(3, -2, 5);
    glRotated(30, 0, 1, 0);
    std::array<double, 16> before{}, after{};
    glGetDoublev(GL_MODELVIEW_MATRIX, before.data());
    const int depthBefore = modelviewDepth();
    glColor3d(0.5, 0.5, 0.5);
    draw();
    const int depthAfter = modelviewDepth();
    glGetDoublev(GL_MODELVIEW_MATRIX, after.data());
    const auto current = currentColour();
    glPopMatrix();

    EXPECT_EQ(depthAfter, depthBefore);
    for (int k = 0; k < 16; ++k) EXPECT_DOUBLE_EQ(after[k], before[k]) << "matrix element " << k;
    EXPECT_NEAR(current[0], colour.getColorRed() / 255.0, 1e-6);
    EXPECT_NEAR(current[1], colour.getColorGreen() / 255.0, 1e-6);
    EXPECT_NEAR(current[2], colour.getColorBlue() / 255.0, 1e-6);
}

void expectSamePolygons(const Polygons& actual, const Polygons& expected, double angle) {
    ASSERT_EQ(actual.size(), expected.size()) << "angle " << angle;
    for (std::size_t p = 0; p < expected.size(); ++p) {
        ASSERT_EQ(actual[p].vertices.size(), expected[p].vertices.size());
        for (std::size_t k = 0; k < expected[p].vertices.size(); ++k) {
            const auto& a = actual[p].vertices[k];
            const auto& e = expected[p].vertices[k];
            ASSERT_TRUE(std::abs(a.x - e.x) < 1e-9 && std::abs(a.y - e.y) < 1e-9 &&
                        std::abs(a.z - e.z) < 1e-9)
                << "angle " << angle << ": polygon " << p << " differs from the unturned piece";
        }
    }
}

// Total area and extent of the horizontal triangles at height y facing up (+1) or down (-1).
struct HorizontalFaces {
    double area = 0;
    Bounds bounds{};
};
HorizontalFaces horizontalFaces(const Polygons& polygons, double y, int facing) {
    Polygons selected;
    HorizontalFaces faces;
    for (const auto& triangle : polygons) {
        const auto n = triangleNormal(triangle);
        auto offLevel = [&](const FeedbackVertex& p) { return std::abs(p.y - y) > kTolerance; };
        if (std::any_of(triangle.vertices.begin(), triangle.vertices.end(), offLevel)) continue;
        if (n[1] * facing <= 0) continue;
        faces.area += std::abs(n[1]) / 2;
        selected.push_back(triangle);
    }
    faces.bounds = boundsOf(selected);
    return faces;
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
    bool lengthAlongX;   // footprint length × 2 instead of 2 × length
    double slopeX;       // horizontal direction the slope looks towards
    double slopeZ;
};
constexpr Orientation kOrientations[] = {
    {0, false, -1, 0}, {90, true, 0, 1}, {180, false, 1, 0}, {270, true, 0, -1}};

// Where the point u across the tile (0 at the lip, 2 at the back) and w along its length
// lands at each angle: the stud row u = 1.5 lands on the stud centres of each turn.
std::array<double, 2> placed(int angle, int length, double u, double w) {
    switch (angle) {
        case 90:
            return {w, 2 - u};
        case 180:
            return {2 - u, length - w};
        case 270:
            return {length - w, u};
        default:
            return {u, w};
    }
}

void expectFootprint(const Bounds& bounds, const Orientation& orientation, int length) {
    const double sizeX = orientation.lengthAlongX ? length : 2;
    const double sizeZ = orientation.lengthAlongX ? 2 : length;
    EXPECT_NEAR(bounds.min[0], 0, kTolerance);
    EXPECT_NEAR(bounds.max[0], sizeX, kTolerance);
    EXPECT_NEAR(bounds.min[1], 0, kTolerance);
    EXPECT_NEAR(bounds.max[1], kBrickHeight + 0.2, kTolerance);
    EXPECT_NEAR(bounds.min[2], 0, kTolerance);
    EXPECT_NEAR(bounds.max[2], sizeZ, kTolerance);
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
    EXPECT_EQ(studCentres(polygons, kBrickHeight + 0.2), expected);
}

// Every sloped triangle looks the given way horizontally and up (+1) or down (-1).
void expectSlopeFacing(const Polygons& polygons, const Orientation& orientation, int vertical) {
    const double s = std::sqrt(0.5);
    int sloped = 0;
    for (const auto& triangle : polygons) {
        auto n = triangleNormal(triangle);
        const double magnitude = std::hypot(n[0], n[1], n[2]);
        if (std::abs(std::abs(n[1] / magnitude) - s) > 1e-3) continue;
        ++sloped;
        EXPECT_NEAR(n[0] / magnitude, orientation.slopeX * s, 1e-3);
        EXPECT_NEAR(n[1] / magnitude, vertical * s, 1e-3);
        EXPECT_NEAR(n[2] / magnitude, orientation.slopeZ * s, 1e-3);
    }
    EXPECT_EQ(sloped, 2) << "the slope is one quad";
}

// Cross-sections probed at u = 0.3 and 0.8 (on the slope) and 1.6 (the full-height back,
// beside the studs), on every stud row.
struct Column {
    double u;
    Crossings crossings;
};

void expectColumns(const Polygons& polygons, int angle, int length, const Column (&columns)[3]) {
    for (int i = 0; i < length; ++i) {
        for (const auto& column : columns) {
            const auto at = placed(angle, length, column.u, i + 0.1);
            SCOPED_TRACE(testing::Message() << "u " << column.u << ", row " << i);
            expectCrossings(columnCrossings(polygons, at[0], at[1]), column.crossings, "column");
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
                const Polygons polygons = drawTile(tile, length, orientation.angle);
                EXPECT_NEAR(signedVolume(polygons), expected, 1e-3);
                EXPECT_NEAR(signedVolume(polygons, {-7, 3, 11}), expected, 1e-3);
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
