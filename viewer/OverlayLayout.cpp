#include "viewer/OverlayLayout.h"

#include <algorithm>

namespace {
using Lines = std::vector<std::string>;
constexpr const char* cutMark = "..";
constexpr int cutMarkLength = 2;
constexpr int shadowFrame = overlayPadding / 2;  // the map's dark frame, each side

int columnsIn(int width) { return (width - 2 * overlayPadding) / overlayCharWidth; }
int rowsIn(int height) { return (height - 2 * overlayPadding) / overlayLineHeight; }

// `line` in at most `columns` characters: cut at the end, or at the start for `keepEnd`.
std::string fitted(const std::string& line, int columns, bool keepEnd) {
    if (int(line.size()) <= columns) return line;
    if (columns <= cutMarkLength) return "";
    const size_t kept = size_t(columns - cutMarkLength);
    return keepEnd ? cutMark + line.substr(line.size() - kept) : line.substr(0, kept) + cutMark;
}

// A panel for `lines` with its top-left or top-right corner at (x, top) when `fromRight`, no
// wider than `maxWidth` nor taller than `maxHeight`; lines are cut or dropped to fit.
TextPanel textPanel(Lines lines, int x, int top, bool fromRight, int maxWidth, int maxHeight,
                    bool keepEnd = false) {
    TextPanel panel;
    const int rows = rowsIn(maxHeight), columns = columnsIn(maxWidth);
    if (lines.empty() || rows < 1 || columns < 1) return panel;
    if (int(lines.size()) > rows) {
        const size_t kept = size_t(rows - 1);
        const std::string more = "(" + std::to_string(lines.size() - kept) + " more lines)";
        lines.resize(kept);
        lines.push_back(more);
    }
    size_t widest = 0;
    for (std::string& line : lines) {
        line = fitted(line, columns, keepEnd);
        widest = std::max(widest, line.size());
    }
    if (widest == 0) return panel;
    panel.lines = lines;
    panel.panel.width = int(widest) * overlayCharWidth + 2 * overlayPadding;
    panel.panel.height = int(lines.size()) * overlayLineHeight + 2 * overlayPadding;
    panel.panel.left = fromRight ? x - panel.panel.width : x;
    panel.panel.bottom = top - panel.panel.height;
    return panel;
}

Lines oneLine(const std::string& text) { return text.empty() ? Lines() : Lines{text}; }
}  // namespace

OverlayLayout layOutOverlays(const OverlayRequest& shown, int windowWidth, int windowHeight) {
    OverlayLayout layout;
    const int inner = windowWidth - 2 * overlayMargin;
    const int top = windowHeight - overlayMargin;
    const int oneRow = overlayLineHeight + 2 * overlayPadding;

    // The top row: the frame rate, then the step in what room is left to its right.
    layout.frameRate =
        textPanel(oneLine(shown.frameRate), overlayMargin, top, false, inner, oneRow);
    const int frameRateRoom =
        layout.frameRate.panel.isEmpty() ? 0 : layout.frameRate.panel.width + overlayMargin;
    layout.step = textPanel(oneLine(shown.step), windowWidth - overlayMargin, top, true,
                            inner - frameRateRoom, oneRow);
    const bool topRowUsed = !layout.frameRate.panel.isEmpty() || !layout.step.panel.isEmpty();
    const int noteTop = topRowUsed ? top - oneRow - overlayMargin : top;
    layout.note =
        textPanel(oneLine(shown.note), overlayMargin, noteTop, false, inner, oneRow, true);
    const int settingsTop =
        layout.note.panel.isEmpty() ? noteTop : layout.note.panel.bottom - overlayMargin;
    // The settings take at most half of what is left below, so the bottom row keeps room.
    layout.settings = textPanel(shown.settings, windowWidth - overlayMargin, settingsTop, true,
                                inner, (settingsTop - overlayMargin) / 2);
    const int ceiling =  // the lowest top edge the bottom panels may reach
        (layout.settings.panel.isEmpty() ? settingsTop : layout.settings.panel.bottom) -
        overlayMargin;

    // The bottom row: the shadow map in the right-hand corner, the help in what is left.
    int helpWidth = inner;
    if (shown.shadowMap) {
        const int side = std::min({largestShadowInset, std::min(windowWidth, windowHeight) / 3,
                                   ceiling - overlayMargin - shadowFrame, inner - 2 * shadowFrame});
        if (side > 0) {
            layout.shadowMap = {windowWidth - overlayMargin - side, overlayMargin, side, side};
            layout.shadowMapPanel = {layout.shadowMap.left - shadowFrame,
                                     overlayMargin - shadowFrame, side + 2 * shadowFrame,
                                     side + 2 * shadowFrame};
            helpWidth = layout.shadowMapPanel.left - overlayMargin - overlayMargin;
        }
    }
    layout.help =
        textPanel(shown.help, overlayMargin, ceiling, false, helpWidth, ceiling - overlayMargin);
    // Help sits on the bottom margin, not hanging from the ceiling.
    if (!layout.help.panel.isEmpty()) layout.help.panel.bottom = overlayMargin;
    return layout;
}
