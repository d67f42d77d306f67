#include "model/Scene.h"

#include "model/DrawTarget.h"
#include "model/HouseFrame.h"

BrikVantaHouse brik;

void DrawScene(float /*sceneTime*/) {
    drawTarget().pushMatrix();
    drawTarget().scale(kHouseScale, kHouseScale, kHouseScale);
    brik.drawSolidBrikVantaHouse();
    drawTarget().popMatrix();
}
