#pragma once

// The narrow interface every piece draws through: polygons, boxes, normals, colours and the
// matrix stack, in the current frame's units (brick units inside the house).
//
// The model knows no OpenGL: the renderers install the immediate-mode target
// (render/ImmediateDrawTarget.h) around what they draw, the geometry capture in mesh/ installs a
// recorder. Each thread has its own current target, so a capture on one thread and a frame
// drawn on another never see each other's. Targets are not owned by the model: whoever
// installs one keeps it alive while it is current.

#include "model/Placement.h"

// Which placement the next calls draw: a row of a layer map (1-40), or the base plate (map 0,
// row "base", piece `PieceKind::BasePlate`). `instance` counts the placements of one row in
// drawing order (a range row stands for several).
struct PlacementTag {
    int map;
    const char* row;
    PieceKind piece;
    PaletteColour colour;
    int instance;
    const Placement* source;  // the table row (the model's tables outlive every capture)
};

class DrawTarget {
public:
    virtual ~DrawTarget() = default;

    virtual void beginPolygon() = 0;  // a convex polygon, ended by endPolygon
    virtual void endPolygon() = 0;
    virtual void vertex(double x, double y, double z) = 0;
    virtual void normal(double x, double y, double z) = 0;
    virtual void colour(double red, double green, double blue) = 0;  // alpha stays 1
    virtual void colour(double red, double green, double blue, double alpha) = 0;

    virtual void pushMatrix() = 0;
    virtual void popMatrix() = 0;
    virtual void translate(double x, double y, double z) = 0;
    virtual void rotate(double degrees, double x, double y, double z) = 0;  // about (x, y, z)
    virtual void scale(double x, double y, double z) = 0;
    // The unit cube centred on the origin, as six quads with outward normals (-0.5 ... 0.5).
    virtual void unitCube() = 0;

    // Bracket the calls of one placement; the immediate target ignores them.
    virtual void beginPlacement(const PlacementTag& /*placement*/) {}
    virtual void endPlacement() {}
};

// The target the pieces draw through now on the calling thread. Drawing with none installed is
// a programming error: it ends the process with a message.
DrawTarget& drawTarget();

// Installs a target on the calling thread for as long as the object lives, then restores the
// one before it.
class ScopedDrawTarget {
public:
    explicit ScopedDrawTarget(DrawTarget& target);
    ~ScopedDrawTarget();
    ScopedDrawTarget(const ScopedDrawTarget&) = delete;
    ScopedDrawTarget& operator=(const ScopedDrawTarget&) = delete;

private:
    DrawTarget* previous;
};
