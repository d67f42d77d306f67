#include "mesh/FeatureEdges.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {
constexpr double kPositionQuantum = 1e-3;  // world units
constexpr double kBackToBackCosine = -0.999;

struct EdgeKey {
    std::int64_t a[3], b[3];
    bool operator==(const EdgeKey& other) const {
        for (int i = 0; i < 3; ++i)
            if (a[i] != other.a[i] || b[i] != other.b[i]) return false;
        return true;
    }
};

struct EdgeKeyHash {
    size_t operator()(const EdgeKey& key) const {
        size_t hash = 1469598103934665603ull;
        for (int i = 0; i < 3; ++i) {
            hash = (hash ^ size_t(key.a[i])) * 1099511628211ull;
            hash = (hash ^ size_t(key.b[i])) * 1099511628211ull;
        }
        return hash;
    }
};

struct EdgeFaces {
    std::uint32_t first, second;  // the edge's corners, from the first triangle that had it
    int count = 0;
    float normal[3];      // the first face's
    bool crease = false;  // some face meets the first at more than the crease angle
};

void quantise(const float position[3], std::int64_t out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = std::llround(position[i] / kPositionQuantum);
}

EdgeKey keyOf(const IndexedHouse& house, std::uint32_t p, std::uint32_t q) {
    EdgeKey key;
    quantise(house.vertices[p].position, key.a);
    quantise(house.vertices[q].position, key.b);
    bool swap = false;
    for (int i = 0; i < 3; ++i)
        if (key.a[i] != key.b[i]) {
            swap = key.a[i] > key.b[i];
            break;
        }
    if (swap)
        for (int i = 0; i < 3; ++i) std::swap(key.a[i], key.b[i]);
    return key;
}

// The face's normal from its corners (the vertex normals may be smoothed).
void faceNormal(const IndexedHouse& house, const std::uint32_t* corner, float normal[3]) {
    const float* p0 = house.vertices[corner[0]].position;
    const float* p1 = house.vertices[corner[1]].position;
    const float* p2 = house.vertices[corner[2]].position;
    const double u[3] = {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
    const double v[3] = {p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                         u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (int i = 0; i < 3; ++i) normal[i] = length > 0 ? float(n[i] / length) : 0.0f;
}
}  // namespace

std::vector<std::uint32_t> featureEdges(const IndexedHouse& house) {
    const double creaseCosine = std::cos(kFeatureEdgeDegrees * M_PI / 180.0);
    std::unordered_map<EdgeKey, EdgeFaces, EdgeKeyHash> edges;
    edges.reserve(house.indices.size());
    for (size_t t = 0; t + 2 < house.indices.size(); t += 3) {
        const std::uint32_t* corner = &house.indices[t];
        float normal[3];
        faceNormal(house, corner, normal);
        if (normal[0] == 0 && normal[1] == 0 && normal[2] == 0) continue;  // degenerate
        for (int side = 0; side < 3; ++side) {
            const std::uint32_t p = corner[side], q = corner[(side + 1) % 3];
            EdgeFaces& edge = edges[keyOf(house, p, q)];
            if (edge.count++ == 0) {
                edge.first = p;
                edge.second = q;
                std::copy(normal, normal + 3, edge.normal);
            } else {
                // Faces back to back (two pieces touching) make no crease of their own.
                const double cosine = normal[0] * edge.normal[0] + normal[1] * edge.normal[1] +
                                      normal[2] * edge.normal[2];
                if (cosine < creaseCosine && cosine > kBackToBackCosine) edge.crease = true;
            }
        }
    }
    std::vector<std::uint32_t> lines;
    for (const auto& entry : edges) {
        const EdgeFaces& edge = entry.second;
        if (edge.count == 1 || edge.crease) {
            lines.push_back(edge.first);
            lines.push_back(edge.second);
        }
    }
    return lines;
}
