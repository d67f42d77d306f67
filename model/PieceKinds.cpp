#include "model/PieceKinds.h"

#include "model/BrikVantaHouse.h"

namespace {
using A = ArgumentRole;
using T = Turns;

int whole(double value) { return static_cast<int>(value); }  // as an int parameter takes it

// The kind, its name and its method's name from one token, so that they cannot drift apart.
#define BRIK_KIND(Name) PieceKind::Name, #Name, "drawSolid" #Name

// clang-format off
constexpr PieceKindInfo kPieceKinds[] = {
    {PieceKind::GroupOrigin, "GroupOrigin", "group origin", {A::Unused, A::Unused}, false,
     nullptr, {0, 0, T::None, 0, {}}},
    {BRIK_KIND(Plate), {A::Size, A::Size}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidPlate(whole(a[0]), whole(a[1]), c); },
     {kSizeX, kSizeZ, T::None, 1, {{0, 0, 0, kSizeX, 0.4, kSizeZ}}}},
    {BRIK_KIND(FlatTile), {A::Size, A::Size}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidFlatTile(whole(a[0]), whole(a[1]), c); },
     {kSizeX, kSizeZ, T::None, 1, {{0, 0, 0, kSizeX, 0.4, kSizeZ}}}},
    {BRIK_KIND(Brick), {A::Size, A::Size}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidBrick(whole(a[0]), whole(a[1]), c); },
     {kSizeX, kSizeZ, T::None, 1, {{0, 0, 0, kSizeX, 1.2, kSizeZ}}}},
    {BRIK_KIND(RoundPlate), {A::Unused, A::Unused}, false,
     [](BrikVantaHouse& h, const double*, BrikColor c) { h.drawSolidRoundPlate(c); },
     {1, 1, T::None, 1, {{0, 0, 0, 1, 0.4, 1}}}},
    {BRIK_KIND(RoundBrick), {A::Unused, A::Unused}, false,
     [](BrikVantaHouse& h, const double*, BrikColor c) { h.drawSolidRoundBrick(c); },
     {1, 1, T::None, 1, {{0, 0, 0, 1, 1.2, 1}}}},
    {BRIK_KIND(CornerPlate), {A::Angle, A::Unused}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidCornerPlate(whole(a[0]), c); },
     {2, 2, T::AllQuarters, 2, {{0, 0, 0, 2, 0.4, 1},
                                {0, 0, 1, 1, 0.4, 2}}}},
    {BRIK_KIND(CornerBrick), {A::Angle, A::Unused}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidCornerBrick(whole(a[0]), c); },
     {2, 2, T::AllQuarters, 2, {{0, 0, 0, 2, 1.2, 1},
                                {0, 0, 1, 1, 1.2, 2}}}},
    {BRIK_KIND(RoofTile), {A::Size, A::Angle}, true,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidRoofTile(whole(a[0]), a[1], c); },
     {2, kSizeZ, T::AllQuarters, 2, {{1, 0, 0, 2, 1.2, kSizeZ},
                                     {0, 0, 0, 1, 0.2, kSizeZ}}}},
    {BRIK_KIND(RoofTileInverted), {A::Size, A::Angle}, true,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidRoofTileInverted(whole(a[0]), a[1], c); },
     {2, kSizeZ, T::AllQuarters, 2, {{1, 0, 0, 2, 1.2, kSizeZ},
                                     {0, 1.0, 0, 1, 1.2, kSizeZ}}}},
    {BRIK_KIND(RidgedTile), {A::Size, A::Angle}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidRidgedTile(whole(a[0]), whole(a[1]), c); },
     {2, kSizeZ, T::NinetyOnly, 2, {{0, 0, 0, 2, 0.2, kSizeZ},
                                    {0.5, 0.2, 0, 1.5, 0.7, kSizeZ}}}},
    {BRIK_KIND(EndRidgedTile), {A::Angle, A::Unused}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidEndRidgedTile(whole(a[0]), c); },
     {2, 1, T::AllQuarters, 2, {{0, 0, 0, 2, 0.2, 1},
                                {0.5, 0.2, 0.5, 1.5, 0.7, 1}}}},
    {BRIK_KIND(RadiatorGrile), {A::Angle, A::Unused}, true,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) { h.drawSolidRadiatorGrile(a[0], c); },
     {1, 2, T::NinetyOnly, 1, {{0, 0, 0, 1, 0.4, 2}}}},
    {BRIK_KIND(AngularBrick), {A::Angle, A::Unused}, true,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) { h.drawSolidAngularBrick(a[0], c); },
     {1, 1, T::AllQuarters, 2, {{0, 0, 0, 1, 0.2, 1},
                                {0.2, 0.2, 0, 1, 1.2, 1}}}},
    {BRIK_KIND(PlateWithSlide), {A::Angle, A::Size}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidPlateWithSlide(whole(a[0]), whole(a[1]), c); },
     {1.45, kSizeZ, T::AllQuarters, 3, {{0.45, 0, 0, 1.45, 0.4, kSizeZ},
                                        {0.15, 0.15, 0, 0.45, 0.25, kSizeZ},
                                        {0, 0, 0, 0.15, 0.4, kSizeZ}}}},
    {BRIK_KIND(WallCorner), {A::Angle, A::Unused}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidWallCorner(whole(a[0]), c); },
     {1, 1, T::AllQuarters, 3, {{0, 0, 0, 1, 0.4, 1},
                                {0, 0.4, 0, 0.2, 1.2, 1},
                                {0.2, 0.4, 0, 1, 1.2, 0.2}}}},
    {BRIK_KIND(AnglePlate), {A::Angle, A::Unused}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidAnglePlate(whole(a[0]), c); },
     {1.4, 2, T::AllQuarters, 2, {{0, 0, 0, 0.4, 2.0, 2},
                                  {0.4, 1.6, 0, 1.4, 2.0, 2}}}},
    {BRIK_KIND(Window), {A::Angle, A::Unused}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor) { h.drawSolidWindow(whole(a[0])); },
     {4, 1, T::AllQuarters, 1, {{0, 0, 0, 4, 3.6, 1}}}},
    {BRIK_KIND(Door), {A::Angle, A::Unused}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor) { h.drawSolidDoor(whole(a[0])); },
     {4, 1, T::AllQuarters, 1, {{0, 0, 0, 4, 6.0, 1}}}},
    {BRIK_KIND(Fence), {A::Angle, A::Unused}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor) { h.drawSolidFence(whole(a[0])); },
     {4, 1, T::NinetyOnly, 1, {{0, 0, 0, 4, 2.4, 1}}}},
    {BRIK_KIND(MailBox), {A::Angle, A::Unused}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor) { h.drawSolidMailBox(whole(a[0])); },
     {2, 2, T::NinetyOnly, 2, {{0, 0, 0, 2, 1.0, 2},
                               {0.5, 1.0, 1, 1.5, 1.6, 2}}}},
    {BRIK_KIND(BasePlate), {A::Size, A::Size}, false,
     [](BrikVantaHouse& h, const double a[2], BrikColor c) {
         h.drawSolidBasePlate(whole(a[0]), whole(a[1]), c); },
     {kSizeX, kSizeZ, T::None, 1, {{0, 0, 0, kSizeX, 0.4, kSizeZ}}}},
};
// clang-format on
#undef BRIK_KIND

static_assert(sizeof kPieceKinds / sizeof kPieceKinds[0] == kPieceKindCount,
              "one row per piece kind");

constexpr bool rowsFollowTheEnum() {
    for (std::size_t i = 0; i < kPieceKindCount; ++i)
        if (static_cast<std::size_t>(kPieceKinds[i].kind) != i) return false;
    return true;
}
static_assert(rowsFollowTheEnum(), "the rows are in the enum's order");

constexpr bool everyPieceHasABody() {
    for (std::size_t i = 1; i < kPieceKindCount; ++i)
        if (kPieceKinds[i].body.boxCount < 1 || kPieceKinds[i].draw == nullptr) return false;
    return true;
}
static_assert(everyPieceHasABody(), "every piece draws and has at least one body box");
}  // namespace

const PieceKindInfo& pieceKindInfo(PieceKind kind) {
    return kPieceKinds[static_cast<std::size_t>(kind)];
}

PieceKindRange allPieceKinds() { return {kPieceKinds, kPieceKinds + kPieceKindCount}; }

bool pieceColoursItself(PieceKind kind) {
    return kind == PieceKind::Window || kind == PieceKind::Door || kind == PieceKind::Fence ||
           kind == PieceKind::MailBox;
}
