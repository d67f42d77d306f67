// The corner plate and corner brick: an L of three cells in a 2 × 2 square, a stud on
// each cell. Unturned, the cell (1, 1) is the one missing.

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/HouseFrame.h"
#include "model/PieceDrawing.h"

namespace {
constexpr double kSquareSize = 2;  // the L stands in a 2 × 2 square

// Six slots per face; the two hexagons are star-shaped about their first vertex, the
// corner at x = 0, z = 0, so the triangle fan OpenGL may use fills them exactly.
// clang-format off
constexpr int kCornerFaces[8 * 6] = {
    0, 1, 2, 3, 4, 5,        // bottom, y = 0
    11, 6, 7, 8, 9, 10,      // top, y = height
    0, 5, 6, 11, -1, -1,     // side x = 0
    5, 4, 7, 6, -1, -1,      // side z = 2, x from 0 to 1
    4, 3, 8, 7, -1, -1,      // inner side x = 1, z from 1 to 2
    3, 2, 9, 8, -1, -1,      // inner side z = 1, x from 1 to 2
    2, 1, 10, 9, -1, -1,     // side x = 2, z from 0 to 1
    1, 0, 11, 10, -1, -1,    // side z = 0
};
// clang-format on
}  // namespace

void BrikVantaHouse::drawSolidCorner(double height, double angle, BrikColor colour) {
    applyBrikColor(colour);
    // clang-format off
    const Point vertices[12] = {
        {0, 0, 0},
        {2, 0, 0},
        {2, 0, 1},
        {1, 0, 1},
        {1, 0, 2},
        {0, 0, 2},
        {0, height, 2},
        {1, height, 2},
        {1, height, 1},
        {2, height, 1},
        {2, height, 0},
        {0, height, 0},
    };
    // clang-format on

    drawTarget().pushMatrix();
    applyQuarterTurn(angle, kSquareSize, kSquareSize);
    drawStud(*this, 0.5, height, 0.5);
    drawStud(*this, 1.5, height, 0.5);
    drawStud(*this, 0.5, height, 1.5);
    drawTableSolid(SolidTables{vertices, kCornerFaces, 8, 6});
    drawTarget().popMatrix();
}

void BrikVantaHouse::drawSolidCornerPlate(int angle, BrikColor colour) {
    drawSolidCorner(kPlateHeight, angle, colour);
}

void BrikVantaHouse::drawSolidCornerBrick(int angle, BrikColor colour) {
    drawSolidCorner(kBrickHeight, angle, colour);
}
