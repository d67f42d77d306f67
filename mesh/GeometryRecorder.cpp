#include "mesh/GeometryRecorder.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>

#include "maths/Angles.h"

namespace {
// The GLUT unit cube: eight corners and six faces, each face as four corner indices split
// into the triangles (0, 1, 2) and (0, 2, 3), with its outward normal.
// clang-format off
constexpr double kCubeCorners[8][3] = {
    { 0.5,  0.5,  0.5}, {-0.5,  0.5,  0.5}, {-0.5, -0.5,  0.5}, { 0.5, -0.5,  0.5},
    { 0.5, -0.5, -0.5}, { 0.5,  0.5, -0.5}, {-0.5,  0.5, -0.5}, {-0.5, -0.5, -0.5},
};
struct CubeFace {
    int corners[4];
    double normal[3];
};
constexpr CubeFace kCubeFaces[6] = {
    {{0, 1, 2, 3}, { 0,  0,  1}},
    {{0, 3, 4, 5}, { 1,  0,  0}},
    {{0, 5, 6, 1}, { 0,  1,  0}},
    {{1, 6, 7, 2}, {-1,  0,  0}},
    {{7, 4, 3, 2}, { 0, -1,  0}},
    {{4, 7, 6, 5}, { 0,  0, -1}},
};
// clang-format on

std::array<double, 16> identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }
}  // namespace

GeometryRecorder::GeometryRecorder() : stack{identity()} {}

void GeometryRecorder::beginPolygon() {
    inPolygon = true;
    polygon.clear();
}

void GeometryRecorder::endPolygon() {
    // A fan from the first vertex, as the renderer splits a convex polygon.
    for (size_t i = 2; i < polygon.size(); ++i) {
        mesh.triangles.push_back({{polygon[0], polygon[i - 1], polygon[i]}, currentPlacement});
    }
    inPolygon = false;
    polygon.clear();
}

void GeometryRecorder::vertex(double x, double y, double z) {
    if (inPolygon) polygon.push_back(transformed(x, y, z));
}

void GeometryRecorder::normal(double x, double y, double z) { currentNormal = {x, y, z}; }

void GeometryRecorder::colour(double red, double green, double blue) {
    colour(red, green, blue, 1.0);
}

void GeometryRecorder::colour(double red, double green, double blue, double alpha) {
    currentColour = {static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue),
                     static_cast<float>(alpha)};
}

void GeometryRecorder::pushMatrix() { stack.push_back(stack.back()); }

void GeometryRecorder::popMatrix() {
    if (stack.size() < 2) throw std::logic_error("geometry capture: matrix stack underflow");
    stack.pop_back();
}

void GeometryRecorder::translate(double x, double y, double z) {
    Matrix m = identity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    multiply(m);
}

void GeometryRecorder::rotate(double degrees, double x, double y, double z) {
    const double length = std::sqrt(x * x + y * y + z * z);
    if (length == 0) return;
    x /= length;
    y /= length;
    z /= length;
    const double radians = degrees * kPi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians), t = 1 - c;
    // The rotation OpenGL documents for glRotate, column-major.
    const Matrix m = {t * x * x + c,
                      t * x * y + s * z,
                      t * x * z - s * y,
                      0,
                      t * x * y - s * z,
                      t * y * y + c,
                      t * y * z + s * x,
                      0,
                      t * x * z + s * y,
                      t * y * z - s * x,
                      t * z * z + c,
                      0,
                      0,
                      0,
                      0,
                      1};
    multiply(m);
}

void GeometryRecorder::scale(double x, double y, double z) {
    Matrix m = identity();
    m[0] = x;
    m[5] = y;
    m[10] = z;
    multiply(m);
}

void GeometryRecorder::unitCube() {
    const std::array<double, 3> savedNormal = currentNormal;
    for (const CubeFace& face : kCubeFaces) {
        currentNormal = {face.normal[0], face.normal[1], face.normal[2]};
        MeshVertex corners[4];
        for (int k = 0; k < 4; ++k) {
            const double* p = kCubeCorners[face.corners[k]];
            corners[k] = transformed(p[0], p[1], p[2]);
        }
        mesh.triangles.push_back({{corners[0], corners[1], corners[2]}, currentPlacement});
        mesh.triangles.push_back({{corners[0], corners[2], corners[3]}, currentPlacement});
    }
    currentNormal = savedNormal;
}

void GeometryRecorder::beginPlacement(const PlacementTag& placement) {
    mesh.placements.push_back(placement);
    currentPlacement = static_cast<int>(mesh.placements.size()) - 1;
}

void GeometryRecorder::endPlacement() { currentPlacement = -1; }

HouseMesh GeometryRecorder::take() {
    HouseMesh taken = std::move(mesh);
    mesh = HouseMesh();
    return taken;
}

MeshVertex GeometryRecorder::transformed(double x, double y, double z) const {
    const Matrix& m = stack.back();
    MeshVertex v;
    v.position[0] = static_cast<float>(m[0] * x + m[4] * y + m[8] * z + m[12]);
    v.position[1] = static_cast<float>(m[1] * x + m[5] * y + m[9] * z + m[13]);
    v.position[2] = static_cast<float>(m[2] * x + m[6] * y + m[10] * z + m[14]);

    // Normals go through the inverse transpose of the upper 3 × 3: the cofactor matrix
    // has the same direction, and the length is normalised away.
    const double a = m[0], b = m[4], c = m[8];
    const double d = m[1], e = m[5], f = m[9];
    const double g = m[2], h = m[6], i = m[10];
    const double cof[9] = {e * i - f * h, f * g - d * i, d * h - e * g,
                           c * h - b * i, a * i - c * g, b * g - a * h,
                           b * f - c * e, c * d - a * f, a * e - b * d};
    const double nx = currentNormal[0], ny = currentNormal[1], nz = currentNormal[2];
    double n[3] = {cof[0] * nx + cof[1] * ny + cof[2] * nz, cof[3] * nx + cof[4] * ny + cof[5] * nz,
                   cof[6] * nx + cof[7] * ny + cof[8] * nz};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (int k = 0; k < 3; ++k) v.normal[k] = static_cast<float>(length > 0 ? n[k] / length : 0);
    for (std::size_t k = 0; k < 4; ++k) v.colour[k] = currentColour[k];
    return v;
}

void GeometryRecorder::multiply(const Matrix& right) {
    const Matrix left = stack.back();
    Matrix& out = stack.back();
    for (std::size_t column = 0; column < 4; ++column) {
        for (std::size_t row = 0; row < 4; ++row) {
            double sum = 0;
            for (std::size_t k = 0; k < 4; ++k) sum += left[k * 4 + row] * right[column * 4 + k];
            out[column * 4 + row] = sum;
        }
    }
}
