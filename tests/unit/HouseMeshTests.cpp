// The captured house: every triangle belongs to a placement, the placements are those of the
// tables in drawing order, and each triangle's vertex normals face the way it is wound.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "mesh/HouseMesh.h"
#include "model/maps/LayerMaps.h"

namespace {
const HouseMesh& house() {
    static const Model model = houseModel();  // the mesh's tags point into it
    static const HouseMesh mesh = captureHouse(model);
    return mesh;
}

TEST(HouseMesh, PlacementsAreTheTablesInDrawingOrder) {
    const HouseMesh& mesh = house();
    ASSERT_FALSE(mesh.placements.empty());
    EXPECT_EQ(mesh.placements[0].piece, PieceKind::BasePlate);
    size_t index = 1;
    for (int map = 1; map <= kLayerMapCount; ++map) {
        const PlacementTable& table = layerMap(map);
        for (const PlacementInstance& placement : expandPlacements(table)) {
            ASSERT_LT(index, mesh.placements.size()) << "map " << map;
            const PlacementTag& tag = mesh.placements[index++];
            EXPECT_EQ(tag.map, map);
            EXPECT_EQ(std::string(tag.row), placement.row->row) << "map " << map;
            EXPECT_EQ(tag.piece, placement.row->piece);
            EXPECT_EQ(tag.colour, placement.colour);
        }
    }
    EXPECT_EQ(index, mesh.placements.size());

    std::vector<int> trianglesPerPlacement(mesh.placements.size());
    for (const MeshTriangle& triangle : mesh.triangles) {
        ASSERT_GE(triangle.placement, 0) << "a triangle drawn outside any placement";
        ++trianglesPerPlacement[size_t(triangle.placement)];
    }
    for (size_t p = 0; p < trianglesPerPlacement.size(); ++p)
        EXPECT_GT(trianglesPerPlacement[p], 0) << "placement " << p << " drew nothing";
}

TEST(HouseMesh, NormalsFaceTheWayTrianglesAreWound) {
    int checked = 0;
    for (const MeshTriangle& t : house().triangles) {
        const float* a = t.corners[0].position;
        const float* b = t.corners[1].position;
        const float* c = t.corners[2].position;
        const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                             u[0] * v[1] - u[1] * v[0]};
        const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (length < 1e-6) continue;  // a sliver has no direction to compare
        for (const MeshVertex& corner : t.corners) {
            const double facing =
                (n[0] * corner.normal[0] + n[1] * corner.normal[1] + n[2] * corner.normal[2]) /
                length;
            ASSERT_GT(facing, 0.99) << "triangle of placement " << t.placement;
        }
        ++checked;
    }
    EXPECT_GT(checked, 100000);
}
}  // namespace
