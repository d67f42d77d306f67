#pragma once

// What one eye sees of every building step's new pieces, measured as the guide's pictures
// are: the house drawn into a small depth buffer of its own (no OpenGL), front faces only,
// keeping for every pixel the nearest depth of each layer map, from which each step's new
// pieces' pixels follow, alone and in front of everything placed before them.

#include <vector>

#include "maths/Maths.h"
#include "mesh/HouseMesh.h"

struct StepCoverage {
    long alone;  // pixels the step's pieces cover when drawn alone
    long seen;   // of those, pixels where nothing placed before is nearer
};

// Coverage of maps 1...steps (element k - 1 for map k) from `eye` (world units) looking at
// `target` with +y up, the vertical field of view fieldOfViewDegrees, in a picture `width`
// pixels wide and width / aspect high. The house is a captureHouse mesh (house frame);
// triangles of maps after `steps` are left out and the base plate counts as map 0.
std::vector<StepCoverage> stepCoverage(const HouseMesh& house, int steps, const VECTOR3D& eye,
                                       const VECTOR3D& target, double aspect, int width);
