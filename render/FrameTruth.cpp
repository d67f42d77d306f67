#include "render/FrameTruth.h"

#include <utility>

#include "render/FrameConstants.h"
#include "render/FrameState.h"

Bvh frameTruthScene(const HouseMesh& house) {
    std::vector<BvhTriangle> triangles = houseTrianglesInWorld(house);
    appendFloor(&triangles, floorHalfSize);
    return Bvh(std::move(triangles));
}

TruthView frameTruthView(const FrameState& frame) {
    TruthView view;
    view.cameraView = frame.cameraViewMatrix;
    view.cameraProjection = frame.cameraProjectionMatrix;
    view.width = frame.windowWidth;
    view.height = frame.windowHeight;
    view.lightPosition = frame.lightPosition;
    return view;
}

RgbImage lightMaskImage(const LightMask& mask) {
    RgbImage image;
    image.width = mask.width;
    image.height = mask.height;
    image.pixels.resize(size_t(mask.width) * size_t(mask.height) * 3);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            const PixelLight state = mask.at(x, mask.height - 1 - y);
            const unsigned char* colour = state == PixelLight::Lit        ? kLitColour
                                          : state == PixelLight::Shadowed ? kShadowedColour
                                                                          : kBackgroundColour;
            for (size_t channel = 0; channel < 3; ++channel)
                image.pixels[(size_t(y) * size_t(mask.width) + size_t(x)) * 3 + channel] =
                    colour[channel];
        }
    return image;
}
