#pragma once

// The camera the user turns and zooms: it orbits the house's centre (the world origin, where
// the camera looks) on a sphere. No OpenGL: the window's callbacks drive it and hand its eye
// point to setCameraEye.
//
// Angles in degrees, distances in world units. Azimuth is measured about +y from +z towards
// +x (right-handed); tilt is the elevation above the floor's plane.

#include "maths/Vector3D.h"

class OrbitCamera {
public:
    // Tilt limits: just above the floor, and straight down (short of the vertical, where
    // "up" would no longer define the view).
    static constexpr double minimumTilt = 2.0;
    static constexpr double maximumTilt = 89.5;

    // Starts (and resets) at `startEye`, which is kept exactly: eye() returns it unchanged
    // until the camera moves. The distance stays between the limits: outside the sphere that
    // holds the whole model, and near enough that it still spans about a fifth of the window
    // (render/ViewFit.h gives both for a model).
    OrbitCamera(const VECTOR3D& startEye, double minimumDistance, double maximumDistance);

    // A new start and limits (another model's fit), keeping where the camera is now: its
    // angles, and its distance brought between the new limits (R goes to the new start).
    void refit(const VECTOR3D& startEye, double minimumDistance, double maximumDistance);

    void reset();
    // Turns about the vertical axis and tilts, both in degrees; the tilt is clamped.
    void orbit(double azimuthChange, double tiltChange);
    // Multiplies the distance by `factor` (below 1 comes closer); the result is clamped.
    void zoom(double factor);

    VECTOR3D eye() const;
    double azimuth() const { return azimuthDegrees; }
    double tilt() const { return tiltDegrees; }
    double distance() const { return distanceToCentre; }
    double minimumDistance() const { return nearest; }
    double maximumDistance() const { return farthest; }

private:
    VECTOR3D startEye;
    double nearest, farthest;
    double azimuthDegrees = 0, tiltDegrees = 0, distanceToCentre = 0;
    bool moved = false;
};
