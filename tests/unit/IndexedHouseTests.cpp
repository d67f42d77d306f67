// The indexed house against the scene as the frame draws it: the same triangles in the world
// frame, in drawing order, each corner stored once, the hidden ones after the visible ones.

#include <gtest/gtest.h>

#include <cmath>

#include "mesh/IndexedHouse.h"
#include "model/Scene.h"

TEST(IndexedHouse, HoldsTheScenesTrianglesInTheWorldFrameVisibleOnesFirst) {
    const Model model = houseModel();
    const HouseMesh house = captureHouse(model);
    const HouseMesh scene = captureDrawing([] { DrawScene(houseModel(), 0); });
    ASSERT_EQ(house.triangles.size(), scene.triangles.size());

    // Every third triangle hidden: they must move to the end, in order.
    std::vector<bool> hidden(house.triangles.size());
    for (size_t t = 0; t < hidden.size(); t += 3) hidden[t] = true;
    const IndexedHouse indexed = indexHouse(house, hidden);
    const size_t hiddenCount = (hidden.size() + 2) / 3;
    ASSERT_EQ(indexed.indices.size(), house.triangles.size() * 3);
    EXPECT_EQ(indexed.visibleIndexCount, (house.triangles.size() - hiddenCount) * 3);
    EXPECT_LT(indexed.vertices.size(), indexed.indices.size()) << "corners are shared";

    size_t visibleAt = 0, hiddenAt = indexed.visibleIndexCount;
    int mismatches = 0;
    for (size_t t = 0; t < scene.triangles.size(); ++t) {
        size_t& at = hidden[t] ? hiddenAt : visibleAt;
        for (const MeshVertex& expected : scene.triangles[t].corners) {
            const IndexedVertex& vertex = indexed.vertices[indexed.indices[at++]];
            for (int axis = 0; axis < 3; ++axis) {
                mismatches += std::fabs(vertex.position[axis] - expected.position[axis]) > 1e-5f;
                mismatches += std::fabs(vertex.normal[axis] - expected.normal[axis]) > 1e-5f;
            }
            for (int channel = 0; channel < 4; ++channel)
                mismatches += vertex.colour[channel] != expected.colour[channel];
        }
    }
    EXPECT_EQ(mismatches, 0) << "world = house x kHouseScale + kHouseOriginInWorld";
}
