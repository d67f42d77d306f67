#pragma once

// The space a model fills, in world units (the frame the scene draws it in: base plate centred
// on the origin, standing on y = 0, one stud pitch = kHouseScale). No OpenGL.

#include "model/Model.h"

struct WorldBox {
    double min[3];  // x, y, z
    double max[3];
};

// The box holding the base plate and every piece's body (model/PieceExtent.h) of every layer of
// `model`. Studs are left out: they add a sixtieth of a brick's height at most.
WorldBox modelWorldBounds(const Model& model);
