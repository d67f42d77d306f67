#include "model/Palette.h"

#include <cstddef>

namespace {
using P = PaletteColour;
// clang-format off
constexpr PaletteEntry kPalette[] = {
    {P::OwnColours, "", false, 0, 0, 0},
    {P::White, "White", true, 242, 243, 242},
    {P::Tan, "Tan", true, 215, 197, 153},
    {P::Red, "Red", true, 196, 40, 27},
    {P::Yellow, "Yellow", true, 245, 205, 47},
    {P::Black, "Black", true, 27, 42, 52},
    {P::Green, "Green", true, 40, 127, 70},
    {P::Lime, "Lime", true, 164, 189, 70},
    {P::Brown, "Brown", true, 105, 64, 39},
    {P::LightGrey, "LightGrey", true, 163, 162, 164},
    {P::DarkGrey, "DarkGrey", true, 99, 95, 97},
    {P::ByParity, "ByParity", false, 0, 0, 0},
};
// clang-format on
constexpr std::size_t kPaletteSize = sizeof kPalette / sizeof kPalette[0];

constexpr bool rowsFollowTheEnum() {
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        if (static_cast<std::size_t>(kPalette[i].colour) != i) return false;
    return true;
}
static_assert(rowsFollowTheEnum(), "one palette row per colour, in enum order");
static_assert(static_cast<std::size_t>(P::ByParity) + 1 == kPaletteSize, "a row per colour");
}  // namespace

const PaletteEntry& paletteEntry(PaletteColour colour) {
    const std::size_t index = static_cast<std::size_t>(colour);
    return kPalette[index < kPaletteSize ? index : 0];  // a model's own colour: see Model
}

const char* paletteColourName(PaletteColour colour) { return paletteEntry(colour).name; }

BrikColor paletteRgb(PaletteColour colour) {
    const PaletteEntry& entry = paletteEntry(colour);
    BrikColor rgb;
    rgb.setColor(entry.red, entry.green, entry.blue);
    return rgb;
}

PaletteRange paletteColours() { return {&paletteEntry(P::White), &paletteEntry(P::DarkGrey) + 1}; }
