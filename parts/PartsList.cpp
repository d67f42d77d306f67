#include "parts/PartsList.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

#include "model/PieceKindNames.h"
#include "model/PieceKinds.h"
#include "model/Palette.h"

namespace {
std::vector<long> sizesOf(const Placement& row) {
    std::vector<long> sizes;
    for (int i = 0; i < 2; ++i)
        if (pieceKindInfo(row.piece).arguments[i] == ArgumentRole::Size)
            sizes.push_back(std::lround(row.arguments[i]));
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

std::string joined(const std::vector<long>& sizes, const std::string& separator) {
    std::string text;
    for (const long size : sizes) text += (text.empty() ? "" : separator) + std::to_string(size);
    return text;
}

// The builder's kind name, the sizes as numbers, the colour's name.
using PartKey = std::tuple<std::string, std::vector<long>, std::string>;

std::string hexOf(const BrikColor& rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.getColorRed(), rgb.getColorGreen(),
                  rgb.getColorBlue());
    return text;
}

void count(std::map<PartKey, Part>& parts, const Model& model, const Placement& row,
           PaletteColour colour) {
    const PieceKindName& names = pieceKindName(row.piece);
    if (colour == PaletteColour::OwnColours) colour = names.drawnIn;
    const std::vector<long> sizes = sizesOf(row);
    const std::string colourName = model.colourName(colour);
    const PartKey key{names.name, sizes, colourName};
    auto found = parts.find(key);
    if (found == parts.end()) {
        const std::string hex = model.colourHasRgb(colour) ? hexOf(model.colourRgb(colour)) : "";
        Part part{
            row.piece, joined(sizes, "x"), partName(row.piece, sizes), colour, 0, {}, colourName,
            hex};
        for (int i = 0; i < 2; ++i)
            if (pieceKindInfo(row.piece).arguments[i] != ArgumentRole::Angle)
                part.arguments[i] = row.arguments[i];
        found = parts.emplace(key, part).first;
    }
    ++found->second.count;
}
}  // namespace

std::string partSize(const Placement& row) { return joined(sizesOf(row), "x"); }

std::string partName(PieceKind kind, const std::vector<long>& sizes) {
    const PieceKindName& names = pieceKindName(kind);
    std::string size = names.size ? names.size : joined(sizes, kSizeSeparator);
    const size_t n = size.find('N');
    if (n != std::string::npos && !sizes.empty()) size.replace(n, 1, std::to_string(sizes[0]));
    return size.empty() ? names.name : std::string(names.name) + " " + size;
}

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

std::string paletteColourWords(PaletteColour colour) {
    return colourWords(paletteColourName(colour));
}

std::string colourWords(const std::string& name) {
    std::string words;
    for (const char letter : name)
        words += words.empty() || !std::isupper(static_cast<unsigned char>(letter))
                     ? std::string(1, letter)
                     : std::string(" ") + char(std::tolower(static_cast<unsigned char>(letter)));
    return words;
}

std::string paletteColourHex(PaletteColour colour) {
    const PaletteEntry& entry = paletteEntry(colour);
    if (!entry.hasRgb) return "";
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", entry.red, entry.green, entry.blue);
    return text;
}
