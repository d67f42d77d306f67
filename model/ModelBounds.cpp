#include "model/ModelBounds.h"

#include <algorithm>
#include <cmath>

#include "model/PieceExtent.h"

namespace {
void include(BodyBox* all, const BodyBox& box) {
    all->minX = std::min(all->minX, box.minX);
    all->minY = std::min(all->minY, box.minY);
    all->minZ = std::min(all->minZ, box.minZ);
    all->maxX = std::max(all->maxX, box.maxX);
    all->maxY = std::max(all->maxY, box.maxY);
    all->maxZ = std::max(all->maxZ, box.maxZ);
}
}  // namespace

BodyBox modelBounds(const Model& model) {
    const Placement& base = model.basePlate;
    BodyBox all = {0, 0, 0, 0, 0, 0};
    for (const BodyBox& box : pieceBodyBoxes(base.piece, base.arguments)) include(&all, box);
    for (int layer = 1; layer <= model.layerCount(); ++layer)
        for (const PlacementInstance& placement : expandPlacements(model.layer(layer)))
            for (const BodyBox& box : placementBodyBoxes(placement)) include(&all, box);
    return all;
}

double modelRadius(const Model& model) {
    const BodyBox bounds = modelBounds(model);
    // drawModel centres the base plate (its first two arguments are its size) on the origin.
    const double centreX = model.basePlate.arguments[0] / 2.0;
    const double centreZ = model.basePlate.arguments[1] / 2.0;
    const double x = std::max(std::fabs(bounds.minX - centreX), std::fabs(bounds.maxX - centreX));
    const double y = std::max(std::fabs(bounds.minY), std::fabs(bounds.maxY));
    const double z = std::max(std::fabs(bounds.minZ - centreZ), std::fabs(bounds.maxZ - centreZ));
    return std::sqrt(x * x + y * y + z * z);
}
