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
#include "render/FrameTruth.h"
#include "render/FrameWindow.h"
#include "render/Renderer.h"
#include "render/SceneFit.h"
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
    VECTOR3D eye;      // used when --eye is given
    bool fit = false;  // move the eye along its line until the scene fills the picture
    std::string scene = "house";
    double lightAngle = 0;  // degrees about +y from the start, as the viewer's L and [ ] turn it
    OverlaySet overlays;
    std::string renderer = "fixed";
    std::string floorImage;   // empty: the one found
    bool quiet = false;       // no timing table, no "wrote" line
    std::string model;        // a model file; empty for the built-in house
    std::string shadowTruth;  // a PNG of the measured truth, when given
    std::string look = "specified";
    // The fast renderer's controls, each laid over the look's when given.
    long shadowMapSize = 0;
    double depthBias = 0, slopeBias = 0;
    std::string shadowFilter;
    long msaa = 0;
    bool fitLight = false, floorShadows = false, edgeLines = false, balancedLight = false,
         frontFaces = false;
};

bool parsePngPath(const std::string& text, std::string* path, std::string* why) {
    if (text != kStandardOutputPath && !hasExtension(text, ".png")) {
        *why = "'" + text + "' does not end in .png (or is - for standard output)";
        return false;
    }
    *path = text;
    return true;
}

// The options that set the fast renderer's controls (render/FastRenderSettings.h).
const char* const kSettingOptions[] = {"--shadow-map-size", "--depth-bias", "--slope-bias",
                                       "--shadow-filter",   "--fit-light",  "--msaa",
                                       "--floor-shadows",   "--edge-lines", "--balanced-light",
                                       "--front-faces"};

bool usesSettings(const CLI::App& command, const SnapshotOptions& options) {
    if (options.look != "specified") return true;
    for (const char* name : kSettingOptions)
        if (command.count(name) > 0) return true;
    return false;
}

FastRenderSettings chosenSettings(const CLI::App& command, const SnapshotOptions& options) {
    FastRenderSettings settings =
        options.look == "presentation" ? presentationLook() : specifiedLook();
    if (command.count("--shadow-map-size")) settings.shadowMapSize = int(options.shadowMapSize);
    if (command.count("--depth-bias")) settings.depthBias = float(options.depthBias);
    if (command.count("--slope-bias")) settings.slopeBias = float(options.slopeBias);
    if (command.count("--shadow-filter")) shadowFilterNamed(options.shadowFilter, &settings.filter);
    if (command.count("--msaa")) settings.msaaSamples = int(options.msaa);
    if (command.count("--fit-light")) settings.fitLight = options.fitLight;
    if (command.count("--floor-shadows")) settings.floorShadows = options.floorShadows;
    if (command.count("--edge-lines")) settings.edgeLines = options.edgeLines;
    if (command.count("--balanced-light")) settings.balancedLight = options.balancedLight;
    if (command.count("--front-faces")) settings.frontFaceCasters = options.frontFaces;
    return settings;
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
    if ((!toStandardOutput && !outputFileIsWritable(options.output, &why)) ||
        (!options.shadowTruth.empty() && !outputFileIsWritable(options.shadowTruth, &why))) {
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
    const bool withSettings = usesSettings(command, options);
    const FastRenderSettings settings = chosenSettings(command, options);
    if (withSettings) wanted = Renderer::Fast;
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
    if (options.fit) setCameraEye(state, fittedSceneEye(state));
    const bool fast = renderer.select(wanted, "brik snapshot", house) == Renderer::Fast;
    if (withSettings && !fast) {
        reportError(command, "the look and the shadow controls need the fast renderer");
        return kExitFailure;
    }
    if (withSettings && settings.shadowMapSize > maxShadowMapSize()) {
        reportError(command, "--shadow-map-size " + std::to_string(settings.shadowMapSize) +
                                 " is more than this OpenGL allows (" +
                                 std::to_string(maxShadowMapSize()) + ")");
        return kExitFailure;
    }

    // The fixed frame's passes: light, dim, lit, floor; the fast one's: shadow map (0 when
    // reused), camera pass, floor.
    std::vector<double> frame, light, dim, lit, floor;
    RgbImage image;
    for (long i = 0; i < options.frames; ++i) {
        FrameTimings timings{};
        const auto start = std::chrono::steady_clock::now();
        if (fast) {
            FastFrameTimings fastTimings;
            renderer.fast()->render(state, settings, &fastTimings);
            timings = {fastTimings.shadowMap, fastTimings.cameraPass, 0, fastTimings.floor};
        } else {
            renderFrame(state, &timings);
        }
        if (fast) {
            const FastOverlay extras{renderer.fast()->shadowMapView(), describeSettings(settings)};
            drawOverlays(state, options.overlays, &extras);
        } else {
            drawOverlays(state, options.overlays);
        }
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
        if (withSettings)
            for (const std::string& line : describeSettings(settings))
                fprintf(report, "  %s\n", line.c_str());
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
    if (!options.shadowTruth.empty()) {
        const auto start = std::chrono::steady_clock::now();
        const LightMask truth =
            computeLightMask(frameTruthScene(captureHouse(house)), frameTruthView(state));
        if (!writePng(options.shadowTruth, lightMaskImage(truth), &why)) {
            reportError(command, why);
            return kExitFailure;
        }
        if (!options.quiet)
            fprintf(
                toStandardOutput ? stderr : stdout, "wrote %s (the light's truth, %.0f ms)\n",
                options.shadowTruth.c_str(),
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
    }
    return kExitSuccess;
}
}  // namespace

namespace {
bool parseMapSize(const std::string& text, long* size, std::string* why) {
    return parseWholeNumber(text, minShadowMapSize, 16384, size, why);
}
bool parseSamples(const std::string& text, long* samples, std::string* why) {
    return parseWholeNumber(text, 0, 32, samples, why);
}

void addSettingOptions(CLI::App& command, SnapshotOptions* options) {
    command
        .add_option("--look", options->look,
                    "specified: the viewer's first frame; presentation: the fast renderer's "
                    "preset for pictures (no acne, soft fitted shadows, outlines, true colours)")
        ->check(CLI::IsMember({"specified", "presentation"}))
        ->type_name("LOOK")
        ->capture_default_str();
    addCheckedOption(command, "--shadow-map-size", &options->shadowMapSize, parseMapSize,
                     "shadow map side in texels, 256 up to what the OpenGL allows")
        ->type_name("N");
    addCheckedOption(command, "--depth-bias", &options->depthBias, parseFiniteNumber,
                     "constant depth bias of the light pass (polygon offset units)")
        ->type_name("UNITS");
    addCheckedOption(command, "--slope-bias", &options->slopeBias, parseFiniteNumber,
                     "slope-scaled depth bias of the light pass (polygon offset factor)")
        ->type_name("FACTOR");
    command
        .add_option("--shadow-filter", options->shadowFilter,
                    "none, hardware (2x2 comparison), pcf (16 taps), soft (widening with the "
                    "distance to the occluder)")
        ->check(CLI::IsMember({"none", "hardware", "pcf", "soft"}))
        ->type_name("FILTER");
    addCheckedOption(command, "--msaa", &options->msaa, parseSamples,
                     "multisample the picture, samples per pixel (0 or 1: none)")
        ->type_name("N");
    command.add_flag("--fit-light,!--no-fit-light", options->fitLight,
                     "fit the light's view to the model's bounds");
    command.add_flag("--floor-shadows,!--no-floor-shadows", options->floorShadows,
                     "the floor receives the house's shadow");
    command.add_flag("--edge-lines,!--no-edge-lines", options->edgeLines,
                     "thin dark lines on the pieces' outlines");
    command.add_flag("--balanced-light,!--no-balanced-light", options->balancedLight,
                     "colours as they are: no blown-out highlight, shadows keep their colour");
    command.add_flag("--front-faces,!--no-front-faces", options->frontFaces,
                     "the light pass draws the faces towards the light (the specified: back)");
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
    command->add_flag("--fit", options->fit,
                      "move the eye along its line to the origin until the scene fills the "
                      "picture with a margin");
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
        ->description("draw overlays over the frame: fps, help, shadow-map, settings (may repeat)")
        ->type_name("LIST")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->each([options](const std::string& list) {
            std::string unknown;
            if (!parseOverlayNames(list, &options->overlays, &unknown))
                throw CLI::ValidationError("'" + unknown +
                                           "' is not an overlay (fps, help, shadow-map, settings)");
        });
    command
        ->add_option("--shadow-truth", options->shadowTruth,
                     "also write which pixels the light really reaches, cast on the processor: "
                     "white lit, black shadowed, blue background (house scene only)")
        ->check(nonEmptyPath)
        ->type_name("FILE");
    addSettingOptions(*command, options.get());
    // The fast renderer and the truth are built from the captured house; other scenes have none.
    command->parse_complete_callback([command, options] {
        if (usesSettings(*command, *options) && options->scene != "house")
            throw CLI::ValidationError("--look",
                                       "the look and the shadow controls draw the house only, "
                                       "not --scene " +
                                           options->scene);
        if (usesSettings(*command, *options) && command->count("--renderer") > 0 &&
            options->renderer != "fast")
            throw CLI::ValidationError("--renderer",
                                       "the look and the shadow controls are the fast "
                                       "renderer's, not " +
                                           options->renderer + "'s");
        if (!options->shadowTruth.empty() && options->scene != "house")
            throw CLI::ValidationError(
                "--shadow-truth", "the truth is cast for the house, not --scene " + options->scene);
        if (options->renderer == "fast" && options->scene != "house")
            throw CLI::ValidationError("--renderer",
                                       "fast draws the house only, not --scene " + options->scene);
    });
    addModelOption(*command, &options->model);
    return {command, [command, options] { return runSnapshot(*command, *options); }};
}
