#pragma once

// Frames-per-second meter: the average over a window of just over one second. Until the first
// such window has passed (a one-frame snapshot) it has no rate; then the current frame's own
// time so far, from FrameBegins, is the measure there is.

class FPS_COUNTER {
public:
    FPS_COUNTER() : fps(0), lastTime(0), frames(0), time(0) {}

    void FrameBegins();  // once per frame, before its first pass
    void Update();       // once per frame
    float GetFps() const { return fps; }
    bool HasRate() const { return fps > 0; }
    // Milliseconds since the latest FrameBegins, on the same clock (timing/Clock.h).
    unsigned MillisecondsSinceFrameBegan() const;

    float fps;       // the last computed rate
    float lastTime;  // seconds at which fps was last computed
    int frames;      // frames counted since lastTime
    float time;      // seconds at the latest Update

private:
    unsigned frameStart = 0;  // clock milliseconds at the latest FrameBegins
};
