#pragma once

// The edges a picture outlines: where two faces of the captured house meet at a crease, or a
// face ends with nothing beside it. Two bricks side by side each keep their own corner edges,
// so lines drawn along these keep them apart however alike their colours. No OpenGL.

#include <cstdint>
#include <vector>

#include "mesh/IndexedHouse.h"

// Creases sharper than this (degrees between the two faces' normals) are outlined; faces back
// to back (where two pieces touch) are no crease.
constexpr double kFeatureEdgeDegrees = 30.0;

// Pairs of indices into house.vertices, one pair per edge, each edge once. Triangles meet where
// their corners' positions agree (within a thousandth of a world unit), whatever their normals.
std::vector<std::uint32_t> featureEdges(const IndexedHouse& house);
