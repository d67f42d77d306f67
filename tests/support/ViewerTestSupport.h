#pragma once

// Test support for the viewer's frame: the shared test window set up as the viewer's,
// where world points land in the rendered image, and a quick scene with a long shadow.

// Sizes the test window, runs the viewer's one-time set-up (once per process) and its
// reshape. Returns false when the set-up failed.
bool prepareViewer(int width, int height);

// The image pixel (top row first) of a world point under the camera matrices.
struct ImagePoint {
    int x;
    int y;
};
ImagePoint projectToImage(double x, double y, double z);

// A test scene in world units: the base plate and one tall 4 × 4 block in its middle, the
// tower (the box below, studs included), which throws a long shadow away from the light.
void plateAndTower(float sceneTime);
constexpr double kTowerHalfWidth = 0.2;  // x and z -0.2 ... 0.2
constexpr double kTowerBottom = 0.04, kTowerTop = 1.26;
