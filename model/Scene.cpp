#include "model/Scene.h"

#include "model/DrawTarget.h"
#include "model/HouseFrame.h"

void DrawScene(const Model& model, float /*sceneTime*/) {
    drawTarget().pushMatrix();
    drawTarget().scale(kHouseScale, kHouseScale, kHouseScale);
    drawModel(model);
    drawTarget().popMatrix();
}
