// brik snapshot: renders the viewer's frame in a window of its own (hidden under Xvfb when
// there is no screen), writes the last frame as a PNG and prints per-pass timings.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/DrawingWindow.h"
#include "cli/OptionValues.h"
#include "cli/OutputPath.h"
#include "maths/Statistics.h"
#include "model/ExtraScenes.h"
#include "render/FrameCapture.h"
#include "render/FrameTruth.h"
#include "render/Renderer.h"
#include "render/ShadowFrame.h"
#include "viewer/Overlays.h"
#include "viewer/ViewerShell.h"

namespace {
// The camera's far plane is 100 world units away (viewer Reshape); keep the house before it.
constexpr float kMaxEyeDistance = 90.0f;
constexpr long kMaxFrames = 1000000;

struct SnapshotOptions {
    std::string output = "brik-house.png";
    long frames = 1;
    ImageSize size = {viewerWindowWidth, viewerWindowHeight};
    VECTOR3D eye;  // used when --eye is given
    std::string scene = "house";
    double lightAngle = 0;  // degrees about +y from the start, as the viewer's L and [ ] turn it
    OverlaySet overlays;
    std::string renderer = "fixed";
    std::string shadowTruth;  // a PNG of the measured truth, when given
};

bool parseFrameCount(const std::string& text, long* frames, std::string* why) {
    return parseWholeNumber(text, 1, kMaxFrames, frames, why);
}

// The camera looks at the world origin with +y up: an eye on the vertical through the
// origin has no up direction, and one past the far plane sees nothing.
bool parseEye(const std::string& text, VECTOR3D* eye, std::string* why) {
    if (!parsePoint(text, eye, why)) return false;
    const float distance = std::sqrt(eye->x * eye->x + eye->y * eye->y + eye->z * eye->z);
    const float offVertical = std::sqrt(eye->x * eye->x + eye->z * eye->z);
    if (offVertical <= 1e-4f * distance || distance == 0.0f) {
        *why = "'" + text +
               "' is on the vertical through the look-at point (0,0,0), where the view has "
               "no up direction; move it sideways (for example 0,5,0.5)";
        return false;
    }
    if (distance > kMaxEyeDistance) {
        *why = "'" + text + "' is farther than " + std::to_string(int(kMaxEyeDistance)) +
               " world units from the house, beyond what the camera draws";
        return false;
    }
    return true;
}

SceneFunction sceneFunction(const std::string& scene) {
    if (scene == "base-plate") return DrawBasePlateScene;
    if (scene == "showcase") return DrawShowcaseScene;
    return nullptr;  // the house
}

void printRow(const char* name, const std::vector<double>& values) {
    printf("  %-12s %10.2f %10.2f\n", name, median(values), minimum(values));
}

int runSnapshot(const CLI::App& command, const SnapshotOptions& options) {
    std::string why;
    if (!outputFileIsWritable(options.output, &why) ||
        (!options.shadowTruth.empty() && !outputFileIsWritable(options.shadowTruth, &why))) {
        reportError(command, why);
        return kExitFailure;
    }
    Renderer wanted = Renderer::Fixed;
    rendererNamed(options.renderer, &wanted);
    if (wanted == Renderer::Fast) startPreparingFastRenderer();
    const int width = options.size.width, height = options.size.height;
    switch (openDrawingWindow(command, width, height)) {
        case WindowOpening::Ready: break;
        case WindowOpening::NoDisplay: return kExitFailure;
        case WindowOpening::MissingExtensions: return kExitSuccess;  // as the viewer does
    }
    if (command.count("--eye") > 0) setCameraEye(options.eye);
    if (command.count("--light-angle") > 0) setLightAngle(options.lightAngle);
    setSceneFunction(sceneFunction(options.scene));
    const bool fast = selectRenderer(wanted, "brik snapshot") == Renderer::Fast;

    // The fixed frame's passes: light, dim, lit, floor; the fast one's: shadow map (0 when
    // reused), camera pass, floor.
    std::vector<double> frame, light, dim, lit, floor;
    RgbImage image;
    for (long i = 0; i < options.frames; ++i) {
        FrameTimings timings{};
        const auto start = std::chrono::steady_clock::now();
        if (fast) {
            FastFrameTimings fastTimings;
            fastRenderer()->render(&fastTimings);
            timings = {fastTimings.shadowMap, fastTimings.cameraPass, 0, fastTimings.floor};
        } else {
            renderFrame(&timings);
        }
        drawOverlays(options.overlays);
        glFinish();
        frame.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        light.push_back(timings.lightPass);
        dim.push_back(timings.dimPass);
        lit.push_back(timings.litPass);
        floor.push_back(timings.floor);
        if (i + 1 == options.frames) image = readBackBuffer(width, height);
        glutSwapBuffers();
    }

    printf("%s: %ld frame(s) at %dx%d, %s renderer, light pass %s\n", options.scene.c_str(),
           options.frames, width, height, rendererName(selectedRenderer()),
           fast || lightPassIsOffscreen() ? "offscreen" : "in the window's depth buffer");
    printf("  %-12s %10s %10s\n", "ms", "median", "min");
    printRow("frame", frame);
    if (fast) {
        printRow("shadow map", light);
        printRow("camera pass", dim);
    } else {
        printRow("light pass", light);
        printRow("dim pass", dim);
        printRow("lit pass", lit);
    }
    printRow("floor", floor);
    printf("  frames per second: %.2f (median frame)\n", 1000.0 / median(frame));

    if (!writePng(options.output, image, &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    printf("wrote %s\n", options.output.c_str());
    if (!options.shadowTruth.empty()) {
        const auto start = std::chrono::steady_clock::now();
        const LightMask truth =
            computeLightMask(frameTruthScene(captureHouse()), currentTruthView());
        if (!writePng(options.shadowTruth, lightMaskImage(truth), &why)) {
            reportError(command, why);
            return kExitFailure;
        }
        printf("wrote %s (the light's truth, %.0f ms)\n", options.shadowTruth.c_str(),
               std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                   .count());
    }
    return kExitSuccess;
}
}  // namespace

Command addSnapshotCommand(CLI::App& brik) {
    CLI::App* command = brik.add_subcommand(
        "snapshot", "Render the viewer's frame to a PNG and print per-pass timings");
    auto options = std::make_shared<SnapshotOptions>();
    command->add_option("-o,--output", options->output, "PNG file to write")
        ->check(nonEmptyPath)
        ->type_name("FILE")
        ->capture_default_str();
    addCheckedOption(*command, "--frames", &options->frames, parseFrameCount,
                     "frames to render and time (1 to 1000000); the last one is saved")
        ->type_name("N")
        ->default_str("1");
    addCheckedOption(*command, "--size", &options->size, parseImageSize,
                     "window and image size in pixels, each side 1 to 16384")
        ->type_name("WxH")
        ->default_str(std::to_string(viewerWindowWidth) + "x" + std::to_string(viewerWindowHeight));
    addCheckedOption(*command, "--eye", &options->eye, parseEye,
                     "camera position in world units, looking at the origin")
        ->type_name("X,Y,Z")
        ->default_str("0,2.5,3.5");
    command->add_option("--scene", options->scene, "what to draw")
        ->check(CLI::IsMember({"house", "base-plate", "showcase"}))
        ->type_name("SCENE")
        ->capture_default_str();
    addCheckedOption(*command, "--light-angle", &options->lightAngle, parseFiniteNumber,
                     "turn the light about the vertical, anticlockwise seen from above")
        ->type_name("DEGREES");
    command
        ->add_option("--renderer", options->renderer,
                     "fixed: the shadow-mapped frame; fast: the same picture from the house "
                     "captured once (house scene only)")
        ->check(CLI::IsMember({"fixed", "fast"}))
        ->type_name("NAME")
        ->capture_default_str();
    command->add_option("--overlay")
        ->description("draw overlays over the frame: fps, help, shadow-map (may repeat)")
        ->type_name("LIST")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->each([options](const std::string& list) {
            std::string unknown;
            if (!parseOverlayNames(list, &options->overlays, &unknown))
                throw CLI::ValidationError("'" + unknown +
                                           "' is not an overlay (fps, help, shadow-map)");
        });
    command
        ->add_option("--shadow-truth", options->shadowTruth,
                     "also write which pixels the light really reaches, cast on the processor: "
                     "white lit, black shadowed, blue background (house scene only)")
        ->check(nonEmptyPath)
        ->type_name("FILE");
    // The fast renderer and the truth are built from the captured house; other scenes have none.
    command->parse_complete_callback([options] {
        if (!options->shadowTruth.empty() && options->scene != "house")
            throw CLI::ValidationError(
                "--shadow-truth", "the truth is cast for the house, not --scene " + options->scene);
        if (options->renderer == "fast" && options->scene != "house")
            throw CLI::ValidationError("--renderer",
                                       "fast draws the house only, not --scene " + options->scene);
    });
    return {command, [command, options] { return runSnapshot(*command, *options); }};
}
