// brik instructions as a reader sees it: the page opened in headless Chromium shows the cover,
// every picture the page names exists and is a PNG of the size the page gives it, every parts
// row has its part's picture, the steps link to each other, and the A4 print keeps the colour
// swatches' colours; the 3D guide beside it turns through the steps.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BrikCommand.h"
#include "instructions/StepFigures.h"

namespace fs = std::filesystem;

namespace {
class Instructions : public ProgramFolder {};

// A binary PPM as pdftoppm writes it: "P6", width, height, 255, then RGB bytes.
struct Ppm {
    int width = 0, height = 0;
    std::string pixels;
};
Ppm readPpm(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    Ppm image;
    std::string magic;
    int maximum = 0;
    file >> magic >> image.width >> image.height >> maximum;
    file.get();
    image.pixels.assign(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(magic, "P6");
    EXPECT_EQ(image.pixels.size(), size_t(image.width) * image.height * 3);
    return image;
}

// The pixels within 2 per channel of "#rrggbb".
int pixelsOfColour(const Ppm& image, const std::string& hex) {
    const int rgb[3] = {std::stoi(hex.substr(1, 2), nullptr, 16),
                        std::stoi(hex.substr(3, 2), nullptr, 16),
                        std::stoi(hex.substr(5, 2), nullptr, 16)};
    int count = 0;
    for (size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
        bool near = true;
        for (int c = 0; c < 3; ++c)
            near = near && std::abs((unsigned char)image.pixels[i + c] - rgb[c]) <= 2;
        count += near;
    }
    return count;
}
}  // namespace

TEST_F(Instructions, TheGuideOpensInABrowserWithTheCoverAndEveryStepsPicture) {
    copyFloorImage();
    const RunResult written = run(kBrik + " instructions -o guide --size 320x240", directory);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(written.err.empty()) << "no progress line when standard error is a file";

    const std::string page = readFile(directory / "guide" / "index.html");
    const std::regex picture("<img src=\"([^\"]+)\" width=\"(\\d+)\" height=\"(\\d+)\"");
    std::set<std::string> files, contents;
    int views = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), picture);
         it != std::sregex_iterator(); ++it) {
        const std::string file = (*it)[1];
        if (file.rfind("part-", 0) != 0) ++views;
        if (!files.insert(file).second) continue;
        SCOPED_TRACE(file);
        const RunResult format = run("identify -format '%m %w %h' 'guide/" + file + "'", directory);
        EXPECT_EQ(format.status, 0) << format.err;
        EXPECT_EQ(format.out, "PNG " + std::string((*it)[2]) + " " + std::string((*it)[3]));
        contents.insert(readFile(directory / "guide" / file));
    }
    EXPECT_EQ(views, 41) << "the cover and forty steps";
    EXPECT_EQ(contents.size(), files.size()) << "no two pictures alike";

    // Every parts row, in the full list and in each step, shows its own part's picture:
    // the same part the same file, another part another file.
    const std::regex row("<tr><td>(.*?)</td><td>(.*?)</td><td[^>]*>(.*?)</td>");
    const std::regex partPicture("<img src=\"(part-[^\"]+\\.png)\"[^>]*>");
    std::map<std::string, std::string> pictureOfPart, partOfPicture;
    int rows = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), row);
         it != std::sregex_iterator(); ++it, ++rows) {
        const std::string part = std::string((*it)[2]) + " in " + std::string((*it)[3]);
        std::smatch file;
        const std::string cell = (*it)[1];
        ASSERT_TRUE(std::regex_match(cell, file, partPicture)) << part << ": " << cell;
        EXPECT_EQ(pictureOfPart.emplace(part, file[1]).first->second, file[1]) << part;
        EXPECT_EQ(partOfPicture.emplace(file[1], part).first->second, part) << file[1];
    }
    EXPECT_GT(rows, 40) << "the full list and a table per step";

    // Every step says where it stands and links to the steps before and after it.
    for (int step = 1; step <= 40; ++step) {
        const std::string number = std::to_string(step);
        EXPECT_TRUE(std::regex_search(
            page,
            std::regex("<h2>Step " + number + " of 40( <span class=\"turned\"[^<]*</span>)?</h2>")))
            << "the heading of step " << step;
        EXPECT_NE(page.find("<a href=\"#step-" + number + "\">Step " + number + "</a>"),
                  std::string::npos)
            << "the contents list step " << step;
    }
    EXPECT_EQ(std::regex_search(page, std::regex("<meta name=\"viewport\"")), true);
    const std::regex links("rel=\"(prev|next)\"");
    EXPECT_EQ(std::distance(std::sregex_iterator(page.begin(), page.end(), links),
                            std::sregex_iterator()),
              80);
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

    // Printed on A4 as a browser prints by default (background graphics off; the driver is
    // tools/guide3d/print-guide.js): the pages numbered, the cover and the parts list first,
    // then each step on a page of its own.
    const fs::path printer = fs::current_path() / "tools" / "guide3d" / "print-guide.js";
    const RunResult printed = run(
        "(node '" + printer.string() + "' guide guide.pdf && pdftotext guide.pdf -)", directory);
    ASSERT_EQ(printed.status, 0) << printed.err;
    std::vector<std::string> pages;
    std::istringstream text(printed.out);
    for (std::string pageText; std::getline(text, pageText, '\f');) pages.push_back(pageText);
    size_t firstStep = 0;
    while (firstStep < pages.size() && pages[firstStep].find("Step 1 of 40") == std::string::npos)
        ++firstStep;
    ASSERT_EQ(pages.size(), firstStep + 40) << "a page for each step";
    ASSERT_GT(firstStep, 1u) << "the cover's page, then the parts list's";
    for (size_t index = 0; index < pages.size(); ++index) {
        const std::string number = std::to_string(index + 1);
        EXPECT_TRUE(std::regex_search(pages[index], std::regex("Page\\s+" + number + "\\s+of")))
            << "page " << number;
        if (index >= firstStep) {
            EXPECT_NE(pages[index].find("Step " + std::to_string(index - firstStep + 1) + " of 40"),
                      std::string::npos);
        }
    }

    // On the parts list's pages every colour's swatches in their colour, about 170 pixels
    // each at 100 dpi (white and black are the paper's and the text's; the part pictures
    // alone give some colours a few dozen pixels a row).
    ASSERT_EQ(
        run("pdftoppm -r 100 -f 2 -l " + std::to_string(firstStep) + " guide.pdf list", directory)
            .status,
        0);
    std::vector<Ppm> listPages;
    for (const auto& entry : fs::directory_iterator(directory))
        if (entry.path().extension() == ".ppm") listPages.push_back(readPpm(entry.path()));
    std::istringstream csv(run(kBrik + " parts --csv", directory).out);
    std::map<std::pair<std::string, std::string>, int> rowsOfColour;  // colour, #rrggbb
    for (std::string line; std::getline(csv, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
        if (fields.size() > 4 && fields[4][0] == '#' && fields[2] != "White" &&
            fields[2] != "Black")
            ++rowsOfColour[{fields[2], fields[4]}];
    }
    ASSERT_GT(rowsOfColour.size(), 3u);
    for (const auto& [colour, rowCount] : rowsOfColour) {
        int pixels = 0;
        for (const Ppm& listPage : listPages) pixels += pixelsOfColour(listPage, colour.second);
        EXPECT_GE(pixels, 130 * rowCount) << colour.first << ": swatches printed without colour";
    }
}

// At the default size every step's new pieces can be found: enough of their pixels visible
// and a clear colour step across their edges (the floors the command holds them to,
// instructions/StepFigures.h), from a view that turns seldom.
TEST_F(Instructions, EveryStepsNewPiecesAreSeenAndStandOut) {
    copyFloorImage();
    const RunResult written = run(kBrik + " instructions -o guide", directory);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(written.err.empty()) << written.err;
    EXPECT_NE(written.out.find("new pieces: visible share at least"), std::string::npos);
    std::istringstream csv(readFile(directory / "guide" / "figures.csv"));
    std::string line;
    std::getline(csv, line);
    ASSERT_EQ(line, "step,view_turned,visible_share,edge_contrast,colour_difference,new_pixels");
    int steps = 0, turns = 0;
    while (std::getline(csv, line)) {
        ++steps;
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
        ASSERT_EQ(fields.size(), 6u) << line;
        EXPECT_EQ(fields[0], std::to_string(steps));
        turns += fields[1] == "yes";
        EXPECT_GE(std::stod(fields[2]), kVisibleShareFloor) << "step " << steps;
        EXPECT_GE(std::stod(fields[3]), kEdgeContrastFloor) << "step " << steps;
        EXPECT_GT(std::stol(fields[5]), 0) << "step " << steps;
    }
    EXPECT_EQ(steps, 40);
    EXPECT_LT(turns, 8) << "the view should stay for many steps";
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

    // Step 23's list is brik parts' (its CSV's name, colour and count; the page writes the
    // colour in words, so both are compared in lower case without spaces).
    auto squeezed = [](std::string text) {
        text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        return text;
    };
    std::istringstream csv(run(kBrik + " parts --map 23 --csv", directory).out);
    std::string expected;
    std::string row;
    std::getline(csv, row);  // the header: kind,size,colour,count,rgb,name
    while (std::getline(csv, row)) {
        std::vector<std::string> fields;
        std::istringstream cells(row);
        for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
        ASSERT_EQ(fields.size(), 6u) << row;
        expected += squeezed(fields[5] + "," + fields[2] + "," + fields[3]) + "\n";
    }
    parts = squeezed(parts);
    EXPECT_EQ(parts, expected);

    // The view shows the model (a blank one has a colour or two) and steps 22 and 23 differ.
    const RunResult colours = run("identify -format '%k' step-23.png", directory);
    ASSERT_EQ(colours.status, 0) << colours.err;
    EXPECT_GT(std::stoi(colours.out), 1000);
    const RunResult difference = run("compare -metric AE step-22.png step-23.png null:", directory);
    EXPECT_GT(std::atof(difference.err.c_str()), 0) << difference.err;
}
