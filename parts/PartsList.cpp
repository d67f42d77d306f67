#include "parts/PartsList.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

#include "model/PieceKinds.h"

std::string partSize(const Placement& row) { return placementSize(row); }

namespace {
using PartKey = std::tuple<std::string, std::string, std::string>;  // kind, size, colour names

std::string hexOf(const BrikColor& rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.getColorRed(), rgb.getColorGreen(),
                  rgb.getColorBlue());
    return text;
}

void count(std::map<PartKey, Part>& parts, const Model& model, const Placement& row,
           PaletteColour colour) {
    const std::string size = partSize(row);
    const std::string colourName = model.colourName(colour);
    const PartKey key{partKindName(row.piece), size, colourName};
    auto found = parts.find(key);
    if (found == parts.end()) {
        const std::string hex = model.colourHasRgb(colour) ? hexOf(model.colourRgb(colour)) : "";
        found = parts.emplace(key, Part{row.piece, size, colour, 0, colourName, hex}).first;
    }
    ++found->second.count;
}
}  // namespace

int PartsList::total() const {
    int sum = 0;
    for (const Part& part : parts) sum += part.count;
    return sum;
}

PartsList partsOfMaps(const Model& model, int firstMap, int lastMap, bool withBasePlate) {
    std::map<PartKey, Part> parts;
    if (withBasePlate && model.hasBasePlate())
        count(parts, model, model.basePlate, model.basePlate.colour);
    for (int map = firstMap; map <= lastMap; ++map)
        for (const PlacementInstance& placement : expandPlacements(model.layer(map)))
            count(parts, model, *placement.row, placement.colour);
    PartsList list;
    for (const auto& entry : parts) list.parts.push_back(entry.second);
    return list;
}

const char* partKindName(PieceKind kind) { return pieceKindInfo(kind).name; }

std::string paletteColourHex(PaletteColour colour) {
    const PaletteEntry& entry = paletteEntry(colour);
    if (!entry.hasRgb) return "";
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", entry.red, entry.green, entry.blue);
    return text;
}
