// The viewer's callbacks driven directly, against real Mesa: the camera after drags, the
// wheel and the keys, pan and fit, R back to the first frame, the building steps, the field of
// view of a portrait window, the circling light and its shadows, the overlays each in its own
// corner and their layout, the screenshot and its note, and keys that do nothing.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>

#include "maths/Angles.h"
#include "model/ModelBounds.h"
#include "render/FrameSetup.h"
#include "render/FrameCapture.h"
#include "render/ShadowFrame.h"
#include "model/ModelFile.h"
#include "model/Scene.h"
#include "timing/Clock.h"
#include "viewer/ModelReload.h"
#include "viewer/OverlayLayout.h"
#include "viewer/ViewerInput.h"
#include "viewer/ViewerShell.h"
#include "support/GlTestContext.h"
#include "support/ViewerTestSupport.h"

namespace fs = std::filesystem;

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr double kDegree = degreesToRadians(1.0);

std::uint32_t fakeNow = 0;
std::uint32_t fakeClock() { return fakeNow; }

RgbImage composedImage() {
    composeFrame();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    return readBackBuffer(viewerFrame().windowWidth, viewerFrame().windowHeight);
}

// The smallest rectangle holding every pixel where two images differ (right < 0: none).
struct Region {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};
Region differences(const RgbImage& a, const RgbImage& b) {
    Region r;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (!std::equal(a.at(x, y), a.at(x, y) + 3, b.at(x, y))) {
                r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x),
                     std::max(r.bottom, y)};
            }
    return r;
}

class ViewerControls : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(prepareViewer(kWidth, kHeight)); }
    void TearDown() override {
        Keyboard('r', 0, 0);
        if (lightIsCircling()) Keyboard('l', 0, 0);
        setStartLight(viewerFrame());
        shownOverlays = OverlaySet();
        setSceneFunction(viewerFrame(), modelScene(houseModel()));
        setClockSource(nullptr);
        viewerFrame().timer.Unpause();
        prepareViewer(kWidth, kHeight);
    }
};
}  // namespace

TEST_F(ViewerControls, UntouchedTheFirstFrameIsTheFrameAloneAndRBringsItBack) {
    renderFrame(viewerFrame());
    const RgbImage first = readBackBuffer(kWidth, kHeight);
    const MATRIX4X4 firstView = viewerFrame().cameraViewMatrix;
    EXPECT_TRUE(composedImage().pixels == first.pixels);
    Mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 400, 300);
    Motion(450, 320);
    Mouse(3, GLUT_DOWN, 450, 320);
    EXPECT_FALSE(composedImage().pixels == first.pixels);
    Keyboard('r', 0, 0);
    EXPECT_EQ(viewerFrame().cameraViewMatrix, firstView);
    EXPECT_TRUE(composedImage().pixels == first.pixels);
    Keyboard('+', 0, 0);
    Keyboard('R', 0, 0);
    EXPECT_EQ(viewerFrame().cameraViewMatrix, firstView);
}

TEST_F(ViewerControls, DragsTheWheelArrowsAndPlusMinusMoveTheCameraAboutTheHouse) {
    auto orbit = [] {  // azimuth and tilt in degrees, distance in world units
        const VECTOR3D& eye = viewerFrame().cameraPosition;
        return std::array<double, 3>{std::atan2(eye.x, eye.z) / kDegree,
                                     std::atan2(eye.y, std::hypot(eye.x, eye.z)) / kDegree,
                                     eye.GetLength()};
    };
    std::array<double, 3> before = orbit();
    auto expectMoved = [&](const char* input, double azimuth, double tilt, double distance) {
        const std::array<double, 3> after = orbit();
        EXPECT_NEAR(after[0], before[0] + azimuth, 1e-3) << input;
        EXPECT_NEAR(after[1], before[1] + tilt, 1e-3) << input;
        EXPECT_NEAR(after[2], before[2] * distance, 1e-4) << input;
        EXPECT_EQ(viewerFrame().cameraViewMatrix, lookAtMatrix(viewerFrame().cameraPosition))
            << "what the renderers read";
        before = after;
    };
    Mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 400, 300);
    Motion(430, 300);
    Motion(450, 320);
    Mouse(GLUT_LEFT_BUTTON, GLUT_UP, 450, 320);
    Motion(500, 500);  // no button held
    expectMoved("left drag right and down", -20, 8, 1);
    Mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 400, 300);
    Motion(400, 400);
    Mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 400, 400);
    expectMoved("right drag down", 0, 0, std::pow(1.005, 100));
    Mouse(3, GLUT_DOWN, 0, 0);
    Mouse(3, GLUT_UP, 0, 0);
    expectMoved("wheel up", 0, 0, 1 / 1.1);
    Mouse(4, GLUT_DOWN, 0, 0);
    Keyboard('-', 0, 0);
    Keyboard('+', 0, 0);
    expectMoved("wheel down, - and +", 0, 0, 1.1);
    SpecialKey(GLUT_KEY_LEFT, 0, 0);
    SpecialKey(GLUT_KEY_UP, 0, 0);
    expectMoved("left and up arrows", -5, 5, 1);
    Mouse(5, GLUT_DOWN, 0, 0);
    Motion(100, 100);
    SpecialKey(GLUT_KEY_F1, 0, 0);
    expectMoved("another button's drag, F1", 0, 0, 1);
}

TEST_F(ViewerControls, TheLightCirclesWithTheSceneClockAndTurnsInFifteenDegreeSteps) {
    setClockSource(fakeClock);
    viewerFrame().timer.Reset();
    auto expectLightAt = [](double degrees) {
        moveLightWithSceneClock();
        const VECTOR3D expected = startLightPosition.GetRotatedY(degrees);
        EXPECT_NEAR((viewerFrame().lightPosition - expected).GetLength(), 0, 1e-4) << degrees;
        EXPECT_EQ(viewerFrame().lightViewMatrix, lookAtMatrix(viewerFrame().lightPosition));
    };
    const std::tuple<unsigned char, std::uint32_t, double> steps[] = {
        {'l', 5000, 90},  {'p', 5000, 90}, {'u', 5000, 180}, {']', 0, 195},
        {'L', 5000, 195}, {'[', 0, 180}};  // key, then milliseconds, then where the light is
    for (const auto& [key, milliseconds, degrees] : steps) {
        Keyboard(key, 0, 0);
        fakeNow += milliseconds;
        expectLightAt(degrees);
    }
}

TEST_F(ViewerControls, FromEveryPointOfItsCircleTheLightSeesTheWholeHouse) {
    // Init's light, the first frame's, is the one exception: its 45 degrees leave the far
    // corners of the garden outside, and the first frame must not change.
    const auto house = captureFeedback([] { DrawScene(houseModel(), 0); }, 4);
    for (int degrees = 0; degrees < 360; degrees += 5) {
        setLightAngle(viewerFrame(), degrees);
        const MATRIX4X4 toClip =
            viewerFrame().lightProjectionMatrix * viewerFrame().lightViewMatrix;
        float largest = 0;  // clip coordinates over w
        for (const FeedbackPolygon& polygon : house)
            for (const FeedbackVertex& v : polygon.vertices) {
                const VECTOR4D c = toClip * VECTOR4D(float(v.x), float(v.y), float(v.z), 1.0f);
                if (c.w <= 0) largest = INFINITY;  // behind the light
                largest = std::max(
                    {largest, std::fabs(c.x / c.w), std::fabs(c.y / c.w), std::fabs(c.z / c.w)});
            }
        EXPECT_LT(largest, 1.0f) << "light at " << degrees << " degrees";
    }
}

TEST_F(ViewerControls, AtEveryAngleThePointsLitAreThoseTheLightCanSee) {
    setSceneFunction(viewerFrame(), plateAndTower);
    // Whether the segment from p to q passes through the tower grown by `grow` on every side.
    auto crossesTower = [](const VECTOR3D& p, const VECTOR3D& q, double grow) {
        const double low[3] = {-kTowerHalfWidth - grow, kTowerBottom - grow,
                               -kTowerHalfWidth - grow};
        const double high[3] = {kTowerHalfWidth + grow, kTowerTop + grow, kTowerHalfWidth + grow};
        const double from[3] = {p.x, p.y, p.z}, d[3] = {q.x - p.x, q.y - p.y, q.z - p.z};
        double enter = 0, leave = 1;
        for (int axis = 0; axis < 3; ++axis) {
            const double t0 = (low[axis] - from[axis]) / d[axis];  // ±inf when d is 0
            const double t1 = (high[axis] - from[axis]) / d[axis];
            enter = std::max(enter, std::min(t0, t1));
            leave = std::min(leave, std::max(t0, t1));
        }
        return enter < leave;
    };
    for (double degrees : {0.0, 75.0, 160.0, 250.0, 330.0}) {
        SCOPED_TRACE(degrees);
        if (degrees == 0)
            setStartLight(viewerFrame());  // the first frame's light
        else
            setLightAngle(viewerFrame(), degrees);
        renderFrame(viewerFrame());
        const RgbImage image = readBackBuffer(kWidth, kHeight);
        double dimmestLit = 1e9, brightestShadowed = -1;
        int lit = 0, shadowed = 0;
        // Plate points between the studs; those near a shadow's edge or hidden from the
        // camera by the tower are left out.
        for (int i = -14; i <= 14; ++i)
            for (int k = -14; k <= 14; ++k) {
                const VECTOR3D point(float(i) * 0.1f, 0.04f, float(k) * 0.1f);
                const bool inShadow = crossesTower(point, viewerFrame().lightPosition, -0.03);
                if (crossesTower(point, viewerFrame().cameraPosition, 0.05) ||
                    (!inShadow && crossesTower(point, viewerFrame().lightPosition, 0.05)))
                    continue;
                const ImagePoint pixel = projectToImage(point.x, point.y, point.z);
                const unsigned char* rgb = image.at(pixel.x, pixel.y);
                const double brightness = rgb[0] + rgb[1] + rgb[2];
                if (inShadow)
                    brightestShadowed = std::max(brightestShadowed, brightness);
                else
                    dimmestLit = std::min(dimmestLit, brightness);
                ++(inShadow ? shadowed : lit);
            }
        ASSERT_GT(shadowed, 10);
        ASSERT_GT(lit, 300);
        EXPECT_GT(dimmestLit, 1.5 * brightestShadowed)
            << lit << " lit, " << shadowed << " shadowed";
    }
}

TEST_F(ViewerControls, EachOverlayDrawsOnlyInItsOwnCornerAtOneSizeWhateverTheWindowShape) {
    setSceneFunction(viewerFrame(),
                     plateAndTower);  // quick to draw; the overlays do not depend on it
    setClockSource(fakeClock);        // time stands still: the frame rate text keeps its width
    // Key to show, key to hide, corner (right?, bottom?), text on a panel or grey levels.
    const std::tuple<unsigned char, unsigned char, bool, bool, bool> overlays[] = {
        {'f', 'F', false, false, true},
        {'h', 'H', false, true, true},
        {'m', 'M', true, true, false}};
    std::vector<Region> atFullSize;
    // The test window only shrinks reliably: the second shape is narrower, not taller.
    for (const int width : {kWidth, 600}) {
        ASSERT_TRUE(prepareViewer(width, kHeight));
        const RgbImage plain = composedImage();
        for (size_t i = 0; i < std::size(overlays); ++i) {
            const auto& [show, hide, right, bottom, text] = overlays[i];
            SCOPED_TRACE(show);
            Keyboard(show, 0, 0);
            const RgbImage shown = composedImage();
            Keyboard(hide, 0, 0);
            EXPECT_TRUE(composedImage().pixels == plain.pixels) << "hidden again";

            const Region r = differences(plain, shown);
            ASSERT_GE(r.right, 0) << "nothing drawn";
            EXPECT_LE(right ? width - 1 - r.right : r.left, 10);
            EXPECT_LE(bottom ? kHeight - 1 - r.bottom : r.top, 10);
            EXPECT_TRUE(bottom ? r.top > kHeight / 2 : r.bottom < kHeight / 2);
            if (width == kWidth) atFullSize.push_back(r);
            const Region& full = atFullSize[i];
            EXPECT_EQ(r.right - r.left, full.right - full.left) << "stretched by the window";
            EXPECT_EQ(r.bottom - r.top, full.bottom - full.top) << "stretched by the window";

            // Text: white on a dark panel, on any background. The map: many grey levels.
            int bright = 0, dark = 0, inside = 0;
            std::set<int> greys;
            for (int y = r.top + 5; y <= r.bottom - 5; ++y)
                for (int x = r.left + 5; x <= r.right - 5; ++x, ++inside) {
                    const unsigned char* p = shown.at(x, y);
                    bright += p[0] + p[1] + p[2] > 700;
                    dark += p[0] + p[1] + p[2] < 300;
                    if (p[0] == p[1] && p[1] == p[2]) greys.insert(p[0]);
                }
            if (text)
                EXPECT_TRUE(bright > 20 && dark > inside / 2) << bright << ", " << dark;
            else
                EXPECT_GT(greys.size(), 50u);
        }
    }
}

TEST_F(ViewerControls, SSavesTheWindowInTheWorkingDirectoryAndAFailureLetsTheViewerGoOn) {
    setSceneFunction(viewerFrame(), plateAndTower);
    const fs::path home = fs::current_path();
    const fs::path directory = fs::temp_directory_path() / ("brik-s-" + std::to_string(getpid()));
    fs::create_directories(directory);
    fs::current_path(directory);

    testing::internal::CaptureStdout();
    setClockSource(fakeClock);
    Keyboard('s', 0, 0);
    composeFrame();
    Keyboard('S', 0, 0);
    composeFrame();  // within the same second: the name must not clash
    const std::string printed = testing::internal::GetCapturedStdout();
    const std::set<fs::path> saved{fs::directory_iterator(directory), fs::directory_iterator()};
    ASSERT_EQ(saved.size(), 2u);
    const std::string note = shownOverlays.note;  // the window names the last file saved
    EXPECT_TRUE(note.rfind("saved brik-house-", 0) == 0 &&
                saved.count(directory / note.substr(6)) == 1)
        << note;
    fakeNow += std::uint32_t(noteSeconds * 1000);
    hideExpiredNote();
    EXPECT_EQ(shownOverlays.note, "");
    std::set<fs::path> paths;  // printed, one a line
    for (size_t at = 0, end; (end = printed.find('\n', at)) != std::string::npos; at = end + 1)
        paths.insert(printed.substr(at, end - at));
    EXPECT_EQ(paths, saved) << printed;
    EXPECT_EQ(saved.begin()->filename().string().rfind("brik-house-", 0), 0u);
    EXPECT_GT(fs::file_size(*saved.begin()), 1000u);

    fs::remove_all(directory);  // the working directory is gone: nowhere to write
    testing::internal::CaptureStderr();
    Keyboard('s', 0, 0);
    composeFrame();
    const std::string complaint = testing::internal::GetCapturedStderr();
    fs::current_path(home);
    EXPECT_EQ(complaint.rfind("screenshot not saved: brik-house-", 0), 0u) << complaint;
    EXPECT_EQ(std::count(complaint.begin(), complaint.end(), '\n'), 1) << complaint;
    EXPECT_FALSE(screenshotRequested);
}

TEST_F(ViewerControls, KeysWithoutAMeaningChangeNothing) {
    const std::string meaningful = "PpUuRrZzLlFfHhMmSs+-[]\033";
    auto state = [] {
        return std::make_tuple(viewerFrame().cameraPosition, viewerFrame().lightPosition,
                               shownOverlays.frameRate, shownOverlays.help, shownOverlays.shadowMap,
                               lightIsCircling(), viewerFrame().timer.isPaused,
                               screenshotRequested);
    };
    const auto before = state();
    for (int key = 0; key < 256; ++key) {
        if (key != 0 && meaningful.find(char(key)) != std::string::npos) continue;
        Keyboard(static_cast<unsigned char>(key), 0, 0);
        EXPECT_TRUE(state() == before) << "key " << key;
    }
}

TEST_F(ViewerControls, AWatchedModelFileReloadsOnASaveKeepingTheCameraAndAFaultKeepsTheLastModel) {
    const fs::path file = fs::temp_directory_path() / ("brik-reload-" + std::to_string(getpid()));
    const auto save = [&file](const std::string& text) {
        std::ofstream(file) << text;  // its modification time changes, in nanoseconds
    };
    const std::string plate = "plate 8 8 Green\nstep a wall\n1 Brick 1 4 Red 2 0.4 2\n";
    save(plate);
    Model first;
    std::string error;
    ASSERT_TRUE(readModelFile(file.string(), &first, &error)) << error;
    viewerRenderer().select(Renderer::Fast, "brik_gl_tests", first);
    showModel(first);
    watchModelFile(file.string());
    EXPECT_FALSE(reloadModelIfChanged()) << "nothing saved yet";
    Keyboard('-', 0, 0);  // the camera moved by the user stays where it is
    SpecialKey(GLUT_KEY_LEFT, 0, 0);
    const VECTOR3D eye = viewerFrame().cameraPosition;
    const size_t firstTriangles = viewerRenderer().fast()->lightTriangleCount();
    const RgbImage before = composedImage();

    save(plate + "2 Brick 2 2 Yellow 4 0.4 4\n");
    EXPECT_TRUE(reloadModelIfChanged());
    EXPECT_TRUE(viewerFrame().cameraPosition == eye);
    ASSERT_NE(viewerRenderer().fast(), nullptr);
    EXPECT_GT(viewerRenderer().fast()->lightTriangleCount(), firstTriangles) << "rebuilt";
    const RgbImage second = composedImage();
    EXPECT_GE(differences(before, second).right, 0) << "the new brick shows";

    save(plate + "2 Brick 2 2 Mauve 4 0.4 4\n");  // unknown colour on line 4
    EXPECT_TRUE(reloadModelIfChanged());
    EXPECT_EQ(shownOverlays.modelError.rfind(file.string() + ":4:", 0), 0u)
        << shownOverlays.modelError;
    const RgbImage faulty = composedImage();
    const Region panel = differences(second, faulty);
    EXPECT_LT(panel.bottom, kHeight / 4) << "only the fault's line, at the top, changed";
    EXPECT_LT(panel.left, kWidth / 4);

    save(plate);  // fixed
    EXPECT_TRUE(reloadModelIfChanged());
    EXPECT_TRUE(shownOverlays.modelError.empty());
    EXPECT_TRUE(composedImage().pixels == before.pixels) << "the first model again";

    fs::remove(file);
    viewerRenderer().replaceModel(houseModel(), "brik_gl_tests");
    viewerRenderer().select(Renderer::Fixed, "brik_gl_tests", houseModel());
    showModel(houseModel());
}

TEST_F(ViewerControls, PanMovesTheCameraWithItsTargetAndTheOrbitThenTurnsAboutTheNewTarget) {
    const FrameState& frame = viewerFrame();
    const VECTOR3D eye = frame.cameraPosition;
    Mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 400, 300);
    Motion(300, 350);  // left and down: the house follows, the camera goes right and up
    Mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 300, 350);
    const VECTOR3D moved = frame.cameraTarget;
    EXPECT_GT(moved.x, 0.1f);
    EXPECT_NEAR((frame.cameraPosition - eye - moved).GetLength(), 0, 1e-4) << "moved together";
    // The world point under the pointer's start is now under its end.
    const ImagePoint origin = projectToImage(0, 0, 0);
    EXPECT_NEAR(origin.x, 300, 2);
    EXPECT_NEAR(origin.y, 350, 2);
    const float distance = (frame.cameraPosition - moved).GetLength();
    SpecialKey(GLUT_KEY_LEFT, 0, 0);
    EXPECT_TRUE(frame.cameraTarget == moved);
    EXPECT_NEAR((frame.cameraPosition - moved).GetLength(), distance, 1e-4);
    EXPECT_EQ(frame.cameraViewMatrix, lookAtMatrix(frame.cameraPosition, moved));
}

TEST_F(ViewerControls, TheFitKeyFramesTheWholeShownModelInBothFieldsKeepingTheDirection) {
    const FrameState& frame = viewerFrame();
    for (const bool home : {false, true}) {  // Z after a turn, a pan and a zoom; Home a step down
        SpecialKey(GLUT_KEY_LEFT, 0, 0);
        Mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 400, 300);
        Motion(500, 400);
        Mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 500, 400);
        Keyboard('+', 0, 0);
        const VECTOR3D before = frame.cameraPosition - frame.cameraTarget;
        if (home) SpecialKey(GLUT_KEY_PAGE_DOWN, 0, 0);
        home ? SpecialKey(GLUT_KEY_HOME, 0, 0) : Keyboard('z', 0, 0);
        const WorldBox box = modelWorldBounds(modelThroughLayer(viewerModel(), shownStep()));
        const MATRIX4X4 toClip = frame.cameraProjectionMatrix * frame.cameraViewMatrix;
        float largest = 0;  // over the box's corners, in normalised device coordinates
        for (int corner = 0; corner < 8; ++corner) {
            const VECTOR4D c = toClip * VECTOR4D(float(corner & 1 ? box.max[0] : box.min[0]),
                                                 float(corner & 2 ? box.max[1] : box.min[1]),
                                                 float(corner & 4 ? box.max[2] : box.min[2]), 1.0f);
            largest = std::max({largest, std::fabs(c.x / c.w), std::fabs(c.y / c.w)});
        }
        EXPECT_LT(largest, 1.0f) << home;
        EXPECT_GT(largest, 0.85f) << home << ": not filling the window";
        const VECTOR3D centre(float(box.min[0] + box.max[0]) / 2,
                              float(box.min[1] + box.max[1]) / 2,
                              float(box.min[2] + box.max[2]) / 2);
        EXPECT_NEAR((frame.cameraTarget - centre).GetLength(), 0, 1e-5) << home;
        const VECTOR3D after = frame.cameraPosition - frame.cameraTarget;
        EXPECT_NEAR(after.GetNormalized().DotProduct(before.GetNormalized()), 1, 1e-6) << home;
    }
}

TEST_F(ViewerControls, PageDownTakesTheLastStepsPiecesAwayAndPageUpPutsThemBack) {
    const int steps = viewerModel().layerCount();
    renderFrame(viewerFrame());
    const RgbImage whole = readBackBuffer(kWidth, kHeight);
    EXPECT_EQ(shownOverlays.step, "") << "no step line at the start";
    SpecialKey(GLUT_KEY_PAGE_DOWN, 0, 0);
    EXPECT_EQ(shownStep(), steps - 1);
    EXPECT_EQ(shownOverlays.step,
              "step " + std::to_string(steps - 1) + " of " + std::to_string(steps));
    renderFrame(viewerFrame());
    EXPECT_FALSE(readBackBuffer(kWidth, kHeight).pixels == whole.pixels);
    SpecialKey(GLUT_KEY_PAGE_UP, 0, 0);
    SpecialKey(GLUT_KEY_PAGE_UP, 0, 0);  // no further than the whole model
    EXPECT_EQ(shownStep(), steps);
    renderFrame(viewerFrame());
    EXPECT_TRUE(readBackBuffer(kWidth, kHeight).pixels == whole.pixels);
    for (int i = 0; i < steps; ++i) SpecialKey(GLUT_KEY_PAGE_DOWN, 0, 0);
    EXPECT_EQ(shownStep(), 1) << "no further down than the first layer";

    // The fast renderer draws the same step: fewer triangles, all of them again on Page Up.
    ASSERT_EQ(viewerRenderer().select(Renderer::Fast, "test", modelThroughLayer(viewerModel(), 1)),
              Renderer::Fast);
    const size_t first = viewerRenderer().fast()->lightTriangleCount();
    SpecialKey(GLUT_KEY_PAGE_UP, 0, 0);
    const size_t second = viewerRenderer().fast()->lightTriangleCount();
    Keyboard('r', 0, 0);
    EXPECT_LT(first, second);
    EXPECT_LT(second, viewerRenderer().fast()->lightTriangleCount());
    viewerRenderer().select(Renderer::Fixed, "test", viewerModel());
}

TEST_F(ViewerControls, APortraitWindowKeepsTheStartsWidthAndALandscapeOneItsHeight) {
    FrameState frame;
    Reshape(frame, kWidth, kHeight);
    const MATRIX4X4 start = frame.cameraProjectionMatrix;
    EXPECT_EQ(start, perspectiveMatrix(double(kWidth) / kHeight, cameraNearPlane, cameraFarPlane));
    // Window size; then whether the horizontal (else the vertical) field is the start's.
    const std::tuple<int, int, bool> windows[] = {{600, 800, true},
                                                  {300, 900, true},
                                                  {599, 600, true},
                                                  {600, 600, false},
                                                  {1600, 300, false}};
    for (const auto& [width, height, keepsWidth] : windows) {
        Reshape(frame, width, height);
        const int entry = keepsWidth ? 0 : 5;  // 1 / tan of the half field across, or up
        EXPECT_NEAR(frame.cameraProjectionMatrix.GetEntry(entry), start.GetEntry(entry), 1e-5)
            << width << " x " << height;
    }
}

TEST(OverlayLayout, PanelsStayInsideTheWindowApartAndUncutDownTo400By300) {
    OverlayRequest everything;
    everything.frameRate = "1234 ms per frame";
    everything.step = "step 40 of 40";
    everything.note = "saved brik-house-2026-12-08-143217-12.png";
    everything.help = helpLines();
    everything.shadowMap = true;
    // Window size; then whether every panel is there, and whether nothing is cut or dropped.
    const std::tuple<int, int, bool, bool> windows[] = {{800, 600, true, true},
                                                        {1600, 300, true, false},
                                                        {400, 300, true, false},
                                                        {400, 1000, true, false},
                                                        {120, 90, false, false}};
    for (const auto& [width, height, allShown, uncut] : windows) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const OverlayLayout layout = layOutOverlays(everything, width, height);
        std::vector<PixelRect> panels;
        for (const TextPanel* text :
             {&layout.frameRate, &layout.step, &layout.note, &layout.help}) {
            panels.push_back(text->panel);
            if (text->panel.isEmpty()) continue;
            size_t widest = 0;
            for (const std::string& line : text->lines) widest = std::max(widest, line.size());
            EXPECT_LE(int(widest) * overlayCharWidth + 2 * overlayPadding, text->panel.width);
            EXPECT_LE(int(text->lines.size()) * overlayLineHeight + 2 * overlayPadding,
                      text->panel.height);
        }
        panels.push_back(layout.shadowMapPanel);
        if (uncut) {
            EXPECT_EQ(layout.help.lines, everything.help);
            EXPECT_EQ(layout.note.lines, std::vector<std::string>{everything.note});
        }
        for (size_t i = 0; i < panels.size(); ++i) {
            const PixelRect& a = panels[i];
            EXPECT_TRUE(!allShown || !a.isEmpty()) << "panel " << i;
            if (a.isEmpty()) continue;
            EXPECT_TRUE(a.left >= 0 && a.bottom >= 0 && a.left + a.width <= width &&
                        a.bottom + a.height <= height)
                << "panel " << i << " leaves the window";
            for (size_t j = 0; j < i; ++j) {
                const PixelRect& b = panels[j];
                EXPECT_TRUE(b.isEmpty() || a.left + a.width <= b.left ||
                            b.left + b.width <= a.left || a.bottom + a.height <= b.bottom ||
                            b.bottom + b.height <= a.bottom)
                    << "panels " << j << " and " << i << " overlap";
            }
        }
    }
}
