#include "support/PieceProbes.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace piece_probes {
namespace {

double distance(const FeedbackVertex& p, const FeedbackVertex& q) {
    return std::hypot(p.x - q.x, p.y - q.y, p.z - q.z);
}

bool near(const Vec3& a, const Vec3& b, double tolerance) {
    return std::fabs(a[0] - b[0]) < tolerance && std::fabs(a[1] - b[1]) < tolerance &&
           std::fabs(a[2] - b[2]) < tolerance;
}

double coordinate(const FeedbackVertex& v, int axis) {
    return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

// Mesa keeps matrices in single precision, so products taken in another order differ
// in the last float bits.
void expectMatrix(const Matrix& expected, const Matrix& actual) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(expected[i], actual[i], 1e-5) << "caller's matrix entry " << i;
}

void expectColour(Rgba expected, std::array<float, 4> actual) {
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(expected[i], actual[i], 1e-6) << "colour channel " << i;
}

}  // namespace

BrikColor makeColour(int red, int green, int blue) {
    BrikColor colour;
    colour.setColor(red, green, blue);
    return colour;
}

Rgba rgbaOf(BrikColor colour) {
    return {colour.getColorRed() / 255.0, colour.getColorGreen() / 255.0,
            colour.getColorBlue() / 255.0, 1.0};
}

PointKey keyOf(double x, double y, double z) {
    return {std::lround(x * 1000), std::lround(y * 1000), std::lround(z * 1000)};
}

Vec3 triangleNormal(const FeedbackPolygon& triangle) {
    const auto& a = triangle.vertices[0];
    const auto& b = triangle.vertices[1];
    const auto& c = triangle.vertices[2];
    const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
    return {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
}

Vec3 unitNormal(const FeedbackPolygon& triangle) {
    const auto n = triangleNormal(triangle);
    const double magnitude = std::hypot(n[0], n[1], n[2]);
    return {n[0] / magnitude, n[1] / magnitude, n[2] / magnitude};
}

// ---- The state a piece leaves for its caller ----

Drawn drawPiece(const std::function<void()>& draw) {
    Drawn drawn;
    drawn.polygons = captureFeedback([&] {
        glColor4d(0.1, 0.2, 0.3, 0.4);  // no piece uses it: each must set its own colour
        const int depth = modelviewDepth();
        draw();
        drawn.depthChange = modelviewDepth() - depth;
        drawn.colourAfter = currentColour();
        drawn.matrixAfter = currentModelview();
    });
    return drawn;
}

Matrix matrixOf(const std::function<void()>& transforms) {
    ensureGlContext();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    transforms();
    const Matrix m = currentModelview();
    glPopMatrix();
    return m;
}

Matrix turnThenOffset(int turn, double width, double depth, Vec3 offset) {
    return matrixOf([&] {
        if (turn != 0) {
            const Vec3 t = turned({0, 0, 0}, turn, width, depth);
            glTranslated(t[0], t[1], t[2]);
            glRotated(turn, 0, 1, 0);
        }
        glTranslated(offset[0], offset[1], offset[2]);
    });
}

void expectLeavesState(const Drawn& drawn, Rgba colour, const Matrix& matrix) {
    expectColour(colour, drawn.colourAfter);
    EXPECT_EQ(0, drawn.depthChange) << "modelview stack depth changed";
    expectMatrix(matrix, drawn.matrixAfter);
}

void expectCallerStateKept(const std::function<void()>& draw, BrikColor colour) {
    ensureGlContext();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(3, -2, 5);
    glRotated(30, 0, 1, 0);
    const Matrix before = currentModelview();
    const int depthBefore = modelviewDepth();
    glColor3d(0.5, 0.5, 0.5);
    draw();
    const int depthAfter = modelviewDepth();
    const Matrix after = currentModelview();
    const auto current = currentColour();
    glPopMatrix();

    EXPECT_EQ(depthAfter, depthBefore);
    for (int k = 0; k < 16; ++k) EXPECT_DOUBLE_EQ(after[k], before[k]) << "matrix element " << k;
    EXPECT_NEAR(current[0], colour.getColorRed() / 255.0, 1e-6);
    EXPECT_NEAR(current[1], colour.getColorGreen() / 255.0, 1e-6);
    EXPECT_NEAR(current[2], colour.getColorBlue() / 255.0, 1e-6);
}

// ---- Turns ----

int effectiveTurn(int angle, const std::vector<int>& turningAngles) {
    const auto found = std::find(turningAngles.begin(), turningAngles.end(), angle);
    return found != turningAngles.end() ? angle : 0;
}

Vec3 turned(Vec3 p, int angle, double width, double depth) {
    switch (angle) {
        case 90: return {p[2], p[1], width - p[0]};
        case 180: return {width - p[0], p[1], depth - p[2]};
        case 270: return {depth - p[2], p[1], p[0]};
        default: return p;
    }
}

Bounds turnedBounds(const Bounds& b, int angle, double width, double depth) {
    const Vec3 a = turned(b.min, angle, width, depth), c = turned(b.max, angle, width, depth);
    Bounds result;
    for (int axis = 0; axis < 3; ++axis) {
        result.min[axis] = std::min(a[axis], c[axis]);
        result.max[axis] = std::max(a[axis], c[axis]);
    }
    return result;
}

void expectSamePolygons(const Polygons& actual, const Polygons& expected, double angle) {
    ASSERT_EQ(actual.size(), expected.size()) << "angle " << angle;
    for (std::size_t p = 0; p < expected.size(); ++p) {
        ASSERT_EQ(actual[p].vertices.size(), expected[p].vertices.size());
        for (std::size_t k = 0; k < expected[p].vertices.size(); ++k) {
            const auto& a = actual[p].vertices[k];
            const auto& e = expected[p].vertices[k];
            ASSERT_TRUE(std::abs(a.x - e.x) < 1e-9 && std::abs(a.y - e.y) < 1e-9 &&
                        std::abs(a.z - e.z) < 1e-9)
                << "angle " << angle << ": polygon " << p << " differs from the unturned piece";
        }
    }
}

// ---- Shape ----

void expectBounds(const Bounds& expected, const Bounds& actual, double tolerance) {
    const char* names[] = {"x", "y", "z"};
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(expected.min[axis], actual.min[axis], tolerance) << "lowest " << names[axis];
        EXPECT_NEAR(expected.max[axis], actual.max[axis], tolerance) << "highest " << names[axis];
    }
}

void expectEnclosedVolume(const Polygons& polygons, double expected, double tolerance,
                          Vec3 reference, Vec3 otherReference) {
    EXPECT_NEAR(expected, signedVolume(polygons, reference), tolerance)
        << "volume from (" << reference[0] << ", " << reference[1] << ", " << reference[2] << ")";
    EXPECT_NEAR(expected, signedVolume(polygons, otherReference), tolerance)
        << "the volume depends on the reference point: a face is wound inward";
}

Crossings columnCrossings(const Polygons& polygons, double x, double z) {
    Crossings crossings;
    for (const auto& triangle : polygons) {
        const auto n = triangleNormal(triangle);
        if (std::abs(n[1]) < 1e-9) continue;
        const auto& a = triangle.vertices[0];
        const auto& b = triangle.vertices[1];
        const auto& c = triangle.vertices[2];
        const double det = (b.x - a.x) * (c.z - a.z) - (c.x - a.x) * (b.z - a.z);
        const double s = ((x - a.x) * (c.z - a.z) - (c.x - a.x) * (z - a.z)) / det;
        const double t = ((b.x - a.x) * (z - a.z) - (x - a.x) * (b.z - a.z)) / det;
        if (s < -1e-9 || t < -1e-9 || s + t > 1 + 1e-9) continue;
        const double y = a.y - (n[0] * (x - a.x) + n[2] * (z - a.z)) / n[1];
        crossings.push_back({y, n[1] > 0 ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end());
    Crossings merged;
    for (const auto& crossing : crossings) {
        if (merged.empty() || std::abs(merged.back().first - crossing.first) > 1e-6 ||
            merged.back().second != crossing.second) {
            merged.push_back(crossing);
        }
    }
    return merged;
}

void expectCrossings(const Crossings& actual, const Crossings& expected, const char* where,
                     double tolerance) {
    ASSERT_EQ(actual.size(), expected.size()) << where;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(actual[k].first, expected[k].first, tolerance) << where << ", crossing " << k;
        EXPECT_EQ(actual[k].second, expected[k].second) << where << ", crossing " << k;
    }
}

Polygons facesInPlane(const Polygons& polygons, int axis, double level, int facing,
                      double tolerance) {
    Polygons faces;
    for (const auto& triangle : polygons) {
        auto offPlane = [&](const FeedbackVertex& v) {
            return std::abs(coordinate(v, axis) - level) > tolerance;
        };
        if (std::any_of(triangle.vertices.begin(), triangle.vertices.end(), offPlane)) continue;
        if (triangleNormal(triangle)[axis] * facing <= 0) continue;
        faces.push_back(triangle);
    }
    return faces;
}

double areaAcross(const Polygons& faces, int axis) {
    double area = 0;
    for (const auto& triangle : faces) area += std::abs(triangleNormal(triangle)[axis]) / 2;
    return area;
}

// ---- Studs ----

std::set<PointKey> studCentres(const Polygons& polygons, double studTop, double tolerance) {
    std::set<PointKey> centres;
    for (const auto& triangle : polygons) {
        const auto& v = triangle.vertices;
        auto offTop = [&](const FeedbackVertex& p) { return std::abs(p.y - studTop) > tolerance; };
        if (v.size() != 3 || std::any_of(v.begin(), v.end(), offTop)) continue;
        for (int k = 0; k < 3; ++k) {
            if (std::abs(distance(v[k], v[(k + 1) % 3]) - 0.3) < tolerance &&
                std::abs(distance(v[k], v[(k + 2) % 3]) - 0.3) < tolerance) {
                centres.insert(keyOf(v[k].x, studTop - 0.2, v[k].z));
            }
        }
    }
    return centres;
}

std::vector<Vec3> studDiscCentres(const Polygons& polygons, double tolerance) {
    const double chord = 2 * 0.3 * std::sin(kPi / 10);
    std::vector<Vec3> centres;
    for (const auto& polygon : polygons) {
        const auto& v = polygon.vertices;
        if (v.size() != 3) continue;
        for (int k = 0; k < 3; ++k) {
            const auto& c = v[k];
            const auto& p = v[(k + 1) % 3];
            const auto& q = v[(k + 2) % 3];
            if (std::fabs(distance(c, p) - 0.3) > tolerance ||
                std::fabs(distance(c, q) - 0.3) > tolerance ||
                std::fabs(distance(p, q) - chord) > tolerance) {
                continue;
            }
            const Vec3 centre{c.x, c.y, c.z};
            if (std::none_of(centres.begin(), centres.end(),
                             [&](const Vec3& o) { return near(o, centre, tolerance); }))
                centres.push_back(centre);
        }
    }
    return centres;
}

void expectStuds(const std::vector<Stud>& studs, int angle, double width, double depth,
                 const Polygons& polygons, double tolerance) {
    const std::vector<Vec3> found = studDiscCentres(polygons, tolerance);
    EXPECT_EQ(2 * studs.size(), found.size()) << "stud end discs drawn";
    for (const auto& stud : studs) {
        const Vec3& b = stud.base;
        const Vec3 top{b[0] + 0.2 * stud.axis[0], b[1] + 0.2 * stud.axis[1],
                       b[2] + 0.2 * stud.axis[2]};
        for (const Vec3& disc :
             {turned(b, angle, width, depth), turned(top, angle, width, depth)}) {
            EXPECT_TRUE(std::any_of(found.begin(), found.end(),
                                    [&](const Vec3& f) { return near(f, disc, tolerance); }))
                << "no stud disc centred at (" << disc[0] << ", " << disc[1] << ", " << disc[2]
                << ")";
        }
    }
}

// ---- Picking parts out ----

Polygons colouredAs(const Polygons& polygons, Rgba rgba) {
    Polygons result;
    for (const auto& polygon : polygons) {
        const bool match = std::all_of(
            polygon.vertices.begin(), polygon.vertices.end(), [&](const FeedbackVertex& v) {
                return std::fabs(v.r - rgba[0]) < 1e-5 && std::fabs(v.g - rgba[1]) < 1e-5 &&
                       std::fabs(v.b - rgba[2]) < 1e-5 && std::fabs(v.a - rgba[3]) < 1e-5;
            });
        if (match) result.push_back(polygon);
    }
    return result;
}

Polygons polygonsWhere(const Polygons& polygons,
                       const std::function<bool(const FeedbackVertex&)>& inside) {
    Polygons result;
    for (const auto& polygon : polygons) {
        if (std::all_of(polygon.vertices.begin(), polygon.vertices.end(), inside))
            result.push_back(polygon);
    }
    return result;
}

}  // namespace piece_probes
