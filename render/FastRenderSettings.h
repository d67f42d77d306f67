#pragma once

// What a learner can turn in the fast renderer (render/FastRenderer.h), as one value passed to
// each frame: the shadow map's size, the light pass's depth bias, how the shadow comparison is
// filtered, whether the light's view is fitted to the model, multisampling, whether the floor
// receives shadows, the pieces' outlines and the light's balance. The default value draws the
// specified frame's picture; presentationLook() is the preset for pictures people take away.

#include <string>
#include <vector>

#include "render/FrameState.h"

enum class ShadowFilter {
    None,      // one nearest texel, lit or not: blocky edges
    Hardware,  // the hardware's 2 × 2 comparison, bilinear (GL_LINEAR on the depth texture)
    Pcf,       // percentage-closer filtering: 16 bilinear comparisons over a fixed disc
    Soft,      // the disc widened with the distance from the occluder (a blocker search first)
};

struct FastRenderSettings {
    int shadowMapSize = ::shadowMapSize;  // texels a side: 256 ... maxShadowMapSize()
    float depthBias = 0;                  // glPolygonOffset units in the light pass
    float slopeBias = 0;                  // glPolygonOffset factor (depth slope scaled)
    ShadowFilter filter = ShadowFilter::None;
    bool fitLight = false;      // the light's frustum fitted to the model's bounds
    int msaaSamples = 0;        // samples per pixel of the camera pass; 0 or 1: none
    bool floorShadows = false;  // the floor receives the house's shadow
    bool edgeLines = false;     // thin dark lines on the pieces' outlines and creases
    // The light: false keeps the specified frame's (full specular, dim shadows); true draws
    // colour × (fill + (1 - fill) × diffuse × visibility) plus a faint highlight, so that a lit
    // face shows its colour as it is and a shadowed one keeps it.
    bool balancedLight = false;
    bool frontFaceCasters = false;  // the light pass draws front faces (the specified: back)

    bool operator==(const FastRenderSettings& other) const;
    bool operator!=(const FastRenderSettings& other) const { return !(*this == other); }
};

// The specified frame's picture (the default value).
FastRenderSettings specifiedLook();

// The pictures people take away (the guide, the README): no acne, filtered edges that soften
// with distance, a fitted map, the floor shadowed, anti-aliased, outlined, true colours.
FastRenderSettings presentationLook();

// The light pass's smallest map and the largest this OpenGL allows (the texture and the
// renderbuffer limits); the largest needs a context.
constexpr int minShadowMapSize = 256;
int maxShadowMapSize();

// "none", "hardware", "pcf", "soft" and back; false for another name.
bool shadowFilterNamed(const std::string& name, ShadowFilter* filter);
const char* shadowFilterName(ShadowFilter filter);

// The settings as short lines for the overlay ("shadow map 2048", "bias 1.0 + slope 2.0", ...).
std::vector<std::string> describeSettings(const FastRenderSettings& settings);
