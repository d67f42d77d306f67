#pragma once

// The camera the user turns, zooms and pans: it orbits its target (the point it looks at; the
// house's centre, the world origin, at the start) on a sphere. Panning moves the target and the
// camera together. No OpenGL: the window's callbacks drive it and hand its target and eye
// point to the frame state.
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

    // Moves the target and the eye together, `right` and `up` world units along the view's
    // right and up directions; the target stays on or above the floor (y = 0).
    void pan(double right, double up);
    // Keeps the direction of view and looks at the centre of the box `low` ... `high` from the
    // distance at which all its corners lie inside a view whose half-width and half-height are
    // `tanHalfWidth` and `tanHalfHeight` times the depth, shrunk by `margin` (above 1); the
    // distance is clamped to the limits.
    void fit(const VECTOR3D& low, const VECTOR3D& high, double tanHalfWidth, double tanHalfHeight,
             double margin);

    VECTOR3D eye() const;
    VECTOR3D target() const { return lookedAt; }
    double azimuth() const { return azimuthDegrees; }
    double tilt() const { return tiltDegrees; }
    double distance() const { return distanceToCentre; }
    double minimumDistance() const { return nearest; }
    double maximumDistance() const { return farthest; }

private:
    VECTOR3D startEye;
    double nearest, farthest;
    VECTOR3D lookedAt;  // the world origin at the start
    double azimuthDegrees = 0, tiltDegrees = 0, distanceToCentre = 0;
    bool moved = false;
};
