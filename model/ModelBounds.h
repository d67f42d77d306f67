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
