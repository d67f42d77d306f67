// Slope bricks, 2 studs deep and `length` long along z: the back half (x 1 to 2) is a
// full brick with one row of studs, the front half falls at 45 degrees to a 0.2 lip at
// x = 0. The inverted tile is the same solid turned over, its slope on the underside.

#include <array>

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/HouseFrame.h"
#include "model/PieceDrawing.h"

namespace {
constexpr double kDepth = 2;  // x extent before turning

// Five slots per face; shared by the tile and the inverted tile.
// clang-format off
constexpr int kRoofTileFaces[7 * 5] = {
    4, 0, 1, 2, 3,     // end z = length (the pentagon)
    5, 4, 3, 6, -1,    // front lip x = 0, y from 0 to 0.2
    9, 5, 6, 7, 8,     // end z = 0 (the pentagon)
    0, 9, 8, 1, -1,    // back x = 2
    7, 2, 1, 8, -1,    // flat top y = 1.2, x from 1 to 2
    6, 3, 2, 7, -1,    // slope from (0, 0.2) to (1, 1.2), facing -x
    4, 5, 9, 0, -1,    // bottom y = 0
};
// clang-format on

// The x-y cross-section, a prism from z = 0 to z = n.
std::array<Point, 10> roofTileVertices(double n) {
    constexpr double kSection[5][2] = {{2, 0}, {2, 1.2}, {1, 1.2}, {0, 0.2}, {0, 0}};
    return prismOfSection(kSection, n);
}

// Colour, orientation and the row of studs on the flat top, common to both tiles; leaves
// one matrix pushed with the tile's turn applied.
void beginRoofTile(BrikVantaHouse& house, int length, double angle, BrikColor colour) {
    applyBrikColor(colour);
    drawTarget().pushMatrix();
    applyQuarterTurn(angle, kDepth, length);
    for (int i = 0; i < length; ++i) drawStud(house, 1.5, kBrickHeight, i + 0.5);
}
}  // namespace

void BrikVantaHouse::drawSolidRoofTile(int length, double angle, BrikColor colour) {
    const std::array<Point, 10> vertices = roofTileVertices(length);
    beginRoofTile(*this, length, angle, colour);
    drawTableSolid(SolidTables{vertices.data(), kRoofTileFaces, 7, 5});
    drawTarget().popMatrix();
}

void BrikVantaHouse::drawSolidRoofTileInverted(int length, double angle, BrikColor colour) {
    const std::array<Point, 10> vertices = roofTileVertices(length);
    beginRoofTile(*this, length, angle, colour);
    // Turn the body over about x within its own box: (x, y, z) lands at (x, 1.2 - y, n - z),
    // so the top is flat over the whole footprint and the slope faces down.
    drawTarget().pushMatrix();
    drawTarget().translate(0, kBrickHeight, length);
    drawTarget().rotate(180, 1, 0, 0);
    drawTableSolid(SolidTables{vertices.data(), kRoofTileFaces, 7, 5});
    drawTarget().popMatrix();
    drawTarget().popMatrix();
}
