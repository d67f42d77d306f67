#pragma once

// The structural check of a model (`brik check`): pieces whose bodies pass into another's, and
// pieces that rest on nothing. No OpenGL; from the model value alone.
//
// A body is a placed piece's body boxes (model/PieceExtent.h: studs left out), brick units in
// the house frame. Rules:
// - two bodies overlap when they share more than kMinSharedVolume (touching faces share none);
// - a body is carried when it is the base plate or when the bottom face of one of its boxes
//   lies on the top face of a carried body's box with a common footprint; a body never reached
//   that way rests on nothing (a piece held only from the side, or hung under another, counts
//   as resting on nothing: the check cannot tell a clip from a mistake).

#include <cstddef>
#include <vector>

#include "model/Model.h"

constexpr double kMinSharedVolume = 1e-6;  // cubic brick units

struct ModelBody {
    int layer;                    // 0 for the base plate, else the layer's number
    PlacementInstance placement;  // its row, house-frame point and colour (none for the base)
    std::vector<BodyBox> boxes;
};

// The base plate's body first (for a model without one, the ground: a slab under y = 0), then
// every placement's in drawing order.
std::vector<ModelBody> modelBodiesInOrder(const Model& model);

// The indices of the bodies not carried, in order. `heldOtherwise` (indexed like `bodies`, or
// empty) marks bodies to count as carried though nothing is under them.
std::vector<size_t> floatingBodies(const std::vector<ModelBody>& bodies,
                                   const std::vector<bool>& heldOtherwise = {});

struct Overlap {
    size_t first, second;  // body indices, first < second
    double volume;         // cubic brick units, summed over their boxes
};
// Every pair of bodies sharing more than kMinSharedVolume, ordered by first then second.
std::vector<Overlap> overlappingBodies(const std::vector<ModelBody>& bodies);
