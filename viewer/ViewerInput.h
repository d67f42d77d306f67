#pragma once

// What the user changes with the keys and the mouse, kept between frames: the orbiting
// camera, the light's place on its circle, the overlays shown and a requested screenshot.
// The callbacks that change it (Keyboard, SpecialKey, Mouse, Motion) are declared with the
// other window callbacks in ViewerShell.h; Display reads it through the functions below.

#include <string>
#include <vector>

#include "viewer/Overlays.h"
#include "viewer/WindowLook.h"

extern OverlaySet shownOverlays;  // toggled by F, H and M; all hidden at start
extern WindowLook windowLook;     // V and the shadow controls; the specified frame at start
extern bool screenshotRequested;  // set by S, cleared by saveRequestedScreenshot

// While circling (L), the light follows the scene clock: it moves on every frame, so a
// window that redraws only on change must keep drawing while this is true.
bool lightIsCircling();

// Puts a circling light where the scene clock says; does nothing otherwise. Called before
// the frame is rendered.
void moveLightWithSceneClock();

// Saves the back buffer when S asked for it. Called after the overlays, before the swap.
void saveRequestedScreenshot();

// Every key and mouse action, one line each, as the help panel and the README list them.
const std::vector<std::string>& helpLines();
