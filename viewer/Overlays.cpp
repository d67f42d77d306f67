#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include "viewer/Overlays.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <sstream>
#include <vector>

#include "render/FrameState.h"
#include "render/ShadowFrame.h"
#include "viewer/ViewerInput.h"

namespace {
// Window pixels.
constexpr int margin = 10;         // between a panel and the window's edges
constexpr int padding = 6;         // between a panel's edge and its contents
constexpr int lineHeight = 15;     // of the 9 × 15 font
constexpr int textDescent = 4;     // below the baseline
constexpr int largestInset = 192;  // the shadow map's side, at most a third of the window's
constexpr float panelOpacity = 0.65f;

void* font() { return GLUT_BITMAP_9_BY_15; }

using Lines = std::vector<std::string>;

int panelWidth(const Lines& lines) {
    int widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(
            widest, glutBitmapLength(font(), reinterpret_cast<const unsigned char*>(line.c_str())));
    }
    return widest + 2 * padding;
}

int panelHeight(const Lines& lines) { return int(lines.size()) * lineHeight + 2 * padding; }

void drawPanel(int left, int bottom, int width, int height) {
    glColor4f(0.0f, 0.0f, 0.0f, panelOpacity);
    glRecti(left, bottom, left + width, bottom + height);
}

// White text on a dark panel whose lower-left corner is (left, bottom).
void drawTextPanel(const Lines& lines, int left, int bottom) {
    const int height = panelHeight(lines);
    drawPanel(left, bottom, panelWidth(lines), height);
    glColor3f(1.0f, 1.0f, 1.0f);
    int baseline = bottom + height - padding - lineHeight + textDescent;
    for (const std::string& line : lines) {
        glRasterPos2i(left + padding, baseline);
        glutBitmapString(font(), reinterpret_cast<const unsigned char*>(line.c_str()));
        baseline -= lineHeight;
    }
}

// The shadow map's depths as grey levels: the distance from the light, from the near plane
// (black) to the far plane (white), so that the house's shape shows rather than the depth
// buffer's crowding towards 1.
std::vector<unsigned char> shadowMapGreys(const ShadowMapView& map) {
    std::vector<float> depths(size_t(map.size) * size_t(map.size));
    glBindTexture(GL_TEXTURE_2D, map.texture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());

    // A perspective projection maps distance d to depth via clip z = a·(-d) + b, w = d.
    const double a = map.lightProjection.GetEntry(10), b = map.lightProjection.GetEntry(14);
    const bool perspective = map.lightProjection.GetEntry(11) != 0.0f;
    const double nearPlane = b / (a - 1), farPlane = b / (a + 1);
    std::vector<unsigned char> greys(depths.size());
    for (size_t i = 0; i < depths.size(); ++i) {
        double level = depths[i];
        if (perspective) {
            const double distance = b / (2.0 * depths[i] - 1.0 + a);
            level = (distance - nearPlane) / (farPlane - nearPlane);
        }
        greys[i] = static_cast<unsigned char>(std::lround(std::clamp(level, 0.0, 1.0) * 255.0));
    }
    return greys;
}

void drawShadowMapInset(const ShadowMapView& map, int left, int bottom, int side) {
    static GLuint insetTexture = 0;
    const std::vector<unsigned char> greys = shadowMapGreys(map);
    if (insetTexture == 0) {
        glGenTextures(1, &insetTexture);
        glBindTexture(GL_TEXTURE_2D, insetTexture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    glBindTexture(GL_TEXTURE_2D, insetTexture);
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // rows of any size
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, map.size, map.size, 0, GL_LUMINANCE,
                 GL_UNSIGNED_BYTE, greys.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);

    drawPanel(left - padding / 2, bottom - padding / 2, side + padding, side + padding);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);  // a luminance texture replaces the colour, not the alpha
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_QUADS);
    glTexCoord2i(0, 0);
    glVertex2i(left, bottom);
    glTexCoord2i(1, 0);
    glVertex2i(left + side, bottom);
    glTexCoord2i(1, 1);
    glVertex2i(left + side, bottom + side);
    glTexCoord2i(0, 1);
    glVertex2i(left, bottom + side);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
}  // namespace

bool parseOverlayNames(const std::string& list, OverlaySet* shown, std::string* unknown) {
    OverlaySet parsed = *shown;
    if (list.empty() || list.back() == ',') {  // an empty name, as between two commas
        unknown->clear();
        return false;
    }
    std::stringstream names(list);
    std::string name;
    while (std::getline(names, name, ',')) {
        if (name == "fps") {
            parsed.frameRate = true;
        } else if (name == "help") {
            parsed.help = true;
        } else if (name == "shadow-map") {
            parsed.shadowMap = true;
        } else if (name == "settings") {
            parsed.settings = true;
        } else {
            *unknown = name;
            return false;
        }
    }
    *shown = parsed;
    return true;
}

void drawOverlays(const FrameState& frame, const OverlaySet& shown, const FastOverlay* fast) {
    const bool settings = shown.settings && fast && !fast->settingsLines.empty();
    if (!shown.frameRate && !shown.help && !shown.shadowMap && !settings) return;
    if (frame.windowWidth <= 0 || frame.windowHeight <= 0) return;

    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, frame.windowWidth, 0, frame.windowHeight, -1, 1);  // window pixels, y up
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glViewport(0, 0, frame.windowWidth, frame.windowHeight);
    for (const GLenum capability : std::initializer_list<GLenum>{
             GL_LIGHTING, GL_DEPTH_TEST, GL_CULL_FACE, GL_ALPHA_TEST, GL_FOG, GL_TEXTURE_2D,
             GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q}) {
        glDisable(capability);
    }
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    if (shown.frameRate) {
        const Lines lines = {std::string(frame.frameRateText) + " fps"};
        drawTextPanel(lines, margin, frame.windowHeight - margin - panelHeight(lines));
    }
    if (shown.help) drawTextPanel(helpLines(), margin, margin);
    if (shown.shadowMap) {
        const int side =
            std::min(largestInset, std::min(frame.windowWidth, frame.windowHeight) / 3);
        const ShadowMapView map = fast ? fast->map
                                       : ShadowMapView{frame.shadowMapTexture, shadowMapSize,
                                                       frame.lightProjectionMatrix};
        drawShadowMapInset(map, frame.windowWidth - margin - side, margin, side);
    }
    if (settings) {
        const Lines& lines = fast->settingsLines;
        drawTextPanel(lines, frame.windowWidth - margin - panelWidth(lines),
                      frame.windowHeight - margin - panelHeight(lines));
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}
