#pragma once

// The window program's command line: its own options in one table (addViewerOptions, the one
// that --help, the manual page and the shell completion are made from), and GLUT's own options,
// which are taken out of argv first and handed to glutInit in order.
//
//   --renderer fixed|fast   (also --renderer=fast) which renderer draws: render/Renderer.h
//   --floor FILE            the floor image instead of the one found (io/DataFile.h)
//   --startup-report        print when each start-up step ended and quit after the first frame
//   --model FILE            the model file to show instead of the built-in house
//   --help, --version

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>

#include "render/Renderer.h"

struct ViewerOptions {
    Renderer renderer = Renderer::Fixed;
    bool startupReport = false;
    std::string floorImage;  // empty: the one found
    std::string modelPath;   // empty: the built-in house
};

// Describes brik-house and its options on `app`; a parse stores the values into *options, which
// must outlive the app.
void addViewerOptions(CLI::App& app, ViewerOptions* options);

// Parses argv, leaving in argc/argv only GLUT's options (-display NAME, -geometry WxH, ...), in
// order, for glutInit. Returns true when the viewer is to start. Otherwise the parse ended the
// program: *status is 0 after --help or --version printed on `out`, or 2 after one line naming
// the bad option or word on `err`.
bool takeViewerOptions(int* argc, char** argv, ViewerOptions* options, std::ostream& out,
                       std::ostream& err, int* status);
