#include "mesh/IndexedHouse.h"

#include <cstring>
#include <unordered_map>

namespace {
// A vertex compared and hashed by its bytes: corners merge only when they are identical.
struct VertexKey {
    IndexedVertex vertex;
    bool operator==(const VertexKey& other) const {
        return std::memcmp(&vertex, &other.vertex, sizeof vertex) == 0;
    }
};

struct VertexKeyHash {
    size_t operator()(const VertexKey& key) const {
        std::uint32_t words[sizeof(IndexedVertex) / 4];
        std::memcpy(words, &key.vertex, sizeof words);
        std::uint64_t hash = 1469598103934665603ull;
        for (std::uint32_t word : words) hash = (hash ^ word) * 1099511628211ull;
        return static_cast<size_t>(hash);
    }
};

IndexedVertex toWorld(const MeshVertex& corner) {
    IndexedVertex vertex;
    for (int axis = 0; axis < 3; ++axis) {
        vertex.position[axis] = static_cast<float>(corner.position[axis] * kHouseToWorldScale +
                                                   kHouseOriginInWorld[axis]);
        vertex.normal[axis] = corner.normal[axis];
    }
    for (int channel = 0; channel < 4; ++channel) vertex.colour[channel] = corner.colour[channel];
    return vertex;
}
}  // namespace

IndexedHouse indexHouse(const HouseMesh& mesh, const std::vector<bool>& hidden) {
    IndexedHouse house;
    std::unordered_map<VertexKey, std::uint32_t, VertexKeyHash> known;
    known.reserve(mesh.triangles.size());
    house.indices.reserve(mesh.triangles.size() * 3);
    auto append = [&](const MeshTriangle& triangle) {
        for (const MeshVertex& corner : triangle.corners) {
            const VertexKey key{toWorld(corner)};
            const auto found = known.emplace(key, static_cast<std::uint32_t>(known.size()));
            if (found.second) house.vertices.push_back(key.vertex);
            house.indices.push_back(found.first->second);
        }
    };
    for (size_t t = 0; t < mesh.triangles.size(); ++t)
        if (!hidden[t]) append(mesh.triangles[t]);
    house.visibleIndexCount = house.indices.size();
    for (size_t t = 0; t < mesh.triangles.size(); ++t)
        if (hidden[t]) append(mesh.triangles[t]);
    return house;
}
