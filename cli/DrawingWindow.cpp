#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include "cli/DrawingWindow.h"

#include <cstdlib>

#include "cli/Command.h"
#include "cli/DisplayCheck.h"
#include "io/DataFile.h"
#include "viewer/ViewerShell.h"

CLI::Option* addFloorOption(CLI::App& command, std::string* floorImage) {
    return command
        .add_option("--floor", *floorImage,
                    "the floor image (an RGB SGI file) instead of the one installed")
        ->check(CLI::Validator(CLI::ExistingFile).description(""))
        ->type_name("FILE");
}

WindowOpening openDrawingWindow(const CLI::App& command, int width, int height,
                                const std::string& floorImage) {
    std::string floor = floorImage, why;
    if (floor.empty() && !findDataFile(kFloorImageName, &floor, &why)) {
        reportError(command, why);
        std::exit(kExitFloorImage);
    }
    const DisplayConnection display;
    if (!display.isOpen()) {
        reportError(command,
                    "no display to draw on (DISPLAY is unset or cannot be opened); "
                    "run it under xvfb-run");
        return WindowOpening::NoDisplay;
    }
    int argc = 1;
    char name[] = "brik";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutCreateWindow(viewerWindowTitle);
    if (!Init(floor)) return WindowOpening::MissingExtensions;

    // Let the window appear so that its size is settled before drawing.
    const WindowSize settled = settleWindow();
    if (settled.width != width || settled.height != height) {
        reportError(command, "the window is " + std::to_string(settled.width) + "x" +
                                 std::to_string(settled.height) + " instead of " +
                                 std::to_string(width) + "x" + std::to_string(height) +
                                 " (is the screen large enough?)");
        Reshape(width, height);
    }
    return WindowOpening::Ready;
}
