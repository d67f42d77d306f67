// Corner plate and corner brick, read back through GL feedback: which cells of the 2 × 2
// square are filled at each angle, where the studs stand, winding, and the state the
// pieces leave behind.

#include <gtest/gtest.h>

#include <set>

#include "model/BrikVantaHouse.h"
#include "support/PieceProbes.h"

namespace corner_test {
namespace {
using namespace piece_probes;

constexpr double kTolerance = 1e-4;
constexpr double kPlateHeight = 0.4;
constexpr double kBrickHeight = 1.2;

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
            expectBounds({{0, 0, 0}, {2, h + 0.2, 2}}, boundsOf(polygons), kTolerance);

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
                        expectCrossings(column, {{0, -1}, {h, 1}}, "filled cell", kTolerance);
                        expectedStuds.insert(keyOf(i + 0.5, h, j + 0.5));
                    }
                }
            }
            EXPECT_EQ(studCentres(polygons, h + 0.2, kTolerance), expectedStuds);
        }
    }
}

TEST(CornerPiece, EnclosesItsVolumeWoundOutwardsAtEveryAngle) {
    for (Piece piece : {Piece::Plate, Piece::Brick}) {
        const double expected = 3 * heightOf(piece) + 3 * kStudVolume;
        for (const auto& orientation : kOrientations) {
            SCOPED_TRACE(testing::Message()
                         << "height " << heightOf(piece) << ", angle " << orientation.angle);
            expectEnclosedVolume(drawCorner(piece, orientation.angle), expected, 1e-3, {0, 0, 0},
                                 {-7, 3, 11});
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
