#include "parts/InterimPieceKinds.h"

namespace interim {
namespace {
using R = ArgumentRole;
// clang-format off
constexpr PieceKindInfo kKinds[] = {
    {PieceKind::GroupOrigin,      "GroupOrigin",      {R::Unused, R::Unused}},
    {PieceKind::Plate,            "Plate",            {R::Size,   R::Size}},
    {PieceKind::FlatTile,         "FlatTile",         {R::Size,   R::Size}},
    {PieceKind::Brick,            "Brick",            {R::Size,   R::Size}},
    {PieceKind::RoundPlate,       "RoundPlate",       {R::Unused, R::Unused}},
    {PieceKind::RoundBrick,       "RoundBrick",       {R::Unused, R::Unused}},
    {PieceKind::CornerPlate,      "CornerPlate",      {R::Angle,  R::Unused}},
    {PieceKind::CornerBrick,      "CornerBrick",      {R::Angle,  R::Unused}},
    {PieceKind::RoofTile,         "RoofTile",         {R::Size,   R::Angle}},
    {PieceKind::RoofTileInverted, "RoofTileInverted", {R::Size,   R::Angle}},
    {PieceKind::RidgedTile,       "RidgedTile",       {R::Size,   R::Angle}},
    {PieceKind::EndRidgedTile,    "EndRidgedTile",    {R::Angle,  R::Unused}},
    {PieceKind::RadiatorGrile,    "RadiatorGrile",    {R::Angle,  R::Unused}},
    {PieceKind::AngularBrick,     "AngularBrick",     {R::Angle,  R::Unused}},
    {PieceKind::PlateWithSlide,   "PlateWithSlide",   {R::Angle,  R::Size}},
    {PieceKind::WallCorner,       "WallCorner",       {R::Angle,  R::Unused}},
    {PieceKind::AnglePlate,       "AnglePlate",       {R::Angle,  R::Unused}},
    {PieceKind::Window,           "Window",           {R::Angle,  R::Unused}},
    {PieceKind::Door,             "Door",             {R::Angle,  R::Unused}},
    {PieceKind::Fence,            "Fence",            {R::Angle,  R::Unused}},
    {PieceKind::MailBox,          "MailBox",          {R::Angle,  R::Unused}},
    {PieceKind::BasePlate,        "BasePlate",        {R::Size,   R::Size}},
};
// clang-format on
}  // namespace

const PieceKindInfo& pieceKindInfo(PieceKind kind) { return kKinds[static_cast<int>(kind)]; }
}  // namespace interim
