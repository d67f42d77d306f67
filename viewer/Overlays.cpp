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
#include "viewer/OverlayLayout.h"
#include "viewer/ViewerInput.h"

namespace {
constexpr int textDescent = 4;  // window pixels below the baseline
constexpr float panelOpacity = 0.65f;

void* font() { return GLUT_BITMAP_9_BY_15; }  // overlayCharWidth × overlayLineHeight

// The measured rate once there is one; before that (the first second, a one-frame snapshot) the
// time this frame took up to its overlays, with the pipeline finished so that it is all counted.
std::string frameRateLine(const FrameState& frame) {
    if (frame.fpsCounter.HasRate()) return std::string(frame.frameRateText) + " fps";
    glFinish();
    const unsigned milliseconds = frame.fpsCounter.MillisecondsSinceFrameBegan();
    return milliseconds == 0 ? "< 1 ms per frame" : std::to_string(milliseconds) + " ms per frame";
}

void drawPanel(const PixelRect& panel) {
    glColor4f(0.0f, 0.0f, 0.0f, panelOpacity);
    glRecti(panel.left, panel.bottom, panel.left + panel.width, panel.bottom + panel.height);
}

// White text on a dark panel; nothing for a hidden one.
void drawTextPanel(const TextPanel& text) {
    if (text.panel.isEmpty()) return;
    drawPanel(text.panel);
    glColor3f(1.0f, 1.0f, 1.0f);
    const PixelRect& panel = text.panel;
    int baseline = panel.bottom + panel.height - overlayPadding - overlayLineHeight + textDescent;
    for (const std::string& line : text.lines) {
        glRasterPos2i(panel.left + overlayPadding, baseline);
        glutBitmapString(font(), reinterpret_cast<const unsigned char*>(line.c_str()));
        baseline -= overlayLineHeight;
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

void drawShadowMapInset(const ShadowMapView& view, const PixelRect& panel, const PixelRect& map) {
    static GLuint insetTexture = 0;
    const std::vector<unsigned char> greys = shadowMapGreys(view);
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
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, view.size, view.size, 0, GL_LUMINANCE,
                 GL_UNSIGNED_BYTE, greys.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);

    drawPanel(panel);
    const int left = map.left, bottom = map.bottom, side = map.width;
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
    if (!shown.frameRate && !shown.help && !shown.shadowMap && !settings && shown.step.empty() &&
        shown.note.empty() && shown.modelError.empty())
        return;
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

    OverlayRequest request;
    if (shown.frameRate) request.frameRate = frameRateLine(frame);
    if (shown.help) request.help = helpLines();
    request.step = shown.step;
    // A model file's fault stays until it is mended, so it takes the note's place.
    request.note = shown.modelError.empty() ? shown.note : shown.modelError;
    if (settings) request.settings = fast->settingsLines;
    request.shadowMap = shown.shadowMap;
    const OverlayLayout layout = layOutOverlays(request, frame.windowWidth, frame.windowHeight);
    for (const TextPanel* text :
         {&layout.frameRate, &layout.step, &layout.note, &layout.settings, &layout.help})
        drawTextPanel(*text);
    if (!layout.shadowMap.isEmpty()) {
        const ShadowMapView view = fast ? fast->map
                                        : ShadowMapView{frame.shadowMapTexture, shadowMapSize,
                                                        frame.lightProjectionMatrix};
        drawShadowMapInset(view, layout.shadowMapPanel, layout.shadowMap);
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}
