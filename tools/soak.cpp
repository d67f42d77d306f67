// brik-soak: the long-run check behind `make soak`. Draws the viewer's frame (composeFrame:
// the selected renderer, the circling light, the overlays) frame after frame in its own 800 x 600
// window, samples the resident memory every 100 frames and checks for OpenGL errors.
//
//   brik-soak [--frames N] [--renderer fixed|fast]     N defaults to 5000
//
// Prints one line per sample and a summary. Exit status 0 when the resident memory after the
// warm-up grew by at most 1 MiB and no OpenGL error occurred; 1 otherwise; 2 for a bad option.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "render/Renderer.h"
#include "tools/ResidentMemory.h"
#include "render/FrameWindow.h"
#include "viewer/ViewerShell.h"

namespace {

constexpr int kDefaultFrames = 5000;
constexpr int kSampleEveryFrames = 100;
constexpr int kWarmUpFrames = 500;        // caches, the driver's shader variants, the arenas
constexpr long kAllowedGrowthKiB = 1024;  // after the warm-up
constexpr int kWindowWidth = 800, kWindowHeight = 600;  // the viewer's window

struct Options {
    int frames = kDefaultFrames;
    Renderer renderer = Renderer::Fixed;
};

bool parseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        const char* end = value + std::strlen(value);
        if (option == "--frames") {
            const auto [last, failure] = std::from_chars(value, end, options->frames);
            if (failure == std::errc() && last == end && options->frames >= kWarmUpFrames) continue;
            std::fprintf(stderr, "brik-soak: --frames needs a whole number of at least %d\n",
                         kWarmUpFrames);
            return false;
        }
        if (option == "--renderer" && rendererNamed(value, &options->renderer)) continue;
        std::fprintf(stderr, "brik-soak: usage: brik-soak [--frames N] [--renderer fixed|fast]\n");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, &options)) return 2;
    WindowSize settled{0, 0};
    if (!openSettledFrameWindow(&argc, argv, kWindowWidth, kWindowHeight, "brik-soak",
                                viewerFrame(), &settled))
        return 1;
    const Model house = houseModel();
    setSceneFunction(viewerFrame(), modelScene(house));
    viewerRenderer().select(options.renderer, "brik-soak", house);

    long warmedUpKiB = 0, largestKiB = 0;
    int glErrors = 0;
    for (int frame = 1; frame <= options.frames; ++frame) {
        composeFrame();
        glutSwapBuffers();
        glutMainLoopEvent();
        for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError()) {
            if (glErrors++ == 0)
                std::fprintf(stderr, "brik-soak: OpenGL error 0x%04x at frame %d\n", error, frame);
        }
        if (frame % kSampleEveryFrames != 0) continue;
        const long resident = residentKiB();
        std::printf("frame %5d: resident %8ld KiB\n", frame, resident);
        std::fflush(stdout);
        if (frame == kWarmUpFrames) warmedUpKiB = resident;
        if (frame > kWarmUpFrames) largestKiB = std::max(largestKiB, resident);
    }

    const long growth = std::max(0L, largestKiB - warmedUpKiB);
    std::printf(
        "%d frames (%s): resident %ld KiB after the %d-frame warm-up, at most %ld KiB "
        "after it: growth %ld KiB (limit %ld); OpenGL errors: %d\n",
        options.frames, rendererName(viewerRenderer().selected()), warmedUpKiB, kWarmUpFrames,
        largestKiB, growth, kAllowedGrowthKiB, glErrors);
    return growth <= kAllowedGrowthKiB && glErrors == 0 ? 0 : 1;
}
