#include "model/Scene.h"

#include "model/DrawTarget.h"

BrikVantaHouse brik;

void DrawScene(float /*sceneTime*/) {
    drawTarget().pushMatrix();
    drawTarget().scale(0.1, 0.1, 0.1);  // brick units to world units
    brik.drawSolidBrikVantaHouse();
    drawTarget().popMatrix();
}
