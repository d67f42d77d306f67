#include "viewer/WindowLook.h"

#include <algorithm>

void WindowLook::next() {
    look = look == Look::Specified      ? Look::Presentation
           : look == Look::Presentation ? Look::Learner
                                        : Look::Specified;
}

FastRenderSettings& WindowLook::turn() {
    if (look != Look::Learner) learner = settings();
    look = Look::Learner;
    return learner;
}

const char* lookName(Look look) {
    switch (look) {
        case Look::Presentation: return "presentation look";
        case Look::Learner: return "your settings";
        default: return "specified frame";
    }
}

void resizeShadowMap(FastRenderSettings* settings, bool larger, int largestMap) {
    const int size = larger ? settings->shadowMapSize * 2 : settings->shadowMapSize / 2;
    settings->shadowMapSize = std::clamp(size, minShadowMapSize, largestMap);
}

void changeBias(float* bias, bool up) {
    *bias = std::max(0.0f, *bias + (up ? kBiasStep : -kBiasStep));
}

void nextFilter(FastRenderSettings* settings) {
    settings->filter = static_cast<ShadowFilter>((static_cast<int>(settings->filter) + 1) % 4);
}

void nextSampleCount(FastRenderSettings* settings) {
    const int counts[] = {0, 2, 4, 8};
    int next = 0;
    for (int i = 0; i < 4; ++i)
        if (counts[i] == settings->msaaSamples) next = counts[(i + 1) % 4];
    settings->msaaSamples = next;
}
