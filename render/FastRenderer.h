#pragma once

// The fast frame: the picture of the shadow-mapped frame (render/ShadowFrame.h), drawn from the
// house captured once (mesh/IndexedHouse.h) in one indexed vertex buffer:
//  - the light's depth pass fills the frame's shadow map only when the light's matrices, the
//    house or the frame changed since it was last filled (its size is fixed: shadowMapSize);
//  - one camera pass with the shader of render/FastShaders.h instead of a dim and a lit pass,
//    leaving out the triangles no eye can see, and drawing whole pieces nearest first so that
//    the depth test spares the shading of what lies behind (re-sorted when the eye moves);
//  - the same floor.
// It reads the frame state it is given (render/FrameState.h) and owns its buffers, program and
// light-pass target. Needs OpenGL 2.1 (GLSL 1.20, vertex buffers) and framebuffer objects.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <cmath>

#include "maths/Maths.h"
#include "mesh/IndexedHouse.h"
#include "render/FrameState.h"
#include "render/LightPassTarget.h"

// Milliseconds each part of a fast frame took, with a pipeline flush after each part.
struct FastFrameTimings {
    double shadowMap;  // 0 when the map was reused
    double cameraPass;
    double floor;
};

class FastRenderer {
public:
    // What this OpenGL lacks for the fast frame, as a phrase, or "" when nothing. Needs a context.
    static std::string missingSupport();

    // Uploads the house and builds the program. Needs a context, after Init. On failure returns
    // false with the reason and leaves nothing bound.
    bool create(const IndexedHouse& house, std::string* error);
    bool isReady() const { return program != 0; }
    // Deletes what create made (in the context it was made in); the renderer is then empty.
    void release();

    // One frame of `frame` into the back buffer, without swapping; it updates the frame's
    // frame-rate meter. It draws the house it was created from, not the frame's scene.
    void render(FrameState& frame, FastFrameTimings* timings = nullptr);

    // Makes the next frame fill the shadow map again.
    void invalidateShadowMap() { shadowMapFilled = false; }

    // What the house occupies in buffer memory, in bytes, and how many triangles a camera pass
    // and the light pass draw.
    size_t bufferBytes() const { return vertexBytes + indexBytes; }
    size_t cameraTriangleCount() const { return visibleIndexCount / 3; }
    size_t lightTriangleCount() const { return indexCount / 3; }

private:
    bool shadowMapIsCurrent(const FrameState& frame) const;
    void fillShadowMap(const FrameState& frame);
    void drawCameraPass(const FrameState& frame);
    void sortPiecesNearestFirst(const double eye[3]);
    void bindHouse(bool withNormalsAndColours);
    void unbindHouse();

    unsigned vertexBuffer = 0;
    unsigned indexBuffer = 0;        // every triangle: the light pass
    unsigned cameraIndexBuffer = 0;  // the visible ones, nearest piece first
    unsigned program = 0;
    size_t indexCount = 0;
    size_t visibleIndexCount = 0;
    size_t vertexBytes = 0;
    size_t indexBytes = 0;
    std::vector<std::uint32_t> visibleIndices;  // in drawing order
    std::vector<PieceRun> visiblePieces;
    std::vector<std::uint32_t> sortedIndices;
    double sortedForEye[3] = {NAN, NAN, NAN};
    int lightEyePositionLocation = -1;
    int dimLightLevelLocation = -1;
    int shadowTextureMatrixLocation = -1;
    int shadowMapLocation = -1;
    int litAlphaThresholdLocation = -1;
    LightPassTarget lightPassTarget;

    // What the shadow map was last filled for.
    bool shadowMapFilled = false;
    unsigned filledTexture = 0;  // the frame's shadow map texture
    MATRIX4X4 filledLightView, filledLightProjection;
};
