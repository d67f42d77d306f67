#include "mesh/Bvh.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr std::uint32_t kLeafSize = 4;
constexpr int kStackDepth = 64;  // median splits: depth about log2 of the triangle count

struct Crossing {
    bool hit;
    double distance;
    bool front;
};

// Möller and Trumbore's test, in double precision.
Crossing cross(const BvhTriangle& triangle, const double origin[3], const double direction[3]) {
    double a[3], edge1[3], edge2[3];
    for (int axis = 0; axis < 3; ++axis) {
        a[axis] = triangle.corners[0][axis];
        edge1[axis] = triangle.corners[1][axis] - a[axis];
        edge2[axis] = triangle.corners[2][axis] - a[axis];
    }
    const double p[3] = {direction[1] * edge2[2] - direction[2] * edge2[1],
                         direction[2] * edge2[0] - direction[0] * edge2[2],
                         direction[0] * edge2[1] - direction[1] * edge2[0]};
    const double determinant = edge1[0] * p[0] + edge1[1] * p[1] + edge1[2] * p[2];
    if (determinant == 0) return {false, 0, false};
    const double inverse = 1 / determinant;
    const double s[3] = {origin[0] - a[0], origin[1] - a[1], origin[2] - a[2]};
    const double u = (s[0] * p[0] + s[1] * p[1] + s[2] * p[2]) * inverse;
    if (u < 0 || u > 1) return {false, 0, false};
    const double q[3] = {s[1] * edge1[2] - s[2] * edge1[1], s[2] * edge1[0] - s[0] * edge1[2],
                         s[0] * edge1[1] - s[1] * edge1[0]};
    const double v = (direction[0] * q[0] + direction[1] * q[1] + direction[2] * q[2]) * inverse;
    if (v < 0 || u + v > 1) return {false, 0, false};
    const double distance = (edge2[0] * q[0] + edge2[1] * q[1] + edge2[2] * q[2]) * inverse;
    // The determinant is minus the ray's direction dotted with the front's normal.
    return {true, distance, determinant > 0};
}

// Slab test: true when the ray passes the box within (near, far).
bool meetsBox(const float lower[3], const float upper[3], const double origin[3],
              const double inverseDirection[3], double near, double far) {
    for (int axis = 0; axis < 3; ++axis) {
        double t0 = (lower[axis] - origin[axis]) * inverseDirection[axis];
        double t1 = (upper[axis] - origin[axis]) * inverseDirection[axis];
        if (t0 > t1) std::swap(t0, t1);
        near = std::max(near, t0);
        far = std::min(far, t1);
        if (near > far) return false;
    }
    return true;
}
}  // namespace

Bvh::Bvh(std::vector<BvhTriangle> triangles) : triangles_(std::move(triangles)) {
    order_.resize(triangles_.size());
    for (std::uint32_t i = 0; i < order_.size(); ++i) order_[i] = i;
    nodes_.reserve(2 * triangles_.size() / kLeafSize + 1);
    build(0, static_cast<std::uint32_t>(order_.size()));
}

// Splits at the median of the centres along the box's longest axis.
std::uint32_t Bvh::build(std::uint32_t first, std::uint32_t count) {
    const std::uint32_t index = static_cast<std::uint32_t>(nodes_.size());
    nodes_.push_back({});
    Node node{{INFINITY, INFINITY, INFINITY}, {-INFINITY, -INFINITY, -INFINITY}, first, count};
    for (std::uint32_t i = first; i < first + count; ++i)
        for (const auto& corner : triangles_[order_[i]].corners)
            for (int axis = 0; axis < 3; ++axis) {
                node.lower[axis] = std::min(node.lower[axis], corner[axis]);
                node.upper[axis] = std::max(node.upper[axis], corner[axis]);
            }
    if (count > kLeafSize) {
        int axis = 0;
        for (int other = 1; other < 3; ++other)
            if (node.upper[other] - node.lower[other] > node.upper[axis] - node.lower[axis])
                axis = other;
        auto centre = [&](std::uint32_t triangle) {
            const auto& c = triangles_[triangle].corners;
            return c[0][axis] + c[1][axis] + c[2][axis];
        };
        const std::uint32_t half = count / 2;
        std::nth_element(order_.begin() + first, order_.begin() + first + half,
                         order_.begin() + first + count,
                         [&](std::uint32_t l, std::uint32_t r) { return centre(l) < centre(r); });
        build(first, half);
        node.first = build(first + half, count - half);
        node.count = 0;
    }
    nodes_[index] = node;
    return index;
}

template <typename Visit>
void Bvh::traverse(const double origin[3], const double direction[3], double near, double* far,
                   Visit visit) const {
    if (nodes_.empty() || triangles_.empty()) return;
    double inverseDirection[3];
    for (int axis = 0; axis < 3; ++axis) inverseDirection[axis] = 1 / direction[axis];
    std::uint32_t stack[kStackDepth];
    int depth = 0;
    stack[depth++] = 0;
    while (depth > 0) {
        const Node& node = nodes_[stack[--depth]];
        if (!meetsBox(node.lower, node.upper, origin, inverseDirection, near, *far)) continue;
        if (node.count == 0) {
            stack[depth++] = node.first;
            stack[depth++] = static_cast<std::uint32_t>(&node - nodes_.data()) + 1;
            continue;
        }
        for (std::uint32_t i = node.first; i < node.first + node.count; ++i)
            if (!visit(order_[i])) return;
    }
}

RayHit Bvh::nearestFrontFace(const double origin[3], const double direction[3], double near,
                             double far) const {
    RayHit nearest;
    traverse(origin, direction, near, &far, [&](std::uint32_t triangle) {
        const Crossing crossing = cross(triangles_[triangle], origin, direction);
        if (crossing.hit && crossing.front && crossing.distance > near && crossing.distance < far) {
            far = crossing.distance;
            nearest = {static_cast<int>(triangle), crossing.distance};
        }
        return true;
    });
    return nearest;
}

bool Bvh::anyHit(const double origin[3], const double direction[3], double near, double far) const {
    bool found = false;
    traverse(origin, direction, near, &far, [&](std::uint32_t triangle) {
        const Crossing crossing = cross(triangles_[triangle], origin, direction);
        found = crossing.hit && crossing.distance > near && crossing.distance < far;
        return !found;
    });
    return found;
}
