// Reading the frame back when its pixels cannot be allocated: one line and status -1, not an
// uncaught exception. The allocation fails before any OpenGL call, so no window is needed.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include "render/FrameCapture.h"

namespace {

constexpr int kLargestSide = 16384;  // 768 MiB of RGB pixels, read back twice

TEST(FrameCapture, AReadBackThatCannotAllocateEndsWithOneLine) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves the address space this test limits";
#else
    const auto readBackWithLittleMemory = [] {
        const rlim_t bytes = 512ULL * 1024 * 1024;
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_AS, &limit);
        readBackBuffer(kLargestSide, kLargestSide);
    };
    EXPECT_EXIT(readBackWithLittleMemory(), ::testing::ExitedWithCode(255),
                "^cannot read back the 16384x16384 frame: out of memory\n$");
#endif
}

}  // namespace
