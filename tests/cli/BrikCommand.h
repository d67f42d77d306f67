#pragma once

// The brik command for the tests that run it: its path and checks every subcommand shares.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/ProgramRun.h"

const std::string kBrik = std::string(BRIK_BUILD_DIR) + "/brik";

// A refused command line: status 2, one line on standard error that starts with `prefix`
// and names `option`, then the hint to ask for help; nothing on standard output.
inline void expectUsageError(const RunResult& result, const std::string& prefix,
                             const std::string& option) {
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err.rfind(prefix, 0), 0u) << result.err;
    EXPECT_NE(result.err.find(option), std::string::npos) << result.err;
    const size_t firstLineEnd = result.err.find('\n');
    ASSERT_NE(firstLineEnd, std::string::npos) << result.err;
    const std::string hint = result.err.substr(firstLineEnd + 1);
    EXPECT_EQ(hint.rfind("Run 'brik", 0), 0u) << result.err;
    EXPECT_NE(hint.find("--help"), std::string::npos) << result.err;
    EXPECT_EQ(std::count(hint.begin(), hint.end(), '\n'), 1) << result.err;
    EXPECT_TRUE(result.out.empty()) << result.out;
}
