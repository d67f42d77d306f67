#pragma once

// The captured house as one indexed vertex array in the world frame, ready to upload: corners
// that agree in position, normal and colour are stored once.
//
// Indices hold the visible triangles first, in drawing order, then the hidden ones. A camera
// sees only the first `visibleIndexCount` indices; the light's depth pass draws them all, so
// the shadow map is the one the whole house casts. The visible triangles come in runs, one per
// placement, so that a camera pass can draw whole pieces nearest first.

#include <cstdint>
#include <vector>

#include "mesh/HouseMesh.h"
#include "model/HouseFrame.h"

// World frame: the house frame (brick units) scaled by kHouseScale and moved by
// kHouseOriginInWorld, as the scene draws it (model/HouseFrame.h).
constexpr double kHouseOriginInWorld[3] = {kHouseOriginInWorldXZ, 0.0, kHouseOriginInWorldXZ};

struct IndexedVertex {
    float position[3];  // world frame
    float normal[3];    // unit length; the house-to-world move keeps directions
    float colour[4];    // RGBA 0...1
};

// One placement's visible triangles: a run of the visible indices.
struct PieceRun {
    size_t firstIndex;
    size_t indexCount;
    float centre[3];  // world frame: the mean of its corners
};

struct IndexedHouse {
    std::vector<IndexedVertex> vertices;
    std::vector<std::uint32_t> indices;  // three per triangle
    size_t visibleIndexCount = 0;
    std::vector<PieceRun> visiblePieces;  // in drawing order, covering the visible indices
};

// `hidden` holds one flag per triangle of `mesh` (see mesh/HiddenTriangles.h).
IndexedHouse indexHouse(const HouseMesh& mesh, const std::vector<bool>& hidden);
