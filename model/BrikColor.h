#pragma once

// The colour of one brick piece: three 8-bit channels, each kept within 0-255.
// Pieces take it by value and send it to OpenGL as channel / 255.
class BrikColor {
public:
    BrikColor() { setColor(0, 0, 0); }
    ~BrikColor() {}

    void setColor(int red, int green, int blue);  // each channel clamped to 0-255
    int getColorRed() const { return red; }
    int getColorGreen() const { return green; }
    int getColorBlue() const { return blue; }

private:
    int red;
    int green;
    int blue;
};

// Makes the colour the current OpenGL colour (the material colour, through colour-material).
void applyBrikColor(BrikColor colour);
