// brik instructions as a reader sees it: the page opened in headless Chromium shows the cover,
// and every picture the page names exists and is a PNG of the size the page gives it; the 3D
// guide beside it turns through the steps.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

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

// The 3D guide as a reader uses it, in headless Chromium with its software WebGL
// (tools/guide3d/read-guide.js drives it and reports what it saw, line by line).
TEST_F(Instructions, The3DGuideTurnsThroughTheStepsInABrowser) {
    copyFloorImage();
    ASSERT_EQ(run(kBrik + " instructions -o guide --size 64x48", directory).status, 0);
    const fs::path reader = fs::current_path() / "tools" / "guide3d" / "read-guide.js";
    const RunResult seen = run("node '" + reader.string() + "' guide .", directory);
    ASSERT_EQ(seen.status, 0) << seen.err;

    std::vector<std::string> steps;
    std::string parts;
    std::istringstream lines(seen.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(line.rfind("error ", 0), 0u) << line << ": no console error nor failed load";
        int scroll = 0, client = 0;
        if (std::sscanf(line.c_str(), "widths %*s %*s %d %d", &scroll, &client) == 2) {
            EXPECT_LE(scroll, client) << line << ": no horizontal scrollbar";
        }
        if (line.rfind("step ", 0) == 0) steps.push_back(line.substr(5));
        if (line.rfind("part ", 0) == 0) parts += line.substr(5) + "\n";
    }
    // Opened, dragged to step 23, then the left arrow key.
    EXPECT_EQ(steps, (std::vector<std::string>{"0", "23", "22"})) << seen.out;

    // Step 23's list is brik parts' (its CSV without the rgb column).
    std::istringstream csv(run(kBrik + " parts --map 23 --csv", directory).out);
    std::string expected;
    std::string row;
    std::getline(csv, row);  // the header
    while (std::getline(csv, row)) expected += row.substr(0, row.rfind(',')) + "\n";
    EXPECT_EQ(parts, expected);

    // The view shows the model (a blank one has a colour or two) and steps 22 and 23 differ.
    const RunResult colours = run("identify -format '%k' step-23.png", directory);
    ASSERT_EQ(colours.status, 0) << colours.err;
    EXPECT_GT(std::stoi(colours.out), 1000);
    const RunResult difference = run("compare -metric AE step-22.png step-23.png null:", directory);
    EXPECT_GT(std::atof(difference.err.c_str()), 0) << difference.err;
}
