#include "model/BrikColor.h"

#include "model/DrawTarget.h"

namespace {
int clampChannel(int value) {
    if (value < 0) return 0;
    if (value > 255) return 255;
    return value;
}
}  // namespace

void BrikColor::setColor(int redChannel, int greenChannel, int blueChannel) {
    red = clampChannel(redChannel);
    green = clampChannel(greenChannel);
    blue = clampChannel(blueChannel);
}

void applyBrikColor(BrikColor colour) {
    drawTarget().colour(colour.getColorRed() / 255.0, colour.getColorGreen() / 255.0,
                        colour.getColorBlue() / 255.0);
}
