#pragma once

// Frames-per-second meter: the average over a window of just over one second.
class FPS_COUNTER {
public:
    FPS_COUNTER() : fps(0), lastTime(0), frames(0), time(0) {}

    void Update();  // once per frame
    float GetFps() const { return fps; }

    float fps;       // the last computed rate
    float lastTime;  // seconds at which fps was last computed
    int frames;      // frames counted since lastTime
    float time;      // seconds at the latest Update
};
