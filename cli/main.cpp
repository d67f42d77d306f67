// brik: the house's command-line tool. Each subcommand is a file of its own in cli/; the
// command line is parsed in cli/BrikCommandLine.cpp.
//
// Exit status: 0 success, 1 the work failed (no display, unwritable output), 2 a bad
// command line (unknown option, malformed or out-of-range value, missing value).

#include <iostream>

#include "cli/BrikCommandLine.h"

int main(int argc, char** argv) {
    BrikCommandLine commandLine;
    int status = kExitUsage;
    const Command* command =
        parseBrikCommandLine(commandLine, argc, argv, std::cout, std::cerr, &status);
    return command ? command->run() : status;
}
