// Layer maps 11-20: the upper ground-floor courses, the windows and doors, the wing's wall top
// and the main building's upper storey up to the plates under its roof.
#include "model/maps/LayerMaps.h"

namespace {
// The tables keep their hand-aligned columns.
// clang-format off
using P = PieceKind;
using C = PaletteColour;

// Map 11: main building, fourth course; angular bricks beside the door carry an upright tile and
// an upright black round plate on the front face; the column's fourth brick.
constexpr Placement map11[] = {
    {"1",  P::Brick,        {8, 1}, C::White,     at(19), at(4.4), at(11),   noTurn},
    {"2",  P::Brick,        {4, 1}, C::White,     at(27), at(4.4), at(11),   noTurn},
    {"3",  P::Brick,        {1, 2}, C::White,     at(30), at(4.4), at(12),   noTurn},
    {"4",  P::Brick,        {1, 2}, C::White,     at(30), at(4.4), at(18),   noTurn},
    {"5",  P::Brick,        {3, 1}, C::White,     at(28), at(4.4), at(20),   noTurn},
    {"6",  P::AngularBrick, {90},   C::White,     at(27), at(4.4), at(20),   noTurn},
    {"7",  P::AngularBrick, {90},   C::White,     at(22), at(4.4), at(20),   noTurn},
    {"8",  P::AngularBrick, {90},   C::White,     at(21), at(4.4), at(20),   noTurn},
    {"9",  P::Brick,        {2, 1}, C::White,     at(19), at(4.4), at(20),   noTurn},
    {"10", P::Brick,        {1, 8}, C::White,     at(19), at(4.4), at(12),   noTurn},
    {"11", P::FlatTile,     {2, 1}, C::LightGrey, at(21), at(5.6), at(20.8), aboutX(90)},
    {"12", P::RoundPlate,   {},     C::Black,     at(27), at(5.6), at(20.8), aboutX(90)},
    {"13", P::RoundBrick,   {},     C::LightGrey, at(18), at(4.4), at(20),   noTurn},
};

// Map 12: wing, fourth course; an angular brick left of the door carries an upright yellow round
// plate; a corner brick at the front-left corner.
constexpr Placement map12[] = {
    {"1", P::Brick,        {4, 1}, C::White,  at(2),  at(4.4), at(2),    noTurn},
    {"2", P::Brick,        {8, 1}, C::White,  at(6),  at(4.4), at(2),    noTurn},
    {"3", P::Brick,        {1, 8}, C::White,  at(13), at(4.4), at(3),    noTurn},
    {"4", P::Brick,        {1, 1}, C::White,  at(13), at(4.4), at(11),   noTurn},
    {"5", P::AngularBrick, {90},   C::White,  at(8),  at(4.4), at(11),   noTurn},
    {"6", P::RoundPlate,   {},     C::Yellow, at(8),  at(5.6), at(11.5), aboutX(90)},
    {"7", P::CornerBrick,  {90},   C::White,  at(2),  at(4.4), at(10),   noTurn},
    {"8", P::Brick,        {1, 1}, C::White,  at(2),  at(4.4), at(9),    noTurn},
    {"9", P::Brick,        {1, 2}, C::White,  at(2),  at(4.4), at(3),    noTurn},
};

// Map 13: fifth course of both buildings, with the openings of map 10; the column's fifth brick.
constexpr Placement map13[] = {
    {"1",  P::Brick,       {8, 1}, C::White,     at(3),  at(5.6), at(2),  noTurn},
    {"2",  P::Brick,       {2, 1}, C::White,     at(11), at(5.6), at(2),  noTurn},
    {"3",  P::Brick,       {1, 8}, C::White,     at(13), at(5.6), at(2),  noTurn},
    {"4",  P::Brick,       {1, 2}, C::White,     at(13), at(5.6), at(10), noTurn},
    {"5",  P::Brick,       {1, 1}, C::White,     at(8),  at(5.6), at(11), noTurn},
    {"6",  P::Brick,       {1, 1}, C::White,     at(3),  at(5.6), at(11), noTurn},
    {"7",  P::Brick,       {1, 3}, C::White,     at(2),  at(5.6), at(9),  noTurn},
    {"8",  P::Brick,       {1, 3}, C::White,     at(2),  at(5.6), at(2),  noTurn},
    {"9",  P::CornerBrick, {0},    C::White,     at(19), at(5.6), at(11), noTurn},
    {"10", P::Brick,       {8, 1}, C::White,     at(21), at(5.6), at(11), noTurn},
    {"11", P::CornerBrick, {270},  C::White,     at(29), at(5.6), at(11), noTurn},
    {"12", P::Brick,       {1, 1}, C::White,     at(30), at(5.6), at(13), noTurn},
    {"13", P::Brick,       {1, 3}, C::White,     at(30), at(5.6), at(18), noTurn},
    {"14", P::Brick,       {3, 1}, C::White,     at(27), at(5.6), at(20), noTurn},
    {"15", P::Brick,       {3, 1}, C::White,     at(20), at(5.6), at(20), noTurn},
    {"16", P::Brick,       {1, 8}, C::White,     at(19), at(5.6), at(13), noTurn},
    {"17", P::RoundBrick,  {},     C::LightGrey, at(18), at(5.6), at(20), noTurn},
};

// Map 14: the three windows and the two doors, each in the opening left for it.
constexpr Placement map14[] = {
    {"1", P::Window, {90},  C::OwnColours, at(2),  at(3.2), at(5),  noTurn},
    {"2", P::Window, {180}, C::OwnColours, at(4),  at(3.2), at(11), noTurn},
    {"3", P::Window, {270}, C::OwnColours, at(30), at(3.2), at(14), noTurn},
    {"4", P::Door,   {180}, C::OwnColours, at(9),  at(0.8), at(11), noTurn},
    {"5", P::Door,   {0},   C::OwnColours, at(23), at(0.8), at(20), noTurn},
};

// Map 15: wing, sixth course closing over its openings; a light grey plate band round the main
// building, closing over its door.
constexpr Placement map15[] = {
    {"1", P::Brick, {4, 1},  C::White,     at(2),  at(6.8), at(2),  noTurn},
    {"2", P::Brick, {8, 1},  C::White,     at(6),  at(6.8), at(2),  noTurn},
    {"3", P::Brick, {1, 8},  C::White,     at(13), at(6.8), at(3),  noTurn},
    {"4", P::Brick, {12, 1}, C::White,     at(2),  at(6.8), at(11), noTurn},
    {"5", P::Brick, {1, 8},  C::White,     at(2),  at(6.8), at(3),  noTurn},
    {"6", P::Plate, {10, 1}, C::LightGrey, at(20), at(6.8), at(11), noTurn},
    {"7", P::Plate, {1, 10}, C::LightGrey, at(30), at(6.8), at(11), noTurn},
    {"8", P::Plate, {10, 1}, C::LightGrey, at(20), at(6.8), at(20), noTurn},
    {"9", P::Plate, {1, 10}, C::LightGrey, at(19), at(6.8), at(11), noTurn},
};

// Map 16: plates on the wing's wall tops; main building, sixth course with two inverted slopes
// under the upper window's opening; the column's sixth brick.
constexpr Placement map16[] = {
    {"1",  P::Plate,            {12, 2}, C::LightGrey, at(2),  at(8),   at(2),  noTurn},
    {"2",  P::Plate,            {12, 2}, C::LightGrey, at(2),  at(8),   at(10), noTurn},
    {"3",  P::Plate,            {1, 2},  C::LightGrey, at(2),  at(8),   at(4),  noTurn},
    {"4",  P::Plate,            {1, 2},  C::LightGrey, at(13), at(8),   at(4),  noTurn},
    {"5",  P::Plate,            {1, 4},  C::LightGrey, at(2),  at(8),   at(6),  noTurn},
    {"6",  P::Plate,            {1, 4},  C::LightGrey, at(13), at(8),   at(6),  noTurn},
    {"7",  P::Brick,            {12, 1}, C::White,     at(19), at(7.2), at(11), noTurn},
    {"8",  P::Brick,            {1, 8},  C::White,     at(19), at(7.2), at(12), noTurn},
    {"9",  P::Brick,            {1, 8},  C::White,     at(30), at(7.2), at(12), noTurn},
    {"10", P::Brick,            {4, 1},  C::White,     at(19), at(7.2), at(20), noTurn},
    {"11", P::Brick,            {4, 1},  C::White,     at(27), at(7.2), at(20), noTurn},
    {"12", P::Brick,            {2, 1},  C::White,     at(24), at(7.2), at(20), noTurn},
    {"13", P::RoofTileInverted, {1, 90}, C::LightGrey, at(23), at(7.2), at(20), noTurn},
    {"14", P::RoofTileInverted, {1, 90}, C::LightGrey, at(26), at(7.2), at(20), noTurn},
    {"15", P::RoundBrick,       {},      C::LightGrey, at(18), at(6.8), at(20), noTurn},
};

// Map 17: main building, seventh course, the front open over x 23-27 for the upper window;
// the column's seventh brick.
constexpr Placement map17[] = {
    {"1", P::CornerBrick, {0},    C::White,     at(19), at(8.4), at(11), noTurn},
    {"2", P::Brick,       {8, 1}, C::White,     at(21), at(8.4), at(11), noTurn},
    {"3", P::CornerBrick, {270},  C::White,     at(29), at(8.4), at(11), noTurn},
    {"4", P::Brick,       {1, 8}, C::White,     at(30), at(8.4), at(13), noTurn},
    {"5", P::Brick,       {3, 1}, C::White,     at(27), at(8.4), at(20), noTurn},
    {"6", P::Brick,       {3, 1}, C::White,     at(20), at(8.4), at(20), noTurn},
    {"7", P::Brick,       {1, 8}, C::White,     at(19), at(8.4), at(13), noTurn},
    {"8", P::RoundBrick,  {},     C::LightGrey, at(18), at(8),   at(20), noTurn},
};

// Map 18: main building, eighth course; an inverted slope juts out of the left wall, and group 8
// hangs a plate and a green round plate on the side of an angular brick; the column's last brick.
constexpr Placement map18[] = {
    {"1",  P::Brick,            {12, 1}, C::White,      at(19),   at(9.6),  at(11), noTurn},
    {"2",  P::Brick,            {1, 8},  C::White,      at(30),   at(9.6),  at(12), noTurn},
    {"3",  P::Brick,            {4, 1},  C::White,      at(19),   at(9.6),  at(20), noTurn},
    {"4",  P::Brick,            {4, 1},  C::White,      at(27),   at(9.6),  at(20), noTurn},
    {"5",  P::Brick,            {1, 2},  C::White,      at(19),   at(9.6),  at(12), noTurn},
    {"6",  P::RoofTileInverted, {1, 0},  C::LightGrey,  at(18),   at(9.6),  at(14), noTurn},
    {"7",  P::Brick,            {1, 3},  C::White,      at(19),   at(9.6),  at(15), noTurn},
    {"8",  P::GroupOrigin,      {},      C::OwnColours, at(19),   at(9.6),  at(18), noTurn},
    {"8a", P::AngularBrick,     {0},     C::White,      at(+0),   at(+0),   at(+0), noTurn},
    {"8b", P::Plate,            {1, 1},  C::LightGrey,  at(+0.2), at(+0.2), at(+0), aboutZ(90)},
    {"8c", P::RoundPlate,       {},      C::Green,      at(-0.2), at(+0.2), at(+0), aboutZ(90)},
    {"9",  P::Brick,            {1, 1},  C::White,      at(19),   at(9.6),  at(19), noTurn},
    {"10", P::RoundBrick,       {},      C::LightGrey,  at(18),   at(9.2),  at(20), noTurn},
};

// Map 19: main building, ninth course with side walls two studs thick; the upper front window.
constexpr Placement map19[] = {
    {"1", P::Brick,  {8, 1}, C::White,      at(21), at(10.8), at(11), noTurn},
    {"2", P::Brick,  {2, 8}, C::White,      at(29), at(10.8), at(11), noTurn},
    {"3", P::Brick,  {2, 2}, C::White,      at(29), at(10.8), at(19), noTurn},
    {"4", P::Brick,  {2, 1}, C::White,      at(27), at(10.8), at(20), noTurn},
    {"5", P::Brick,  {2, 1}, C::White,      at(21), at(10.8), at(20), noTurn},
    {"6", P::Brick,  {2, 2}, C::White,      at(19), at(10.8), at(19), noTurn},
    {"7", P::Brick,  {2, 8}, C::White,      at(19), at(10.8), at(11), noTurn},
    {"8", P::Window, {180},  C::OwnColours, at(23), at(8.4),  at(20), noTurn},
};

// Map 20: plates over the main building's back and front walls (closing over the upper window),
// the window's sill tile, two plates on the jutting slope, an inverted slope atop the column.
constexpr Placement map20[] = {
    {"1",  P::Plate,            {4, 1},   C::LightGrey, at(20), at(12),   at(11), noTurn},
    {"2",  P::Plate,            {2, 1},   C::LightGrey, at(24), at(12),   at(11), noTurn},
    {"3",  P::Plate,            {4, 1},   C::LightGrey, at(26), at(12),   at(11), noTurn},
    {"4",  P::Plate,            {4, 1},   C::LightGrey, at(20), at(12),   at(20), noTurn},
    {"5",  P::Plate,            {2, 1},   C::LightGrey, at(24), at(12),   at(20), noTurn},
    {"6",  P::Plate,            {4, 1},   C::LightGrey, at(26), at(12),   at(20), noTurn},
    {"7",  P::FlatTile,         {4, 1},   C::LightGrey, at(23), at(8.4),  at(21), noTurn},
    {"8",  P::Plate,            {1, 1},   C::LightGrey, at(18), at(10.8), at(14), noTurn},
    {"9",  P::Plate,            {1, 1},   C::LightGrey, at(18), at(11.2), at(14), noTurn},
    {"10", P::RoofTileInverted, {1, 270}, C::LightGrey, at(18), at(10.4), at(19), noTurn},
};
}  // namespace
// clang-format on

const PlacementTable layerMap11 = tableOf(map11);
const PlacementTable layerMap12 = tableOf(map12);
const PlacementTable layerMap13 = tableOf(map13);
const PlacementTable layerMap14 = tableOf(map14);
const PlacementTable layerMap15 = tableOf(map15);
const PlacementTable layerMap16 = tableOf(map16);
const PlacementTable layerMap17 = tableOf(map17);
const PlacementTable layerMap18 = tableOf(map18);
const PlacementTable layerMap19 = tableOf(map19);
const PlacementTable layerMap20 = tableOf(map20);
