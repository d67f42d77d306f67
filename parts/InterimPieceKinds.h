#pragma once

// INTERIM: a minimal stand-in for model/PieceKinds.h (the one list of piece kinds, which is
// being written), with the same API in a namespace of its own so that both can coexist for a
// moment. The parts list switches to model/PieceKinds.h and this file goes as soon as that
// lands; nothing else may include it.

#include <cstdint>

#include "model/Placement.h"

namespace interim {
enum class ArgumentRole : std::uint8_t { Unused, Size, Angle };

struct PieceKindInfo {
    PieceKind kind;
    const char* name;  // the drawing method's name without drawSolid: "Plate"
    ArgumentRole arguments[2];
};

const PieceKindInfo& pieceKindInfo(PieceKind kind);
}  // namespace interim
