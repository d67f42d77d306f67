#pragma once

// Which look the viewer's window shows: the specified frame (the first frame, drawn by the
// renderer chosen at start), the presentation look, or the learner's own settings, which the
// control keys turn (render/FastRenderSettings.h). The last two are the fast renderer's.

#include <string>

#include "render/FastRenderSettings.h"

enum class Look { Specified, Presentation, Learner };

struct WindowLook {
    Look look = Look::Specified;
    FastRenderSettings learner;  // starts as the specified frame's

    // The settings the fast renderer draws with in this look.
    FastRenderSettings settings() const {
        return look == Look::Presentation ? presentationLook() : learner;
    }
    // Specified, presentation, the learner's, and round again.
    void next();
    // The learner's look, from the settings shown now (so a turn starts from what is seen).
    FastRenderSettings& turn();
};

const char* lookName(Look look);

// The control steps: the map doubles or halves within 256 ... `largestMap`; a bias changes by
// this much (never below 0); the filter and the samples go round their lists.
constexpr float kBiasStep = 0.5f;
void resizeShadowMap(FastRenderSettings* settings, bool larger, int largestMap);
void changeBias(float* bias, bool up);
void nextFilter(FastRenderSettings* settings);
void nextSampleCount(FastRenderSettings* settings);
