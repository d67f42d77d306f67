#pragma once

// Which pixels a renderer shows lit and which shadowed, exactly, to hold against the measured
// truth (render/FrameTruth.h). Its pictures alone cannot tell: a dark brick in light and a pale
// one in shadow can give one colour. So each renderer first draws its own frame as usual,
// which leaves its shadow map filled the way it fills it, and then the same surfaces are drawn
// again over the window in diagnostic colours with that map and the renderer's own decision:
//
//  - the fixed frame (its lit pass): texture coordinates generated from the same eye planes,
//    the same depth comparison, and the lit pass's test: comparison × the piece's alpha ≥ 0.99.
//    Passes: the house black (depth written); the house white where that test passes (alpha
//    test, LEQUAL depth); then the house multiplied by its diffuse light alone (white light,
//    white material, no ambient), so that a face turned from the light, which the lit pass
//    leaves as dim as the dim pass, counts as shadowed.
//  - the fast frame, with any settings: it draws itself once more in its classification
//    variant (render/FastShaders.h), the same comparison, filter and test writing the diffuse
//    light where the pixel counts as lit (a filtered share of light of at least a half) and
//    black where not, the floor white where lit.
//  - the floor, which the fixed frame draws unshadowed, white over it, as the frame draws it.
// Over a background colour that neither gives, a pixel is then lit where its red is not 0.
//
// The frame's own drawing calls are untouched; the diagnostic passes come after and restore
// every state they change. They draw into the window's back buffer (read back, not shown).

#include "mesh/ShadowTruth.h"
#include "render/FastRenderSettings.h"
#include "render/FastRenderer.h"
#include "render/FrameState.h"

// Renders the fixed frame of `frame`, then classifies its pixels. Needs a context, after Init.
LightMask classifyFixedFrame(FrameState& frame);

// Renders `renderer`'s frame of `frame` with `settings`, then classifies its pixels.
LightMask classifyFastFrame(FastRenderer& renderer, FrameState& frame,
                            const FastRenderSettings& settings);
