// The special bricks and plates, read back through GL feedback at every angle they
// recognise and at angles they must ignore.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "model/BrikVantaHouse.h"
#include "support/PieceProbes.h"

namespace special_piece_test {
namespace {
using namespace piece_probes;

constexpr double kTolerance = 1e-3;
constexpr int kAngles[] = {0, 90, 180, 270, 45, 360, -90};

struct PieceCase {
    std::string name;
    std::function<void(BrikVantaHouse&, int angle, BrikColor)> draw;
    double width, depth;      // unturned footprint, x × z
    Bounds unturned;          // everything drawn, before the turn
    std::vector<Stud> studs;  // before the turn
    std::size_t triangles;
    double volume;
    bool keepsTurn;  // the turn stays on the caller's matrix
    std::vector<int> turningAngles;
};

std::vector<Stud> studRow(double x, double y, int count) {
    std::vector<Stud> studs;
    for (int j = 0; j < count; ++j) studs.push_back({{x, y, j + 0.5}, {0, 1, 0}});
    return studs;
}

std::vector<PieceCase> pieceCases() {
    const std::vector<int> quarterTurns{90, 180, 270};
    std::vector<Stud> anglePlateStuds = studRow(0.9, 2.0, 2);
    for (double y : {0.5, 1.5})
        for (double z : {0.5, 1.5}) anglePlateStuds.push_back({{0, y, z}, {-1, 0, 0}});

    // clang-format off
    return {
        // name, draw, width × depth, unturned bounds, studs,
        // triangles (12 per box, 40 per stud), volume, keeps its turn, angles that turn it
        {"radiator grille",
         [](BrikVantaHouse& h, int a, BrikColor c) { h.drawSolidRadiatorGrile(a, c); },
         1, 2, {{0, 0, 0}, {1, 0.4, 2}}, {},
         5 * kBoxTriangles, 0.16 + 0.08 + 0.16 + 2 * 0.6 * 0.2 * 0.2, true, {90}},
        {"angular brick",
         [](BrikVantaHouse& h, int a, BrikColor c) { h.drawSolidAngularBrick(a, c); },
         1, 1, {{0, 0, 0}, {1, 1.4, 1}}, {{{0.5, 1.2, 0.5}, {0, 1, 0}}, {{0.2, 0.7, 0.5}, {-1, 0, 0}}},
         2 * kBoxTriangles + 2 * kStudTriangles, 0.2 + 0.8 + 2 * kStudVolume, true, quarterTurns},
        {"plate with slide, length 8",
         [](BrikVantaHouse& h, int a, BrikColor c) { h.drawSolidPlateWithSlide(a, 8, c); },
         1.45, 8, {{0, 0, 0}, {1.45, 0.6, 8}}, studRow(0.95, 0.4, 8),
         3 * kBoxTriangles + 8 * kStudTriangles, 8 * (0.4 + 0.03 + 0.06 + kStudVolume), false,
         quarterTurns},
        {"plate with slide, length 1",
         [](BrikVantaHouse& h, int a, BrikColor c) { h.drawSolidPlateWithSlide(a, 1, c); },
         1.45, 1, {{0, 0, 0}, {1.45, 0.6, 1}}, studRow(0.95, 0.4, 1),
         3 * kBoxTriangles + kStudTriangles, 0.4 + 0.03 + 0.06 + kStudVolume, false, quarterTurns},
        {"wall corner",
         [](BrikVantaHouse& h, int a, BrikColor c) { h.drawSolidWallCorner(a, c); },
         1, 1, {{0, 0, 0}, {1, 1.2, 1}}, {},
         3 * kBoxTriangles, 0.4 + 0.16 + 0.128, false, quarterTurns},
        {"angle plate",
         [](BrikVantaHouse& h, int a, BrikColor c) { h.drawSolidAnglePlate(a, c); },
         1.4, 2, {{-0.2, 0, 0}, {1.4, 2.2, 2}}, anglePlateStuds,
         2 * kBoxTriangles + 6 * kStudTriangles, 0.8 + 1.6 + 6 * kStudVolume, false, quarterTurns},
    };
    // clang-format on
}

BrikColor pieceColour() { return makeColour(196, 40, 27); }

class SpecialPieces : public ::testing::Test {
protected:
    void SetUp() override { ensureGlContext(); }

    // Runs `check` for every piece at every test angle, with what it drew and the turn it
    // should have made.
    void forEveryPieceAndAngle(
        const std::function<void(const PieceCase&, int turn, const Drawn&)>& check) {
        for (const auto& piece : pieceCases()) {
            for (int angle : kAngles) {
                SCOPED_TRACE(piece.name + " at " + std::to_string(angle));
                const Drawn drawn = drawPiece([&] { piece.draw(house, angle, pieceColour()); });
                check(piece, effectiveTurn(angle, piece.turningAngles), drawn);
            }
        }
    }

    BrikVantaHouse house;
};

TEST_F(SpecialPieces, FootprintAndHeightStartAtTheOriginAtEveryAngle) {
    forEveryPieceAndAngle([](const PieceCase& piece, int turn, const Drawn& drawn) {
        expectBounds(turnedBounds(piece.unturned, turn, piece.width, piece.depth),
                     boundsOf(drawn.polygons), kTolerance);
    });
}

TEST_F(SpecialPieces, StudsSitWhereTheTurnTakesThem) {
    forEveryPieceAndAngle([](const PieceCase& piece, int turn, const Drawn& drawn) {
        expectStuds(piece.studs, turn, piece.width, piece.depth, drawn.polygons, kTolerance);
    });
}

TEST_F(SpecialPieces, ClosedOutwardSolidsOfTheExpectedVolume) {
    forEveryPieceAndAngle([](const PieceCase& piece, int, const Drawn& drawn) {
        EXPECT_EQ(piece.triangles, drawn.polygons.size()) << "triangles drawn";
        expectEnclosedVolume(drawn.polygons, piece.volume, 2e-3, {0, 0, 0}, {-7.3, 4.1, 11.9});
    });
}

TEST_F(SpecialPieces, DrawInTheirColourAndKeepTheirMatrixContract) {
    const auto rgba = rgbaOf(pieceColour());
    forEveryPieceAndAngle([&](const PieceCase& piece, int turn, const Drawn& drawn) {
        EXPECT_EQ(drawn.polygons.size(), colouredAs(drawn.polygons, rgba).size())
            << "triangles in the piece colour";
        expectLeavesState(
            drawn, rgba,
            turnThenOffset(piece.keepsTurn ? turn : 0, piece.width, piece.depth, {0, 0, 0}));
    });
}

TEST_F(SpecialPieces, PlateWithSlideAtHalfTurnHasItsRailOnThePlusXSide) {
    const Drawn drawn = drawPiece([&] { house.drawSolidPlateWithSlide(180, 8, pieceColour()); });
    // The rail is the only box lying wholly between y 0.15 and 0.25.
    const Polygons rail = polygonsWhere(drawn.polygons, [](const FeedbackVertex& v) {
        return v.y > 0.15 - kTolerance && v.y < 0.25 + kTolerance;
    });
    ASSERT_EQ(std::size_t(kBoxTriangles), rail.size());
    expectBounds({{1.0, 0.15, 0}, {1.3, 0.25, 8}}, boundsOf(rail), kTolerance);
}

TEST_F(SpecialPieces, OnlyTheAnglePlateSideStudsLeaveTheFootprint) {
    const Drawn drawn = drawPiece([&] { house.drawSolidAnglePlate(0, pieceColour()); });
    int verticesOutside = 0;
    for (const auto& polygon : drawn.polygons) {
        for (const auto& v : polygon.vertices) {
            if (v.x > -kTolerance) continue;
            ++verticesOutside;
            EXPECT_GE(v.x, -0.2 - kTolerance);
            // Within a stud's radius of one of the four side-stud axes.
            const double dy = v.y - (v.y < 1 ? 0.5 : 1.5), dz = v.z - (v.z < 1 ? 0.5 : 1.5);
            EXPECT_LE(std::hypot(dy, dz), 0.3 + kTolerance) << "at y " << v.y << ", z " << v.z;
        }
    }
    EXPECT_GT(verticesOutside, 0) << "the side studs should stand out along -x";
}

}  // namespace
}  // namespace special_piece_test
