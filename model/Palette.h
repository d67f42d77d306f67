#pragma once

// The palette: one row per colour the placement tables name, with its name and its RGB. The
// house's colours, the parts list's names and hex values and the export's materials all read
// this table; a new colour is one enum value here and one row in model/Palette.cpp.

#include <cstdint>
#include <string>

#include "model/BrikColor.h"

// A palette member. `OwnColours` is for the pieces that colour themselves (the window, the
// door, the fence and the mailbox, from the house's colours); `ByParity` picks light grey where
// x + z is even and dark grey where it is odd, resolved per placement before anything draws or
// counts it.
enum class PaletteColour : std::uint8_t {
    OwnColours,
    White,
    Tan,
    Red,
    Yellow,
    Black,
    Green,
    Lime,
    Brown,
    LightGrey,
    DarkGrey,
    ByParity,
};

struct PaletteEntry {
    PaletteColour colour;
    const char* name;      // "LightGrey"; "" for OwnColours
    bool hasRgb;           // false for OwnColours and ByParity
    int red, green, blue;  // 8-bit channels as drawn (sRGB-encoded); 0 where !hasRgb
};

// A model's own colours (modelColour(k)) give OwnColours' entry: ask the Model for those.
const PaletteEntry& paletteEntry(PaletteColour colour);

// The colour's name: "LightGrey"; "" for OwnColours.
const char* paletteColourName(PaletteColour colour);

// The colour as the pieces take it; black for OwnColours and ByParity.
BrikColor paletteRgb(PaletteColour colour);

// The colours with an RGB, White to DarkGrey, in enum order.
struct PaletteRange {
    const PaletteEntry* first;
    const PaletteEntry* last;
    const PaletteEntry* begin() const { return first; }
    const PaletteEntry* end() const { return last; }
};
PaletteRange paletteColours();

// A colour a model names beside the palette (model/Model.h keeps them); rows name the model's
// colour k (0-based) as modelColour(k), the values after ByParity.
struct ModelColour {
    std::string name;
    int red, green, blue;  // 8-bit channels as drawn (sRGB-encoded), 0-255
};
constexpr int kFirstModelColour = static_cast<int>(PaletteColour::ByParity) + 1;
constexpr int kMaxModelColours = 255 - kFirstModelColour + 1;
constexpr PaletteColour modelColour(int index) {
    return static_cast<PaletteColour>(kFirstModelColour + index);
}
