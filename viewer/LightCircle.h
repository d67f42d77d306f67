#pragma once

// Where the light stands on its circle about the vertical axis, as an angle from its start
// (the angle setLightAngle takes). While circling it advances with the scene clock, one turn
// every `secondsPerTurn` of scene time, so pausing the clock holds it. No OpenGL.
//
// Angles in degrees, scene times in milliseconds (TIMER::GetTime).

class LightCircle {
public:
    static constexpr double secondsPerTurn = 20.0;

    // The angle at scene time `sceneMilliseconds`, in [0, 360).
    double angleAt(double sceneMilliseconds) const;
    bool isCircling() const { return circling; }

    // Starts or stops circling from wherever the light is at that time.
    void toggleCircling(double sceneMilliseconds);
    // Turns the light by `degrees` (positive counter-clockwise seen from above), circling or not.
    void turn(double degrees);

private:
    double startAngle = 0;  // degrees at `startTime`
    double startTime = 0;   // scene milliseconds when circling started
    bool circling = false;
};
