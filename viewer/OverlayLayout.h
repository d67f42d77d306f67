#pragma once

// Where each overlay goes in the window, and how much of its text fits: a pure function of the
// window's size and what is shown, so that the panels never leave the window and never overlap
// one another however small it gets. No OpenGL.
//
// Window pixels, origin at the bottom-left corner, y up. The text is in a fixed font of
// overlayCharWidth × overlayLineHeight pixels a character (GLUT's 9 × 15 bitmap font).
//
//   frame rate  top-left           step        top-right (beside the frame rate, or
//   note        below the top row               shortened until it fits)
//                                  settings    right, below the note
//   help        bottom-left        shadow map  bottom-right
//
// A line wider than its room is cut and ends with ".." (the note, a file name, loses its start
// instead); help lines that do not fit are dropped from the end, the last one kept saying how
// many are left out; a panel with no room at all is not shown.

#include <string>
#include <vector>

constexpr int overlayCharWidth = 9;
constexpr int overlayLineHeight = 15;
constexpr int overlayMargin = 10;        // between a panel and the window's edges or another panel
constexpr int overlayPadding = 6;        // between a panel's edge and its contents
constexpr int largestShadowInset = 192;  // the shadow map's side, at most a third of the window's

struct PixelRect {
    int left = 0, bottom = 0, width = 0, height = 0;
    bool isEmpty() const { return width <= 0 || height <= 0; }
};

// What is to be shown: an empty text or list hides its panel.
struct OverlayRequest {
    std::string frameRate;
    std::string step;
    std::string note;
    std::vector<std::string> help;
    std::vector<std::string> settings;  // the fast renderer's shadow settings
    bool shadowMap = false;
};

// A text panel: its rectangle (empty when hidden) and the lines it draws, each fitting it.
struct TextPanel {
    PixelRect panel;
    std::vector<std::string> lines;
};

struct OverlayLayout {
    TextPanel frameRate, step, note, settings, help;
    PixelRect shadowMapPanel;  // the map's dark frame (empty when hidden)
    PixelRect shadowMap;       // the map itself, overlayPadding / 2 inside its frame
};

OverlayLayout layOutOverlays(const OverlayRequest& shown, int windowWidth, int windowHeight);
