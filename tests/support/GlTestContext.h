#pragma once

// Test support for code that draws: one real OpenGL context (a GLUT window on the
// X display, Xvfb in the test run) and GL feedback mode to read back what was drawn.

#include <array>
#include <functional>
#include <string>
#include <vector>

// Makes sure the shared test window exists and its context is current.
void ensureGlContext();

// Lets GLUT handle pending window events until the window reports its size (after it was
// created or resized).
void pumpWindowEvents();

struct FeedbackVertex {
    double x, y, z;     // in the frame the drawing started from (brick units)
    double r, g, b, a;  // the colour OpenGL carried with the vertex
};

// One primitive as OpenGL emitted it after assembly (Mesa splits polygons into triangles).
struct FeedbackPolygon {
    std::vector<FeedbackVertex> vertices;
};

// Runs `draw` with an identity modelview and an orthographic projection that maps the cube
// [-extent, extent]³ to the viewport, lighting and culling off, and returns every polygon
// it produced, in object coordinates of the starting frame.
std::vector<FeedbackPolygon> captureFeedback(const std::function<void()>& draw, double extent = 64);

// The axis-aligned bounds of a set of polygons.
struct Bounds {
    std::array<double, 3> min;
    std::array<double, 3> max;
};
Bounds boundsOf(const std::vector<FeedbackPolygon>& polygons);

// The current modelview stack depth and matrix (column-major), and the current colour.
int modelviewDepth();
std::array<double, 16> currentModelview();
std::array<float, 4> currentColour();

// The signed volume enclosed by the polygons (divergence theorem, from reference point
// `origin`). For closed solids wound counter-clockwise seen from outside it is their total
// volume, whatever the reference; an inward-wound face makes it smaller and makes it
// depend on the reference, so comparing two references catches a face turned the wrong way.
double signedVolume(const std::vector<FeedbackPolygon>& polygons,
                    std::array<double, 3> origin = {0, 0, 0});
