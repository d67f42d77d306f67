// Plates, flat tiles, bricks and the base plate are single blocks; the round plate and
// round brick are stacks of cylinders centred on their 1 × 1 cell.

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/HouseFrame.h"

namespace {
constexpr unsigned char kStuddedTop = 0;
constexpr unsigned char kSmoothTop = 1;
}  // namespace

void BrikVantaHouse::drawSolidPlate(int length, int width, BrikColor colour) {
    drawSolidCube(length, width, kPlateHeight, colour, kStuddedTop);
}

void BrikVantaHouse::drawSolidFlatTile(int length, int width, BrikColor colour) {
    drawSolidCube(length, width, kPlateHeight, colour, kSmoothTop);
}

void BrikVantaHouse::drawSolidBrick(int length, int width, BrikColor colour) {
    drawSolidCube(length, width, kBrickHeight, colour, kStuddedTop);
}

void BrikVantaHouse::drawSolidBasePlate(int length, int width, BrikColor colour) {
    drawSolidPlate(length, width, colour);
}

namespace {
// One cylinder of a round piece, from the bottom up.
struct RoundLayer {
    double height;
    double radius;
};

void drawRoundStack(BrikVantaHouse& house, BrikColor colour, const RoundLayer* layers, int count) {
    applyBrikColor(colour);
    drawTarget().pushMatrix();
    drawTarget().translate(0.5, 0, 0.5);  // the axis stands on the centre of the cell
    for (int i = 0; i < count; ++i) {
        if (i > 0) drawTarget().translate(0, layers[i - 1].height, 0);
        house.drawSolidRound(layers[i].height, layers[i].radius);
    }
    drawTarget().popMatrix();
}

constexpr RoundLayer kRoundPlateLayers[] = {{0.2, 0.4}, {0.2, 0.5}, {0.2, 0.3}};
constexpr RoundLayer kRoundBrickLayers[] = {{0.2, 0.4}, {1.0, 0.5}, {0.2, 0.3}};
}  // namespace

void BrikVantaHouse::drawSolidRoundPlate(BrikColor colour) {
    drawRoundStack(*this, colour, kRoundPlateLayers, 3);
}

void BrikVantaHouse::drawSolidRoundBrick(BrikColor colour) {
    drawRoundStack(*this, colour, kRoundBrickLayers, 3);
}
