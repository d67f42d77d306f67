#include "export/ExportMaterials.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <tuple>

#include "model/BrikVantaHouse.h"
#include "model/maps/LayerMaps.h"
#include "parts/PartsList.h"

namespace {
using Rgba8 = std::tuple<int, int, int, int>;

Rgba8 quantised(const float colour[4]) {
    auto channel = [](float value) { return int(std::lround(value * 255.0f)); };
    return {channel(colour[0]), channel(colour[1]), channel(colour[2]), channel(colour[3])};
}

std::string nameOf(const Rgba8& colour) {
    static const BrikVantaHouse house;  // only its palette is read
    const auto [red, green, blue, alpha] = colour;
    if (alpha < 255) return "DoorGlass";  // the only translucent surface of the house
    for (int i = int(PaletteColour::White); i <= int(PaletteColour::DarkGrey); ++i) {
        const BrikColor rgb = paletteColour(house, PaletteColour(i));
        if (rgb.getColorRed() == red && rgb.getColorGreen() == green && rgb.getColorBlue() == blue)
            return paletteColourName(PaletteColour(i));
    }
    char name[16];
    std::snprintf(name, sizeof name, "Colour_%02x%02x%02x", red, green, blue);
    return name;
}

const Placement* rowOf(const PlacementTag& tag) {
    if (tag.map == 0) return &basePlatePlacement;
    const PlacementTable& table = layerMap(tag.map);
    for (int i = 0; i < table.rowCount; ++i)
        if (std::strcmp(table.rows[i].row, tag.row) == 0) return &table.rows[i];
    return nullptr;
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
            ExportMaterial material{nameOf(colour), {}};
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
        name += std::string(" ") + partKindName(tag.piece);
        const Placement* row = rowOf(tag);
        if (row && !partSize(*row).empty()) name += " " + partSize(*row);
        if (tag.colour != PaletteColour::OwnColours)
            name += std::string(" ") + paletteColourName(tag.colour);
        if (instances[{tag.map, tag.row}] > 1) name += " #" + std::to_string(tag.instance + 1);
        names.push_back(name);
    }
    return names;
}
