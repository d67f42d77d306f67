#pragma once

// The window the drawing subcommands (snapshot, instructions) render into: a freeglut
// window of the frame's size on the display (Xvfb in tests), set up by the frame's Init
// (render/FrameWindow.h).

#include <CLI/CLI.hpp>

#include <string>

#include "render/FrameState.h"

enum class WindowOpening {
    Ready,              // the frame can be drawn at the requested size
    NoDisplay,          // reported in one line; exit with kExitFailure
    MissingExtensions,  // Init printed the viewer's message; exit as the viewer does (0)
};

// Adds --floor FILE, the floor image to draw instead of the one found (io/DataFile.h), to a
// drawing subcommand; `floorImage` stays empty when it is not given.
CLI::Option* addFloorOption(CLI::App& command, std::string* floorImage);

// Opens the window and sets `frame` up for it with the floor image `floorImage` (empty: the one
// found where io/DataFile.h looks); `command` names the subcommand in messages. Ends the process
// as the viewer does (status 255) when the floor image is missing or unusable.
WindowOpening openDrawingWindow(const CLI::App& command, int width, int height, FrameState& frame,
                                const std::string& floorImage);
