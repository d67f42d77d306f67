#include "instructions/GuidePage.h"

#include <cstdio>

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
        const std::string hex = paletteColourHex(part.colour);
        const std::string swatch =
            hex.empty() ? "" : "<span class=\"swatch\" style=\"background:" + hex + "\"></span> ";
        html += "<tr><td>" + std::string(partKindName(part.kind)) + "</td><td>" + part.size +
                "</td><td>" + swatch + paletteColourName(part.colour) + "</td><td>" +
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

std::string guidePage(const Model& model, const GuideImage& cover, const GuideImage steps[],
                      int stepCount) {
    const PartsList all = partsOfMaps(model, 1, stepCount, true);
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>BRIK Vanta House: building guide</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 2em; color: #222; }\n"
        "table { border-collapse: collapse; margin: 0.5em 0; }\n"
        "td, th { border: 1px solid #bbb; padding: 2px 8px; text-align: left; }\n"
        ".step { display: flex; gap: 2em; align-items: flex-start; margin: 2em 0; }\n"
        ".swatch { display: inline-block; width: 0.9em; height: 0.9em; border: 1px solid #444; }\n"
        "</style>\n</head>\n<body>\n<h1>BRIK Vanta House</h1>\n" +
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
