#include "viewer/LightCircle.h"

#include <cmath>

namespace {
double wrapped(double degrees) {
    const double angle = std::fmod(degrees, 360.0);
    return angle < 0 ? angle + 360.0 : angle;
}
}  // namespace

double LightCircle::angleAt(double sceneMilliseconds) const {
    if (!circling) return startAngle;
    const double turns = (sceneMilliseconds - startTime) / (secondsPerTurn * 1000.0);
    return wrapped(startAngle + 360.0 * turns);
}

void LightCircle::toggleCircling(double sceneMilliseconds) {
    startAngle = angleAt(sceneMilliseconds);
    startTime = sceneMilliseconds;
    circling = !circling;
}

void LightCircle::turn(double degrees) { startAngle = wrapped(startAngle + degrees); }
