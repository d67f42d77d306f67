#include "cli/PresentationPicture.h"

#include <vector>

#include "mesh/IndexedHouse.h"
#include "render/FastRenderSettings.h"
#include "render/ShadowFrame.h"

PresentationPictures::~PresentationPictures() {
    if (renderer) renderer->release();
}

bool PresentationPictures::draw(FrameState& frame, const HouseMesh& house, std::string* why) {
    if (!FastRenderer::missingSupport().empty()) {
        renderFrame(frame);
        return true;
    }
    // No triangle left out as hidden: a guide's step shows what later pieces cover.
    const IndexedHouse indexed =
        indexHouse(house, std::vector<bool>(house.triangles.size(), false));
    if (renderer) {
        renderer->setHouse(indexed);
    } else {
        renderer = std::make_unique<FastRenderer>();
        std::string reason;
        if (!renderer->create(indexed, &reason)) {
            renderer->release();
            renderer.reset();
            *why = "the presentation look's renderer: " + reason;
            return false;
        }
    }
    renderer->render(frame, presentationLook());
    return true;
}
