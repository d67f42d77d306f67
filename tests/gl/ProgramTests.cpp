// The viewer and the snapshot tool as programs: messages, exit statuses and output files.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "image/ImageWrite.h"

namespace fs = std::filesystem;

namespace {
const std::string kBuildDir = BRIK_BUILD_DIR;
const fs::path kSourceDir = fs::current_path();  // the tests run from the project's root

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs a command line in `directory` and collects its exit status and both streams.
RunResult run(const std::string& commandLine, const fs::path& directory) {
    const fs::path out = directory / "stdout.txt", err = directory / "stderr.txt";
    const std::string shell = "cd '" + directory.string() + "' && " + commandLine + " >'" +
                              out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(shell.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
}

class Programs : public ::testing::Test {
protected:
    void SetUp() override {
        directory = fs::temp_directory_path() /
                    ("brik-programs-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(directory);
        fs::create_directories(directory / "images");
    }
    void TearDown() override { fs::remove_all(directory); }

    void copyFloorImage() {
        fs::copy_file(kSourceDir / "images" / "Floor.rgb", directory / "images" / "Floor.rgb");
    }

    fs::path directory;
    const std::string viewer = kBuildDir + "/brik-house";
    const std::string snapshot = kBuildDir + "/brik-snapshot";
};
}  // namespace

TEST_F(Programs, TheViewerEndsWithItsMessageWhenAShadowExtensionIsMissing) {
    copyFloorImage();
    const std::string message = "I require ARB_depth_texture and ARB_shadow extensionsn\n";
    const RunResult withoutShadow =
        run("MESA_EXTENSION_OVERRIDE=-GL_ARB_shadow " + viewer, directory);
    EXPECT_EQ(withoutShadow.status, 0);
    EXPECT_EQ(withoutShadow.out, message);

    // Mesa warns on standard output that this one is built in, then hides it anyway.
    const RunResult withoutDepthTexture =
        run("MESA_EXTENSION_OVERRIDE=-GL_ARB_depth_texture " + viewer, directory);
    EXPECT_EQ(withoutDepthTexture.status, 0);
    ASSERT_GE(withoutDepthTexture.out.size(), message.size());
    EXPECT_EQ(withoutDepthTexture.out.substr(withoutDepthTexture.out.size() - message.size()),
              message);
}

TEST_F(Programs, TheViewerRefusesAMissingFloorImageWithOneLine) {
    const RunResult result = run(viewer, directory);
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.err.rfind("images/Floor.rgb: ", 0), 0u) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

TEST_F(Programs, TheViewerRefusesAFloorImageThatIsNotRgb) {
    // Valid one- and four-channel images: the texture is built as RGB, so they must be refused.
    for (const auto& [channels, count] :
         {std::pair{1, "1 channel;"}, std::pair{4, "4 channels;"}}) {
        std::vector<unsigned char> pixels(4 * 4 * 4, 200);
        std::string error;
        ASSERT_TRUE(ImageWrite((directory / "images" / "Floor.rgb").c_str(), 4, 4, channels,
                               pixels.data(), ImageStorage::RunLength, &error))
            << error;
        const RunResult result = run(viewer, directory);
        EXPECT_EQ(result.status, 255);
        EXPECT_EQ(result.err, std::string("images/Floor.rgb: the floor image has ") + count +
                                  " it must have 3 (RGB)\n");
    }
}

TEST_F(Programs, TheSnapshotToolWritesAPngAndReportsEveryPass) {
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

TEST_F(Programs, TheSnapshotToolRejectsBadOptionsWithOneLine) {
    copyFloorImage();
    for (const char* options : {"--frames 0", "--size 12", "--eye 1,2", "--scene garden",
                                "--light-angle east", "--overlay fps,clock", "--bogus"}) {
        SCOPED_TRACE(options);
        const RunResult result = run(snapshot + " " + options, directory);
        EXPECT_EQ(result.status, 1);
        EXPECT_FALSE(result.err.empty());
        EXPECT_FALSE(fs::exists(directory / "brik-house.png"));
    }
}
