// The building guide's steps: what a step's picture draws (through its draw target, captured
// without a context) and the eye chosen for it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>
#include <utility>

#include "instructions/StepDrawTarget.h"
#include "instructions/StepView.h"
#include "maths/Angles.h"
#include "maths/ViewFit.h"
#include "mesh/HouseMesh.h"
#include "model/Model.h"

// Every triangle of the maps up to the step is drawn where the whole house has it, the step's
// own in their colours, the earlier ones paler but of the same hue (every channel at least a
// quarter of the way to white, the channels in the same order and at least a third as far
// apart); the later maps draw nothing.
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
                const double before = was.colour[channel], after = is.colour[channel];
                if (map == kStep) {
                    ownChanged += before != after;
                    continue;
                }
                fadedWrongly += after - before < 0.25 * (1 - before) - 1e-6;  // paler
                const int next = (channel + 1) % 3;
                const double apart = before - was.colour[next], apartNow = after - is.colour[next];
                fadedWrongly +=
                    apart * apartNow < 0 || std::fabs(apartNow) < std::fabs(apart) / 3 - 1e-6;
            }
        }
    }
    EXPECT_EQ(at, step.triangles.size()) << "triangles of later maps were drawn";
    EXPECT_GT(earlier, 0);
    EXPECT_EQ(moved, 0);
    EXPECT_EQ(ownChanged, 0) << "the step's own pieces must keep their colours";
    EXPECT_EQ(fadedWrongly, 0) << "earlier pieces must be paler and keep their hue";
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

// The steady eye: an eye stays while it sees enough of the step's new surface; where it does
// not, the guide turns to the eye that can stay the longest. views[step][eye] = {area, share}.
TEST(GuideStep, KeepsTheEyeUntilTheNewPiecesWouldBeHidden) {
    const EyeView good{1.0, 0.9}, hidden{1.0, 0.2}, edgeOn{0.1, 0.9}, fair{0.6, 0.8};
    const struct {
        const char* what;
        std::vector<std::vector<EyeView>> views;
        std::vector<size_t> eyes;
    } cases[] = {
        {"one eye sees every step", {{good, good}, {fair, good}, {good, fair}}, {0, 0, 0}},
        {"the start eye wins a tie", {{good, good}, {good, good}}, {0, 0}},
        {"turns where hidden, to the eye that stays longest",
         {{good, hidden, hidden}, {hidden, good, good}, {hidden, hidden, good}, {good, good, good}},
         {0, 2, 2, 2}},
        {"pieces seen edge-on count as hidden", {{good, hidden}, {edgeOn, good}}, {0, 1}},
        {"where no eye sees enough, the one that sees most",
         {{good, good}, {hidden, {0.5, 0.3}}},
         {0, 0}},
        {"looks ahead from the first step", {{good, good}, {hidden, good}}, {1, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chooseGuideEyes(c.views), c.eyes) << c.what;
    }
}

// A fitted eye keeps its direction and frames every point with the margin: the widest point
// touches the margin, none is outside it.
TEST(GuideStep, FittedEyeFramesEveryPoint) {
    const std::vector<VECTOR3D> points = {
        {-1.6f, 0, -1.6f}, {1.6f, 0, 1.6f}, {0.5f, 1.4f, 0.2f}, {-1.6f, 0.4f, 1.6f}};
    const VECTOR3D target(0, 0.5f, 0);
    for (const VECTOR3D& direction : {VECTOR3D(0, 2.5f, 3.5f), VECTOR3D(-3, 1, 0.5f)}) {
        const VECTOR3D eye = fittedEye(points, target, direction, 4.0 / 3.0, 45, 1.0);
        const VECTOR3D back = (eye - target).GetNormalized(), forward = back * -1.0f;
        EXPECT_NEAR(back.DotProduct(direction.GetNormalized()), 1.0, 1e-5);
        const VECTOR3D right = forward.CrossProduct(VECTOR3D(0, 1, 0)).GetNormalized();
        const VECTOR3D up = right.CrossProduct(forward);
        const double tanHalf = std::tan(45 * kPi / 360);
        double widest = 0;
        for (const VECTOR3D& point : points) {
            const VECTOR3D d = point - eye;
            const double depth = d.DotProduct(forward);
            widest = std::max({widest, std::fabs(d.DotProduct(right)) / depth / (tanHalf * 4 / 3),
                               std::fabs(d.DotProduct(up)) / depth / tanHalf});
        }
        EXPECT_NEAR(widest, 1 / kFitMargin, 1e-4);
    }
}
