#include "viewer/FpsCounter.h"

#include "viewer/Clock.h"

void FPS_COUNTER::Update() {
    time = clockMilliseconds() * 0.001f;
    ++frames;
    if (time - lastTime > 1.0f) {
        fps = frames / (time - lastTime);
        lastTime = time;
        frames = 0;
    }
}
