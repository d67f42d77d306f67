#pragma once

// The building guide's page: a plain static HTML file (no scripts, fonts or styles from
// outside) with the cover picture, a table of contents, the full parts list and one section
// per step with links to the steps before and after. Every parts table's row shows the part's
// picture. It fits a phone's width as well as a desktop's, and prints on A4 with each step on
// a page of its own, the colour swatches in colour and the pages numbered.

#include <string>

#include "parts/PartsList.h"

struct GuideImage {
    std::string file;   // beside index.html
    int width, height;  // pixels
};

// The page for the steps 1...stepCount; `cover` and `steps[k - 1]` name the pictures, and
// every part's picture is partPictureName(part), partWidth × partHeight pixels.
std::string guidePage(const GuideImage& cover, const GuideImage steps[], int stepCount,
                      int partWidth, int partHeight);

// "step-07.png"
std::string stepImageName(int map);

// "part-Brick-2x4-Red.png": one file per distinct part, whichever table shows it.
std::string partPictureName(const Part& part);
