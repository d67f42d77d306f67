#pragma once

// Which renderer draws the frame: the shadow-mapped frame as specified (`fixed`, the default:
// render/ShadowFrame.h) or the fast frame built once from the captured house (`fast`:
// render/FastRenderer.h), the same picture. The window program, the snapshot tool, the
// benchmark and the tests choose through here.

#include <future>
#include <memory>
#include <string>

#include "render/FastRenderer.h"
#include "render/ShadowFrame.h"

enum class Renderer { Fixed, Fast };

// The renderer named "fixed" or "fast"; false for any other name.
bool rendererNamed(const std::string& name, Renderer* renderer);
const char* rendererName(Renderer renderer);

// Milliseconds each step of building the fast renderer took: the first three on the preparing
// thread (or in select), then the wait for them and the upload with the program.
struct FastBuildTimings {
    double capture = 0;
    double hiddenTriangles = 0;
    double index = 0;
    double waitForHouse = 0;
    double upload = 0;
};

// The renderers of one window: which one draws its frames, and the fast renderer once built
// (it owns buffers and a program in that window's context). A value each program that draws
// owns: the viewer its window's, the brik command, the benches and the tests one each.
class FrameRenderer {
public:
    FrameRenderer() = default;
    FrameRenderer(const FrameRenderer&) = delete;
    FrameRenderer& operator=(const FrameRenderer&) = delete;

    // Starts capturing and indexing the model for the fast renderer on a thread of its own (it
    // needs no OpenGL context), so that it overlaps the window's creation. Optional: select
    // does it where it was not started.
    void startPreparingFast(const Model& model);

    // Makes `wanted` the renderer of render. Needs a context, after Init. The fast renderer is
    // built on first use from `model` (capture, index, upload, shader), or from the model
    // startPreparingFast was given; the fixed frame draws the frame state's scene. Where the
    // OpenGL lacks what it needs, one line on standard error, starting with `program`, says so
    // and the fixed frame is used. Returns the renderer now in use.
    Renderer select(Renderer wanted, const char* program, const Model& model);
    Renderer selected() const { return chosen; }

    // Another model for the same window (a reloaded file): a fast renderer already built is
    // released and built again from `model`, at once, with the same renderer chosen; the
    // fixed frame has nothing to rebuild (it draws the frame state's scene).
    void replaceModel(const Model& model, const char* program);

    // One frame of `frame` with the selected renderer into the back buffer, without swapping.
    void render(FrameState& frame);

    // The fast renderer, built by select (nullptr before, or where it could not be built).
    FastRenderer* fast() const { return fastRenderer.get(); }
    // The fast renderer, built now from `model` where it was not, whichever renderer is
    // selected (for drawing with settings); nullptr where it cannot run (said once, as select).
    FastRenderer* fastBuiltFrom(const char* program, const Model& model) {
        return buildFast(program, model) ? fastRenderer.get() : nullptr;
    }
    const FastBuildTimings& buildTimings() const { return timings; }

private:
    struct PreparedHouse {
        IndexedHouse house;
        FastBuildTimings timings;  // the first three
    };
    static PreparedHouse prepare(const Model& model);
    bool buildFast(const char* program, const Model& model);

    Renderer chosen = Renderer::Fixed;
    std::unique_ptr<FastRenderer> fastRenderer;
    bool fastFailed = false;
    std::future<PreparedHouse> preparing;
    FastBuildTimings timings;
};
