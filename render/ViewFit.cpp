#include "render/ViewFit.h"

#include <algorithm>
#include <cmath>

#include "model/ModelBounds.h"
#include "render/FrameConstants.h"
#include "render/FrameState.h"

VECTOR3D ViewFit::startEye() const { return startCameraEye * float(scale); }
VECTOR3D ViewFit::startLight() const { return startLightPosition * float(scale); }
double ViewFit::lightNear() const { return lightNearPlane * scale; }
double ViewFit::lightFar() const { return lightFarPlane * scale; }
double ViewFit::cameraNear() const { return cameraNearPlane * scale; }
double ViewFit::cameraFar() const { return cameraFarPlane * scale; }
double ViewFit::minimumDistance() const { return orbitMinimumDistance * scale; }
double ViewFit::maximumDistance() const { return orbitMaximumDistance * scale; }
float ViewFit::floorHalf() const { return floorHalfSize * float(scale); }
float ViewFit::floorTextureHalf() const { return floorTextureHalfSpan * float(scale); }

ViewFit viewFitForReach(const ModelReach& reach) {
    const double across = std::max(1.0, std::ceil(reach.across)) / kFittedAcrossStuds;
    const double up = std::max(1.0, std::ceil(reach.up)) / kFittedUpStuds;
    return {std::max(across, up)};
}

ViewFit viewFitFor(const Model& model) { return viewFitForReach(modelReach(model)); }
