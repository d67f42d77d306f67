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
    distanceToCentre = std::clamp(std::hypot(horizontal, double(startEye.y)), nearest, farthest);
    lookedAt = VECTOR3D(0.0f, 0.0f, 0.0f);
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

namespace {
// The unit vectors of the view: from the target towards the eye, to the right, and up.
struct ViewAxes {
    VECTOR3D back, right, up;
};
ViewAxes viewAxes(double azimuthDegrees, double tiltDegrees) {
    const double azimuth = degreesToRadians(azimuthDegrees);
    const double tilt = degreesToRadians(tiltDegrees);
    ViewAxes axes;
    axes.back = VECTOR3D(float(std::cos(tilt) * std::sin(azimuth)), float(std::sin(tilt)),
                         float(std::cos(tilt) * std::cos(azimuth)));
    axes.right = VECTOR3D(float(std::cos(azimuth)), 0.0f, float(-std::sin(azimuth)));
    axes.up = axes.back.CrossProduct(axes.right);
    return axes;
}
}  // namespace

void OrbitCamera::pan(double right, double up) {
    const ViewAxes axes = viewAxes(azimuthDegrees, tiltDegrees);
    lookedAt = lookedAt + axes.right * float(right) + axes.up * float(up);
    lookedAt.y = std::max(lookedAt.y, 0.0f);
    moved = true;
}

void OrbitCamera::fit(const VECTOR3D& low, const VECTOR3D& high, double tanHalfWidth,
                      double tanHalfHeight, double margin) {
    const ViewAxes axes = viewAxes(azimuthDegrees, tiltDegrees);
    const VECTOR3D centre = (low + high) * 0.5f;
    double needed = 0;  // from the centre
    for (int corner = 0; corner < 8; ++corner) {
        const VECTOR3D offset = VECTOR3D(corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y,
                                         corner & 4 ? high.z : low.z) -
                                centre;
        // The corner's depth in front of the eye is the distance minus its part along `back`.
        const double towardsEye = offset.DotProduct(axes.back);
        needed = std::max(
            {needed, std::fabs(offset.DotProduct(axes.right)) * margin / tanHalfWidth + towardsEye,
             std::fabs(offset.DotProduct(axes.up)) * margin / tanHalfHeight + towardsEye});
    }
    lookedAt = centre;
    distanceToCentre = std::clamp(needed, nearest, farthest);
    moved = true;
}

VECTOR3D OrbitCamera::eye() const {
    if (!moved) return startEye;
    const double azimuth = degreesToRadians(azimuthDegrees);
    const double tilt = degreesToRadians(tiltDegrees);
    const double horizontal = distanceToCentre * std::cos(tilt);
    return lookedAt + VECTOR3D(float(horizontal * std::sin(azimuth)),
                               float(distanceToCentre * std::sin(tilt)),
                               float(horizontal * std::cos(azimuth)));
}
