#pragma once

// A draw target that records triangles instead of drawing them: the matrix stack, current
// normal and colour kept as OpenGL keeps them, each polygon split into a fan from its first
// vertex, each unit cube as the six faces the GLUT cube draws (two triangles each, in its
// order). Positions and normals are taken through the current matrix when a vertex is
// recorded; normals are then normalised, as the viewer's GL_NORMALIZE does.

#include <array>
#include <vector>

#include "mesh/HouseMesh.h"

class GeometryRecorder final : public DrawTarget {
public:
    GeometryRecorder();

    void beginPolygon() override;
    void endPolygon() override;
    void vertex(double x, double y, double z) override;
    void normal(double x, double y, double z) override;
    void colour(double red, double green, double blue) override;
    void colour(double red, double green, double blue, double alpha) override;
    void pushMatrix() override;
    void popMatrix() override;
    void translate(double x, double y, double z) override;
    void rotate(double degrees, double x, double y, double z) override;
    void scale(double x, double y, double z) override;
    void unitCube() override;
    void beginPlacement(const PlacementTag& placement) override;
    void endPlacement() override;

    // What has been recorded so far; the recorder is empty afterwards.
    HouseMesh take();

private:
    using Matrix = std::array<double, 16>;  // column-major, as OpenGL keeps it

    MeshVertex transformed(double x, double y, double z) const;
    void multiply(const Matrix& right);

    std::vector<Matrix> stack;  // the current matrix is the last
    std::array<double, 3> currentNormal{0, 0, 1};
    std::array<float, 4> currentColour{1, 1, 1, 1};
    bool inPolygon = false;
    std::vector<MeshVertex> polygon;
    int currentPlacement = -1;
    HouseMesh mesh;
};
