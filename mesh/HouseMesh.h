#pragma once

// The house as triangles: what one draw of the house issues, captured without an OpenGL
// context through the pieces' draw target.
//
// Frame and units: the house frame in brick units (origin at the base plate's lower corner,
// 1.0 = one stud pitch in x and z, +y up; a plate 0.4 high). The world frame of the viewer is
// this scaled by kHouseScale and moved by kHouseOriginInWorldXZ in x and z (model/HouseFrame.h).
//
// Every polygon is split into a fan from its first vertex, as the renderer does; every box is
// its six faces as two triangles each. Winding is counter-clockwise seen from outside.
// Normals are per vertex as drawn (normalised after the matrix); colours are RGBA 0...1.

#include <functional>
#include <vector>

#include "model/DrawTarget.h"
#include "model/Model.h"

struct MeshVertex {
    float position[3];
    float normal[3];
    float colour[4];
};

struct MeshTriangle {
    MeshVertex corners[3];
    int placement;  // index into HouseMesh::placements
};

struct HouseMesh {
    std::vector<MeshTriangle> triangles;    // in drawing order
    std::vector<PlacementTag> placements;   // in drawing order; the base plate first
    std::vector<ModelColour> modelColours;  // the model's own colours, for names (Model::colours)
};

// Captures a whole model (the built-in house: houseModel()): its base plate and its layers.
// The model is drawn as the scenes draw it, its base plate centred where the house's is, so a
// model whose plate is not 32 × 32 (or that has none) lands moved by captureOffset in x and z.
// The placement tags point at the model's rows: `model` must outlive the mesh (never a
// temporary).
HouseMesh captureHouse(const Model& model);
HouseMesh captureHouse(Model&&) = delete;

// Where captureHouse puts the model's house-frame origin, in brick units: (0, 0) for the house.
struct CaptureOffset {
    double x, z;
};
CaptureOffset captureOffset(const Model& model);

// Captures whatever `draw` issues through the draw target, starting from the identity
// matrix, in the units `draw` works in. Calls outside any placement get placement -1.
HouseMesh captureDrawing(const std::function<void()>& draw);
