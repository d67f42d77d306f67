#pragma once

// The bill of materials: the placement tables counted as parts to buy. A part is a piece kind
// with its size and colour; the same part turned another way (an angle argument, a 4 × 2
// plate against a 2 × 4) is the same part. The pieces that colour themselves (window, door,
// fence, mailbox) count in the colour they are drawn in (model/PieceKindNames.h). Nothing here
// draws or needs OpenGL.

#include <string>
#include <vector>

#include "model/Model.h"
#include "model/Placement.h"

struct Part {
    PieceKind kind;
    std::string size;      // the size arguments joined by "x", smaller first: "2x4"; or ""
    std::string name;      // what a builder calls it, size included: "Roof tile 45° 2 × 4"
    PaletteColour colour;  // never OwnColours: the self-colouring pieces' own colour
    int count;
    double arguments[2];  // one placement's arguments with its angle at 0: draws the part unturned
    std::string colourName;  // the palette's or the model's name: "LightGrey"
    std::string colourHex;   // its RGB as "#rrggbb"
};

// Sorted by the builder's kind name, then the sizes as numbers (1 × 2 before 1 × 12), then
// the colour's name.
struct PartsList {
    std::vector<Part> parts;
    int total() const;  // pieces in all
};

// The parts that the model's layers first..last (1-40 for the house) place, with its base plate
// when asked and the model has one.
PartsList partsOfMaps(const Model& model, int firstMap, int lastMap, bool withBasePlate);

// A row's part size: its size arguments joined by "x", smaller first; "" when it has none.
std::string partSize(const Placement& row);

// Between the sizes in a part's name: "2 × 4".
constexpr const char* kSizeSeparator = " × ";

// What a builder calls a piece of `kind` with these size arguments (in studs, smaller first):
// "Brick 2 × 4", "Roof tile 45° 2 × 4", "Window 1 × 4 × 3".
std::string partName(PieceKind kind, const std::vector<long>& sizes);

// The kind's name as in its drawing method without drawSolid: "RoofTile".
const char* partKindName(PieceKind kind);

// The palette colour's name as a person writes it: "Light grey"; "" for OwnColours.
std::string paletteColourWords(PaletteColour colour);

// A colour's name as a person writes it: "LightGrey" as "Light grey".
std::string colourWords(const std::string& name);

// The colour's RGB as "#rrggbb" from the palette; "" for OwnColours. (Names: model/Palette.h.)
std::string paletteColourHex(PaletteColour colour);
