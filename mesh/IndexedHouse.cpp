#include "mesh/IndexedHouse.h"

#include <cstring>
#include <cstdint>

namespace {
// Corners merge when their bytes are identical. Shared corners lie close together in drawing
// order (a polygon's fan, a stud's top), so a small direct-mapped table of recent vertices finds
// nearly all of them at a fraction of the cost of a full hash map.
constexpr size_t kRecentVertexSlots = 4096;  // a power of two

size_t hashOf(const IndexedVertex& vertex) {
    std::uint32_t words[sizeof(IndexedVertex) / 4];
    std::memcpy(words, &vertex, sizeof words);
    std::uint64_t hash = 1469598103934665603ull;
    for (std::uint32_t word : words) hash = (hash ^ word) * 1099511628211ull;
    return static_cast<size_t>(hash ^ (hash >> 29));
}

IndexedVertex toWorld(const MeshVertex& corner) {
    IndexedVertex vertex;
    for (int axis = 0; axis < 3; ++axis) {
        vertex.position[axis] =
            static_cast<float>(corner.position[axis] * kHouseScale + kHouseOriginInWorld[axis]);
        vertex.normal[axis] = corner.normal[axis];
    }
    for (int channel = 0; channel < 4; ++channel) vertex.colour[channel] = corner.colour[channel];
    return vertex;
}
}  // namespace

IndexedHouse indexHouse(const HouseMesh& mesh, const std::vector<bool>& hidden) {
    constexpr std::uint32_t kEmpty = UINT32_MAX;
    IndexedHouse house;
    std::vector<std::uint32_t> recent(kRecentVertexSlots, kEmpty);
    house.vertices.reserve(mesh.triangles.size() * 2);
    house.indices.reserve(mesh.triangles.size() * 3);
    auto append = [&](const MeshTriangle& triangle) {
        for (const MeshVertex& corner : triangle.corners) {
            const IndexedVertex vertex = toWorld(corner);
            std::uint32_t& slot = recent[hashOf(vertex) & (kRecentVertexSlots - 1)];
            if (slot == kEmpty || std::memcmp(&house.vertices[slot], &vertex, sizeof vertex) != 0) {
                slot = static_cast<std::uint32_t>(house.vertices.size());
                house.vertices.push_back(vertex);
            }
            house.indices.push_back(slot);
        }
    };
    int runPlacement = 0;
    for (size_t t = 0; t < mesh.triangles.size(); ++t) {
        if (hidden[t]) continue;
        const MeshTriangle& triangle = mesh.triangles[t];
        if (house.visiblePieces.empty() || triangle.placement != runPlacement) {
            house.visiblePieces.push_back({house.indices.size(), 0, {0, 0, 0}});
            runPlacement = triangle.placement;
        }
        append(triangle);
        PieceRun& run = house.visiblePieces.back();
        run.indexCount += 3;
        for (size_t k = house.indices.size() - 3; k < house.indices.size(); ++k)
            for (int axis = 0; axis < 3; ++axis)
                run.centre[axis] += house.vertices[house.indices[k]].position[axis];
    }
    for (PieceRun& run : house.visiblePieces)
        for (float& coordinate : run.centre) coordinate /= static_cast<float>(run.indexCount);
    house.visibleIndexCount = house.indices.size();
    for (size_t t = 0; t < mesh.triangles.size(); ++t)
        if (hidden[t]) append(mesh.triangles[t]);
    return house;
}
