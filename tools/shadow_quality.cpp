// brik-shadow-quality: how wrong each renderer's shadows are, against the measured truth, and
// what a frame costs, side by side.
//
//   brik-shadow-quality [--size WxH] [--rounds N] [--frames N]
//
// For every eye and light of the tables below it casts the truth on the processor (which
// pixels the light really reaches: render/FrameTruth.h), classifies each renderer's frame
// (render/ShadowClassification.h) and counts the visible pixels whose lit-or-shadowed state
// differs from the truth: acne, light leaking, blocky edges. Then it times the renderers'
// ordinary frames there, interleaved (rounds of frames of each in turn), as brik-bench does.
// Prints one line per view and a summary per renderer: the share of pixels wrong over all views
// together (and of the house's pixels alone: both renderers draw the floor unshadowed, as the
// specified frame does), and the median ms per frame (to glFinish, the swap not counted).
// Exit status: 0; 1 when a renderer cannot run here; 2 for a bad option.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "maths/Statistics.h"
#include "mesh/HiddenTriangles.h"
#include "render/FrameTruth.h"
#include "render/Renderer.h"
#include "render/ShadowClassification.h"
#include "viewer/ViewerShell.h"

namespace {
struct Options {
    int width = 800;
    int height = 600;
    int rounds = 3;
    int frames = 5;
};

// The eyes (world units) and the lights: the first frame's, then turned as the viewer's [ ] do.
struct Eye {
    const char* name;
    VECTOR3D position;
};
const Eye kEyes[] = {
    {"start", startCameraEye},
    {"right", VECTOR3D(3.2f, 1.6f, 2.0f)},
    {"high back-left", VECTOR3D(-2.0f, 4.0f, -2.5f)},
};
constexpr double kStartLight = -1;  // the first frame's light, not a turned one
const double kLightAngles[] = {kStartLight, 90, 200};

// What is measured: one row per renderer, and one per setting of a renderer as settings come.
FastFrameClassifier fastClassifier;
void drawFixed() { renderFrame(); }
void drawFast() { fastRenderer()->render(); }
// The fast renderer keeps its shadow map while the light stands still, but the fixed frame
// refills the texture they share; its own map is drawn again for the classification.
LightMask classifyFast() {
    fastRenderer()->invalidateShadowMap();
    return fastClassifier.classify(*fastRenderer());
}

struct Contender {
    const char* name;
    void (*draw)();
    LightMask (*classify)();
};
const Contender kContenders[] = {
    {"fixed", drawFixed, classifyFixedFrame},  // the specified frame
    {"fast", drawFast, classifyFast},          // its picture, drawn faster
};
constexpr size_t kContenderCount = sizeof kContenders / sizeof kContenders[0];

bool parseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[++i] : "";
        char extra = 0;
        bool good = false;
        if (arg == "--size") {
            good = sscanf(value, "%dx%d%c", &options->width, &options->height, &extra) == 2 &&
                   options->width > 0 && options->height > 0;
        } else if (arg == "--rounds") {
            good = sscanf(value, "%d%c", &options->rounds, &extra) == 1 && options->rounds > 0;
        } else if (arg == "--frames") {
            good = sscanf(value, "%d%c", &options->frames, &extra) == 1 && options->frames > 0;
        } else {
            fprintf(stderr,
                    "brik-shadow-quality: unknown option '%s' (--size WxH, --rounds N, "
                    "--frames N)\n",
                    arg.c_str());
            return false;
        }
        if (!good) {
            fprintf(stderr, "brik-shadow-quality: %s needs %s, not '%s'\n", arg.c_str(),
                    arg == "--size" ? "WIDTHxHEIGHT" : "a whole number of at least 1", value);
            return false;
        }
    }
    return true;
}

double frameMilliseconds(void (*draw)()) {
    const auto start = std::chrono::steady_clock::now();
    draw();
    glFinish();
    const auto end = std::chrono::steady_clock::now();
    glutSwapBuffers();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

struct Tally {
    MaskComparison all, house;
    std::vector<double> milliseconds;

    void add(const MaskComparison& view, MaskComparison* total) {
        total->visibleInBoth += view.visibleInBoth;
        total->differing += view.differing;
        total->coverageMismatch += view.coverageMismatch;
    }
};
}  // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    Options options;
    if (!parseOptions(argc, argv, &options)) return 2;
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(options.width, options.height);
    glutCreateWindow("brik-shadow-quality");
    if (!Init()) return 1;
    settleWindow();
    Reshape(options.width, options.height);
    if (selectRenderer(Renderer::Fast, "brik-shadow-quality") != Renderer::Fast) return 1;
    const HouseMesh mesh = captureHouse();
    std::string error;
    if (!fastClassifier.create(indexHouse(mesh, findHiddenTriangles(mesh, houseOccludingBodies())),
                               &error)) {
        fprintf(stderr, "brik-shadow-quality: %s\n", error.c_str());
        return 1;
    }
    const Bvh scene = frameTruthScene(mesh);
    const int floorTriangles = int(mesh.triangles.size());  // the floor follows the house

    printf(
        "%dx%d; per view and renderer: the share of visible pixels whose lit-or-shadowed "
        "state differs from the truth, of all of them and of the house's alone (the floor "
        "left out), and ms per frame (median of %d rounds of %d, interleaved)\n",
        options.width, options.height, options.rounds, options.frames);
    printf("  %-15s %-6s", "eye", "light");
    for (const Contender& contender : kContenders)
        printf(" %8s %8s %8s", contender.name, "house", "ms");
    printf("  truth ms\n");
    Tally tallies[kContenderCount];
    for (const Eye& eye : kEyes)
        for (double angle : kLightAngles) {
            setCameraEye(eye.position);
            if (angle == kStartLight)
                setStartLight();
            else
                setLightAngle(angle);
            const auto truthStart = std::chrono::steady_clock::now();
            const LightMask truth = computeLightMask(scene, currentTruthView());
            const double truthMilliseconds = std::chrono::duration<double, std::milli>(
                                                 std::chrono::steady_clock::now() - truthStart)
                                                 .count();
            MaskComparison all[kContenderCount], house[kContenderCount];
            std::vector<double> times[kContenderCount];
            for (size_t c = 0; c < kContenderCount; ++c) {
                const LightMask rendered = kContenders[c].classify();
                all[c] = compareMasks(truth, rendered);
                house[c] = compareMasks(truth, rendered, floorTriangles);
                tallies[c].add(all[c], &tallies[c].all);
                tallies[c].add(house[c], &tallies[c].house);
                frameMilliseconds(kContenders[c].draw);  // settles the renderer at this view
            }
            for (int round = 0; round < options.rounds; ++round)
                for (size_t c = 0; c < kContenderCount; ++c)
                    for (int i = 0; i < options.frames; ++i)
                        times[c].push_back(frameMilliseconds(kContenders[c].draw));
            printf("  %-15s %-6s", eye.name,
                   angle == kStartLight ? "start" : std::to_string(int(angle)).c_str());
            for (size_t c = 0; c < kContenderCount; ++c) {
                printf(" %7.2f%% %7.2f%% %8.2f", 100 * all[c].differingShare(),
                       100 * house[c].differingShare(), median(times[c]));
                tallies[c].milliseconds.insert(tallies[c].milliseconds.end(), times[c].begin(),
                                               times[c].end());
            }
            printf("  %8.0f\n", truthMilliseconds);
        }
    printf("over all %zu views:\n",
           (sizeof kEyes / sizeof kEyes[0]) * (sizeof kLightAngles / sizeof kLightAngles[0]));
    for (size_t c = 0; c < kContenderCount; ++c)
        printf(
            "  %-8s %6.2f%% of %ld visible pixels wrong (house alone %.2f%% of %ld), %.2f ms "
            "per frame (median); %ld pixels seen by only one of it and the truth\n",
            kContenders[c].name, 100 * tallies[c].all.differingShare(),
            tallies[c].all.visibleInBoth, 100 * tallies[c].house.differingShare(),
            tallies[c].house.visibleInBoth, median(tallies[c].milliseconds),
            tallies[c].all.coverageMismatch);
    fastClassifier.destroy();
    return 0;
}
