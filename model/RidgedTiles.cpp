// Ridge caps: a straight ridged tile (a low gable in x-y, running along z) and the
// hipped end tile that closes a ridge. No studs. The cross-section is 2 wide, 0.2 high
// at both eaves and 1.2 high at the ridge line x = 1.

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/PieceDrawing.h"

namespace {
constexpr double kWidth = 2;      // x extent before turning
constexpr double kEndLength = 1;  // z extent of the end tile before turning

// clang-format off
constexpr int kRidgedTileFaces[7 * 5] = {
    4, 0, 1, 2, 3,     // gable end z = length
    5, 4, 3, 6, -1,    // eave side x = 0
    9, 5, 6, 7, 8,     // gable end z = 0
    0, 9, 8, 1, -1,    // eave side x = 2
    6, 3, 2, 7, -1,    // slope facing -x
    1, 8, 7, 2, -1,    // slope facing +x
    4, 5, 9, 0, -1,    // bottom
};
// clang-format on

// clang-format off
const Point kEndRidgedTileVertices[9] = {
    {2, 0, 1},
    {2, 0.2, 1},
    {1, 1.2, 1},
    {0, 0.2, 1},
    {0, 0, 1},
    {0, 0, 0},
    {0, 0.2, 0},
    {2, 0.2, 0},
    {2, 0, 0},
};
// clang-format on

// The three roof faces meet at the ridge point (1, 1.2, 1).
// clang-format off
constexpr int kEndRidgedTileFaces[8 * 5] = {
    4, 0, 1, 2, 3,      // gable end z = 1, meets a ridged tile
    8, 5, 6, 7, -1,     // low end z = 0, 0.2 high
    5, 4, 3, 6, -1,     // eave side x = 0
    0, 8, 7, 1, -1,     // eave side x = 2
    2, 7, 6, -1, -1,    // hip slope facing -z
    2, 6, 3, -1, -1,    // slope facing -x
    2, 1, 7, -1, -1,    // slope facing +x
    0, 4, 5, 8, -1,     // bottom
};
// clang-format on
}  // namespace

void BrikVantaHouse::drawSolidRidgedTile(int length, int angle, BrikColor colour) {
    applyBrikColor(colour);
    const double n = length;
    constexpr double kSection[5][2] = {{2, 0}, {2, 0.2}, {1, 1.2}, {0, 0.2}, {0, 0}};
    const std::array<Point, 10> vertices = prismOfSection(kSection, n);

    drawTarget().pushMatrix();
    // The straight tile knows only the quarter turn; at 180 and 270 it draws as at 0
    // (the house lays it only at 0).
    applyTurnAtNinetyOnly(angle, kWidth, n);
    drawTableSolid(SolidTables{vertices.data(), kRidgedTileFaces, 7, 5});
    drawTarget().popMatrix();
}

void BrikVantaHouse::drawSolidEndRidgedTile(int angle, BrikColor colour) {
    applyBrikColor(colour);
    drawTarget().pushMatrix();
    applyQuarterTurn(angle, kWidth, kEndLength);
    drawTableSolid(SolidTables{kEndRidgedTileVertices, kEndRidgedTileFaces, 8, 5});
    drawTarget().popMatrix();
}
