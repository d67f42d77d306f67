#pragma once

// Times the parts of a frame: each lap finishes the pipeline and gives the milliseconds since
// the previous lap (or since construction). A disabled stopwatch neither finishes nor writes.

#include <epoxy/gl.h>

#include <chrono>

class PassStopwatch {
public:
    explicit PassStopwatch(bool isEnabled) : enabled(isEnabled), last(Clock::now()) {}
    void lap(double* milliseconds) {
        if (!enabled) return;
        glFinish();
        const Clock::time_point now = Clock::now();
        *milliseconds = std::chrono::duration<double, std::milli>(now - last).count();
        last = now;
    }

private:
    using Clock = std::chrono::steady_clock;
    bool enabled;
    Clock::time_point last;
};
