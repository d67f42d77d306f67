#pragma once

// The fast frame: the picture of the shadow-mapped frame (render/ShadowFrame.h), drawn from the
// house captured once (mesh/IndexedHouse.h) in one indexed vertex buffer:
//  - the light's depth pass fills the shadow map only when the light's matrices, the house,
//    the frame or the light pass's settings changed since it was last filled (the frame's
//    own map at the specified size, a map of its own at any other);
//  - one camera pass with the shader of render/FastShaders.h instead of a dim and a lit pass,
//    leaving out the triangles no eye can see, and drawing whole pieces nearest first so that
//    the depth test spares the shading of what lies behind (re-sorted when the eye moves);
//  - the same floor.
// Settings (render/FastRenderSettings.h) change the map's size, bias and filtering, fit the
// light to the house, multisample, shadow the floor, outline the pieces and balance the light;
// the default settings draw the specified frame's picture.
// It reads the frame state it is given (render/FrameState.h) and owns its buffers, programs,
// maps and targets. Needs OpenGL 2.1 (GLSL 1.20, vertex buffers) and framebuffer objects.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <cmath>

#include "maths/Maths.h"
#include "mesh/IndexedHouse.h"
#include "render/FastRenderSettings.h"
#include "render/FrameState.h"
#include "render/LightFit.h"
#include "render/LightPassTarget.h"
#include "render/MultisampleTarget.h"

// Milliseconds each part of a fast frame took, with a pipeline flush after each part.
struct FastFrameTimings {
    double shadowMap;  // 0 when the map was reused
    double cameraPass;
    double floor;
};

// What a frame is drawn for: the picture, or its pixels' lit-or-shadowed state for the
// measurement against the truth (render/ShadowClassification.h): no multisampling, no edges.
enum class FramePurpose { Picture, Classification };

// The shadow map a frame used, for the overlay's inset: its texture, side in texels, and the
// light's projection it was drawn with.
struct ShadowMapView {
    unsigned texture;
    int size;
    MATRIX4X4 lightProjection;
};

class FastRenderer {
public:
    // What this OpenGL lacks for the fast frame, as a phrase, or "" when nothing. Needs a context.
    static std::string missingSupport();

    // Uploads the house and builds the program. Needs a context, after Init. On failure returns
    // false with the reason and leaves nothing bound.
    bool create(const IndexedHouse& house, std::string* error);
    // Draws `house` from now on instead, keeping the programs, maps and targets (a program
    // that draws several houses one after another). Needs the context, after create.
    void setHouse(const IndexedHouse& house);
    bool isReady() const { return program != 0; }

    // One frame of `frame` into the back buffer, without swapping; it updates the frame's
    // frame-rate meter. It draws the house it was created from, not the frame's scene.
    void render(FrameState& frame, FastFrameTimings* timings = nullptr) {
        render(frame, FastRenderSettings(), timings);
    }
    // The same with `settings`, for a picture or a classification.
    void render(FrameState& frame, const FastRenderSettings& settings,
                FastFrameTimings* timings = nullptr, FramePurpose purpose = FramePurpose::Picture);

    // The map the last frame used.
    ShadowMapView shadowMapView() const;

    // Makes the next frame fill the shadow map again.
    void invalidateShadowMap() { shadowMapFilled = false; }

    // Deletes its buffers, programs, maps and targets (a reloaded model, a program that draws
    // several houses one after another); the renderer is then empty and nothing may be drawn
    // with it until create. Needs the context it was created in.
    void release();

    // What the house occupies in buffer memory, in bytes, and how many triangles a camera pass
    // and the light pass draw.
    size_t bufferBytes() const { return vertexBytes + indexBytes; }
    size_t cameraTriangleCount() const { return visibleIndexCount / 3; }
    size_t lightTriangleCount() const { return indexCount / 3; }

private:
    // The settings the light pass depends on, and what makes a program variant.
    struct LightPassKey {
        int size;
        float depthBias, slopeBias;
        bool fitLight, frontFaceCasters, rawDepths;
        bool operator==(const LightPassKey& o) const {
            return size == o.size && depthBias == o.depthBias && slopeBias == o.slopeBias &&
                   fitLight == o.fitLight && frontFaceCasters == o.frontFaceCasters &&
                   rawDepths == o.rawDepths;
        }
    };
    static LightPassKey lightPassKey(const FastRenderSettings& settings);
    unsigned programFor(const FastRenderSettings& settings, FramePurpose purpose, int floor);
    bool shadowMapIsCurrent(const FrameState& frame, const LightPassKey& key) const;
    void prepareMaps(const LightPassKey& key);
    void fillShadowMap(const FrameState& frame, const LightPassKey& key);
    void setShadowUniforms(unsigned shader, const FrameState& frame,
                           const FastRenderSettings& settings);
    void drawCameraPass(const FrameState& frame, const FastRenderSettings& settings,
                        FramePurpose purpose);
    void drawShadowedFloor(const FrameState& frame, const FastRenderSettings& settings,
                           FramePurpose purpose);
    void drawEdges();
    void sortPiecesNearestFirst(const double eye[3]);
    void bindHouse(bool withNormalsAndColours);
    void unbindHouse();

    unsigned vertexBuffer = 0;
    unsigned indexBuffer = 0;          // every triangle: the light pass
    unsigned cameraIndexBuffer = 0;    // the visible ones, nearest piece first
    unsigned program = 0;              // the specified picture's variant
    std::map<int, unsigned> variants;  // every variant built, by its macros
    size_t indexCount = 0;
    size_t visibleIndexCount = 0;
    size_t vertexBytes = 0;
    size_t indexBytes = 0;
    std::vector<std::uint32_t> visibleIndices;  // in drawing order
    std::vector<PieceRun> visiblePieces;
    std::vector<std::uint32_t> sortedIndices;
    double sortedForEye[3] = {NAN, NAN, NAN};
    LightPassTarget lightPassTarget;
    int lightPassTargetSize = 0;
    unsigned ownShadowMap = 0;  // at sizes other than the frame's
    unsigned depthTexture = 0;  // the same depths without comparison, for the blocker search
    int ownMapSize = 0;
    WorldBounds houseBounds{};  // every vertex, world frame
    MultisampleTarget multisample;
    unsigned edgeBuffer = 0;    // the outlines' ends (mesh/FeatureEdges.h), built at first use
    size_t edgeIndexCount = 0;  // ends, two per line
    IndexedHouse edgeSource;    // the house, kept until the edges are built

    // What the shadow map was last filled for, and with.
    bool shadowMapFilled = false;
    unsigned filledTexture = 0;  // the map texture in use
    LightPassKey filledKey{};
    MATRIX4X4 filledLightView, filledLightProjection;
    MATRIX4X4 usedLightProjection;  // the frame's, or the fitted one
};
