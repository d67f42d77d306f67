#pragma once

// What the viewer can show over the frame, each in its own corner of the window. Drawn after
// whichever renderer drew the frame, unlit, in window pixels (so the window's shape does not
// stretch them), on a dark translucent panel so that they read on the black background and
// on the floor alike.

#include <string>

struct OverlaySet {
    bool frameRate = false;  // top-left: frameRateText() and "fps" (the frame's ms before a rate)
    bool help = false;       // bottom-left: every key and mouse action (helpLines())
    bool shadowMap = false;  // bottom-right: the shadow map, depth as grey (near dark, far white)
};

// Reads a comma-separated list of overlay names: fps, help, shadow-map. On a name it does not
// know it returns false with that name in `unknown`, leaving `shown` as it was.
bool parseOverlayNames(const std::string& list, OverlaySet* shown, std::string* unknown);

// Draws the overlays over the back buffer (windowWidth × windowHeight pixels). Every OpenGL
// state it changes is restored; with none shown it makes no OpenGL call at all.
void drawOverlays(const OverlaySet& shown);
