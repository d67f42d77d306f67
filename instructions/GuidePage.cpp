#include "instructions/GuidePage.h"

#include <cstdio>

#include "instructions/Guide3D.h"
#include "parts/PartsList.h"

namespace {
std::string image(const GuideImage& picture, const std::string& description) {
    return "<img src=\"" + picture.file + "\" width=\"" + std::to_string(picture.width) +
           "\" height=\"" + std::to_string(picture.height) + "\" alt=\"" + description + "\">";
}

std::string partsTable(const PartsList& list) {
    std::string html =
        "<table>\n<tr><th>Part</th><th>Size</th><th>Colour</th><th>Count</th></tr>\n";
    for (const Part& part : list.parts) {
        const std::string hex = part.colourHex;
        const std::string swatch =
            hex.empty() ? "" : "<span class=\"swatch\" style=\"background:" + hex + "\"></span> ";
        html += "<tr><td>" + std::string(partKindName(part.kind)) + "</td><td>" + part.size +
                "</td><td>" + swatch + part.colourName + "</td><td>" +
                std::to_string(part.count) + "</td></tr>\n";
    }
    return html + "</table>\n";
}
}  // namespace

std::string stepImageName(int map) {
    char name[32];
    std::snprintf(name, sizeof name, "step-%02d.png", map);
    return name;
}

bool isGuideFileName(const std::string& name) {
    if (name == kGuidePageFile || name == kGuideCoverFile || isGuide3DFileName(name)) return true;
    const std::string prefix = "step-", suffix = ".png";
    if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string number =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    return number.find_first_not_of("0123456789") == std::string::npos;
}

std::string guidePage(const Model& model, const GuideImage& cover, const GuideImage steps[],
                      int stepCount) {
    const PartsList all = partsOfMaps(model, 1, stepCount, true);
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>BRIK Vanta House: building guide</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 2em; color: #222; }\n"
        "table { border-collapse: collapse; margin: 0.5em 0; }\n"
        "td, th { border: 1px solid #bbb; padding: 2px 8px; text-align: left; }\n"
        "img { max-width: 100%; height: auto; }\n"
        ".step { display: flex; flex-wrap: wrap; gap: 2em; align-items: flex-start; margin: 2em 0; "
        "}\n"
        "@media (max-width: 600px) { body { margin: 1em; } td, th { padding: 2px 4px; } }\n"
        ".swatch { display: inline-block; width: 0.9em; height: 0.9em; border: 1px solid #444; }\n"
        "</style>\n</head>\n<body>\n<h1>BRIK Vanta House</h1>\n"
        "<p><a href=\"3d.html\">The guide in 3D</a>: turn the model in your hands, zoom in and "
        "step forward and back.</p>\n" +
        image(cover, "the finished house") + "\n<h2>Parts list</h2>\n<p>" +
        std::to_string(all.total()) + " parts, " + std::to_string(all.parts.size()) +
        " different. Start with the base plate, then add the pieces of each step; the pieces "
        "placed before a step are shown faded.</p>\n" +
        partsTable(all);
    for (int map = 1; map <= stepCount; ++map) {
        const PartsList added = partsOfMaps(model, map, map, false);
        html += "<section class=\"step\" id=\"step-" + std::to_string(map) + "\">\n<div>" +
                image(steps[map - 1], "the house after step " + std::to_string(map)) +
                "</div>\n<div>\n<h2>Step " + std::to_string(map) + "</h2>\n<p>" +
                std::to_string(added.total()) + " parts</p>\n" + partsTable(added) +
                "</div>\n</section>\n";
    }
    return html + "</body>\n</html>\n";
}
