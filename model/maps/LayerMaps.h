#pragma once

// The forty layer maps of the house, one placement table each, in drawing order.

#include "model/HouseFrame.h"
#include "model/Placement.h"

constexpr int kLayerMapCount = 40;

// The 32 × 32 green base plate the maps stand on, at the house frame's origin: no map places
// it (placement tags call it map 0); the house assembly draws it from this row.
constexpr Placement basePlatePlacement = {"base",
                                          PieceKind::BasePlate,
                                          {kBasePlateSize, kBasePlateSize},
                                          PaletteColour::Green,
                                          at(0),
                                          at(0),
                                          at(0),
                                          noTurn};

// Table 1-40; any other number gives an empty table.
const PlacementTable& layerMap(int mapNumber);

// What map 1-40 adds, in words (one line); "" for any other number.
const char* layerMapTitle(int mapNumber);

extern const PlacementTable layerMap1, layerMap2, layerMap3, layerMap4, layerMap5, layerMap6,
    layerMap7, layerMap8, layerMap9, layerMap10;
extern const PlacementTable layerMap11, layerMap12, layerMap13, layerMap14, layerMap15, layerMap16,
    layerMap17, layerMap18, layerMap19, layerMap20;
extern const PlacementTable layerMap21, layerMap22, layerMap23, layerMap24, layerMap25, layerMap26,
    layerMap27, layerMap28, layerMap29, layerMap30;
extern const PlacementTable layerMap31, layerMap32, layerMap33, layerMap34, layerMap35, layerMap36,
    layerMap37, layerMap38, layerMap39, layerMap40;
