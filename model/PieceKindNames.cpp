#include "model/PieceKindNames.h"

#include <cstddef>

namespace {
using C = PaletteColour;
constexpr C kPlacementColour = C::OwnColours;  // the piece takes its placement's colour

constexpr PieceKindName kNames[] = {
    {PieceKind::GroupOrigin, "", "", kPlacementColour},
    {PieceKind::Plate, "Plate", nullptr, kPlacementColour},
    {PieceKind::FlatTile, "Tile", nullptr, kPlacementColour},
    {PieceKind::Brick, "Brick", nullptr, kPlacementColour},
    {PieceKind::RoundPlate, "Round plate", "1 × 1", kPlacementColour},
    {PieceKind::RoundBrick, "Round brick", "1 × 1", kPlacementColour},
    {PieceKind::CornerPlate, "Corner plate", "2 × 2", kPlacementColour},
    {PieceKind::CornerBrick, "Corner brick", "2 × 2", kPlacementColour},
    {PieceKind::RoofTile, "Roof tile 45°", "2 × N", kPlacementColour},
    {PieceKind::RoofTileInverted, "Inverted roof tile 45°", "2 × N", kPlacementColour},
    {PieceKind::RidgedTile, "Ridge tile 45°", "2 × N", kPlacementColour},
    {PieceKind::EndRidgedTile, "Ridge end tile 45°", "2 × 1", kPlacementColour},
    {PieceKind::RadiatorGrile, "Radiator grille", "1 × 2", kPlacementColour},
    {PieceKind::AngularBrick, "Brick with side stud", "1 × 1", kPlacementColour},
    {PieceKind::PlateWithSlide, "Plate with rail", "1 × N", kPlacementColour},
    {PieceKind::WallCorner, "Wall corner", "1 × 1", kPlacementColour},
    {PieceKind::AnglePlate, "Angle plate", "1 × 2 – 2 × 2", kPlacementColour},
    {PieceKind::Window, "Window", "1 × 4 × 3", C::DarkGrey},  // white sashes
    {PieceKind::Door, "Door", "1 × 4 × 5", C::LightGrey},     // clear glass
    {PieceKind::Fence, "Fence", "1 × 4 × 2", C::Black},
    {PieceKind::MailBox, "Mailbox", "2 × 2", C::Yellow},
    {PieceKind::BasePlate, "Base plate", nullptr, kPlacementColour},
};

static_assert(sizeof kNames / sizeof kNames[0] == kPieceKindCount, "one name per piece kind");

constexpr bool namesFollowTheEnum() {
    for (std::size_t i = 0; i < kPieceKindCount; ++i)
        if (static_cast<std::size_t>(kNames[i].kind) != i) return false;
    return true;
}
static_assert(namesFollowTheEnum(), "the names are in the enum's order");
}  // namespace

const PieceKindName& pieceKindName(PieceKind kind) {
    return kNames[static_cast<std::size_t>(kind)];
}
