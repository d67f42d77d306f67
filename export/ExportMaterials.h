#pragma once

// Sorting the captured triangles into materials and naming the placements, shared by the
// glTF and OBJ writers.

#include <string>
#include <vector>

#include "mesh/HouseMesh.h"
#include "model/HouseFrame.h"

struct ExportMaterial {
    std::string name;  // the palette colour's name ("Red"), "DoorGlass", or "Colour_rrggbb"
    float rgba[4];     // as drawn, 0...1 (sRGB-encoded, as the palette is)
};

struct MaterialSorting {
    std::vector<ExportMaterial> materials;
    std::vector<int> triangleMaterial;  // per triangle of the mesh
};

// One material per distinct colour the triangles carry (their first corner's colour).
MaterialSorting sortIntoMaterials(const HouseMesh& mesh);

// "map 23 row 5 RoofTile 4 Red", "base plate BasePlate 32x32 Green"; placements of a range
// row are numbered: "map 3 row 2 Plate 1x1 LightGrey #4".
std::vector<std::string> placementNames(const HouseMesh& mesh);

// "map 23"; "base plate" for map 0.
std::string mapName(int map);

// The offset that puts the base plate's centre on the origin (brick units, house frame).
constexpr double kHouseCentre[3] = {-kBasePlateOffset, 0, -kBasePlateOffset};
