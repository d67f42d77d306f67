#pragma once

// The `brik` command's shared parts. Each subcommand lives in its own file
// (cli/SnapshotCommand.cpp, ...) and registers itself on the top-level app with an
// add...Command function; main parses and runs the one that was named.

#include <CLI/CLI.hpp>

#include <functional>
#include <string>

// Exit statuses of every subcommand (the README's table lists them).
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;       // the work failed: no display, unwritable output, ...
constexpr int kExitUsage = 2;         // bad command line: unknown option, malformed value, ...
constexpr int kExitFloorImage = 255;  // the floor image is missing or unusable, as in the viewer

// A registered subcommand: its parser and the work it does once the parse succeeded.
struct Command {
    CLI::App* app;
    std::function<int()> run;  // returns the exit status
};

Command addSnapshotCommand(CLI::App& brik);
Command addPartsCommand(CLI::App& brik);
Command addExportCommand(CLI::App& brik);
Command addInstructionsCommand(CLI::App& brik);
Command addModelCommand(CLI::App& brik);
Command addCheckCommand(CLI::App& brik);

// Prints "brik SUB: message" on standard error, one line.
void reportError(const CLI::App& command, const std::string& message);
