#include "render/LightFit.h"

#include <algorithm>
#include <limits>

namespace {
constexpr double kDepthMargin = 0.01;   // of the box's depth range, before and behind
constexpr double kSideMargin = 0.002;   // of the frustum's width, on each side
constexpr double kSmallestNear = 0.05;  // world units
}  // namespace

MATRIX4X4 fittedLightProjection(const MATRIX4X4& lightView, const WorldBounds& box) {
    double left = std::numeric_limits<double>::max(), right = -left, bottom = left, top = -left;
    double nearest = left, farthest = 0;
    for (int corner = 0; corner < 8; ++corner) {
        const VECTOR4D world((corner & 1) ? box.high[0] : box.low[0],
                             (corner & 2) ? box.high[1] : box.low[1],
                             (corner & 4) ? box.high[2] : box.low[2], 1.0f);
        const VECTOR4D eye = lightView * world;
        const double distance = std::max(double(-eye.z), kSmallestNear);  // the light looks down -z
        left = std::min(left, eye.x / distance);
        right = std::max(right, eye.x / distance);
        bottom = std::min(bottom, eye.y / distance);
        top = std::max(top, eye.y / distance);
        nearest = std::min(nearest, distance);
        farthest = std::max(farthest, distance);
    }
    const double depthMargin = kDepthMargin * (farthest - nearest);
    const double n = std::max(kSmallestNear, nearest - depthMargin), f = farthest + depthMargin;
    const double widen = kSideMargin * std::max(right - left, top - bottom);
    const double l = (left - widen) * n, r = (right + widen) * n;
    const double b = (bottom - widen) * n, t = (top + widen) * n;
    // clang-format off
    return MATRIX4X4(float(2 * n / (r - l)), 0, 0, 0,
                     0, float(2 * n / (t - b)), 0, 0,
                     float((r + l) / (r - l)), float((t + b) / (t - b)), float(-(f + n) / (f - n)), -1,
                     0, 0, float(-2 * f * n / (f - n)), 0);
    // clang-format on
}
