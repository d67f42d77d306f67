#pragma once

// A step picture's new pieces: the outline that marks them, and the figures that show they
// can be found. Both read two masks drawn from the step's eye (StepDrawing in
// instructions/StepDrawTarget.h): the step's pieces drawn with depth against the whole built
// model, which gives the new pieces' visible pixels, and the step's pieces drawn alone.
// Pure: images in, figures out; every image the same size (RgbImage, top row first).

#include "render/FrameCapture.h"

// The outline's colour (sRGB 0-255): a bright blue that no palette colour is near, nor the
// floor's wood.
constexpr unsigned char kOutlineColour[3] = {0, 120, 255};

// The outline's width in pixels for a picture `height` pixels high: 3 at 480.
int outlineWidth(int height);

struct StepFigures {
    long newPixels;           // the new pieces' visible pixels
    double visibleShare;      // newPixels over the pixels of the new pieces drawn alone, 0-1
    double edgeContrast;      // mean colour distance across the new pieces' edge, 0-1
    double colourDifference;  // distance between the mean colours of the new and the earlier
                              // pieces' pixels, 0-1 (0 when there are no earlier ones)
};

// The floors every step's figures are held above (brik instructions reports the lowest).
// Half of the new pieces' pixels seen; across their edge, a colour step of a quarter of the
// way from black to white.
constexpr double kVisibleShareFloor = 0.5;
constexpr double kEdgeContrastFloor = 0.25;

// Paints the outline round the new pieces' visible pixels of `builtMask` onto `picture`:
// outlineWidth pixels of kOutlineColour outside them, the outermost half blended.
void outlineNewPieces(RgbImage& picture, const RgbImage& builtMask);

// The figures of a finished picture (outline included). Colour distance: the Euclidean
// distance of the sRGB channels (0-1 each) over √3, so 0 for equal colours and 1 from black
// to white. The edge: every visible new-piece pixel with a neighbour (left, right, above,
// below) that is not one, paired with that neighbour.
StepFigures measureStep(const RgbImage& picture, const RgbImage& builtMask,
                        const RgbImage& aloneMask);
