#pragma once

// A pausable clock in milliseconds: the scene clock. Paused time is not counted.
class TIMER {
public:
    TIMER() : startTime(0), isPaused(false), pauseTime(0) { Reset(); }

    void Reset();      // time zero is now; the paused state is kept
    double GetTime();  // milliseconds since time zero, frozen while paused
    void Pause();      // no effect when already paused
    void Unpause();    // continues from the frozen value; no effect when running

    double startTime;  // clock reading (ms) that counts as time zero
    bool isPaused;
    double pauseTime;  // clock reading (ms) when the clock was paused
};
