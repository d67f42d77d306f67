#include "viewer/OrbitCamera.h"

#include <algorithm>
#include <cmath>

#include "maths/Angles.h"

OrbitCamera::OrbitCamera(const VECTOR3D& eye, double minimumDistance, double maximumDistance)
    : startEye(eye), nearest(minimumDistance), farthest(maximumDistance) {
    reset();
}

void OrbitCamera::refit(const VECTOR3D& eye, double minimumDistance, double maximumDistance) {
    startEye = eye;
    nearest = minimumDistance;
    farthest = maximumDistance;
    // From here on the eye is the angles and distance (the old start's while not moved).
    distanceToCentre = std::clamp(distanceToCentre, nearest, farthest);
    moved = true;
}

void OrbitCamera::reset() {
    const double horizontal = std::hypot(double(startEye.x), double(startEye.z));
    azimuthDegrees = std::atan2(double(startEye.x), double(startEye.z)) / degreesToRadians(1.0);
    tiltDegrees = std::clamp(std::atan2(double(startEye.y), horizontal) / degreesToRadians(1.0),
                             minimumTilt, maximumTilt);
    distanceToCentre =
        std::clamp(std::hypot(horizontal, double(startEye.y)), nearest, farthest);
    moved = false;
}

void OrbitCamera::orbit(double azimuthChange, double tiltChange) {
    azimuthDegrees = std::remainder(azimuthDegrees + azimuthChange, 360.0);
    tiltDegrees = std::clamp(tiltDegrees + tiltChange, minimumTilt, maximumTilt);
    moved = true;
}

void OrbitCamera::zoom(double factor) {
    distanceToCentre = std::clamp(distanceToCentre * factor, nearest, farthest);
    moved = true;
}

VECTOR3D OrbitCamera::eye() const {
    if (!moved) return startEye;
    const double azimuth = degreesToRadians(azimuthDegrees);
    const double tilt = degreesToRadians(tiltDegrees);
    const double horizontal = distanceToCentre * std::cos(tilt);
    return VECTOR3D(float(horizontal * std::sin(azimuth)), float(distanceToCentre * std::sin(tilt)),
                    float(horizontal * std::cos(azimuth)));
}
