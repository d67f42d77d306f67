#include "model/ModelBounds.h"

#include <algorithm>

#include "model/HouseFrame.h"
#include "model/PieceExtent.h"

namespace {
void include(WorldBox* bounds, const BodyBox& box) {
    // The house frame to the world: the base plate's offset in x and z, then the scale.
    const double low[3] = {box.minX + kBasePlateOffset, box.minY, box.minZ + kBasePlateOffset};
    const double high[3] = {box.maxX + kBasePlateOffset, box.maxY, box.maxZ + kBasePlateOffset};
    for (int axis = 0; axis < 3; ++axis) {
        bounds->min[axis] = std::min(bounds->min[axis], low[axis] * kHouseScale);
        bounds->max[axis] = std::max(bounds->max[axis], high[axis] * kHouseScale);
    }
}
}  // namespace

WorldBox modelWorldBounds(const Model& model) {
    WorldBox bounds = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};  // empty until a box
    include(&bounds, basePlateBody());
    for (int layer = 1; layer <= model.layerCount(); ++layer)
        for (const PlacementInstance& placement : expandPlacements(model.layer(layer)))
            for (const BodyBox& box : placementBodyBoxes(placement)) include(&bounds, box);
    return bounds;
}
