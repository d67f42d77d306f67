// `cmake --install` into a scratch DESTDIR, then the installed brik run from another folder as a
// user would: it must find its floor image in the installed data, and every installed file must
// be in its place, the manual pages rendering without a warning and the completion completing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/BrikCommand.h"
#include "support/ProgramRun.h"

namespace fs = std::filesystem;

namespace {
class Installed : public ProgramFolder {};
}  // namespace

TEST_F(Installed, ProgramsRunFromAnotherFolderWithEveryFileInPlace) {
    const fs::path staging = directory / "staging";
    const RunResult install =
        run("DESTDIR='" + staging.string() + "' cmake --install '" BRIK_BUILD_DIR "'", directory);
    ASSERT_EQ(install.status, 0) << install.err;
    const fs::path prefix = staging / fs::path(BRIK_INSTALL_PREFIX).relative_path();

    for (const char* file :
         {"bin/brik", "bin/brik-house", "share/brik/Floor.rgb", "share/man/man1/brik.1",
          "share/man/man1/brik-house.1", "share/bash-completion/completions/brik",
          "share/bash-completion/completions/brik-house", "share/applications/brik-house.desktop",
          "share/icons/hicolor/256x256/apps/brik-house.png"})
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;

    // From a folder with no images/ of its own, the data comes from the installed share/brik.
    const fs::path elsewhere = directory / "elsewhere";
    fs::create_directories(elsewhere);
    const std::string brik = (prefix / "bin" / "brik").string();
    EXPECT_EQ(run(brik + " snapshot -q --size 160x120 -o house.png", elsewhere).status, 0);
    EXPECT_EQ(readFile(elsewhere / "house.png").substr(1, 3), "PNG");
    const RunResult parts = run(brik + " parts", elsewhere);
    EXPECT_EQ(parts.status, 0);
    EXPECT_NE(parts.out.find(" parts, "), std::string::npos) << parts.out;
    EXPECT_EQ(run(brik + " export -q -o house.glb", elsewhere).status, 0);
    EXPECT_EQ(readFile(elsewhere / "house.glb").substr(0, 4), "glTF");

    for (const char* page : {"brik.1", "brik-house.1"}) {
        const RunResult man = run(
            "MANWIDTH=80 man -l --warnings '" + (prefix / "share/man/man1" / page).string() + "'",
            elsewhere);
        EXPECT_EQ(man.status, 0) << page;
        EXPECT_NE(man.out.find("SYNOPSIS"), std::string::npos) << page;
        EXPECT_EQ(man.err, "") << page;
    }
    // The completion knows the subcommands' own options, from the same table as --help.
    const RunResult completion = run(
        "bash -c 'source \"" + (prefix / "share/bash-completion/completions/brik").string() +
            "\"; COMP_WORDS=(brik snapshot --fram); COMP_CWORD=2; _brik; echo \"${COMPREPLY[*]}\"'",
        elsewhere);
    EXPECT_EQ(completion.out, "--frames\n") << completion.err;
}
