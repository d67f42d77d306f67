#include "export/ExportMaterials.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <tuple>

#include "model/Palette.h"
#include "model/PieceKinds.h"

namespace {
using Rgba8 = std::tuple<int, int, int, int>;

Rgba8 quantised(const float colour[4]) {
    auto channel = [](float value) { return int(std::lround(value * 255.0f)); };
    return {channel(colour[0]), channel(colour[1]), channel(colour[2]), channel(colour[3])};
}

std::string nameOf(const Rgba8& colour, const std::vector<ModelColour>& modelColours) {
    const auto [red, green, blue, alpha] = colour;
    if (alpha < 255) return "DoorGlass";  // the only translucent surface of the house
    for (const PaletteEntry& entry : paletteColours())
        if (entry.red == red && entry.green == green && entry.blue == blue) return entry.name;
    for (const ModelColour& own : modelColours)
        if (own.red == red && own.green == green && own.blue == blue) return own.name;
    char name[16];
    std::snprintf(name, sizeof name, "Colour_%02x%02x%02x", red, green, blue);
    return name;
}

// A palette colour's name, or the model's own colour's.
std::string colourName(const HouseMesh& mesh, PaletteColour colour) {
    const std::size_t own = std::size_t(colour) - std::size_t(kFirstModelColour);
    if (int(colour) >= kFirstModelColour && own < mesh.modelColours.size())
        return mesh.modelColours[own].name;
    return paletteColourName(colour);
}
}  // namespace

MaterialSorting sortIntoMaterials(const HouseMesh& mesh) {
    MaterialSorting sorting;
    std::map<Rgba8, int> index;
    for (const MeshTriangle& triangle : mesh.triangles) {
        const Rgba8 colour = quantised(triangle.corners[0].colour);
        auto found = index.find(colour);
        if (found == index.end()) {
            found = index.emplace(colour, int(sorting.materials.size())).first;
            ExportMaterial material{nameOf(colour, mesh.modelColours), {}};
            std::memcpy(material.rgba, triangle.corners[0].colour, sizeof material.rgba);
            sorting.materials.push_back(material);
        }
        sorting.triangleMaterial.push_back(found->second);
    }
    return sorting;
}

std::string mapName(int map) { return map == 0 ? "base plate" : "map " + std::to_string(map); }

std::vector<std::string> placementNames(const HouseMesh& mesh) {
    std::map<std::pair<int, std::string>, int> instances;  // per map and row
    for (const PlacementTag& tag : mesh.placements) ++instances[{tag.map, tag.row}];
    std::vector<std::string> names;
    for (const PlacementTag& tag : mesh.placements) {
        std::string name = mapName(tag.map);
        if (tag.map != 0) name += std::string(" row ") + tag.row;
        name += std::string(" ") + pieceKindInfo(tag.piece).name;
        if (tag.source && !placementSize(*tag.source).empty())
            name += " " + placementSize(*tag.source);
        if (tag.colour != PaletteColour::OwnColours) name += " " + colourName(mesh, tag.colour);
        if (instances[{tag.map, tag.row}] > 1) name += " #" + std::to_string(tag.instance + 1);
        names.push_back(name);
    }
    return names;
}
