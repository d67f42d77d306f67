#include "export/ObjWriter.h"

#include <cinttypes>
#include <cstdio>

#include "export/ExportMaterials.h"
#include "io/AtomicFile.h"

namespace {
std::string fileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Group names may not hold spaces: "map_23", "base_plate".
std::string groupName(int map) {
    std::string name = mapName(map);
    for (char& c : name)
        if (c == ' ') c = '_';
    return name;
}
}  // namespace

bool writeObj(const HouseMesh& mesh, const std::string& path, double scale, bool metres,
              std::string* error) {
    const MaterialSorting sorting = sortIntoMaterials(mesh);
    const std::string mtlPath = path.substr(0, path.rfind('.')) + ".mtl";
    AtomicFile obj, mtl;
    if (!obj.open(path, error) || !mtl.open(mtlPath, error)) return false;

    FILE* out = mtl.stream();
    fprintf(out, "# Materials of the brick house: one per palette colour as drawn\n");
    for (const ExportMaterial& material : sorting.materials) {
        fprintf(out, "\nnewmtl %s\nKd %.4f %.4f %.4f\nKa %.4f %.4f %.4f\nd %.2f\nillum 1\n",
                material.name.c_str(), material.rgba[0], material.rgba[1], material.rgba[2],
                material.rgba[0], material.rgba[1], material.rgba[2], material.rgba[3]);
    }

    out = obj.stream();
    fprintf(out, "# The brick house: %zu triangles as the drawing code issues them\n",
            mesh.triangles.size());
    if (metres)
        fprintf(out,
                "# units: metres (%g m per stud pitch); +y up; origin at the base plate's "
                "centre\n",
                scale);
    else
        fprintf(out,
                "# units: brick units (1 = one stud pitch, 8 mm; a plate 0.4 high); +y up; "
                "origin at the base plate's centre\n");
    fprintf(out, "mtllib %s\n", fileName(mtlPath).c_str());
    int currentMap = -1, currentMaterial = -1;
    std::uint64_t vertex = 0;
    for (size_t t = 0; t < mesh.triangles.size(); ++t) {
        const MeshTriangle& triangle = mesh.triangles[t];
        const int map =
            triangle.placement >= 0 ? mesh.placements[size_t(triangle.placement)].map : 0;
        if (map != currentMap) {
            fprintf(out, "g %s\n", groupName(map).c_str());
            currentMap = map;
            currentMaterial = -1;
        }
        if (sorting.triangleMaterial[t] != currentMaterial) {
            currentMaterial = sorting.triangleMaterial[t];
            fprintf(out, "usemtl %s\n", sorting.materials[size_t(currentMaterial)].name.c_str());
        }
        for (const MeshVertex& corner : triangle.corners) {
            fprintf(out, "v %.6g %.6g %.6g\nvn %.6g %.6g %.6g\n",
                    (corner.position[0] - kHouseCentre[0]) * scale,
                    (corner.position[1] - kHouseCentre[1]) * scale,
                    (corner.position[2] - kHouseCentre[2]) * scale, double(corner.normal[0]),
                    double(corner.normal[1]), double(corner.normal[2]));
        }
        fprintf(out,
                "f %" PRIu64 "//%" PRIu64 " %" PRIu64 "//%" PRIu64 " %" PRIu64 "//%" PRIu64 "\n",
                vertex + 1, vertex + 1, vertex + 2, vertex + 2, vertex + 3, vertex + 3);
        vertex += 3;
    }
    // One commit for the pair, the .obj first: a failure or a signal before it leaves both old.
    return commitTogether({&obj, &mtl}, error);
}
