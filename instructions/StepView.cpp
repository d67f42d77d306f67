#include "instructions/StepView.h"

#include <cmath>
#include <vector>

#include "maths/Angles.h"
#include "model/HouseFrame.h"
#include "render/FrameConstants.h"
#include "render/FrameState.h"

namespace {
struct Vec {
    double x, y, z;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec unit(Vec a) {
    const double length = std::sqrt(dot(a, a));
    return {a.x / length, a.y / length, a.z / length};
}

// House frame (brick units) to the viewer's world frame.
Vec world(const float house[3]) {
    return {house[0] * kHouseScale + kHouseOriginInWorldXZ, house[1] * kHouseScale,
            house[2] * kHouseScale + kHouseOriginInWorldXZ};
}

// One triangle as the scoring sees it, in the world frame.
struct Surface {
    Vec centre, normal;  // normal of unit length
    double area;
    int map;
};

std::vector<Surface> surfacesUpTo(const HouseMesh& house, int map) {
    std::vector<Surface> surfaces;
    for (const MeshTriangle& triangle : house.triangles) {
        if (triangle.placement < 0) continue;
        const int placed = house.placements[size_t(triangle.placement)].map;
        if (placed > map) continue;
        const Vec a = world(triangle.corners[0].position), b = world(triangle.corners[1].position),
                  c = world(triangle.corners[2].position);
        const Vec n = cross(b - a, c - a);
        const double doubleArea = std::sqrt(dot(n, n));
        if (doubleArea == 0) continue;
        surfaces.push_back({{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3},
                            {n.x / doubleArea, n.y / doubleArea, n.z / doubleArea},
                            doubleArea / 2,
                            placed});
    }
    return surfaces;
}

// The new surface seen face-on: area times the cosine towards the eye, counting a triangle
// only when its centre is inside the picture and no nearer surface of the built house covers
// it. Cover is judged on a coarse grid of the picture from the triangles' centres, which the
// many small faces of bricks and studs fill densely enough.
double score(const std::vector<Surface>& surfaces, int map, Vec eye, double aspect) {
    constexpr int kColumns = 64, kRows = 48;
    constexpr double kDepthTolerance = 0.03;  // world units, a quarter of a brick's height
    const Vec forward = unit(Vec{0, 0, 0} - eye);
    const Vec right = unit(cross(forward, {0, 1, 0}));
    const Vec up = cross(right, forward);
    const double halfHeight = std::tan(fieldOfViewDegrees * kPi / 360.0);
    const double halfWidth = halfHeight * aspect;
    auto cellOf = [&](const Surface& surface, double* depth) {
        const Vec d = surface.centre - eye;
        *depth = dot(d, forward);
        if (*depth <= cameraNearPlane) return -1;
        const double u = dot(d, right) / *depth / halfWidth, v = dot(d, up) / *depth / halfHeight;
        if (std::fabs(u) >= 0.95 || std::fabs(v) >= 0.95) return -1;
        const int column = int((u + 1) / 2 * kColumns), row = int((v + 1) / 2 * kRows);
        return row * kColumns + column;
    };
    std::vector<double> nearest(kColumns * kRows, 1e30);
    for (const Surface& surface : surfaces) {
        double depth;
        const int cell = cellOf(surface, &depth);
        if (cell >= 0 && depth < nearest[size_t(cell)]) nearest[size_t(cell)] = depth;
    }
    double total = 0;
    for (const Surface& surface : surfaces) {
        if (surface.map != map) continue;
        const double facing = dot(surface.normal, unit(eye - surface.centre));
        double depth;
        const int cell = cellOf(surface, &depth);
        if (facing <= 0 || cell < 0 || depth > nearest[size_t(cell)] + kDepthTolerance) continue;
        total += surface.area * facing;
    }
    return total;
}
}  // namespace

VECTOR3D bestEyeForStep(const HouseMesh& house, int map, double aspect) {
    const Vec start = {startCameraEye.x, startCameraEye.y, startCameraEye.z};
    const double distance = std::sqrt(dot(start, start));
    const std::vector<Surface> surfaces = surfacesUpTo(house, map);
    Vec best = start;
    double bestScore = score(surfaces, map, start, aspect);
    for (const double elevation : {35.0, 55.0}) {
        for (int azimuth = 0; azimuth < 360; azimuth += 45) {
            const double e = elevation * kPi / 180, a = azimuth * kPi / 180;
            const Vec eye = {distance * std::cos(e) * std::sin(a), distance * std::sin(e),
                             distance * std::cos(e) * std::cos(a)};
            const double candidate = score(surfaces, map, eye, aspect);
            if (candidate > bestScore * 1.05) {  // a clear gain over the start eye
                best = eye;
                bestScore = candidate;
            }
        }
    }
    return VECTOR3D(float(best.x), float(best.y), float(best.z));
}
