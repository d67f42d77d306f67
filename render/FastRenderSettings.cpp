#include <epoxy/gl.h>

#include "render/FastRenderSettings.h"

#include <algorithm>
#include <cstdio>

bool FastRenderSettings::operator==(const FastRenderSettings& other) const {
    return shadowMapSize == other.shadowMapSize && depthBias == other.depthBias &&
           slopeBias == other.slopeBias && filter == other.filter && fitLight == other.fitLight &&
           msaaSamples == other.msaaSamples && floorShadows == other.floorShadows &&
           edgeLines == other.edgeLines && balancedLight == other.balancedLight &&
           frontFaceCasters == other.frontFaceCasters;
}

FastRenderSettings specifiedLook() { return FastRenderSettings(); }

FastRenderSettings presentationLook() {
    FastRenderSettings look;
    look.shadowMapSize = 2048;
    look.depthBias = 2;
    look.slopeBias = 2;
    look.filter = ShadowFilter::Hardware;
    look.fitLight = true;
    look.msaaSamples = 4;
    look.floorShadows = true;
    look.edgeLines = true;
    look.balancedLight = true;
    look.frontFaceCasters = true;
    return look;
}

int maxShadowMapSize() {
    GLint texture = 0, renderbuffer = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
    return std::max(minShadowMapSize, std::min(texture, renderbuffer > 0 ? renderbuffer : texture));
}

namespace {
struct FilterName {
    ShadowFilter filter;
    const char* name;
};
constexpr FilterName kFilterNames[] = {{ShadowFilter::None, "none"},
                                       {ShadowFilter::Hardware, "hardware"},
                                       {ShadowFilter::Pcf, "pcf"},
                                       {ShadowFilter::Soft, "soft"}};

std::string formatted(const char* format, double a, double b = 0) {
    char text[64];
    snprintf(text, sizeof text, format, a, b);
    return text;
}
}  // namespace

bool shadowFilterNamed(const std::string& name, ShadowFilter* filter) {
    for (const FilterName& entry : kFilterNames)
        if (name == entry.name) {
            *filter = entry.filter;
            return true;
        }
    return false;
}

const char* shadowFilterName(ShadowFilter filter) {
    for (const FilterName& entry : kFilterNames)
        if (filter == entry.filter) return entry.name;
    return "none";
}

std::vector<std::string> describeSettings(const FastRenderSettings& settings) {
    return {
        formatted("shadow map  %.0f x %.0f", settings.shadowMapSize, settings.shadowMapSize),
        formatted("bias        %.1f + slope %.1f", settings.depthBias, settings.slopeBias),
        std::string("filter      ") + shadowFilterName(settings.filter),
        std::string("light view  ") + (settings.fitLight ? "fitted to the model" : "the frame's") +
            (settings.frontFaceCasters ? ", front faces" : ", back faces"),
        settings.msaaSamples > 1 ? formatted("msaa        %.0f samples", settings.msaaSamples)
                                 : std::string("msaa        off"),
        std::string("floor       ") + (settings.floorShadows ? "shadowed" : "unshadowed"),
        std::string("edges       ") + (settings.edgeLines ? "outlined" : "none") +
            (settings.balancedLight ? ", balanced light" : ", specified light"),
    };
}
