#include "instructions/StepCoverage.h"

#include <algorithm>
#include <cmath>

#include "maths/Angles.h"
#include "model/HouseFrame.h"
#include "render/FrameConstants.h"

namespace {
// House frame (brick units) to the viewer's world frame.
VECTOR3D world(const float house[3]) {
    return VECTOR3D(float(house[0] * kHouseScale + kHouseOriginInWorldXZ),
                    float(house[1] * kHouseScale),
                    float(house[2] * kHouseScale + kHouseOriginInWorldXZ));
}

// A corner on the picture: pixel coordinates (y down) and the inverse of its depth, which
// varies linearly across the picture.
struct Projected {
    double x, y, inverseDepth;
};
}  // namespace

std::vector<StepCoverage> stepCoverage(const HouseMesh& house, int steps, const VECTOR3D& eye,
                                       const VECTOR3D& target, double aspect, int width) {
    const int height = std::max(1, int(std::lround(width / aspect)));
    const size_t maps = size_t(steps) + 1;
    // nearest[pixel * maps + map]: the largest inverse depth of that map there, 0 for none.
    std::vector<float> nearest(size_t(width) * size_t(height) * maps, 0.0f);
    const VECTOR3D forward = (target - eye).GetNormalized();
    const VECTOR3D right = forward.CrossProduct(VECTOR3D(0.0f, 1.0f, 0.0f)).GetNormalized();
    const VECTOR3D up = right.CrossProduct(forward);
    const double tanHalfHeight = std::tan(fieldOfViewDegrees * kPi / 360.0);
    const double tanHalfWidth = tanHalfHeight * aspect;
    auto project = [&](const VECTOR3D& point, Projected* on) {
        const VECTOR3D d = point - eye;
        const double depth = d.DotProduct(forward);
        if (depth <= cameraNearPlane) return false;
        on->x = (d.DotProduct(right) / (depth * tanHalfWidth) + 1) / 2 * width;
        on->y = (1 - d.DotProduct(up) / (depth * tanHalfHeight)) / 2 * height;
        on->inverseDepth = 1 / depth;
        return true;
    };
    for (const MeshTriangle& triangle : house.triangles) {
        const int map =
            triangle.placement < 0 ? 0 : house.placements[size_t(triangle.placement)].map;
        if (map < 0 || map > steps) continue;
        const VECTOR3D a = world(triangle.corners[0].position),
                       b = world(triangle.corners[1].position),
                       c = world(triangle.corners[2].position);
        if ((b - a).CrossProduct(c - a).DotProduct(eye - a) <= 0) continue;  // a back face
        Projected p[3];
        if (!project(a, &p[0]) || !project(b, &p[1]) || !project(c, &p[2])) continue;
        const double area =
            (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[1].y - p[0].y) * (p[2].x - p[0].x);
        if (area == 0) continue;
        const int left = std::max(0, int(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
        const int top = std::max(0, int(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
        const int rightmost =
            std::min(width - 1, int(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
        const int bottom = std::min(height - 1, int(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= rightmost; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                double weight[3];
                for (int i = 0; i < 3; ++i) {
                    const Projected &from = p[(i + 1) % 3], &to = p[(i + 2) % 3];
                    weight[i] =
                        ((to.x - from.x) * (py - from.y) - (to.y - from.y) * (px - from.x)) / area;
                }
                if (weight[0] < 0 || weight[1] < 0 || weight[2] < 0) continue;
                const float inverseDepth =
                    float(weight[0] * p[0].inverseDepth + weight[1] * p[1].inverseDepth +
                          weight[2] * p[2].inverseDepth);
                float& there =
                    nearest[(size_t(y) * size_t(width) + size_t(x)) * maps + size_t(map)];
                there = std::max(there, inverseDepth);
            }
    }
    std::vector<StepCoverage> coverage(size_t(steps), StepCoverage{0, 0});
    for (size_t pixel = 0; pixel < size_t(width) * size_t(height); ++pixel) {
        const float* depths = &nearest[pixel * maps];
        float before = depths[0];  // the nearest of the maps placed before
        for (size_t map = 1; map < maps; ++map) {
            if (depths[map] > 0) {
                ++coverage[map - 1].alone;
                coverage[map - 1].seen += depths[map] >= before;
            }
            before = std::max(before, depths[map]);
        }
    }
    return coverage;
}
