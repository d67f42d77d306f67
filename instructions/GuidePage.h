#pragma once

// The building guide's page: a plain static HTML file (no scripts, fonts or styles from
// outside) with the cover picture, the full parts list and one section per step.

#include <string>

struct GuideImage {
    std::string file;   // beside index.html
    int width, height;  // pixels
};

// The page for the forty steps; `cover` and `step(k)` name the pictures.
std::string guidePage(const GuideImage& cover, const GuideImage steps[], int stepCount);

// "step-07.png"
std::string stepImageName(int map);
