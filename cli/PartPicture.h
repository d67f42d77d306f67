#pragma once

// The small picture of one part beside each row of the guide's parts tables: the piece alone
// and unturned, in its colour, standing on the floor in the middle of the picture and scaled
// to fill it, drawn in the presentation look (cli/PresentationPicture.h) as the steps are, from the
// front right with the light over the eye's shoulder.

#include <string>

#include "cli/PresentationPicture.h"
#include "parts/PartsList.h"
#include "render/FrameCapture.h"
#include "render/FrameState.h"

// The pictures' size in pixels where the drawing window is at least that large.
constexpr int kPartPictureWidth = 96;
constexpr int kPartPictureHeight = 72;

// While it lives, the frame draws parts: the light moves over the eye's shoulder and the
// window's size and camera are the picture's. Its end puts the start light, the window's size,
// the camera's projection and view back as they were. Needs the drawing window's context.
class PartPictureFrame {
public:
    // Draws through `frame` and `pictures`, which must outlive this; pixels, at most the
    // window's size.
    PartPictureFrame(FrameState& frame, PresentationPictures& pictures, int width, int height);
    ~PartPictureFrame();
    PartPictureFrame(const PartPictureFrame&) = delete;
    PartPictureFrame& operator=(const PartPictureFrame&) = delete;

    // Draws `part` and reads it back; false with one line in `why` when the pixels cannot be
    // read.
    bool draw(const Part& part, RgbImage* image, std::string* why);

private:
    // The part the scene draws, and how.
    struct ShownPart {
        const Part* part = nullptr;
        double scale = 1;                 // world units per brick unit
        double centreX = 0, centreZ = 0;  // brick units, the footprint's middle
    };
    void drawShownPart() const;

    FrameState& frame;
    PresentationPictures& pictures;
    ShownPart shown;
    SceneFunction savedScene;
    int pictureWidth, pictureHeight;  // pixels
    int savedWidth, savedHeight;
    MATRIX4X4 savedProjection, savedView;
    VECTOR3D savedEye;
};

// Draws each part of `parts` (a list has each distinct part once) and writes it as
// folder/partPictureName(part), width × height pixels; false with one line in `why` at the
// first picture that cannot be read or written. Needs the drawing window's context.
bool writePartPictures(FrameState& frame, PresentationPictures& pictures, const PartsList& parts,
                       const std::string& folder, int width, int height, std::string* why);
