#pragma once

// The bill of materials: the placement tables counted as parts to buy. A part is a piece kind
// with its size and colour; the same part turned another way (an angle argument, a 4 × 2
// plate against a 2 × 4) is the same part. Nothing here draws or needs OpenGL.

#include <string>
#include <vector>

#include "model/Model.h"
#include "model/Placement.h"

struct Part {
    PieceKind kind;
    std::string size;      // the size arguments joined by "x", smaller first: "2x4"; or ""
    PaletteColour colour;  // OwnColours for the pieces that colour themselves
    int count;
    std::string colourName;  // the palette's or the model's name: "LightGrey"; "" for OwnColours
    std::string colourHex;   // its RGB as "#rrggbb"; "" for OwnColours
};

// Sorted by kind name, size, colour name (as text).
struct PartsList {
    std::vector<Part> parts;
    int total() const;  // pieces in all
};

// The parts that the model's layers first..last (1-40 for the house) place, with its base plate
// when asked and the model has one.
PartsList partsOfMaps(const Model& model, int firstMap, int lastMap, bool withBasePlate);

// A row's part size: its size arguments joined by "x", smaller first; "" when it has none.
std::string partSize(const Placement& row);

// The kind's name as in its drawing method without drawSolid: "RoofTile".
const char* partKindName(PieceKind kind);

// The colour's RGB as "#rrggbb" from the palette; "" for OwnColours. (Names: model/Palette.h.)
std::string paletteColourHex(PaletteColour colour);
