#pragma once

// The numbers of the shadow-mapped frame, each defined once. The lengths are the built-in
// house's; render/ViewFit.h scales them for a model of another size. World units (the house scaled
// by 0.1), degrees and milliseconds as stated. The shadow map's size and the light's start
// and circle are with the state they set up, in FrameState.h.

// Projections: both the light and the camera use this vertical field of view.
constexpr double fieldOfViewDegrees = 45.0;
constexpr double lightAspect = 1.0;  // the shadow map is square
// The light's depth range, world units from the light: the whole house at every light angle.
constexpr double lightNearPlane = 2.0;
constexpr double lightFarPlane = 8.0;
constexpr double cameraNearPlane = 1.0;
constexpr double cameraFarPlane = 100.0;

// The dim light (the light's ambient and diffuse in the dim pass, times white): what shadowed
// surfaces get from the light. The lit pass keeps only the fragments whose shadow comparison
// gives at least the threshold (the fast renderer's shader gets it as a uniform).
constexpr float dimLightLevel = 0.2f;
constexpr float litAlphaThreshold = 0.99f;
constexpr float pieceShininess = 16.0f;  // specular exponent of every brick piece

// The floor: a square of this half-size around the origin at y = 0, its texture running
// from -floorTextureHalfSpan to +floorTextureHalfSpan (the image repeats four times a side).
constexpr float floorHalfSize = 10.0f;
constexpr float floorTextureHalfSpan = 2.0f;

// The scene time the passes draw is the scene clock's milliseconds divided by this.
constexpr double sceneClockDivisor = 10.0;
