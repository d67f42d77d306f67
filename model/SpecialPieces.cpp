// Special bricks and plates: the radiator grille, the angular brick, the plate with a
// slide rail, the wall corner and the angle plate. Box ranges are x0, x1, y0, y1, z0, z1
// in the unturned piece frame.

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/PieceDrawing.h"

// 1 × 2, plate high, no studs: three rails along z and two low end bars. Only 90 turns
// it (a half turn maps it onto itself); the turn stays on the caller's matrix.
void BrikVantaHouse::drawSolidRadiatorGrile(double angle, BrikColor colour) {
    applyBrikColor(colour);
    applyTurnAtNinetyOnly(angle, 1, 2);

    //      x0   x1   y0   y1   z0   z1
    drawBox(0.0, 0.2, 0.0, 0.4, 0.0, 2.0);  // left rail
    drawBox(0.4, 0.6, 0.2, 0.4, 0.0, 2.0);  // middle rail, raised
    drawBox(0.8, 1.0, 0.0, 0.4, 0.0, 2.0);  // right rail
    drawBox(0.2, 0.8, 0.0, 0.2, 0.0, 0.2);  // front end bar
    drawBox(0.2, 0.8, 0.0, 0.2, 1.8, 2.0);  // back end bar
}

// 1 × 1 brick with a second stud on its -x side; the turn stays on the caller's matrix.
void BrikVantaHouse::drawSolidAngularBrick(double angle, BrikColor colour) {
    applyBrikColor(colour);
    applyQuarterTurn(angle, 1, 1);

    //      x0   x1   y0   y1   z0   z1
    drawBox(0.0, 1.0, 0.0, 0.2, 0.0, 1.0);  // foot
    drawBox(0.2, 1.0, 0.2, 1.2, 0.0, 1.0);  // body, set back 0.2 from -x
    drawStud(*this, 0.5, 1.2, 0.5);

    // The side stud stands on the body's x = 0.2 face: a quarter turn about +z points
    // its axis along -x, so it ends flush with the foot at x = 0.
    drawTarget().pushMatrix();
    drawTarget().translate(0.2, 0.7, 0.5);
    drawTarget().rotate(90, 0, 0, 1);
    drawSolidRound(0.2, 0.3);
    drawTarget().popMatrix();
}

// A 1 × length plate with a slide rail along its -x side, 1.45 wide in all.
void BrikVantaHouse::drawSolidPlateWithSlide(int angle, int length, BrikColor colour) {
    drawTarget().pushMatrix();
    applyQuarterTurn(angle, 1.45, length);

    drawTarget().pushMatrix();
    drawTarget().translate(0.45, 0, 0);
    drawSolidPlate(1, length, colour);  // also makes the colour current for the rail
    drawTarget().popMatrix();

    //      x0    x1    y0    y1    z0   z1
    drawBox(0.15, 0.45, 0.15, 0.25, 0.0, length);  // slide rail
    drawBox(0.00, 0.15, 0.00, 0.40, 0.0, length);  // slide wall
    drawTarget().popMatrix();
}

// 1 × 1, brick high, no studs: a slab and two thin walls meeting along x = 0, z = 0.
void BrikVantaHouse::drawSolidWallCorner(int angle, BrikColor colour) {
    applyBrikColor(colour);
    drawTarget().pushMatrix();
    applyQuarterTurn(angle, 1, 1);

    //      x0   x1   y0   y1   z0   z1
    drawBox(0.0, 1.0, 0.0, 0.4, 0.0, 1.0);  // base slab
    drawBox(0.0, 0.2, 0.4, 1.2, 0.0, 1.0);  // wall along z
    drawBox(0.2, 1.0, 0.4, 1.2, 0.0, 0.2);  // wall along x
    drawTarget().popMatrix();
}

// An L bracket 1.4 × 2: a 1 × 2 plate on top of an upright 2 × 2 plate whose studs face
// -x and stand 0.2 outside the footprint.
void BrikVantaHouse::drawSolidAnglePlate(int angle, BrikColor colour) {
    drawTarget().pushMatrix();
    applyQuarterTurn(angle, 1.4, 2);

    drawTarget().pushMatrix();
    drawTarget().translate(0.4, 1.6, 0);
    drawSolidPlate(1, 2, colour);
    drawTarget().popMatrix();

    // A quarter turn about +z stands the plate up: its x runs up y, its studs along -x.
    drawTarget().pushMatrix();
    drawTarget().translate(0.4, 0, 0);
    drawTarget().rotate(90, 0, 0, 1);
    drawSolidPlate(2, 2, colour);
    drawTarget().popMatrix();

    drawTarget().popMatrix();
}
