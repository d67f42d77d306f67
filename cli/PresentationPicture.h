#pragma once

// The pictures people take away from the guide (its cover, steps and part pictures), in the
// presentation look (render/FastRenderSettings.h): one fast renderer, given each picture's
// house mesh in turn. Needs the drawing window's context while it lives.

#include <memory>
#include <string>

#include "mesh/HouseMesh.h"
#include "render/FastRenderer.h"
#include "render/FrameState.h"

class PresentationPictures {
public:
    PresentationPictures() = default;
    ~PresentationPictures();  // releases the renderer's buffers, programs and maps
    PresentationPictures(const PresentationPictures&) = delete;
    PresentationPictures& operator=(const PresentationPictures&) = delete;

    // Draws `house` (house frame, as captureHouse gives it; every triangle drawn) from the
    // frame's camera and light into the back buffer, without swapping. Where this OpenGL lacks
    // the fast renderer, the shadow-mapped frame draws the frame's scene instead, which must
    // then show the same. False with one line in `why` when the fast renderer cannot be built.
    bool draw(FrameState& frame, const HouseMesh& house, std::string* why);

private:
    std::unique_ptr<FastRenderer> renderer;  // built at the first picture
};
