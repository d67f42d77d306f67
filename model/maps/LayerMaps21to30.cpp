// Layer maps 21-30: both roofs up to their fifth rows, gables, gutters, the wing's vent and
// the first bricks of the main chimney. The wing's ridge runs along x, the main ridge along z;
// each roof row steps one stud inwards and one brick upwards.
#include "model/maps/LayerMaps.h"

namespace {
// The tables keep their hand-aligned columns.
// clang-format off
using P = PieceKind;
using C = PaletteColour;

// Map 21: wing roof bearers; white plates and side-wall bricks on the main building.
constexpr Placement map21[] = {
    {"1", P::Brick, {8, 2}, C::White, at(4),  at(8.4),  at(3),  noTurn},
    {"2", P::Brick, {8, 2}, C::White, at(4),  at(8.4),  at(9),  noTurn},
    {"3", P::Plate, {8, 1}, C::White, at(20), at(12.4), at(11), noTurn},
    {"4", P::Plate, {2, 1}, C::White, at(28), at(12.4), at(11), noTurn},
    {"5", P::Plate, {8, 1}, C::White, at(20), at(12.4), at(20), noTurn},
    {"6", P::Plate, {2, 1}, C::White, at(28), at(12.4), at(20), noTurn},
    {"7", P::Brick, {2, 6}, C::White, at(20), at(12),   at(13), noTurn},
    {"8", P::Brick, {2, 6}, C::White, at(28), at(12),   at(13), noTurn},
};

// Map 22: main roof's first row at z 10-14 with gutters below; main wall plates; wing side walls.
constexpr Placement map22[] = {
    {"1",  P::GroupOrigin,    {},       C::OwnColours, at(18),    at(12),   at(10), noTurn},
    {"1a", P::RoofTile,       {4, 0},   C::Red,        at(+0),    at(+0),   at(+0), noTurn},
    {"1b", P::PlateWithSlide, {0, 2},   C::LightGrey,  at(-0.45), at(-0.4), at(+0), noTurn},
    {"1c", P::PlateWithSlide, {0, 2},   C::LightGrey,  at(-0.45), at(-0.4), at(+2), noTurn},
    {"2",  P::GroupOrigin,    {},       C::OwnColours, at(30),    at(12),   at(10), noTurn},
    {"2a", P::RoofTile,       {4, 180}, C::Red,        at(+0),    at(+0),   at(+0), noTurn},
    {"2b", P::PlateWithSlide, {180, 2}, C::LightGrey,  at(+1),    at(-0.4), at(+0), noTurn},
    {"2c", P::PlateWithSlide, {180, 2}, C::LightGrey,  at(+1),    at(-0.4), at(+2), noTurn},
    {"3",  P::Plate,          {2, 1},   C::White,      at(20),    at(12.8), at(11), noTurn},
    {"4",  P::Plate,          {8, 1},   C::White,      at(22),    at(12.8), at(11), noTurn},
    {"5",  P::Plate,          {2, 1},   C::White,      at(20),    at(12.8), at(20), noTurn},
    {"6",  P::Plate,          {8, 1},   C::White,      at(22),    at(12.8), at(20), noTurn},
    {"7",  P::Brick,          {1, 8},   C::White,      at(2),     at(8.4),  at(3),  noTurn},
    {"8",  P::Brick,          {1, 8},   C::White,      at(13),    at(8.4),  at(3),  noTurn},
};

// Map 23: main roof's first row to z 22, gutters continued; wing roof's first row on both eaves.
constexpr Placement map23[] = {
    {"1",  P::PlateWithSlide, {0, 8},   C::LightGrey, at(17.55), at(11.6), at(14), noTurn},
    {"2",  P::RoofTile,       {4, 0},   C::Red,       at(18),    at(12),   at(14), noTurn},
    {"3",  P::RoofTile,       {4, 0},   C::Red,       at(18),    at(12),   at(18), noTurn},
    {"4",  P::PlateWithSlide, {180, 8}, C::LightGrey, at(31),    at(11.6), at(14), noTurn},
    {"5",  P::RoofTile,       {4, 180}, C::Red,       at(30),    at(12),   at(14), noTurn},
    {"6",  P::RoofTile,       {4, 180}, C::Red,       at(30),    at(12),   at(18), noTurn},
    {"7",  P::RoofTile,       {4, 270}, C::Red,       at(1),     at(8.4),  at(1),  noTurn},
    {"8",  P::RoofTile,       {4, 270}, C::Red,       at(5),     at(8.4),  at(1),  noTurn},
    {"9",  P::RoofTile,       {3, 270}, C::Red,       at(9),     at(8.4),  at(1),  noTurn},
    {"10", P::RoofTile,       {3, 270}, C::Red,       at(12),    at(8.4),  at(1),  noTurn},
    {"11", P::RoofTile,       {4, 90},  C::Red,       at(1),     at(8.4),  at(11), noTurn},
    {"12", P::RoofTile,       {4, 90},  C::Red,       at(5),     at(8.4),  at(11), noTurn},
    {"13", P::RoofTile,       {3, 90},  C::Red,       at(9),     at(8.4),  at(11), noTurn},
    {"14", P::RoofTile,       {3, 90},  C::Red,       at(12),    at(8.4),  at(11), noTurn},
};

// Map 24: second rows of both roofs.
constexpr Placement map24[] = {
    {"1",  P::RoofTile, {3, 270}, C::Red, at(1),  at(9.6),  at(2),  noTurn},
    {"2",  P::RoofTile, {3, 270}, C::Red, at(4),  at(9.6),  at(2),  noTurn},
    {"3",  P::RoofTile, {4, 270}, C::Red, at(7),  at(9.6),  at(2),  noTurn},
    {"4",  P::RoofTile, {4, 270}, C::Red, at(11), at(9.6),  at(2),  noTurn},
    {"5",  P::RoofTile, {3, 90},  C::Red, at(1),  at(9.6),  at(10), noTurn},
    {"6",  P::RoofTile, {3, 90},  C::Red, at(4),  at(9.6),  at(10), noTurn},
    {"7",  P::RoofTile, {4, 90},  C::Red, at(7),  at(9.6),  at(10), noTurn},
    {"8",  P::RoofTile, {4, 90},  C::Red, at(11), at(9.6),  at(10), noTurn},
    {"9",  P::RoofTile, {2, 0},   C::Red, at(19), at(13.2), at(10), noTurn},
    {"10", P::RoofTile, {4, 0},   C::Red, at(19), at(13.2), at(12), noTurn},
    {"11", P::RoofTile, {4, 0},   C::Red, at(19), at(13.2), at(16), noTurn},
    {"12", P::RoofTile, {2, 0},   C::Red, at(19), at(13.2), at(20), noTurn},
    {"13", P::RoofTile, {2, 180}, C::Red, at(29), at(13.2), at(10), noTurn},
    {"14", P::RoofTile, {4, 180}, C::Red, at(29), at(13.2), at(12), noTurn},
    {"15", P::RoofTile, {4, 180}, C::Red, at(29), at(13.2), at(16), noTurn},
    {"16", P::RoofTile, {2, 180}, C::Red, at(29), at(13.2), at(20), noTurn},
};

// Map 25: gables and roof bearers of both buildings; round bricks in the main front gable.
constexpr Placement map25[] = {
    {"1",  P::Brick,      {1, 6}, C::White,     at(2),  at(9.6),  at(4),  noTurn},
    {"2",  P::Brick,      {1, 6}, C::White,     at(13), at(9.6),  at(4),  noTurn},
    {"3",  P::Brick,      {2, 6}, C::White,     at(5),  at(9.6),  at(4),  noTurn},
    {"4",  P::Brick,      {2, 6}, C::White,     at(9),  at(9.6),  at(4),  noTurn},
    {"5",  P::Brick,      {8, 1}, C::White,     at(21), at(13.2), at(11), noTurn},
    {"6",  P::Brick,      {8, 2}, C::White,     at(21), at(13.2), at(13), noTurn},
    {"7",  P::Brick,      {8, 2}, C::White,     at(21), at(13.2), at(17), noTurn},
    {"8",  P::Brick,      {2, 1}, C::White,     at(21), at(13.2), at(20), noTurn},
    {"9",  P::Brick,      {2, 1}, C::White,     at(27), at(13.2), at(20), noTurn},
    {"10", P::RoundBrick, {},     C::LightGrey, at(25), at(13.2), at(20), noTurn},
    {"11", P::RoundBrick, {},     C::LightGrey, at(24), at(13.2), at(20), noTurn},
    {"12", P::WallCorner, {270},  C::White,     at(26), at(13.2), at(20), noTurn},
    {"13", P::WallCorner, {0},    C::White,     at(23), at(13.2), at(20), noTurn},
};

// Map 26: wing gables (the left one open behind its vent) and bearers; main gables and bearers.
constexpr Placement map26[] = {
    {"1",  P::Brick, {1, 1}, C::White,     at(2),  at(10.8), at(5),  noTurn},
    {"2",  P::Plate, {1, 2}, C::LightGrey, at(2),  at(10.8), at(6),  noTurn},
    {"3",  P::Plate, {1, 2}, C::White,     at(2),  at(11.2), at(6),  noTurn},
    {"4",  P::Brick, {1, 1}, C::White,     at(2),  at(10.8), at(8),  noTurn},
    {"5",  P::Brick, {2, 4}, C::White,     at(5),  at(10.8), at(5),  noTurn},
    {"6",  P::Brick, {2, 4}, C::White,     at(9),  at(10.8), at(5),  noTurn},
    {"7",  P::Brick, {1, 4}, C::White,     at(13), at(10.8), at(5),  noTurn},
    {"8",  P::Brick, {6, 1}, C::White,     at(22), at(14.4), at(11), noTurn},
    {"9",  P::Brick, {6, 2}, C::White,     at(22), at(14.4), at(13), noTurn},
    {"10", P::Brick, {6, 2}, C::White,     at(22), at(14.4), at(17), noTurn},
    {"11", P::Brick, {6, 1}, C::White,     at(22), at(14.4), at(20), noTurn},
};

// Map 27: wing gable vent; third rows of both roofs; the main chimney's first brick.
constexpr Placement map27[] = {
    {"1",  P::GroupOrigin,   {},       C::OwnColours, at(1.6), at(10),   at(6),  noTurn},
    {"1a", P::AnglePlate,    {0},      C::White,      at(+0),  at(+0),   at(+0), noTurn},
    {"1b", P::RadiatorGrile, {0},      C::LightGrey,  at(+0),  at(+1),   at(+0), aboutZ(90)},
    {"1c", P::RadiatorGrile, {0},      C::LightGrey,  at(+0),  at(+0),   at(+0), aboutZ(90)},
    {"2",  P::RoofTile,      {4, 270}, C::Red,        at(1),   at(10.8), at(3),  noTurn},
    {"3",  P::RoofTile,      {4, 270}, C::Red,        at(5),   at(10.8), at(3),  noTurn},
    {"4",  P::RoofTile,      {3, 270}, C::Red,        at(9),   at(10.8), at(3),  noTurn},
    {"5",  P::RoofTile,      {3, 270}, C::Red,        at(12),  at(10.8), at(3),  noTurn},
    {"6",  P::RoofTile,      {4, 90},  C::Red,        at(1),   at(10.8), at(9),  noTurn},
    {"7",  P::RoofTile,      {4, 90},  C::Red,        at(5),   at(10.8), at(9),  noTurn},
    {"8",  P::RoofTile,      {3, 90},  C::Red,        at(9),   at(10.8), at(9),  noTurn},
    {"9",  P::RoofTile,      {3, 90},  C::Red,        at(12),  at(10.8), at(9),  noTurn},
    {"10", P::RoofTile,      {4, 0},   C::Red,        at(20),  at(14.4), at(10), noTurn},
    {"11", P::Brick,         {2, 2},   C::White,      at(20),  at(14.4), at(14), noTurn},
    {"12", P::RoofTile,      {2, 0},   C::Red,        at(20),  at(14.4), at(16), noTurn},
    {"13", P::RoofTile,      {4, 0},   C::Red,        at(20),  at(14.4), at(18), noTurn},
    {"14", P::RoofTile,      {4, 180}, C::Red,        at(28),  at(14.4), at(10), noTurn},
    {"15", P::RoofTile,      {4, 180}, C::Red,        at(28),  at(14.4), at(14), noTurn},
    {"16", P::RoofTile,      {4, 180}, C::Red,        at(28),  at(14.4), at(18), noTurn},
};

// Map 28: wing ridge bearers; main building's bricks under the ridge, the inner two black.
constexpr Placement map28[] = {
    {"1", P::Brick, {6, 2}, C::White, at(2),  at(12),   at(6),  noTurn},
    {"2", P::Brick, {6, 2}, C::White, at(8),  at(12),   at(6),  noTurn},
    {"3", P::Brick, {4, 1}, C::White, at(23), at(15.6), at(11), noTurn},
    {"4", P::Brick, {4, 1}, C::Black, at(23), at(15.6), at(14), noTurn},
    {"5", P::Brick, {4, 1}, C::Black, at(23), at(15.6), at(17), noTurn},
    {"6", P::Brick, {4, 1}, C::White, at(23), at(15.6), at(20), noTurn},
};

// Map 29: fourth rows of both roofs; the main chimney's second brick in the left slope.
constexpr Placement map29[] = {
    {"1",  P::RoofTile, {3, 270}, C::Red,   at(1),  at(12),   at(4),  noTurn},
    {"2",  P::RoofTile, {3, 270}, C::Red,   at(4),  at(12),   at(4),  noTurn},
    {"3",  P::RoofTile, {4, 270}, C::Red,   at(7),  at(12),   at(4),  noTurn},
    {"4",  P::RoofTile, {4, 270}, C::Red,   at(11), at(12),   at(4),  noTurn},
    {"5",  P::RoofTile, {3, 90},  C::Red,   at(1),  at(12),   at(8),  noTurn},
    {"6",  P::RoofTile, {3, 90},  C::Red,   at(4),  at(12),   at(8),  noTurn},
    {"7",  P::RoofTile, {4, 90},  C::Red,   at(7),  at(12),   at(8),  noTurn},
    {"8",  P::RoofTile, {4, 90},  C::Red,   at(11), at(12),   at(8),  noTurn},
    {"9",  P::RoofTile, {4, 0},   C::Red,   at(21), at(15.6), at(10), noTurn},
    {"10", P::Brick,    {2, 2},   C::White, at(20), at(15.6), at(14), noTurn},
    {"11", P::RoofTile, {2, 0},   C::Red,   at(21), at(15.6), at(16), noTurn},
    {"12", P::RoofTile, {4, 0},   C::Red,   at(21), at(15.6), at(18), noTurn},
    {"13", P::RoofTile, {2, 180}, C::Red,   at(27), at(15.6), at(10), noTurn},
    {"14", P::RoofTile, {4, 180}, C::Red,   at(27), at(15.6), at(12), noTurn},
    {"15", P::RoofTile, {4, 180}, C::Red,   at(27), at(15.6), at(16), noTurn},
    {"16", P::RoofTile, {2, 180}, C::Red,   at(27), at(15.6), at(20), noTurn},
};

// Map 30: wing roof's top row; main ridge bearers, chimney's third brick, main roof's fifth row.
constexpr Placement map30[] = {
    {"1",  P::RoofTile, {4, 270}, C::Red,   at(1),  at(13.2), at(5),  noTurn},
    {"2",  P::RoofTile, {4, 270}, C::Red,   at(5),  at(13.2), at(5),  noTurn},
    {"3",  P::RoofTile, {4, 270}, C::Red,   at(9),  at(13.2), at(5),  noTurn},
    {"4",  P::RoofTile, {2, 270}, C::Red,   at(13), at(13.2), at(5),  noTurn},
    {"5",  P::RoofTile, {4, 90},  C::Red,   at(1),  at(13.2), at(7),  noTurn},
    {"6",  P::RoofTile, {4, 90},  C::Red,   at(5),  at(13.2), at(7),  noTurn},
    {"7",  P::RoofTile, {4, 90},  C::Red,   at(9),  at(13.2), at(7),  noTurn},
    {"8",  P::RoofTile, {2, 90},  C::Red,   at(13), at(13.2), at(7),  noTurn},
    {"9",  P::Brick,    {2, 8},   C::White, at(24), at(16.8), at(11), noTurn},
    {"10", P::Brick,    {2, 2},   C::White, at(20), at(16.8), at(14), noTurn},
    {"11", P::Brick,    {2, 2},   C::White, at(24), at(16.8), at(19), noTurn},
    {"12", P::RoofTile, {4, 0},   C::Red,   at(22), at(16.8), at(10), noTurn},
    {"13", P::RoofTile, {4, 0},   C::Red,   at(22), at(16.8), at(14), noTurn},
    {"14", P::RoofTile, {4, 0},   C::Red,   at(22), at(16.8), at(18), noTurn},
    {"15", P::RoofTile, {4, 180}, C::Red,   at(26), at(16.8), at(10), noTurn},
    {"16", P::RoofTile, {4, 180}, C::Red,   at(26), at(16.8), at(14), noTurn},
    {"17", P::RoofTile, {4, 180}, C::Red,   at(26), at(16.8), at(18), noTurn},
};
}  // namespace
// clang-format on

const PlacementTable layerMap21 = tableOf(map21);
const PlacementTable layerMap22 = tableOf(map22);
const PlacementTable layerMap23 = tableOf(map23);
const PlacementTable layerMap24 = tableOf(map24);
const PlacementTable layerMap25 = tableOf(map25);
const PlacementTable layerMap26 = tableOf(map26);
const PlacementTable layerMap27 = tableOf(map27);
const PlacementTable layerMap28 = tableOf(map28);
const PlacementTable layerMap29 = tableOf(map29);
const PlacementTable layerMap30 = tableOf(map30);
