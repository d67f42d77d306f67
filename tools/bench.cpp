// brik-bench: milliseconds per frame of the fixed and the fast renderer, drawn interleaved in
// one window (rounds of frames of each in turn), so that both see the same load on the machine.
//
//   brik-bench [--size WxH] [--rounds N] [--frames N] [--model FILE]
//
// With --model it draws that model file (tools/houses-model.sh writes rows of houses) and
// reports its load: the file read and parsed, then the fast renderer's build steps.
// A frame is the renderer's drawing into the back buffer up to glFinish; the swap that follows
// is not counted. Prints the median and the minimum of each, their ratio (fixed / fast), what
// the fast renderer draws and the process's resident memory before and after building it.
// Exit status: 0; 1 when the fast renderer cannot run here; 2 for a bad option.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "maths/Statistics.h"
#include "model/ModelFile.h"
#include "render/Renderer.h"
#include "tools/ResidentMemory.h"
#include "render/FrameWindow.h"
#include "tools/BenchOptions.h"

namespace {
struct Options : BenchRun {
    Options() : BenchRun{800, 600, 5, 10} {}
    std::string model;  // "" for the built-in house
};

bool parseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[++i] : "";
        bool good = false;
        if (readBenchRunOption(arg, value, options, &good)) {
            // --size, --rounds, --frames: read
        } else if (arg == "--model") {
            options->model = value;
            good = !options->model.empty();
        } else {
            fprintf(stderr,
                    "brik-bench: unknown option '%s' (--size WxH, --rounds N, --frames N, "
                    "--model FILE)\n",
                    arg.c_str());
            return false;
        }
        if (!good) {
            reportBadBenchValue("brik-bench", arg, value);
            return false;
        }
    }
    return true;
}

// One frame's wall-clock time and the processor time of all the process's threads (the
// renderer's workers included), in milliseconds. Processor time is what other programs on a
// busy machine do not inflate much.
struct FrameCost {
    double wall;
    double processor;
};

double processorMilliseconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) * 1e-6;
}

FrameCost costOf(const std::function<void()>& draw) {
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = processorMilliseconds();
    draw();
    glFinish();
    const double processorEnd = processorMilliseconds();
    const auto end = std::chrono::steady_clock::now();
    glutSwapBuffers();
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            processorEnd - processorStart};
}
}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, &options)) return 2;
    const auto loadStart = std::chrono::steady_clock::now();
    Model house = houseModel();
    std::string error;
    if (!options.model.empty() && !readModelFile(options.model, &house, &error)) {
        fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    const double parseMilliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - loadStart)
            .count();
    FrameState frame;
    fitView(frame, viewFitFor(house));
    WindowSize settled{0, 0};
    if (!openSettledFrameWindow(&argc, argv, options.width, options.height, "brik-bench", frame,
                                &settled))
        return 1;
    const auto drawFixed = [&frame] { renderFrame(frame); };
    FrameRenderer renderer;
    const auto drawFast = [&frame, &renderer] { renderer.fast()->render(frame); };

    const double residentBefore = double(residentKiB()) / 1024;
    const auto buildStart = std::chrono::steady_clock::now();
    setSceneFunction(frame, modelScene(house));
    if (renderer.select(Renderer::Fast, "brik-bench", house) != Renderer::Fast) return 1;
    glFinish();
    const double buildMilliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - buildStart)
            .count();
    const double firstFastFrame = costOf(drawFast).wall;  // fills the shadow map
    const double residentAfter = double(residentKiB()) / 1024;
    costOf(drawFixed);

    std::vector<double> fixedTimes, fastTimes, fixedProcessor, fastProcessor;
    for (int round = 0; round < options.rounds; ++round) {
        for (int i = 0; i < options.frames; ++i) {
            const FrameCost cost = costOf(drawFixed);
            fixedTimes.push_back(cost.wall);
            fixedProcessor.push_back(cost.processor);
        }
        for (int i = 0; i < options.frames; ++i) {
            const FrameCost cost = costOf(drawFast);
            fastTimes.push_back(cost.wall);
            fastProcessor.push_back(cost.processor);
        }
    }

    const FastRenderer& fast = *renderer.fast();
    printf("%dx%d, %d rounds of %d frames each, interleaved\n", options.width, options.height,
           options.rounds, options.frames);
    printf("  %-8s %10s %10s\n", "ms/frame", "median", "min");
    printf("  %-8s %10.2f %10.2f\n", "fixed", median(fixedTimes), minimum(fixedTimes));
    printf("  %-8s %10.2f %10.2f\n", "fast", median(fastTimes), minimum(fastTimes));
    printf("  ratio    %10.2f %10.2f  (fixed / fast)\n", median(fixedTimes) / median(fastTimes),
           minimum(fixedTimes) / minimum(fastTimes));
    printf("  processor ms/frame, all threads: fixed %.2f, fast %.2f (median), ratio %.2f\n",
           median(fixedProcessor), median(fastProcessor),
           median(fixedProcessor) / median(fastProcessor));
    const FastBuildTimings& build = renderer.buildTimings();
    printf(
        "fast renderer: built in %.0f ms (capture %.0f, hidden triangles %.0f, index %.0f, "
        "upload and program %.0f), first frame (with the shadow map) %.1f ms;\n",
        buildMilliseconds, build.capture, build.hiddenTriangles, build.index, build.upload,
        firstFastFrame);
    printf("  load: read and parse %.0f ms; parse, build and first frame %.0f ms\n",
           parseMilliseconds, parseMilliseconds + buildMilliseconds + firstFastFrame);
    printf("  %zu triangles per camera pass, %zu in the light pass, %.1f MiB of buffers;\n",
           fast.cameraTriangleCount(), fast.lightTriangleCount(),
           double(fast.bufferBytes()) / (1024 * 1024));
    printf("  resident memory %.1f MiB before building it, %.1f MiB after its first frame\n",
           residentBefore, residentAfter);
    return 0;
}
