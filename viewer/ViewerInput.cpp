// The window's input callbacks and the state they change between frames.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include "viewer/ViewerInput.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/ModelBounds.h"
#include "render/FrameState.h"
#include "render/ShadowFrame.h"
#include "timing/Clock.h"
#include "viewer/LightCircle.h"
#include "viewer/OrbitCamera.h"
#include "viewer/Screenshot.h"
#include "viewer/ViewerShell.h"

OverlaySet shownOverlays;
WindowLook windowLook;
bool screenshotRequested = false;

namespace {
constexpr double orbitDegreesPerPixel = 0.4;  // left drag
constexpr double zoomPerPixel = 1.005;        // right drag: distance factor per pixel down
constexpr double orbitStepDegrees = 5.0;      // arrow keys
constexpr double zoomStep = 1.1;              // distance factor per wheel notch or + / - press
constexpr double lightStepDegrees = 15.0;     // [ and ]
constexpr double fitMargin = 1.1;             // the model fills at most 1 / 1.1 of each field
constexpr int wheelUpButton = 3;              // GLUT reports a wheel notch as a button press
constexpr int wheelDownButton = 4;

OrbitCamera camera(startCameraEye, orbitMinimumDistance, orbitMaximumDistance);
LightCircle lightCircle;

enum class Drag { Orbit, Zoom, Pan };
int dragButton = -1;  // the button held down since the drag began, or -1
Drag dragging = Drag::Orbit;
int lastX = 0, lastY = 0;

int stepShown = 0;               // the last layer shown; 0 for all of them (the start)
std::uint32_t noteHiddenAt = 0;  // clock milliseconds

void showCamera() {
    FrameState& frame = viewerFrame();
    frame.cameraTarget = camera.target();
    setCameraEye(frame, camera.eye());
    glutPostRedisplay();
}

// The tangents of the camera's half fields of view, across and up, from its projection.
double tanHalfWidth() { return 1.0 / viewerFrame().cameraProjectionMatrix.GetEntry(0); }
double tanHalfHeight() { return 1.0 / viewerFrame().cameraProjectionMatrix.GetEntry(5); }

// Moves the camera and its target with the pointer: the point under it stays under it.
void panCamera(int dx, int dy) {
    const int height = std::max(viewerFrame().windowHeight, 1);
    const double unitsPerPixel = 2.0 * camera.distance() * tanHalfHeight() / height;
    camera.pan(-dx * unitsPerPixel, dy * unitsPerPixel);
    showCamera();
}

Model shownModel() { return modelThroughLayer(viewerModel(), shownStep()); }

void fitCamera() {
    const WorldBox box = modelWorldBounds(shownModel());
    camera.fit(VECTOR3D(float(box.min[0]), float(box.min[1]), float(box.min[2])),
               VECTOR3D(float(box.max[0]), float(box.max[1]), float(box.max[2])), tanHalfWidth(),
               tanHalfHeight(), fitMargin);
    showCamera();
}

// Shows the model through layer `step` (every layer for 0, without the step line).
void showStep(int step) {
    const int last = viewerModel().layerCount();
    stepShown = step == 0 ? 0 : std::clamp(step, 1, last);
    const Model built = shownModel();
    setSceneFunction(viewerFrame(), modelScene(built));
    viewerRenderer().replaceModel(built, "brik-house");
    shownOverlays.step = stepShown == 0
                             ? std::string()
                             : "step " + std::to_string(stepShown) + " of " + std::to_string(last);
    glutPostRedisplay();
}

void showLight() {
    FrameState& frame = viewerFrame();
    setLightAngle(frame, lightCircle.angleAt(frame.timer.GetTime()));
    glutPostRedisplay();
}

void orbitCamera(double azimuthDegrees, double tiltDegrees) {
    camera.orbit(azimuthDegrees, tiltDegrees);
    showCamera();
}

void zoomCamera(double factor) {
    camera.zoom(factor);
    showCamera();
}

void toggle(bool* shown) {
    *shown = !*shown;
    glutPostRedisplay();
}

void zoomIn() { zoomCamera(1 / zoomStep); }
void zoomOut() { zoomCamera(zoomStep); }
void resetView() {
    camera.reset();
    showCamera();
    if (stepShown != 0) showStep(0);
}
void previousStep() { showStep(std::max(shownStep() - 1, 1)); }
void nextStep() { showStep(shownStep() + 1); }
void toggleLightCircling() {
    lightCircle.toggleCircling(viewerFrame().timer.GetTime());
    showLight();
}
void turnLightClockwise() {
    lightCircle.turn(-lightStepDegrees);
    showLight();
}
void turnLightAnticlockwise() {
    lightCircle.turn(lightStepDegrees);
    showLight();
}
void pauseClock() { viewerFrame().timer.Pause(); }
void resumeClock() { viewerFrame().timer.Unpause(); }
void toggleFrameRate() { toggle(&shownOverlays.frameRate); }
void toggleHelp() { toggle(&shownOverlays.help); }
void toggleShadowMap() { toggle(&shownOverlays.shadowMap); }
void requestScreenshot() {
    screenshotRequested = true;
    glutPostRedisplay();
}
void quit() { exit(0); }

// The looks and the learner's controls: the settings panel shows whenever the fast renderer's
// settings draw.
void showLook() {
    shownOverlays.settings = windowLook.look != Look::Specified;
    glutPostRedisplay();
}
void nextLook() {
    windowLook.next();
    showLook();
}
void turnControl(void (*change)(FastRenderSettings*)) {
    change(&windowLook.turn());
    showLook();
}
void largerMap() {
    turnControl([](FastRenderSettings* s) { resizeShadowMap(s, true, maxShadowMapSize()); });
}
void smallerMap() {
    turnControl([](FastRenderSettings* s) { resizeShadowMap(s, false, maxShadowMapSize()); });
}
void lessDepthBias() {
    turnControl([](FastRenderSettings* s) { changeBias(&s->depthBias, false); });
}
void moreDepthBias() {
    turnControl([](FastRenderSettings* s) { changeBias(&s->depthBias, true); });
}
void lessSlopeBias() {
    turnControl([](FastRenderSettings* s) { changeBias(&s->slopeBias, false); });
}
void moreSlopeBias() {
    turnControl([](FastRenderSettings* s) { changeBias(&s->slopeBias, true); });
}
void cycleFilter() { turnControl(nextFilter); }
void toggleFit() {
    turnControl([](FastRenderSettings* s) { s->fitLight = !s->fitLight; });
}
void cycleSamples() { turnControl(nextSampleCount); }
void toggleFloorShadows() {
    turnControl([](FastRenderSettings* s) { s->floorShadows = !s->floorShadows; });
}
void toggleEdges() {
    turnControl([](FastRenderSettings* s) { s->edgeLines = !s->edgeLines; });
}
void toggleBalance() {
    turnControl([](FastRenderSettings* s) { s->balancedLight = !s->balancedLight; });
}
void toggleCasters() {
    turnControl([](FastRenderSettings* s) { s->frontFaceCasters = !s->frontFaceCasters; });
}

struct KeyBinding {
    const char* keys;  // every key that does it: both cases of a letter
    const char* help;  // its line in the help panel, or nullptr when the line above covers it
    void (*act)();
};

// Keys not listed here do nothing. Seen from above, the light's anticlockwise is the
// positive angle about +y.
// clang-format off
const KeyBinding keyBindings[] = {
    {"+",    "+ -         zoom in, out",                     zoomIn},
    {"-",    nullptr,                                        zoomOut},
    {"Rr",   "R           back to the starting view",        resetView},
    {"Zz",   "Z Home      frame the whole model",            fitCamera},
    {"Ll",   "L           start or stop the light circling", toggleLightCircling},
    {"[",    "[ ]         turn the light 15 degrees",        turnLightClockwise},
    {"]",    nullptr,                                        turnLightAnticlockwise},
    {"Pp",   "P U         pause, resume the scene clock",    pauseClock},
    {"Uu",   nullptr,                                        resumeClock},
    {"Ff",   "F H M       show, hide frame rate, help, map", toggleFrameRate},
    {"Hh",   nullptr,                                        toggleHelp},
    {"Mm",   nullptr,                                        toggleShadowMap},
    {"Ss",   "S           save the window as a PNG",         requestScreenshot},
    {"Vv",   "V           specified / presentation / yours", nextLook},
    {",",    ", . 1-4     map size; depth bias; slope bias", smallerMap},
    {".",    nullptr,                                        largerMap},
    {"1",    nullptr,                                        lessDepthBias},
    {"2",    nullptr,                                        moreDepthBias},
    {"3",    nullptr,                                        lessSlopeBias},
    {"4",    nullptr,                                        moreSlopeBias},
    {"5",    "5-9 0 K     filter fit msaa floor edges light faces", cycleFilter},
    {"6",    nullptr,                                        toggleFit},
    {"7",    nullptr,                                        cycleSamples},
    {"8",    nullptr,                                        toggleFloorShadows},
    {"9",    nullptr,                                        toggleEdges},
    {"0",    nullptr,                                        toggleBalance},
    {"Kk",   nullptr,                                        toggleCasters},
    {"\033", "Esc         quit",                             quit},
};

const char* const pointerHelp[] = {
    "Left drag   orbit the camera",
    "Right drag  zoom (or the wheel)",
    "Mid drag    pan (or Shift and left drag)",
    "Arrows      orbit the camera",
    "PgUp PgDn   next, previous building step",
};
// clang-format on
}  // namespace

Model shownViewerModel() { return shownModel(); }

void Keyboard(unsigned char key, int /*x*/, int /*y*/) {
    if (key == 0) return;  // strchr would find every string's end
    for (const KeyBinding& binding : keyBindings) {
        if (std::strchr(binding.keys, key)) {
            binding.act();
            return;
        }
    }
}

void SpecialKey(int key, int /*x*/, int /*y*/) {
    switch (key) {
        case GLUT_KEY_LEFT: orbitCamera(-orbitStepDegrees, 0); break;
        case GLUT_KEY_RIGHT: orbitCamera(orbitStepDegrees, 0); break;
        case GLUT_KEY_UP: orbitCamera(0, orbitStepDegrees); break;
        case GLUT_KEY_DOWN: orbitCamera(0, -orbitStepDegrees); break;
        case GLUT_KEY_HOME: fitCamera(); break;
        case GLUT_KEY_PAGE_UP: nextStep(); break;
        case GLUT_KEY_PAGE_DOWN: previousStep(); break;
        default: break;
    }
}

void Mouse(int button, int state, int x, int y) {
    if (button == wheelUpButton || button == wheelDownButton) {
        if (state == GLUT_DOWN) zoomCamera(button == wheelUpButton ? 1 / zoomStep : zoomStep);
        return;
    }
    if (state == GLUT_UP) {
        if (button == dragButton) dragButton = -1;
        return;
    }
    if (button == GLUT_MIDDLE_BUTTON) {
        dragging = Drag::Pan;
    } else if (button == GLUT_RIGHT_BUTTON) {
        dragging = Drag::Zoom;
    } else if (button == GLUT_LEFT_BUTTON) {
        dragging = glutGetModifiers() & GLUT_ACTIVE_SHIFT ? Drag::Pan : Drag::Orbit;
    } else {
        return;
    }
    dragButton = button;
    lastX = x;
    lastY = y;
}

void Motion(int x, int y) {
    const int dx = x - lastX, dy = y - lastY;
    lastX = x;
    lastY = y;
    // The scene follows the pointer: dragging right turns its front to the right, dragging
    // down tips its top towards the viewer; dragging down with the right button backs away;
    // panning keeps the point under the pointer there.
    if (dragButton < 0) return;
    if (dragging == Drag::Orbit) orbitCamera(-dx * orbitDegreesPerPixel, dy * orbitDegreesPerPixel);
    if (dragging == Drag::Zoom) zoomCamera(std::pow(zoomPerPixel, dy));
    if (dragging == Drag::Pan) panCamera(dx, dy);
}

void startControls(const ViewFit& fit) {
    camera = OrbitCamera(fit.startEye(), fit.minimumDistance(), fit.maximumDistance());
}

void refitControls() {
    FrameState& frame = viewerFrame();
    const ViewFit& fit = frame.view;
    camera.refit(fit.startEye(), fit.minimumDistance(), fit.maximumDistance());
    setCameraEye(frame, camera.eye());
    stepShown = 0;  // the new model whole: its steps may be others
    shownOverlays.step.clear();
    // The light as the keys left it: at its start (Init's light) until it first moved.
    if (lightCircle.isCircling() || lightCircle.angleAt(frame.timer.GetTime()) != 0)
        showLight();
    else
        setStartLight(frame);
    glutPostRedisplay();
}

bool lightIsCircling() { return lightCircle.isCircling(); }

void moveLightWithSceneClock() {
    FrameState& frame = viewerFrame();
    if (lightCircle.isCircling()) setLightAngle(frame, lightCircle.angleAt(frame.timer.GetTime()));
}

void saveRequestedScreenshot() {
    if (!screenshotRequested) return;
    screenshotRequested = false;
    saveScreenshot(viewerFrame().windowWidth, viewerFrame().windowHeight, &shownOverlays.note);
    noteHiddenAt = clockMilliseconds() + std::uint32_t(noteSeconds * 1000);
    glutPostRedisplay();
}

void hideExpiredNote() {
    // Wrap-safe: the difference counts how far the clock is past the note's end.
    if (!shownOverlays.note.empty() && std::int32_t(clockMilliseconds() - noteHiddenAt) >= 0)
        shownOverlays.note.clear();
}

int shownStep() { return stepShown == 0 ? viewerModel().layerCount() : stepShown; }

const std::vector<std::string>& helpLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> all(std::begin(pointerHelp), std::end(pointerHelp));
        for (const KeyBinding& binding : keyBindings)
            if (binding.help) all.emplace_back(binding.help);
        return all;
    }();
    return lines;
}
