#include "timing/FpsCounter.h"

#include "timing/Clock.h"

void FPS_COUNTER::FrameBegins() { frameStart = clockMilliseconds(); }

unsigned FPS_COUNTER::MillisecondsSinceFrameBegan() const {
    return clockMilliseconds() - frameStart;
}

void FPS_COUNTER::Update() {
    time = static_cast<float>(clockMilliseconds()) * 0.001f;
    ++frames;
    if (time - lastTime > 1.0f) {
        fps = static_cast<float>(frames) / (time - lastTime);
        lastTime = time;
        frames = 0;
    }
}
