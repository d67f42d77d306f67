// Layer maps as data: the shape of all forty tables (labels, ranges, arguments), then for maps
// 1-20 their placement counts and
// the geometric facts that a mistyped row would break: closed wall courses, the round-brick column,
// the stepping path's checkerboard, the upright details on angular bricks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/maps/LayerMaps.h"

namespace {
constexpr int kFirstMap = 1;
constexpr int kLastMap = 20;
constexpr double kTolerance = 1e-9;

struct Instance {
    int map;
    PlacementInstance placement;
    const Placement& row() const { return *placement.row; }
};

std::vector<Instance> placementsOf(int map) {
    std::vector<Instance> out;
    for (const PlacementInstance& placement : expandPlacements(layerMap(map)))
        out.push_back({map, placement});
    return out;
}

std::vector<Instance> placementsOfAllMaps() {
    std::vector<Instance> out;
    for (int map = kFirstMap; map <= kLastMap; ++map) {
        const std::vector<Instance> some = placementsOf(map);
        out.insert(out.end(), some.begin(), some.end());
    }
    return out;
}

std::string where(const Instance& instance) {
    return "map " + std::to_string(instance.map) + " row " + instance.row().row + " at (" +
           std::to_string(instance.placement.houseX) + ", " +
           std::to_string(instance.placement.houseY) + ", " +
           std::to_string(instance.placement.houseZ) + ")";
}

bool near(double a, double b) { return std::fabs(a - b) < kTolerance; }
bool isQuarterTurn(double angle) {
    return angle == 0 || angle == 90 || angle == 180 || angle == 270;
}
bool isWholeNumber(double value) { return near(value, std::round(value)); }

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

// The stud cells a piece not turned about x or z covers, for the pieces maps 1-20 use.
std::vector<Cell> footprintOf(const Instance& instance) {
    const Placement& row = instance.row();
    const int x = static_cast<int>(std::lround(instance.placement.houseX));
    const int z = static_cast<int>(std::lround(instance.placement.houseZ));
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
        default: break;  // round pieces, angular brick: one cell
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

std::vector<Instance> piecesOfKind(const std::vector<Instance>& all, PieceKind piece) {
    std::vector<Instance> out;
    for (const Instance& instance : all)
        if (instance.row().piece == piece) out.push_back(instance);
    return out;
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

TEST(LayerMapCounts, PlacementsPerMapCountLoopValuesButNotGroupOrigins) {
    // Expanded placements of maps 1-20, in map order.
    const int expected[kLastMap] = {9,  7, 8,  19, 9, 47, 13, 20, 16, 18,
                                    13, 9, 17, 5,  9, 15, 8,  12, 8,  10};
    for (int map = kFirstMap; map <= kLastMap; ++map) {
        const std::vector<Instance> placements = placementsOf(map);
        EXPECT_EQ(static_cast<int>(placements.size()), expected[map - 1]) << "map " << map;
        for (const Instance& instance : placements)
            EXPECT_NE(instance.row().piece, PieceKind::GroupOrigin);
    }
}

// ---------------------------------------------------------------------------------------------
// Ground level

TEST(LayerMapGround, PavementCoversTheStreetEdgeAndEndsFlushWithTheBasePlate) {
    const std::vector<Instance> pavement = placementsOf(1);
    const std::vector<Instance> tiles = piecesOfKind(pavement, PieceKind::FlatTile);
    ASSERT_EQ(tiles.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(tiles[i].placement.houseX, 8.0 * i);
        EXPECT_DOUBLE_EQ(tiles[i].placement.houseZ, 31);
    }
    EXPECT_DOUBLE_EQ(tiles.back().placement.houseX + tiles.back().row().arguments[0], 32);
    EXPECT_DOUBLE_EQ(tiles.back().placement.houseZ + tiles.back().row().arguments[1], 32);

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
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(tiles[i].placement.houseZ, 21 + i);
    double pavementStart = 1e9;
    for (const Instance& plate : piecesOfKind(placementsOf(1), PieceKind::Plate))
        pavementStart = std::min(pavementStart, plate.placement.houseZ);
    EXPECT_DOUBLE_EQ(tiles.back().placement.houseZ + tiles.back().row().arguments[1],
                     pavementStart);
}

TEST(LayerMapGround, FlowerOnTheMainBedSitsLowerThanAPlateStackedOnItsNeighbour) {
    const std::vector<Instance> bed = placementsOf(4);
    const Instance* below = nullptr;
    const Instance* flower = nullptr;
    for (const Instance& instance : bed) {
        if (std::string(instance.row().row) == "1c") below = &instance;
        if (std::string(instance.row().row) == "1h") flower = &instance;
    }
    ASSERT_TRUE(below && flower);
    EXPECT_DOUBLE_EQ(flower->placement.houseX, below->placement.houseX);
    EXPECT_DOUBLE_EQ(flower->placement.houseZ, below->placement.houseZ);
    EXPECT_NEAR(flower->placement.y, 1.0, kTolerance) << "an offset of +1, not +1.2";
    EXPECT_NEAR(
        below->placement.houseY + heightOf(PieceKind::RoundPlate) - flower->placement.houseY, 0.2,
        kTolerance);
    // The bed's plate is the group origin itself.
    EXPECT_DOUBLE_EQ(bed.front().placement.houseX, 27);
    EXPECT_DOUBLE_EQ(bed.front().placement.houseY, 0.4);
    EXPECT_DOUBLE_EQ(bed.front().placement.houseZ, 21);
}

TEST(LayerMapGround, FlowersStandOnTheirBedOrOnAnotherFlower) {
    for (int map : {4, 8}) {
        const std::vector<Instance> bed = placementsOf(map);
        ASSERT_EQ(bed.front().row().piece, PieceKind::Plate) << "map " << map;
        const std::vector<Cell> soil = footprintOf(bed.front());
        const std::vector<Instance> flowers = piecesOfKind(bed, PieceKind::RoundPlate);
        std::set<std::pair<Cell, long>> spots;
        for (const Instance& flower : flowers) {
            SCOPED_TRACE(where(flower));
            const std::vector<Cell> cell = footprintOf(flower);
            EXPECT_TRUE(std::find(soil.begin(), soil.end(), cell[0]) != soil.end())
                << "off the bed's plate";
            EXPECT_TRUE(spots.insert({cell[0], std::lround(flower.placement.y * 10)}).second)
                << "drawn twice";
            if (near(flower.placement.y, 0.4)) continue;  // directly on the plate
            int below = 0;
            for (const Instance& other : flowers)
                if (footprintOf(other) == cell && other.placement.y < flower.placement.y &&
                    flower.placement.y - other.placement.y <= 0.4 + kTolerance)
                    ++below;
            EXPECT_EQ(below, 1) << "a raised flower rests on one flower below it";
        }
    }
}

TEST(LayerMapGround, SteppingPathIsFiveCheckerboardsWithDarkCorners) {
    const std::vector<Instance> all = placementsOf(6);
    std::vector<Instance> squares;
    for (const Instance& instance : all)
        if (instance.row().colour == PaletteColour::ByParity) squares.push_back(instance);
    ASSERT_EQ(squares.size(), 45u);

    auto colourAt = [&](int x, int z) {
        for (const Instance& s : squares)
            if (near(s.placement.houseX, x) && near(s.placement.houseZ, z))
                return s.placement.colour;
        ADD_FAILURE() << "no square at " << x << ", " << z;
        return PaletteColour::OwnColours;
    };
    EXPECT_EQ(colourAt(9, 12), PaletteColour::DarkGrey);
    EXPECT_EQ(colourAt(9, 13), PaletteColour::LightGrey);

    int dark = 0;
    std::set<Cell> cells;
    for (const Instance& s : squares) {
        const long sum = std::lround(s.placement.houseX + s.placement.houseZ);
        EXPECT_EQ(s.placement.colour,
                  sum % 2 == 0 ? PaletteColour::LightGrey : PaletteColour::DarkGrey);
        if (s.placement.colour == PaletteColour::DarkGrey) ++dark;
        cells.insert({static_cast<int>(std::lround(s.placement.houseX)),
                      static_cast<int>(std::lround(s.placement.houseZ))});
    }
    EXPECT_EQ(dark, 25);
    EXPECT_EQ(cells.size(), 45u) << "no square drawn twice";

    // Blocks of nine, each one stud towards -x and three towards the street from the one before.
    for (int block = 0; block < 5; ++block) {
        const int x0 = 9 - block;
        const int z0 = 12 + 3 * block;
        for (int i = 0; i < 9; ++i) {
            const Instance& s = squares[9 * block + i];
            EXPECT_DOUBLE_EQ(s.placement.houseX, x0 + i / 3)
                << "block " << block << " square " << i;
            EXPECT_DOUBLE_EQ(s.placement.houseZ, z0 + i % 3)
                << "block " << block << " square " << i;
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
        if (instance.row().rotation.axis != 0) continue;  // upright details hang outside the walls
        const double bottom = instance.placement.houseY;
        if (sampleY < bottom || sampleY >= bottom + heightOf(instance.row().piece)) continue;
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
        ASSERT_EQ(facing.count(window.row().arguments[0]), 1u);
        EXPECT_EQ(facing.at(window.row().arguments[0]), outwards);
    }
}

TEST(LayerMapWalls, DoorsStandOnTheirPlatesAndColourThemselves) {
    const std::vector<Instance> all = placementsOfAllMaps();
    const std::vector<Instance> doors = piecesOfKind(all, PieceKind::Door);
    ASSERT_EQ(doors.size(), 2u);
    for (const Instance& door : doors) {
        SCOPED_TRACE(where(door));
        EXPECT_EQ(door.map, 14);
        EXPECT_DOUBLE_EQ(door.placement.houseY, 0.8);
        int carriers = 0;
        for (const Instance& plate : piecesOfKind(all, PieceKind::Plate)) {
            if (plate.map < door.map && near(plate.placement.houseY + 0.4, door.placement.houseY) &&
                footprintOf(plate) == footprintOf(door))
                ++carriers;
        }
        EXPECT_EQ(carriers, 1) << "one plate of the door's footprint directly under it";
    }
    for (const Instance& piece : placementsOf(14))
        EXPECT_EQ(piece.row().colour, PaletteColour::OwnColours);
}

// ---------------------------------------------------------------------------------------------
// The round-brick column at the main building's front-left corner

TEST(LayerMapColumn, RoundBricksStackWithoutGapFromTheCornerPlateToTheCappingSlope) {
    const std::vector<Instance> all = placementsOfAllMaps();
    const std::vector<Instance> column = piecesOfKind(all, PieceKind::RoundBrick);
    const int expectedMaps[] = {7, 9, 10, 11, 13, 16, 17, 18};
    ASSERT_EQ(column.size(), 8u);
    for (std::size_t i = 0; i < column.size(); ++i) {
        SCOPED_TRACE(where(column[i]));
        EXPECT_EQ(column[i].map, expectedMaps[i]);
        EXPECT_DOUBLE_EQ(column[i].placement.houseX, 18);
        EXPECT_DOUBLE_EQ(column[i].placement.houseZ, 20);
        EXPECT_NEAR(column[i].placement.houseY, 0.8 + 1.2 * double(i), kTolerance);
        EXPECT_EQ(column[i].placement.colour, PaletteColour::LightGrey);
    }

    // Below: the corner plate of map 4 has a cell under the column and its top at the first brick.
    int footings = 0;
    for (const Instance& plate : piecesOfKind(all, PieceKind::CornerPlate))
        if (footprintContains(plate, {18, 20}) && near(plate.placement.houseY + 0.4, 0.8))
            ++footings;
    EXPECT_EQ(footings, 1);

    // Above: the studded half of an inverted slope of map 20 rests on the last brick's top.
    int caps = 0;
    for (const Instance& slope : piecesOfKind(placementsOf(20), PieceKind::RoofTileInverted))
        if (footprintContains(slope, {18, 20}) &&
            near(slope.placement.houseY, column.back().placement.houseY + 1.2))
            ++caps;
    EXPECT_EQ(caps, 1);
    EXPECT_NEAR(column.back().placement.houseY + 1.2, 10.4, kTolerance);
}

// ---------------------------------------------------------------------------------------------
// Turned rows: upright details held by the side stud of an angular brick

TEST(LayerMapTurns, OnlyTheUprightDetailsTurnAQuarterAboutXOrZ) {
    std::set<std::string> turned;
    for (int map = kFirstMap; map <= kLastMap; ++map) {
        const PlacementTable& table = layerMap(map);
        for (int i = 0; i < table.rowCount; ++i) {
            const Placement& row = table.rows[i];
            if (row.rotation.axis == 0) continue;
            turned.insert(std::to_string(map) + "/" + row.row + " " + row.rotation.axis);
            EXPECT_EQ(row.rotation.degrees, 90) << "map " << map << " row " << row.row;
        }
    }
    const std::set<std::string> expected = {"7/3 z",  "11/11 x", "11/12 x",
                                            "12/6 x", "18/8b z", "18/8c z"};
    EXPECT_EQ(turned, expected);
}

TEST(LayerMapTurns, UprightDetailsAreCentredOnTheSideStudOfAnAngularBrick) {
    // An angular brick's side stud is 0.7 above its base, mid-cell along its wall; at angle 0 it
    // faces -x, at 90 it faces +z. A detail turned about z leans out towards -x, about x towards
    // +z.
    for (int map = kFirstMap; map <= kLastMap; ++map) {
        const std::vector<Instance> placements = placementsOf(map);
        for (const Instance& detail : placements) {
            const Placement& row = detail.row();
            if (row.rotation.axis == 0) continue;
            SCOPED_TRACE(where(detail));
            const bool aboutX = row.rotation.axis == 'x';
            const PlacementInstance& p = detail.placement;
            // The turned piece's size along its wall and its vertical extent: about x its z size
            // hangs below the placement point, about z its x size rises above it.
            const bool round = row.piece == PieceKind::RoundPlate;
            const double along = round ? 1 : row.arguments[aboutX ? 0 : 1];
            const double upright = round ? 1 : row.arguments[aboutX ? 1 : 0];
            const double middleY = aboutX ? p.houseY - upright / 2 : p.houseY + upright / 2;
            const double start = aboutX ? p.houseX : p.houseZ;
            const double depth = aboutX ? p.houseZ : p.houseX;
            int holders = 0;
            for (const Instance& brick : piecesOfKind(placements, PieceKind::AngularBrick)) {
                const PlacementInstance& b = brick.placement;
                if (brick.row().arguments[0] != (aboutX ? 90 : 0)) continue;
                const double studAlong = (aboutX ? b.houseX : b.houseZ) + 0.5;
                const double studFace = aboutX ? b.houseZ + 1 : b.houseX;
                if (near(b.houseY + 0.7, middleY) && studAlong > start &&
                    studAlong < start + along && std::fabs(depth - studFace) < 1)
                    ++holders;
            }
            EXPECT_GE(holders, 1) << "no angular brick holds this detail";
        }
    }
}

TEST(LayerMapTurns, GroupedDetailsSitBesideTheirBrickAtTheGivenOffsets) {
    std::map<std::string, PlacementInstance> rows;
    for (const Instance& instance : placementsOf(18)) rows[instance.row().row] = instance.placement;
    ASSERT_EQ(rows.count("8a") + rows.count("8b") + rows.count("8c"), 3u);
    EXPECT_EQ(rows["8a"].x, 0);
    EXPECT_EQ(rows["8a"].y, 0);
    EXPECT_EQ(rows["8a"].z, 0);
    EXPECT_NEAR(rows["8b"].x, 0.2, kTolerance);
    EXPECT_NEAR(rows["8c"].x, -0.2, kTolerance);
    for (const char* label : {"8b", "8c"}) {
        EXPECT_NEAR(rows[label].y, 0.2, kTolerance) << label;
        EXPECT_EQ(rows[label].z, 0) << label;
        EXPECT_NEAR(rows[label].houseX - rows[label].x, rows["8a"].houseX, kTolerance) << label;
    }
}
