#pragma once

// Captured triangles that no eye outside the house can see, found once from the geometry.
//
// An occluding body is a box (brick units, house frame) that lies inside a piece drawn as a
// closed solid: the base plate, plates, flat tiles, bricks, corner pieces, roof and ridged tiles
// (their body boxes as model/PieceExtent gives them; rows turned by anything but quarter turns
// are left out, their boxes only bound the piece). A triangle is hidden when all its corners lie
// in one occluding body and, where it lies in a face of that body, its front faces into the body:
// a ray from an eye outside every body that meets the triangle's front has then crossed the
// body's drawn surface before. This takes out the studs inside the piece placed on top of them,
// the undersides of all studs, and the faces that two pieces press together.

#include <vector>

#include "mesh/HouseMesh.h"
#include "model/Model.h"
#include "model/PieceExtent.h"

// The occluding bodies of a whole model: its base plate and its layers, in the frame captureHouse
// draws the model in (mesh/HouseMesh.h).
std::vector<BodyBox> houseOccludingBodies(const Model& model);

// One flag per triangle of `mesh`, true where the triangle is hidden inside one of `bodies`.
std::vector<bool> findHiddenTriangles(const HouseMesh& mesh, const std::vector<BodyBox>& bodies);
