#pragma once

// The measured truth of a shadowed frame: for one view, which pixels see a surface and whether
// the light really reaches that surface, found on the processor by casting rays through a
// bounding-volume hierarchy (mesh/Bvh.h) over the very triangles the renderers draw.
//
// A pixel's ray leaves the eye through the pixel's centre, as OpenGL samples it, and meets the
// nearest front face between the camera's near and far planes (back faces are culled, as the
// frame culls them). The surface there is lit when its face turns towards the light and the
// segment from it to the light (a point) meets no triangle, front or back.
//
// Frame and units: the world frame of the frame (render/FrameState.h), world units. The view
// comes as values (the frame's matrices), so this needs no OpenGL.

#include <cstdint>
#include <vector>

#include "maths/Maths.h"
#include "mesh/Bvh.h"
#include "mesh/HouseMesh.h"

enum class PixelLight : std::uint8_t { Background, Lit, Shadowed };

// One state per pixel, bottom row first, as OpenGL reads pixels back.
struct LightMask {
    int width = 0;
    int height = 0;
    std::vector<PixelLight> pixels;
    std::vector<int> surfaces;  // the truth's only: the triangle each pixel sees, -1 for none

    PixelLight at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

struct TruthView {
    MATRIX4X4 cameraView;        // world to eye, a rigid transform (the frame's cameraViewMatrix)
    MATRIX4X4 cameraProjection;  // a perspective projection (the frame's cameraProjectionMatrix)
    int width = 0;               // the window in pixels
    int height = 0;
    VECTOR3D lightPosition;  // world frame, a point light
};

// The captured house in the world frame (mesh/IndexedHouse.h's transform), one per triangle.
std::vector<BvhTriangle> houseTrianglesInWorld(const HouseMesh& mesh);

// Appends the floor: the square of the given half-size about the origin at y = 0, front up.
void appendFloor(std::vector<BvhTriangle>* triangles, float halfSize);

// Every pixel of `view` over `scene`. Rows are shared out among `threads` (0: one per core).
LightMask computeLightMask(const Bvh& scene, const TruthView& view, int threads = 0);

// Two masks of one view compared: the pixels both see a surface in, the share of those whose
// state differs, and the pixels only one of them sees a surface in. Only the pixels whose
// surface in the truth is a triangle before `firstUncounted` are counted (the house without
// the floor appended after it, for instance; -1 counts all).
struct MaskComparison {
    long visibleInBoth = 0;
    long differing = 0;
    long coverageMismatch = 0;

    double differingShare() const {
        return visibleInBoth ? double(differing) / double(visibleInBoth) : 0;
    }
};
MaskComparison compareMasks(const LightMask& truth, const LightMask& rendered,
                            int firstUncounted = -1);
