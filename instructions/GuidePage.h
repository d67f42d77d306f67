#pragma once

// The building guide's page: a plain static HTML file (no scripts, fonts or styles from
// outside) with the cover picture, the full parts list and one section per step.

#include <string>

#include "model/Model.h"

struct GuideImage {
    std::string file;   // beside index.html
    int width, height;  // pixels
};

// The guide's page and its cover picture, beside the steps' pictures.
constexpr const char* kGuidePageFile = "index.html";
constexpr const char* kGuideCoverFile = "cover.png";

// The page for the model's steps (one per layer; `stepCount` of them, the house's forty);
// `cover` and `step(k)` name the pictures.
std::string guidePage(const Model& model, const GuideImage& cover, const GuideImage steps[],
                      int stepCount);

// "step-07.png"
std::string stepImageName(int map);

// Whether a file of this name is one a guide writes (its page, its cover, a step's picture of
// any step number), so that a new guide may replace a folder holding only such files. A file
// added to the guide must be named here too.
bool isGuideFileName(const std::string& name);
