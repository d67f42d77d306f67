#pragma once

// Probes for the piece tests: draw one piece call through GL feedback together with the
// state it leaves for its caller, and read studs, bounds and colours back from the
// triangles. Coordinates are brick units in the caller's frame.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "model/BrikColor.h"
#include "support/GlTestContext.h"

namespace piece_probes {

using Vec3 = std::array<double, 3>;
using Matrix = std::array<double, 16>;  // column-major, as OpenGL keeps it
using Polygons = std::vector<FeedbackPolygon>;

constexpr double kTolerance = 1e-3;  // feedback coordinates carry about 1e-5 of rounding
constexpr double kPi = 3.14159265;
constexpr int kBoxTriangles = 12;
constexpr int kStudTriangles = 40;  // 10 side quads and 20 disc wedges

// Volume of the closed ten-sided prism that every stud and round part is drawn as.
inline double cylinderVolume(double height, double radius) {
    return height * 5 * radius * radius * std::sin(2 * kPi / 10);
}
inline const double kStudVolume = cylinderVolume(0.2, 0.3);

// What one piece call drew, and the state it left in the caller's frame.
struct Drawn {
    Polygons polygons;
    int depthChange = 0;
    std::array<float, 4> colourAfter{};
    Matrix matrixAfter{};  // the caller's modelview after the call, having started at identity
};

inline Drawn drawPiece(const std::function<void()>& draw) {
    Drawn drawn;
    drawn.polygons = captureFeedback([&] {
        glColor4d(0.1, 0.2, 0.3, 0.4);  // no piece uses it: each must set its own colour
        const int depth = modelviewDepth();
        draw();
        drawn.depthChange = modelviewDepth() - depth;
        drawn.colourAfter = currentColour();
        glGetDoublev(GL_MODELVIEW_MATRIX, drawn.matrixAfter.data());
    });
    return drawn;
}

// The matrix that `transforms` build from identity.
inline Matrix matrixOf(const std::function<void()>& transforms) {
    ensureGlContext();
    Matrix m{};
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    transforms();
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    glPopMatrix();
    return m;
}

// Mesa keeps matrices in single precision, so products taken in another order differ
// in the last float bits.
inline void expectMatrix(const Matrix& expected, const Matrix& actual) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(expected[i], actual[i], 1e-5) << "caller's matrix entry " << i;
}

// Where a point of the unturned piece lands once its width × depth footprint is turned by
// `angle` about +y and moved back to start at the origin; other angles leave it alone.
inline Vec3 turned(Vec3 p, int angle, double width, double depth) {
    switch (angle) {
        case 90:
            return {p[2], p[1], width - p[0]};
        case 180:
            return {width - p[0], p[1], depth - p[2]};
        case 270:
            return {depth - p[2], p[1], p[0]};
        default:
            return p;
    }
}

inline Bounds turnedBounds(const Bounds& b, int angle, double width, double depth) {
    const Vec3 a = turned(b.min, angle, width, depth), c = turned(b.max, angle, width, depth);
    Bounds result;
    for (int axis = 0; axis < 3; ++axis) {
        result.min[axis] = std::min(a[axis], c[axis]);
        result.max[axis] = std::max(a[axis], c[axis]);
    }
    return result;
}

inline void expectBounds(const Bounds& expected, const Bounds& actual) {
    const char* names[] = {"x", "y", "z"};
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(expected.min[axis], actual.min[axis], kTolerance) << "lowest " << names[axis];
        EXPECT_NEAR(expected.max[axis], actual.max[axis], kTolerance) << "highest " << names[axis];
    }
}

inline bool near(const Vec3& a, const Vec3& b) {
    return std::fabs(a[0] - b[0]) < kTolerance && std::fabs(a[1] - b[1]) < kTolerance &&
           std::fabs(a[2] - b[2]) < kTolerance;
}

// Centres of the end discs of every stud-sized cylinder, whatever way it points: a disc
// wedge is a triangle with two 0.3 edges from the centre and a chord of a tenth of a turn.
inline std::vector<Vec3> studDiscCentres(const Polygons& polygons) {
    auto distance = [](const FeedbackVertex& p, const FeedbackVertex& q) {
        return std::hypot(p.x - q.x, p.y - q.y, p.z - q.z);
    };
    const double chord = 2 * 0.3 * std::sin(kPi / 10);
    std::vector<Vec3> centres;
    for (const auto& polygon : polygons) {
        const auto& v = polygon.vertices;
        if (v.size() != 3) continue;
        for (int k = 0; k < 3; ++k) {
            const auto& c = v[k];
            const auto& p = v[(k + 1) % 3];
            const auto& q = v[(k + 2) % 3];
            if (std::fabs(distance(c, p) - 0.3) > kTolerance ||
                std::fabs(distance(c, q) - 0.3) > kTolerance ||
                std::fabs(distance(p, q) - chord) > kTolerance) {
                continue;
            }
            const Vec3 centre{c.x, c.y, c.z};
            if (std::none_of(centres.begin(), centres.end(),
                             [&](const Vec3& o) { return near(o, centre); }))
                centres.push_back(centre);
        }
    }
    return centres;
}

// A stud by the centre of its base disc and the direction it points.
struct Stud {
    Vec3 base;
    Vec3 axis;
};

// Both end discs of every expected stud, turned, and no other stud-sized disc.
inline void expectStuds(const std::vector<Stud>& studs, int angle, double width, double depth,
                        const Polygons& polygons) {
    const std::vector<Vec3> found = studDiscCentres(polygons);
    EXPECT_EQ(2 * studs.size(), found.size()) << "stud end discs drawn";
    for (const auto& stud : studs) {
        const Vec3& b = stud.base;
        const Vec3 top{b[0] + 0.2 * stud.axis[0], b[1] + 0.2 * stud.axis[1], b[2] + 0.2 * stud.axis[2]};
        for (const Vec3& disc : {turned(b, angle, width, depth), turned(top, angle, width, depth)}) {
            EXPECT_TRUE(
                std::any_of(found.begin(), found.end(), [&](const Vec3& f) { return near(f, disc); }))
                << "no stud disc centred at (" << disc[0] << ", " << disc[1] << ", " << disc[2] << ")";
        }
    }
}

// A brick colour as OpenGL carries it, opaque.
inline std::array<double, 4> rgbaOf(BrikColor colour) {
    return {colour.getColorRed() / 255.0, colour.getColorGreen() / 255.0, colour.getColorBlue() / 255.0,
            1.0};
}

inline void expectColour(std::array<double, 4> expected, std::array<float, 4> actual) {
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(expected[i], actual[i], 1e-6) << "colour channel " << i;
}

// The triangles whose every vertex carries the colour (r, g, b, a).
inline Polygons colouredAs(const Polygons& polygons, std::array<double, 4> rgba) {
    Polygons result;
    for (const auto& polygon : polygons) {
        const bool match =
            std::all_of(polygon.vertices.begin(), polygon.vertices.end(), [&](const FeedbackVertex& v) {
                return std::fabs(v.r - rgba[0]) < 1e-5 && std::fabs(v.g - rgba[1]) < 1e-5 &&
                       std::fabs(v.b - rgba[2]) < 1e-5 && std::fabs(v.a - rgba[3]) < 1e-5;
            });
        if (match) result.push_back(polygon);
    }
    return result;
}

// The triangles whose every vertex passes `inside`.
inline Polygons polygonsWhere(const Polygons& polygons,
                              const std::function<bool(const FeedbackVertex&)>& inside) {
    Polygons result;
    for (const auto& polygon : polygons) {
        if (std::all_of(polygon.vertices.begin(), polygon.vertices.end(), inside))
            result.push_back(polygon);
    }
    return result;
}

}  // namespace piece_probes
