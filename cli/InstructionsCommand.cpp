// brik instructions: a building guide in a folder: index.html with the cover, the parts list
// and forty steps, each step's picture drawn in the presentation look with the pieces placed
// before it faded and its own outlined, from an eye kept steady across steps; the figures that
// show each step's new pieces can be found (figures.csv); and the same steps in 3D (3d.html
// and its files).

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <unistd.h>

#include <algorithm>
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
#include "cli/PartPicture.h"
#include "cli/PresentationPicture.h"
#include "cli/StepMask.h"
#include "instructions/Guide3D.h"
#include "instructions/GuidePage.h"
#include "instructions/StepFigures.h"
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
    std::string floorImage;  // empty: the one found
    std::string model;       // a model file; empty for the built-in house
};

// Step `map`'s picture (0: the cover) from the frame's eye, read back.
bool drawPicture(FrameState& frame, PresentationPictures& pictures, const Model& model, int map,
                 const ImageSize& size, RgbImage* image, std::string* why) {
    if (!pictures.draw(frame, captureStep(model, map), why)) return false;
    glFinish();
    if (!tryReadBackBuffer(size.width, size.height, image, why)) return false;
    glutSwapBuffers();
    return true;
}

// Step `map`'s picture with its new pieces outlined, and its figures, from the frame's eye.
bool drawStepPicture(FrameState& frame, PresentationPictures& pictures, const Model& model,
                     StepDrawTarget& stepTarget, int map, const ImageSize& size, RgbImage* picture,
                     StepFigures* figures, std::string* why) {
    RgbImage built, alone;
    stepTarget.setDrawing(StepDrawing::Picture);
    if (!drawPicture(frame, pictures, model, map, size, picture, why)) return false;
    stepTarget.setDrawing(StepDrawing::NewAndBuilt);
    const bool masked = drawSceneMask(frame, &built, why);
    stepTarget.setDrawing(StepDrawing::NewAlone);
    const bool maskedAlone = masked && drawSceneMask(frame, &alone, why);
    stepTarget.setDrawing(StepDrawing::Picture);
    if (!maskedAlone) return false;
    outlineNewPieces(*picture, built);
    *figures = measureStep(*picture, built, alone);
    return true;
}

// figures.csv: one row per step.
std::string figuresTable(const std::vector<StepFigures>& figures, const std::vector<bool>& turned) {
    std::string table =
        "step,view_turned,visible_share,edge_contrast,colour_difference,new_pixels\n";
    char row[160];
    for (size_t i = 0; i < figures.size(); ++i) {
        snprintf(row, sizeof row, "%zu,%s,%.3f,%.3f,%.3f,%ld\n", i + 1, turned[i] ? "yes" : "no",
                 figures[i].visibleShare, figures[i].edgeContrast, figures[i].colourDifference,
                 figures[i].newPixels);
        table += row;
    }
    return table;
}

// One line: the lowest figures against their floors and the view's turns; a line on stderr
// for every step below a floor.
void reportFigures(const std::vector<StepFigures>& figures, const std::vector<bool>& turned) {
    size_t leastSeen = 0, leastContrast = 0;
    int turns = 0;
    for (size_t i = 0; i < figures.size(); ++i) {
        if (figures[i].visibleShare < figures[leastSeen].visibleShare) leastSeen = i;
        if (figures[i].edgeContrast < figures[leastContrast].edgeContrast) leastContrast = i;
        turns += turned[i];
        if (figures[i].visibleShare < kVisibleShareFloor ||
            figures[i].edgeContrast < kEdgeContrastFloor)
            fprintf(stderr,
                    "brik instructions: step %zu's new pieces are hard to find (visible share "
                    "%.2f, edge contrast %.2f)\n",
                    i + 1, figures[i].visibleShare, figures[i].edgeContrast);
    }
    if (figures.empty()) return;
    printf(
        "new pieces: visible share at least %.2f (step %zu; floor %.2f), edge contrast at least "
        "%.2f (step %zu; floor %.2f); the view turns %d times\n",
        figures[leastSeen].visibleShare, leastSeen + 1, kVisibleShareFloor,
        figures[leastContrast].edgeContrast, leastContrast + 1, kEdgeContrastFloor, turns);
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
    switch (openDrawingWindow(command, size.width, size.height, frame, options.floorImage)) {
        case WindowOpening::Ready: break;
        case WindowOpening::NoDisplay: return kExitFailure;
        case WindowOpening::MissingExtensions: return kExitSuccess;  // as the viewer does
    }
    const bool showProgress = isatty(STDERR_FILENO);
    const int stepCount = model.layerCount();
    const HouseMesh house = captureHouse(model);
    const double aspect = double(size.width) / size.height;
    const fs::path folder(guide.temporaryFolder());

    // One eye for as many steps as it sees their new pieces, the light over its shoulder.
    const GuideView view = guideView(house, stepCount, aspect);
    frame.cameraTarget = view.target;
    const auto lookFrom = [&frame, &view](const VECTOR3D& eye) {
        setCameraEye(frame, eye);
        frame.lightPosition = guideLightPosition(eye, view.target);
        frame.lightViewMatrix = lookAtMatrix(frame.lightPosition);
        frame.lightProjectionMatrix =
            perspectiveMatrix(lightAspect, lightNearPlane, lightFarPlane, circlingLightFieldOfView);
    };
    const GuideImage cover = {kGuideCoverFile, size.width, size.height};
    StepDrawTarget stepTarget(immediateDrawTarget());
    stepTarget.setStep(0);
    setSceneFunction(frame, [&model, &stepTarget](float sceneTime) {
        ScopedDrawTarget faded(stepTarget);
        DrawScene(model, sceneTime);
    });
    lookFrom(view.cover);
    PresentationPictures pictures;
    RgbImage picture;
    if (!drawPicture(frame, pictures, model, 0, size, &picture, &why) ||
        !writePng((folder / cover.file).string(), picture, &why)) {
        reportError(command, inGuideFolder(why, guide, options.folder));
        return kExitFailure;
    }
    std::vector<GuideImage> steps;
    std::vector<StepFigures> figures(static_cast<size_t>(stepCount));
    std::vector<bool> turned(static_cast<size_t>(stepCount));
    for (int map = 1; map <= stepCount; ++map) {
        if (showProgress) fprintf(stderr, "\rbrik instructions: step %d of %d", map, stepCount);
        const size_t at = size_t(map - 1);
        turned[at] = map > 1 && !(view.steps[at] == view.steps[at - 1]);
        stepTarget.setStep(map);
        lookFrom(view.steps[at]);
        steps.push_back({stepImageName(map), size.width, size.height, turned[at]});
        if (!drawStepPicture(frame, pictures, model, stepTarget, map, size, &picture, &figures[at],
                             &why) ||
            !writePng((folder / steps.back().file).string(), picture, &why)) {
            if (showProgress) fprintf(stderr, "\n");
            reportError(command, inGuideFolder(why, guide, options.folder));
            return kExitFailure;
        }
    }
    if (showProgress) fprintf(stderr, "\n");
    const int partWidth = std::min(kPartPictureWidth, size.width);
    const int partHeight = std::min(kPartPictureHeight, size.height);
    if (!writePartPictures(frame, pictures, partsOfMaps(model, 1, stepCount, true), folder.string(),
                           partWidth, partHeight, &why)) {
        reportError(command, inGuideFolder(why, guide, options.folder));
        return kExitFailure;
    }
    std::vector<PartsList> stepParts;
    for (int map = 1; map <= stepCount; ++map)
        stepParts.push_back(partsOfMaps(model, map, map, false));
    std::vector<GuideFile> guide3D;
    bool written =
        guide3DFiles(house, partsOfMaps(model, 1, stepCount, true), stepParts, &guide3D, &why);
    for (size_t i = 0; written && i < guide3D.size(); ++i)
        written = writeFileAtomically((folder / guide3D[i].name).string(), guide3D[i].bytes.data(),
                                      guide3D[i].bytes.size(), &why);
    const std::string table = figuresTable(figures, turned);
    written = written && writeFileAtomically((folder / kGuideFiguresFile).string(), table.data(),
                                             table.size(), &why);
    const std::string page =
        guidePage(model, cover, steps.data(), stepCount, partWidth, partHeight);
    if (!written ||
        !writeFileAtomically((folder / kGuidePageFile).string(), page.data(), page.size(), &why) ||
        !guide.commit(&why)) {
        reportError(command, inGuideFolder(why, guide, options.folder));
        return kExitFailure;
    }
    reportFigures(figures, turned);
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
    addFloorOption(*command, &options->floorImage);
    addModelOption(*command, &options->model);
    return {command, [command, options] { return runInstructions(*command, *options); }};
}
