// Ridged tile and end ridged tile, read back through GL feedback: the gable
// cross-section, the hipped end at each angle, the faces and their shading normals, a
// whole ridge closing on itself, and the state the tiles leave behind.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "model/BrikVantaHouse.h"
#include "support/PieceProbes.h"

namespace ridged_tile_test {
namespace {
using namespace piece_probes;

constexpr double kTolerance = 1e-4;

// Face area gathered by outward unit normal (the normal as the winding gives it).
using AreaByNormal = std::map<PointKey, double>;

AreaByNormal areaByNormal(const Polygons& polygons) {
    AreaByNormal areas;
    for (const auto& triangle : polygons) {
        const auto n = triangleNormal(triangle);
        const auto u = unitNormal(triangle);
        areas[keyOf(u[0], u[1], u[2])] += std::hypot(n[0], n[1], n[2]) / 2;
    }
    return areas;
}

// The expected faces of the unturned tile, turned by `angle` about +y.
struct FaceArea {
    double x, y, z;  // outward normal, unturned
    double area;
};
void expectFaces(const Polygons& polygons, const std::vector<FaceArea>& unturned, int angle) {
    const double a = angle * kPi / 180;
    AreaByNormal expected;
    for (const auto& face : unturned) {
        const double x = face.x * std::cos(a) + face.z * std::sin(a);
        const double z = -face.x * std::sin(a) + face.z * std::cos(a);
        expected[keyOf(x, face.y, z)] += face.area;
    }
    const AreaByNormal actual = areaByNormal(polygons);
    ASSERT_EQ(actual.size(), expected.size()) << "distinct face normals";
    for (const auto& [normal, area] : expected) {
        const auto found = actual.find(normal);
        SCOPED_TRACE(testing::Message()
                     << "faces with normal (" << double(normal[0]) / 1000 << ", "
                     << double(normal[1]) / 1000 << ", " << double(normal[2]) / 1000 << ")");
        ASSERT_NE(found, actual.end());
        EXPECT_NEAR(found->second, area, 1e-3);
    }
}

// Lights a white piece from six directions in turn (diffuse only) and expects each
// triangle's brightness to be that of the outward normal its winding gives: the normal
// OpenGL shades each face with must be the face's own.
void expectShadingNormalsFollowWinding(const std::function<void()>& draw) {
    const std::array<double, 3> directions[] = {{1, 2, 3},   {-1, -2, -3}, {3, -1, 2},
                                                {-3, 1, -2}, {1, 1, -1},   {-1, -1, 1}};
    for (const auto& direction : directions) {
        const double magnitude = std::hypot(direction[0], direction[1], direction[2]);
        const std::array<double, 3> d = {direction[0] / magnitude, direction[1] / magnitude,
                                         direction[2] / magnitude};
        const Polygons lit = captureFeedback([&] {
            const GLfloat none[4] = {0, 0, 0, 1};
            const GLfloat full[4] = {1, 1, 1, 1};
            const GLfloat towardsLight[4] = {GLfloat(d[0]), GLfloat(d[1]), GLfloat(d[2]), 0};
            glEnable(GL_LIGHTING);
            glEnable(GL_LIGHT0);
            for (int light = 1; light < 8; ++light)
                glDisable(GL_LIGHT0 + light);  // left on by frame tests
            glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
            glLightfv(GL_LIGHT0, GL_AMBIENT, none);
            glLightfv(GL_LIGHT0, GL_DIFFUSE, full);
            glLightfv(GL_LIGHT0, GL_SPECULAR, none);
            glLightfv(GL_LIGHT0, GL_POSITION, towardsLight);
            glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
            glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, none);
            glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
            glEnable(GL_COLOR_MATERIAL);
            draw();
        });
        ASSERT_FALSE(lit.empty());
        for (const auto& triangle : lit) {
            const auto n = unitNormal(triangle);
            const double expected = std::max(0.0, n[0] * d[0] + n[1] * d[1] + n[2] * d[2]);
            for (const auto& v : triangle.vertices) {
                ASSERT_NEAR(v.r, expected, 2e-3)
                    << "face with outward normal (" << n[0] << ", " << n[1] << ", " << n[2]
                    << ") shaded as if its normal differed";
            }
        }
    }
}

BrikVantaHouse house;
const BrikColor kRed = makeColour(196, 40, 27);
const BrikColor kWhite = makeColour(255, 255, 255);

Polygons drawRidged(int length, int angle) {
    return captureFeedback([&] { house.drawSolidRidgedTile(length, angle, kRed); });
}

Polygons drawEnd(int angle) {
    return captureFeedback([&] { house.drawSolidEndRidgedTile(angle, kRed); });
}

// Outward normals and areas of the unturned faces, in the order of the face tables.
std::vector<FaceArea> ridgedTileFaces(int length) {
    const double s = std::sqrt(0.5);
    return {
        {0, 0, 1, 1.4},  // gable ends: 2 × 0.2 band plus a triangle of 1
        {0, 0, -1, 1.4},
        {-1, 0, 0, 0.2 * length},  // eave sides
        {1, 0, 0, 0.2 * length},
        {-s, s, 0, std::sqrt(2.0) * length},  // slopes, √2 wide
        {s, s, 0, std::sqrt(2.0) * length},
        {0, -1, 0, 2.0 * length},  // bottom
    };
}

std::vector<FaceArea> endTileFaces() {
    const double s = std::sqrt(0.5);
    return {
        {0, 0, 1, 1.4},   // gable end
        {0, 0, -1, 0.4},  // low end
        {-1, 0, 0, 0.2},  // eave sides
        {1, 0, 0, 0.2},
        {0, s, -s, std::sqrt(2.0)},  // hip: base 2, slant height √2
        {-s, s, 0, std::sqrt(0.5)},  // side slopes: base 1, slant height √2
        {s, s, 0, std::sqrt(0.5)},
        {0, -1, 0, 2},  // bottom
    };
}

// Everything drawn starts at the origin and reaches sizeX × height × sizeZ.
void expectExtent(const Polygons& polygons, double sizeX, double height, double sizeZ) {
    expectBounds({{0, 0, 0}, {sizeX, height, sizeZ}}, boundsOf(polygons), kTolerance);
}

// The drawn vertices at the ridge height 1.2.
std::set<PointKey> ridgeVertices(const Polygons& polygons) {
    std::set<PointKey> points;
    for (const auto& triangle : polygons) {
        for (const auto& v : triangle.vertices) {
            if (std::abs(v.y - 1.2) < kTolerance) points.insert(keyOf(v.x, v.y, v.z));
        }
    }
    return points;
}

TEST(RidgedTile, LowGableCrossSectionAlongItsLength) {
    for (int length = 1; length <= 4; ++length) {
        SCOPED_TRACE(testing::Message() << "length " << length);
        const Polygons polygons = drawRidged(length, 0);
        EXPECT_EQ(polygons.size(), 16u) << "two pentagons (3 triangles each) and five quads";
        expectExtent(polygons, 2, 1.2, length);
        expectFaces(polygons, ridgedTileFaces(length), 0);
        EXPECT_EQ(ridgeVertices(polygons),
                  (std::set<PointKey>{keyOf(1, 1.2, 0), keyOf(1, 1.2, length)}));
        for (double z = 0.3; z < length; z += 0.5) {
            expectCrossings(columnCrossings(polygons, 0.3, z), {{0, -1}, {0.5, 1}}, "slope -x",
                            kTolerance);
            expectCrossings(columnCrossings(polygons, 1.6, z), {{0, -1}, {0.6, 1}}, "slope +x",
                            kTolerance);
        }
    }
}

TEST(RidgedTile, QuarterTurnRunsTheRidgeAlongX) {
    for (int length = 1; length <= 4; ++length) {
        SCOPED_TRACE(testing::Message() << "length " << length);
        const Polygons polygons = drawRidged(length, 90);
        EXPECT_EQ(polygons.size(), 16u);
        expectExtent(polygons, length, 1.2, 2);
        expectFaces(polygons, ridgedTileFaces(length), 90);
        EXPECT_EQ(ridgeVertices(polygons),
                  (std::set<PointKey>{keyOf(0, 1.2, 1), keyOf(length, 1.2, 1)}));
        expectCrossings(columnCrossings(polygons, 0.3, 0.3), {{0, -1}, {0.5, 1}}, "near z = 0",
                        kTolerance);
        expectCrossings(columnCrossings(polygons, 0.3, 1.6), {{0, -1}, {0.6, 1}}, "near z = 2",
                        kTolerance);
    }
}

// Each turn of the end tile: its footprint, the side its gable end faces and its ridge point.
struct EndOrientation {
    int angle;
    double sizeX, sizeZ;
    double gableX, gableZ;
    double apexX, apexZ;
};
constexpr EndOrientation kEndOrientations[] = {{0, 2, 1, 0, 1, 1, 1},
                                               {90, 1, 2, 1, 0, 1, 1},
                                               {180, 2, 1, 0, -1, 1, 0},
                                               {270, 1, 2, -1, 0, 0, 1}};

TEST(EndRidgedTile, HippedEndAtEveryAngle) {
    for (const auto& orientation : kEndOrientations) {
        SCOPED_TRACE(testing::Message() << "angle " << orientation.angle);
        const Polygons polygons = drawEnd(orientation.angle);
        EXPECT_EQ(polygons.size(), 14u)
            << "a pentagon (3 triangles), four quads (2 each) and three triangles";
        expectExtent(polygons, orientation.sizeX, 1.2, orientation.sizeZ);
        expectFaces(polygons, endTileFaces(), orientation.angle);
        EXPECT_EQ(ridgeVertices(polygons),
                  std::set<PointKey>{keyOf(orientation.apexX, 1.2, orientation.apexZ)});
        // The gable end: the 1.4 pentagon faces the given side.
        const auto areas = areaByNormal(polygons);
        const auto gable = areas.find(keyOf(orientation.gableX, 0, orientation.gableZ));
        ASSERT_NE(gable, areas.end());
        EXPECT_NEAR(gable->second, 1.4, 1e-3);
    }
}

TEST(RidgedTile, BothTilesEncloseTheirVolumeWoundOutwards) {
    for (int length = 1; length <= 4; ++length) {
        for (int angle : {0, 90}) {
            SCOPED_TRACE(testing::Message()
                         << "ridged tile, length " << length << ", angle " << angle);
            const double expected = 1.4 * length;  // 2 × 0.2 eave band plus the 2 × 1 gable
            expectEnclosedVolume(drawRidged(length, angle), expected, 1e-3, {0, 0, 0}, {-7, 3, 11});
        }
    }
    for (const auto& orientation : kEndOrientations) {
        SCOPED_TRACE(testing::Message() << "end tile, angle " << orientation.angle);
        const double expected = 0.4 + 2.0 / 3;  // eave band plus a hip pyramid 2 × 1 × 1
        expectEnclosedVolume(drawEnd(orientation.angle), expected, 1e-3, {0, 0, 0}, {-7, 3, 11});
    }
}

TEST(RidgedTile, EveryFaceIsShadedWithItsOwnOutwardNormal) {
    for (int angle : {0, 90}) {
        SCOPED_TRACE(testing::Message() << "ridged tile, angle " << angle);
        expectShadingNormalsFollowWinding([&] { house.drawSolidRidgedTile(3, angle, kWhite); });
    }
    for (const auto& orientation : kEndOrientations) {
        SCOPED_TRACE(testing::Message() << "end tile, angle " << orientation.angle);
        expectShadingNormalsFollowWinding(
            [&] { house.drawSolidEndRidgedTile(orientation.angle, kWhite); });
    }
}

// The faces lying in the plane z = zPlane that look towards +z (facing 1) or -z (facing -1).
struct PlaneFaces {
    double area = 0;
    std::set<PointKey> vertices;
};
PlaneFaces facesInPlaneZ(const Polygons& polygons, double zPlane, int facing) {
    const Polygons inPlane = facesInPlane(polygons, 2, zPlane, facing, kTolerance);
    PlaneFaces faces;
    faces.area = areaAcross(inPlane, 2);
    for (const auto& triangle : inPlane)
        for (const auto& v : triangle.vertices) faces.vertices.insert(keyOf(v.x, v.y, v.z));
    return faces;
}

TEST(RidgedTile, EndTilesAndStraightTilesCloseARidge) {
    // The main roof's ridge: laid along z from (24, 19.2, 10), as the house lays it.
    const double x = 24, y = 19.2, z = 10;
    struct Laid {
        bool end;
        int lengthOrAngle;
        double offset;
        double length;
    };
    const Laid ridge[] = {
        {true, 0, 0, 1}, {false, 4, 1, 4}, {false, 2, 5, 2}, {false, 4, 7, 4}, {true, 180, 11, 1}};
    std::vector<Polygons> pieces;
    Polygons all;
    for (const auto& laid : ridge) {
        pieces.push_back(captureFeedback([&] {
            glPushMatrix();
            glTranslated(x, y, z + laid.offset);
            if (laid.end) {
                house.drawSolidEndRidgedTile(laid.lengthOrAngle, kRed);
            } else {
                house.drawSolidRidgedTile(laid.lengthOrAngle, 0, kRed);
            }
            glPopMatrix();
        }));
        all.insert(all.end(), pieces.back().begin(), pieces.back().end());
    }

    for (std::size_t k = 0; k + 1 < pieces.size(); ++k) {
        const double joint = z + ridge[k].offset + ridge[k].length;
        SCOPED_TRACE(testing::Message() << "joint at z " << joint);
        const PlaneFaces before = facesInPlaneZ(pieces[k], joint, 1);
        const PlaneFaces after = facesInPlaneZ(pieces[k + 1], joint, -1);
        const std::set<PointKey> gable = {keyOf(x, y, joint), keyOf(x + 2, y, joint),
                                          keyOf(x + 2, y + 0.2, joint),
                                          keyOf(x + 1, y + 1.2, joint), keyOf(x, y + 0.2, joint)};
        EXPECT_NEAR(before.area, 1.4, 1e-3);
        EXPECT_NEAR(after.area, 1.4, 1e-3);
        EXPECT_EQ(before.vertices, gable);
        EXPECT_EQ(after.vertices, gable);
    }
    // Both ends fall to the 0.2 eave band.
    EXPECT_NEAR(facesInPlaneZ(pieces.front(), z, -1).area, 0.4, 1e-3);
    EXPECT_NEAR(facesInPlaneZ(pieces.back(), z + 12, 1).area, 0.4, 1e-3);
    const Bounds bounds = boundsOf(all);
    EXPECT_NEAR(bounds.min[2], z, kTolerance);
    EXPECT_NEAR(bounds.max[2], z + 12, kTolerance);
    EXPECT_NEAR(signedVolume(all), 1.4 * 10 + 2 * (0.4 + 2.0 / 3), 1e-2);
}

TEST(RidgedTile, AnglesOtherThanTheQuarterTurnDrawTheUnturnedTile) {
    const Polygons unturned = drawRidged(3, 0);
    for (int angle : {45, 180, 270, 360, -90})
        expectSamePolygons(drawRidged(3, angle), unturned, angle);
}

TEST(EndRidgedTile, UnrecognisedAnglesDrawTheUnturnedTile) {
    const Polygons unturned = drawEnd(0);
    for (int angle : {45, 360, -90, -180, 450}) expectSamePolygons(drawEnd(angle), unturned, angle);
}

TEST(RidgedTile, BothTilesLeaveTheCallersMatrixAndTheirOwnColour) {
    for (int angle : {0, 90, 180, 270, 45}) {
        SCOPED_TRACE(testing::Message() << "angle " << angle);
        expectCallerStateKept([&] { house.drawSolidRidgedTile(4, angle, kRed); }, kRed);
        expectCallerStateKept([&] { house.drawSolidEndRidgedTile(angle, kRed); }, kRed);
    }
}

}  // namespace
}  // namespace ridged_tile_test
