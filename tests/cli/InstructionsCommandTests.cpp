// brik instructions as a reader sees it: the page opened in headless Chromium shows the cover,
// and every picture the page names exists and is a PNG of the size the page gives it.

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "BrikCommand.h"

namespace fs = std::filesystem;

namespace {
class Instructions : public ProgramFolder {};
}  // namespace

TEST_F(Instructions, TheGuideOpensInABrowserWithTheCoverAndEveryStepsPicture) {
    copyFloorImage();
    const RunResult written = run(kBrik + " instructions -o guide --size 320x240", directory);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(written.err.empty()) << "no progress line when standard error is a file";

    const std::string page = readFile(directory / "guide" / "index.html");
    const std::regex picture("<img src=\"([^\"]+)\" width=\"(\\d+)\" height=\"(\\d+)\"");
    int pictures = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), picture);
         it != std::sregex_iterator(); ++it, ++pictures) {
        const std::string file = (*it)[1];
        SCOPED_TRACE(file);
        const RunResult format = run("identify -format '%m %w %h' 'guide/" + file + "'", directory);
        EXPECT_EQ(format.status, 0) << format.err;
        EXPECT_EQ(format.out, "PNG " + std::string((*it)[2]) + " " + std::string((*it)[3]));
    }
    EXPECT_EQ(pictures, 41) << "the cover and forty steps";
    for (int step = 1; step <= 40; ++step)
        EXPECT_NE(page.find("<h2>Step " + std::to_string(step) + "</h2>"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("http"), std::string::npos) << "nothing from outside";

    // The top of the page is the title and the cover: a rendered house has thousands of
    // colours, a blank or broken page a handful.
    const RunResult browser =
        run("chromium --headless --no-sandbox --disable-gpu --user-data-dir=profile "
            "--window-size=800,600 --screenshot=page.png file://" +
                (directory / "guide" / "index.html").string(),
            directory);
    ASSERT_TRUE(fs::exists(directory / "page.png")) << browser.err;
    const RunResult colours = run("identify -format '%k' page.png", directory);
    EXPECT_GT(std::stoi(colours.out), 1000) << "the screenshot does not show the cover";
}

TEST_F(Instructions, RefusesBadOptionsAndNeedsADisplay) {
    expectUsageError(run(kBrik + " instructions", directory), "brik instructions: ", "--output");
    expectUsageError(run(kBrik + " instructions -o guide --size 0x1", directory),
                     "brik instructions: ", "--size");
    const RunResult noDisplay =
        run("env -u DISPLAY " + kBrik + " instructions -o guide", directory);
    EXPECT_EQ(noDisplay.status, 1);
    EXPECT_EQ(noDisplay.err.rfind("brik instructions: no display", 0), 0u) << noDisplay.err;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))  // no empty guide
        EXPECT_TRUE(entry.path().filename() == "images" || entry.path().extension() == ".txt")
            << "left behind: " << entry.path();
    std::ofstream(directory / "taken") << "a file";
    const RunResult taken = run(kBrik + " instructions -o taken", directory);
    EXPECT_EQ(taken.status, 1);
    EXPECT_EQ(taken.err, "brik instructions: taken: exists and is not a folder\n");
}
