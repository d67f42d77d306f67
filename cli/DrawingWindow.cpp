#include "cli/DrawingWindow.h"

#include <cstdlib>

#include "cli/Command.h"
#include "cli/DisplayCheck.h"
#include "io/DataFile.h"
#include "render/FrameWindow.h"

CLI::Option* addFloorOption(CLI::App& command, std::string* floorImage) {
    return command
        .add_option("--floor", *floorImage,
                    "the floor image (an RGB SGI file) instead of the one installed")
        ->check(CLI::Validator(CLI::ExistingFile).description(""))
        ->type_name("FILE");
}

WindowOpening openDrawingWindow(const CLI::App& command, int width, int height, FrameState& frame,
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
    // The window appears and its size is settled before drawing.
    WindowSize settled{0, 0};
    if (!openSettledFrameWindow(&argc, argv, width, height, viewerWindowTitle, frame, &settled,
                                floor))
        return WindowOpening::MissingExtensions;
    if (settled.width != width || settled.height != height) {
        reportError(command, "the window is " + std::to_string(settled.width) + "x" +
                                 std::to_string(settled.height) + " instead of " +
                                 std::to_string(width) + "x" + std::to_string(height) +
                                 " (is the screen large enough?)");
    }
    return WindowOpening::Ready;
}
