// Layer maps as data: the shape of all forty tables (labels, ranges, arguments, colours) and
// their placement counts, then, by theme, the facts that a mistyped row would break: the ground
// and garden, closed wall courses, the round-brick column, the upright details, the roofs and
// gutter, the chimneys. Every check reads the expanded placements (placementsOf) and picks
// pieces out of them with select.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/maps/LayerMaps.h"

namespace {
constexpr double kTolerance = 1e-9;

// One expanded placement and the map it belongs to.
struct Instance : PlacementInstance {
    int map;
};

std::vector<Instance> placementsOf(int map) {
    std::vector<Instance> out;
    for (const PlacementInstance& placement : expandPlacements(layerMap(map)))
        out.push_back({placement, map});
    return out;
}

std::vector<Instance> placementsOfAllMaps() {
    std::vector<Instance> out;
    for (int map = 1; map <= kLayerMapCount; ++map) {
        const std::vector<Instance> some = placementsOf(map);
        out.insert(out.end(), some.begin(), some.end());
    }
    return out;
}

template <typename Keep>
std::vector<Instance> select(const std::vector<Instance>& all, Keep keep) {
    std::vector<Instance> kept;
    std::copy_if(all.begin(), all.end(), std::back_inserter(kept), keep);
    return kept;
}

std::vector<Instance> piecesOfKind(const std::vector<Instance>& all, PieceKind piece) {
    return select(all, [piece](const Instance& p) { return p.row->piece == piece; });
}

// The placement drawn from the row labelled `label`; a failure when there is none.
const Instance* rowLabelled(const std::vector<Instance>& all, const char* label) {
    for (const Instance& p : all)
        if (std::strcmp(p.row->row, label) == 0) return &p;
    ADD_FAILURE() << "no row " << label;
    return nullptr;
}

// The group origin rows of a table, in order.
std::vector<const Placement*> groupOriginsOf(int map) {
    std::vector<const Placement*> out;
    const PlacementTable& table = layerMap(map);
    for (int i = 0; i < table.rowCount; ++i)
        if (table.rows[i].piece == PieceKind::GroupOrigin) out.push_back(&table.rows[i]);
    return out;
}

std::string where(const Instance& p) {
    return "map " + std::to_string(p.map) + " row " + p.row->row + " at (" +
           std::to_string(p.houseX) + ", " + std::to_string(p.houseY) + ", " +
           std::to_string(p.houseZ) + ")";
}

bool near(double a, double b) { return std::fabs(a - b) < kTolerance; }
bool isQuarterTurn(double angle) {
    return angle == 0 || angle == 90 || angle == 180 || angle == 270;
}
bool isWholeNumber(double value) { return near(value, std::round(value)); }

bool isRedRoofTile(const Instance& p, double angle) {
    return p.row->piece == PieceKind::RoofTile && p.colour == PaletteColour::Red &&
           near(p.row->arguments[1], angle);
}

bool isChimneyBrick(const Instance& p) {
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
Span roofSpanAlongZ(const Instance& p) { return {p.houseZ, p.row->arguments[0]}; }
Span roofSpanAlongX(const Instance& p) { return {p.houseX, p.row->arguments[0]}; }

// Height of an unturned piece above its placement point.
double heightOf(PieceKind piece) {
    switch (piece) {
        case PieceKind::Plate:
        case PieceKind::FlatTile:
        case PieceKind::RoundPlate:
        case PieceKind::CornerPlate:
        case PieceKind::RadiatorGrile: return 0.4;
        case PieceKind::Window: return 3.6;
        case PieceKind::Door: return 6.0;
        default: return 1.2;
    }
}

using Cell = std::pair<int, int>;  // (x, z) of a 1 x 1 stud cell

// The stud cells a piece not turned about x or z covers; the pieces not listed take one cell.
std::vector<Cell> footprintOf(const Instance& instance) {
    const Placement& row = *instance.row;
    const int x = static_cast<int>(std::lround(instance.houseX));
    const int z = static_cast<int>(std::lround(instance.houseZ));
    const double angle = row.arguments[0];
    const bool across = angle == 90 || angle == 270;  // footprint turned a quarter
    int sizeX = 1;
    int sizeZ = 1;
    switch (row.piece) {
        case PieceKind::Plate:
        case PieceKind::FlatTile:
        case PieceKind::Brick:
            sizeX = static_cast<int>(row.arguments[0]);
            sizeZ = static_cast<int>(row.arguments[1]);
            break;
        case PieceKind::CornerPlate:
        case PieceKind::CornerBrick: {
            // Three cells of a 2 x 2 square; the missing one depends on the angle.
            const Cell missing = angle == 90    ? Cell{1, 0}
                                 : angle == 180 ? Cell{0, 0}
                                 : angle == 270 ? Cell{0, 1}
                                                : Cell{1, 1};
            std::vector<Cell> cells;
            for (int i = 0; i < 2; ++i)
                for (int k = 0; k < 2; ++k)
                    if (Cell{i, k} != missing) cells.push_back({x + i, z + k});
            return cells;
        }
        case PieceKind::RadiatorGrile:
            sizeX = angle == 90 ? 2 : 1;
            sizeZ = angle == 90 ? 1 : 2;
            break;
        case PieceKind::RoofTile:
        case PieceKind::RoofTileInverted: {
            // Only the studded half, full brick height: the half that rests on what is below.
            const int length = static_cast<int>(row.arguments[0]);
            const double turn = row.arguments[1];
            std::vector<Cell> cells;
            for (int i = 0; i < length; ++i) {
                if (turn == 90)
                    cells.push_back({x + i, z});
                else if (turn == 180)
                    cells.push_back({x, z + length - 1 - i});
                else if (turn == 270)
                    cells.push_back({x + length - 1 - i, z + 1});
                else
                    cells.push_back({x + 1, z + i});
            }
            return cells;
        }
        case PieceKind::Window:
        case PieceKind::Door:
            sizeX = across ? 1 : 4;
            sizeZ = across ? 4 : 1;
            break;
        default: break;  // round pieces, angular brick and the rest: one cell
    }
    std::vector<Cell> cells;
    for (int i = 0; i < sizeX; ++i)
        for (int k = 0; k < sizeZ; ++k) cells.push_back({x + i, z + k});
    return cells;
}

bool footprintContains(const Instance& instance, Cell cell) {
    for (const Cell& c : footprintOf(instance))
        if (c == cell) return true;
    return false;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Shape of the tables

TEST(LayerMapShape, RowLabelsNumberRowsInOrderAndLetterRowsInsideTheirGroup) {
    for (int map = 1; map <= kLayerMapCount; ++map) {
        const PlacementTable& table = layerMap(map);
        ASSERT_GT(table.rowCount, 0) << "map " << map << " is empty";
        int number = 0;
        char letter = 0;  // last letter used in the open group, 0 when none is open
        bool groupOpen = false;
        for (int i = 0; i < table.rowCount; ++i) {
            const Placement& row = table.rows[i];
            const std::string label = row.row;
            SCOPED_TRACE("map " + std::to_string(map) + " row " + label);
            ASSERT_FALSE(label.empty());
            const char last = label.back();
            if (std::isdigit(static_cast<unsigned char>(last))) {
                EXPECT_TRUE(!groupOpen || letter != 0) << "a group origin without lettered rows";
                EXPECT_EQ(label, std::to_string(number + 1)) << "numbered rows count up by one";
                number = std::stoi(label);
                groupOpen = row.piece == PieceKind::GroupOrigin;
                letter = 0;
            } else {
                EXPECT_TRUE(groupOpen) << "a lettered row outside a group";
                EXPECT_EQ(label, std::to_string(number) +
                                     static_cast<char>(letter == 0 ? 'a' : letter + 1))
                    << "lettered rows follow their group row as a, b, c, ...";
                letter = last;
                EXPECT_NE(row.piece, PieceKind::GroupOrigin) << "groups do not nest";
            }
            if (row.piece == PieceKind::GroupOrigin) {
                EXPECT_EQ(row.x.step, 0);
                EXPECT_EQ(row.y.step, 0);
                EXPECT_EQ(row.z.step, 0);
                EXPECT_EQ(row.rotation.axis, 0);
            }
        }
        EXPECT_TRUE(!groupOpen || letter != 0) << "map " << map << " ends with an empty group";
    }
}

TEST(LayerMapShape, EveryRangeRunsAWholeNumberOfStepsAndEverySingleValueIsOne) {
    for (int map = 1; map <= kLayerMapCount; ++map) {
        const PlacementTable& table = layerMap(map);
        for (int i = 0; i < table.rowCount; ++i) {
            const Placement& row = table.rows[i];
            const Coordinate coordinates[3] = {row.x, row.y, row.z};
            for (int axis = 0; axis < 3; ++axis) {
                const Coordinate& c = coordinates[axis];
                SCOPED_TRACE("map " + std::to_string(map) + " row " + row.row + " axis " +
                             "xyz"[axis]);
                if (c.step == 0) {
                    EXPECT_EQ(c.first, c.last);
                    continue;
                }
                EXPECT_GT(c.step, 0);
                EXPECT_GT(c.last, c.first) << "a range of one value should be a single value";
                EXPECT_TRUE(isWholeNumber((c.last - c.first) / c.step))
                    << c.first << " to " << c.last << " is not a whole number of steps of "
                    << c.step;
            }
        }
    }
}

TEST(LayerMapShape, ArgumentsAndColoursFitTheirPiece) {
    for (int map = 1; map <= kLayerMapCount; ++map) {
        const PlacementTable& table = layerMap(map);
        for (int i = 0; i < table.rowCount; ++i) {
            const Placement& row = table.rows[i];
            SCOPED_TRACE("map " + std::to_string(map) + " row " + row.row + " " +
                         pieceName(row.piece));
            // What each argument means comes from the one list of piece kinds.
            const PieceKindInfo& kind = pieceKindInfo(row.piece);
            for (int k = 0; k < 2; ++k) {
                const double value = row.arguments[k];
                switch (kind.arguments[k]) {
                    case ArgumentRole::Unused: EXPECT_EQ(value, 0) << "argument " << k; break;
                    case ArgumentRole::Size:
                        EXPECT_TRUE(isWholeNumber(value) && value >= 1 && value <= 12)
                            << "size " << value;
                        if (row.piece == PieceKind::RoofTile ||
                            row.piece == PieceKind::RoofTileInverted) {
                            EXPECT_LE(value, 4) << "roof tiles come 1 to 4 long";
                        }
                        break;
                    case ArgumentRole::Angle:
                        EXPECT_TRUE(isQuarterTurn(value)) << "angle " << value;
                        break;
                }
            }
            const bool colouredByItself =
                row.piece == PieceKind::GroupOrigin || row.piece == PieceKind::Window ||
                row.piece == PieceKind::Door || row.piece == PieceKind::Fence ||
                row.piece == PieceKind::MailBox;
            EXPECT_EQ(row.colour == PaletteColour::OwnColours, colouredByItself);
            if (row.colour == PaletteColour::ByParity) {
                EXPECT_EQ(map, 6) << "only the stepping path is coloured by parity";
            }
        }
    }
}

TEST(LayerMapShape, VisitorDrawsEveryLetteredRowInsideItsGroup) {
    struct Visitor : PlacementVisitor {
        int groups = 0;
        bool inGroup = false;
        std::vector<std::string> outside;  // lettered rows drawn from the house frame, or not
        void openGroup(const Placement&) override {
            ++groups;
            inGroup = true;
        }
        void place(const PlacementInstance& placement) override {
            const char* label = placement.row->row;
            const bool lettered = std::strpbrk(label, "abcdefghijklmnopqrstuvwxyz") != nullptr;
            if (lettered != inGroup) outside.push_back(label);
        }
        void closeGroup() override { inGroup = false; }
    };
    for (int map = 1; map <= kLayerMapCount; ++map) {
        Visitor visitor;
        visitPlacements(layerMap(map), visitor);
        EXPECT_EQ(visitor.groups, static_cast<int>(groupOriginsOf(map).size())) << "map " << map;
        for (const std::string& row : visitor.outside)
            ADD_FAILURE() << "map " << map << ", row " << row << " is not inside its group";
    }
}

TEST(LayerMapShape, EveryPlacementStandsOnOrAboveTheBasePlateInAResolvedColour) {
    for (const Instance& p : placementsOfAllMaps()) {
        SCOPED_TRACE(where(p));
        EXPECT_TRUE(p.houseX >= 0 && p.houseX < 32 && p.houseZ >= 0 && p.houseZ < 32);
        EXPECT_GE(p.houseY, 0.4 - kTolerance);
        EXPECT_NE(p.colour, PaletteColour::ByParity);
        EXPECT_EQ(p.colour == PaletteColour::OwnColours,
                  p.row->colour == PaletteColour::OwnColours);
    }
}

TEST(LayerMapCounts, PlacementsPerMapCountLoopValuesButNotGroupOrigins) {
    // Expanded placements and group origins of maps 1-40, in map order.
    // clang-format off
    const int expected[kLayerMapCount] = {
        9,  7, 8,  19, 9,  47, 13, 20, 16, 18,  13, 9, 17, 5, 9,  15, 8, 12, 8, 10,
        8,  12, 14, 16, 13, 11, 18, 6, 16, 17,  13, 6, 10, 9, 10, 5,  7, 10, 3, 13};
    const int expectedGroups[kLayerMapCount] = {
        0, 0, 0, 1, 0, 0, 0, 1, 0, 0,  0, 0, 0, 0, 0, 0, 0, 1, 0, 0,
        0, 2, 0, 0, 0, 0, 1, 0, 0, 0,  1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    // clang-format on
    for (int map = 1; map <= kLayerMapCount; ++map) {
        const std::vector<Instance> placements = placementsOf(map);
        EXPECT_EQ(static_cast<int>(placements.size()), expected[map - 1]) << "map " << map;
        EXPECT_EQ(static_cast<int>(groupOriginsOf(map).size()), expectedGroups[map - 1])
            << "map " << map;
        for (const Instance& p : placements) EXPECT_NE(p.row->piece, PieceKind::GroupOrigin);
    }
}

// ---------------------------------------------------------------------------------------------
// Ground level

TEST(LayerMapGround, PavementCoversTheStreetEdgeAndEndsFlushWithTheBasePlate) {
    const std::vector<Instance> pavement = placementsOf(1);
    const std::vector<Instance> tiles = piecesOfKind(pavement, PieceKind::FlatTile);
    ASSERT_EQ(tiles.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(tiles[i].houseX, 8.0 * i);
        EXPECT_DOUBLE_EQ(tiles[i].houseZ, 31);
    }
    EXPECT_DOUBLE_EQ(tiles.back().houseX + tiles.back().row->arguments[0], 32);
    EXPECT_DOUBLE_EQ(tiles.back().houseZ + tiles.back().row->arguments[1], 32);

    // The plates tile x 0-32, z 27-31 exactly once.
    std::map<Cell, int> cover;
    for (const Instance& plate : piecesOfKind(pavement, PieceKind::Plate))
        for (const Cell& cell : footprintOf(plate)) ++cover[cell];
    for (int x = 0; x < 32; ++x)
        for (int z = 27; z < 31; ++z)
            EXPECT_EQ(cover[Cell(x, z)], 1) << "pavement cell " << x << ", " << z;
    EXPECT_EQ(cover.size(), 32u * 4u);
}

TEST(LayerMapGround, PathRunsFromTheDoorwayPlateToThePavement) {
    const std::vector<Instance> tiles = piecesOfKind(placementsOf(2), PieceKind::FlatTile);
    ASSERT_EQ(tiles.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(tiles[i].houseZ, 21 + i);
    double pavementStart = 1e9;
    for (const Instance& plate : piecesOfKind(placementsOf(1), PieceKind::Plate))
        pavementStart = std::min(pavementStart, plate.houseZ);
    EXPECT_DOUBLE_EQ(tiles.back().houseZ + tiles.back().row->arguments[1], pavementStart);
}

TEST(LayerMapGround, FlowerOnTheMainBedSitsLowerThanAPlateStackedOnItsNeighbour) {
    const std::vector<Instance> bed = placementsOf(4);
    const Instance* below = rowLabelled(bed, "1c");
    const Instance* flower = rowLabelled(bed, "1h");
    ASSERT_TRUE(below && flower);
    EXPECT_DOUBLE_EQ(flower->houseX, below->houseX);
    EXPECT_DOUBLE_EQ(flower->houseZ, below->houseZ);
    EXPECT_NEAR(flower->y, 1.0, kTolerance) << "an offset of +1, not +1.2";
    EXPECT_NEAR(below->houseY + heightOf(PieceKind::RoundPlate) - flower->houseY, 0.2, kTolerance);
    // The bed's plate is the group origin itself.
    EXPECT_DOUBLE_EQ(bed.front().houseX, 27);
    EXPECT_DOUBLE_EQ(bed.front().houseY, 0.4);
    EXPECT_DOUBLE_EQ(bed.front().houseZ, 21);
}

TEST(LayerMapGround, FlowersStandOnTheirBedOrOnAnotherFlower) {
    for (int map : {4, 8}) {
        const std::vector<Instance> bed = placementsOf(map);
        ASSERT_EQ(bed.front().row->piece, PieceKind::Plate) << "map " << map;
        const std::vector<Cell> soil = footprintOf(bed.front());
        const std::vector<Instance> flowers = piecesOfKind(bed, PieceKind::RoundPlate);
        std::set<std::pair<Cell, long>> spots;
        for (const Instance& flower : flowers) {
            SCOPED_TRACE(where(flower));
            const std::vector<Cell> cell = footprintOf(flower);
            EXPECT_TRUE(std::find(soil.begin(), soil.end(), cell[0]) != soil.end())
                << "off the bed's plate";
            EXPECT_TRUE(spots.insert({cell[0], std::lround(flower.y * 10)}).second)
                << "drawn twice";
            if (near(flower.y, 0.4)) continue;  // directly on the plate
            int below = 0;
            for (const Instance& other : flowers)
                if (footprintOf(other) == cell && other.y < flower.y &&
                    flower.y - other.y <= 0.4 + kTolerance)
                    ++below;
            EXPECT_EQ(below, 1) << "a raised flower rests on one flower below it";
        }
    }
}

TEST(LayerMapGround, SteppingPathIsFiveCheckerboardsWithDarkCorners) {
    const std::vector<Instance> all = placementsOf(6);
    std::vector<Instance> squares;
    for (const Instance& instance : all)
        if (instance.row->colour == PaletteColour::ByParity) squares.push_back(instance);
    ASSERT_EQ(squares.size(), 45u);

    auto colourAt = [&](int x, int z) {
        for (const Instance& s : squares)
            if (near(s.houseX, x) && near(s.houseZ, z)) return s.colour;
        ADD_FAILURE() << "no square at " << x << ", " << z;
        return PaletteColour::OwnColours;
    };
    EXPECT_EQ(colourAt(9, 12), PaletteColour::DarkGrey);
    EXPECT_EQ(colourAt(9, 13), PaletteColour::LightGrey);

    int dark = 0;
    std::set<Cell> cells;
    for (const Instance& s : squares) {
        const long sum = std::lround(s.houseX + s.houseZ);
        EXPECT_EQ(s.colour, sum % 2 == 0 ? PaletteColour::LightGrey : PaletteColour::DarkGrey);
        if (s.colour == PaletteColour::DarkGrey) ++dark;
        cells.insert(
            {static_cast<int>(std::lround(s.houseX)), static_cast<int>(std::lround(s.houseZ))});
    }
    EXPECT_EQ(dark, 25);
    EXPECT_EQ(cells.size(), 45u) << "no square drawn twice";

    // Blocks of nine, each one stud towards -x and three towards the street from the one before.
    for (int block = 0; block < 5; ++block) {
        const int x0 = 9 - block;
        const int z0 = 12 + 3 * block;
        for (int i = 0; i < 9; ++i) {
            const Instance& s = squares[9 * block + i];
            EXPECT_DOUBLE_EQ(s.houseX, x0 + i / 3) << "block " << block << " square " << i;
            EXPECT_DOUBLE_EQ(s.houseZ, z0 + i % 3) << "block " << block << " square " << i;
        }
        for (const Cell& corner :
             {Cell{x0, z0}, Cell{x0 + 2, z0}, Cell{x0, z0 + 2}, Cell{x0 + 2, z0 + 2}})
            EXPECT_EQ(colourAt(corner.first, corner.second), PaletteColour::DarkGrey)
                << "block " << block;
    }
}

// ---------------------------------------------------------------------------------------------
// Walls: every course closes its building's ring exactly once, openings filled by doors and windows

namespace {
struct Ring {
    const char* name;
    int minX, maxX, minZ, maxZ;  // wall cells, both ends included
};
const Ring kMainBuilding{"main building", 19, 30, 11, 20};
const Ring kWing{"wing", 2, 13, 2, 11};

void expectRingClosedAt(const std::vector<Instance>& all, const Ring& ring, double courseY) {
    const double sampleY = courseY + 0.2;  // inside the course, clear of its neighbours
    std::map<Cell, std::vector<const Instance*>> cover;
    for (const Instance& instance : all) {
        if (instance.row->rotation.axis != 0) continue;  // upright details hang outside the walls
        const double bottom = instance.houseY;
        if (sampleY < bottom || sampleY >= bottom + heightOf(instance.row->piece)) continue;
        for (const Cell& cell : footprintOf(instance)) cover[cell].push_back(&instance);
    }
    for (int x = ring.minX; x <= ring.maxX; ++x) {
        for (int z = ring.minZ; z <= ring.maxZ; ++z) {
            const bool wall = x == ring.minX || x == ring.maxX || z == ring.minZ || z == ring.maxZ;
            if (!wall) continue;
            const std::vector<const Instance*>& pieces = cover[Cell(x, z)];
            std::string list;
            for (const Instance* piece : pieces) list += "\n  " + where(*piece);
            EXPECT_EQ(pieces.size(), 1u)
                << ring.name << " course at y " << courseY << ", cell (" << x << ", " << z
                << ") is covered by " << pieces.size() << " pieces:" << list;
        }
    }
}
}  // namespace

TEST(LayerMapWalls, MainBuildingCoursesCloseTheirRingOnce) {
    const std::vector<Instance> all = placementsOfAllMaps();
    for (double y : {0.4, 1.6, 2.8, 3.2, 4.4, 5.6, 6.8, 7.2, 8.4, 9.6, 10.8})
        expectRingClosedAt(all, kMainBuilding, y);
}

TEST(LayerMapWalls, WingCoursesCloseTheirRingOnce) {
    const std::vector<Instance> all = placementsOfAllMaps();
    for (double y : {0.4, 1.6, 2.8, 3.2, 4.4, 5.6, 6.8, 8.0}) expectRingClosedAt(all, kWing, y);
}

TEST(LayerMapWalls, WindowsLookOutOfTheWallTheyStandIn) {
    // The sash face of an unturned window looks towards -z; each quarter turn about +y moves it on.
    const std::map<double, Cell> facing = {
        {0, {0, -1}}, {90, {-1, 0}}, {180, {0, 1}}, {270, {1, 0}}};
    const std::vector<Instance> windows = piecesOfKind(placementsOfAllMaps(), PieceKind::Window);
    ASSERT_EQ(windows.size(), 4u);
    for (const Instance& window : windows) {
        SCOPED_TRACE(where(window));
        const std::vector<Cell> cells = footprintOf(window);
        Cell outwards{0, 0};
        int walls = 0;
        for (const Ring* ring : {&kMainBuilding, &kWing}) {
            auto all = [&](auto test) { return std::all_of(cells.begin(), cells.end(), test); };
            auto inside = [&](const Cell& c) {
                return c.first >= ring->minX && c.first <= ring->maxX && c.second >= ring->minZ &&
                       c.second <= ring->maxZ;
            };
            if (!all(inside)) continue;
            if (all([&](const Cell& c) { return c.first == ring->minX; })) {
                outwards = {-1, 0};
                ++walls;
            }
            if (all([&](const Cell& c) { return c.first == ring->maxX; })) {
                outwards = {1, 0};
                ++walls;
            }
            if (all([&](const Cell& c) { return c.second == ring->minZ; })) {
                outwards = {0, -1};
                ++walls;
            }
            if (all([&](const Cell& c) { return c.second == ring->maxZ; })) {
                outwards = {0, 1};
                ++walls;
            }
        }
        ASSERT_EQ(walls, 1) << "a window stands in exactly one wall";
        EXPECT_LE(window.map, 20) << "windows belong to the walls' maps";
        ASSERT_EQ(facing.count(window.row->arguments[0]), 1u);
        EXPECT_EQ(facing.at(window.row->arguments[0]), outwards);
    }
}

TEST(LayerMapWalls, DoorsStandOnTheirPlatesAndColourThemselves) {
    const std::vector<Instance> all = placementsOfAllMaps();
    const std::vector<Instance> doors = piecesOfKind(all, PieceKind::Door);
    ASSERT_EQ(doors.size(), 2u);
    for (const Instance& door : doors) {
        SCOPED_TRACE(where(door));
        EXPECT_EQ(door.map, 14);
        EXPECT_DOUBLE_EQ(door.houseY, 0.8);
        int carriers = 0;
        for (const Instance& plate : piecesOfKind(all, PieceKind::Plate)) {
            if (plate.map < door.map && near(plate.houseY + 0.4, door.houseY) &&
                footprintOf(plate) == footprintOf(door))
                ++carriers;
        }
        EXPECT_EQ(carriers, 1) << "one plate of the door's footprint directly under it";
    }
    for (const Instance& piece : placementsOf(14))
        EXPECT_EQ(piece.row->colour, PaletteColour::OwnColours);
}

// ---------------------------------------------------------------------------------------------
// The round-brick column at the main building's front-left corner

TEST(LayerMapColumn, RoundBricksStackWithoutGapFromTheCornerPlateToTheCappingSlope) {
    const std::vector<Instance> all = placementsOfAllMaps();
    const std::vector<Instance> column = select(all, [](const Instance& p) {
        return p.row->piece == PieceKind::RoundBrick && near(p.houseX, 18) && near(p.houseZ, 20);
    });
    const int expectedMaps[] = {7, 9, 10, 11, 13, 16, 17, 18};
    ASSERT_EQ(column.size(), 8u);
    for (std::size_t i = 0; i < column.size(); ++i) {
        SCOPED_TRACE(where(column[i]));
        EXPECT_EQ(column[i].map, expectedMaps[i]);
        EXPECT_DOUBLE_EQ(column[i].houseX, 18);
        EXPECT_DOUBLE_EQ(column[i].houseZ, 20);
        EXPECT_NEAR(column[i].houseY, 0.8 + 1.2 * double(i), kTolerance);
        EXPECT_EQ(column[i].colour, PaletteColour::LightGrey);
    }

    // Below: the corner plate of map 4 has a cell under the column and its top at the first brick.
    int footings = 0;
    for (const Instance& plate : piecesOfKind(all, PieceKind::CornerPlate))
        if (footprintContains(plate, {18, 20}) && near(plate.houseY + 0.4, 0.8)) ++footings;
    EXPECT_EQ(footings, 1);

    // Above: the studded half of an inverted slope of map 20 rests on the last brick's top.
    int caps = 0;
    for (const Instance& slope : piecesOfKind(placementsOf(20), PieceKind::RoofTileInverted))
        if (footprintContains(slope, {18, 20}) && near(slope.houseY, column.back().houseY + 1.2))
            ++caps;
    EXPECT_EQ(caps, 1);
    EXPECT_NEAR(column.back().houseY + 1.2, 10.4, kTolerance);
}

// ---------------------------------------------------------------------------------------------
// Turned rows: upright details held by the side stud of an angular brick

TEST(LayerMapTurns, OnlyTheUprightDetailsTurnAQuarterAboutXOrZ) {
    std::set<std::string> turned;
    for (int map = 1; map <= kLayerMapCount; ++map) {
        const PlacementTable& table = layerMap(map);
        for (int i = 0; i < table.rowCount; ++i) {
            const Placement& row = table.rows[i];
            if (row.rotation.axis == 0) continue;
            turned.insert(std::to_string(map) + "/" + row.row + " " + row.rotation.axis);
            EXPECT_EQ(row.rotation.degrees, 90) << "map " << map << " row " << row.row;
        }
    }
    const std::set<std::string> expected = {"7/3 z",   "11/11 x", "11/12 x", "12/6 x",
                                            "18/8b z", "18/8c z", "27/1b z", "27/1c z"};
    EXPECT_EQ(turned, expected);
}

TEST(LayerMapTurns, UprightDetailsAreCentredOnTheSideStudOfAnAngularBrick) {
    // An angular brick's side stud is 0.7 above its base, mid-cell along its wall; at angle 0 it
    // faces -x, at 90 it faces +z. A detail turned about z leans out towards -x, about x towards
    // +z. The gable vent grilles of map 27 hang from their group origin in the gable instead
    // (LayerMapRoofs.GableVentGrillesStandUprightAtAndAboveTheGroupOrigin).
    for (int map = 1; map <= kLayerMapCount; ++map) {
        const std::vector<Instance> placements = placementsOf(map);
        for (const Instance& detail : placements) {
            const Placement& row = *detail.row;
            if (row.rotation.axis == 0 || map == 27) continue;
            SCOPED_TRACE(where(detail));
            const bool aboutX = row.rotation.axis == 'x';
            // The turned piece's size along its wall and its vertical extent: about x its z size
            // hangs below the placement point, about z its x size rises above it.
            const bool round = row.piece == PieceKind::RoundPlate;
            const double along = round ? 1 : row.arguments[aboutX ? 0 : 1];
            const double upright = round ? 1 : row.arguments[aboutX ? 1 : 0];
            const double middleY =
                aboutX ? detail.houseY - upright / 2 : detail.houseY + upright / 2;
            const double start = aboutX ? detail.houseX : detail.houseZ;
            const double depth = aboutX ? detail.houseZ : detail.houseX;
            int holders = 0;
            for (const Instance& brick : piecesOfKind(placements, PieceKind::AngularBrick)) {
                if (brick.row->arguments[0] != (aboutX ? 90 : 0)) continue;
                const double studAlong = (aboutX ? brick.houseX : brick.houseZ) + 0.5;
                const double studFace = aboutX ? brick.houseZ + 1 : brick.houseX;
                if (near(brick.houseY + 0.7, middleY) && studAlong > start &&
                    studAlong < start + along && std::fabs(depth - studFace) < 1)
                    ++holders;
            }
            EXPECT_GE(holders, 1) << "no angular brick holds this detail";
        }
    }
}

TEST(LayerMapTurns, GroupedDetailsSitBesideTheirBrickAtTheGivenOffsets) {
    const std::vector<Instance> map18 = placementsOf(18);
    const Instance* brick = rowLabelled(map18, "8a");
    ASSERT_TRUE(brick);
    EXPECT_EQ(brick->x, 0);
    EXPECT_EQ(brick->y, 0);
    EXPECT_EQ(brick->z, 0);
    for (const auto& [label, x] : {std::pair<const char*, double>{"8b", 0.2}, {"8c", -0.2}}) {
        const Instance* detail = rowLabelled(map18, label);
        ASSERT_TRUE(detail);
        EXPECT_NEAR(detail->x, x, kTolerance) << label;
        EXPECT_NEAR(detail->y, 0.2, kTolerance) << label;
        EXPECT_EQ(detail->z, 0) << label;
        EXPECT_NEAR(detail->houseX - detail->x, brick->houseX, kTolerance) << label;
    }
}

TEST(LayerMapColours, BlackTanAndLimeOnlyWhereThePaletteNamesThem) {
    // Black: map 28's two inner bricks, the wing chimney cap (31), the main cap (33), the
    // bench's feet (35) and seat (38). Tan: the hut floor (35). Lime: two crown bricks (40).
    int black[41] = {}, tan[41] = {}, lime[41] = {};
    for (int map = 21; map <= 40; ++map) {
        for (const Instance& p : placementsOf(map)) {
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

TEST(LayerMapRoofs, MainRoofRowsStepOneInwardsAndOneBrickUp) {
    // Row i: left eave (angle 0) at x 18 + i, right eave (angle 180) at x 30 - i, y 12 + 1.2 i;
    // each side covers z 10-22, the chimney brick filling the gap in the left slope.
    const std::vector<std::vector<int>> rows = {{22, 23}, {24}, {27}, {29}, {30}, {31}};
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const double y = 12 + 1.2 * i;
        std::vector<Span> left, right;
        for (int map : rows[i]) {
            for (const Instance& p : placementsOf(map)) {
                SCOPED_TRACE(where(p));
                if (isRedRoofTile(p, 0) && p.houseX > 16) {
                    EXPECT_NEAR(p.houseX, 18 + i, kTolerance);
                    EXPECT_NEAR(p.houseY, y, kTolerance);
                    left.push_back(roofSpanAlongZ(p));
                } else if (isRedRoofTile(p, 180) && p.houseX > 16) {
                    EXPECT_NEAR(p.houseX, 30 - i, kTolerance);
                    EXPECT_NEAR(p.houseY, y, kTolerance);
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

TEST(LayerMapRoofs, WingRoofRowsStepOneInwardsAndOneBrickUp) {
    // Row i: back slope (angle 270) at z 1 + i, front slope (angle 90) at z 11 - i,
    // y 8.4 + 1.2 i; each covers x 1-15. The top row's slopes thus meet at z 7 (5 + 2).
    const int rows[5] = {23, 24, 27, 29, 30};
    for (int i = 0; i < 5; ++i) {
        const int map = rows[i];
        std::vector<Span> back, front;
        for (const Instance& p : placementsOf(map)) {
            SCOPED_TRACE(where(p));
            const bool onWing = p.houseX < 16;
            if (isRedRoofTile(p, 270) && onWing) {
                EXPECT_NEAR(p.houseZ, 1 + i, kTolerance);
                EXPECT_NEAR(p.houseY, 8.4 + 1.2 * i, kTolerance);
                back.push_back(roofSpanAlongX(p));
            } else if (isRedRoofTile(p, 90) && onWing) {
                EXPECT_NEAR(p.houseZ, 11 - i, kTolerance);
                EXPECT_NEAR(p.houseY, 8.4 + 1.2 * i, kTolerance);
                front.push_back(roofSpanAlongX(p));
            }
        }
        EXPECT_TRUE(coversExactly(back, 1, 15)) << "back slope, map " << map;
        EXPECT_TRUE(coversExactly(front, 1, 15)) << "front slope, map " << map;
    }
}

TEST(LayerMapRoofs, GutterRunsUnbrokenBelowBothMainEaves) {
    std::vector<Span> left, right;
    for (int map : {22, 23}) {
        for (const Instance& p : placementsOf(map)) {
            if (p.row->piece != PieceKind::PlateWithSlide) continue;
            SCOPED_TRACE(where(p));
            EXPECT_EQ(p.colour, PaletteColour::LightGrey);
            EXPECT_NEAR(p.houseY, 11.6, kTolerance);
            const Span span{p.houseZ, p.row->arguments[1]};  // arguments: angle, length
            if (near(p.row->arguments[0], 0)) {
                EXPECT_NEAR(p.houseX, 17.55, kTolerance);
                left.push_back(span);
            } else {
                EXPECT_NEAR(p.row->arguments[0], 180, kTolerance);
                EXPECT_NEAR(p.houseX, 31, kTolerance);
                right.push_back(span);
            }
        }
    }
    EXPECT_EQ(left.size(), 3u);
    EXPECT_EQ(right.size(), 3u);
    EXPECT_TRUE(coversExactly(left, 10, 22)) << "left gutter";
    EXPECT_TRUE(coversExactly(right, 10, 22)) << "right gutter";
}

TEST(LayerMapRoofs, GableVentGrillesStandUprightAtAndAboveTheGroupOrigin) {
    const std::vector<const Placement*> origins = groupOriginsOf(27);
    ASSERT_EQ(origins.size(), 1u);
    const Placement& origin = *origins[0];
    EXPECT_DOUBLE_EQ(origin.x.first, 1.6);
    EXPECT_DOUBLE_EQ(origin.y.first, 10);
    EXPECT_DOUBLE_EQ(origin.z.first, 6);

    const auto grilles = piecesOfKind(placementsOf(27), PieceKind::RadiatorGrile);
    ASSERT_EQ(grilles.size(), 2u);
    for (const Instance& grille : grilles) {  // turned upright: LayerMapTurns
        SCOPED_TRACE(where(grille));
        EXPECT_DOUBLE_EQ(grille.x, 0);
        EXPECT_DOUBLE_EQ(grille.z, 0);
    }
    EXPECT_STREQ(grilles[0].row->row, "1b");
    EXPECT_DOUBLE_EQ(grilles[0].houseY, 11);  // one above the origin
    EXPECT_STREQ(grilles[1].row->row, "1c");
    EXPECT_DOUBLE_EQ(grilles[1].houseY, 10);  // no offset of its own
}

TEST(LayerMapChimneys, MainChimneyIsAColumnOfBricksUnderABlackCap) {
    const int maps[5] = {27, 29, 30, 31, 32};
    for (int i = 0; i < 5; ++i) {
        const auto bricks = select(placementsOf(maps[i]), isChimneyBrick);
        ASSERT_EQ(bricks.size(), 1u) << "map " << maps[i];
        EXPECT_NEAR(bricks[0].houseY, 14.4 + 1.2 * i, kTolerance) << "map " << maps[i];
    }
    // The cap: round plates on each of the four cells x 20-21, z 14-15, at y 20.4 and 20.8.
    const auto cap = piecesOfKind(placementsOf(33), PieceKind::RoundPlate);
    ASSERT_EQ(cap.size(), 8u);
    for (double x : {20, 21}) {
        for (double z : {14, 15}) {
            for (double y : {20.4, 20.8}) {
                const auto found = std::count_if(cap.begin(), cap.end(), [&](const Instance& p) {
                    return near(p.houseX, x) && near(p.houseZ, z) && near(p.houseY, y) &&
                           p.colour == PaletteColour::Black;
                });
                EXPECT_EQ(found, 1) << "cap plate at x " << x << ", y " << y << ", z " << z;
            }
        }
    }
}

TEST(LayerMapChimneys, WingChimneyStandsOnTheRidgeWithItsCap) {
    const auto map31 = placementsOf(31);
    const auto stack = select(map31, [](const Instance& p) {
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

TEST(LayerMapRoofs, MainRidgeIsEndFourTwoFourEndOnItsBearers) {
    const auto ridge = select(placementsOf(32), [](const Instance& p) {
        return p.row->piece == PieceKind::RidgedTile || p.row->piece == PieceKind::EndRidgedTile;
    });
    ASSERT_EQ(ridge.size(), 5u);
    const double lengths[5] = {1, 4, 2, 4, 1};
    double z = 10;
    for (int i = 0; i < 5; ++i) {
        const Instance& p = ridge[i];
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
    for (const Instance& p : placementsOf(30)) {
        if (p.row->piece == PieceKind::Brick && near(p.houseX, 24)) {
            bearers.push_back({p.houseZ, p.row->arguments[1]});
        }
    }
    EXPECT_TRUE(coversExactly(bearers, 11, 21)) << "ridge bearers";
}

TEST(LayerMapGarden, FenceRunsFromItsCornerPost) {
    // The corner post: 1 × 1 bricks at x 16, z 26, y 0.8 and 2.
    const auto post = select(placementsOf(33), [](const Instance& p) {
        return p.row->piece == PieceKind::Brick && near(p.houseX, 16) && near(p.houseZ, 26);
    });
    const auto postTop = select(placementsOf(34), [](const Instance& p) {
        return p.row->piece == PieceKind::Brick && near(p.houseX, 16) && near(p.houseZ, 26);
    });
    ASSERT_EQ(post.size(), 1u);
    ASSERT_EQ(postTop.size(), 1u);
    EXPECT_NEAR(post[0].houseY, 0.8, kTolerance);
    EXPECT_NEAR(postTop[0].houseY, post[0].houseY + 1.2, kTolerance);

    // Sections are 4 long: one from the post along +x, five along x 16 reaching the post at z 26.
    const std::vector<Instance> fence = piecesOfKind(placementsOf(34), PieceKind::Fence);
    EXPECT_EQ(fence.size(), 6u);
    std::vector<Span> alongZ;
    for (const Instance& p : fence) {
        SCOPED_TRACE(where(p));
        EXPECT_NEAR(p.houseY, 0.8, kTolerance);
        if (near(p.row->arguments[0], 0)) {
            EXPECT_NEAR(p.houseX, 17, kTolerance);
            EXPECT_NEAR(p.houseZ, 26, kTolerance);
        } else {
            EXPECT_DOUBLE_EQ(p.row->arguments[0], 90);
            EXPECT_NEAR(p.houseX, 16, kTolerance);
            alongZ.push_back({p.houseZ, 4});
        }
    }
    EXPECT_TRUE(coversExactly(alongZ, 6, 26)) << "fence along x 16";
}

TEST(LayerMapGarden, MailboxStandsOnItsTwoLevelPost) {
    const auto back = select(placementsOf(33), [](const Instance& p) {
        return p.row->piece == PieceKind::Brick && near(p.houseX, 21) && near(p.houseZ, 25);
    });
    const auto front = piecesOfKind(placementsOf(34), PieceKind::WallCorner);
    const auto mailbox = piecesOfKind(placementsOf(35), PieceKind::MailBox);
    ASSERT_EQ(back.size(), 1u);
    ASSERT_EQ(front.size(), 2u);
    ASSERT_EQ(mailbox.size(), 1u);
    EXPECT_NEAR(back[0].houseY, 1.6, kTolerance);
    for (const Instance& corner : front) {
        EXPECT_NEAR(corner.houseY, 1.6, kTolerance);
        EXPECT_NEAR(corner.houseZ, 26, kTolerance);
    }
    EXPECT_NEAR(mailbox[0].houseX, 21, kTolerance);
    EXPECT_NEAR(mailbox[0].houseZ, 25, kTolerance);
    EXPECT_NEAR(mailbox[0].houseY, back[0].houseY + 1.2, kTolerance);
}

TEST(LayerMapGarden, BenchSeatTilesLieOnHalfStudsOverTheFrontLegs) {
    const auto map38 = placementsOf(38);
    for (const Instance& p : map38) {
        SCOPED_TRACE(where(p));
        const bool halfStud = std::fabs(p.houseZ - std::floor(p.houseZ) - 0.5) < kTolerance;
        EXPECT_EQ(halfStud, p.row->piece == PieceKind::FlatTile);
        EXPECT_DOUBLE_EQ(p.houseX, std::floor(p.houseX));
    }
    // Front legs (map 35): round bricks at z 20 ending at y 1.6, each capped by a 1 × 2 tile
    // over z 19.5-21.5; the black seat tiles lie on those caps.
    const auto legs = piecesOfKind(placementsOf(35), PieceKind::RoundBrick);
    ASSERT_EQ(legs.size(), 2u);
    for (const Instance& leg : legs) {
        const auto caps = select(map38, [&](const Instance& p) {
            return p.row->piece == PieceKind::FlatTile && p.colour == PaletteColour::LightGrey &&
                   near(p.houseX, leg.houseX);
        });
        ASSERT_EQ(caps.size(), 1u) << "leg at x " << leg.houseX;
        EXPECT_NEAR(caps[0].houseY, leg.houseY + 1.2, kTolerance);
        EXPECT_LT(caps[0].houseZ, leg.houseZ);
        EXPECT_GT(caps[0].houseZ + caps[0].row->arguments[1], leg.houseZ + 1);
    }
    const auto seat =
        select(map38, [](const Instance& p) { return p.colour == PaletteColour::Black; });
    ASSERT_EQ(seat.size(), 2u);
    EXPECT_TRUE(coversExactly({{seat[0].houseZ, 1}, {seat[1].houseZ, 1}}, 19.5, 21.5));
    for (const Instance& tile : seat) EXPECT_NEAR(tile.houseY, 2, kTolerance);
}

TEST(LayerMapGarden, TreeTrunkHangsBelowItsHalfStudGroupOrigin) {
    const std::vector<const Placement*> origins = groupOriginsOf(40);
    ASSERT_EQ(origins.size(), 1u);
    const Placement& origin = *origins[0];
    const std::vector<Instance> map40 = placementsOf(40);
    EXPECT_DOUBLE_EQ(origin.x.first, 1.5);
    EXPECT_DOUBLE_EQ(origin.y.first, 4.4);
    EXPECT_DOUBLE_EQ(origin.z.first, 22.5);

    std::vector<Instance> trunk = piecesOfKind(map40, PieceKind::RoundBrick);
    ASSERT_EQ(trunk.size(), 3u);
    std::sort(trunk.begin(), trunk.end(),
              [](const Instance& a, const Instance& b) { return a.houseY < b.houseY; });
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(trunk[i].colour, PaletteColour::Brown);
        EXPECT_LT(trunk[i].y, 0) << "trunk brick " << i << " lies below the origin";
        EXPECT_NEAR(trunk[i].houseX, 2, kTolerance);  // back on the grid
        EXPECT_NEAR(trunk[i].houseZ, 23, kTolerance);
        EXPECT_NEAR(trunk[i].houseY, 0.8 + 1.2 * i, kTolerance);
    }
    EXPECT_NEAR(trunk[2].houseY + 1.2, origin.y.first, kTolerance);  // the top meets the origin

    // The lowest stands on map 35's brown base plate (y 0.4, x 1-3, z 23-26).
    const auto base = select(placementsOf(35), [](const Instance& p) {
        return p.row->piece == PieceKind::Plate && p.colour == PaletteColour::Brown;
    });
    ASSERT_EQ(base.size(), 1u);
    EXPECT_NEAR(base[0].houseY + 0.4, trunk[0].houseY, kTolerance);
    EXPECT_TRUE(base[0].houseX <= 2 && 3 <= base[0].houseX + base[0].row->arguments[0]);
    EXPECT_TRUE(base[0].houseZ <= 23 && 24 <= base[0].houseZ + base[0].row->arguments[1]);

    const auto plate = piecesOfKind(map40, PieceKind::Plate);
    ASSERT_EQ(plate.size(), 1u);
    EXPECT_DOUBLE_EQ(plate[0].x, 0);
    EXPECT_DOUBLE_EQ(plate[0].y, 0);
    EXPECT_DOUBLE_EQ(plate[0].z, 0);
}

TEST(LayerMapGarden, TreeCrownTopTilesFaceAllFourSides) {
    std::vector<double> angles;
    for (const Instance& p : piecesOfKind(placementsOf(40), PieceKind::RoofTile)) {
        SCOPED_TRACE(where(p));
        EXPECT_DOUBLE_EQ(p.row->arguments[0], 1);
        EXPECT_NEAR(p.houseY, 4.4 + 2.8, kTolerance);
        angles.push_back(p.row->arguments[1]);
    }
    std::sort(angles.begin(), angles.end());
    EXPECT_EQ(angles, (std::vector<double>{0, 90, 180, 270}));
}
