#pragma once

// How far a model reaches: the box around its pieces' bodies, and the radius of the sphere
// about the point the view looks at (the base plate's centre on its bottom face, where
// drawModel puts the origin) that holds them. No OpenGL; from the model value alone.
//
// Brick units (1 = one stud pitch in x and z, +y up). The bodies leave the studs out
// (model/PieceExtent.h); whoever fits a view to the radius leaves room for them.

#include "model/Model.h"
#include "model/PieceKinds.h"

// Every body box of the model (its base plate and every placement), in the house frame.
BodyBox modelBounds(const Model& model);

// The largest distance from the base plate's centre on y = 0 to a corner of modelBounds.
double modelRadius(const Model& model);
