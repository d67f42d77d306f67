#pragma once

// A model: the plate it stands on and its layers of placements, in building order. A value:
// whatever draws, captures, counts or exports a model takes it as an argument. The built-in
// house is one model; its layers are the forty layer-map tables of model/maps/.
//
// Frames: placements are in the house frame (brick units, origin at the base plate's smallest-x,
// smallest-z corner, +y up); drawModel centres the base plate on the current origin.

#include <vector>

#include "model/BrikVantaHouse.h"
#include "model/Placement.h"

struct Model {
    Placement basePlate;                 // placement tags call it map 0
    std::vector<PlacementTable> layers;  // layer k (1-based) is layers[k - 1]; tags call it map k

    int layerCount() const { return static_cast<int>(layers.size()); }
    // Layer 1 to layerCount(); any other number gives an empty table.
    const PlacementTable& layer(int number) const;
};

// The model built through layer `lastLayer`: its base plate and layers 1 ... lastLayer (the
// pieces `brik parts --upto lastLayer` lists). 0 leaves the base plate alone; a number past the
// last layer keeps them all.
Model modelThroughLayer(const Model& model, int lastLayer);

// The built-in house: the 32 × 32 green base plate and the forty layer maps.
Model houseModel();

// Draws the model through the current draw target with the pieces of `pieces` (their palette),
// the base plate centred on the current origin: the base plate, then every layer in order, each
// placement announced with its tag. Leaves the matrix as it found it.
void drawModel(const Model& model, BrikVantaHouse& pieces);
void drawModel(const Model& model);  // with a house's pieces and palette
