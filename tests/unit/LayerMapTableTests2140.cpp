// Layer maps 21-40 as data: expanded through visitPlacements and checked against the facts the
// house's shape depends on (roof rows, gutter, chimneys, ridge, garden pieces). A mistyped
// row breaks a count, a contiguity or a stacking height here.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "model/maps/LayerMaps.h"

namespace {
constexpr double kTolerance = 1e-9;

struct Collected {
    std::vector<PlacementInstance> placements;
    std::vector<const Placement*> groupOrigins;
    std::vector<std::string> rowsOutsideTheirGroup;  // lettered rows drawn from the house frame
};

class CollectingVisitor : public PlacementVisitor {
public:
    explicit CollectingVisitor(Collected& into) : collected(into) {}
    void openGroup(const Placement& origin) override {
        collected.groupOrigins.push_back(&origin);
        inGroup = true;
    }
    void place(const PlacementInstance& placement) override {
        const char* label = placement.row->row;
        const bool lettered = std::strpbrk(label, "abcdefghijklmnopqrstuvwxyz") != nullptr;
        if (lettered != inGroup) collected.rowsOutsideTheirGroup.push_back(label);
        collected.placements.push_back(placement);
    }
    void closeGroup() override { inGroup = false; }

private:
    Collected& collected;
    bool inGroup = false;
};

Collected collect(int mapNumber) {
    Collected collected;
    CollectingVisitor visitor(collected);
    visitPlacements(layerMap(mapNumber), visitor);
    return collected;
}

std::vector<PlacementInstance> placementsOf(int mapNumber) { return collect(mapNumber).placements; }

std::vector<PlacementInstance> select(const std::vector<PlacementInstance>& placements,
                                      const std::function<bool(const PlacementInstance&)>& keep) {
    std::vector<PlacementInstance> kept;
    std::copy_if(placements.begin(), placements.end(), std::back_inserter(kept), keep);
    return kept;
}

bool near(double a, double b) { return std::fabs(a - b) < kTolerance; }

bool isRedRoofTile(const PlacementInstance& p, double angle) {
    return p.row->piece == PieceKind::RoofTile && p.colour == PaletteColour::Red &&
           near(p.row->arguments[1], angle);
}

bool isChimneyBrick(const PlacementInstance& p) {
    return p.row->piece == PieceKind::Brick && p.colour == PaletteColour::White &&
           near(p.houseX, 20) && near(p.houseZ, 14) && near(p.row->arguments[0], 2) &&
           near(p.row->arguments[1], 2);
}

struct Span {
    double start, length;
};

// The spans must tile [from, to] without gap or overlap, in any order.
::testing::AssertionResult coversExactly(std::vector<Span> spans, double from, double to) {
    if (spans.empty()) return ::testing::AssertionFailure() << "no pieces";
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.start < b.start; });
    double reached = from;
    for (const Span& span : spans) {
        if (!near(span.start, reached)) {
            return ::testing::AssertionFailure() << "a piece starts at " << span.start
                                                 << " where the previous ends at " << reached;
        }
        reached = span.start + span.length;
    }
    if (!near(reached, to)) {
        return ::testing::AssertionFailure() << "pieces end at " << reached << ", expected " << to;
    }
    return ::testing::AssertionSuccess();
}

// A roof tile is 2 wide across its slope and `length` along it; the slope faces ±x at 0 and
// 180, ±z at 90 and 270.
Span roofSpanAlongZ(const PlacementInstance& p) { return {p.houseZ, p.row->arguments[0]}; }
Span roofSpanAlongX(const PlacementInstance& p) { return {p.houseX, p.row->arguments[0]}; }
}  // namespace

TEST(LayerMapTables21to40, PlacementCountsPerMap) {
    // Expanded placements; group origins are not placements.
    const int expected[20] = {8,  12, 14, 16, 13, 11, 18, 6,  16, 17,
                              13, 6,  10, 9,  10, 5,  7,  10, 3,  13};
    const int expectedGroups[20] = {0, 2, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    for (int map = 21; map <= 40; ++map) {
        const Collected collected = collect(map);
        EXPECT_EQ(static_cast<int>(collected.placements.size()), expected[map - 21])
            << "map " << map;
        EXPECT_EQ(static_cast<int>(collected.groupOrigins.size()), expectedGroups[map - 21])
            << "map " << map;
    }
}

TEST(LayerMapTables21to40, EveryLetteredRowIsDrawnInsideItsGroup) {
    for (int map = 21; map <= 40; ++map) {
        const Collected collected = collect(map);
        for (const std::string& row : collected.rowsOutsideTheirGroup) {
            ADD_FAILURE() << "map " << map << ", row " << row << " is not inside its group";
        }
    }
}

TEST(LayerMapTables21to40, EveryPlacementStandsOnOrAboveTheBasePlate) {
    for (int map = 21; map <= 40; ++map) {
        for (const PlacementInstance& p : placementsOf(map)) {
            EXPECT_TRUE(p.houseX >= 0 && p.houseX < 32 && p.houseZ >= 0 && p.houseZ < 32)
                << "map " << map << ", row " << p.row->row << " at x " << p.houseX << ", z "
                << p.houseZ;
            EXPECT_GE(p.houseY, 0.4 - kTolerance) << "map " << map << ", row " << p.row->row;
            EXPECT_NE(p.colour, PaletteColour::ByParity) << "map " << map << ", row " << p.row->row;
        }
    }
}

TEST(LayerMapTables21to40, OnlyFenceAndMailboxUseTheirOwnColours) {
    for (int map = 21; map <= 40; ++map) {
        for (const PlacementInstance& p : placementsOf(map)) {
            const bool ownColours =
                p.row->piece == PieceKind::Fence || p.row->piece == PieceKind::MailBox;
            EXPECT_EQ(p.colour == PaletteColour::OwnColours, ownColours)
                << "map " << map << ", row " << p.row->row << " (" << pieceName(p.row->piece)
                << ")";
        }
    }
    EXPECT_EQ(select(placementsOf(34),
                     [](const PlacementInstance& p) { return p.row->piece == PieceKind::Fence; })
                  .size(),
              6u);
    EXPECT_EQ(select(placementsOf(35),
                     [](const PlacementInstance& p) { return p.row->piece == PieceKind::MailBox; })
                  .size(),
              1u);
}

TEST(LayerMapTables21to40, BlackTanAndLimeOnlyWhereThePaletteNamesThem) {
    // Black: map 28's two inner bricks, the wing chimney cap (31), the main cap (33), the
    // bench's feet (35) and seat (38). Tan: the hut floor (35). Lime: two crown bricks (40).
    int black[41] = {}, tan[41] = {}, lime[41] = {};
    for (int map = 21; map <= 40; ++map) {
        for (const PlacementInstance& p : placementsOf(map)) {
            black[map] += p.colour == PaletteColour::Black;
            tan[map] += p.colour == PaletteColour::Tan;
            lime[map] += p.colour == PaletteColour::Lime;
        }
    }
    for (int map = 21; map <= 40; ++map) {
        const int expectedBlack = map == 28 || map == 31 || map == 38 ? 2
                                  : map == 33                         ? 8
                                  : map == 35                         ? 4
                                                                      : 0;
        EXPECT_EQ(black[map], expectedBlack) << "map " << map;
        EXPECT_EQ(tan[map], map == 35 ? 1 : 0) << "map " << map;
        EXPECT_EQ(lime[map], map == 40 ? 2 : 0) << "map " << map;
    }
}

TEST(LayerMapTables21to40, MainRoofRowsStepOneInwardsAndOneBrickUp) {
    // Row i: left eave (angle 0) at x 18 + i, right eave (angle 180) at x 30 - i, y 12 + 1.2 i;
    // each side covers z 10-22, the chimney brick filling the gap in the left slope.
    const std::vector<std::vector<int>> rows = {{22, 23}, {24}, {27}, {29}, {30}, {31}};
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const double y = 12 + 1.2 * i;
        std::vector<Span> left, right;
        for (int map : rows[i]) {
            for (const PlacementInstance& p : placementsOf(map)) {
                if (isRedRoofTile(p, 0) && p.houseX > 16) {
                    EXPECT_NEAR(p.houseX, 18 + i, kTolerance)
                        << "map " << map << ", row " << p.row->row;
                    EXPECT_NEAR(p.houseY, y, kTolerance) << "map " << map << ", row " << p.row->row;
                    left.push_back(roofSpanAlongZ(p));
                } else if (isRedRoofTile(p, 180) && p.houseX > 16) {
                    EXPECT_NEAR(p.houseX, 30 - i, kTolerance)
                        << "map " << map << ", row " << p.row->row;
                    EXPECT_NEAR(p.houseY, y, kTolerance) << "map " << map << ", row " << p.row->row;
                    right.push_back(roofSpanAlongZ(p));
                } else if (isChimneyBrick(p) && near(p.houseY, y) && 18 + i < 22) {
                    // The chimney (x 20-22) stands in the slope only while the slope reaches it.
                    left.push_back({p.houseZ, 2});
                }
            }
        }
        EXPECT_TRUE(coversExactly(left, 10, 22)) << "left slope, row " << i + 1;
        EXPECT_TRUE(coversExactly(right, 10, 22)) << "right slope, row " << i + 1;
    }
}

TEST(LayerMapTables21to40, WingRoofRowsStepOneInwardsAndOneBrickUp) {
    // Row i: back slope (angle 270) at z 1 + i, front slope (angle 90) at z 11 - i,
    // y 8.4 + 1.2 i; each covers x 1-15. The top row's slopes thus meet at z 7 (5 + 2).
    const int rows[5] = {23, 24, 27, 29, 30};
    for (int i = 0; i < 5; ++i) {
        const int map = rows[i];
        std::vector<Span> back, front;
        for (const PlacementInstance& p : placementsOf(map)) {
            const bool onWing = p.houseX < 16;
            if (isRedRoofTile(p, 270) && onWing) {
                EXPECT_NEAR(p.houseZ, 1 + i, kTolerance) << "map " << map << ", row " << p.row->row;
                EXPECT_NEAR(p.houseY, 8.4 + 1.2 * i, kTolerance)
                    << "map " << map << ", row " << p.row->row;
                back.push_back(roofSpanAlongX(p));
            } else if (isRedRoofTile(p, 90) && onWing) {
                EXPECT_NEAR(p.houseZ, 11 - i, kTolerance)
                    << "map " << map << ", row " << p.row->row;
                EXPECT_NEAR(p.houseY, 8.4 + 1.2 * i, kTolerance)
                    << "map " << map << ", row " << p.row->row;
                front.push_back(roofSpanAlongX(p));
            }
        }
        EXPECT_TRUE(coversExactly(back, 1, 15)) << "back slope, map " << map;
        EXPECT_TRUE(coversExactly(front, 1, 15)) << "front slope, map " << map;
    }
}

TEST(LayerMapTables21to40, GutterRunsUnbrokenBelowBothMainEaves) {
    std::vector<Span> left, right;
    for (int map : {22, 23}) {
        for (const PlacementInstance& p : placementsOf(map)) {
            if (p.row->piece != PieceKind::PlateWithSlide) continue;
            EXPECT_EQ(p.colour, PaletteColour::LightGrey)
                << "map " << map << ", row " << p.row->row;
            EXPECT_NEAR(p.houseY, 11.6, kTolerance) << "map " << map << ", row " << p.row->row;
            const Span span{p.houseZ, p.row->arguments[1]};  // arguments: angle, length
            if (near(p.row->arguments[0], 0)) {
                EXPECT_NEAR(p.houseX, 17.55, kTolerance) << "map " << map << ", row " << p.row->row;
                left.push_back(span);
            } else {
                EXPECT_NEAR(p.row->arguments[0], 180, kTolerance)
                    << "map " << map << ", row " << p.row->row;
                EXPECT_NEAR(p.houseX, 31, kTolerance) << "map " << map << ", row " << p.row->row;
                right.push_back(span);
            }
        }
    }
    EXPECT_EQ(left.size(), 3u);
    EXPECT_EQ(right.size(), 3u);
    EXPECT_TRUE(coversExactly(left, 10, 22)) << "left gutter";
    EXPECT_TRUE(coversExactly(right, 10, 22)) << "right gutter";
}

TEST(LayerMapTables21to40, GableVentGrillesStandUprightAtAndAboveTheGroupOrigin) {
    const Collected map27 = collect(27);
    ASSERT_EQ(map27.groupOrigins.size(), 1u);
    const Placement& origin = *map27.groupOrigins[0];
    EXPECT_DOUBLE_EQ(origin.x.first, 1.6);
    EXPECT_DOUBLE_EQ(origin.y.first, 10);
    EXPECT_DOUBLE_EQ(origin.z.first, 6);

    const auto grilles = select(map27.placements, [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::RadiatorGrile;
    });
    ASSERT_EQ(grilles.size(), 2u);
    for (const PlacementInstance& grille : grilles) {
        EXPECT_EQ(grille.row->rotation.axis, 'z') << "row " << grille.row->row;
        EXPECT_DOUBLE_EQ(grille.row->rotation.degrees, 90) << "row " << grille.row->row;
        EXPECT_DOUBLE_EQ(grille.x, 0) << "row " << grille.row->row;
        EXPECT_DOUBLE_EQ(grille.z, 0) << "row " << grille.row->row;
    }
    EXPECT_STREQ(grilles[0].row->row, "1b");
    EXPECT_DOUBLE_EQ(grilles[0].houseY, 11);  // one above the origin
    EXPECT_STREQ(grilles[1].row->row, "1c");
    EXPECT_DOUBLE_EQ(grilles[1].houseY, 10);  // no offset of its own

    // No other row of maps 21-40 turns.
    for (int map = 21; map <= 40; ++map) {
        for (const PlacementInstance& p : placementsOf(map)) {
            if (p.row->piece == PieceKind::RadiatorGrile) continue;
            EXPECT_EQ(p.row->rotation.axis, 0) << "map " << map << ", row " << p.row->row;
        }
    }
}

TEST(LayerMapTables21to40, MainChimneyIsAColumnOfBricksUnderABlackCap) {
    const int maps[5] = {27, 29, 30, 31, 32};
    for (int i = 0; i < 5; ++i) {
        const auto bricks = select(placementsOf(maps[i]), isChimneyBrick);
        ASSERT_EQ(bricks.size(), 1u) << "map " << maps[i];
        EXPECT_NEAR(bricks[0].houseY, 14.4 + 1.2 * i, kTolerance) << "map " << maps[i];
    }
    // The cap: round plates on each of the four cells x 20-21, z 14-15, at y 20.4 and 20.8.
    const auto cap = select(placementsOf(33), [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::RoundPlate;
    });
    ASSERT_EQ(cap.size(), 8u);
    for (double x : {20, 21}) {
        for (double z : {14, 15}) {
            for (double y : {20.4, 20.8}) {
                const auto found =
                    std::count_if(cap.begin(), cap.end(), [&](const PlacementInstance& p) {
                        return near(p.houseX, x) && near(p.houseZ, z) && near(p.houseY, y) &&
                               p.colour == PaletteColour::Black;
                    });
                EXPECT_EQ(found, 1) << "cap plate at x " << x << ", y " << y << ", z " << z;
            }
        }
    }
}

TEST(LayerMapTables21to40, WingChimneyStandsOnTheRidgeWithItsCap) {
    const auto map31 = placementsOf(31);
    const auto stack = select(map31, [](const PlacementInstance& p) {
        return p.houseX >= 12 && p.houseX < 14 && near(p.houseZ, 6);
    });
    ASSERT_EQ(stack.size(), 4u);
    // The brick sits on the wing's top row (y 13.2 + 1.2), the plate on the brick, and the two
    // round plates on the plate's second stud.
    EXPECT_EQ(stack[0].row->piece, PieceKind::Brick);
    EXPECT_NEAR(stack[0].houseY, 14.4, kTolerance);
    EXPECT_EQ(stack[1].row->piece, PieceKind::Plate);
    EXPECT_NEAR(stack[1].houseY, 15.6, kTolerance);
    for (int i = 2; i < 4; ++i) {
        EXPECT_EQ(stack[i].row->piece, PieceKind::RoundPlate);
        EXPECT_NEAR(stack[i].houseX, 13, kTolerance);
        EXPECT_NEAR(stack[i].houseY, 15.6 + 0.4 * (i - 1), kTolerance);
    }
}

TEST(LayerMapTables21to40, MainRidgeIsEndFourTwoFourEndOnItsBearers) {
    const auto ridge = select(placementsOf(32), [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::RidgedTile || p.row->piece == PieceKind::EndRidgedTile;
    });
    ASSERT_EQ(ridge.size(), 5u);
    const double lengths[5] = {1, 4, 2, 4, 1};
    double z = 10;
    for (int i = 0; i < 5; ++i) {
        const PlacementInstance& p = ridge[i];
        const bool end = i == 0 || i == 4;
        EXPECT_EQ(p.row->piece, end ? PieceKind::EndRidgedTile : PieceKind::RidgedTile)
            << "piece " << i;
        if (!end) {
            EXPECT_DOUBLE_EQ(p.row->arguments[0], lengths[i]) << "piece " << i;
        }
        EXPECT_NEAR(p.houseX, 24, kTolerance) << "piece " << i;
        EXPECT_NEAR(p.houseY, 19.2, kTolerance) << "piece " << i;  // on the top row, y 18
        EXPECT_NEAR(p.houseZ, z, kTolerance) << "piece " << i;
        z += lengths[i];
    }
    EXPECT_DOUBLE_EQ(ridge[0].row->arguments[0], 0);  // the ends face away from each other
    EXPECT_DOUBLE_EQ(ridge[4].row->arguments[0], 180);

    // The bearers of map 30 carry it over z 11-21.
    std::vector<Span> bearers;
    for (const PlacementInstance& p : placementsOf(30)) {
        if (p.row->piece == PieceKind::Brick && near(p.houseX, 24)) {
            bearers.push_back({p.houseZ, p.row->arguments[1]});
        }
    }
    EXPECT_TRUE(coversExactly(bearers, 11, 21)) << "ridge bearers";
}

TEST(LayerMapTables21to40, FenceRunsFromItsCornerPost) {
    // The corner post: 1 × 1 bricks at x 16, z 26, y 0.8 and 2.
    const auto post = select(placementsOf(33), [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::Brick && near(p.houseX, 16) && near(p.houseZ, 26);
    });
    const auto postTop = select(placementsOf(34), [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::Brick && near(p.houseX, 16) && near(p.houseZ, 26);
    });
    ASSERT_EQ(post.size(), 1u);
    ASSERT_EQ(postTop.size(), 1u);
    EXPECT_NEAR(post[0].houseY, 0.8, kTolerance);
    EXPECT_NEAR(postTop[0].houseY, post[0].houseY + 1.2, kTolerance);

    // Sections are 4 long: one from the post along +x, five along x 16 reaching the post at z 26.
    std::vector<Span> alongZ;
    for (const PlacementInstance& p : placementsOf(34)) {
        if (p.row->piece != PieceKind::Fence) continue;
        EXPECT_NEAR(p.houseY, 0.8, kTolerance) << "row " << p.row->row;
        if (near(p.row->arguments[0], 0)) {
            EXPECT_NEAR(p.houseX, 17, kTolerance);
            EXPECT_NEAR(p.houseZ, 26, kTolerance);
        } else {
            EXPECT_DOUBLE_EQ(p.row->arguments[0], 90) << "row " << p.row->row;
            EXPECT_NEAR(p.houseX, 16, kTolerance) << "row " << p.row->row;
            alongZ.push_back({p.houseZ, 4});
        }
    }
    EXPECT_TRUE(coversExactly(alongZ, 6, 26)) << "fence along x 16";
}

TEST(LayerMapTables21to40, MailboxStandsOnItsTwoLevelPost) {
    const auto back = select(placementsOf(33), [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::Brick && near(p.houseX, 21) && near(p.houseZ, 25);
    });
    const auto front = select(placementsOf(34), [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::WallCorner;
    });
    const auto mailbox = select(placementsOf(35), [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::MailBox;
    });
    ASSERT_EQ(back.size(), 1u);
    ASSERT_EQ(front.size(), 2u);
    ASSERT_EQ(mailbox.size(), 1u);
    EXPECT_NEAR(back[0].houseY, 1.6, kTolerance);
    for (const PlacementInstance& corner : front) {
        EXPECT_NEAR(corner.houseY, 1.6, kTolerance);
        EXPECT_NEAR(corner.houseZ, 26, kTolerance);
    }
    EXPECT_NEAR(mailbox[0].houseX, 21, kTolerance);
    EXPECT_NEAR(mailbox[0].houseZ, 25, kTolerance);
    EXPECT_NEAR(mailbox[0].houseY, back[0].houseY + 1.2, kTolerance);
}

TEST(LayerMapTables21to40, BenchSeatTilesLieOnHalfStudsOverTheFrontLegs) {
    const auto map38 = placementsOf(38);
    for (const PlacementInstance& p : map38) {
        const bool halfStud = std::fabs(p.houseZ - std::floor(p.houseZ) - 0.5) < kTolerance;
        EXPECT_EQ(halfStud, p.row->piece == PieceKind::FlatTile)
            << "row " << p.row->row << " z " << p.houseZ;
        EXPECT_DOUBLE_EQ(p.houseX, std::floor(p.houseX)) << "row " << p.row->row;
    }
    // Front legs (map 35): round bricks at z 20 ending at y 1.6, each capped by a 1 × 2 tile
    // over z 19.5-21.5; the black seat tiles lie on those caps.
    const auto legs = select(placementsOf(35), [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::RoundBrick;
    });
    ASSERT_EQ(legs.size(), 2u);
    for (const PlacementInstance& leg : legs) {
        const auto caps = select(map38, [&](const PlacementInstance& p) {
            return p.row->piece == PieceKind::FlatTile && p.colour == PaletteColour::LightGrey &&
                   near(p.houseX, leg.houseX);
        });
        ASSERT_EQ(caps.size(), 1u) << "leg at x " << leg.houseX;
        EXPECT_NEAR(caps[0].houseY, leg.houseY + 1.2, kTolerance);
        EXPECT_LT(caps[0].houseZ, leg.houseZ);
        EXPECT_GT(caps[0].houseZ + caps[0].row->arguments[1], leg.houseZ + 1);
    }
    const auto seat =
        select(map38, [](const PlacementInstance& p) { return p.colour == PaletteColour::Black; });
    ASSERT_EQ(seat.size(), 2u);
    EXPECT_TRUE(coversExactly({{seat[0].houseZ, 1}, {seat[1].houseZ, 1}}, 19.5, 21.5));
    for (const PlacementInstance& tile : seat) EXPECT_NEAR(tile.houseY, 2, kTolerance);
}

TEST(LayerMapTables21to40, TreeTrunkHangsBelowItsHalfStudGroupOrigin) {
    const Collected map40 = collect(40);
    ASSERT_EQ(map40.groupOrigins.size(), 1u);
    const Placement& origin = *map40.groupOrigins[0];
    EXPECT_DOUBLE_EQ(origin.x.first, 1.5);
    EXPECT_DOUBLE_EQ(origin.y.first, 4.4);
    EXPECT_DOUBLE_EQ(origin.z.first, 22.5);

    auto trunk = select(map40.placements, [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::RoundBrick;
    });
    ASSERT_EQ(trunk.size(), 3u);
    std::sort(
        trunk.begin(), trunk.end(),
        [](const PlacementInstance& a, const PlacementInstance& b) { return a.houseY < b.houseY; });
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(trunk[i].colour, PaletteColour::Brown);
        EXPECT_LT(trunk[i].y, 0) << "trunk brick " << i << " lies below the origin";
        EXPECT_NEAR(trunk[i].houseX, 2, kTolerance);  // back on the grid
        EXPECT_NEAR(trunk[i].houseZ, 23, kTolerance);
        EXPECT_NEAR(trunk[i].houseY, 0.8 + 1.2 * i, kTolerance);
    }
    EXPECT_NEAR(trunk[2].houseY + 1.2, origin.y.first, kTolerance);  // the top meets the origin

    // The lowest stands on map 35's brown base plate (y 0.4, x 1-3, z 23-26).
    const auto base = select(placementsOf(35), [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::Plate && p.colour == PaletteColour::Brown;
    });
    ASSERT_EQ(base.size(), 1u);
    EXPECT_NEAR(base[0].houseY + 0.4, trunk[0].houseY, kTolerance);
    EXPECT_TRUE(base[0].houseX <= 2 && 3 <= base[0].houseX + base[0].row->arguments[0]);
    EXPECT_TRUE(base[0].houseZ <= 23 && 24 <= base[0].houseZ + base[0].row->arguments[1]);

    const auto plate = select(map40.placements, [](const PlacementInstance& p) {
        return p.row->piece == PieceKind::Plate;
    });
    ASSERT_EQ(plate.size(), 1u);
    EXPECT_DOUBLE_EQ(plate[0].x, 0);
    EXPECT_DOUBLE_EQ(plate[0].y, 0);
    EXPECT_DOUBLE_EQ(plate[0].z, 0);
}

TEST(LayerMapTables21to40, TreeCrownTopTilesFaceAllFourSides) {
    std::vector<double> angles;
    for (const PlacementInstance& p : placementsOf(40)) {
        if (p.row->piece != PieceKind::RoofTile) continue;
        EXPECT_DOUBLE_EQ(p.row->arguments[0], 1) << "row " << p.row->row;
        EXPECT_NEAR(p.houseY, 4.4 + 2.8, kTolerance) << "row " << p.row->row;
        angles.push_back(p.row->arguments[1]);
    }
    std::sort(angles.begin(), angles.end());
    EXPECT_EQ(angles, (std::vector<double>{0, 90, 180, 270}));
}
