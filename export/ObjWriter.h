#pragma once

// The Wavefront OBJ writer behind exportModel: FILE.obj and its FILE.mtl; `scale` as for glTF,
// with 1 meaning brick units.

#include <string>

#include "mesh/HouseMesh.h"

bool writeObj(const HouseMesh& mesh, const std::string& path, double scale, bool metres,
              std::string* error);
