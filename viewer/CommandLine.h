#pragma once

// The window program's own options, taken out of argv before GLUT reads the rest.
//
//   --renderer fixed|fast   (also --renderer=fast) which renderer draws: render/Renderer.h
//   --startup-report        print when each start-up step ended and quit after the first frame
//   --model FILE            (also --model=FILE) the model file to show instead of the house

#include <string>

#include "render/Renderer.h"

struct ViewerOptions {
    Renderer renderer = Renderer::Fixed;
    bool startupReport = false;
    std::string modelPath;  // empty: the built-in house
};

// Removes the options above from argc/argv, leaving GLUT's own (-display NAME, -geometry WxH,
// ...) in order. On a bad value or a missing one returns false with one line in `error`.
bool takeViewerOptions(int* argc, char** argv, ViewerOptions* options, std::string* error);
