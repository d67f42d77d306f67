// Writes the manual page or the bash completion of brik or brik-house to standard output, from
// the option tables the programs themselves parse with (the build runs it; see CMakeLists.txt).
//
//   brik-manual man|completion brik|brik-house

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "io/BuildInfo.h"
#include "cli/BrikCommandLine.h"
#include "cli/ManPage.h"
#include "viewer/CommandLine.h"
#include "viewer/ViewerInput.h"

namespace {
const ManSection kFiles = {
    "FILES",
    std::string(
        "The floor image is read from images/Floor.rgb in the working directory, else from ") +
        kInstalledDataFolder +
        "/Floor.rgb, else from share/brik/Floor.rgb beside the program's own bin folder, else from "
        "images/Floor.rgb beside the program (a build tree); --floor FILE reads another.",
    {}};

// The window's keys and mouse, from the lines its help overlay shows: "R     back to ...".
ManSection keysSection() {
    ManSection keys{"KEYS AND MOUSE", "In the window (letters in either case):", {}};
    for (const std::string& line : helpLines()) {
        const size_t gap = line.find("  ");
        const size_t description = line.find_first_not_of(' ', gap);
        if (gap == std::string::npos || description == std::string::npos) continue;
        keys.items.emplace_back(line.substr(0, gap), line.substr(description));
    }
    return keys;
}
}  // namespace

int main(int argc, char** argv) {
    const bool man = argc == 3 && std::strcmp(argv[1], "man") == 0;
    const bool completion = argc == 3 && std::strcmp(argv[1], "completion") == 0;
    const std::string program = argc == 3 ? argv[2] : "";
    if ((!man && !completion) || (program != "brik" && program != "brik-house")) {
        fprintf(stderr, "usage: brik-manual man|completion brik|brik-house\n");
        return 2;
    }
    BrikCommandLine brik;
    ViewerOptions viewerOptions;
    CLI::App viewer;
    addViewerOptions(viewer, &viewerOptions);
    const CLI::App& app = program == "brik" ? brik.app : viewer;
    const std::string version = program + " " + kBrikVersion;
    const std::vector<ManSection> sections = program == "brik"
                                                 ? std::vector<ManSection>{kFiles}
                                                 : std::vector<ManSection>{keysSection(), kFiles};
    std::cout << (man ? manPage(app, version, sections) : bashCompletion(app));
    return 0;
}
