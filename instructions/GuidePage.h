#pragma once

// The building guide's page: a plain static HTML file (no scripts, fonts or styles from
// outside) with the cover picture, a table of contents, the full parts list and one section
// per step with links to the steps before and after. Every parts table's row shows the part's
// picture. It fits a phone's width as well as a desktop's, and prints on A4 with each step on
// a page of its own, the colour swatches in colour and the pages numbered.

#include <string>

#include "model/Model.h"
#include "parts/PartsList.h"

struct GuideImage {
    std::string file;         // beside index.html
    int width, height;        // pixels
    bool viewTurned = false;  // a step's eye differs from the step before's: the heading says so
};

// The guide's page and its cover picture, beside the steps' pictures.
constexpr const char* kGuidePageFile = "index.html";
constexpr const char* kGuideCoverFile = "cover.png";
// Each step's figures (visible share and contrast of its new pieces), as CSV.
constexpr const char* kGuideFiguresFile = "figures.csv";

// The page for the model's steps 1...stepCount (one per layer; the house's forty); `cover` and
// `steps[k - 1]` name the pictures, and every part's picture is partPictureName(part),
// partWidth × partHeight pixels.
std::string guidePage(const Model& model, const GuideImage& cover, const GuideImage steps[],
                      int stepCount, int partWidth, int partHeight);

// "step-07.png"
std::string stepImageName(int map);

// Whether a file of this name is one a guide writes (its page, its cover, a step's picture of
// any step number, a part's picture, the 3D guide's files), so that a new guide may replace a
// folder holding only such files. A file added to the guide must be named here too.
bool isGuideFileName(const std::string& name);

// "part-Brick-2x4-Red.png": one file per distinct part, whichever table shows it.
std::string partPictureName(const Part& part);
