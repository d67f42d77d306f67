#pragma once

// What the viewer can show over the frame, each in its own corner of the window (placed by
// viewer/OverlayLayout, so that none clips or overlaps another down to 400 × 300). Drawn after
// whichever renderer drew the frame, unlit, in window pixels (so the window's shape does not
// stretch them), on a dark translucent panel so that they read on the black background and
// on the floor alike.

#include <string>
#include <vector>

#include "render/FastRenderer.h"
#include "render/FrameState.h"

struct OverlaySet {
    bool frameRate = false;  // top-left: the frame's frameRateText and "fps" (its ms before a rate)
    bool help = false;       // bottom-left: every key and mouse action (helpLines())
    bool shadowMap = false;  // bottom-right: the shadow map, depth as grey (near dark, far white)
    std::string step;        // top-right: the building step shown ("step 12 of 40"), "" for none
    std::string note;        // below the top row: a short message (a file saved), "" for none
    std::string modelError;  // below the top row, before any note: the reloaded file's fault
    bool settings = false;   // top-right: the fast renderer's settings, when it draws
};

// What the fast renderer adds to the overlays: the map it drew with (instead of the frame's)
// and its settings' lines (render/FastRenderSettings.h).
struct FastOverlay {
    ShadowMapView map;
    std::vector<std::string> settingsLines;
};

// Reads a comma-separated list of overlay names: fps, help, shadow-map, settings. On a name it does
// not know it returns false with that name in `unknown`, leaving `shown` as it was; an empty name
// (an empty list, or a comma with no name after it) is refused the same way.
bool parseOverlayNames(const std::string& list, OverlaySet* shown, std::string* unknown);

// Draws the overlays of `frame` (its frame rate, its shadow map, the texts of `shown`) over the
// back buffer (its windowWidth × windowHeight pixels). Every OpenGL state it changes is restored;
// with none shown it makes no OpenGL call at all. With `fast`, the inset shows its map and the
// settings panel its lines.
void drawOverlays(const FrameState& frame, const OverlaySet& shown,
                  const FastOverlay* fast = nullptr);
