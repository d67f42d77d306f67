// The orbiting camera and the circling light as plain models: limits under any input, the
// exact start, and the light's pace on the scene clock.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "viewer/LightCircle.h"
#include "viewer/OrbitCamera.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
const VECTOR3D kStartEye(0.0f, 2.5f, 3.5f);
}  // namespace

TEST(OrbitCamera, StaysBetweenTheFloorAndOverheadAndOutsideTheHouseWhateverTheInput) {
    OrbitCamera camera(kStartEye);
    EXPECT_TRUE(camera.eye() == kStartEye);
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
        ASSERT_GE(camera.distance(), OrbitCamera::minimumDistance);
        ASSERT_LE(camera.distance(), OrbitCamera::maximumDistance);
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
    // window (45-degree vertical field of view).
    const double visibleHeight = 2 * OrbitCamera::maximumDistance * std::tan(22.5 * kPi / 180);
    EXPECT_GT(3.2 / visibleHeight * 600, 80) << "pixels across the house";

    camera.reset();
    EXPECT_TRUE(camera.eye() == kStartEye) << "reset must give back the first frame's eye exactly";
}

TEST(OrbitCamera, OrbitTurnsAboutTheVerticalAxisAndTiltsTowardsOverhead) {
    OrbitCamera camera(kStartEye);
    const double startTilt = camera.tilt(), startDistance = camera.distance();
    EXPECT_NEAR(startTilt, std::atan2(2.5, 3.5) * 180 / kPi, 1e-9);
    camera.orbit(90, 10);
    const VECTOR3D eye = camera.eye();
    EXPECT_NEAR(eye.z, 0, 1e-5) << "a quarter turn from +z about +y lands on +x";
    EXPECT_GT(eye.x, 0);
    EXPECT_NEAR(std::atan2(eye.y, eye.x) * 180 / kPi, startTilt + 10, 1e-4);
    EXPECT_NEAR(eye.GetLength(), startDistance, 1e-5);
}

TEST(LightCircle, TurnsOnceInTwentySecondsOfSceneTimeAndHoldsStillWhenStopped) {
    LightCircle light;
    EXPECT_EQ(light.angleAt(12345), 0) << "standing still at the start";
    light.toggleCircling(1000);
    EXPECT_TRUE(light.isCircling());
    EXPECT_NEAR(light.angleAt(6000), 90, 1e-9);
    EXPECT_NEAR(light.angleAt(21000), 0, 1e-9) << "one whole turn";
    light.turn(15);
    EXPECT_NEAR(light.angleAt(6000), 105, 1e-9) << "a turn while circling adds to it";
    light.toggleCircling(6000);
    EXPECT_FALSE(light.isCircling());
    EXPECT_NEAR(light.angleAt(999999), 105, 1e-9) << "stopped where it was";
    light.turn(-120);
    EXPECT_NEAR(light.angleAt(0), 345, 1e-9) << "angles stay in [0, 360)";
}
