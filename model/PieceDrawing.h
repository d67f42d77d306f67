#pragma once

// Drawing elements shared by the brick pieces. All work in the current modelview frame, in
// brick units. The drawing helpers leave the matrix as they found it; applyQuarterTurn does
// not: it applies its turn to the current matrix, for the caller to save and restore.

#include <array>

#include "model/Point.h"

class BrikVantaHouse;

// A solid given as a vertex table and a face table. Each face is `slotsPerFace` vertex
// indices, wound counter-clockwise seen from outside; -1 marks an empty slot, which is
// skipped. Each face gets the normal of its first three vertices.
struct SolidTables {
    const Point* vertices;
    const int* faces;  // faceCount × slotsPerFace indices
    int faceCount;
    int slotsPerFace;
};
void drawTableSolid(const SolidTables& solid);

// The ten vertices of a prism along z with a five-point x-y cross-section: the points at
// z = length in the given order, then at z = 0 in reverse order (as the tiles' face tables
// index them).
std::array<Point, 10> prismOfSection(const double (&section)[5][2], double length);

// One convex polygon with the normal of its first three vertices.
void drawPolygon(const Point* vertices, int vertexCount);

// The block [x0, x1] × [y0, y1] × [z0, z1], as a scaled unit cube.
void drawBox(double x0, double x1, double y0, double y1, double z0, double z1);

// A stud (radius 0.3, height 0.2) standing on the point (x, y, z).
void drawStud(BrikVantaHouse& house, double x, double y, double z);

// The quarter-turn step of a piece whose unturned footprint is width (x) × depth (z):
// for an angle of exactly 90, 180 or 270 it translates and then rotates about +y so
// that the turned footprint again starts at the origin, and returns true; any other
// angle changes nothing and returns false. It acts on the current matrix.
bool applyQuarterTurn(double angle, double width, double depth);

// The same for the pieces that turn for exactly 90 only (the grille, the ridged tile, the
// fence and the mailbox): any other angle, 180 and 270 included, changes nothing.
bool applyTurnAtNinetyOnly(double angle, double width, double depth);
