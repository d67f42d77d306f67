#pragma once

// The house as a model file for other 3D tools, from the shared geometry capture
// (captureHouse): the triangles the drawing code issues, nothing described twice.
//
// Frame: the house frame moved so that the base plate's centre is the origin, +y up. Units:
// `metresPerStud` metres per stud pitch (brick units times it); 0 keeps brick units.
// Structure: a node or group per layer map ("map 23") holding one node per placement
// ("map 23 row 5 RoofTile 4 Red"), and the base plate; one material per palette colour the
// triangles carry (matched by RGB), the door glass a blended one with its alpha.

#include <string>

#include "mesh/HouseMesh.h"

constexpr double kMetresPerStud = 0.008;  // one stud pitch is 8 mm

// The scales a model may be written at, metres per stud pitch. glTF stores 32-bit floats: at the
// smallest scale the house (32 stud pitches across) measures 3.2e-29 m, and even its size's
// finest step at float precision (2^-23 of it) stays a normal number (above 1.2e-38), so no
// coordinate turns to zero or loses precision. The largest puts the house at 32 km.
constexpr double kMinMetresPerStud = 1e-30;
constexpr double kMaxMetresPerStud = 1000;

enum class ModelFormat { Glb, Gltf, Obj };

// The format FILE's extension names (.glb, .gltf, .obj); false for any other.
bool modelFormatOf(const std::string& path, ModelFormat* format);

// Writes the mesh; an .obj gets its .mtl beside it. Every file goes through a temporary file
// and a rename. On failure returns false with one line naming the file and the reason.
bool exportModel(const HouseMesh& mesh, const std::string& path, ModelFormat format,
                 double metresPerStud, std::string* error);

// The binary glTF (.glb) file's bytes in memory, for standard output: the one format that is a
// single binary file. On failure returns false with the reason in `error`.
bool encodeGlb(const HouseMesh& mesh, double metresPerStud, std::string* bytes, std::string* error);
