// brik instructions: a building guide in a folder: index.html with the cover, the parts list
// and forty steps, each step's picture drawn by the shadow-mapped frame with the pieces placed
// before it faded.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/DrawingWindow.h"
#include "cli/OptionValues.h"
#include "cli/OutputPath.h"
#include "instructions/GuidePage.h"
#include "instructions/StepDrawTarget.h"
#include "instructions/StepView.h"
#include "io/AtomicFile.h"
#include "model/Scene.h"
#include "model/maps/LayerMaps.h"
#include "render/FrameCapture.h"
#include "render/ShadowFrame.h"

namespace fs = std::filesystem;

namespace {
struct InstructionsOptions {
    std::string folder;
    ImageSize size = {640, 480};
    std::string floorImage;  // empty: the one found
};

StepDrawTarget stepTarget;
void drawStep(float sceneTime) {
    ScopedDrawTarget faded(stepTarget);
    DrawScene(sceneTime);
}

bool makeFolder(const std::string& folder, std::string* why) {
    std::error_code error;
    if (fs::exists(folder, error) && !fs::is_directory(folder, error)) {
        *why = folder + ": exists and is not a folder";
        return false;
    }
    fs::create_directory(folder, error);
    if (error) {
        *why = folder + ": " + error.message();
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        *why = folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool drawPicture(const std::string& path, const ImageSize& size, std::string* why) {
    renderFrame();
    glFinish();
    RgbImage image;
    if (!tryReadBackBuffer(size.width, size.height, &image, why)) return false;
    glutSwapBuffers();
    return writePng(path, image, why);
}

int runInstructions(const CLI::App& command, const InstructionsOptions& options) {
    std::string why;
    if (!makeFolder(options.folder, &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    const ImageSize size = options.size;
    switch (openDrawingWindow(command, size.width, size.height, options.floorImage)) {
        case WindowOpening::Ready: break;
        case WindowOpening::NoDisplay: return kExitFailure;
        case WindowOpening::MissingExtensions: return kExitSuccess;  // as the viewer does
    }
    const bool showProgress = isatty(STDERR_FILENO);
    const HouseMesh house = captureHouse();
    const double aspect = double(size.width) / size.height;
    const fs::path folder(options.folder);

    const GuideImage cover = {"cover.png", size.width, size.height};
    stepTarget.setStep(0);
    setSceneFunction(drawStep);
    if (!drawPicture((folder / cover.file).string(), size, &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    std::vector<GuideImage> steps;
    for (int map = 1; map <= kLayerMapCount; ++map) {
        if (showProgress)
            fprintf(stderr, "\rbrik instructions: step %d of %d", map, kLayerMapCount);
        stepTarget.setStep(map);
        setCameraEye(bestEyeForStep(house, map, aspect));
        steps.push_back({stepImageName(map), size.width, size.height});
        if (!drawPicture((folder / steps.back().file).string(), size, &why)) {
            if (showProgress) fprintf(stderr, "\n");
            reportError(command, why);
            return kExitFailure;
        }
    }
    if (showProgress) fprintf(stderr, "\n");
    const std::string page = guidePage(cover, steps.data(), kLayerMapCount);
    const std::string index = (folder / "index.html").string();
    if (!writeFileAtomically(index, page.data(), page.size(), &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    printf("wrote %s with %d steps\n", index.c_str(), kLayerMapCount);
    return kExitSuccess;
}
}  // namespace

Command addInstructionsCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "instructions", "Write a step-by-step building guide (index.html and PNGs) into a folder");
    auto options = std::make_shared<InstructionsOptions>();
    command->add_option("-o,--output", options->folder, "the folder to write (created if missing)")
        ->check(nonEmptyPath)
        ->type_name("DIR")
        ->required();
    addCheckedOption(*command, "--size", &options->size, parseImageSize,
                     "picture size in pixels, each side 1 to 16384")
        ->type_name("WxH")
        ->default_str("640x480");
    addFloorOption(*command, &options->floorImage);
    return {command, [command, options] { return runInstructions(*command, *options); }};
}
