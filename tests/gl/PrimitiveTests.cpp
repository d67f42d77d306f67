// Blocks, studs and the rectangular and round pieces, read back with GL feedback.

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "model/BrikVantaHouse.h"
#include "support/GlTestContext.h"
#include "support/PieceProbes.h"

namespace {
constexpr double kTolerance = 1e-4;
constexpr double kStudVolume = 0.2 * 5 * 0.09 * 0.58778525229247314;  // decagon area × height

// The base centres of the studs whose tops are at `topY`, in thousandths of a unit.
std::set<piece_probes::PointKey> studCentres(const std::vector<FeedbackPolygon>& polygons,
                                             double topY) {
    return piece_probes::studCentres(polygons, topY, kTolerance);
}

// One stud centred on every cell of a width × depth top whose studs stand at `studBase`.
std::set<piece_probes::PointKey> studOnEveryCell(int width, int depth, double studBase) {
    std::set<piece_probes::PointKey> centres;
    for (int i = 0; i < width; ++i)
        for (int j = 0; j < depth; ++j)
            centres.insert(piece_probes::keyOf(i + 0.5, studBase, j + 0.5));
    return centres;
}

void expectBounds(const std::vector<FeedbackPolygon>& polygons, std::array<double, 3> min,
                  std::array<double, 3> max) {
    const Bounds bounds = boundsOf(polygons);
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(bounds.min[axis], min[axis], kTolerance) << "axis " << axis;
        EXPECT_NEAR(bounds.max[axis], max[axis], kTolerance) << "axis " << axis;
    }
}

class Primitives : public ::testing::Test {
protected:
    void SetUp() override { ensureGlContext(); }
    BrikVantaHouse house;
};
}  // namespace

TEST_F(Primitives, AStudIsTenSegmentsOfThreePolygonsWithinItsHeight) {
    const auto stud = captureFeedback([&] { house.drawSolidRound(0.2, 0.3); });
    // 10 side quads (two triangles each) and 20 wedges: 30 polygons, 40 triangles.
    EXPECT_EQ(stud.size(), 40u);
    expectBounds(stud, {-0.3, 0, -0.3 * std::sin(3 * 0.62831853)},
                 {0.3, 0.2, 0.3 * std::sin(2 * 0.62831853)});
    EXPECT_NEAR(signedVolume(stud), kStudVolume, 1e-6);
    EXPECT_NEAR(signedVolume(stud, {3, -2, 5}), kStudVolume, 1e-6);

    // The first side facet spans the angles 0 to a tenth of a turn.
    bool foundFirstFacetCorner = false;
    for (const auto& polygon : stud)
        for (const auto& v : polygon.vertices)
            if (std::fabs(v.x - 0.24270510) < kTolerance &&
                std::fabs(v.z - 0.17633558) < kTolerance)
                foundFirstFacetCorner = true;
    EXPECT_TRUE(foundFirstFacetCorner);
}

TEST_F(Primitives, AFlatCylinderStillDrawsItsDiscs) {
    const auto disc = captureFeedback([&] { house.drawSolidRound(0, 0.5); });
    for (const auto& polygon : disc)
        for (const auto& v : polygon.vertices) EXPECT_NEAR(v.y, 0, kTolerance);
    EXPECT_GE(disc.size(), 20u);  // both wedge fans survive even though the sides collapse
}

TEST_F(Primitives, ABlockCarriesAStudOnEveryCellOfItsTop) {
    const auto brick = captureFeedback([&] { house.drawSolidCube(2, 4, 1.2, house.colorRed, 0); });
    EXPECT_EQ(brick.size(), 12u + 8 * 40);
    expectBounds(brick, {0, 0, 0}, {2, 1.4, 4});
    EXPECT_EQ(studCentres(brick, 1.4), studOnEveryCell(2, 4, 1.2));
    EXPECT_NEAR(signedVolume(brick), 2 * 4 * 1.2 + 8 * kStudVolume, 1e-4);
    EXPECT_NEAR(signedVolume(brick, {-7, 3, 2}), 2 * 4 * 1.2 + 8 * kStudVolume, 1e-4);
}

TEST_F(Primitives, AnyNonZeroStudSwitchLeavesTheTopSmooth) {
    const unsigned char smoothSwitches[] = {1, 2, 255};
    for (unsigned char smooth : smoothSwitches) {
        const auto block =
            captureFeedback([&] { house.drawSolidCube(2, 4, 1.2, house.colorRed, smooth); });
        EXPECT_EQ(block.size(), 12u);
        expectBounds(block, {0, 0, 0}, {2, 1.2, 4});
    }
}

TEST_F(Primitives, FractionalExtentsRoundTheStudCountUp) {
    const auto plate =
        captureFeedback([&] { house.drawSolidCube(1.5, 1, 0.4, house.colorRed, 0); });
    const auto centres = studCentres(plate, 0.6);
    // The second stud is centred on the block's edge.
    EXPECT_EQ(centres, (std::set<piece_probes::PointKey>{{500, 400, 500}, {1500, 400, 500}}));
    const auto none = captureFeedback([&] { house.drawSolidCube(0, 3, 0.4, house.colorRed, 0); });
    EXPECT_TRUE(studCentres(none, 0.6).empty());
}

TEST_F(Primitives, RectangularPiecesAreSingleBlocks) {
    struct Case {
        const char* name;
        std::function<void()> draw;
        std::array<double, 3> max;
        size_t studs;
    } cases[] = {
        {"plate 4 × 1", [&] { house.drawSolidPlate(4, 1, house.colorWhite); }, {4, 0.6, 1}, 4},
        {"flat tile 4 × 1",
         [&] { house.drawSolidFlatTile(4, 1, house.colorWhite); },
         {4, 0.4, 1},
         0},
        {"brick 1 × 8", [&] { house.drawSolidBrick(1, 8, house.colorWhite); }, {1, 1.4, 8}, 8},
        {"base plate 32 × 32",
         [&] { house.drawSolidBasePlate(32, 32, house.colorGreen); },
         {32, 0.6, 32},
         1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto polygons = captureFeedback(c.draw);
        EXPECT_EQ(polygons.size(), 12 + c.studs * 40);
        expectBounds(polygons, {0, 0, 0}, c.max);
        const auto expectedStuds =
            c.studs == 0 ? std::set<piece_probes::PointKey>{}
                         : studOnEveryCell(int(c.max[0]), int(c.max[2]), c.max[1] - 0.2);
        EXPECT_EQ(expectedStuds.size(), c.studs);
        EXPECT_EQ(studCentres(polygons, c.max[1]), expectedStuds);
    }
    const auto base = captureFeedback([&] { house.drawSolidBasePlate(32, 32, house.colorGreen); });
    const auto plate = captureFeedback([&] { house.drawSolidPlate(32, 32, house.colorGreen); });
    ASSERT_EQ(base.size(), plate.size());
    for (size_t i = 0; i < base.size(); ++i)
        for (size_t k = 0; k < base[i].vertices.size(); ++k)
            EXPECT_EQ(base[i].vertices[k].x, plate[i].vertices[k].x);
}

TEST_F(Primitives, RoundPiecesStackTheirCylindersOnTheCellCentre) {
    const auto brick = captureFeedback([&] { house.drawSolidRoundBrick(house.colorLightGrey); });
    EXPECT_EQ(brick.size(), 3 * 40u);
    // The body reaches the cell's edges: its facet corner at angle 0 is at x = 1.0 and the
    // one at half a turn at x = 0.0.
    expectBounds(brick, {0, 0, 0.5 - 0.5 * std::sin(2 * 0.62831853)},
                 {1, 1.4, 0.5 + 0.5 * std::sin(2 * 0.62831853)});
    EXPECT_EQ(studCentres(brick, 1.4), studOnEveryCell(1, 1, 1.2));
    // The base cylinder stays 0.1 inside the cell.
    double baseMinX = 1;
    for (const auto& polygon : brick)
        for (const auto& v : polygon.vertices)
            if (v.y < 0.2 - kTolerance) baseMinX = std::min(baseMinX, v.x);
    EXPECT_NEAR(baseMinX, 0.1, kTolerance);

    const auto plate = captureFeedback([&] { house.drawSolidRoundPlate(house.colorGreen); });
    EXPECT_EQ(plate.size(), 3 * 40u);
    EXPECT_NEAR(boundsOf(plate).max[1], 0.6, kTolerance);
}

TEST_F(Primitives, PiecesRestoreTheStackAndLeaveTheirColourCurrent) {
    const BrikColor red = house.colorRed;
    // clang-format off
    const std::pair<const char*, std::function<void()>> pieces[] = {
        {"cube", [&] { house.drawSolidCube(2, 2, 1.2, red, 0); }},
        {"plate", [&] { house.drawSolidPlate(2, 2, red); }},
        {"flat tile", [&] { house.drawSolidFlatTile(2, 2, red); }},
        {"brick", [&] { house.drawSolidBrick(2, 2, red); }},
        {"round plate", [&] { house.drawSolidRoundPlate(red); }},
        {"round brick", [&] { house.drawSolidRoundBrick(red); }},
    };
    // clang-format on
    for (const auto& [name, draw] : pieces) {
        SCOPED_TRACE(name);
        glColor3d(0, 0, 1);
        const int depth = modelviewDepth();
        GLdouble before[16], after[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, before);
        draw();
        glGetDoublev(GL_MODELVIEW_MATRIX, after);
        EXPECT_EQ(modelviewDepth(), depth);
        for (int i = 0; i < 16; ++i) EXPECT_EQ(before[i], after[i]);
        const auto colour = currentColour();
        EXPECT_FLOAT_EQ(colour[0], float(196 / 255.0));
        EXPECT_FLOAT_EQ(colour[1], float(40 / 255.0));
        EXPECT_FLOAT_EQ(colour[2], float(27 / 255.0));
    }
    // A stud sets no colour of its own.
    glColor3d(0, 0, 1);
    house.drawSolidRound(0.2, 0.3);
    EXPECT_FLOAT_EQ(currentColour()[2], 1.0f);
}
