#include "render/Renderer.h"

#include <cstdio>
#include <memory>

#include "mesh/HiddenTriangles.h"
#include "mesh/IndexedHouse.h"

namespace {
Renderer selected = Renderer::Fixed;
std::unique_ptr<FastRenderer> fast;
bool fastFailed = false;

// Builds the fast renderer once; false (with the reason said once) where it cannot run.
bool buildFastRenderer(const char* program) {
    if (fast) return true;
    if (fastFailed) return false;
    std::string reason = FastRenderer::missingSupport();
    if (reason.empty()) {
        const HouseMesh mesh = captureHouse();
        const IndexedHouse house = indexHouse(mesh, findHiddenTriangles(mesh, houseOccludingBodies()));
        auto renderer = std::make_unique<FastRenderer>();
        if (renderer->create(house, &reason)) fast = std::move(renderer);
    } else {
        reason = "this OpenGL lacks " + reason;
    }
    if (!fast) {
        fprintf(stderr, "%s: the fast renderer cannot run (%s); drawing with the fixed frame\n",
                program, reason.c_str());
        fastFailed = true;
    }
    return !fastFailed;
}
}  // namespace

bool rendererNamed(const std::string& name, Renderer* renderer) {
    if (name == "fixed") {
        *renderer = Renderer::Fixed;
    } else if (name == "fast") {
        *renderer = Renderer::Fast;
    } else {
        return false;
    }
    return true;
}

const char* rendererName(Renderer renderer) {
    return renderer == Renderer::Fast ? "fast" : "fixed";
}

Renderer selectRenderer(Renderer wanted, const char* program) {
    selected = wanted == Renderer::Fast && buildFastRenderer(program) ? Renderer::Fast
                                                                     : Renderer::Fixed;
    return selected;
}

Renderer selectedRenderer() { return selected; }

void renderSelectedFrame() {
    if (selected == Renderer::Fast) {
        fast->render();
    } else {
        renderFrame();
    }
}

FastRenderer* fastRenderer() { return fast.get(); }
