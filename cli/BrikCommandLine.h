#pragma once

// The `brik` command line apart from running it: the app with every subcommand's options (the
// one table that --help, the manual page and the shell completion are made from), and the parse
// of argv into the command to run. Parsing never draws, writes a file or ends the process.

#include <CLI/CLI.hpp>

#include <ostream>
#include <vector>

#include "cli/Command.h"

struct BrikCommandLine {
    BrikCommandLine();  // builds the app and registers every subcommand
    BrikCommandLine(const BrikCommandLine&) = delete;
    BrikCommandLine& operator=(const BrikCommandLine&) = delete;

    CLI::App app;
    std::vector<Command> commands;  // the subcommands that do work (not `help`)
};

// Parses argv. Returns the command to run, or nullptr when the parse itself ended the program:
// then *status is 0 after printing help or the version on `out`, or kExitUsage after one line
// naming the fault and one pointing to --help on `err`.
const Command* parseBrikCommandLine(BrikCommandLine& commandLine, int argc, const char* const* argv,
                                    std::ostream& out, std::ostream& err, int* status);
