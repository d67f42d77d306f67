#pragma once

// Test support for the viewer's frame: the shared test window set up as the viewer's,
// and where world points land in the rendered image.

// Sizes the test window, runs the viewer's one-time set-up (once per process) and its
// reshape. Returns false when the set-up failed.
bool prepareViewer(int width, int height);

// The image pixel (top row first) of a world point under the camera matrices.
struct ImagePoint {
    int x;
    int y;
};
ImagePoint projectToImage(double x, double y, double z);
