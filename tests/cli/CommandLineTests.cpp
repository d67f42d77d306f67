// Both programs' command-line manners as a user meets them: every line of the table is run in a
// scratch folder, with its exit status and the first line it prints (on the stream that line
// belongs to) checked. Only lines that end before any window opens are here, but for the two
// that write a picture to standard output.

#include <gtest/gtest.h>

#include <string>

#include "cli/BrikCommand.h"
#include "support/ProgramRun.h"

namespace {
const std::string kHouse = std::string(BRIK_BUILD_DIR) + "/brik-house";

struct CommandLineCase {
    std::string arguments;  // after the program's path
    bool viewer;            // brik-house rather than brik
    int status;
    bool onStandardError;   // where `firstLine` is printed; the other stream is then empty
    std::string firstLine;  // its beginning; empty: nothing is printed there at all
};

const CommandLineCase kCases[] = {
    {"--version", false, 0, false, "brik "},
    {"--version", true, 0, false, "brik-house "},
    {"--help", true, 0, false, "Show the brick house in a window"},
    {"help snapshot", false, 0, false, "Render the viewer's frame"},
    {"help", false, 0, false, "Build, list, export and draw the brick house"},
    {"help bogus", false, 2, true, "brik help: SUBCOMMAND: bogus not in"},
    {"--bogus", true, 2, true, "brik-house: The following argument was not expected: --bogus"},
    {"stray", true, 2, true, "brik-house: The following argument was not expected: stray"},
    {"--renderer", true, 2, true, "brik-house: --renderer: 1 required NAME missing"},
    {"--floor absent.rgb", true, 2, true, "brik-house: --floor: File does not exist: absent.rgb"},
    {"snapshot -o house.jpg", false, 2, true,
     "brik snapshot: --output: 'house.jpg' does not end in .png"},
    {"snapshot --floor absent.rgb", false, 2, true, "brik snapshot: --floor: File does not exist"},
    {"export -o house.stl", false, 2, true, "brik export: --output: 'house.stl' does not end in"},
    // A picture or a model on standard output: its format's signature, messages on stderr.
    {"snapshot -o - --size 64x48", false, 0, false, "\x89PNG"},
    {"export -o -", false, 0, false, "glTF"},
    // -q: nothing but errors.
    {"snapshot -q --size 64x48 -o quiet.png", false, 0, false, ""},
    {"export -q -o quiet.glb", false, 0, false, ""},
};

class CommandLines : public ProgramFolder {};
}  // namespace

TEST_F(CommandLines, EndWithTheirStatusAndFirstLine) {
    for (const CommandLineCase& line : kCases) {
        const std::string program = line.viewer ? kHouse : kBrik;
        SCOPED_TRACE(program + " " + line.arguments);
        const RunResult result = run(program + " " + line.arguments, directory);
        EXPECT_EQ(result.status, line.status);
        const std::string& printed = line.onStandardError ? result.err : result.out;
        const std::string& other = line.onStandardError ? result.out : result.err;
        if (line.firstLine.empty())
            EXPECT_TRUE(printed.empty()) << printed;
        else
            EXPECT_EQ(printed.rfind(line.firstLine, 0), 0u) << printed;
        // Messages never mix with a picture or a model on standard output; a refusal and a quiet
        // run print nothing else.
        const bool dataOnStandardOutput = line.arguments.find("-o -") != std::string::npos;
        EXPECT_EQ(other.empty(), !dataOnStandardOutput) << other;
    }
}
