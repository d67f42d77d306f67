#pragma once

#include "model/BrikColor.h"

// The toy-brick house: its palette of ten colours, every brick piece it is built from,
// and the forty layer maps that place those pieces on the 32 × 32 base plate.
//
// Units: brick units. 1.0 is one stud pitch along x and z, +y is up; a plate is 0.4
// high, a brick 1.2; a stud is a cylinder of radius 0.3 and height 0.2 centred on its
// cell. A piece's origin is the smallest-x, smallest-z corner of its footprint on its
// bottom face; its first size argument runs along x, its second along z.
//
// Every piece draws at once through the current draw target (model/DrawTarget.h: OpenGL
// immediate mode in the fixed frame, a triangle recorder in the capture), in its current
// frame, and makes its colour the target's current colour. Pieces that take an angle
// compare it exactly with 90, 180 and 270 (degrees about +y) and turn so that the turned
// footprint again begins at the origin; any other angle draws the piece unturned.
// Most pieces leave the caller's matrix as they found it; the grille, the angular brick,
// the window, the door, the fence and the mailbox leave their orientation applied, so
// callers wrap every piece in a push/pop of their own.
class BrikVantaHouse {
public:
    BrikVantaHouse();
    ~BrikVantaHouse() {}

    // The palette (model/Palette.h), in declaration order: the house's own copy.
    BrikColor colorWhite;
    BrikColor colorTan;
    BrikColor colorRed;
    BrikColor colorYellow;
    BrikColor colorBlack;
    BrikColor colorGreen;
    BrikColor colorLime;
    BrikColor colorBrown;
    BrikColor colorLightGrey;
    BrikColor colorDarkGrey;

    // The whole house in the house frame, the base plate centred on the current origin.
    void drawSolidBrikVantaHouse();

    // Boxes and studs.
    void drawSolidCube(double lengthX, double widthZ, double height, BrikColor colour,
                       unsigned char smoothTop);        // 0 puts a stud on every cell of the top
    void drawSolidRound(double height, double radius);  // closed cylinder on the local origin

    // Rectangular and round pieces.
    void drawSolidPlate(int length, int width, BrikColor colour);     // 0.4 high, studs
    void drawSolidFlatTile(int length, int width, BrikColor colour);  // 0.4 high, smooth
    void drawSolidBrick(int length, int width, BrikColor colour);     // 1.2 high, studs
    void drawSolidBasePlate(int length, int width, BrikColor colour);
    void drawSolidRoundPlate(BrikColor colour);  // 1 × 1, 0.4 high plus its stud
    void drawSolidRoundBrick(BrikColor colour);  // 1 × 1, 1.2 high plus its stud

    // L-shaped corner pieces: three cells of a 2 × 2 square; unturned, cell (1, 1) is missing.
    void drawSolidCorner(double height, double angle, BrikColor colour);
    void drawSolidCornerPlate(int angle, BrikColor colour);
    void drawSolidCornerBrick(int angle, BrikColor colour);

    // Slope bricks, 2 × length, the slope facing -x when unturned.
    void drawSolidRoofTile(int length, double angle, BrikColor colour);
    void drawSolidRoofTileInverted(int length, double angle, BrikColor colour);

    // Ridge pieces: a straight ridge 2 × length and its hipped end 2 × 1.
    void drawSolidRidgedTile(int length, int angle, BrikColor colour);
    void drawSolidEndRidgedTile(int angle, BrikColor colour);

    // Special bricks and plates.
    void drawSolidRadiatorGrile(double angle, BrikColor colour);  // 1 × 2; leaves its turn applied
    void drawSolidAngularBrick(double angle, BrikColor colour);   // 1 × 1; leaves its turn applied
    void drawSolidPlateWithSlide(int angle, int length, BrikColor colour);  // 1.45 × length
    void drawSolidWallCorner(int angle, BrikColor colour);                  // 1 × 1
    void drawSolidAnglePlate(int angle, BrikColor colour);                  // 1.4 × 2

    // Pieces with colours of their own (from the palette); all leave their turn applied.
    void drawSolidWindow(int angle);   // 4 × 1, three bricks high
    void drawSolidDoor(int angle);     // 4 × 1, five bricks high, glass with alpha 0.6
    void drawSolidFence(int angle);    // 4 × 1, black
    void drawSolidMailBox(int angle);  // 2 × 2, yellow

    // The layer maps, drawn in this order after the base plate.
    void drawSolidMap1();
    void drawSolidMap2();
    void drawSolidMap3();
    void drawSolidMap4();
    void drawSolidMap5();
    void drawSolidMap6();
    void drawSolidMap7();
    void drawSolidMap8();
    void drawSolidMap9();
    void drawSolidMap10();
    void drawSolidMap11();
    void drawSolidMap12();
    void drawSolidMap13();
    void drawSolidMap14();
    void drawSolidMap15();
    void drawSolidMap16();
    void drawSolidMap17();
    void drawSolidMap18();
    void drawSolidMap19();
    void drawSolidMap20();
    void drawSolidMap21();
    void drawSolidMap22();
    void drawSolidMap23();
    void drawSolidMap24();
    void drawSolidMap25();
    void drawSolidMap26();
    void drawSolidMap27();
    void drawSolidMap28();
    void drawSolidMap29();
    void drawSolidMap30();
    void drawSolidMap31();
    void drawSolidMap32();
    void drawSolidMap33();
    void drawSolidMap34();
    void drawSolidMap35();
    void drawSolidMap36();
    void drawSolidMap37();
    void drawSolidMap38();
    void drawSolidMap39();
    void drawSolidMap40();

    // Draws layer map 1-40 (any other number draws nothing).
    void drawSolidMap(int mapNumber);
};
