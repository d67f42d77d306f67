#include "model/Model.h"

#include <algorithm>

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/maps/LayerMaps.h"

namespace {
const ModelColour* ownColour(const Model& model, PaletteColour colour) {
    const int index = static_cast<int>(colour) - kFirstModelColour;
    if (index < 0 || index >= static_cast<int>(model.colours.size())) return nullptr;
    return &model.colours[static_cast<size_t>(index)];
}
}  // namespace

const PlacementTable& Model::layer(int number) const {
    static constexpr PlacementTable kNoLayer = {nullptr, 0};
    return number >= 1 && number <= layerCount() ? layers[static_cast<size_t>(number - 1)]
                                                 : kNoLayer;
}

std::string Model::title(int number) const {
    return number >= 1 && number <= static_cast<int>(titles.size())
               ? titles[static_cast<size_t>(number - 1)]
               : "";
}

int Model::sourceLine(const Placement& row) const {
    if (!storage) return 0;
    if (&row == &basePlate) return storage->plateLine;
    for (size_t layer = 0; layer < storage->layerRows.size(); ++layer) {
        const std::vector<Placement>& rows = storage->layerRows[layer];
        for (size_t i = 0; i < rows.size(); ++i)
            if (&rows[i] == &row && i < storage->layerLines[layer].size())
                return storage->layerLines[layer][i];
    }
    return 0;
}

std::string Model::colourName(PaletteColour colour) const {
    const ModelColour* own = ownColour(*this, colour);
    return own != nullptr ? own->name : paletteColourName(colour);
}

BrikColor Model::colourRgb(PaletteColour colour) const {
    const ModelColour* own = ownColour(*this, colour);
    if (own == nullptr) return paletteRgb(colour);
    BrikColor rgb;
    rgb.setColor(own->red, own->green, own->blue);
    return rgb;
}

bool Model::colourHasRgb(PaletteColour colour) const {
    return ownColour(*this, colour) != nullptr || paletteEntry(colour).hasRgb;
}

Model modelThroughLayer(const Model& model, int lastLayer) {
    Model built = model;  // shares the rows, colours and titles
    built.layers.resize(static_cast<size_t>(std::clamp(lastLayer, 0, model.layerCount())));
    return built;
}

Model houseModel() {
    Model house{basePlatePlacement, {}, {}, {}, nullptr};
    for (int map = 1; map <= kLayerMapCount; ++map) {
        house.layers.push_back(layerMap(map));
        house.titles.push_back(layerMapTitle(map));
    }
    return house;
}

void drawModel(const Model& model, BrikVantaHouse& pieces) {
    const Placement& base = model.basePlate;
    drawTarget().pushMatrix();
    drawTarget().translate(-base.arguments[0] / 2.0, 0, -base.arguments[1] / 2.0);
    if (model.hasBasePlate()) {
        drawTarget().beginPlacement({0, base.row, base.piece, base.colour, 0, &base});
        drawPiece(pieces, base.piece, base.arguments,
                  drawingColour(pieces, base.colour, model.colours));
        drawTarget().endPlacement();
    }
    for (int layer = 1; layer <= model.layerCount(); ++layer)
        drawPlacements(pieces, model.layer(layer), layer, model.colours);
    drawTarget().popMatrix();
}

void drawModel(const Model& model) {
    BrikVantaHouse pieces;
    drawModel(model, pieces);
}
