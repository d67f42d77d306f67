#pragma once

// Probes for the piece tests: draw a piece call through GL feedback, then read back its
// bounds, cross-sections, studs, winding and colours, and the state it leaves for its
// caller. Coordinates are brick units in the frame the drawing started from. Every probe
// that compares positions takes its tolerance from the caller: feedback coordinates carry
// about 1e-5 of rounding, and each suite states how much more it allows.

#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "model/BrikColor.h"
#include "support/GlTestContext.h"

namespace piece_probes {

using Vec3 = std::array<double, 3>;
using Rgba = std::array<double, 4>;
using Matrix = std::array<double, 16>;  // column-major, as OpenGL keeps it
using Polygons = std::vector<FeedbackPolygon>;
using PointKey = std::array<long, 3>;  // a point in thousandths of a brick unit
// Where a vertical line meets the surfaces, lowest first: the height, and +1 for a surface
// facing up or -1 for one facing down.
using Crossings = std::vector<std::pair<double, int>>;

constexpr double kPi = 3.14159265358979323846;
constexpr int kBoxTriangles = 12;
constexpr int kStudTriangles = 40;  // 10 side quads and 20 disc wedges

// Volume of the closed ten-sided prism that every stud and round part is drawn as.
inline double cylinderVolume(double height, double radius) {
    return height * 5 * radius * radius * std::sin(2 * kPi / 10);
}
inline const double kStudVolume = cylinderVolume(0.2, 0.3);

// Colours and points.
BrikColor makeColour(int red, int green, int blue);
Rgba rgbaOf(BrikColor colour);  // as OpenGL carries it, opaque
PointKey keyOf(double x, double y, double z);

// The cross product of a triangle's edges: twice its area long, pointing out of a face
// wound counter-clockwise seen from outside.
Vec3 triangleNormal(const FeedbackPolygon& triangle);
Vec3 unitNormal(const FeedbackPolygon& triangle);

// ---- The state a piece leaves for its caller ----

// What one piece call drew, and the state it left in the caller's frame.
struct Drawn {
    Polygons polygons;
    int depthChange = 0;
    std::array<float, 4> colourAfter{};
    Matrix matrixAfter{};  // the caller's modelview after the call, having started at identity
};
Drawn drawPiece(const std::function<void()>& draw);

// The matrix that `transforms` build from identity.
Matrix matrixOf(const std::function<void()>& transforms);

// The caller's matrix after a piece with a width × depth footprint applies its turn about
// +y (moved back to start at the origin) and then `offset`.
Matrix turnThenOffset(int turn, double width, double depth, Vec3 offset);

// The piece left `colour` current, the modelview stack depth unchanged and `matrix` on it.
void expectLeavesState(const Drawn& drawn, Rgba colour, const Matrix& matrix);

// Draws on a caller matrix that is neither identity nor a pure translation, and expects
// the piece to leave that matrix exactly, the stack depth and its own colour behind.
void expectCallerStateKept(const std::function<void()>& draw, BrikColor colour);

// ---- Turns ----

// `angle` where it is one of the angles that turn the piece, else 0.
int effectiveTurn(int angle, const std::vector<int>& turningAngles);

// Where a point of the unturned piece lands once its width × depth footprint is turned by
// `angle` about +y and moved back to start at the origin; other angles leave it alone.
Vec3 turned(Vec3 p, int angle, double width, double depth);
Bounds turnedBounds(const Bounds& b, int angle, double width, double depth);

// Each polygon of `actual` has the same vertices as in `expected` (the unturned piece).
void expectSamePolygons(const Polygons& actual, const Polygons& expected, double angle);

// ---- Shape ----

void expectBounds(const Bounds& expected, const Bounds& actual, double tolerance);

// A closed solid wound outwards: the same volume seen from two reference points.
void expectEnclosedVolume(const Polygons& polygons, double expected, double tolerance,
                          Vec3 reference, Vec3 otherReference);

// Where the vertical line through (x, z) crosses the drawn surfaces. A crossing on an edge
// shared by coplanar triangles counts once.
Crossings columnCrossings(const Polygons& polygons, double x, double z);
void expectCrossings(const Crossings& actual, const Crossings& expected, const char* where,
                     double tolerance);

// The triangles lying in the plane where coordinate `axis` (0 x, 1 y, 2 z) is `level` that
// look towards + (facing 1) or - (facing -1) along that axis, and their area.
Polygons facesInPlane(const Polygons& polygons, int axis, double level, int facing,
                      double tolerance);
double areaAcross(const Polygons& faces, int axis);

// ---- Studs ----

// The base centres of the upright studs whose tops are at `studTop`, found from their top
// discs: a top wedge is a triangle at that height whose centre vertex lies 0.3 from both
// rim vertices.
std::set<PointKey> studCentres(const Polygons& polygons, double studTop, double tolerance);

// A stud by the centre of its base disc and the direction it points.
struct Stud {
    Vec3 base;
    Vec3 axis;
};

// Centres of the end discs of every stud-sized cylinder, whatever way it points: a disc
// wedge is a triangle with two 0.3 edges from the centre and a chord of a tenth of a turn.
std::vector<Vec3> studDiscCentres(const Polygons& polygons, double tolerance);

// Both end discs of every expected stud, turned, and no other stud-sized disc.
void expectStuds(const std::vector<Stud>& studs, int angle, double width, double depth,
                 const Polygons& polygons, double tolerance);

// ---- Picking parts out ----

// The triangles whose every vertex carries the colour `rgba`.
Polygons colouredAs(const Polygons& polygons, Rgba rgba);

// The triangles whose every vertex passes `inside`.
Polygons polygonsWhere(const Polygons& polygons,
                       const std::function<bool(const FeedbackVertex&)>& inside);

}  // namespace piece_probes
