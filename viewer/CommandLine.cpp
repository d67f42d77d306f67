#include "viewer/CommandLine.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "io/BuildInfo.h"

namespace {
struct GlutOption {
    const char* name;
    bool takesValue;
};
// The options freeglut reads itself; a value is never one of ours.
constexpr GlutOption kGlutOptions[] = {
    {"-display", true}, {"-geometry", true}, {"-direct", false}, {"-indirect", false},
    {"-iconic", false}, {"-gldebug", false}, {"-sync", false}};

const GlutOption* glutOption(const std::string& word) {
    for (const GlutOption& option : kGlutOptions)
        if (word == option.name) return &option;
    return nullptr;
}

std::string glutOptionList() {
    std::string list;
    for (const GlutOption& option : kGlutOptions)
        list += std::string(list.empty() ? "" : ", ") + option.name +
                (option.takesValue ? " VALUE" : "");
    return list;
}
}  // namespace

void addViewerOptions(CLI::App& app, ViewerOptions* options) {
    app.name("brik-house");
    app.description("Show the brick house in a window, lit by one light with shadow mapping");
    app.set_version_flag("--version", versionLine("brik-house"),
                         "print the version and the commit built");
    app.add_option_function<std::string>(
           "--renderer",
           [options](const std::string& name) {
               if (!rendererNamed(name, &options->renderer))
                   throw CLI::ValidationError("--renderer is fixed or fast, not '" + name + "'");
           },
           "fixed: the shadow-mapped frame, redrawn continuously; fast: the same picture from "
           "the house captured once, redrawn only when it changes")
        ->type_name("NAME")
        ->default_str("fixed");
    app.add_option("--floor", options->floorImage,
                   "the floor image (an RGB SGI file) instead of the one installed")
        ->check(CLI::Validator(CLI::ExistingFile).description(""))
        ->type_name("FILE");
    app.add_option("--model", options->modelPath,
                   "the model file to show instead of the built-in house (docs/model-format.md)")
        ->type_name("FILE");
    app.add_flag("--startup-report", options->startupReport,
                 "print when each start-up step ended and quit after the first frame");
    app.footer("GLUT's own options are passed to it: " + glutOptionList() +
               ". Exit status: 0 the window was closed (also --help and --version); 1 GLUT "
               "cannot open the display; 2 a bad option or a stray word, or a model file with a "
               "fault; 255 the floor image "
               "is missing or unusable.");
}

bool takeViewerOptions(int* argc, char** argv, ViewerOptions* options, std::ostream& out,
                       std::ostream& err, int* status) {
    std::vector<std::string> ours;
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        const GlutOption* glut = glutOption(argv[i]);
        if (!glut) {
            ours.emplace_back(argv[i]);
            continue;
        }
        argv[kept++] = argv[i];
        if (glut->takesValue && i + 1 < *argc) argv[kept++] = argv[++i];
    }
    *argc = kept;
    argv[kept] = nullptr;

    CLI::App app;
    addViewerOptions(app, options);
    std::reverse(ours.begin(), ours.end());  // CLI11 takes the words last first
    try {
        app.parse(ours);
    } catch (const CLI::Success& done) {  // --help, --version
        *status = app.exit(done, out, err);
        return false;
    } catch (const CLI::ParseError& error) {
        err << "brik-house: " << error.what() << "\n";
        *status = 2;
        return false;
    }
    return true;
}
