#include "cli/PresentationPicture.h"

#include <vector>

#include "mesh/IndexedHouse.h"
#include "render/FastRenderSettings.h"
#include "render/FastRenderer.h"
#include "render/ShadowFrame.h"

bool drawPresentationPicture(FrameState& frame, const HouseMesh& house, std::string* why) {
    if (!FastRenderer::missingSupport().empty()) {
        renderFrame(frame);
        return true;
    }
    FastRenderer renderer;
    std::string reason;
    // No triangle left out as hidden: a guide's step shows what later pieces cover.
    const bool created = renderer.create(
        indexHouse(house, std::vector<bool>(house.triangles.size(), false)), &reason);
    if (created) renderer.render(frame, presentationLook());
    renderer.release();
    if (!created) *why = "the presentation look's renderer: " + reason;
    return created;
}
