#pragma once

// What the user changes with the keys and the mouse, kept between frames: the orbiting
// camera, the light's place on its circle, the building step shown, the overlays shown and a
// requested screenshot.
// The callbacks that change it (Keyboard, SpecialKey, Mouse, Motion) are declared with the
// other window callbacks in ViewerShell.h; Display reads it through the functions below.

#include <string>
#include <vector>

#include "render/ViewFit.h"
#include "viewer/Overlays.h"
#include "viewer/WindowLook.h"

extern OverlaySet shownOverlays;  // toggled by F, H and M; all hidden at start; the step line
                                  // set by the step keys, the note by a screenshot
extern WindowLook windowLook;     // V and the shadow controls; the specified frame at start
extern bool screenshotRequested;  // set by S, cleared by saveRequestedScreenshot

// Before the first frame: the orbit starts at the fit's start eye, between its distance limits.
void startControls(const ViewFit& fit);

// After the viewer's frame got another model's fit (a reloaded model): the orbit takes the new
// start and distance limits, keeping where the camera is (its distance brought between the
// new limits), and the light its new circle; the whole model is shown, not a step. Needs the
// window's context.
void refitControls();

// While circling (L), the light follows the scene clock: it moves on every frame, so a
// window that redraws only on change must keep drawing while this is true.
bool lightIsCircling();

// Puts a circling light where the scene clock says; does nothing otherwise. Called before
// the frame is rendered.
void moveLightWithSceneClock();

// Saves the back buffer when S asked for it, and shows a note naming the file for
// noteSeconds. Called after the overlays, before the swap.
void saveRequestedScreenshot();
constexpr double noteSeconds = 4.0;

// Hides the note once its time (on the real clock, timing/Clock.h) is over.
void hideExpiredNote();

// The building step shown: the model through that layer, from 1 to every layer (the start).
int shownStep();

// The model the window shows: the viewer's model through the step shown.
Model shownViewerModel();

// Every key and mouse action, one line each, as the help panel and the README list them.
const std::vector<std::string>& helpLines();
