// The fence and the mailbox, read back through GL feedback: picket and segment counts,
// footprints at the one angle they recognise, colours and the matrix they leave behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/BrikVantaHouse.h"
#include "support/PieceProbes.h"

namespace fence_mailbox_test {
namespace {
using namespace piece_probes;

constexpr double kTolerance = 1e-3;
constexpr int kAngles[] = {0, 90, 180, 270, 45};
const std::vector<int> kTurningAngles{90};

class FenceAndMailBox : public ::testing::Test {
protected:
    void SetUp() override { ensureGlContext(); }
    BrikVantaHouse house;
};

TEST_F(FenceAndMailBox, FenceIsTwelveBlackBoxesTurnedOnlyAtNinety) {
    const auto black = rgbaOf(house.colorBlack);
    // Base, two rails, two posts, seven pickets.
    const double volume = 4 * 0.4 + 2 * 4 * 0.2 * 0.4 + 2 * 0.2 * 1.6 * 0.4 + 7 * 0.05 * 1.6 * 0.4;
    for (int angle : kAngles) {
        SCOPED_TRACE("fence at " + std::to_string(angle));
        const int turn = effectiveTurn(angle, kTurningAngles);
        const Drawn drawn = drawPiece([&] { house.drawSolidFence(angle); });

        expectBounds(turnedBounds({{0, 0, 0}, {4, 2.4, 1}}, turn, 4, 1), boundsOf(drawn.polygons),
                     kTolerance);
        EXPECT_EQ(std::size_t(12 * kBoxTriangles), drawn.polygons.size());
        expectEnclosedVolume(drawn.polygons, volume, 1e-3, {0, 0, 0}, {5.3, -2.2, 7.6});

        EXPECT_EQ(drawn.polygons.size(), colouredAs(drawn.polygons, black).size())
            << "triangles in black";
        expectLeavesState(drawn, black, turnThenOffset(turn, 4, 1, {0.2, 0.6, 0.3}));
    }
}

TEST_F(FenceAndMailBox, FenceHasSevenPicketsInEightEqualGaps) {
    const Drawn drawn = drawPiece([&] { house.drawSolidFence(0); });
    // Pickets are the only boxes strictly between the posts.
    const Polygons pickets = polygonsWhere(drawn.polygons, [](const FeedbackVertex& v) {
        return v.x > 0.2 + kTolerance && v.x < 3.8 - kTolerance;
    });
    ASSERT_EQ(std::size_t(7 * kBoxTriangles), pickets.size()) << "seven pickets";
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE("picket " + std::to_string(k));
        const double centre = 0.2 + 0.45 * k;
        const Polygons picket = polygonsWhere(
            pickets, [&](const FeedbackVertex& v) { return std::fabs(v.x - centre) < 0.1; });
        ASSERT_EQ(std::size_t(kBoxTriangles), picket.size());
        expectBounds({{centre - 0.025, 0.6, 0.3}, {centre + 0.025, 2.2, 0.7}}, boundsOf(picket),
                     kTolerance);
    }
    const Bounds all = boundsOf(pickets);
    EXPECT_NEAR(0.625, all.min[0], kTolerance) << "first picket";
    EXPECT_NEAR(3.375, all.max[0], kTolerance) << "last picket";
}

TEST_F(FenceAndMailBox, MailBoxIsYellowWithItsStudAndBlockTurnedOnlyAtNinety) {
    const auto yellow = rgbaOf(house.colorYellow);
    const double bodyVolume =
        15 * 0.5 * std::sin(kPi / 15) * 2;       // fifteen-segment half disc, 2 long
    const double blockVolume = (0.6 + 0.2) / 2;  // trapezoid side, 1 wide
    const double volume = kStudVolume + bodyVolume + blockVolume;
    for (int angle : kAngles) {
        SCOPED_TRACE("mailbox at " + std::to_string(angle));
        const int turn = effectiveTurn(angle, kTurningAngles);
        const Drawn drawn = drawPiece([&] { house.drawSolidMailBox(angle); });

        expectBounds({{0, 0, 0}, {2, 1.6, 2}}, boundsOf(drawn.polygons), kTolerance);
        expectStuds({{{1, 1, 0.5}, {0, 1, 0}}}, turn, 2, 2, drawn.polygons, kTolerance);
        EXPECT_EQ(std::size_t(kStudTriangles + 60 + 12), drawn.polygons.size());
        // The body's underside at y = 0 is open; references on that plane see it as flat
        // and so still measure the closed volume.
        expectEnclosedVolume(drawn.polygons, volume, 2e-3, {-3.1, 0, -2.3}, {5.7, 0, 6.9});

        // The top block is the only geometry above the crest over the back half.
        const Polygons backBlock = polygonsWhere(drawn.polygons, [&](const FeedbackVertex& v) {
            const double alongBody = turn == 90 ? v.x : v.z;
            return v.y > 1 - kTolerance && alongBody > 1 - kTolerance;
        });
        ASSERT_EQ(std::size_t(12), backBlock.size()) << "top block triangles";
        expectBounds(turnedBounds({{0.5, 1, 1}, {1.5, 1.6, 2}}, turn, 2, 2), boundsOf(backBlock),
                     kTolerance);

        EXPECT_EQ(drawn.polygons.size(), colouredAs(drawn.polygons, yellow).size())
            << "triangles in yellow";
        expectLeavesState(drawn, yellow, turnThenOffset(turn, 2, 2, {0, 0, 0}));
    }
}

TEST_F(FenceAndMailBox, MailBoxBodyHasFortyFivePolygonsOverExactlyHalfATurn) {
    const Drawn drawn = drawPiece([&] { house.drawSolidMailBox(0); });
    // Stud and block stand on the crest at y = 1; every body triangle reaches below it.
    Polygons body;
    for (const auto& polygon : drawn.polygons) {
        double lowest = polygon.vertices[0].y;
        for (const auto& v : polygon.vertices) lowest = std::min(lowest, v.y);
        if (lowest < 1 - kTolerance) body.push_back(polygon);
    }
    const Polygons frontCap =
        polygonsWhere(body, [](const FeedbackVertex& v) { return std::fabs(v.z) < kTolerance; });
    const Polygons backCap = polygonsWhere(
        body, [](const FeedbackVertex& v) { return std::fabs(v.z - 2) < kTolerance; });
    EXPECT_EQ(std::size_t(15), frontCap.size()) << "front cap wedges";
    EXPECT_EQ(std::size_t(15), backCap.size()) << "back cap wedges";
    EXPECT_EQ(std::size_t(2 * 15), body.size() - frontCap.size() - backCap.size())
        << "fifteen side facets, two each";

    // From angle 0 at (2, 0) to angle π at (0, 0), a sixteenth segment would dip to y = -0.2;
    // the highest vertices are the ends of the facet that spans the crest.
    expectBounds({{0, 0, 0}, {2, std::sin(7 * kPi / 15), 2}}, boundsOf(body), kTolerance);
}

}  // namespace
}  // namespace fence_mailbox_test
