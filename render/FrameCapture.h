#pragma once

// Reading a rendered frame back and saving it as PNG (the snapshot tool and the tests).

#include <string>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;  // RGB, top row first

    const unsigned char* at(int x, int y) const {
        return &pixels[(size_t(y) * size_t(width) + size_t(x)) * 3];
    }
};

// The window's back buffer (where the frame was just rendered), top row first. When the pixels
// cannot be allocated, tryReadBackBuffer returns false with one line in `error`, for the caller
// to report. readBackBuffer, for the tests only, prints that line and ends the process with
// status -1 (255).
bool tryReadBackBuffer(int width, int height, RgbImage* image, std::string* error);
RgbImage readBackBuffer(int width, int height);

// Writes the image as an 8-bit RGB PNG through an AtomicFile: on failure the old file is kept,
// nothing is left behind, and `error` holds one line naming the file and the reason.
bool writePng(const std::string& path, const RgbImage& image, std::string* error);

// The same PNG in memory (for standard output); false with libpng's reason in `error`.
bool encodePng(const RgbImage& image, std::vector<unsigned char>* bytes, std::string* error);
