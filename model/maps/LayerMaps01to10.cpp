// Layer maps 1-10: the ground level and the first three brick courses of both buildings.
#include "model/maps/LayerMaps.h"

namespace {
// The tables keep their hand-aligned columns.
// clang-format off
using P = PieceKind;
using C = PaletteColour;

// Map 1: pavement along the street edge, plates over z 27-31 and a row of flat tiles to z 32.
constexpr Placement map1[] = {
    {"1", P::Plate,    {6, 4}, C::LightGrey, at(0),           at(0.4), at(27), noTurn},
    {"2", P::Plate,    {8, 4}, C::LightGrey, at(6),           at(0.4), at(27), noTurn},
    {"3", P::Plate,    {6, 4}, C::LightGrey, at(14),          at(0.4), at(27), noTurn},
    {"4", P::Plate,    {8, 4}, C::LightGrey, at(20),          at(0.4), at(27), noTurn},
    {"5", P::Plate,    {4, 4}, C::LightGrey, at(28),          at(0.4), at(27), noTurn},
    {"6", P::FlatTile, {8, 1}, C::LightGrey, range(0, 24, 8), at(0.4), at(31), noTurn},
};

// Map 2: path from the main door to the pavement, a plate in the doorway then one tile per row.
constexpr Placement map2[] = {
    {"1", P::Plate,    {4, 1}, C::LightGrey, at(23), at(0.4), at(20),           noTurn},
    {"2", P::FlatTile, {4, 1}, C::LightGrey, at(23), at(0.4), range(21, 26, 1), noTurn},
};

// Map 3: main building, first course, door gap x 23-27; the mailbox post's foot; one small plate.
constexpr Placement map3[] = {
    {"1", P::Brick, {8, 1}, C::White,     at(19), at(0.4), at(11), noTurn},
    {"2", P::Brick, {4, 1}, C::White,     at(27), at(0.4), at(11), noTurn},
    {"3", P::Brick, {1, 8}, C::White,     at(19), at(0.4), at(12), noTurn},
    {"4", P::Brick, {1, 8}, C::White,     at(30), at(0.4), at(12), noTurn},
    {"5", P::Brick, {4, 1}, C::White,     at(19), at(0.4), at(20), noTurn},
    {"6", P::Brick, {4, 1}, C::White,     at(27), at(0.4), at(20), noTurn},
    {"7", P::Brick, {2, 2}, C::White,     at(21), at(0.4), at(25), noTurn},
    {"8", P::Plate, {1, 1}, C::LightGrey, at(20), at(0.4), at(26), noTurn},
};

// Map 4: flower bed before the main building; fence footing; the column's corner plate and a grille.
constexpr Placement map4[] = {
    {"1",  P::GroupOrigin,   {},     C::OwnColours, at(27), at(0.4),  at(21), noTurn},
    {"1a", P::Plate,         {2, 6}, C::Brown,      at(+0), at(+0),   at(+0), noTurn},
    {"1b", P::RoundPlate,    {},     C::Brown,      at(+1), at(+0.4), at(+0), noTurn},
    {"1c", P::RoundPlate,    {},     C::Brown,      at(+1), at(+0.8), at(+0), noTurn},
    {"1d", P::RoundPlate,    {},     C::Brown,      at(+1), at(+0.4), at(+2), noTurn},
    {"1e", P::RoundPlate,    {},     C::Brown,      at(+0), at(+0.4), at(+3), noTurn},
    {"1f", P::RoundPlate,    {},     C::Brown,      at(+1), at(+0.4), at(+4), noTurn},
    {"1g", P::RoundPlate,    {},     C::Brown,      at(+1), at(+0.4), at(+5), noTurn},
    {"1h", P::RoundPlate,    {},     C::Green,      at(+1), at(+1),   at(+0), noTurn},
    {"1i", P::RoundPlate,    {},     C::Green,      at(+1), at(+0.4), at(+1), noTurn},
    {"1j", P::RoundPlate,    {},     C::Green,      at(+0), at(+0.4), at(+2), noTurn},
    {"1k", P::RoundPlate,    {},     C::Green,      at(+0), at(+0.8), at(+3), noTurn},
    {"1l", P::RoundPlate,    {},     C::Green,      at(+1), at(+0.8), at(+5), noTurn},
    {"1m", P::RoundPlate,    {},     C::Red,        at(+0), at(+0.4), at(+1), noTurn},
    {"1n", P::RoundPlate,    {},     C::Red,        at(+1), at(+0.8), at(+4), noTurn},
    {"2",  P::Plate,         {4, 1}, C::White,      at(16), at(0.4),  at(26), noTurn},
    {"3",  P::Plate,         {1, 6}, C::White,      at(16), at(0.4),  at(20), noTurn},
    {"4",  P::Plate,         {1, 8}, C::White,      at(16), at(0.4),  at(12), noTurn},
    {"5",  P::CornerPlate,   {90},   C::LightGrey,  at(18), at(0.4),  at(20), noTurn},
    {"6",  P::RadiatorGrile, {90},   C::LightGrey,  at(18), at(0.4),  at(22), noTurn},
};

// Map 5: wing, first course, door gap x 9-13 with its sill plate; a grille beside the left wall.
constexpr Placement map5[] = {
    {"1", P::Brick,         {4, 1}, C::White,     at(2),  at(0.4), at(2),  noTurn},
    {"2", P::Brick,         {8, 1}, C::White,     at(6),  at(0.4), at(2),  noTurn},
    {"3", P::Brick,         {1, 8}, C::White,     at(13), at(0.4), at(3),  noTurn},
    {"4", P::Brick,         {1, 8}, C::White,     at(2),  at(0.4), at(3),  noTurn},
    {"5", P::Brick,         {4, 1}, C::White,     at(2),  at(0.4), at(11), noTurn},
    {"6", P::Brick,         {3, 1}, C::White,     at(6),  at(0.4), at(11), noTurn},
    {"7", P::Plate,         {4, 1}, C::LightGrey, at(9),  at(0.4), at(11), noTurn},
    {"8", P::Brick,         {1, 1}, C::White,     at(13), at(0.4), at(11), noTurn},
    {"9", P::RadiatorGrile, {0},    C::LightGrey, at(1),  at(0.4), at(10), noTurn},
};

// Map 6: fence footing continued; the stepping path of five 3 x 3 checkerboards to the pavement.
constexpr Placement map6[] = {
    {"1", P::Plate, {1, 6}, C::White,     at(16),          at(0.4), at(6),            noTurn},
    {"2", P::Plate, {1, 1}, C::LightGrey, at(12),          at(0.4), at(12),           noTurn},
    {"3", P::Plate, {1, 1}, C::ByParity,  range(9, 11, 1), at(0.4), range(12, 14, 1), noTurn},
    {"4", P::Plate, {1, 1}, C::ByParity,  range(8, 10, 1), at(0.4), range(15, 17, 1), noTurn},
    {"5", P::Plate, {1, 1}, C::ByParity,  range(7, 9, 1),  at(0.4), range(18, 20, 1), noTurn},
    {"6", P::Plate, {1, 1}, C::ByParity,  range(6, 8, 1),  at(0.4), range(21, 23, 1), noTurn},
    {"7", P::Plate, {1, 1}, C::ByParity,  range(5, 7, 1),  at(0.4), range(24, 26, 1), noTurn},
};

// Map 7: main building, second course with its four corners; a side detail on the left wall;
// the first brick of the round column on the corner plate of map 4.
constexpr Placement map7[] = {
    {"1",  P::CornerBrick,  {0},    C::White,     at(19),   at(1.6), at(11), noTurn},
    {"2",  P::AngularBrick, {0},    C::White,     at(19),   at(1.6), at(13), noTurn},
    {"3",  P::RoundPlate,   {},     C::Green,     at(19.2), at(1.8), at(13), aboutZ(90)},
    {"4",  P::Brick,        {1, 1}, C::White,     at(19),   at(1.6), at(14), noTurn},
    {"5",  P::Brick,        {1, 4}, C::White,     at(19),   at(1.6), at(15), noTurn},
    {"6",  P::CornerBrick,  {90},   C::White,     at(19),   at(1.6), at(19), noTurn},
    {"7",  P::Brick,        {2, 1}, C::White,     at(21),   at(1.6), at(20), noTurn},
    {"8",  P::Brick,        {8, 1}, C::White,     at(21),   at(1.6), at(11), noTurn},
    {"9",  P::CornerBrick,  {270},  C::White,     at(29),   at(1.6), at(11), noTurn},
    {"10", P::Brick,        {1, 6}, C::White,     at(30),   at(1.6), at(13), noTurn},
    {"11", P::CornerBrick,  {180},  C::White,     at(29),   at(1.6), at(19), noTurn},
    {"12", P::Brick,        {2, 1}, C::White,     at(27),   at(1.6), at(20), noTurn},
    {"13", P::RoundBrick,   {},     C::LightGrey, at(18),   at(0.8), at(20), noTurn},
};

// Map 8: flower bed before the wing; wing, second course, door gap x 9-13.
constexpr Placement map8[] = {
    {"1",  P::GroupOrigin, {},     C::OwnColours, at(3),  at(0.4),  at(12), noTurn},
    {"1a", P::Plate,       {6, 2}, C::Brown,      at(+0), at(+0),   at(+0), noTurn},
    {"1b", P::RoundPlate,  {},     C::Brown,      at(+0), at(+0.4), at(+0), noTurn},
    {"1c", P::RoundPlate,  {},     C::Brown,      at(+2), at(+0.4), at(+0), noTurn},
    {"1d", P::RoundPlate,  {},     C::Brown,      at(+3), at(+0.4), at(+0), noTurn},
    {"1e", P::RoundPlate,  {},     C::Brown,      at(+5), at(+0.4), at(+0), noTurn},
    {"1f", P::RoundPlate,  {},     C::Brown,      at(+1), at(+0.4), at(+1), noTurn},
    {"1g", P::RoundPlate,  {},     C::Green,      at(+0), at(+0.4), at(+1), noTurn},
    {"1h", P::RoundPlate,  {},     C::Green,      at(+2), at(+0.8), at(+0), noTurn},
    {"1i", P::RoundPlate,  {},     C::Green,      at(+4), at(+0.4), at(+1), noTurn},
    {"1j", P::RoundPlate,  {},     C::Green,      at(+5), at(+0.8), at(+0), noTurn},
    {"1k", P::RoundPlate,  {},     C::Red,        at(+1), at(+0.8), at(+1), noTurn},
    {"1l", P::RoundPlate,  {},     C::Red,        at(+3), at(+0.4), at(+1), noTurn},
    {"1m", P::RoundPlate,  {},     C::Red,        at(+4), at(+0.4), at(+0), noTurn},
    {"2",  P::Brick,       {1, 4}, C::White,      at(2),  at(1.6),  at(2),  noTurn},
    {"3",  P::Brick,       {1, 6}, C::White,      at(2),  at(1.6),  at(6),  noTurn},
    {"4",  P::Brick,       {6, 1}, C::White,      at(3),  at(1.6),  at(11), noTurn},
    {"5",  P::Brick,       {8, 1}, C::White,      at(3),  at(1.6),  at(2),  noTurn},
    {"6",  P::Brick,       {2, 1}, C::White,      at(11), at(1.6),  at(2),  noTurn},
    {"7",  P::Brick,       {1, 8}, C::White,      at(13), at(1.6),  at(2),  noTurn},
    {"8",  P::Brick,       {1, 2}, C::White,      at(13), at(1.6),  at(10), noTurn},
};

// Map 9: plates on the second courses, light grey on the wing (with the jutting window sills),
// white on the main building; the column's second brick.
constexpr Placement map9[] = {
    {"1",  P::Plate,      {10, 1}, C::LightGrey, at(2),  at(2.8), at(2),  noTurn},
    {"2",  P::Plate,      {1, 1},  C::LightGrey, at(12), at(2.8), at(2),  noTurn},
    {"3",  P::Plate,      {1, 10}, C::LightGrey, at(13), at(2.8), at(2),  noTurn},
    {"4",  P::Plate,      {1, 1},  C::LightGrey, at(8),  at(2.8), at(11), noTurn},
    {"5",  P::Plate,      {4, 2},  C::LightGrey, at(4),  at(2.8), at(11), noTurn},
    {"6",  P::Plate,      {2, 1},  C::LightGrey, at(2),  at(2.8), at(11), noTurn},
    {"7",  P::Plate,      {1, 2},  C::LightGrey, at(2),  at(2.8), at(9),  noTurn},
    {"8",  P::Plate,      {2, 4},  C::LightGrey, at(1),  at(2.8), at(5),  noTurn},
    {"9",  P::Plate,      {1, 2},  C::LightGrey, at(2),  at(2.8), at(3),  noTurn},
    {"10", P::Plate,      {8, 1},  C::White,     at(19), at(2.8), at(11), noTurn},
    {"11", P::Plate,      {4, 1},  C::White,     at(27), at(2.8), at(11), noTurn},
    {"12", P::Plate,      {1, 8},  C::White,     at(30), at(2.8), at(12), noTurn},
    {"13", P::Plate,      {4, 1},  C::White,     at(27), at(2.8), at(20), noTurn},
    {"14", P::Plate,      {4, 1},  C::White,     at(19), at(2.8), at(20), noTurn},
    {"15", P::Plate,      {1, 8},  C::White,     at(19), at(2.8), at(12), noTurn},
    {"16", P::RoundBrick, {},      C::LightGrey, at(18), at(2),   at(20), noTurn},
};

// Map 10: third course of both buildings with the window openings (wing x 2 over z 5-9 and
// z 11 over x 4-8, main building x 30 over z 14-18); the column's third brick.
constexpr Placement map10[] = {
    {"1",  P::Brick,       {8, 1}, C::White,     at(3),  at(3.2), at(2),  noTurn},
    {"2",  P::Brick,       {2, 1}, C::White,     at(11), at(3.2), at(2),  noTurn},
    {"3",  P::Brick,       {1, 8}, C::White,     at(13), at(3.2), at(2),  noTurn},
    {"4",  P::Brick,       {1, 2}, C::White,     at(13), at(3.2), at(10), noTurn},
    {"5",  P::Brick,       {1, 1}, C::White,     at(8),  at(3.2), at(11), noTurn},
    {"6",  P::Brick,       {1, 1}, C::White,     at(3),  at(3.2), at(11), noTurn},
    {"7",  P::Brick,       {1, 3}, C::White,     at(2),  at(3.2), at(9),  noTurn},
    {"8",  P::Brick,       {1, 3}, C::White,     at(2),  at(3.2), at(2),  noTurn},
    {"9",  P::CornerBrick, {0},    C::White,     at(19), at(3.2), at(11), noTurn},
    {"10", P::Brick,       {8, 1}, C::White,     at(21), at(3.2), at(11), noTurn},
    {"11", P::CornerBrick, {270},  C::White,     at(29), at(3.2), at(11), noTurn},
    {"12", P::Brick,       {1, 1}, C::White,     at(30), at(3.2), at(13), noTurn},
    {"13", P::Brick,       {1, 1}, C::White,     at(30), at(3.2), at(18), noTurn},
    {"14", P::CornerBrick, {180},  C::White,     at(29), at(3.2), at(19), noTurn},
    {"15", P::Brick,       {2, 1}, C::White,     at(27), at(3.2), at(20), noTurn},
    {"16", P::Brick,       {3, 1}, C::White,     at(20), at(3.2), at(20), noTurn},
    {"17", P::Brick,       {1, 8}, C::White,     at(19), at(3.2), at(13), noTurn},
    {"18", P::RoundBrick,  {},     C::LightGrey, at(18), at(3.2), at(20), noTurn},
};
}  // namespace
// clang-format on

const PlacementTable layerMap1 = tableOf(map1);
const PlacementTable layerMap2 = tableOf(map2);
const PlacementTable layerMap3 = tableOf(map3);
const PlacementTable layerMap4 = tableOf(map4);
const PlacementTable layerMap5 = tableOf(map5);
const PlacementTable layerMap6 = tableOf(map6);
const PlacementTable layerMap7 = tableOf(map7);
const PlacementTable layerMap8 = tableOf(map8);
const PlacementTable layerMap9 = tableOf(map9);
const PlacementTable layerMap10 = tableOf(map10);
