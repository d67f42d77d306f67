#pragma once

// The one list of brick piece kinds. Each kind's row in model/PieceKinds.cpp gives its name,
// what its two table arguments mean, the call that draws it and its body boxes; the enum, the
// placement tables' dispatch, the names in messages and the house's structural checks all
// read that row. A new kind is one enum value here, its drawing method and one row there.
//
// Body boxes are in brick units in the piece's own frame before its turn: origin at the
// smallest-x, smallest-z corner of its footprint, on its bottom face, +y up (see PieceExtent.h
// for what each piece's boxes cover and how turns apply).

#include <cstddef>
#include <cstdint>

class BrikColor;
class BrikVantaHouse;

enum class PieceKind : std::uint8_t {
    GroupOrigin,  // not a piece: opens a group of placement rows
    Plate,
    FlatTile,
    Brick,
    RoundPlate,
    RoundBrick,
    CornerPlate,
    CornerBrick,
    RoofTile,
    RoofTileInverted,
    RidgedTile,
    EndRidgedTile,
    RadiatorGrile,
    AngularBrick,
    PlateWithSlide,
    WallCorner,
    AnglePlate,
    Window,
    Door,
    Fence,
    MailBox,
    BasePlate,  // the 32 × 32 plate the house stands on; no table places it
};
constexpr std::size_t kPieceKindCount = static_cast<std::size_t>(PieceKind::BasePlate) + 1;

// What a table argument means to the piece: a size in studs (taken as a whole number, as the
// drawing method's int parameter truncates it) or its angle about +y in degrees.
enum class ArgumentRole : std::uint8_t { Unused, Size, Angle };

// An axis-aligned box, min corner to max corner.
struct BodyBox {
    double minX, minY, minZ;
    double maxX, maxY, maxZ;
};

// The exact angles a piece turns for; any other angle draws it unturned.
enum class Turns : std::uint8_t { None, NinetyOnly, AllQuarters };

// Stands for a box face or footprint side that runs with the piece's size: its first size
// argument along x (plates, tiles, bricks) or its size or length along z.
constexpr double kSizeX = -1;
constexpr double kSizeZ = -2;

// A piece's body: the solid no other body may pass through (studs left out).
struct PieceBody {
    double width, depth;  // footprint x × z before the piece's turn (or kSizeX / kSizeZ)
    Turns turns;
    int boxCount;
    BodyBox boxes[3];
};

struct PieceKindInfo {
    PieceKind kind;
    const char* name;        // the drawing method's name without drawSolid: "Plate", "RoofTile"
    const char* methodName;  // "drawSolidPlate"; "group origin" for the group origin
    ArgumentRole arguments[2];
    bool fractionalAngle;  // the method takes its angle as a double: 90.5 is not 90
    // Draws the piece from a table row's arguments; null for the group origin.
    void (*draw)(BrikVantaHouse& house, const double arguments[2], BrikColor colour);
    PieceBody body;  // no boxes for the group origin
};

const PieceKindInfo& pieceKindInfo(PieceKind kind);

// The window, the door, the fence and the mailbox: their draw ignores the row's colour and
// takes the house's colours (their rows name PaletteColour::OwnColours).
bool pieceColoursItself(PieceKind kind);

// Every kind in enum order, the group origin first: `for (const PieceKindInfo& kind :
// allPieceKinds())`.
struct PieceKindRange {
    const PieceKindInfo* first;
    const PieceKindInfo* last;
    const PieceKindInfo* begin() const { return first; }
    const PieceKindInfo* end() const { return last; }
};
PieceKindRange allPieceKinds();
