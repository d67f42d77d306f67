#include "model/ModelCheck.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <unordered_map>
#include <utility>

#include "model/PieceExtent.h"

namespace {
constexpr double kTouch = 1e-6;    // faces closer than this touch (brick units)
constexpr double kMinArea = 1e-6;  // a common footprint above this carries a body
// Heights are bucketed by this grid to find the faces that lie on one another; a face is
// looked up in its bucket and the two beside it, so that faces within kTouch always meet.
constexpr double kHeightBucket = 1e-3;

long long heightBucket(double y) { return std::llround(y / kHeightBucket); }

struct BoxRef {
    size_t body;
    const BodyBox* box;
};
}  // namespace

std::vector<ModelBody> modelBodiesInOrder(const Model& model) {
    const Placement& base = model.basePlate;
    // Without a base plate the pieces stand on the ground: a slab under y = 0 wider than any
    // model can reach.
    const double ground = 1e6;
    std::vector<ModelBody> bodies{
        {0,
         {&base, 0, 0, 0, 0, 0, 0, base.colour},
         model.hasBasePlate() ? pieceBodyBoxes(base.piece, base.arguments)
                              : std::vector<BodyBox>{{-ground, -1, -ground, ground, 0, ground}}}};
    for (int layer = 1; layer <= model.layerCount(); ++layer)
        for (const PlacementInstance& placement : expandPlacements(model.layer(layer)))
            bodies.push_back({layer, placement, placementBodyBoxes(placement)});
    return bodies;
}

std::vector<size_t> floatingBodies(const std::vector<ModelBody>& bodies,
                                   const std::vector<bool>& heldOtherwise) {
    // Every box by the height of its bottom face.
    std::unordered_map<long long, std::vector<BoxRef>> byBottom;
    for (size_t i = 0; i < bodies.size(); ++i)
        for (const BodyBox& box : bodies[i].boxes)
            byBottom[heightBucket(box.minY)].push_back({i, &box});

    std::vector<bool> carried(bodies.size(), false);
    std::deque<size_t> reached;
    for (size_t i = 0; i < bodies.size(); ++i) {
        if (i == 0 || (i < heldOtherwise.size() && heldOtherwise[i])) {
            carried[i] = true;
            reached.push_back(i);
        }
    }
    while (!reached.empty()) {
        const ModelBody& lower = bodies[reached.front()];
        reached.pop_front();
        for (const BodyBox& top : lower.boxes) {
            const long long bucket = heightBucket(top.maxY);
            for (long long b = bucket - 1; b <= bucket + 1; ++b) {
                const auto found = byBottom.find(b);
                if (found == byBottom.end()) continue;
                for (const BoxRef& upper : found->second) {
                    if (carried[upper.body]) continue;
                    if (std::fabs(upper.box->minY - top.maxY) >= kTouch) continue;
                    if (footprintOverlapArea(*upper.box, top) <= kMinArea) continue;
                    carried[upper.body] = true;
                    reached.push_back(upper.body);
                }
            }
        }
    }
    std::vector<size_t> floating;
    for (size_t i = 0; i < bodies.size(); ++i)
        if (!carried[i]) floating.push_back(i);
    return floating;
}

std::vector<Overlap> overlappingBodies(const std::vector<ModelBody>& bodies) {
    // A sweep along x: each box meets only the boxes that start before it ends.
    std::vector<BoxRef> boxes;
    for (size_t i = 0; i < bodies.size(); ++i)
        for (const BodyBox& box : bodies[i].boxes) boxes.push_back({i, &box});
    std::sort(boxes.begin(), boxes.end(),
              [](const BoxRef& a, const BoxRef& b) { return a.box->minX < b.box->minX; });
    std::map<std::pair<size_t, size_t>, double> shared;
    for (size_t i = 0; i < boxes.size(); ++i) {
        for (size_t j = i + 1; j < boxes.size() && boxes[j].box->minX < boxes[i].box->maxX; ++j) {
            if (boxes[i].body == boxes[j].body) continue;
            const double volume = overlapVolume(*boxes[i].box, *boxes[j].box);
            if (volume <= 0) continue;
            shared[std::minmax(boxes[i].body, boxes[j].body)] += volume;
        }
    }
    std::vector<Overlap> overlaps;
    for (const auto& [pair, volume] : shared)
        if (volume > kMinSharedVolume) overlaps.push_back({pair.first, pair.second, volume});
    return overlaps;
}
