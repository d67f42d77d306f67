// Corner plate and corner brick, read back through GL feedback: which cells of the 2 × 2
// square are filled at each angle, where the studs stand, winding, and the state the
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

namespace corner_test {
namespace {

constexpr double kTolerance = 1e-4;
constexpr double kPlateHeight = 0.4;
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

enum class Piece { Plate, Brick };

double heightOf(Piece piece) { return piece == Piece::Plate ? kPlateHeight : kBrickHeight; }

Polygons drawCorner(Piece piece, int angle) {
    BrikVantaHouse house;
    const BrikColor colour = makeColour(196, 40, 27);
    return captureFeedback([&] {
        if (piece == Piece::Plate) {
            house.drawSolidCornerPlate(angle, colour);
        } else {
            house.drawSolidCornerBrick(angle, colour);
        }
    });
}

// The cell left empty at each angle; the other three carry the studs.
struct Orientation {
    int angle;
    int missingX;
    int missingZ;
};
constexpr Orientation kOrientations[] = {{0, 1, 1}, {90, 1, 0}, {180, 0, 0}, {270, 0, 1}};

TEST(CornerPiece, FillsThreeCellsAndLeavesTheMissingOneEmptyAtEveryAngle) {
    for (Piece piece : {Piece::Plate, Piece::Brick}) {
        const double h = heightOf(piece);
        for (const auto& orientation : kOrientations) {
            SCOPED_TRACE(testing::Message() << "height " << h << ", angle " << orientation.angle);
            const Polygons polygons = drawCorner(piece, orientation.angle);

            EXPECT_EQ(polygons.size(), 20u + 3 * kStudTriangles)
                << "two hexagons (4 triangles each), six quads and three studs";
            const Bounds bounds = boundsOf(polygons);
            EXPECT_NEAR(bounds.min[0], 0, kTolerance);
            EXPECT_NEAR(bounds.max[0], 2, kTolerance);
            EXPECT_NEAR(bounds.min[1], 0, kTolerance);
            EXPECT_NEAR(bounds.max[1], h + 0.2, kTolerance);
            EXPECT_NEAR(bounds.min[2], 0, kTolerance);
            EXPECT_NEAR(bounds.max[2], 2, kTolerance);

            std::set<PointKey> expectedStuds;
            for (int i = 0; i < 2; ++i) {
                for (int j = 0; j < 2; ++j) {
                    const bool missing = i == orientation.missingX && j == orientation.missingZ;
                    // Probe near a corner of the cell, clear of its stud.
                    const Crossings column = columnCrossings(polygons, i + 0.17, j + 0.83);
                    if (missing) {
                        EXPECT_TRUE(column.empty())
                            << "cell " << i << ", " << j << " should be empty";
                    } else {
                        expectCrossings(column, {{0, -1}, {h, 1}}, "filled cell");
                        expectedStuds.insert(keyOf(i + 0.5, h, j + 0.5));
                    }
                }
            }
            EXPECT_EQ(studCentres(polygons, h + 0.2), expectedStuds);
        }
    }
}

TEST(CornerPiece, EnclosesItsVolumeWoundOutwardsAtEveryAngle) {
    for (Piece piece : {Piece::Plate, Piece::Brick}) {
        const double expected = 3 * heightOf(piece) + 3 * kStudVolume;
        for (const auto& orientation : kOrientations) {
            const Polygons polygons = drawCorner(piece, orientation.angle);
            EXPECT_NEAR(signedVolume(polygons), expected, 1e-3) << "angle " << orientation.angle;
            EXPECT_NEAR(signedVolume(polygons, {-7, 3, 11}), expected, 1e-3)
                << "angle " << orientation.angle << ", far reference point";
        }
    }
}

TEST(CornerPiece, UnrecognisedAnglesDrawTheUnturnedPiece) {
    for (Piece piece : {Piece::Plate, Piece::Brick}) {
        const Polygons unturned = drawCorner(piece, 0);
        for (int angle : {45, 360, -90, -270, 450}) {
            expectSamePolygons(drawCorner(piece, angle), unturned, angle);
        }
    }
}

TEST(CornerPiece, LeavesTheCallersMatrixAndItsOwnColour) {
    BrikVantaHouse house;
    const BrikColor colour = makeColour(13, 105, 171);
    for (int angle : {0, 90, 180, 270, 45}) {
        SCOPED_TRACE(testing::Message() << "angle " << angle);
        expectCallerStateKept([&] { house.drawSolidCornerPlate(angle, colour); }, colour);
        expectCallerStateKept([&] { house.drawSolidCornerBrick(angle, colour); }, colour);
        expectCallerStateKept([&] { house.drawSolidCorner(0.8, angle, colour); }, colour);
    }
}

}  // namespace
}  // namespace corner_test
