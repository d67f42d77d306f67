#include "viewer/FpsCounter.h"

#include "viewer/Clock.h"

void FPS_COUNTER::FrameBegins() { frameStart = std::chrono::steady_clock::now(); }

double FPS_COUNTER::MillisecondsSinceFrameBegan() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - frameStart)
        .count();
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
