#include "cli/PartPicture.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/PresentationPicture.h"
#include "instructions/GuidePage.h"
#include "maths/Angles.h"
#include "model/BrikVantaHouse.h"
#include "mesh/HouseMesh.h"
#include "model/DrawTarget.h"
#include "model/HouseFrame.h"
#include "model/PieceExtent.h"
#include "render/ShadowFrame.h"

namespace {
// The eye's direction from the part (world frame: front right, above), and the light's turn
// about +y that brings the start light (behind, right) round to the front right.
const VECTOR3D kEyeDirection(1.0f, 1.4f, 1.6f);
constexpr double kLightTurnDegrees = 270;
// The part fills a ball of this radius (world units) about its centre: small enough for the
// light's map to cover it finely, large enough that the fitted eye stays beyond the near plane.
constexpr double kBallRadius = 0.75;
constexpr double kMargin = 1.1;  // the eye's distance over the distance that just fits the ball
constexpr double kStudAllowance = 0.2;  // brick units: studs and side studs outside the body

// The part's bounds in brick units: its body boxes with room for the studs.
BodyBox boundsOf(const Part& part) {
    const std::vector<BodyBox> boxes = pieceBodyBoxes(part.kind, part.arguments);
    BodyBox bounds = boxes.front();
    for (const BodyBox& box : boxes) {
        bounds.minX = std::min(bounds.minX, box.minX - kStudAllowance);
        bounds.minZ = std::min(bounds.minZ, box.minZ - kStudAllowance);
        bounds.maxX = std::max(bounds.maxX, box.maxX + kStudAllowance);
        bounds.maxY = std::max(bounds.maxY, box.maxY + kStudAllowance);
        bounds.maxZ = std::max(bounds.maxZ, box.maxZ + kStudAllowance);
    }
    return bounds;
}
}  // namespace

void PartPictureFrame::drawShownPart() const {
    static BrikVantaHouse house;  // the piece methods
    DrawTarget& target = drawTarget();
    target.pushMatrix();
    target.scale(shown.scale, shown.scale, shown.scale);
    target.translate(-shown.centreX, 0, -shown.centreZ);
    drawPiece(house, shown.part->kind, shown.part->arguments,
              paletteColour(house, shown.part->colour));
    target.popMatrix();
}

PartPictureFrame::PartPictureFrame(FrameState& drawn, PresentationPictures& presentation, int width,
                                   int height)
    : frame(drawn),
      pictures(presentation),
      savedScene(drawn.scene),
      pictureWidth(width),
      pictureHeight(height),
      savedWidth(drawn.windowWidth),
      savedHeight(drawn.windowHeight),
      savedProjection(drawn.cameraProjectionMatrix),
      savedView(drawn.cameraViewMatrix),
      savedEye(drawn.cameraPosition) {
    frame.windowWidth = width;
    frame.windowHeight = height;
    frame.cameraProjectionMatrix =
        perspectiveMatrix(double(width) / height, cameraNearPlane, cameraFarPlane);
    setLightAngle(frame, kLightTurnDegrees);
    setSceneFunction(frame, [this](float /*sceneTime*/) {
        if (shown.part) drawShownPart();
    });
}

PartPictureFrame::~PartPictureFrame() {
    setSceneFunction(frame, savedScene);
    setStartLight(frame);
    frame.windowWidth = savedWidth;
    frame.windowHeight = savedHeight;
    frame.cameraProjectionMatrix = savedProjection;
    frame.cameraViewMatrix = savedView;
    frame.cameraPosition = savedEye;
}

bool PartPictureFrame::draw(const Part& part, RgbImage* image, std::string* why) {
    const BodyBox bounds = boundsOf(part);
    const double dx = bounds.maxX - bounds.minX, dy = bounds.maxY - bounds.minY,
                 dz = bounds.maxZ - bounds.minZ;
    shown.part = &part;
    shown.scale = kBallRadius / (std::sqrt(dx * dx + dy * dy + dz * dz) / 2);
    shown.centreX = (bounds.minX + bounds.maxX) / 2;
    shown.centreZ = (bounds.minZ + bounds.maxZ) / 2;

    // The eye fits the ball in the narrower of the two fields of view, looking at its centre.
    const double halfHeight = fieldOfViewDegrees * kPi / 360;
    const double halfWidth = std::atan(std::tan(halfHeight) * pictureWidth / pictureHeight);
    const double distance = kMargin * kBallRadius / std::sin(std::min(halfHeight, halfWidth));
    const float centreY = float(shown.scale * (bounds.minY + bounds.maxY) / 2);
    const VECTOR3D eye = kEyeDirection.GetNormalized() * float(distance);
    // clang-format off
    const MATRIX4X4 lowered(1, 0, 0, 0,
                            0, 1, 0, 0,
                            0, 0, 1, 0,
                            0, -centreY, 0, 1);
    // clang-format on
    frame.cameraPosition = eye + VECTOR3D(0, centreY, 0);
    frame.cameraViewMatrix = lookAtMatrix(eye) * lowered;

    // The part in the house frame, as the presentation picture takes a house.
    const HouseMesh drawn = captureDrawing([this] {
        drawTarget().scale(1 / kHouseScale, 1 / kHouseScale, 1 / kHouseScale);
        drawTarget().translate(-kHouseOriginInWorldXZ, 0, -kHouseOriginInWorldXZ);
        drawShownPart();
    });
    if (!pictures.draw(frame, drawn, why)) {
        shown.part = nullptr;
        return false;
    }
    glFinish();
    const bool read = tryReadBackBuffer(pictureWidth, pictureHeight, image, why);
    shown.part = nullptr;
    return read;
}

bool writePartPictures(FrameState& frame, PresentationPictures& presentation,
                       const PartsList& parts, const std::string& folder, int width, int height,
                       std::string* why) {
    PartPictureFrame pictures(frame, presentation, width, height);
    for (const Part& part : parts.parts) {
        RgbImage image;
        if (!pictures.draw(part, &image, why) ||
            !writePng(folder + "/" + partPictureName(part), image, why))
            return false;
    }
    return true;
}
