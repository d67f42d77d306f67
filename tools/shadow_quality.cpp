// brik-shadow-quality: how wrong each renderer's shadows are, against the measured truth, and
// what a frame costs, side by side.
//
//   brik-shadow-quality [--size WxH] [--rounds N] [--frames N] [--rows NAME,...] [--errors DIR]
//
// The renderers are the fixed frame (the specified one), the fast renderer with its default
// settings (the same picture), the fast renderer with one control turned at a time
// (render/FastRenderSettings.h) and the presentation look.
// For every eye and light of the tables below it casts the truth on the processor (which
// pixels the light really reaches: render/FrameTruth.h), classifies each renderer's frame
// (render/ShadowClassification.h) and counts the visible pixels whose lit-or-shadowed state
// differs from the truth: acne, light leaking, blocky edges. Then it times the renderers'
// ordinary frames there, interleaved (rounds of frames of each in turn), as brik-bench does.
// Prints one line per view and a summary per renderer: the share of pixels wrong over all views
// together (and of the house's pixels alone: both renderers draw the floor unshadowed, as the
// specified frame does), and the median ms per frame (to glFinish, the swap not counted).
// --rows measures only the rows named; --errors DIR writes, per view and row, where it is wrong:
// DIR/ROW-VIEW.png, the truth's white and black with red where the row shows light the truth
// does not have and yellow where it shows shadow in the light.
// Exit status: 0; 1 when a renderer cannot run here; 2 for a bad option.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "maths/Statistics.h"
#include "mesh/HiddenTriangles.h"
#include "model/Model.h"
#include "render/FrameTruth.h"
#include "render/FrameSetup.h"
#include "render/FrameWindow.h"
#include "render/Renderer.h"
#include "render/ShadowClassification.h"
#include "tools/BenchOptions.h"

namespace {
struct Options : BenchRun {
    Options() : BenchRun{800, 600, 3, 5} {}
    std::string rows;    // comma-separated names; empty: all
    std::string errors;  // a folder for the error pictures; empty: none
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

// What is measured: the fixed frame, then the fast renderer with these settings.
struct Contender {
    const char* name;
    bool fixed;
    FastRenderSettings settings;
};

FastRenderSettings turned(void (*turn)(FastRenderSettings*)) {
    FastRenderSettings settings;
    turn(&settings);
    return settings;
}

std::vector<Contender> contenders() {
    return {
        {"fixed", true, {}},  // the specified frame
        {"fast", false, {}},  // its picture, drawn faster
        {"map2048", false, turned([](FastRenderSettings* s) { s->shadowMapSize = 2048; })},
        {"front", false, turned([](FastRenderSettings* s) { s->frontFaceCasters = true; })},
        {"front+bias", false, turned([](FastRenderSettings* s) {
             s->frontFaceCasters = true;
             s->depthBias = 2;
             s->slopeBias = 2;
         })},
        {"hardware", false,
         turned([](FastRenderSettings* s) { s->filter = ShadowFilter::Hardware; })},
        {"pcf", false, turned([](FastRenderSettings* s) { s->filter = ShadowFilter::Pcf; })},
        {"soft", false, turned([](FastRenderSettings* s) { s->filter = ShadowFilter::Soft; })},
        {"fit", false, turned([](FastRenderSettings* s) { s->fitLight = true; })},
        {"floor+fit", false, turned([](FastRenderSettings* s) {
             s->floorShadows = true;
             s->fitLight = true;
         })},
        {"floor", false, turned([](FastRenderSettings* s) { s->floorShadows = true; })},
        {"msaa4", false, turned([](FastRenderSettings* s) { s->msaaSamples = 4; })},
        {"present", false, presentationLook()},
        {"edges", false, turned([](FastRenderSettings* s) { s->edgeLines = true; })},
    };
}

bool parseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[++i] : "";
        bool good = false;
        if (readBenchRunOption(arg, value, options, &good)) {
            // --size, --rounds, --frames: read
        } else if (arg == "--rows" || arg == "--errors") {
            (arg == "--rows" ? options->rows : options->errors) = value;
            good = *value != 0;
        } else {
            fprintf(stderr,
                    "brik-shadow-quality: unknown option '%s' (--size WxH, --rounds N, "
                    "--frames N, --rows NAME,..., --errors DIR)\n",
                    arg.c_str());
            return false;
        }
        if (!good) {
            reportBadBenchValue("brik-shadow-quality", arg, value);
            return false;
        }
    }
    return true;
}

double frameMilliseconds(const Contender& contender, FrameState& frame, FrameRenderer& renderer) {
    const auto start = std::chrono::steady_clock::now();
    if (contender.fixed)
        renderFrame(frame);
    else
        renderer.fast()->render(frame, contender.settings);
    glFinish();
    const auto end = std::chrono::steady_clock::now();
    glutSwapBuffers();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// The truth in white and black, with the row's mistakes in red (lit where shadowed) and yellow
// (shadowed where lit).
RgbImage errorPicture(const LightMask& truth, const LightMask& shown) {
    RgbImage image = lightMaskImage(truth);
    for (int y = 0; y < truth.height; ++y)
        for (int x = 0; x < truth.width; ++x) {
            const PixelLight expected = truth.at(x, y), seen = shown.at(x, y);
            if (expected == PixelLight::Background || seen == PixelLight::Background ||
                expected == seen)
                continue;
            unsigned char* pixel =
                &image.pixels[(size_t(truth.height - 1 - y) * size_t(truth.width) + size_t(x)) * 3];
            pixel[0] = 255;
            pixel[1] = seen == PixelLight::Lit ? 0 : 255;
            pixel[2] = 0;
        }
    return image;
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
    Options options;
    FrameState frame;
    WindowSize settled{};
    // GLUT takes its own options out of argv first.
    if (!openSettledFrameWindow(&argc, argv, 800, 600, "brik-shadow-quality", frame, &settled))
        return 1;
    if (!parseOptions(argc, argv, &options)) return 2;
    glutReshapeWindow(options.width, options.height);
    settleWindow(frame);
    Reshape(frame, options.width, options.height);
    const Model house = houseModel();
    setSceneFunction(frame, modelScene(house));
    FrameRenderer renderer;
    if (renderer.select(Renderer::Fast, "brik-shadow-quality", house) != Renderer::Fast) return 1;
    FastRenderer& fast = *renderer.fast();
    const HouseMesh mesh = captureHouse(house);
    const Bvh scene = frameTruthScene(mesh);
    const int floorTriangles = int(mesh.triangles.size());  // the floor follows the house
    std::vector<Contender> rows;
    for (const Contender& row : contenders())
        if (options.rows.empty() ||
            ("," + options.rows + ",").find(std::string(",") + row.name + ",") != std::string::npos)
            rows.push_back(row);
    if (rows.empty() || rows[0].fixed != true) rows.insert(rows.begin(), contenders()[0]);
    if (rows.size() < 2 || rows[1].name != std::string("fast"))
        rows.insert(rows.begin() + 1, contenders()[1]);
    const size_t count = rows.size();

    printf(
        "%dx%d; per view and renderer: the share of visible pixels whose lit-or-shadowed "
        "state differs from the truth, of all of them and of the house's alone (the floor "
        "left out), and ms per frame (median of %d rounds of %d, interleaved)\n",
        options.width, options.height, options.rounds, options.frames);
    std::vector<Tally> tallies(count);
    for (const Eye& eye : kEyes)
        for (double angle : kLightAngles) {
            setCameraEye(frame, eye.position);
            if (angle == kStartLight)
                setStartLight(frame);
            else
                setLightAngle(frame, angle);
            const auto truthStart = std::chrono::steady_clock::now();
            const LightMask truth = computeLightMask(scene, frameTruthView(frame));
            const double truthMilliseconds = std::chrono::duration<double, std::milli>(
                                                 std::chrono::steady_clock::now() - truthStart)
                                                 .count();
            std::vector<MaskComparison> all(count), onHouse(count);
            std::vector<std::vector<double>> times(count);
            for (size_t c = 0; c < count; ++c) {
                // The fast renderer keeps its map while the light stands still, but the fixed
                // frame refills the texture they share: drawn again for the classification.
                fast.invalidateShadowMap();
                const LightMask rendered = rows[c].fixed
                                               ? classifyFixedFrame(frame)
                                               : classifyFastFrame(fast, frame, rows[c].settings);
                if (!options.errors.empty()) {
                    std::string why;
                    std::string path = options.errors + "/" + rows[c].name + "-" + eye.name + "-" +
                                       std::to_string(int(angle)) + ".png";
                    std::replace(path.begin(), path.end(), ' ', '-');
                    if (!writePng(path, errorPicture(truth, rendered), &why))
                        fprintf(stderr, "brik-shadow-quality: %s\n", why.c_str());
                }
                all[c] = compareMasks(truth, rendered);
                onHouse[c] = compareMasks(truth, rendered, floorTriangles);
                tallies[c].add(all[c], &tallies[c].all);
                tallies[c].add(onHouse[c], &tallies[c].house);
                frameMilliseconds(rows[c], frame, renderer);  // settles it at this view
            }
            for (int round = 0; round < options.rounds; ++round)
                for (size_t c = 0; c < count; ++c)
                    for (int i = 0; i < options.frames; ++i)
                        times[c].push_back(frameMilliseconds(rows[c], frame, renderer));
            printf("%s, light %s (truth %.0f ms):\n", eye.name,
                   angle == kStartLight ? "start" : std::to_string(int(angle)).c_str(),
                   truthMilliseconds);
            for (size_t c = 0; c < count; ++c) {
                printf("  %-12s %7.2f%% %7.2f%% house %8.2f ms\n", rows[c].name,
                       100 * all[c].differingShare(), 100 * onHouse[c].differingShare(),
                       median(times[c]));
                tallies[c].milliseconds.insert(tallies[c].milliseconds.end(), times[c].begin(),
                                               times[c].end());
            }
        }
    printf("over all %zu views:\n",
           (sizeof kEyes / sizeof kEyes[0]) * (sizeof kLightAngles / sizeof kLightAngles[0]));
    const double fastMedian = median(tallies[1].milliseconds);
    for (size_t c = 0; c < count; ++c)
        printf(
            "  %-12s %6.2f%% of %ld visible pixels wrong (house alone %.2f%% of %ld), %.2f ms "
            "per frame (median, %.2f x fast); %ld pixels seen by only one of it and the truth\n",
            rows[c].name, 100 * tallies[c].all.differingShare(), tallies[c].all.visibleInBoth,
            100 * tallies[c].house.differingShare(), tallies[c].house.visibleInBoth,
            median(tallies[c].milliseconds), median(tallies[c].milliseconds) / fastMedian,
            tallies[c].all.coverageMismatch);
    return 0;
}
