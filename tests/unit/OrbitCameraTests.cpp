// The orbiting camera as a plain model: its limits under any input and its exact start.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "maths/Angles.h"
#include "render/FrameConstants.h"
#include "render/FrameState.h"
#include "render/ViewFit.h"
#include "viewer/OrbitCamera.h"

TEST(OrbitCamera, StaysBetweenTheFloorAndOverheadAndOutsideTheHouseWhateverTheInput) {
    OrbitCamera camera(startCameraEye, orbitMinimumDistance, orbitMaximumDistance);
    EXPECT_TRUE(camera.eye() == startCameraEye);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> degrees(-400, 400), factor(0.05, 20);
    for (int step = 0; step < 2000; ++step) {
        if (step % 3 == 0)
            camera.zoom(factor(random));
        else
            camera.orbit(degrees(random), degrees(random));
        const VECTOR3D eye = camera.eye();
        ASSERT_GE(camera.tilt(), OrbitCamera::minimumTilt);
        ASSERT_LE(camera.tilt(), OrbitCamera::maximumTilt);
        ASSERT_GE(camera.distance(), camera.minimumDistance());
        ASSERT_LE(camera.distance(), camera.maximumDistance());
        ASSERT_NEAR(eye.GetLength(), camera.distance(), 1e-4 * camera.distance());
        ASSERT_GT(eye.y, 0.0f) << "the camera went below the floor";
        // Outside the box that holds the whole house (x -1.6 ... 1.65, y 0 ... 2.4, z ±1.6).
        ASSERT_TRUE(std::fabs(eye.x) > 1.65f || std::fabs(eye.z) > 1.6f || eye.y > 2.4f);
    }
    // Straight down and along the floor are reachable, not only approached.
    camera.orbit(0, 1000);
    EXPECT_EQ(camera.tilt(), OrbitCamera::maximumTilt);
    camera.orbit(0, -1000);
    EXPECT_EQ(camera.tilt(), OrbitCamera::minimumTilt);

    // From the farthest point the 3.2-wide house still spans a sizeable part of an 800 × 600
    // window.
    const double visibleHeight =
        2 * camera.maximumDistance() * std::tan(degreesToRadians(fieldOfViewDegrees / 2));
    EXPECT_GT(3.2 / visibleHeight * 600, 80) << "pixels across the house";

    camera.reset();
    EXPECT_TRUE(camera.eye() == startCameraEye)
        << "reset must give back the first frame's eye exactly";
}
