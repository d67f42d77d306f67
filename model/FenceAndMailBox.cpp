// The garden pieces: a black fence section and a yellow mailbox. Only an angle of 90
// turns them, and neither saves the caller's matrix: the turn (and the fence's picket
// offset) stay applied. Box ranges are x0, x1, y0, y1, z0, z1 in the unturned piece frame.

#include <cmath>

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/HouseFrame.h"
#include "model/PieceDrawing.h"

namespace {
constexpr int kPicketCount = 7;
constexpr double kPicketSpacing = 0.45;  // 3.6 between the posts in eight equal gaps

constexpr int kBodySegments = 15;  // the upper half circle of the mailbox body
constexpr double kBodyStep = kPiAsDrawn / kBodySegments;  // radians
constexpr double kBodyLength = 2;

// The sloped block on the mailbox's crest, in its own frame: 1 × 1, 0.6 high at z = 0
// falling to 0.2 at z = 1.
// clang-format off
const Point kTopBlockVertices[] = {
    //  x    y    z
    {1, 0.0, 1},   // 0
    {1, 0.2, 1},   // 1
    {1, 0.6, 0},   // 2
    {1, 0.0, 0},   // 3
    {0, 0.0, 0},   // 4
    {0, 0.6, 0},   // 5
    {0, 0.2, 1},   // 6
    {0, 0.0, 1},   // 7
};
// clang-format on
constexpr int kTopBlockFaces[] = {
    0, 3, 2, 1,  // side x = 1
    3, 4, 5, 2,  // high end z = 0
    4, 7, 6, 5,  // side x = 0
    7, 0, 1, 6,  // low end z = 1
    6, 1, 2, 5,  // sloped top
    0, 7, 4, 3,  // bottom
};
const SolidTables kTopBlock{kTopBlockVertices, kTopBlockFaces, 6, 4};

// Half-cylinder of radius 1 lying along z from 0 to 2 on the body origin, angles from +x
// towards +y; its flat underside is left open.
void drawMailBoxBody() {
    for (int k = 0; k < kBodySegments; ++k) {
        const double t = k * kBodyStep;
        const double tNext = t + kBodyStep;
        const double c0 = std::cos(t), s0 = std::sin(t);
        const double c1 = std::cos(tNext), s1 = std::sin(tNext);

        const Point side[4] = {
            {c0, s0, 0}, {c1, s1, 0}, {c1, s1, kBodyLength}, {c0, s0, kBodyLength}};
        const Point frontCap[3] = {{0, 0, 0}, {c1, s1, 0}, {c0, s0, 0}};
        const Point backCap[3] = {
            {0, 0, kBodyLength}, {c0, s0, kBodyLength}, {c1, s1, kBodyLength}};
        drawPolygon(side, 4);
        drawPolygon(frontCap, 3);
        drawPolygon(backCap, 3);
    }
}
}  // namespace

// 4 × 1, 2.4 high: base, two rails, two end posts and seven pickets between the rails.
void BrikVantaHouse::drawSolidFence(int angle) {
    applyTurnAtNinetyOnly(angle, 4, 1);
    applyBrikColor(colorBlack);

    //      x0   x1   y0   y1   z0   z1
    drawBox(0.0, 4.0, 0.0, 0.4, 0.0, 1.0);  // base
    drawBox(0.0, 4.0, 0.4, 0.6, 0.3, 0.7);  // lower rail
    drawBox(0.0, 4.0, 2.2, 2.4, 0.3, 0.7);  // top rail
    drawBox(0.0, 0.2, 0.6, 2.2, 0.3, 0.7);  // left post
    drawBox(3.8, 4.0, 0.6, 2.2, 0.3, 0.7);  // right post

    // Picket frame: inner face of the left post, on the lower rail, at the back of the rails.
    drawTarget().translate(0.2, 0.6, 0.3);
    for (int picket = 1; picket <= kPicketCount; ++picket) {
        const double p = picket * kPicketSpacing;
        drawBox(p - 0.025, p + 0.025, 0.0, 1.6, 0.0, 0.4);
    }
}

// 2 × 2, 1.6 high: a half-cylinder body along z, a stud on its crest near the front and
// a sloped block on its crest at the back.
void BrikVantaHouse::drawSolidMailBox(int angle) {
    applyBrikColor(colorYellow);
    applyTurnAtNinetyOnly(angle, 2, 2);

    drawStud(*this, 1, 1, 0.5);

    drawTarget().pushMatrix();
    drawTarget().translate(1, 0, 0);
    drawMailBoxBody();
    drawTarget().popMatrix();

    drawTarget().pushMatrix();
    drawTarget().translate(0.5, 1, 1);
    drawTableSolid(kTopBlock);
    drawTarget().popMatrix();
}
