// brik snapshot: renders the viewer's frame in a window of its own (hidden under Xvfb when
// there is no screen), writes the last frame as a PNG and prints per-pass timings. With
// `-o -` the PNG goes to standard output and every message to standard error.

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
#include "cli/ModelOption.h"
#include "cli/OptionValues.h"
#include "cli/OutputPath.h"
#include "cli/StandardOutput.h"
#include "maths/Statistics.h"
#include "model/ExtraScenes.h"
#include "render/FrameCapture.h"
#include "render/FrameWindow.h"
#include "render/Renderer.h"
#include "render/ShadowFrame.h"
#include "viewer/Overlays.h"

namespace {
// The camera's far plane is 100 world units away (Reshape); keep the house before it.
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
    std::string floorImage;  // empty: the one found
    bool quiet = false;      // no timing table, no "wrote" line
    std::string model;  // a model file; empty for the built-in house
};

bool parsePngPath(const std::string& text, std::string* path, std::string* why) {
    if (text != kStandardOutputPath && !hasExtension(text, ".png")) {
        *why = "'" + text + "' does not end in .png (or is - for standard output)";
        return false;
    }
    *path = text;
    return true;
}

bool parseFrameCount(const std::string& text, long* frames, std::string* why) {
    return parseWholeNumber(text, 1, kMaxFrames, frames, why);
}

// The camera looks at the world origin with +y up: an eye on the vertical through the
// origin has no up direction, and one past the far plane sees nothing.
bool parseEye(const std::string& text, VECTOR3D* eye, std::string* why) {
    if (!parsePoint(text, eye, why)) return false;
    // In double precision: squares of large floats (1e30) overflow a float.
    const double x = eye->x, y = eye->y, z = eye->z;
    const double distance = std::sqrt(x * x + y * y + z * z);
    const double offVertical = std::sqrt(x * x + z * z);
    if (offVertical <= 1e-4 * distance || distance == 0.0) {
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

// The orbit's nearest distance keeps the camera's near plane out of the model; an eye nearer
// the look-at point is refused as the viewer's orbit refuses to go there.
bool eyeOutsideModel(const VECTOR3D& eye, const ViewFit& fit, std::string* why) {
    const double x = eye.x, y = eye.y, z = eye.z;
    const double distance = std::sqrt(x * x + y * y + z * z);
    if (distance >= fit.minimumDistance()) return true;
    char text[200];
    snprintf(text, sizeof text,
             "--eye %g,%g,%g is %.2f from the look-at point (0,0,0), so near that the camera "
             "cuts into the model; the nearest allowed distance is %g",
             x, y, z, distance, fit.minimumDistance());
    *why = text;
    return false;
}

SceneFunction sceneFunction(const std::string& scene, const Model& house) {
    if (scene == "base-plate") return DrawBasePlateScene;
    if (scene == "showcase") return DrawShowcaseScene;
    return modelScene(house);
}

void printRow(FILE* report, const char* name, const std::vector<double>& values) {
    fprintf(report, "  %-12s %10.2f %10.2f\n", name, median(values), minimum(values));
}

int runSnapshot(const CLI::App& command, const SnapshotOptions& options) {
    std::string why;
    const bool toStandardOutput = options.output == kStandardOutputPath;
    if (!toStandardOutput && !outputFileIsWritable(options.output, &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    Model house;
    if (!loadModel(options.model, &house)) return kExitUsage;
    Renderer wanted = Renderer::Fixed;
    rendererNamed(options.renderer, &wanted);
    // The other scenes are test scenes on the house's base plate: the house's view.
    const ViewFit fit = options.scene == "house" ? viewFitFor(house) : ViewFit{};
    if (command.count("--eye") > 0 && !eyeOutsideModel(options.eye, fit, &why)) {
        reportError(command, why);
        fprintf(stderr, "Run 'brik snapshot --help' for the options.\n");
        return kExitUsage;
    }
    FrameRenderer renderer;
    if (wanted == Renderer::Fast) renderer.startPreparingFast(house);
    const int width = options.size.width, height = options.size.height;
    FrameState state;
    fitView(state, fit);
    switch (openDrawingWindow(command, width, height, state, options.floorImage)) {
        case WindowOpening::Ready: break;
        case WindowOpening::NoDisplay: return kExitFailure;
        case WindowOpening::MissingExtensions: return kExitSuccess;  // as the viewer does
    }
    if (command.count("--eye") > 0) setCameraEye(state, options.eye);
    if (command.count("--light-angle") > 0) setLightAngle(state, options.lightAngle);
    setSceneFunction(state, sceneFunction(options.scene, house));
    const bool fast = renderer.select(wanted, "brik snapshot", house) == Renderer::Fast;

    // The fixed frame's passes: light, dim, lit, floor; the fast one's: shadow map (0 when
    // reused), camera pass, floor.
    std::vector<double> frame, light, dim, lit, floor;
    RgbImage image;
    for (long i = 0; i < options.frames; ++i) {
        FrameTimings timings{};
        const auto start = std::chrono::steady_clock::now();
        if (fast) {
            FastFrameTimings fastTimings;
            renderer.fast()->render(state, &fastTimings);
            timings = {fastTimings.shadowMap, fastTimings.cameraPass, 0, fastTimings.floor};
        } else {
            renderFrame(state, &timings);
        }
        drawOverlays(state, options.overlays);
        glFinish();
        frame.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        light.push_back(timings.lightPass);
        dim.push_back(timings.dimPass);
        lit.push_back(timings.litPass);
        floor.push_back(timings.floor);
        if (i + 1 == options.frames && !tryReadBackBuffer(width, height, &image, &why)) {
            reportError(command, why);
            return kExitFailure;
        }
        glutSwapBuffers();
    }

    // Messages never mix with a picture written to standard output.
    FILE* report = toStandardOutput ? stderr : stdout;
    if (!options.quiet) {
        fprintf(report, "%s: %ld frame(s) at %dx%d, %s renderer, light pass %s\n",
                options.scene.c_str(), options.frames, width, height,
                rendererName(renderer.selected()),
                fast || lightPassIsOffscreen(state) ? "offscreen" : "in the window's depth buffer");
        fprintf(report, "  %-12s %10s %10s\n", "ms", "median", "min");
        printRow(report, "frame", frame);
        if (fast) {
            printRow(report, "shadow map", light);
            printRow(report, "camera pass", dim);
        } else {
            printRow(report, "light pass", light);
            printRow(report, "dim pass", dim);
            printRow(report, "lit pass", lit);
        }
        printRow(report, "floor", floor);
        fprintf(report, "  frames per second: %.2f (median frame)\n", 1000.0 / median(frame));
    }

    std::vector<unsigned char> png;
    const bool written = toStandardOutput ? encodePng(image, &png, &why) &&
                                                writeStandardOutput(png.data(), png.size(), &why)
                                          : writePng(options.output, image, &why);
    if (!written) {
        reportError(command, why);
        return kExitFailure;
    }
    if (!options.quiet && !toStandardOutput) printf("wrote %s\n", options.output.c_str());
    return kExitSuccess;
}
}  // namespace

Command addSnapshotCommand(CLI::App& brik) {
    CLI::App* command = brik.add_subcommand(
        "snapshot", "Render the viewer's frame to a PNG and print per-pass timings");
    auto options = std::make_shared<SnapshotOptions>();
    addCheckedOption(*command, "-o,--output", &options->output, parsePngPath,
                     "PNG file to write; - writes it to standard output")
        ->type_name("FILE")
        ->default_str(options->output);
    command->add_flag("-q,--quiet", options->quiet, "print no timings, only errors");
    addFloorOption(*command, &options->floorImage);
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
    // The fast renderer is built from the captured house; other scenes have no capture.
    command->parse_complete_callback([options] {
        if (options->renderer == "fast" && options->scene != "house")
            throw CLI::ValidationError("--renderer",
                                       "fast draws the house only, not --scene " + options->scene);
    });
    addModelOption(*command, &options->model);
    return {command, [command, options] { return runSnapshot(*command, *options); }};
}
