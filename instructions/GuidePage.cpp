#include "instructions/GuidePage.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "instructions/Guide3D.h"
#include "parts/PartsList.h"

namespace {
// On screen the pictures shrink to the window's width; in print a step's picture, its parts
// and its heading share one A4 page, and the swatches and pictures keep their colours.
constexpr const char* kStyle = R"(body { font-family: sans-serif; margin: 2em; color: #222; }
* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
table { border-collapse: collapse; margin: 0.5em 0; }
td, th { border: 1px solid #bbb; padding: 2px 8px; text-align: left; vertical-align: middle; }
td.count { text-align: right; }
td.colour { white-space: nowrap; }
img { max-width: 100%; height: auto; }
img.part { width: 72px; display: block; }
.step { margin: 2em 0; }
.turned { font-size: 0.6em; font-weight: normal; color: #fff; background: #0078ff;
  border-radius: 1em; padding: 0.1em 0.7em; vertical-align: middle; white-space: nowrap; }
.step-body { display: flex; flex-wrap: wrap; gap: 1em 2em; align-items: flex-start; }
nav.contents ol { display: flex; flex-wrap: wrap; gap: 0.3em 1em; padding-left: 0; list-style: none; }
nav.step-links { display: flex; flex-wrap: wrap; gap: 0.5em 1.5em; margin: 0.5em 0; }
.swatch { display: inline-block; width: 0.9em; height: 0.9em; border: 1px solid #444;
  vertical-align: -0.1em; }
@media (max-width: 600px) { body { margin: 1em; } td, th { padding: 2px 4px; }
  img.part { width: 48px; } }
@page { size: A4; margin: 12mm 12mm 16mm;
  @bottom-center { content: "Page " counter(page) " of " counter(pages); font: 9pt sans-serif; } }
@media print {
  body { margin: 0; font-size: 10pt; }
  nav.contents, nav.step-links, .online { display: none; }
  #parts, .step { break-before: page; }
  .step { margin: 0; break-inside: avoid; }
  .step-view img { max-height: 110mm; width: auto; }
  img.part { width: 14mm; }
  tr { break-inside: avoid; }
  td, th { padding: 1px 6px; }
}
)";

std::string image(const GuideImage& picture, const std::string& description) {
    return "<img src=\"" + picture.file + "\" width=\"" + std::to_string(picture.width) +
           "\" height=\"" + std::to_string(picture.height) + "\" alt=\"" + description + "\">";
}

// The name with its sizes kept on one line: "Brick 2&nbsp;×&nbsp;4".
std::string unbrokenSizes(std::string name) {
    const std::string separator = kSizeSeparator, unbroken = "&nbsp;×&nbsp;";
    for (size_t at = name.find(separator); at != std::string::npos;
         at = name.find(separator, at + unbroken.size()))
        name.replace(at, separator.size(), unbroken);
    return name;
}

std::string partsTable(const PartsList& list, int partWidth, int partHeight) {
    std::string html =
        "<table>\n<tr><th>Picture</th><th>Part</th><th>Colour</th><th>Count</th></tr>\n";
    for (const Part& part : list.parts) {
        const std::string picture = "<img src=\"" + partPictureName(part) + "\" width=\"" +
                                    std::to_string(partWidth) + "\" height=\"" +
                                    std::to_string(partHeight) + "\" alt=\"\" class=\"part\">";
        const std::string hex = part.colourHex;
        const std::string swatch =
            hex.empty() ? "" : "<span class=\"swatch\" style=\"background:" + hex + "\"></span> ";
        html += "<tr><td>" + picture + "</td><td>" + unbrokenSizes(part.name) +
                "</td><td class=\"colour\">" + swatch + colourWords(part.colourName) +
                "</td><td class=\"count\">" + std::to_string(part.count) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

std::string stepAnchor(int map, const std::string& text, const std::string& rel = "") {
    return "<a href=\"#step-" + std::to_string(map) + "\"" +
           (rel.empty() ? "" : " rel=\"" + rel + "\"") + ">" + text + "</a>";
}

std::string contents(int stepCount) {
    std::string html =
        "<nav class=\"contents\" id=\"contents\" aria-label=\"Contents\">\n<h2>Contents</h2>\n"
        "<ol>\n<li><a href=\"#parts\">Parts list</a></li>\n";
    for (int map = 1; map <= stepCount; ++map)
        html += "<li>" + stepAnchor(map, "Step " + std::to_string(map)) + "</li>\n";
    return html + "</ol>\n</nav>\n";
}

// Step 1 goes back to the parts list, the last step on to the finished house at the top.
std::string stepLinks(int map, int stepCount) {
    const std::string previous =
        map > 1 ? stepAnchor(map - 1, "← Step " + std::to_string(map - 1), "prev")
                : "<a href=\"#parts\" rel=\"prev\">← Parts list</a>";
    const std::string next =
        map < stepCount ? stepAnchor(map + 1, "Step " + std::to_string(map + 1) + " →", "next")
                        : "<a href=\"#top\" rel=\"next\">The finished house →</a>";
    return "<nav class=\"step-links\" aria-label=\"Steps\">" + previous +
           "<a href=\"#contents\">Contents</a>" + next + "</nav>\n";
}
}  // namespace

std::string stepImageName(int map) {
    char name[32];
    std::snprintf(name, sizeof name, "step-%02d.png", map);
    return name;
}

bool isGuideFileName(const std::string& name) {
    if (name == kGuidePageFile || name == kGuideCoverFile || name == kGuideFiguresFile ||
        isGuide3DFileName(name))
        return true;
    const std::string suffix = ".png";
    if (name.size() <= suffix.size() ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string stem = name.substr(0, name.size() - suffix.size());
    const auto tail = [&stem](const std::string& prefix, const char* letters) {
        return stem.size() > prefix.size() && stem.rfind(prefix, 0) == 0 &&
               stem.find_first_not_of(letters, prefix.size()) == std::string::npos;
    };
    return tail("step-", "0123456789") || tail("part-", "abcdefghijklmnopqrstuvwxyz0123456789-");
}

std::string partPictureName(const Part& part) {
    // The part's name and colour in lower case, runs of other characters as one hyphen, the
    // size's × as x: "part-roof-tile-45-2x4-red.png".
    const std::string words = part.name + " " + colourWords(part.colourName);
    std::string name = "part";
    bool gap = true;
    for (size_t i = 0; i < words.size(); ++i) {
        const unsigned char letter = static_cast<unsigned char>(words[i]);
        if (std::isalnum(letter)) {
            name += (gap ? "-" : "") + std::string(1, char(std::tolower(letter)));
            gap = false;
        } else if (words.compare(i, std::strlen(kSizeSeparator), kSizeSeparator) == 0) {
            name += "x";
            i += std::strlen(kSizeSeparator) - 1;
            gap = false;
        } else if (!gap && (letter & 0xC0) != 0x80) {
            gap = true;
        }
    }
    return name + ".png";
}

std::string guidePage(const Model& model, const GuideImage& cover, const GuideImage steps[],
                      int stepCount, int partWidth, int partHeight) {
    const PartsList all = partsOfMaps(model, 1, stepCount, true);
    const std::string count = std::to_string(stepCount);
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>BRIK Vanta House: building guide</title>\n<style>\n" +
        std::string(kStyle) + "</style>\n</head>\n<body>\n<header id=\"top\">\n" +
        "<h1>BRIK Vanta House</h1>\n<p class=\"online\"><a href=\"3d.html\">The guide in 3D</a>: "
        "turn the model in your hands, zoom in and step forward and back.</p>\n" +
        image(cover, "the finished house") + "\n</header>\n" + contents(stepCount) +
        "<section id=\"parts\">\n<h2>Parts list</h2>\n<p>" + std::to_string(all.total()) +
        " parts, " + std::to_string(all.parts.size()) +
        " different. Start with the base plate, then add the pieces of each step: they are "
        "outlined in blue, the pieces placed before them are shown pale, and ↻ marks a step "
        "seen from another side than the one before.</p>\n" +
        partsTable(all, partWidth, partHeight) + "</section>\n";
    for (int map = 1; map <= stepCount; ++map) {
        const PartsList added = partsOfMaps(model, map, map, false);
        const std::string number = std::to_string(map);
        const std::string turned =
            steps[map - 1].viewTurned
                ? " <span class=\"turned\" title=\"seen from another side than the step "
                  "before\">↻ view turned</span>"
                : "";
        html += "<section class=\"step\" id=\"step-" + number + "\">\n<h2>Step " + number + " of " +
                count + turned + "</h2>\n" + stepLinks(map, stepCount) +
                "<div class=\"step-body\">\n<div class=\"step-view\">" +
                image(steps[map - 1], "the house after step " + number) + "</div>\n<div>\n<p>" +
                std::to_string(added.total()) + " parts to add</p>\n" +
                partsTable(added, partWidth, partHeight) + "</div>\n</div>\n</section>\n";
    }
    return html + "</body>\n</html>\n";
}
