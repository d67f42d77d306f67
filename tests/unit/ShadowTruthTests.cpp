// The measured truth against a scene whose shadow is known exactly: a box held over a plate
// under a point light straight above its centre. The box's top is lit, its sides turn away
// from the light, and on the plate the shadow is the box's footprint grown by the light's
// perspective: half-size × light height / (light height − box top).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "mesh/ShadowTruth.h"

namespace {
constexpr double kBoxHalf = 0.5, kBoxBottom = 1, kBoxTop = 2;
constexpr double kPlateHalf = 4;
constexpr double kLightHeight = 10;
constexpr int kPixels = 96;
constexpr double kFieldOfViewDegrees = 60;
constexpr double kEdgeMargin = 0.12;  // world units: more than a pixel wherever a ray lands

// The box's twelve triangles, counter-clockwise seen from outside.
void appendBox(std::vector<BvhTriangle>* triangles) {
    const float lo[3] = {-float(kBoxHalf), float(kBoxBottom), -float(kBoxHalf)};
    const float hi[3] = {float(kBoxHalf), float(kBoxTop), float(kBoxHalf)};
    for (int axis = 0; axis < 3; ++axis)
        for (int side = 0; side < 2; ++side) {
            const int u = (axis + 1) % 3, v = (axis + 2) % 3;
            float quad[4][3];
            const bool uv[4][2] = {{false, false}, {true, false}, {true, true}, {false, true}};
            for (int c = 0; c < 4; ++c) {
                quad[c][axis] = side ? hi[axis] : lo[axis];
                quad[c][u] = uv[c][0] ? hi[u] : lo[u];
                quad[c][v] = uv[c][1] ? hi[v] : lo[v];
            }
            // (u, v, axis) is right-handed: the corners turn anticlockwise seen from +axis.
            const int order[2][3] = {{0, 1, 2}, {0, 2, 3}};
            for (const auto& tri : order) {
                BvhTriangle triangle;
                for (int c = 0; c < 3; ++c)
                    for (int a = 0; a < 3; ++a)
                        triangle.corners[side ? c : 2 - c][a] = quad[tri[c]][a];
                triangles->push_back(triangle);
            }
        }
}

// gluLookAt towards the origin with +y up (or -z up when looking straight down), and
// gluPerspective, as the frame builds them.
TruthView viewFrom(const double eye[3]) {
    double back[3] = {eye[0], eye[1], eye[2]};
    const double length = std::sqrt(back[0] * back[0] + back[1] * back[1] + back[2] * back[2]);
    for (double& c : back) c /= length;
    const bool down = std::fabs(back[1]) > 0.999;
    const double up[3] = {0, down ? 0.0 : 1.0, down ? -1.0 : 0.0};
    double right[3] = {up[1] * back[2] - up[2] * back[1], up[2] * back[0] - up[0] * back[2],
                       up[0] * back[1] - up[1] * back[0]};
    const double rightLength =
        std::sqrt(right[0] * right[0] + right[1] * right[1] + right[2] * right[2]);
    for (double& c : right) c /= rightLength;
    const double trueUp[3] = {back[1] * right[2] - back[2] * right[1],
                              back[2] * right[0] - back[0] * right[2],
                              back[0] * right[1] - back[1] * right[0]};
    const double* rows[3] = {right, trueUp, back};
    TruthView view;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            view.cameraView.entries[col * 4 + row] = float(rows[row][col]);
        view.cameraView.entries[12 + row] =
            float(-(rows[row][0] * eye[0] + rows[row][1] * eye[1] + rows[row][2] * eye[2]));
    }
    const double f = 1 / std::tan(kFieldOfViewDegrees * M_PI / 360), n = 1, far = 50;
    view.cameraProjection.LoadZero();
    view.cameraProjection.entries[0] = view.cameraProjection.entries[5] = float(f);
    view.cameraProjection.entries[10] = float((far + n) / (n - far));
    view.cameraProjection.entries[11] = -1;
    view.cameraProjection.entries[14] = float(2 * far * n / (n - far));
    view.width = view.height = kPixels;
    view.lightPosition = VECTOR3D(0, float(kLightHeight), 0);
    return view;
}

bool within(double value, double half) { return std::fabs(value) < half - kEdgeMargin; }
bool near(double value, double edge) { return std::fabs(std::fabs(value) - edge) < kEdgeMargin; }
}  // namespace

TEST(ShadowTruth, FindsTheBoxFootprintUnderALightStraightAbove) {
    std::vector<BvhTriangle> triangles;
    appendBox(&triangles);
    appendFloor(&triangles, float(kPlateHalf));
    const Bvh scene(triangles);
    const double shadowHalf = kBoxHalf * kLightHeight / (kLightHeight - kBoxTop);

    // Straight down on the box's top; from the side, where one face of the box shows.
    const double eyes[][3] = {{0, 8, 0}, {4, 7, 3}};
    long counts[3] = {0, 0, 0};  // pixels checked in each state
    for (const auto& eye : eyes) {
        const TruthView view = viewFrom(eye);
        const LightMask mask = computeLightMask(scene, view, 2);
        ASSERT_EQ(mask.pixels.size(), size_t(kPixels * kPixels));
        for (int y = 0; y < kPixels; ++y)
            for (int x = 0; x < kPixels; ++x) {
                // Where the pixel's ray meets the box's top and the plate's plane, if not first
                // stopped by a side of the box (sides face away from a light above the centre).
                const double ndc[2] = {2 * (x + 0.5) / kPixels - 1, 2 * (y + 0.5) / kPixels - 1};
                const float* v = view.cameraView.entries;
                const double f = view.cameraProjection.entries[0];
                double direction[3];
                for (int a = 0; a < 3; ++a)
                    direction[a] = v[a * 4] * ndc[0] / f + v[a * 4 + 1] * ndc[1] / f - v[a * 4 + 2];
                // The box by slabs: where the ray enters it, and through which face.
                const double lo[3] = {-kBoxHalf, kBoxBottom, -kBoxHalf};
                const double hi[3] = {kBoxHalf, kBoxTop, kBoxHalf};
                double enter = -INFINITY, leave = INFINITY;
                int face = -1;
                for (int a = 0; a < 3; ++a) {
                    double t0 = (lo[a] - eye[a]) / direction[a],
                           t1 = (hi[a] - eye[a]) / direction[a];
                    if (t0 > t1) std::swap(t0, t1);
                    if (t0 > enter) enter = t0, face = a;
                    leave = std::min(leave, t1);
                }
                const double plate[2] = {eye[0] - direction[0] * eye[1] / direction[1],
                                         eye[2] - direction[2] * eye[1] / direction[1]};
                PixelLight expected;
                if (enter < leave) {
                    bool onEdge = false;
                    for (int a = 0; a < 3; ++a) {
                        const double p = eye[a] + direction[a] * enter;
                        onEdge |= a != face && (std::fabs(p - lo[a]) < kEdgeMargin ||
                                                std::fabs(p - hi[a]) < kEdgeMargin);
                    }
                    if (onEdge) continue;  // within a pixel of an edge: either answer is right
                    expected = face == 1 ? PixelLight::Lit : PixelLight::Shadowed;
                } else if (near(plate[0], shadowHalf) || near(plate[1], shadowHalf) ||
                           near(plate[0], kPlateHalf) || near(plate[1], kPlateHalf) ||
                           enter < leave + kEdgeMargin) {
                    continue;
                } else if (!within(plate[0], kPlateHalf) || !within(plate[1], kPlateHalf)) {
                    expected = PixelLight::Background;
                } else {
                    const bool underBox =
                        within(plate[0], shadowHalf) && within(plate[1], shadowHalf);
                    expected = underBox ? PixelLight::Shadowed : PixelLight::Lit;
                }
                ++counts[int(expected)];
                EXPECT_EQ(int(mask.at(x, y)), int(expected))
                    << "pixel " << x << "," << y << " from eye " << eye[0] << "," << eye[1] << ","
                    << eye[2] << " (0 background, 1 lit, 2 shadowed)";
            }
    }
    for (long count : counts) EXPECT_GT(count, 0) << "every state should be on the pictures";
}
