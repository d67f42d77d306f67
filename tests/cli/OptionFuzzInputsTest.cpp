// The option fuzz target's seeds and every input it ever found failing (tests/cli/regressions/,
// where `make fuzz` writes them), replayed through the same parse: none may crash, trip a
// sanitizer in the sanitized build, or break a parser's promise (which aborts).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/OptionInput.h"

namespace fs = std::filesystem;

TEST(OptionFuzzInputs, SeedsAndRegressionsParseWithoutFault) {
    int inputs = 0;
    for (const fs::path folder : {"tests/fuzz/option-seeds", "tests/cli/regressions"}) {
        ASSERT_TRUE(fs::is_directory(folder)) << folder;  // the tests run from the project's root
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == ".md") continue;  // the folder's note
            SCOPED_TRACE(entry.path().string());
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file), {}};
            parseOptionInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0);
}
