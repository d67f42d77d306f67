// Layer maps 31-40: the top of both roofs (wing chimney, main ridge, main chimney cap) and
// the garden: mailbox, fence, bench, hut and tree.
#include "model/maps/LayerMaps.h"

namespace {
// The tables keep their hand-aligned columns.
// clang-format off
using P = PieceKind;
using C = PaletteColour;

// Map 31: wing chimney with its cap; main roof's top row; the main chimney's fourth brick.
constexpr Placement map31[] = {
    {"1",  P::Brick,       {2, 2},   C::White,      at(12), at(14.4), at(6),  noTurn},
    {"2",  P::GroupOrigin, {},       C::OwnColours, at(12), at(15.6), at(6),  noTurn},
    {"2a", P::Plate,       {2, 1},   C::LightGrey,  at(+0), at(+0),   at(+0), noTurn},
    {"2b", P::RoundPlate,  {},       C::Black,      at(+1), at(+0.4), at(+0), noTurn},
    {"2c", P::RoundPlate,  {},       C::Black,      at(+1), at(+0.8), at(+0), noTurn},
    {"3",  P::RoofTile,    {2, 0},   C::Red,        at(23), at(18),   at(10), noTurn},
    {"4",  P::RoofTile,    {4, 0},   C::Red,        at(23), at(18),   at(12), noTurn},
    {"5",  P::RoofTile,    {4, 0},   C::Red,        at(23), at(18),   at(16), noTurn},
    {"6",  P::RoofTile,    {2, 0},   C::Red,        at(23), at(18),   at(20), noTurn},
    {"7",  P::RoofTile,    {2, 180}, C::Red,        at(25), at(18),   at(10), noTurn},
    {"8",  P::RoofTile,    {4, 180}, C::Red,        at(25), at(18),   at(12), noTurn},
    {"9",  P::RoofTile,    {4, 180}, C::Red,        at(25), at(18),   at(16), noTurn},
    {"10", P::RoofTile,    {2, 180}, C::Red,        at(25), at(18),   at(20), noTurn},
    {"11", P::Brick,       {2, 2},   C::White,      at(20), at(18),   at(14), noTurn},
};

// Map 32: main chimney's fifth brick and the main ridge: end, 4, 2, 4, end.
constexpr Placement map32[] = {
    {"1", P::Brick,         {2, 2}, C::White, at(20), at(19.2), at(14), noTurn},
    {"2", P::EndRidgedTile, {0},    C::Red,   at(24), at(19.2), at(10), noTurn},
    {"3", P::RidgedTile,    {4, 0}, C::Red,   at(24), at(19.2), at(11), noTurn},
    {"4", P::RidgedTile,    {2, 0}, C::Red,   at(24), at(19.2), at(15), noTurn},
    {"5", P::RidgedTile,    {4, 0}, C::Red,   at(24), at(19.2), at(17), noTurn},
    {"6", P::EndRidgedTile, {180},  C::Red,   at(24), at(19.2), at(21), noTurn},
};

// Map 33: main chimney cap of black round plates; mailbox post's back half; corner post base.
constexpr Placement map33[] = {
    {"1",  P::RoundPlate, {},     C::Black, at(20), at(20.4), at(14), noTurn},
    {"2",  P::RoundPlate, {},     C::Black, at(20), at(20.8), at(14), noTurn},
    {"3",  P::RoundPlate, {},     C::Black, at(21), at(20.4), at(14), noTurn},
    {"4",  P::RoundPlate, {},     C::Black, at(21), at(20.8), at(14), noTurn},
    {"5",  P::RoundPlate, {},     C::Black, at(20), at(20.4), at(15), noTurn},
    {"6",  P::RoundPlate, {},     C::Black, at(20), at(20.8), at(15), noTurn},
    {"7",  P::RoundPlate, {},     C::Black, at(21), at(20.4), at(15), noTurn},
    {"8",  P::RoundPlate, {},     C::Black, at(21), at(20.8), at(15), noTurn},
    {"9",  P::Brick,      {2, 1}, C::White, at(21), at(1.6),  at(25), noTurn},
    {"10", P::Brick,      {1, 1}, C::White, at(16), at(0.8),  at(26), noTurn},
};

// Map 34: mailbox post's front half; corner post's second brick; fence sections on the footing.
constexpr Placement map34[] = {
    {"1", P::WallCorner, {0},    C::White,      at(21), at(1.6), at(26), noTurn},
    {"2", P::WallCorner, {270},  C::White,      at(22), at(1.6), at(26), noTurn},
    {"3", P::Brick,      {1, 1}, C::White,      at(16), at(2),   at(26), noTurn},
    {"4", P::Fence,      {0},    C::OwnColours, at(17), at(0.8), at(26), noTurn},
    {"5", P::Fence,      {90},   C::OwnColours, at(16), at(0.8), at(22), noTurn},
    {"6", P::Fence,      {90},   C::OwnColours, at(16), at(0.8), at(18), noTurn},
    {"7", P::Fence,      {90},   C::OwnColours, at(16), at(0.8), at(14), noTurn},
    {"8", P::Fence,      {90},   C::OwnColours, at(16), at(0.8), at(10), noTurn},
    {"9", P::Fence,      {90},   C::OwnColours, at(16), at(0.8), at(6),  noTurn},
};

// Map 35: hut floor, tree base plate, the bench's feet and front legs; the mailbox on its post.
constexpr Placement map35[] = {
    {"1",  P::Plate,      {2, 1}, C::White,      at(12), at(0.4), at(19), noTurn},
    {"2",  P::Plate,      {2, 4}, C::Tan,        at(12), at(0.4), at(20), noTurn},
    {"3",  P::Plate,      {2, 3}, C::Brown,      at(1),  at(0.4), at(23), noTurn},
    {"4",  P::RoundPlate, {},     C::Black,      at(1),  at(0.4), at(17), noTurn},
    {"5",  P::RoundPlate, {},     C::Black,      at(1),  at(0.4), at(18), noTurn},
    {"6",  P::RoundPlate, {},     C::Black,      at(4),  at(0.4), at(17), noTurn},
    {"7",  P::RoundPlate, {},     C::Black,      at(4),  at(0.4), at(18), noTurn},
    {"8",  P::RoundBrick, {},     C::LightGrey,  at(1),  at(0.4), at(20), noTurn},
    {"9",  P::RoundBrick, {},     C::LightGrey,  at(4),  at(0.4), at(20), noTurn},
    {"10", P::MailBox,    {0},    C::OwnColours, at(21), at(2.8), at(25), noTurn},
};

// Map 36: bench seat supports on the feet; hut walls, first course.
constexpr Placement map36[] = {
    {"1", P::CornerPlate, {0},    C::LightGrey, at(1),  at(0.8), at(17), noTurn},
    {"2", P::CornerPlate, {270},  C::LightGrey, at(3),  at(0.8), at(17), noTurn},
    {"3", P::Brick,       {4, 1}, C::White,     at(11), at(0.4), at(18), noTurn},
    {"4", P::Brick,       {1, 4}, C::White,     at(11), at(0.4), at(19), noTurn},
    {"5", P::Brick,       {1, 4}, C::White,     at(14), at(0.4), at(19), noTurn},
};

// Map 37: bench plates; hut walls, second course; a flower on the tree's base plate.
constexpr Placement map37[] = {
    {"1", P::Plate,      {4, 1}, C::LightGrey, at(1),  at(1.2), at(17), noTurn},
    {"2", P::Plate,      {4, 1}, C::LightGrey, at(1),  at(1.2), at(18), noTurn},
    {"3", P::Brick,      {4, 2}, C::White,     at(11), at(1.6), at(18), noTurn},
    {"4", P::Brick,      {1, 3}, C::White,     at(11), at(1.6), at(20), noTurn},
    {"5", P::Brick,      {1, 3}, C::White,     at(14), at(1.6), at(20), noTurn},
    {"6", P::RoundPlate, {},     C::Brown,     at(1),  at(0.8), at(24), noTurn},
    {"7", P::RoundPlate, {},     C::Green,     at(1),  at(1.2), at(24), noTurn},
};

// Map 38: bench back posts, leg caps and seat (tiles on half-stud z); hut roof slopes.
constexpr Placement map38[] = {
    {"1",  P::RoundBrick, {},       C::LightGrey, at(1),  at(1.6), at(17),   noTurn},
    {"2",  P::RoundBrick, {},       C::LightGrey, at(4),  at(1.6), at(17),   noTurn},
    {"3",  P::FlatTile,   {1, 2},   C::LightGrey, at(4),  at(1.6), at(19.5), noTurn},
    {"4",  P::FlatTile,   {1, 2},   C::LightGrey, at(1),  at(1.6), at(19.5), noTurn},
    {"5",  P::FlatTile,   {4, 1},   C::Black,     at(1),  at(2),   at(19.5), noTurn},
    {"6",  P::FlatTile,   {4, 1},   C::Black,     at(1),  at(2),   at(20.5), noTurn},
    {"7",  P::RoofTile,   {1, 0},   C::Red,       at(11), at(2.8), at(18),   noTurn},
    {"8",  P::RoofTile,   {1, 180}, C::Red,       at(13), at(2.8), at(18),   noTurn},
    {"9",  P::RoofTile,   {4, 0},   C::Red,       at(11), at(2.8), at(19),   noTurn},
    {"10", P::RoofTile,   {4, 180}, C::Red,       at(13), at(2.8), at(19),   noTurn},
};

// Map 39: bench back top plate; hut ridge.
constexpr Placement map39[] = {
    {"1", P::Plate,         {4, 1}, C::LightGrey, at(1),  at(2.8), at(17), noTurn},
    {"2", P::EndRidgedTile, {0},    C::Red,       at(12), at(4),   at(18), noTurn},
    {"3", P::RidgedTile,    {4, 0}, C::Red,       at(12), at(4),   at(19), noTurn},
};

// Map 40: the tree: group origin half a stud off the grid, trunk below it, crown above.
constexpr Placement map40[] = {
    {"1",  P::GroupOrigin,      {},       C::OwnColours, at(1.5),  at(4.4),  at(22.5), noTurn},
    {"1a", P::RoundBrick,       {},       C::Brown,      at(+0.5), at(-1.2), at(+0.5), noTurn},
    {"1b", P::RoundBrick,       {},       C::Brown,      at(+0.5), at(-2.4), at(+0.5), noTurn},
    {"1c", P::RoundBrick,       {},       C::Brown,      at(+0.5), at(-3.6), at(+0.5), noTurn},
    {"1d", P::Plate,            {2, 2},   C::Green,      at(+0),   at(+0),   at(+0),   noTurn},
    {"1e", P::RoofTileInverted, {2, 0},   C::Green,      at(-1),   at(+0.4), at(+0),   noTurn},
    {"1f", P::RoofTileInverted, {2, 180}, C::Green,      at(+1),   at(+0.4), at(+0),   noTurn},
    {"1g", P::Brick,            {2, 4},   C::Green,      at(+0),   at(+1.6), at(-1),   noTurn},
    {"1h", P::Brick,            {1, 2},   C::Lime,       at(-1),   at(+1.6), at(+0),   noTurn},
    {"1i", P::Brick,            {1, 2},   C::Lime,       at(+2),   at(+1.6), at(+0),   noTurn},
    {"1j", P::RoofTile,         {1, 0},   C::Green,      at(-1),   at(+2.8), at(+1),   noTurn},
    {"1k", P::RoofTile,         {1, 90},  C::Green,      at(+1),   at(+2.8), at(+1),   noTurn},
    {"1l", P::RoofTile,         {1, 180}, C::Green,      at(+1),   at(+2.8), at(+0),   noTurn},
    {"1m", P::RoofTile,         {1, 270}, C::Green,      at(+0),   at(+2.8), at(-1),   noTurn},
};
}  // namespace
// clang-format on

const PlacementTable layerMap31 = tableOf(map31);
const PlacementTable layerMap32 = tableOf(map32);
const PlacementTable layerMap33 = tableOf(map33);
const PlacementTable layerMap34 = tableOf(map34);
const PlacementTable layerMap35 = tableOf(map35);
const PlacementTable layerMap36 = tableOf(map36);
const PlacementTable layerMap37 = tableOf(map37);
const PlacementTable layerMap38 = tableOf(map38);
const PlacementTable layerMap39 = tableOf(map39);
const PlacementTable layerMap40 = tableOf(map40);
