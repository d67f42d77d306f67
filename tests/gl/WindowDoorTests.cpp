// The window and the door, read back through GL feedback: their 4 × 1 footprint at every
// angle, the palette colours of their parts, and the matrix they leave to their caller.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/BrikVantaHouse.h"
#include "support/PieceProbes.h"

namespace window_door_test {
namespace {
using namespace piece_probes;

constexpr double kTolerance = 1e-3;
constexpr int kAngles[] = {0, 90, 180, 270, 45, 360, -90};
const std::vector<int> kTurningAngles{90, 180, 270};
constexpr double kWidth = 4;
constexpr double kDepth = 1;
const Rgba kGlass{0.89, 0.97, 1.0, 0.6};

class WindowAndDoor : public ::testing::Test {
protected:
    void SetUp() override { ensureGlContext(); }
    BrikVantaHouse house;
};

TEST_F(WindowAndDoor, WindowIsADarkFrameWithTwoWhiteSashesAtEveryAngle) {
    const auto darkGrey = rgbaOf(house.colorDarkGrey);
    const auto white = rgbaOf(house.colorWhite);
    std::vector<Stud> topStuds;
    for (int i = 0; i < 4; ++i) topStuds.push_back({{i + 0.5, 3.6, 0.5}, {0, 1, 0}});
    // Top plate, sill, two posts; five boxes per sash.
    const double frameVolume = 1.6 + 1.6 + 2 * 0.4 * 2.8;
    const double sashVolume = 2 * 0.2 * 2.8 * 0.2 + 3 * 1.2 * 0.2 * 0.2;

    for (int angle : kAngles) {
        SCOPED_TRACE("window at " + std::to_string(angle));
        const int turn = effectiveTurn(angle, kTurningAngles);
        const Drawn drawn = drawPiece([&] { house.drawSolidWindow(angle); });

        expectBounds(turnedBounds({{0, 0, 0}, {4, 3.8, 1}}, turn, kWidth, kDepth),
                     boundsOf(drawn.polygons), kTolerance);
        expectStuds(topStuds, turn, kWidth, kDepth, drawn.polygons, kTolerance);
        EXPECT_EQ(std::size_t(14 * kBoxTriangles + 4 * kStudTriangles), drawn.polygons.size());
        const double volume = frameVolume + 2 * sashVolume + 4 * kStudVolume;
        expectEnclosedVolume(drawn.polygons, volume, 2e-3, {0, 0, 0}, {-6.2, 9.7, 3.4});

        const Polygons frame = colouredAs(drawn.polygons, darkGrey);
        const Polygons sashes = colouredAs(drawn.polygons, white);
        EXPECT_EQ(std::size_t(4 * kBoxTriangles + 4 * kStudTriangles), frame.size())
            << "dark-grey triangles";
        EXPECT_EQ(std::size_t(10 * kBoxTriangles), sashes.size()) << "white triangles";
        expectBounds(turnedBounds({{0, 0, 0}, {4, 3.8, 1}}, turn, kWidth, kDepth), boundsOf(frame),
                     kTolerance);
        expectBounds(turnedBounds({{0.4, 0.4, 0}, {3.6, 3.2, 0.2}}, turn, kWidth, kDepth),
                     boundsOf(sashes), kTolerance);

        expectLeavesState(drawn, white, turnThenOffset(turn, kWidth, kDepth, {2.0, 0.4, 0}));
    }
}

TEST_F(WindowAndDoor, DoorIsALightGreyFrameWithTranslucentGlassAtEveryAngle) {
    const auto lightGrey = rgbaOf(house.colorLightGrey);
    // The pivot disc is a ten-sided prism of radius 0.5 under the first unit: its widest
    // points across z are at 72° and 108°, short of the cell's edges.
    const double discHalfWidth = 0.5 * std::sin(2 * kPi / 5);
    const double frameVolume = 2 * 0.4 * 5.8 * 0.4 + 2 * 3.2 * 0.4 * 0.4 + 2 * 0.6 * 0.6 * 0.2;
    const double glassVolume = 3.2 * 5.0 * 0.2;

    for (int angle : kAngles) {
        SCOPED_TRACE("door at " + std::to_string(angle));
        const int turn = effectiveTurn(angle, kTurningAngles);
        const Drawn drawn = drawPiece([&] { house.drawSolidDoor(angle); });

        expectBounds(turnedBounds({{0, 0, 0.5 - discHalfWidth}, {4, 6, 0.5 + discHalfWidth}}, turn,
                                  kWidth, kDepth),
                     boundsOf(drawn.polygons), kTolerance);
        expectStuds({}, turn, kWidth, kDepth, drawn.polygons, kTolerance);
        EXPECT_EQ(std::size_t(7 * kBoxTriangles + kStudTriangles), drawn.polygons.size());
        const double volume = frameVolume + glassVolume + cylinderVolume(0.2, 0.5);
        expectEnclosedVolume(drawn.polygons, volume, 2e-3, {0, 0, 0}, {8.8, -3.9, -5.1});

        const Polygons frame = colouredAs(drawn.polygons, lightGrey);
        const Polygons glass = colouredAs(drawn.polygons, kGlass);
        EXPECT_EQ(std::size_t(6 * kBoxTriangles + kStudTriangles), frame.size())
            << "light-grey triangles";
        EXPECT_EQ(std::size_t(kBoxTriangles), glass.size()) << "glass triangles with alpha 0.6";
        expectBounds(turnedBounds({{0.4, 0.6, 0.4}, {3.6, 5.6, 0.6}}, turn, kWidth, kDepth),
                     boundsOf(glass), kTolerance);

        expectLeavesState(drawn, kGlass, turnThenOffset(turn, kWidth, kDepth, {0, 0, 0}));
    }
}

TEST_F(WindowAndDoor, DoorHandlesStandProudOfBothFaces) {
    const Drawn drawn = drawPiece([&] { house.drawSolidDoor(0); });
    const Polygons handles = polygonsWhere(drawn.polygons, [](const FeedbackVertex& v) {
        return v.y > 2.8 - kTolerance && v.y < 3.4 + kTolerance && v.x > 3.2 - kTolerance;
    });
    ASSERT_EQ(std::size_t(2 * kBoxTriangles), handles.size());
    expectBounds({{3.2, 2.8, 0.1}, {3.8, 3.4, 0.9}}, boundsOf(handles), kTolerance);
}

}  // namespace
}  // namespace window_door_test
