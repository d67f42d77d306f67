#pragma once

// The glTF 2.0 writer behind exportModel: `scale` multiplies brick units into the file's
// units (metres), after the base plate's centre is moved to the origin.

#include <string>

#include "mesh/HouseMesh.h"

bool writeGltf(const HouseMesh& mesh, const std::string& path, bool binary, double scale,
               std::string* error);

// The glTF (binary: GLB) that writeGltf writes, in memory. False when TinyGLTF cannot
// serialise it.
bool gltfBytes(const HouseMesh& mesh, bool binary, double scale, std::string* bytes);
