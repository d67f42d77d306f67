#include "model/maps/LayerMaps.h"

namespace {
// clang-format off
const PlacementTable* const kMaps[kLayerMapCount] = {
    &layerMap1,  &layerMap2,  &layerMap3,  &layerMap4,  &layerMap5,
    &layerMap6,  &layerMap7,  &layerMap8,  &layerMap9,  &layerMap10,
    &layerMap11, &layerMap12, &layerMap13, &layerMap14, &layerMap15,
    &layerMap16, &layerMap17, &layerMap18, &layerMap19, &layerMap20,
    &layerMap21, &layerMap22, &layerMap23, &layerMap24, &layerMap25,
    &layerMap26, &layerMap27, &layerMap28, &layerMap29, &layerMap30,
    &layerMap31, &layerMap32, &layerMap33, &layerMap34, &layerMap35,
    &layerMap36, &layerMap37, &layerMap38, &layerMap39, &layerMap40,
};
// clang-format on
const PlacementTable kEmptyMap{nullptr, 0};
}  // namespace

const PlacementTable& layerMap(int mapNumber) {
    if (mapNumber < 1 || mapNumber > kLayerMapCount) return kEmptyMap;
    return *kMaps[mapNumber - 1];
}
