#include "model/Model.h"

#include <algorithm>

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/maps/LayerMaps.h"

const PlacementTable& Model::layer(int number) const {
    static constexpr PlacementTable kNoLayer = {nullptr, 0};
    return number >= 1 && number <= layerCount() ? layers[static_cast<size_t>(number - 1)]
                                                 : kNoLayer;
}

Model modelThroughLayer(const Model& model, int lastLayer) {
    Model built{model.basePlate, {}};
    for (int layer = 1; layer <= std::min(lastLayer, model.layerCount()); ++layer)
        built.layers.push_back(model.layer(layer));
    return built;
}

Model houseModel() {
    Model house{basePlatePlacement, {}};
    for (int map = 1; map <= kLayerMapCount; ++map) house.layers.push_back(layerMap(map));
    return house;
}

void drawModel(const Model& model, BrikVantaHouse& pieces) {
    const Placement& base = model.basePlate;
    drawTarget().pushMatrix();
    drawTarget().translate(-base.arguments[0] / 2.0, 0, -base.arguments[1] / 2.0);
    drawTarget().beginPlacement({0, base.row, base.piece, base.colour, 0, &base});
    drawPiece(pieces, base.piece, base.arguments, paletteColour(pieces, base.colour));
    drawTarget().endPlacement();
    for (int layer = 1; layer <= model.layerCount(); ++layer)
        drawPlacements(pieces, model.layer(layer), layer);
    drawTarget().popMatrix();
}

void drawModel(const Model& model) {
    BrikVantaHouse pieces;
    drawModel(model, pieces);
}
