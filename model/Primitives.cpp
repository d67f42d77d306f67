// The two primitives every piece is made of: a block with an optional stud grid, and a
// closed upright cylinder (a stud when 0.2 high with radius 0.3).

#include <cmath>

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/HouseFrame.h"
#include "model/PieceDrawing.h"

namespace {
constexpr int kCylinderSegments = 10;
constexpr double kSegmentAngle = 2 * kPiAsDrawn / kCylinderSegments;  // radians, a tenth of a turn
}  // namespace

void BrikVantaHouse::drawSolidCube(double lengthX, double widthZ, double height, BrikColor colour,
                                   unsigned char smoothTop) {
    applyBrikColor(colour);
    drawTarget().pushMatrix();
    if (smoothTop == 0) {
        // Integer counters: a fractional extent rounds the stud count up.
        for (int i = 0; i < lengthX; ++i) {
            for (int j = 0; j < widthZ; ++j) drawStud(*this, i + 0.5, height, j + 0.5);
        }
    }
    drawTarget().translate(lengthX / 2, height / 2, widthZ / 2);
    drawTarget().scale(lengthX, height, widthZ);
    drawTarget().unitCube();
    drawTarget().popMatrix();
}

void BrikVantaHouse::drawSolidRound(double height, double radius) {
    // Segment k spans the angles k·step to (k + 1)·step, running from +x towards +z; the
    // segment index is an integer so the ring always has exactly ten facets.
    for (int k = 0; k < kCylinderSegments; ++k) {
        const double t = k * kSegmentAngle;
        const double tNext = t + kSegmentAngle;
        const double x0 = radius * std::cos(t), z0 = radius * std::sin(t);
        const double x1 = radius * std::cos(tNext), z1 = radius * std::sin(tNext);

        const Point side[4] = {{x0, height, z0}, {x1, height, z1}, {x1, 0, z1}, {x0, 0, z0}};
        const Point bottom[3] = {{x0, 0, z0}, {x1, 0, z1}, {0, 0, 0}};
        const Point top[3] = {{x1, height, z1}, {x0, height, z0}, {0, height, 0}};
        drawPolygon(side, 4);
        drawPolygon(bottom, 3);
        drawPolygon(top, 3);
    }
}
