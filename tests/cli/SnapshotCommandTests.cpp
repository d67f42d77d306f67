// brik snapshot as a user runs it: the picture and timings, and every way to get it wrong.

#include <algorithm>
#include <filesystem>
#include <utility>
#include <string>

#include "BrikCommand.h"

namespace fs = std::filesystem;

namespace {
class Snapshot : public ProgramFolder {
protected:
    const std::string snapshot = kBrik + " snapshot";
};
}  // namespace

TEST_F(Snapshot, WritesAPngAndReportsEveryPass) {
    copyFloorImage();
    const RunResult result =
        run(snapshot +
                " -o shot.png --frames 2 --size 320x240 --scene base-plate --light-angle -30.5"
                " --overlay fps,help --overlay shadow-map",
            directory);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string png = readFile(directory / "shot.png");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    for (const char* line :
         {"frame", "light pass", "dim pass", "lit pass", "floor", "frames per second"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line;
    EXPECT_NE(result.out.find("2 frame(s) at 320x240"), std::string::npos) << result.out;
}

TEST_F(Snapshot, WithTheFastRendererReportsItsPassesAndDrawsTheHouseOnly) {
    copyFloorImage();
    const RunResult result =
        run(snapshot + " -o shot.png --frames 2 --size 320x240 --renderer fast", directory);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::exists(directory / "shot.png"));
    for (const char* line : {"fast renderer", "shadow map", "camera pass", "floor"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line << " in " << result.out;
    expectUsageError(run(snapshot + " --renderer fast --scene showcase", directory),
                     "brik snapshot: ", "--renderer");
}

TEST_F(Snapshot, RefusesBadOptionsBeforeDrawing) {
    copyFloorImage();
    // Option and value; the option is named in the message. Numbers that wrap around a
    // 32-bit integer to a valid value must be refused, not wrapped.
    const std::pair<const char*, const char*> cases[] = {
        {"--frames", "0"},
        {"--frames", "4294967297"},
        {"--frames", "1e3"},
        {"--frames", ""},
        {"--size", "12"},
        {"--size", "4294967306x10"},
        {"--size", "16385x10"},
        {"--size", "0x10"},
        {"--eye", "1,2"},
        {"--eye", "nan,1,1"},
        {"--eye", "1,inf,1"},
        {"--eye", "0,5,0"},
        {"--eye", "0,-3,0"},
        {"--eye", "0,0,0"},
        {"--eye", "500,1,1"},
        {"--eye", "-1.85,1.84,-1.85"},  // the near plane would cut into the house
        {"--scene", "garden"},
        {"--light-angle", "east"},
        {"--light-angle", "nan"},
        {"--overlay", "fps,clock"},
        {"--renderer", "slow"},
        {"--bogus", ""},
        {"-o", "''"},
    };
    for (const auto& [option, value] : cases) {
        const std::string arguments = std::string(option) + " " + value;
        SCOPED_TRACE(arguments);
        expectUsageError(run(snapshot + " -o shot.png " + arguments, directory),
                         "brik snapshot: ", option[1] == '-' ? option : "--output");
        EXPECT_FALSE(fs::exists(directory / "shot.png"));
    }
    expectUsageError(run(snapshot + " --frames", directory), "brik snapshot: ", "--frames");
    expectUsageError(run(kBrik + " shapshot", directory), "brik: ", "shapshot");
}

TEST_F(Snapshot, FailsInOneLineWithoutADisplayOrAFolderToWriteIn) {
    copyFloorImage();
    for (const std::string& commandLine :
         {"env -u DISPLAY " + snapshot + " -o shot.png", snapshot + " -o missing/shot.png"}) {
        SCOPED_TRACE(commandLine);
        const RunResult result = run(commandLine, directory);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err.rfind("brik snapshot: ", 0), 0u) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST_F(Snapshot, HelpGoesToStandardOutput) {
    const RunResult top = run(kBrik + " --help", directory);
    EXPECT_EQ(top.status, 0);
    for (const char* subcommand : {"snapshot", "parts"})
        EXPECT_NE(top.out.find(subcommand), std::string::npos) << subcommand;
    const RunResult help = run(snapshot + " --help", directory);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.err.empty()) << help.err;
    for (const char* option : {"--output", "--frames", "--size", "--eye", "--scene"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}
