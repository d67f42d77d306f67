#pragma once

// The options the benches share (brik-bench, brik-shadow-quality): the window's size in pixels
// and how many interleaved rounds of how many frames each contender draws.

#include <cstdio>
#include <string>

struct BenchRun {
    int width, height;  // pixels
    int rounds, frames;
};

// Reads `arg` when it is --size WxH, --rounds N or --frames N, with its `value`: true when it
// was one of them, *good then saying whether the value was valid; false for any other option.
inline bool readBenchRunOption(const std::string& arg, const char* value, BenchRun* run,
                               bool* good) {
    char extra = 0;
    if (arg == "--size") {
        *good = sscanf(value, "%dx%d%c", &run->width, &run->height, &extra) == 2 &&
                run->width > 0 && run->height > 0;
    } else if (arg == "--rounds") {
        *good = sscanf(value, "%d%c", &run->rounds, &extra) == 1 && run->rounds > 0;
    } else if (arg == "--frames") {
        *good = sscanf(value, "%d%c", &run->frames, &extra) == 1 && run->frames > 0;
    } else {
        return false;
    }
    return true;
}

// The one line for a value an option refuses.
inline void reportBadBenchValue(const char* program, const std::string& arg, const char* value) {
    fprintf(stderr, "%s: %s needs %s, not '%s'\n", program, arg.c_str(),
            arg == "--size" ? "WIDTHxHEIGHT" : "a whole number of at least 1", value);
}
