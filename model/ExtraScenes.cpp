#include "model/ExtraScenes.h"

#include "model/DrawTarget.h"
#include "model/HouseFrame.h"
#include "model/Scene.h"

namespace {
using P = PieceKind;
using C = PaletteColour;

// One row per piece kind along x, its four turns (0, 90, 180, 270) along z.
// clang-format off
constexpr Placement kShowcase[] = {
    {"1",  P::Plate,            {2, 3},     C::White,      at(1),  at(0.4), range(1, 25, 8), noTurn},
    {"2",  P::FlatTile,         {2, 3},     C::Tan,        at(4),  at(0.4), range(1, 25, 8), noTurn},
    {"3",  P::Brick,            {2, 3},     C::Red,        at(7),  at(0.4), range(1, 25, 8), noTurn},
    {"4",  P::RoundPlate,       {},         C::Green,      at(10), at(0.4), range(1, 25, 8), noTurn},
    {"5",  P::RoundBrick,       {},         C::LightGrey,  at(12), at(0.4), range(1, 25, 8), noTurn},
    {"6",  P::CornerPlate,      {0},        C::Yellow,     at(14), at(0.4), at(1),  noTurn},
    {"7",  P::CornerPlate,      {90},       C::Yellow,     at(14), at(0.4), at(9),  noTurn},
    {"8",  P::CornerBrick,      {180},      C::Black,      at(14), at(0.4), at(17), noTurn},
    {"9",  P::CornerBrick,      {270},      C::Black,      at(14), at(0.4), at(25), noTurn},
    {"10", P::RoofTile,         {3, 0},     C::Red,        at(17), at(0.4), at(1),  noTurn},
    {"11", P::RoofTile,         {3, 90},    C::Red,        at(17), at(0.4), at(5),  noTurn},
    {"12", P::RoofTileInverted, {3, 180},   C::Red,        at(17), at(0.4), at(9),  noTurn},
    {"13", P::RoofTileInverted, {3, 270},   C::Red,        at(17), at(0.4), at(13), noTurn},
    {"14", P::RidgedTile,       {3, 0},     C::Red,        at(17), at(0.4), at(17), noTurn},
    {"15", P::RidgedTile,       {3, 90},    C::Red,        at(17), at(0.4), at(21), noTurn},
    {"16", P::EndRidgedTile,    {0},        C::Red,        at(17), at(0.4), at(25), noTurn},
    {"17", P::EndRidgedTile,    {180},      C::Red,        at(17), at(0.4), at(28), noTurn},
    {"18", P::RadiatorGrile,    {0},        C::LightGrey,  at(21), at(0.4), at(1),  noTurn},
    {"19", P::RadiatorGrile,    {90},       C::LightGrey,  at(21), at(0.4), at(5),  noTurn},
    {"20", P::AngularBrick,     {0},        C::White,      at(21), at(0.4), at(9),  noTurn},
    {"21", P::AngularBrick,     {180},      C::White,      at(21), at(0.4), at(13), noTurn},
    {"22", P::PlateWithSlide,   {0, 3},     C::Brown,      at(21), at(0.4), at(17), noTurn},
    {"23", P::WallCorner,       {90},       C::White,      at(21), at(0.4), at(22), noTurn},
    {"24", P::AnglePlate,       {270},      C::DarkGrey,   at(21), at(0.4), at(26), noTurn},
    {"25", P::Window,           {0},        C::OwnColours, at(25), at(0.4), at(1),  noTurn},
    {"26", P::Door,             {0},        C::OwnColours, at(25), at(0.4), at(6),  noTurn},
    {"27", P::Fence,            {0},        C::OwnColours, at(25), at(0.4), at(12), noTurn},
    {"28", P::Fence,            {90},       C::OwnColours, at(25), at(0.4), at(16), noTurn},
    {"29", P::MailBox,          {0},        C::OwnColours, at(25), at(0.4), at(22), noTurn},
    {"30", P::RoundPlate,       {},         C::Lime,       at(25), at(0.6), at(27), aboutZ(90)},
};
// clang-format on
constexpr PlacementTable kShowcaseTable = tableOf(kShowcase);

// The house frame inside world units, as the house itself is drawn.
template <typename Draw>
void inHouseFrame(Draw draw) {
    drawTarget().pushMatrix();
    drawTarget().scale(kHouseScale, kHouseScale, kHouseScale);
    drawTarget().translate(kBasePlateOffset, 0, kBasePlateOffset);
    BrikVantaHouse pieces;
    pieces.drawSolidBasePlate(kBasePlateSize, kBasePlateSize, pieces.colorGreen);
    draw(pieces);
    drawTarget().popMatrix();
}
}  // namespace

void DrawBasePlateScene(float /*sceneTime*/) {
    inHouseFrame([](BrikVantaHouse&) {});
}

void DrawShowcaseScene(float /*sceneTime*/) { drawOnBasePlate(kShowcaseTable); }

const PlacementTable& showcaseTable() { return kShowcaseTable; }

void drawOnBasePlate(const PlacementTable& table) {
    inHouseFrame([&](BrikVantaHouse& pieces) { drawPlacements(pieces, table); });
}
