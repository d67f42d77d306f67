#include "mesh/ShadowTruth.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "mesh/IndexedHouse.h"

namespace {
// A shadow ray starts this share of its length off the surface, on the light's side, so that
// the surface does not shadow itself.
constexpr double kSurfaceOffset = 1e-5;

struct Camera {
    double eye[3];
    double view[16];  // world to eye, column-major
    double near, far;
    double projection[16];
};

Camera cameraOf(const TruthView& view) {
    Camera camera;
    for (int i = 0; i < 16; ++i) {
        camera.view[i] = view.cameraView.entries[i];
        camera.projection[i] = view.cameraProjection.entries[i];
    }
    // The eye is -Rᵀt for the rotation R and translation t of the view.
    for (int axis = 0; axis < 3; ++axis)
        camera.eye[axis] = -(camera.view[axis * 4] * camera.view[12] +
                             camera.view[axis * 4 + 1] * camera.view[13] +
                             camera.view[axis * 4 + 2] * camera.view[14]);
    // A perspective projection's third row holds (f + n) / (n - f) and 2fn / (n - f).
    const double a = camera.projection[10], b = camera.projection[14];
    camera.near = b / (a - 1);
    camera.far = b / (a + 1);
    return camera;
}

// The world direction of the ray through window position (x, y) in pixels, scaled so that its
// depth along the view axis is 1.
void rayDirection(const Camera& camera, const TruthView& view, double x, double y,
                  double direction[3]) {
    const double* p = camera.projection;
    const double ndcX = 2 * x / view.width - 1, ndcY = 2 * y / view.height - 1;
    const double inEye[3] = {(ndcX + p[8]) / p[0], (ndcY + p[9]) / p[5], -1};
    for (int axis = 0; axis < 3; ++axis)
        direction[axis] = camera.view[axis * 4] * inEye[0] + camera.view[axis * 4 + 1] * inEye[1] +
                          camera.view[axis * 4 + 2] * inEye[2];
}

PixelLight lightAt(const Bvh& scene, const Camera& camera, const double light[3],
                   const double direction[3], int* surface) {
    const RayHit hit = scene.nearestFrontFace(camera.eye, direction, camera.near, camera.far);
    *surface = hit.triangle;
    if (hit.triangle < 0) return PixelLight::Background;
    const auto& corners = scene.triangles()[size_t(hit.triangle)].corners;
    double edge1[3], edge2[3], point[3], toLight[3];
    for (int axis = 0; axis < 3; ++axis) {
        edge1[axis] = double(corners[1][axis]) - corners[0][axis];
        edge2[axis] = double(corners[2][axis]) - corners[0][axis];
        point[axis] = camera.eye[axis] + direction[axis] * hit.distance;
        toLight[axis] = light[axis] - point[axis];
    }
    double normal[3] = {edge1[1] * edge2[2] - edge1[2] * edge2[1],
                        edge1[2] * edge2[0] - edge1[0] * edge2[2],
                        edge1[0] * edge2[1] - edge1[1] * edge2[0]};
    const double normalLength =
        std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
    const double distance =
        std::sqrt(toLight[0] * toLight[0] + toLight[1] * toLight[1] + toLight[2] * toLight[2]);
    if (normal[0] * toLight[0] + normal[1] * toLight[1] + normal[2] * toLight[2] <= 0)
        return PixelLight::Shadowed;  // the face turns away from the light
    double start[3], towardsLight[3];
    for (int axis = 0; axis < 3; ++axis) {
        start[axis] = point[axis] + normal[axis] / normalLength * distance * kSurfaceOffset;
        towardsLight[axis] = light[axis] - start[axis];
    }
    return scene.anyHit(start, towardsLight, 0, 1) ? PixelLight::Shadowed : PixelLight::Lit;
}
}  // namespace

std::vector<BvhTriangle> houseTrianglesInWorld(const HouseMesh& mesh) {
    std::vector<BvhTriangle> triangles(mesh.triangles.size());
    for (size_t t = 0; t < mesh.triangles.size(); ++t)
        for (int corner = 0; corner < 3; ++corner)
            for (int axis = 0; axis < 3; ++axis)
                triangles[t].corners[corner][axis] = static_cast<float>(
                    mesh.triangles[t].corners[corner].position[axis] * kHouseScale +
                    kHouseOriginInWorld[axis]);
    return triangles;
}

void appendFloor(std::vector<BvhTriangle>* triangles, float halfSize) {
    const float h = halfSize;
    triangles->push_back({{{-h, 0, h}, {h, 0, h}, {h, 0, -h}}});
    triangles->push_back({{{-h, 0, h}, {h, 0, -h}, {-h, 0, -h}}});
}

LightMask computeLightMask(const Bvh& scene, const TruthView& view, int threads) {
    LightMask mask;
    mask.width = std::max(view.width, 0);
    mask.height = std::max(view.height, 0);
    mask.pixels.assign(size_t(mask.width) * size_t(mask.height), PixelLight::Background);
    mask.surfaces.assign(mask.pixels.size(), -1);
    const Camera camera = cameraOf(view);
    const double light[3] = {view.lightPosition.x, view.lightPosition.y, view.lightPosition.z};
    if (threads <= 0) threads = int(std::max(1u, std::thread::hardware_concurrency()));
    auto rows = [&](int firstRow) {
        for (int y = firstRow; y < mask.height; y += threads)
            for (int x = 0; x < mask.width; ++x) {
                double direction[3];
                rayDirection(camera, view, x + 0.5, y + 0.5, direction);
                const size_t pixel = size_t(y) * size_t(mask.width) + size_t(x);
                mask.pixels[pixel] =
                    lightAt(scene, camera, light, direction, &mask.surfaces[pixel]);
            }
    };
    std::vector<std::thread> workers;
    for (int worker = 1; worker < threads; ++worker) workers.emplace_back(rows, worker);
    rows(0);
    for (std::thread& worker : workers) worker.join();
    return mask;
}

MaskComparison compareMasks(const LightMask& truth, const LightMask& rendered, int firstUncounted) {
    MaskComparison comparison;
    const size_t count = std::min(truth.pixels.size(), rendered.pixels.size());
    for (size_t i = 0; i < count; ++i) {
        if (firstUncounted >= 0 && i < truth.surfaces.size() && truth.surfaces[i] >= firstUncounted)
            continue;
        const bool seenInTruth = truth.pixels[i] != PixelLight::Background;
        const bool seenRendered = rendered.pixels[i] != PixelLight::Background;
        if (seenInTruth != seenRendered) {
            ++comparison.coverageMismatch;
        } else if (seenInTruth) {
            ++comparison.visibleInBoth;
            if (truth.pixels[i] != rendered.pixels[i]) ++comparison.differing;
        }
    }
    return comparison;
}
