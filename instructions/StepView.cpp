#include "instructions/StepView.h"

#include <cmath>

#include "render/FrameConstants.h"
#include "render/FrameState.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

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
    return {house[0] * 0.1 - 1.6, house[1] * 0.1, house[2] * 0.1 - 1.6};
}

double score(const HouseMesh& house, int map, Vec eye, double aspect) {
    const Vec forward = unit(Vec{0, 0, 0} - eye);
    const Vec right = unit(cross(forward, {0, 1, 0}));
    const Vec up = cross(right, forward);
    const double halfHeight = std::tan(fieldOfViewDegrees * kPi / 360.0);
    double total = 0;
    for (const MeshTriangle& triangle : house.triangles) {
        if (triangle.placement < 0 || house.placements[size_t(triangle.placement)].map != map)
            continue;
        const Vec a = world(triangle.corners[0].position), b = world(triangle.corners[1].position),
                  c = world(triangle.corners[2].position);
        const Vec n = cross(b - a, c - a);
        const double area = std::sqrt(dot(n, n)) / 2;
        if (area == 0) continue;
        const Vec centre = {(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
        const Vec toEye = eye - centre;
        const double facing = dot(unit(n), unit(toEye));
        if (facing <= 0) continue;
        const Vec d = centre - eye;
        const double depth = dot(d, forward);
        if (depth <= cameraNearPlane) continue;
        if (std::fabs(dot(d, up) / depth) > halfHeight * 0.95 ||
            std::fabs(dot(d, right) / depth) > halfHeight * aspect * 0.95)
            continue;
        total += area * facing;
    }
    return total;
}
}  // namespace

VECTOR3D bestEyeForStep(const HouseMesh& house, int map, double aspect) {
    const Vec start = {startCameraEye.x, startCameraEye.y, startCameraEye.z};
    const double distance = std::sqrt(dot(start, start));
    Vec best = start;
    double bestScore = score(house, map, start, aspect);
    for (const double elevation : {35.0, 55.0}) {
        for (int azimuth = 0; azimuth < 360; azimuth += 45) {
            const double e = elevation * kPi / 180, a = azimuth * kPi / 180;
            const Vec eye = {distance * std::cos(e) * std::sin(a), distance * std::sin(e),
                             distance * std::cos(e) * std::cos(a)};
            const double candidate = score(house, map, eye, aspect);
            if (candidate > bestScore * 1.05) {  // a clear gain over the start eye
                best = eye;
                bestScore = candidate;
            }
        }
    }
    return VECTOR3D(float(best.x), float(best.y), float(best.z));
}
