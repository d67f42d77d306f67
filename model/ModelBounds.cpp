#include "model/ModelBounds.h"

#include <algorithm>
#include <cmath>

#include "model/HouseFrame.h"
#include "model/PieceExtent.h"

std::vector<BodyBox> modelBodies(const Model& model) {
    const Placement& base = model.basePlate;
    std::vector<BodyBox> bodies = pieceBodyBoxes(base.piece, base.arguments);
    for (int layer = 1; layer <= model.layerCount(); ++layer)
        for (const PlacementInstance& placement : expandPlacements(model.layer(layer)))
            for (const BodyBox& box : placementBodyBoxes(placement)) bodies.push_back(box);
    return bodies;
}

ModelReach modelReach(const Model& model) {
    // drawModel centres the base plate (its first two arguments are its size) on the origin.
    const double centreX = model.basePlate.arguments[0] / 2.0;
    const double centreZ = model.basePlate.arguments[1] / 2.0;
    ModelReach reach{0, 0};
    for (const BodyBox& box : modelBodies(model)) {
        const double x = std::max(std::fabs(box.minX - centreX), std::fabs(box.maxX - centreX));
        const double z = std::max(std::fabs(box.minZ - centreZ), std::fabs(box.maxZ - centreZ));
        reach.across = std::max(reach.across, std::hypot(x, z));
        reach.up = std::max(reach.up, box.maxY);
    }
    return reach;
}

WorldBox modelWorldBounds(const Model& model) {
    // drawModel centres the base plate (its first two arguments are its size) on the origin.
    const double centre[3] = {model.basePlate.arguments[0] / 2.0, 0,
                              model.basePlate.arguments[1] / 2.0};
    WorldBox bounds = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};  // empty until a box
    for (const BodyBox& box : modelBodies(model)) {
        const double low[3] = {box.minX, box.minY, box.minZ};
        const double high[3] = {box.maxX, box.maxY, box.maxZ};
        for (int axis = 0; axis < 3; ++axis) {
            bounds.min[axis] = std::min(bounds.min[axis], (low[axis] - centre[axis]) * kHouseScale);
            bounds.max[axis] =
                std::max(bounds.max[axis], (high[axis] - centre[axis]) * kHouseScale);
        }
    }
    return bounds;
}
