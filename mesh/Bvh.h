#pragma once

// A bounding-volume hierarchy over triangles for casting rays on the processor: the nearest
// front face along a ray (what a camera with back faces culled sees) and whether anything at
// all lies on a segment (what blocks a light). Frame and units are the caller's; the tree keeps
// its own copy of the triangles and answers from any number of threads at once.

#include <cstdint>
#include <vector>

// Counter-clockwise seen from its front, as OpenGL's default front face.
struct BvhTriangle {
    float corners[3][3];
};

struct RayHit {
    int triangle = -1;    // index into the triangles given; -1 when the ray met nothing
    double distance = 0;  // along the ray, in units of its direction's length
};

class Bvh {
public:
    explicit Bvh(std::vector<BvhTriangle> triangles);

    // The nearest triangle whose front faces the ray's origin, at a distance in (near, far).
    RayHit nearestFrontFace(const double origin[3], const double direction[3], double near,
                            double far) const;

    // True when any triangle, either side, meets the ray at a distance in (near, far).
    bool anyHit(const double origin[3], const double direction[3], double near, double far) const;

    const std::vector<BvhTriangle>& triangles() const { return triangles_; }

private:
    struct Node {
        float lower[3], upper[3];
        std::uint32_t first;  // a leaf's first triangle in order_, or an inner node's right child
        std::uint32_t count;  // triangles of a leaf; 0 for an inner node (left child follows it)
    };

    std::uint32_t build(std::uint32_t first, std::uint32_t count);
    template <typename Visit>
    void traverse(const double origin[3], const double direction[3], double near, double* far,
                  Visit visit) const;

    std::vector<BvhTriangle> triangles_;
    std::vector<std::uint32_t> order_;  // triangle indices, grouped by leaf
    std::vector<Node> nodes_;
};
