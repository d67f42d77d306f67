#pragma once

// Which renderer draws the frame: the shadow-mapped frame as specified (`fixed`, the default:
// render/ShadowFrame.h) or the fast frame built once from the captured house (`fast`:
// render/FastRenderer.h), the same picture. The window program, the snapshot tool, the
// benchmark and the tests choose through here.

#include <string>

#include "render/FastRenderer.h"
#include "render/ShadowFrame.h"

enum class Renderer { Fixed, Fast };

// The renderer named "fixed" or "fast"; false for any other name.
bool rendererNamed(const std::string& name, Renderer* renderer);
const char* rendererName(Renderer renderer);

// Starts capturing and indexing the model for the fast renderer on a thread of its own (it
// needs no OpenGL context), so that it overlaps the window's creation. Optional: selectRenderer
// does it where it was not started.
void startPreparingFastRenderer(const Model& model);

// Makes `wanted` the renderer of renderSelectedFrame. Needs a context, after Init. The fast
// renderer is built on first use from `model` (capture, index, upload, shader), or from the
// model startPreparingFastRenderer was given; the fixed frame draws the scene set with
// setSceneFunction. Where the OpenGL lacks what
// it needs, one line on standard error, starting with `program`, says so and the fixed frame
// is used. Returns the renderer now in use.
Renderer selectRenderer(Renderer wanted, const char* program, const Model& model);
Renderer selectedRenderer();

// One frame of `frame` with the selected renderer into the back buffer, without swapping.
void renderSelectedFrame(FrameState& frame);

// Milliseconds each step of building the fast renderer took: the first three on the preparing
// thread (or in selectRenderer), then the wait for them and the upload with the program.
struct FastBuildTimings {
    double capture = 0;
    double hiddenTriangles = 0;
    double index = 0;
    double waitForHouse = 0;
    double upload = 0;
};
const FastBuildTimings& fastBuildTimings();

// The fast renderer, built by selectRenderer (nullptr before, or where it could not be built).
FastRenderer* fastRenderer();
