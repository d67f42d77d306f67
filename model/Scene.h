#pragma once

#include "model/Model.h"

// Draws the model in world units (one stud pitch = kHouseScale), its base plate centred on the
// origin and standing on y = 0, through the current draw target. The scene time is accepted
// and unused: the model is static. Leaves the matrix as it found it.
void DrawScene(const Model& model, float sceneTime);
