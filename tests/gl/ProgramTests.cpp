// The viewer as a program: messages, exit statuses and output files.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "io/BuildInfo.h"
#include "image/ImageWrite.h"
#include "support/ProgramRun.h"

namespace {
const std::string kBuildDir = BRIK_BUILD_DIR;

class Programs : public ProgramFolder {
protected:
    const std::string viewer = kBuildDir + "/brik-house";
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
    // A floor image named by --floor that cannot be read ends the same way.
    const std::filesystem::path unreadable = directory / "images" / "Unreadable.rgb";
    std::ofstream(unreadable) << "not an image";
    const RunResult refused = run(viewer + " --floor images/Unreadable.rgb", directory);
    EXPECT_EQ(refused.status, 255);
    EXPECT_EQ(refused.err.rfind("images/Unreadable.rgb: ", 0), 0u) << refused.err;
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;

    // A copy of the program away from the build tree finds no floor image anywhere (unless one
    // is installed on this machine); the one line names every place it looked, the working
    // directory's first. --startup-report ends it after one frame should it find one.
    if (std::filesystem::exists(std::string(kInstalledDataFolder) + "/Floor.rgb"))
        GTEST_SKIP() << "a floor image is installed in " << kInstalledDataFolder;
    std::filesystem::copy_file(viewer, directory / "brik-house");
    const RunResult nowhere = run("./brik-house --startup-report", directory);
    EXPECT_EQ(nowhere.status, 255);
    EXPECT_EQ(
        nowhere.err.rfind("brik-house: Floor.rgb: not found; looked in images/Floor.rgb, ", 0), 0u)
        << nowhere.err;
    EXPECT_EQ(std::count(nowhere.err.begin(), nowhere.err.end(), '\n'), 1) << nowhere.err;
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
