#include "render/Renderer.h"

#include <chrono>
#include <cstdio>
#include <future>
#include <memory>

#include "mesh/HiddenTriangles.h"

namespace {
Renderer selected = Renderer::Fixed;
std::unique_ptr<FastRenderer> fast;
bool fastFailed = false;
std::future<IndexedHouse> preparing;
FastBuildTimings buildTimings;

using Clock = std::chrono::steady_clock;
double millisecondsSince(Clock::time_point* start) {
    const Clock::time_point now = Clock::now();
    const double milliseconds = std::chrono::duration<double, std::milli>(now - *start).count();
    *start = now;
    return milliseconds;
}

IndexedHouse prepareHouse(const Model& model) {
    Clock::time_point start = Clock::now();
    const HouseMesh mesh = captureHouse(model);
    buildTimings.capture = millisecondsSince(&start);
    const std::vector<bool> hidden = findHiddenTriangles(mesh, houseOccludingBodies(model));
    buildTimings.hiddenTriangles = millisecondsSince(&start);
    IndexedHouse house = indexHouse(mesh, hidden);
    buildTimings.index = millisecondsSince(&start);
    return house;
}

// Builds the fast renderer once; false (with the reason said once) where it cannot run.
bool buildFastRenderer(const char* program, const Model& model) {
    if (fast) return true;
    if (fastFailed) return false;
    std::string reason = FastRenderer::missingSupport();
    // The capture draws through its own thread's draw target; it is waited for only so that
    // its work is not left running.
    if (!reason.empty() && preparing.valid()) preparing.wait();
    if (reason.empty()) {
        Clock::time_point start = Clock::now();
        const IndexedHouse house = preparing.valid() ? preparing.get() : prepareHouse(model);
        buildTimings.waitForHouse = millisecondsSince(&start);
        auto renderer = std::make_unique<FastRenderer>();
        if (renderer->create(house, &reason)) fast = std::move(renderer);
        buildTimings.upload = millisecondsSince(&start);
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

void startPreparingFastRenderer(const Model& model) {
    if (!fast && !preparing.valid())
        preparing = std::async(std::launch::async, [model] { return prepareHouse(model); });
}

Renderer selectRenderer(Renderer wanted, const char* program, const Model& model) {
    selected = wanted == Renderer::Fast && buildFastRenderer(program, model) ? Renderer::Fast
                                                                             : Renderer::Fixed;
    return selected;
}

Renderer selectedRenderer() { return selected; }

void renderSelectedFrame(FrameState& frame) {
    if (selected == Renderer::Fast) {
        fast->render(frame);
    } else {
        renderFrame(frame);
    }
}

FastRenderer* fastRenderer() { return fast.get(); }

const FastBuildTimings& fastBuildTimings() { return buildTimings; }
