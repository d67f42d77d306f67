#include "timing/Clock.h"

#include <chrono>

namespace {
std::uint32_t steadyMillisecondsSinceStart() {
    // The first reading fixes the start; the first reading is taken during start-up.
    static const auto start = std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

ClockSource currentSource = nullptr;
}  // namespace

std::uint32_t clockMilliseconds() {
    return currentSource ? currentSource() : steadyMillisecondsSinceStart();
}

void setClockSource(ClockSource source) { currentSource = source; }
