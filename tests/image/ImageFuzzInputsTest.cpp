// The fuzz target's seeds and every input it ever found failing (tests/image/regressions/, where
// `make fuzz` writes them): each is read, or refused with one line, without a crash, a sanitizer
// report or a leak. Seeds are valid files and must be read.

#include "ImageTestSupport.h"

#include <filesystem>

namespace image_test {
namespace {

namespace fs = std::filesystem;

// The tests run from the project's root.
const fs::path kSeeds = "tests/fuzz/seeds";
const fs::path kRegressions = "tests/image/regressions";

TEST(ImageFuzzInputs, SeedsAreReadAndRegressionsReadOrRefusedOnOneLine) {
    int seeds = 0;
    for (const fs::path& folder : {kSeeds, kRegressions}) {
        ASSERT_TRUE(fs::is_directory(folder)) << folder;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == ".md") continue;  // the folder's note
            SCOPED_TRACE(entry.path().string());
            LoadedImage* image = nullptr;
            ImageError error;
            const bool read = ImageTryLoad(entry.path().c_str(), &image, &error);
            ImageFree(image);
            if (folder == kSeeds) {
                EXPECT_TRUE(read) << error.message;
                ++seeds;
            } else if (!read) {
                EXPECT_EQ(error.message.find('\n'), std::string::npos) << error.message;
                EXPECT_FALSE(error.message.empty());
            }
        }
    }
    EXPECT_GT(seeds, 0);
}

}  // namespace
}  // namespace image_test
