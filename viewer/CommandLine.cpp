#include "viewer/CommandLine.h"

#include <cstring>

namespace {
// GLUT's options that take a value: their value is never one of ours.
bool takesValueForGlut(const char* arg) {
    return std::strcmp(arg, "-display") == 0 || std::strcmp(arg, "-geometry") == 0;
}
}  // namespace

bool takeViewerOptions(int* argc, char** argv, ViewerOptions* options, std::string* error) {
    const std::string rendererOption = "--renderer";
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        const std::string arg = argv[i];
        if (takesValueForGlut(argv[i]) && i + 1 < *argc) {
            argv[kept++] = argv[i++];
            argv[kept++] = argv[i];
        } else if (arg == "--startup-report") {
            options->startupReport = true;
        } else if (arg == "--model" || arg.rfind("--model=", 0) == 0) {
            if (arg == "--model" && i + 1 >= *argc) {
                *error = "--model needs a value: a model file";
                return false;
            }
            options->modelPath = arg == "--model" ? argv[++i] : arg.substr(8);
        } else if (arg == rendererOption || arg.rfind(rendererOption + "=", 0) == 0) {
            std::string value;
            if (arg == rendererOption) {
                if (i + 1 >= *argc) {
                    *error = "--renderer needs a value: fixed or fast";
                    return false;
                }
                value = argv[++i];
            } else {
                value = arg.substr(rendererOption.size() + 1);
            }
            if (!rendererNamed(value, &options->renderer)) {
                *error = "--renderer is fixed or fast, not '" + value + "'";
                return false;
            }
        } else {
            argv[kept++] = argv[i];
        }
    }
    *argc = kept;
    argv[kept] = nullptr;
    return true;
}
