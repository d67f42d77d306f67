// The leak suppressions hide the OpenGL driver's, GLX's and freeglut's leaks and nothing of
// ours: a program that draws the viewer's frame ends cleanly, and the same program losing
// blocks in its own code (one under a freeglut callback) is reported and fails.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr int kLeakExitStatus = 1;  // AddressSanitizer's exit code, also for leaks
const std::string kCanary = std::string(BRIK_BUILD_DIR) + "/tests/brik-leak-canary";

struct CanaryRun {
    int status;
    std::string errors;
};

CanaryRun runCanary(const std::string& arguments) {
    const std::string errors = ::testing::TempDir() + "leak-canary.stderr";
    const int raw = std::system((kCanary + " " + arguments + " 2>" + errors).c_str());
    std::ifstream in(errors);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1,
            std::string(std::istreambuf_iterator<char>(in), {})};
}

TEST(LeakSanitizer, TheLibrariesLeaksAreSuppressedAndOursAreNot) {
    const CanaryRun clean = runCanary("");
    EXPECT_EQ(clean.status, 0) << clean.errors;

    const CanaryRun leaking = runCanary("--leak");
    EXPECT_EQ(leaking.status, kLeakExitStatus) << leaking.errors;
    EXPECT_NE(leaking.errors.find("loseBlockInCallback"), std::string::npos) << leaking.errors;
    EXPECT_NE(leaking.errors.find("SUMMARY: AddressSanitizer: 3000 byte(s) leaked in 2"),
              std::string::npos)
        << leaking.errors;
}

}  // namespace
