#pragma once

// How far a model reaches from the point the view looks at (the base plate's centre on its
// bottom face, where drawModel puts the origin): across, the largest distance of a body from
// the vertical through that point, and up, the highest body's top. No OpenGL; from the model
// value alone.
//
// Brick units (1 = one stud pitch in x and z, +y up). The bodies leave the studs out
// (model/PieceExtent.h); whoever fits a view to the reach leaves room for them.

#include <vector>

#include "model/Model.h"
#include "model/PieceKinds.h"

// Every body box of the model (its base plate and every placement), in the house frame.
std::vector<BodyBox> modelBodies(const Model& model);

struct ModelReach {
    double across;
    double up;
};
ModelReach modelReach(const Model& model);

// The space a model fills, in world units (the frame the scene draws it in: base plate centred
// on the origin, standing on y = 0, one stud pitch = kHouseScale): every body of modelBodies.
// Studs are left out: they add a sixtieth of a brick's height at most.
struct WorldBox {
    double min[3];  // x, y, z
    double max[3];
};
WorldBox modelWorldBounds(const Model& model);
