#pragma once

// The window the drawing subcommands (snapshot, instructions) render into: a freeglut
// window of the frame's size on the display (Xvfb in tests), set up by the frame's Init
// (render/FrameWindow.h).

#include <CLI/CLI.hpp>

#include "render/FrameState.h"

enum class WindowOpening {
    Ready,              // the frame can be drawn at the requested size
    NoDisplay,          // reported in one line; exit with kExitFailure
    MissingExtensions,  // Init printed the viewer's message; exit as the viewer does (0)
};

// Opens the window and sets `frame` up for it; `command` names the subcommand in messages.
// Ends the process as the viewer does when the floor image is unusable.
WindowOpening openDrawingWindow(const CLI::App& command, int width, int height, FrameState& frame);
