// The window and the door: 4 × 1 pieces drawn in palette colours of their own. Neither
// saves the caller's matrix: the turn (and the window's sash offsets) stay applied.
// Box ranges are x0, x1, y0, y1, z0, z1 in the unturned piece frame.

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/PieceDrawing.h"

namespace {
constexpr double kWidth = 4;  // along x, unturned
constexpr double kDepth = 1;  // along z

// One sash, 1.6 × 2.8 × 0.2, from the sash origin.
void drawSash() {
    //      x0   x1   y0   y1   z0   z1
    drawBox(0.0, 0.2, 0.0, 2.8, 0.0, 0.2);  // left stile
    drawBox(1.4, 1.6, 0.0, 2.8, 0.0, 0.2);  // right stile
    drawBox(0.2, 1.4, 0.0, 0.2, 0.0, 0.2);  // bottom rail
    drawBox(0.2, 1.4, 1.3, 1.5, 0.0, 0.2);  // middle rail
    drawBox(0.2, 1.4, 2.6, 2.8, 0.0, 0.2);  // top rail
}
}  // namespace

// Three bricks high: a dark-grey frame with a studded top plate, and two white sashes
// side by side at its front (z = 0) face. Leaves the caller's matrix at the second
// sash's origin, (2.0, 0.4, 0) from the piece origin.
void BrikVantaHouse::drawSolidWindow(int angle) {
    applyQuarterTurn(angle, kWidth, kDepth);

    drawTarget().pushMatrix();
    drawTarget().translate(0, 3.2, 0);
    drawSolidPlate(4, 1, colorDarkGrey);  // the frame below is drawn in its colour
    drawTarget().popMatrix();

    //      x0   x1   y0   y1   z0   z1
    drawBox(0.0, 4.0, 0.0, 0.4, 0.0, 1.0);  // sill
    drawBox(0.0, 0.4, 0.4, 3.2, 0.0, 1.0);  // left post
    drawBox(3.6, 4.0, 0.4, 3.2, 0.0, 1.0);  // right post

    applyBrikColor(colorWhite);
    drawTarget().translate(0.4, 0.4, 0);  // first sash, at the inner corner of sill and left post
    drawTarget().pushMatrix();
    drawSash();
    drawTarget().popMatrix();
    drawTarget().translate(1.6, 0, 0);
    drawTarget().pushMatrix();
    drawSash();
    drawTarget().popMatrix();
}

// Five bricks high: a light-grey frame on a round pivot disc, a handle block on each face
// and a pale glass panel whose alpha of 0.6 keeps it out of the shadowed pass's alpha test.
void BrikVantaHouse::drawSolidDoor(int angle) {
    applyQuarterTurn(angle, kWidth, kDepth);
    applyBrikColor(colorLightGrey);

    drawTarget().pushMatrix();
    drawTarget().translate(0.5, 0, 0.5);  // under the first unit of the door
    drawSolidRound(0.2, 0.5);
    drawTarget().popMatrix();

    //      x0   x1   y0   y1   z0   z1
    drawBox(0.0, 0.4, 0.2, 6.0, 0.3, 0.7);  // left post
    drawBox(3.6, 4.0, 0.2, 6.0, 0.3, 0.7);  // right post
    drawBox(0.4, 3.6, 0.2, 0.6, 0.3, 0.7);  // bottom rail
    drawBox(0.4, 3.6, 5.6, 6.0, 0.3, 0.7);  // top rail
    drawBox(3.2, 3.8, 2.8, 3.4, 0.7, 0.9);  // handle block, +z face
    drawBox(3.2, 3.8, 2.8, 3.4, 0.1, 0.3);  // handle block, -z face

    drawTarget().colour(0.89, 0.97, 1.0, 0.6);
    drawBox(0.4, 3.6, 0.6, 5.6, 0.4, 0.6);  // glass
}
