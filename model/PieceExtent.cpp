#include "model/PieceExtent.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {
using P = PieceKind;

// Far faces that run with the piece's size: its size argument along x (plates, tiles, bricks),
// or its size or length along z (plates, tiles, bricks, slopes, ridges, the plate with slide).
constexpr double kSizeX = -1;
constexpr double kSizeZ = -2;

// The exact angles a piece turns for; any other angle draws it unturned.
enum class Turns { None, NinetyOnly, AllQuarters };

struct PieceBody {
    P piece;
    double width, depth;  // footprint x × z before the piece's own turn
    Turns turns;
    int boxCount;
    BodyBox boxes[3];  // minX, minY, minZ, maxX, maxY, maxZ
};

// clang-format off
constexpr PieceBody kPieceBodies[] = {
    //                      footprint         turns               boxes
    {P::Plate,            kSizeX, kSizeZ, Turns::None,        1, {{0, 0, 0, kSizeX, 0.4, kSizeZ}}},
    {P::FlatTile,         kSizeX, kSizeZ, Turns::None,        1, {{0, 0, 0, kSizeX, 0.4, kSizeZ}}},
    {P::Brick,            kSizeX, kSizeZ, Turns::None,        1, {{0, 0, 0, kSizeX, 1.2, kSizeZ}}},
    {P::RoundPlate,       1,      1,      Turns::None,        1, {{0, 0, 0, 1, 0.4, 1}}},
    {P::RoundBrick,       1,      1,      Turns::None,        1, {{0, 0, 0, 1, 1.2, 1}}},
    {P::CornerPlate,      2,      2,      Turns::AllQuarters, 2, {{0, 0, 0, 2, 0.4, 1},
                                                                  {0, 0, 1, 1, 0.4, 2}}},
    {P::CornerBrick,      2,      2,      Turns::AllQuarters, 2, {{0, 0, 0, 2, 1.2, 1},
                                                                  {0, 0, 1, 1, 1.2, 2}}},
    {P::RoofTile,         2,      kSizeZ, Turns::AllQuarters, 2, {{1, 0, 0, 2, 1.2, kSizeZ},
                                                                  {0, 0, 0, 1, 0.2, kSizeZ}}},
    {P::RoofTileInverted, 2,      kSizeZ, Turns::AllQuarters, 2, {{1, 0, 0, 2, 1.2, kSizeZ},
                                                                  {0, 1.0, 0, 1, 1.2, kSizeZ}}},
    {P::RidgedTile,       2,      kSizeZ, Turns::NinetyOnly,  2, {{0, 0, 0, 2, 0.2, kSizeZ},
                                                                  {0.5, 0.2, 0, 1.5, 0.7, kSizeZ}}},
    {P::EndRidgedTile,    2,      1,      Turns::AllQuarters, 2, {{0, 0, 0, 2, 0.2, 1},
                                                                  {0.5, 0.2, 0.5, 1.5, 0.7, 1}}},
    {P::RadiatorGrile,    1,      2,      Turns::NinetyOnly,  1, {{0, 0, 0, 1, 0.4, 2}}},
    {P::AngularBrick,     1,      1,      Turns::AllQuarters, 2, {{0, 0, 0, 1, 0.2, 1},
                                                                  {0.2, 0.2, 0, 1, 1.2, 1}}},
    {P::PlateWithSlide,   1.45,   kSizeZ, Turns::AllQuarters, 3, {{0.45, 0, 0, 1.45, 0.4, kSizeZ},
                                                                  {0.15, 0.15, 0, 0.45, 0.25, kSizeZ},
                                                                  {0, 0, 0, 0.15, 0.4, kSizeZ}}},
    {P::WallCorner,       1,      1,      Turns::AllQuarters, 3, {{0, 0, 0, 1, 0.4, 1},
                                                                  {0, 0.4, 0, 0.2, 1.2, 1},
                                                                  {0.2, 0.4, 0, 1, 1.2, 0.2}}},
    {P::AnglePlate,       1.4,    2,      Turns::AllQuarters, 2, {{0, 0, 0, 0.4, 2.0, 2},
                                                                  {0.4, 1.6, 0, 1.4, 2.0, 2}}},
    {P::Window,           4,      1,      Turns::AllQuarters, 1, {{0, 0, 0, 4, 3.6, 1}}},
    {P::Door,             4,      1,      Turns::AllQuarters, 1, {{0, 0, 0, 4, 6.0, 1}}},
    {P::Fence,            4,      1,      Turns::NinetyOnly,  1, {{0, 0, 0, 4, 2.4, 1}}},
    {P::BasePlate,        kSizeX, kSizeZ, Turns::None,        1, {{0, 0, 0, kSizeX, 0.4, kSizeZ}}},
    {P::MailBox,          2,      2,      Turns::NinetyOnly,  2, {{0, 0, 0, 2, 1.0, 2},
                                                                  {0.5, 1.0, 1, 1.5, 1.6, 2}}},
    {P::BasePlate,        kSizeX, kSizeZ, Turns::None,        1, {{0, 0, 0, kSizeX, 0.4, kSizeZ}}},
};
// clang-format on

const PieceBody* bodyOf(PieceKind piece) {
    for (const PieceBody& body : kPieceBodies) {
        if (body.piece == piece) return &body;
    }
    return nullptr;
}

// A row's arguments as the piece method receives them (integer parameters truncate, as the
// call does): sizes along x and z, and the angle.
struct PieceArguments {
    double sizeX = 1, sizeZ = 1, angle = 0;
};

PieceArguments decode(PieceKind piece, const double arguments[2]) {
    const double a = arguments[0];
    const double b = arguments[1];
    PieceArguments decoded;
    switch (piece) {
        case P::Plate:
        case P::FlatTile:
        case P::Brick:
        case P::BasePlate:
            decoded.sizeX = static_cast<int>(a);
            decoded.sizeZ = static_cast<int>(b);
            break;
        case P::RoofTile:
        case P::RoofTileInverted:
            decoded.sizeZ = static_cast<int>(a);
            decoded.angle = b;
            break;
        case P::RidgedTile:
            decoded.sizeZ = static_cast<int>(a);
            decoded.angle = static_cast<int>(b);
            break;
        case P::PlateWithSlide:
            decoded.angle = static_cast<int>(a);
            decoded.sizeZ = static_cast<int>(b);
            break;
        case P::RadiatorGrile:
        case P::AngularBrick: decoded.angle = a; break;
        case P::CornerPlate:
        case P::CornerBrick:
        case P::EndRidgedTile:
        case P::WallCorner:
        case P::AnglePlate:
        case P::Window:
        case P::Door:
        case P::Fence:
        case P::MailBox: decoded.angle = static_cast<int>(a); break;
        case P::GroupOrigin:
        case P::RoundPlate:
        case P::RoundBrick: break;
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
    const double radians = degrees * 3.14159265358979323846 / 180;
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
    const PieceBody* body = bodyOf(piece);
    if (body == nullptr) return boxes;
    const PieceArguments decoded = decode(piece, arguments);
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
    const double size[2] = {32, 32};
    return pieceBodyBoxes(PieceKind::BasePlate, size).front();
}
