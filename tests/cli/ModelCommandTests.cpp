// brik model and --model as a user runs them: the house written by `brik model` draws, counts
// and exports exactly as the built-in one; a bad file is refused on one line with status 2.

#include <filesystem>
#include <fstream>
#include <string>

#include "BrikCommand.h"

namespace {
class ModelCommand : public ProgramFolder {
protected:
    void SetUp() override {
        ProgramFolder::SetUp();
        const RunResult written = run(kBrik + " model -o house.brik", directory);
        ASSERT_EQ(written.status, 0) << written.err;
    }
    // The same command line on the built-in house and on the written one: same output.
    void expectSameWithModel(const std::string& command, const std::string& output = "") {
        SCOPED_TRACE(command);
        const RunResult builtIn = run(kBrik + " " + command, directory);
        const std::string builtInBytes = output.empty() ? "" : readFile(directory / output);
        const RunResult read = run(kBrik + " " + command + " --model house.brik", directory);
        ASSERT_EQ(builtIn.status, 0) << builtIn.err;
        ASSERT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(read.out, builtIn.out);
        if (!output.empty()) {
            EXPECT_FALSE(builtInBytes.empty());
            EXPECT_TRUE(readFile(directory / output) == builtInBytes) << output << " differs";
        }
    }
};
}  // namespace

TEST_F(ModelCommand, WrittenHouseCountsAndExportsAsTheBuiltInOne) {
    expectSameWithModel("parts --csv");
    expectSameWithModel("parts --csv --upto 12");
    expectSameWithModel("parts --csv --map 23");
    expectSameWithModel("export -o house.glb", "house.glb");
}

TEST_F(ModelCommand, WrittenHouseDrawsTheBuiltInPicture) {
    copyFloorImage();
    for (const char* renderer : {"fixed", "fast"}) {
        const std::string command =
            std::string("snapshot -o shot.png --size 320x240 --renderer ") + renderer;
        const RunResult builtIn = run(kBrik + " " + command, directory);
        ASSERT_EQ(builtIn.status, 0) << builtIn.err;
        const std::string picture = readFile(directory / "shot.png");
        const RunResult read = run(kBrik + " " + command + " --model house.brik", directory);
        ASSERT_EQ(read.status, 0) << read.err;
        EXPECT_TRUE(readFile(directory / "shot.png") == picture) << renderer;
    }
}

TEST_F(ModelCommand, BadFileOrStepBeyondTheModelIsRefused) {
    std::ofstream(directory / "bad.brik") << "plate 4 4 Green\nstep\n1 Brick 2 Red 0 0.4 0\n";
    for (const char* command : {"parts", "export -o x.glb", "snapshot -o x.png"}) {
        const RunResult result = run(kBrik + " " + command + " --model bad.brik", directory);
        EXPECT_EQ(result.status, 2) << command;
        EXPECT_EQ(result.err.rfind("bad.brik:3:3: Brick takes 2 arguments", 0), 0u) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        EXPECT_FALSE(std::ifstream(directory / "x.glb")) << "nothing written";
    }
    // The tests run from the project's root.
    const std::string sample = std::filesystem::absolute("models/lighthouse.brik").string();
    const RunResult beyond = run(kBrik + " parts --map 6 --model " + sample, directory);
    EXPECT_EQ(beyond.status, 2);
    EXPECT_NE(beyond.err.find("--map 6: the model has 5 layer maps"), std::string::npos)
        << beyond.err;
}
