#include "OptionInput.h"

#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "cli/BrikCommandLine.h"
#include "cli/OptionValues.h"
#include "viewer/CommandLine.h"
#include "viewer/Overlays.h"

namespace {
void require(bool promise) {
    if (!promise) std::abort();
}

void parseValues(const std::string& text) {
    std::string why;
    long number = 0;
    if (parseWholeNumber(text, -40, 40, &number, &why)) require(number >= -40 && number <= 40);
    double finite = 0;
    if (parseFiniteNumber(text, &finite, &why)) require(std::isfinite(finite));
    ImageSize size{0, 0};
    if (parseImageSize(text, &size, &why))
        require(size.width >= 1 && size.width <= kMaxImageSide && size.height >= 1 &&
                size.height <= kMaxImageSide);
    VECTOR3D point;
    if (parsePoint(text, &point, &why))
        require(std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z));
    OverlaySet overlays;
    std::string unknown;
    if (!parseOverlayNames(text, &overlays, &unknown))
        require(!overlays.frameRate && !overlays.help && !overlays.shadowMap);
}

std::vector<std::string> argumentsOf(const std::string& program, const std::string& text) {
    std::vector<std::string> arguments = {program};
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        arguments.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

std::vector<char*> argvOf(std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    return argv;
}
}  // namespace

void parseOptionInput(const std::uint8_t* data, size_t size) {
    if (size == 0) return;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::ostream discard(nullptr);  // help, versions and errors are not the point here
    int status = -1;
    switch (data[0]) {
        case 'v': parseValues(text); break;
        case 'b': {
            std::vector<std::string> arguments = argumentsOf("brik", text);
            std::vector<char*> argv = argvOf(arguments);
            BrikCommandLine commandLine;
            if (!parseBrikCommandLine(commandLine, int(arguments.size()), argv.data(), discard,
                                      discard, &status))
                require(status == 0 || status == 2);
            break;
        }
        case 'h': {
            std::vector<std::string> arguments = argumentsOf("brik-house", text);
            std::vector<char*> argv = argvOf(arguments);
            int argc = int(arguments.size());
            ViewerOptions options;
            if (takeViewerOptions(&argc, argv.data(), &options, discard, discard, &status))
                require(argc >= 1 && argc <= int(arguments.size()) && argv[argc] == nullptr);
            else
                require(status == 0 || status == 2);
            break;
        }
        default: break;
    }
}
