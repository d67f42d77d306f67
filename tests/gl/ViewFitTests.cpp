// The view fitted to a model's size: the built-in house keeps every number of the frame exactly,
// and models far smaller and far larger are framed as the house is (the base plate whole in the
// first view, the whole model once zoomed out to twice the start distance) and lie whole inside
// the circling light's view, beyond both near planes, on the floor.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "maths/Angles.h"
#include "model/HouseFrame.h"
#include "model/ModelBounds.h"
#include "model/maps/LayerMaps.h"
#include "render/FrameConstants.h"
#include "render/FrameState.h"
#include "render/FrameWindow.h"
#include "render/ViewFit.h"

namespace {
// Whether the world point lies inside the view from `eye` towards the origin (+y up): in
// front of the near plane and within the vertical field of view and the aspect.
bool inView(const VECTOR3D& eye, double fieldOfView, double aspect, double nearPlane,
            const VECTOR3D& point) {
    const VECTOR3D forward = (VECTOR3D(0, 0, 0) - eye).GetNormalized();
    const VECTOR3D right = forward.CrossProduct(VECTOR3D(0, 1, 0)).GetNormalized();
    const VECTOR3D up = right.CrossProduct(forward);
    const VECTOR3D d = point - eye;
    const double depth = d.DotProduct(forward);
    const double halfHeight = std::tan(degreesToRadians(fieldOfView / 2)) * depth;
    return depth > nearPlane && std::fabs(d.DotProduct(up)) < halfHeight &&
           std::fabs(d.DotProduct(right)) < halfHeight * aspect;
}

Model plateModel(double studs) {
    Placement plate = basePlatePlacement;
    plate.arguments[0] = plate.arguments[1] = studs;
    Model model{};
    model.basePlate = plate;
    return model;
}
}  // namespace

TEST(ViewFit, TheBuiltInHouseKeepsEveryNumberOfTheFrame) {
    const ViewFit fit = viewFitFor(houseModel());
    EXPECT_EQ(fit.scale, 1.0);
    EXPECT_TRUE(fit.startEye() == startCameraEye);
    EXPECT_TRUE(fit.startLight() == startLightPosition);
    EXPECT_EQ(fit.lightNear(), lightNearPlane);
    EXPECT_EQ(fit.lightFar(), lightFarPlane);
    EXPECT_EQ(fit.cameraNear(), cameraNearPlane);
    EXPECT_EQ(fit.cameraFar(), cameraFarPlane);
    EXPECT_EQ(fit.minimumDistance(), orbitMinimumDistance);
    EXPECT_EQ(fit.maximumDistance(), orbitMaximumDistance);
    EXPECT_EQ(fit.floorHalf(), floorHalfSize);
    EXPECT_EQ(fit.floorTextureHalf(), floorTextureHalfSpan);
}

TEST(ViewFit, ModelsOfEverySizeAreSeenWholeLitAndStandOnTheFloor) {
    const double aspect = double(viewerWindowWidth) / viewerWindowHeight;
    const std::pair<std::string, Model> models[] = {{"the house", houseModel()},
                                                    {"a 4 x 4 plate", plateModel(4)},
                                                    {"a 96 x 96 plate", plateModel(96)}};
    for (const auto& [name, model] : models) {
        const ViewFit fit = viewFitFor(model);
        const double studTop = 0.2;  // the studs the bodies leave out
        const double centreX = model.basePlate.arguments[0] / 2;
        const double centreZ = model.basePlate.arguments[1] / 2;
        const std::vector<BodyBox> bodies = modelBodies(model);
        for (size_t body = 0; body < bodies.size(); ++body) {
            for (int corner = 0; corner < 8; ++corner) {
                const BodyBox& box = bodies[body];
                const VECTOR3D point(
                    float(((corner & 1 ? box.maxX : box.minX) - centreX) * kHouseScale),
                    float((corner & 2 ? box.maxY + studTop : box.minY) * kHouseScale),
                    float(((corner & 4 ? box.maxZ : box.minZ) - centreZ) * kHouseScale));
                const std::string where = name + ", body corner " + std::to_string(corner) +
                                          " at " + std::to_string(point.x) + "," +
                                          std::to_string(point.y) + "," + std::to_string(point.z);
                if (body == 0) {  // the base plate
                    EXPECT_TRUE(
                        inView(fit.startEye(), fieldOfViewDegrees, aspect, fit.cameraNear(), point))
                        << where << ": outside the first view";
                }
                const VECTOR3D zoomedOut = fit.startEye() * 2;
                ASSERT_LT(zoomedOut.GetLength(), fit.maximumDistance());
                EXPECT_TRUE(inView(zoomedOut, fieldOfViewDegrees, aspect, fit.cameraNear(), point))
                    << where << ": outside the view zoomed out";
                for (double degrees = 0; degrees < 360; degrees += 45) {
                    const VECTOR3D light = fit.startLight().GetRotatedY(degrees);
                    EXPECT_TRUE(inView(light, circlingLightFieldOfView, lightAspect,
                                       fit.lightNear(), point))
                        << where << ": outside the shadow map with the light at " << degrees;
                    EXPECT_LT((point - light).GetLength(), fit.lightFar()) << where;
                }
                EXPECT_LT((point - fit.startEye()).GetLength(), fit.cameraFar()) << where;
                EXPECT_LT(std::fabs(point.x), fit.floorHalf()) << where << ": off the floor";
                EXPECT_LT(std::fabs(point.z), fit.floorHalf()) << where << ": off the floor";
                // The orbit's nearest eye keeps the near plane's corners out of the model's sphere.
                EXPECT_GT(fit.minimumDistance(), point.GetLength()) << where;
            }
        }
    }
}
