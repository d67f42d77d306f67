#pragma once

// Choosing the eye for a building step: candidate eyes around the house, each scored by how
// much of the step's new surface it sees face-on inside the picture and not hidden behind the
// pieces placed before; the best one wins, the viewer's start eye unless another is clearly
// better.

#include "maths/Maths.h"
#include "mesh/HouseMesh.h"

// World units (the viewer's frame); the camera looks at the origin with +y up.
VECTOR3D bestEyeForStep(const HouseMesh& house, int map, double aspect);
