// The outlined edges of two unit boxes side by side, as the indexer stores them (each face its
// own corners): every crease of either box is an edge, the seam where they touch included, and
// no diagonal of a flat face is.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <utility>

#include "mesh/FeatureEdges.h"

namespace {
void appendBox(IndexedHouse* house, float x0) {
    for (int axis = 0; axis < 3; ++axis)
        for (int side = 0; side < 2; ++side) {
            const int u = (axis + 1) % 3, v = (axis + 2) % 3;
            const auto first = static_cast<std::uint32_t>(house->vertices.size());
            const int corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
            for (const auto& corner : corners) {
                IndexedVertex vertex{};
                vertex.position[axis] = float(side);
                vertex.position[u] = float(corner[0]);
                vertex.position[v] = float(corner[1]);
                vertex.position[0] += x0;
                vertex.normal[axis] = side ? 1.0f : -1.0f;
                house->vertices.push_back(vertex);
            }
            for (std::uint32_t c : {0u, 1u, 2u, 0u, 2u, 3u}) house->indices.push_back(first + c);
        }
}
}  // namespace

TEST(FeatureEdges, TwoBoxesSideBySideKeepEveryCreaseAndNoDiagonal) {
    IndexedHouse house;
    appendBox(&house, 0);
    appendBox(&house, 1);
    const std::vector<std::uint32_t> lines = featureEdges(house);
    ASSERT_EQ(lines.size() % 2, 0u);
    std::set<std::pair<std::array<int, 3>, std::array<int, 3>>> edges;
    for (size_t i = 0; i < lines.size(); i += 2) {
        std::array<int, 3> a, b;
        int differingAxes = 0;
        for (size_t axis = 0; axis < 3; ++axis) {
            a[axis] = int(std::lround(house.vertices[lines[i]].position[axis]));
            b[axis] = int(std::lround(house.vertices[lines[i + 1]].position[axis]));
            differingAxes += a[axis] != b[axis];
        }
        EXPECT_EQ(differingAxes, 1) << "a diagonal of a flat face is outlined";
        edges.insert(std::minmax(a, b));
    }
    EXPECT_EQ(edges.size(), lines.size() / 2) << "an edge is listed twice";
    // Each box's twelve edges, the four of the seam at x = 1 shared: twenty.
    EXPECT_EQ(edges.size(), 20u);
    EXPECT_TRUE(edges.count(std::minmax(std::array<int, 3>{1, 0, 1}, std::array<int, 3>{1, 1, 1})))
        << "the seam between the boxes is not outlined";
}
