#include "timing/Timer.h"

#include "timing/Clock.h"

namespace {
double clockReading() { return static_cast<double>(clockMilliseconds()); }
}  // namespace

void TIMER::Reset() { startTime = clockReading(); }

double TIMER::GetTime() {
    if (isPaused) return pauseTime - startTime;
    return clockReading() - startTime;
}

void TIMER::Pause() {
    if (isPaused) return;
    isPaused = true;
    pauseTime = clockReading();
}

void TIMER::Unpause() {
    if (!isPaused) return;
    isPaused = false;
    startTime = (clockReading() - pauseTime) + startTime;
}
