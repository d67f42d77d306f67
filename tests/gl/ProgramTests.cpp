// The viewer as a program: messages, exit statuses and output files.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
