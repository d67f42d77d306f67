#include "render/Renderer.h"

#include <chrono>
#include <cstdio>
#include <future>
#include <memory>

#include "mesh/HiddenTriangles.h"

namespace {
using Clock = std::chrono::steady_clock;
double millisecondsSince(Clock::time_point* start) {
    const Clock::time_point now = Clock::now();
    const double milliseconds = std::chrono::duration<double, std::milli>(now - *start).count();
    *start = now;
    return milliseconds;
}
}  // namespace

FrameRenderer::PreparedHouse FrameRenderer::prepare(const Model& model) {
    PreparedHouse prepared;
    Clock::time_point start = Clock::now();
    const HouseMesh mesh = captureHouse(model);
    prepared.timings.capture = millisecondsSince(&start);
    const std::vector<bool> hidden = findHiddenTriangles(mesh, houseOccludingBodies(model));
    prepared.timings.hiddenTriangles = millisecondsSince(&start);
    prepared.house = indexHouse(mesh, hidden);
    prepared.timings.index = millisecondsSince(&start);
    return prepared;
}

// Builds the fast renderer once; false (with the reason said once) where it cannot run.
bool FrameRenderer::buildFast(const char* program, const Model& model) {
    if (fastRenderer) return true;
    if (fastFailed) return false;
    std::string reason = FastRenderer::missingSupport();
    // The capture draws through its own thread's draw target; it is waited for only so that
    // its work is not left running.
    if (!reason.empty() && preparing.valid()) preparing.wait();
    if (reason.empty()) {
        Clock::time_point start = Clock::now();
        const PreparedHouse prepared = preparing.valid() ? preparing.get() : prepare(model);
        timings = prepared.timings;
        timings.waitForHouse = millisecondsSince(&start);
        auto renderer = std::make_unique<FastRenderer>();
        if (renderer->create(prepared.house, &reason)) fastRenderer = std::move(renderer);
        timings.upload = millisecondsSince(&start);
    } else {
        reason = "this OpenGL lacks " + reason;
    }
    if (!fastRenderer) {
        fprintf(stderr, "%s: the fast renderer cannot run (%s); drawing with the fixed frame\n",
                program, reason.c_str());
        fastFailed = true;
    }
    return !fastFailed;
}

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

void FrameRenderer::startPreparingFast(const Model& model) {
    if (!fastRenderer && !preparing.valid())
        preparing = std::async(std::launch::async, [model] { return prepare(model); });
}

Renderer FrameRenderer::select(Renderer wanted, const char* program, const Model& model) {
    chosen =
        wanted == Renderer::Fast && buildFast(program, model) ? Renderer::Fast : Renderer::Fixed;
    return chosen;
}

void FrameRenderer::changeModel(const Model& model, const char* program) {
    if (!fastRenderer) return;
    const PreparedHouse prepared = prepare(model);
    auto renderer = std::make_unique<FastRenderer>();
    std::string reason;
    if (renderer->create(prepared.house, &reason)) {
        fastRenderer = std::move(renderer);
        return;
    }
    fprintf(stderr, "%s: the fast renderer cannot run (%s); drawing with the fixed frame\n",
            program, reason.c_str());
    fastRenderer.reset();
    fastFailed = true;
    chosen = Renderer::Fixed;
}

void FrameRenderer::render(FrameState& frame) {
    if (chosen == Renderer::Fast) {
        fastRenderer->render(frame);
    } else {
        renderFrame(frame);
    }
}
