// The geometry capture against what OpenGL itself assembles from the same drawing: every
// triangle, in order, at the same place and in the same colour, for the whole house and the
// showcase of every piece at every turn.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <future>

#include "mesh/HouseMesh.h"
#include "model/ExtraScenes.h"
#include "model/Scene.h"
#include "support/GlTestContext.h"

namespace {
constexpr double kPositionTolerance = 1e-3;  // brick units: feedback carries window rounding
constexpr double kColourTolerance = 1.0 / 255;

void expectSameTriangles(const std::function<void()>& draw, double extent) {
    ensureGlContext();
    const std::vector<FeedbackPolygon> drawn = captureFeedback(draw, extent);
    const HouseMesh captured = captureDrawing(draw);
    ASSERT_EQ(captured.triangles.size(), drawn.size()) << "triangles captured vs drawn";

    // The same triangle, wound the same way: OpenGL may hand back a polygon's fan triangle
    // starting from another corner (Mesa puts the polygon's first vertex last).
    auto cornerMatches = [](const FeedbackVertex& g, const MeshVertex& c) {
        const double position =
            std::max({std::abs(g.x - c.position[0]), std::abs(g.y - c.position[1]),
                      std::abs(g.z - c.position[2])});
        const double colour = std::max({std::abs(g.r - c.colour[0]), std::abs(g.g - c.colour[1]),
                                        std::abs(g.b - c.colour[2]), std::abs(g.a - c.colour[3])});
        return position <= kPositionTolerance && colour <= kColourTolerance;
    };
    int mismatches = 0;
    for (size_t t = 0; t < drawn.size() && mismatches < 5; ++t) {
        ASSERT_EQ(drawn[t].vertices.size(), 3u) << "feedback polygon " << t;
        const MeshTriangle& c = captured.triangles[t];
        bool same = false;
        for (int shift = 0; shift < 3 && !same; ++shift) {
            same = true;
            for (int k = 0; k < 3; ++k)
                same =
                    same && cornerMatches(drawn[t].vertices[size_t(k)], c.corners[(k + shift) % 3]);
        }
        if (!same) {
            const FeedbackVertex& g = drawn[t].vertices[0];
            ADD_FAILURE() << "triangle " << t << " of placement " << c.placement
                          << " differs: drawn from (" << g.x << ", " << g.y << ", " << g.z
                          << "), captured from (" << c.corners[0].position[0] << ", "
                          << c.corners[0].position[1] << ", " << c.corners[0].position[2] << ")";
            ++mismatches;
        }
    }
}

TEST(GeometryCapture, HouseMatchesWhatOpenGLAssembles) {
    expectSameTriangles([] { BrikVantaHouse().drawSolidBrikVantaHouse(); }, 40);
}

TEST(GeometryCapture, ShowcaseMatchesWhatOpenGLAssembles) {
    // World units: the showcase stands on the base plate, scaled by 0.1.
    expectSameTriangles([] { DrawShowcaseScene(0); }, 4);
}
}  // namespace

// A capture on another thread draws through that thread's own target: the house drawn on this
// thread meanwhile reaches OpenGL whole, and the capture gets every triangle and no more.
TEST(GeometryCapture, RunsBesideAFrameDrawnOnTheMainThread) {
    const Model house = houseModel();
    const HouseMesh alone = captureHouse(house);
    const size_t drawnAlone = captureFeedback([&] { DrawScene(house, 0); }, 4).size();
    auto capture = std::async(std::launch::async, [&] { return captureHouse(house); });
    int draws = 0;
    do {
        EXPECT_EQ(captureFeedback([&] { DrawScene(house, 0); }, 4).size(), drawnAlone);
    } while (++draws < 2 || capture.wait_for(std::chrono::seconds(0)) != std::future_status::ready);
    const HouseMesh beside = capture.get();
    EXPECT_EQ(beside.triangles.size(), alone.triangles.size());
    EXPECT_EQ(beside.placements.size(), alone.placements.size());
}
