#pragma once

#include "model/BrikVantaHouse.h"

// The house that the frame draws.
extern BrikVantaHouse brik;

// Draws the house in world units (one stud pitch = 0.1), centred on the origin and
// standing on y = 0. The scene time is accepted and unused: the model is static.
// Leaves the modelview matrix as it found it.
void DrawScene(float sceneTime);
