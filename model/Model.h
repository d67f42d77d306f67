#pragma once

// A model: the plate it stands on and its layers of placements, in building order. A value:
// whatever draws, captures, counts or exports a model takes it as an argument. The built-in
// house is one model; its layers are the forty layer-map tables of model/maps/. A model read
// from a file (model/ModelFile.h) owns its rows, labels and colours; copies share them.
//
// Frames: placements are in the house frame (brick units, origin at the base plate's smallest-x,
// smallest-z corner, +y up); drawModel centres the base plate on the current origin.

#include <memory>
#include <string>
#include <vector>

#include "model/BrikVantaHouse.h"
#include "model/Palette.h"
#include "model/Placement.h"

// What a model read at run time owns: the rows its tables point into and their labels.
struct ModelStorage {
    std::vector<std::vector<Placement>> layerRows;
    std::vector<std::unique_ptr<std::string>> labels;  // stable addresses for Placement::row
    std::vector<std::vector<int>> layerLines;          // the file's line of each row, as layerRows
    int plateLine = 0;  // the plate line's, 0 where the file has none
};

struct Model {
    // Its piece is BasePlate, or GroupOrigin for a model without one (then nothing is drawn or
    // counted for it and its arguments, 0 × 0, centre nothing).
    Placement basePlate;                 // placement tags call it map 0
    std::vector<PlacementTable> layers;  // layer k (1-based) is layers[k - 1]; tags call it map k
    std::vector<std::string> titles;     // what layer k adds, in words; may be shorter
    std::vector<ModelColour> colours;    // beside the palette: modelColour(0), ...
    std::shared_ptr<const ModelStorage> storage;  // null for tables compiled in

    int layerCount() const { return static_cast<int>(layers.size()); }
    // Layer 1 to layerCount(); any other number gives an empty table.
    const PlacementTable& layer(int number) const;
    // Layer 1 to layerCount()'s title; "" where it has none.
    std::string title(int number) const;
    bool hasBasePlate() const { return basePlate.piece == PieceKind::BasePlate; }
    // The line of the model's file that gave `row` (one of its layers' rows, or its base
    // plate); 0 for a model compiled in.
    int sourceLine(const Placement& row) const;

    // A palette colour's or the model's own colour's name and RGB ("" and black where the
    // colour has none, as for OwnColours).
    std::string colourName(PaletteColour colour) const;
    BrikColor colourRgb(PaletteColour colour) const;
    bool colourHasRgb(PaletteColour colour) const;
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
