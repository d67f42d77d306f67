// The viewer: one window showing the brick house with shadow mapping.
//
//   brik-house [--renderer fixed|fast] [--floor FILE] [--startup-report] [GLUT options]
//   brik-house --help | --version
//
// The mouse and the keys turn the camera and the light (H shows them all); Escape quits.
// Exit status 0; 2 for a bad option or a stray word (one line on standard error says which);
// 255 when the floor image is missing or unusable.

#include <epoxy/gl.h>
#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "io/DataFile.h"
#include "model/ModelFile.h"
#include "render/Renderer.h"
#include "render/ShadowFrame.h"
#include "viewer/CommandLine.h"
#include "viewer/ModelReload.h"
#include "viewer/StartupReport.h"
#include "viewer/ViewerInput.h"
#include "viewer/ViewerShell.h"

namespace {
// With --startup-report: the first frame, then the report, then the end.
void displayOnceAndReport() {
    Display();
    markStartup("first-frame");
    printStartupReport();
    if (viewerRenderer().selected() == Renderer::Fast) {
        const FastBuildTimings& build = viewerRenderer().buildTimings();
        printf(
            "fast renderer build, ms: capture %.1f, hidden triangles %.1f, index %.1f "
            "(on its own thread), waited %.1f, upload and program %.1f\n",
            build.capture, build.hiddenTriangles, build.index, build.waitForHouse, build.upload);
    }
    exit(0);
}
}  // namespace

int main(int argc, char** argv) {
    markStartup("main");
    ViewerOptions options;
    int status = 0;
    if (!takeViewerOptions(&argc, argv, &options, std::cout, std::cerr, &status)) return status;
    std::string floorImage = options.floorImage, why;
    if (floorImage.empty() && !findDataFile(kFloorImageName, &floorImage, &why)) {
        fprintf(stderr, "brik-house: %s\n", why.c_str());
        return 255;
    }
    // The model the window shows: the built-in house, or the file --model names.
    Model house = houseModel();
    if (!options.modelPath.empty() && !readModelFile(options.modelPath, &house, &why)) {
        fprintf(stderr, "%s\n", why.c_str());
        return 2;
    }
    if (options.renderer == Renderer::Fast) viewerRenderer().startPreparingFast(house);
    openFrameWindow(&argc, argv, viewerWindowWidth, viewerWindowHeight, viewerWindowTitle);
    markStartup("window");

    FrameState& frame = viewerFrame();
    fitView(frame, viewFitFor(house));
    startControls(frame.view);
    if (!Init(frame, floorImage)) return 0;
    markStartup("init");
    setViewerModel(house);
    setSceneFunction(frame, modelScene(house));
    viewerRenderer().select(options.renderer, "brik-house", house);
    if (!options.modelPath.empty()) watchModelFile(options.modelPath);  // reloads on a save
    markStartup("renderer");

    glutDisplayFunc(options.startupReport ? displayOnceAndReport : Display);
    glutReshapeFunc(ReshapeWindow);
    glutKeyboardFunc(Keyboard);
    glutSpecialFunc(SpecialKey);
    glutMouseFunc(Mouse);
    glutMotionFunc(Motion);
    glutMainLoop();
    return 0;
}
