// brik instructions: a building guide in a folder: index.html with the cover, the parts list
// and forty steps, each step's picture drawn by the shadow-mapped frame with the pieces placed
// before it faded; and the same steps in 3D (3d.html and its files).

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/DrawingWindow.h"
#include "cli/ModelOption.h"
#include "cli/OptionValues.h"
#include "cli/OutputPath.h"
#include "instructions/Guide3D.h"
#include "instructions/GuidePage.h"
#include "instructions/StepDrawTarget.h"
#include "instructions/StepView.h"
#include "io/AtomicFile.h"
#include "io/AtomicFolder.h"
#include "model/Scene.h"
#include "render/FrameCapture.h"
#include "render/ImmediateDrawTarget.h"
#include "render/ShadowFrame.h"

namespace fs = std::filesystem;

namespace {
struct InstructionsOptions {
    std::string folder;
    ImageSize size = {640, 480};
    std::string model;  // a model file; empty for the built-in house
};

bool drawPicture(FrameState& frame, const std::string& path, const ImageSize& size,
                 std::string* why) {
    renderFrame(frame);
    glFinish();
    RgbImage image;
    if (!tryReadBackBuffer(size.width, size.height, &image, why)) return false;
    glutSwapBuffers();
    return writePng(path, image, why);
}

// A failure inside the temporary folder names the file in the guide's folder, where it goes.
std::string inGuideFolder(const std::string& why, const AtomicFolder& guide,
                          const std::string& folder) {
    const std::string& temporary = guide.temporaryFolder();
    if (temporary.empty() || why.rfind(temporary, 0) != 0) return why;
    return (fs::path(folder) / why.substr(temporary.size() + 1)).string();
}

// The guide is written into a temporary folder that replaces the folder whole when complete:
// a failure or a signal leaves the folder as it was (io/AtomicFolder).
int runInstructions(const CLI::App& command, const InstructionsOptions& options) {
    Model model;
    if (!loadModel(options.model, &model)) return kExitUsage;
    std::string why;
    AtomicFolder guide;
    if (!guide.open(options.folder, isGuideFileName, &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    const ImageSize size = options.size;
    FrameState frame;
    switch (openDrawingWindow(command, size.width, size.height, frame)) {
        case WindowOpening::Ready: break;
        case WindowOpening::NoDisplay: return kExitFailure;
        case WindowOpening::MissingExtensions: return kExitSuccess;  // as the viewer does
    }
    const bool showProgress = isatty(STDERR_FILENO);
    const int stepCount = model.layerCount();
    const HouseMesh house = captureHouse(model);
    const double aspect = double(size.width) / size.height;
    const fs::path folder(guide.temporaryFolder());

    const GuideImage cover = {kGuideCoverFile, size.width, size.height};
    StepDrawTarget stepTarget(immediateDrawTarget());
    stepTarget.setStep(0);
    setSceneFunction(frame, [&model, &stepTarget](float sceneTime) {
        ScopedDrawTarget faded(stepTarget);
        DrawScene(model, sceneTime);
    });
    if (!drawPicture(frame, (folder / cover.file).string(), size, &why)) {
        reportError(command, inGuideFolder(why, guide, options.folder));
        return kExitFailure;
    }
    std::vector<GuideImage> steps;
    for (int map = 1; map <= stepCount; ++map) {
        if (showProgress) fprintf(stderr, "\rbrik instructions: step %d of %d", map, stepCount);
        stepTarget.setStep(map);
        setCameraEye(frame, bestEyeForStep(house, map, aspect));
        steps.push_back({stepImageName(map), size.width, size.height});
        if (!drawPicture(frame, (folder / steps.back().file).string(), size, &why)) {
            if (showProgress) fprintf(stderr, "\n");
            reportError(command, inGuideFolder(why, guide, options.folder));
            return kExitFailure;
        }
    }
    if (showProgress) fprintf(stderr, "\n");
    std::vector<PartsList> stepParts;
    for (int map = 1; map <= stepCount; ++map)
        stepParts.push_back(partsOfMaps(model, map, map, false));
    std::vector<GuideFile> guide3D;
    bool written = guide3DFiles(house, partsOfMaps(model, 1, stepCount, true), stepParts,
                                &guide3D, &why);
    for (size_t i = 0; written && i < guide3D.size(); ++i)
        written = writeFileAtomically((folder / guide3D[i].name).string(), guide3D[i].bytes.data(),
                                      guide3D[i].bytes.size(), &why);
    const std::string page = guidePage(model, cover, steps.data(), stepCount);
    if (!written ||
        !writeFileAtomically((folder / kGuidePageFile).string(), page.data(), page.size(), &why) ||
        !guide.commit(&why)) {
        reportError(command, inGuideFolder(why, guide, options.folder));
        return kExitFailure;
    }
    printf("wrote %s with %d steps\n", (fs::path(options.folder) / kGuidePageFile).c_str(),
           stepCount);
    return kExitSuccess;
}
}  // namespace

Command addInstructionsCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "instructions",
        "Write a step-by-step building guide (index.html and PNGs, and 3d.html) into a folder");
    auto options = std::make_shared<InstructionsOptions>();
    command
        ->add_option("-o,--output", options->folder,
                     "the folder to write (created if missing; an existing one is replaced whole, "
                     "and only when it holds nothing but a guide's files)")
        ->check(nonEmptyPath)
        ->type_name("DIR")
        ->required();
    addCheckedOption(*command, "--size", &options->size, parseImageSize,
                     "picture size in pixels, each side 1 to 16384")
        ->type_name("WxH")
        ->default_str("640x480");
    addModelOption(*command, &options->model);
    return {command, [command, options] { return runInstructions(*command, *options); }};
}
