#include "parts/PartsList.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

#include "model/BrikVantaHouse.h"
#include "model/maps/LayerMaps.h"
#include "model/PieceKinds.h"

std::string partSize(const Placement& row) {
    std::vector<long> sizes;
    for (int i = 0; i < 2; ++i)
        if (pieceKindInfo(row.piece).arguments[i] == ArgumentRole::Size)
            sizes.push_back(std::lround(row.arguments[i]));
    std::sort(sizes.begin(), sizes.end());
    std::string text;
    for (const long size : sizes) text += (text.empty() ? "" : "x") + std::to_string(size);
    return text;
}

namespace {
using PartKey = std::tuple<std::string, std::string, std::string>;  // kind, size, colour names

void count(std::map<PartKey, Part>& parts, const Placement& row, PaletteColour colour) {
    const std::string size = partSize(row);
    const PartKey key{partKindName(row.piece), size, paletteColourName(colour)};
    auto found = parts.find(key);
    if (found == parts.end()) found = parts.emplace(key, Part{row.piece, size, colour, 0}).first;
    ++found->second.count;
}
}  // namespace

int PartsList::total() const {
    int sum = 0;
    for (const Part& part : parts) sum += part.count;
    return sum;
}

PartsList partsOfMaps(int firstMap, int lastMap, bool withBasePlate) {
    std::map<PartKey, Part> parts;
    if (withBasePlate) count(parts, basePlatePlacement, basePlatePlacement.colour);
    for (int map = firstMap; map <= lastMap; ++map)
        for (const PlacementInstance& placement : expandPlacements(layerMap(map)))
            count(parts, *placement.row, placement.colour);
    PartsList list;
    for (const auto& entry : parts) list.parts.push_back(entry.second);
    return list;
}

const char* partKindName(PieceKind kind) { return pieceKindInfo(kind).name; }

const char* paletteColourName(PaletteColour colour) {
    switch (colour) {
        case PaletteColour::OwnColours: return "";
        case PaletteColour::White: return "White";
        case PaletteColour::Tan: return "Tan";
        case PaletteColour::Red: return "Red";
        case PaletteColour::Yellow: return "Yellow";
        case PaletteColour::Black: return "Black";
        case PaletteColour::Green: return "Green";
        case PaletteColour::Lime: return "Lime";
        case PaletteColour::Brown: return "Brown";
        case PaletteColour::LightGrey: return "LightGrey";
        case PaletteColour::DarkGrey: return "DarkGrey";
        case PaletteColour::ByParity: return "ByParity";  // resolved before counting
    }
    return "";
}

std::string paletteColourHex(PaletteColour colour) {
    if (colour == PaletteColour::OwnColours || colour == PaletteColour::ByParity) return "";
    static const BrikVantaHouse house;  // only its palette is read
    const BrikColor rgb = paletteColour(house, colour);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.getColorRed(), rgb.getColorGreen(),
                  rgb.getColorBlue());
    return text;
}
