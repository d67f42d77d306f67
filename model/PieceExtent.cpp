#include "model/PieceExtent.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "maths/Angles.h"
#include "model/HouseFrame.h"

namespace {
// A row's arguments as the piece method receives them (a size, or an angle the method takes as
// an int, truncates as the call does): sizes along x and z, and the angle. One size runs along
// z; two are x then z.
struct PieceArguments {
    double sizeX = 1, sizeZ = 1, angle = 0;
};

PieceArguments decode(const PieceKindInfo& kind, const double arguments[2]) {
    PieceArguments decoded;
    double sizes[2];
    int sizeCount = 0;
    for (int i = 0; i < 2; ++i) {
        if (kind.arguments[i] == ArgumentRole::Size)
            sizes[sizeCount++] = static_cast<int>(arguments[i]);
        else if (kind.arguments[i] == ArgumentRole::Angle)
            decoded.angle = kind.fractionalAngle ? arguments[i] : static_cast<int>(arguments[i]);
    }
    if (sizeCount == 2) {
        decoded.sizeX = sizes[0];
        decoded.sizeZ = sizes[1];
    } else if (sizeCount == 1) {
        decoded.sizeZ = sizes[0];
    }
    return decoded;
}

double resolve(double value, const PieceArguments& sizes) {
    if (value == kSizeX) return sizes.sizeX;
    if (value == kSizeZ) return sizes.sizeZ;
    return value;
}

// The quarter turn, in degrees, that the piece makes for `angle`; 0 for none.
int recognisedTurn(Turns turns, double angle) {
    if (turns == Turns::None) return 0;
    if (angle == 90) return 90;
    if (turns == Turns::NinetyOnly) return 0;
    if (angle == 180) return 180;
    if (angle == 270) return 270;
    return 0;
}

// A quarter turn about +y as glRotated makes it, followed by the offset that brings the turned
// width × depth footprint back to begin at the origin.
BodyBox turnAboutY(const BodyBox& box, int degrees, double width, double depth) {
    switch (degrees) {
        case 90:  // (x, z) -> (z, width - x)
            return {box.minZ, box.minY, width - box.maxX, box.maxZ, box.maxY, width - box.minX};
        case 180:  // (x, z) -> (width - x, depth - z)
            return {width - box.maxX, box.minY, depth - box.maxZ,
                    width - box.minX, box.maxY, depth - box.minZ};
        case 270:  // (x, z) -> (depth - z, x)
            return {depth - box.maxZ, box.minY, box.minX, depth - box.minZ, box.maxY, box.maxX};
        default: return box;
    }
}

// cos and sin of an angle in degrees, exact at multiples of 90.
void cosSin(double degrees, double& c, double& s) {
    const double radians = degreesToRadians(degrees);
    c = std::cos(radians);
    s = std::sin(radians);
    for (double* value : {&c, &s}) {
        const double whole = std::round(*value);
        if (std::fabs(*value - whole) < 1e-12) *value = whole;
    }
}

// The box bounding `box` turned about the x or z axis through the origin, as glRotated turns.
BodyBox turnAboutAxis(const BodyBox& box, char axis, double degrees) {
    double c, s;
    cosSin(degrees, c, s);
    BodyBox turned{INFINITY, INFINITY, INFINITY, -INFINITY, -INFINITY, -INFINITY};
    for (int corner = 0; corner < 8; ++corner) {
        const double x = corner & 1 ? box.maxX : box.minX;
        const double y = corner & 2 ? box.maxY : box.minY;
        const double z = corner & 4 ? box.maxZ : box.minZ;
        double tx = x, ty = y, tz = z;
        if (axis == 'x') {
            ty = y * c - z * s;
            tz = y * s + z * c;
        } else if (axis == 'z') {
            tx = x * c - y * s;
            ty = x * s + y * c;
        }
        turned.minX = std::min(turned.minX, tx);
        turned.minY = std::min(turned.minY, ty);
        turned.minZ = std::min(turned.minZ, tz);
        turned.maxX = std::max(turned.maxX, tx);
        turned.maxY = std::max(turned.maxY, ty);
        turned.maxZ = std::max(turned.maxZ, tz);
    }
    return turned;
}

double overlapLength(double minA, double maxA, double minB, double maxB) {
    return std::max(0.0, std::min(maxA, maxB) - std::max(minA, minB));
}
}  // namespace

double overlapVolume(const BodyBox& a, const BodyBox& b) {
    return footprintOverlapArea(a, b) * overlapLength(a.minY, a.maxY, b.minY, b.maxY);
}

double footprintOverlapArea(const BodyBox& a, const BodyBox& b) {
    return overlapLength(a.minX, a.maxX, b.minX, b.maxX) *
           overlapLength(a.minZ, a.maxZ, b.minZ, b.maxZ);
}

std::vector<BodyBox> pieceBodyBoxes(PieceKind piece, const double arguments[2]) {
    std::vector<BodyBox> boxes;
    const PieceKindInfo& kind = pieceKindInfo(piece);
    const PieceBody* body = &kind.body;
    const PieceArguments decoded = decode(kind, arguments);
    const double width = resolve(body->width, decoded);
    const double depth = resolve(body->depth, decoded);
    const int turn = recognisedTurn(body->turns, decoded.angle);
    for (int i = 0; i < body->boxCount; ++i) {
        const BodyBox& shape = body->boxes[i];
        const BodyBox sized{resolve(shape.minX, decoded), shape.minY, resolve(shape.minZ, decoded),
                            resolve(shape.maxX, decoded), shape.maxY, resolve(shape.maxZ, decoded)};
        boxes.push_back(turnAboutY(sized, turn, width, depth));
    }
    return boxes;
}

std::vector<BodyBox> placementBodyBoxes(const PlacementInstance& placement) {
    const Placement& row = *placement.row;
    std::vector<BodyBox> boxes = pieceBodyBoxes(row.piece, row.arguments);
    for (BodyBox& box : boxes) {
        if (row.rotation.axis != 0)
            box = turnAboutAxis(box, row.rotation.axis, row.rotation.degrees);
        box.minX += placement.houseX;
        box.maxX += placement.houseX;
        box.minY += placement.houseY;
        box.maxY += placement.houseY;
        box.minZ += placement.houseZ;
        box.maxZ += placement.houseZ;
    }
    return boxes;
}

BodyBox basePlateBody() {
    const double size[2] = {kBasePlateSize, kBasePlateSize};
    return pieceBodyBoxes(PieceKind::BasePlate, size).front();
}
