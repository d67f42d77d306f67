#pragma once

// The glTF 2.0 writer behind exportModel: `scale` multiplies brick units into the file's
// units (metres), after the base plate's centre is moved to the origin.

#include <string>

#include "mesh/HouseMesh.h"

bool writeGltf(const HouseMesh& mesh, const std::string& path, bool binary, double scale,
               std::string* error);

// The same file's bytes in memory (for standard output and pages that carry the model).
bool encodeGltf(const HouseMesh& mesh, bool binary, double scale, std::string* data,
                std::string* error);
