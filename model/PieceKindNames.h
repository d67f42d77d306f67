#pragma once

// What a builder calls each piece kind, beside the kinds' table in model/PieceKinds.h: the
// name a person uses, how its size is written, and for the pieces that colour themselves the
// palette colour they are drawn in. Nothing here draws.

#include "model/Placement.h"

struct PieceKindName {
    PieceKind kind;
    const char* name;  // "Roof tile 45°"; "" for the group origin, which is no piece
    // The size in studs as a builder reads it, "N" standing for the piece's size argument:
    // "2 × N", "1 × 4 × 3"; null when it is the size arguments themselves, smaller first.
    const char* size;
    // The colour the piece draws itself in (its largest part: the window's frame, the door's
    // frame); OwnColours for the pieces drawn in the colour their placement gives.
    PaletteColour drawnIn;
};

const PieceKindName& pieceKindName(PieceKind kind);
