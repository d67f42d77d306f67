#include "instructions/StepView.h"

#include <cmath>
#include <vector>

#include "instructions/StepCoverage.h"
#include "maths/Angles.h"
#include "maths/ViewFit.h"
#include "model/HouseFrame.h"
#include "render/FrameConstants.h"
#include "render/FrameState.h"

namespace {
// The coverage raster's width in pixels: a quarter of the guide's pictures, fine enough for
// the smallest step's pieces to cover dozens of pixels.
constexpr int kCoverageWidth = 160;

// The directions the guide may look from (from the target towards the eye): two elevations
// all round, the front first. High enough that the floor fills the picture behind the house.
std::vector<VECTOR3D> candidateDirections() {
    std::vector<VECTOR3D> directions;
    for (const double elevation : {45.0, 60.0}) {
        for (int azimuth = 0; azimuth < 360; azimuth += 45) {
            const double e = elevation * kPi / 180, a = azimuth * kPi / 180;
            directions.emplace_back(float(std::cos(e) * std::sin(a)), float(std::sin(e)),
                                    float(std::cos(e) * std::cos(a)));
        }
    }
    return directions;
}

EyeView eyeView(const StepCoverage& coverage) {
    return {double(coverage.seen),
            coverage.alone > 0 ? double(coverage.seen) / double(coverage.alone) : 0.0};
}

// Whether eye `eye` may stay at a step (EyeKeeping).
bool acceptable(const std::vector<EyeView>& views, size_t eye, const EyeKeeping& rule) {
    double best = 0;
    size_t bestEye = 0;
    for (size_t i = 0; i < views.size(); ++i)
        if (views[i].seen > best) best = views[i].seen, bestEye = i;
    auto fits = [&](size_t i) {
        return views[i].seenShare >= rule.share && views[i].seen >= rule.area * best;
    };
    bool anyFits = false;
    for (size_t i = 0; i < views.size(); ++i) anyFits = anyFits || fits(i);
    return anyFits ? fits(eye) : eye == bestEye;
}

std::vector<VECTOR3D> worldPoints(const HouseMesh& house) {
    std::vector<VECTOR3D> points;
    points.reserve(house.triangles.size() * 3);
    for (const MeshTriangle& triangle : house.triangles)
        for (const MeshVertex& corner : triangle.corners)
            points.emplace_back(float(corner.position[0] * kHouseScale + kHouseOriginInWorldXZ),
                                float(corner.position[1] * kHouseScale),
                                float(corner.position[2] * kHouseScale + kHouseOriginInWorldXZ));
    return points;
}
}  // namespace

std::vector<size_t> chooseGuideEyes(const std::vector<std::vector<EyeView>>& views,
                                    const EyeKeeping& rule) {
    std::vector<size_t> chosen;
    // How many steps from `step` on eye `eye` could stay.
    auto reach = [&](size_t step, size_t eye) {
        size_t end = step;
        while (end < views.size() && eye < views[end].size() && acceptable(views[end], eye, rule))
            ++end;
        return end - step;
    };
    for (size_t step = 0; step < views.size(); ++step) {
        if (step > 0 && reach(step, chosen.back()) > 0) {
            chosen.push_back(chosen.back());
            continue;
        }
        // The eye that can stay longest (so the fewest turns in all), the earlier on a tie.
        size_t best = 0, bestReach = 0;
        for (size_t eye = 0; eye < views[step].size(); ++eye) {
            const size_t r = reach(step, eye);
            if (r > bestReach) best = eye, bestReach = r;
        }
        chosen.push_back(best);
    }
    return chosen;
}

GuideView guideView(const HouseMesh& house, int steps, double aspect) {
    const std::vector<VECTOR3D> points = worldPoints(house);
    GuideView guide;
    guide.target = boundsCentre(points);
    std::vector<VECTOR3D> eyes;
    for (const VECTOR3D& direction : candidateDirections())
        eyes.push_back(fittedEye(points, guide.target, direction, aspect, fieldOfViewDegrees,
                                 cameraNearPlane));
    guide.cover = eyes.front();
    std::vector<std::vector<EyeView>> views(size_t(steps > 0 ? steps : 0));
    for (const VECTOR3D& eye : eyes) {
        const std::vector<StepCoverage> coverage =
            stepCoverage(house, steps, eye, guide.target, aspect, kCoverageWidth);
        for (size_t step = 0; step < views.size(); ++step)
            views[step].push_back(eyeView(coverage[step]));
    }
    for (const size_t eye : chooseGuideEyes(views)) guide.steps.push_back(eyes[eye]);
    return guide;
}

VECTOR3D bestEyeForStep(const HouseMesh& house, int map, double aspect) {
    const VECTOR3D origin(0.0f, 0.0f, 0.0f);
    const float distance = startCameraEye.GetLength();
    std::vector<VECTOR3D> eyes = {startCameraEye};
    for (const VECTOR3D& direction : candidateDirections()) eyes.push_back(direction * distance);
    VECTOR3D best = startCameraEye;
    double bestSeen = -1;
    for (const VECTOR3D& eye : eyes) {
        const double seen = double(
            stepCoverage(house, map, eye, origin, aspect, kCoverageWidth)[size_t(map - 1)].seen);
        if (seen > bestSeen * 1.05) {  // the start eye unless another is clearly better
            best = eye;
            bestSeen = seen;
        }
    }
    return best;
}

VECTOR3D guideLightPosition(const VECTOR3D& eye, const VECTOR3D& target) {
    constexpr double kElevation = 60, kTurn = 45;  // degrees
    const double azimuth = std::atan2(eye.x - target.x, eye.z - target.z) + kTurn * kPi / 180;
    const double elevation = kElevation * kPi / 180;
    const double distance = startLightPosition.GetLength();
    return VECTOR3D(float(distance * std::cos(elevation) * std::sin(azimuth)),
                    float(distance * std::sin(elevation)),
                    float(distance * std::cos(elevation) * std::cos(azimuth)));
}
