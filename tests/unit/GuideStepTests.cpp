// The building guide's steps: what a step's picture draws (through its draw target, captured
// without a context) and the eye chosen for it.

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "instructions/StepDrawTarget.h"
#include "instructions/StepView.h"
#include "mesh/HouseMesh.h"
#include "model/Model.h"

// Every triangle of the maps up to the step is drawn where the whole house has it, the step's
// own in their colours, the earlier ones moved towards grey; the later maps draw nothing.
TEST(GuideStep, ShowsItsOwnPiecesInFullEarlierOnesFadedAndLaterOnesNot) {
    constexpr int kStep = 23;
    const Model house = houseModel();
    const HouseMesh whole = captureDrawing([&] { drawModel(house); });
    const HouseMesh step = captureDrawing([&] {
        StepDrawTarget stepTarget(drawTarget());
        stepTarget.setStep(kStep);
        const ScopedDrawTarget faded(stepTarget);
        drawModel(house);
    });
    size_t at = 0;
    int moved = 0, fadedWrongly = 0, ownChanged = 0, earlier = 0;
    for (const MeshTriangle& triangle : whole.triangles) {
        const int map = whole.placements[size_t(triangle.placement)].map;
        if (map > kStep) continue;
        ASSERT_LT(at, step.triangles.size()) << "a triangle of map " << map << " is missing";
        const MeshTriangle& drawn = step.triangles[at++];
        earlier += map < kStep;
        for (int corner = 0; corner < 3; ++corner) {
            const MeshVertex &was = triangle.corners[corner], &is = drawn.corners[corner];
            for (int axis = 0; axis < 3; ++axis) moved += was.position[axis] != is.position[axis];
            for (int channel = 0; channel < 3; ++channel) {
                const double before = was.colour[channel] - 0.5, after = is.colour[channel] - 0.5;
                if (map == kStep)
                    ownChanged += before != after;
                else
                    fadedWrongly += std::fabs(after) > 0.36 * std::fabs(before) + 1e-6;
            }
        }
    }
    EXPECT_EQ(at, step.triangles.size()) << "triangles of later maps were drawn";
    EXPECT_GT(earlier, 0);
    EXPECT_EQ(moved, 0);
    EXPECT_EQ(ownChanged, 0) << "the step's own pieces must keep their colours";
    EXPECT_EQ(fadedWrongly, 0) << "earlier pieces must be blended most of the way to grey";
}

// One square of new surface facing one way: the chosen eye looks at its front, and the same
// input gives the same eye (it reads nothing but its arguments).
TEST(GuideStep, EyeLooksAtTheFrontOfTheStepsNewSurface) {
    const struct {
        int axis;  // 0 for x, 2 for z
        float sign;
    } facings[] = {{0, 1}, {0, -1}, {2, 1}, {2, -1}};
    for (const auto& facing : facings) {
        SCOPED_TRACE(testing::Message() << "axis " << facing.axis << " sign " << facing.sign);
        // A 4 × 4 square standing across the base plate's centre (house frame).
        const int across = 2 - facing.axis;
        const float square[4][2] = {{-2, 0}, {2, 0}, {2, 4}, {-2, 4}};
        MeshVertex corners[4] = {};
        for (int i = 0; i < 4; ++i) {
            corners[i].position[facing.axis] = 16;
            corners[i].position[across] = 16 + square[i][0];
            corners[i].position[1] = square[i][1];
        }
        // Wound counter-clockwise seen from the side it faces.
        const float* p = corners[0].position;
        const float *q = corners[1].position, *r = corners[2].position;
        const float normal[3] = {(q[1] - p[1]) * (r[2] - p[2]) - (q[2] - p[2]) * (r[1] - p[1]),
                                 (q[2] - p[2]) * (r[0] - p[0]) - (q[0] - p[0]) * (r[2] - p[2]),
                                 (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])};
        if (normal[facing.axis] * facing.sign < 0) std::swap(corners[1], corners[3]);
        HouseMesh mesh;
        mesh.placements.push_back({1, "1", PieceKind::Brick, PaletteColour::Red, 0, nullptr});
        mesh.triangles.push_back({{corners[0], corners[1], corners[2]}, 0});
        mesh.triangles.push_back({{corners[0], corners[2], corners[3]}, 0});

        const VECTOR3D eye = bestEyeForStep(mesh, 1, 4.0 / 3.0);
        const float towards = facing.axis == 0 ? eye.x : eye.z;
        EXPECT_GT(towards * facing.sign, 0.0f);
        const VECTOR3D again = bestEyeForStep(mesh, 1, 4.0 / 3.0);
        EXPECT_TRUE(eye.x == again.x && eye.y == again.y && eye.z == again.z);
    }
}
