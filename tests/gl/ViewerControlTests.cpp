// The viewer's callbacks driven directly, against real Mesa: the camera after a drag, the
// wheel and the keys, R back to the first frame, the circling light and its shadows, the
// overlays each in its own corner, the screenshot, and keys that do nothing.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "render/FrameCapture.h"
#include "render/ShadowFrame.h"
#include "model/Scene.h"
#include "viewer/Clock.h"
#include "viewer/ViewerInput.h"
#include "viewer/ViewerShell.h"
#include "support/GlTestContext.h"
#include "support/ViewerTestSupport.h"

namespace fs = std::filesystem;

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr double kPi = 3.14159265358979323846;

// The tower scene of the frame tests: a base plate and a 0.4 × 1.2 × 0.4 block in its middle
// (world units, studs on top), which throws a long shadow away from the light.
constexpr double kTowerHalf = 0.2, kTowerBottom = 0.04, kTowerTop = 1.26;
void plateAndTower(float) {
    glPushMatrix();
    glScaled(0.1, 0.1, 0.1);
    glTranslated(-16, 0, -16);
    brik.drawSolidBasePlate(32, 32, brik.colorGreen);
    glTranslated(14, 0.4, 14);
    brik.drawSolidCube(4, 4, 12, brik.colorWhite, 1);
    glPopMatrix();
}

std::uint32_t fakeNow = 0;
std::uint32_t fakeClock() { return fakeNow; }

struct Orbit {
    double azimuth, tilt, distance;  // degrees, degrees, world units
};
Orbit cameraOrbit() {
    const VECTOR3D& eye = cameraPosition;
    return {std::atan2(eye.x, eye.z) * 180 / kPi,
            std::atan2(eye.y, std::hypot(eye.x, eye.z)) * 180 / kPi, eye.GetLength()};
}

// Everything a key can change.
struct ControlState {
    VECTOR3D camera, light;
    bool frameRate, help, shadowMap, circling, paused, screenshot;
    bool operator==(const ControlState& o) const {
        return camera == o.camera && light == o.light && frameRate == o.frameRate &&
               help == o.help && shadowMap == o.shadowMap && circling == o.circling &&
               paused == o.paused && screenshot == o.screenshot;
    }
};
ControlState controlState() {
    return {cameraPosition,     lightPosition,           shownOverlays.frameRate,
            shownOverlays.help, shownOverlays.shadowMap, lightIsCircling(),
            timer.isPaused,     screenshotRequested};
}

RgbImage composedImage() {
    composeFrame();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    return readBackBuffer(windowWidth, windowHeight);
}

// The smallest rectangle holding every pixel where two images differ.
struct Region {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};
Region differences(const RgbImage& a, const RgbImage& b) {
    Region region;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (!std::equal(a.at(x, y), a.at(x, y) + 3, b.at(x, y))) {
                region.left = std::min(region.left, x);
                region.right = std::max(region.right, x);
                region.top = std::min(region.top, y);
                region.bottom = std::max(region.bottom, y);
            }
    return region;
}

class ViewerControls : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(prepareViewer(kWidth, kHeight)); }
    void TearDown() override {
        Keyboard('r', 0, 0);
        if (lightIsCircling()) Keyboard('l', 0, 0);
        setStartLight();
        shownOverlays = OverlaySet();
        screenshotRequested = false;
        setSceneFunction(nullptr);
        setClockSource(nullptr);
        timer.Unpause();
        prepareViewer(kWidth, kHeight);
    }
};
}  // namespace

TEST_F(ViewerControls, UntouchedTheFirstFrameIsTheFrameAloneAndRBringsItBack) {
    renderFrame();
    const RgbImage first = readBackBuffer(kWidth, kHeight);
    const MATRIX4X4 firstView = cameraViewMatrix;
    EXPECT_TRUE(composedImage().pixels == first.pixels);

    Mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 400, 300);
    Motion(450, 320);
    Mouse(GLUT_LEFT_BUTTON, GLUT_UP, 450, 320);
    Mouse(3, GLUT_DOWN, 450, 320);
    EXPECT_FALSE(composedImage().pixels == first.pixels);

    Keyboard('r', 0, 0);
    EXPECT_EQ(cameraViewMatrix, firstView);
    EXPECT_TRUE(composedImage().pixels == first.pixels);
    Keyboard('+', 0, 0);
    Keyboard('R', 0, 0);
    EXPECT_EQ(cameraViewMatrix, firstView);
}

TEST_F(ViewerControls, DragsWheelArrowsAndPlusMinusMoveTheCameraAboutTheHouse) {
    struct Case {
        const char* input;
        std::function<void()> act;
        Orbit change;  // azimuth and tilt added (degrees), distance multiplied
    };
    const Case cases[] = {
        {"left drag right and down",
         [] {
             Mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 400, 300);
             Motion(430, 300);
             Motion(450, 320);
             Mouse(GLUT_LEFT_BUTTON, GLUT_UP, 450, 320);
             Motion(500, 500);  // no button held: nothing
         },
         {-20, 8, 1}},
        {"right drag down",
         [] {
             Mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 400, 300);
             Motion(400, 400);
             Mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 400, 400);
         },
         {0, 0, std::pow(1.005, 100)}},
        {"wheel up",
         [] {
             Mouse(3, GLUT_DOWN, 0, 0);
             Mouse(3, GLUT_UP, 0, 0);
         },
         {0, 0, 1 / 1.1}},
        {"wheel down", [] { Mouse(4, GLUT_DOWN, 0, 0); }, {0, 0, 1.1}},
        {"+", [] { Keyboard('+', 0, 0); }, {0, 0, 1 / 1.1}},
        {"-", [] { Keyboard('-', 0, 0); }, {0, 0, 1.1}},
        {"left arrow", [] { SpecialKey(GLUT_KEY_LEFT, 0, 0); }, {-5, 0, 1}},
        {"up arrow", [] { SpecialKey(GLUT_KEY_UP, 0, 0); }, {0, 5, 1}},
        {"middle button, F1",
         [] {
             Mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 0, 0);
             Motion(100, 100);
             SpecialKey(GLUT_KEY_F1, 0, 0);
         },
         {0, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const Orbit before = cameraOrbit();
        c.act();
        const Orbit after = cameraOrbit();
        EXPECT_NEAR(after.azimuth, before.azimuth + c.change.azimuth, 1e-3);
        EXPECT_NEAR(after.tilt, before.tilt + c.change.tilt, 1e-3);
        EXPECT_NEAR(after.distance, before.distance * c.change.distance, 1e-4);
        // The renderers read the matrix: it must follow the eye, which looks at the origin.
        EXPECT_EQ(cameraViewMatrix, lookAtMatrix(cameraPosition));
    }
}

TEST_F(ViewerControls, TheLightCirclesWithTheSceneClockAndTurnsInFifteenDegreeSteps) {
    setClockSource(fakeClock);
    timer.Reset();
    auto expectLightAt = [](double degrees) {
        moveLightWithSceneClock();
        const VECTOR3D expected = startLightPosition.GetRotatedY(degrees);
        EXPECT_NEAR(lightPosition.x, expected.x, 1e-4);
        EXPECT_NEAR(lightPosition.y, startLightPosition.y, 1e-6) << "height kept";
        EXPECT_NEAR(lightPosition.z, expected.z, 1e-4);
        EXPECT_EQ(lightViewMatrix, lookAtMatrix(lightPosition));
    };
    Keyboard('l', 0, 0);
    fakeNow += 5000;
    expectLightAt(90);  // a quarter turn in five seconds
    Keyboard('p', 0, 0);
    fakeNow += 5000;
    expectLightAt(90);
    Keyboard('u', 0, 0);
    fakeNow += 5000;
    expectLightAt(180);
    Keyboard(']', 0, 0);
    expectLightAt(195);
    Keyboard('L', 0, 0);
    fakeNow += 5000;
    expectLightAt(195);
    Keyboard('[', 0, 0);
    Keyboard('[', 0, 0);
    expectLightAt(165);
}

TEST_F(ViewerControls, FromEveryPointOfItsCircleTheLightSeesTheWholeHouse) {
    // Init's light, the first frame's, is the one exception: its 45 degrees leave the far
    // corners of the garden outside, and the first frame must not change.
    const auto house = captureFeedback([] { DrawScene(0); }, 4);
    for (int degrees = 0; degrees < 360; degrees += 5) {
        setLightAngle(degrees);
        const MATRIX4X4 toClip = lightProjectionMatrix * lightViewMatrix;
        double largest = 0;  // the largest clip coordinate over w
        for (const FeedbackPolygon& polygon : house)
            for (const FeedbackVertex& v : polygon.vertices) {
                const VECTOR4D clip = toClip * VECTOR4D(float(v.x), float(v.y), float(v.z), 1.0f);
                ASSERT_GT(clip.w, 0);
                largest = std::max({largest, std::fabs(double(clip.x / clip.w)),
                                    std::fabs(double(clip.y / clip.w)),
                                    std::fabs(double(clip.z / clip.w))});
            }
        EXPECT_LT(largest, 1.0) << "light at " << degrees << " degrees";
    }
}

TEST_F(ViewerControls, AtEveryAngleThePointsLitAreThoseTheLightCanSee) {
    setSceneFunction(plateAndTower);
    // Whether the segment from p to q passes through the tower grown by `grow` on every side.
    auto crossesTower = [](const VECTOR3D& p, const VECTOR3D& q, double grow) {
        const double low[3] = {-kTowerHalf - grow, kTowerBottom - grow, -kTowerHalf - grow};
        const double high[3] = {kTowerHalf + grow, kTowerTop + grow, kTowerHalf + grow};
        const double from[3] = {p.x, p.y, p.z}, to[3] = {q.x, q.y, q.z};
        double enter = 0, leave = 1;
        for (int axis = 0; axis < 3; ++axis) {
            const double d = to[axis] - from[axis];
            if (std::fabs(d) < 1e-12) {
                if (from[axis] < low[axis] || from[axis] > high[axis]) return false;
                continue;
            }
            double t0 = (low[axis] - from[axis]) / d, t1 = (high[axis] - from[axis]) / d;
            if (t0 > t1) std::swap(t0, t1);
            enter = std::max(enter, t0);
            leave = std::min(leave, t1);
        }
        return enter < leave;
    };
    for (double degrees : {0.0, 75.0, 160.0, 250.0, 330.0}) {
        SCOPED_TRACE(degrees);
        if (degrees == 0)
            setStartLight();  // the first frame's light
        else
            setLightAngle(degrees);
        renderFrame();
        const RgbImage image = readBackBuffer(kWidth, kHeight);
        double dimmestLit = 1e9, brightestShadowed = -1;
        int lit = 0, shadowed = 0;
        // Plate points between the studs, away from the plate's edge; points near a
        // shadow's edge or hidden from the camera by the tower are left out.
        for (int i = -14; i <= 14; ++i)
            for (int k = -14; k <= 14; ++k) {
                const VECTOR3D point(float(i) * 0.1f, 0.04f, float(k) * 0.1f);
                if (crossesTower(point, cameraPosition, 0.05)) continue;
                const bool inShadow = crossesTower(point, lightPosition, -0.03);
                if (!inShadow && crossesTower(point, lightPosition, 0.05)) continue;
                const ImagePoint pixel = projectToImage(point.x, point.y, point.z);
                const unsigned char* rgb = image.at(pixel.x, pixel.y);
                const double brightness = rgb[0] + rgb[1] + rgb[2];
                if (inShadow) {
                    ++shadowed;
                    brightestShadowed = std::max(brightestShadowed, brightness);
                } else {
                    ++lit;
                    dimmestLit = std::min(dimmestLit, brightness);
                }
            }
        ASSERT_GT(shadowed, 10);
        ASSERT_GT(lit, 300);
        EXPECT_GT(dimmestLit, 1.5 * brightestShadowed)
            << lit << " lit, " << shadowed << " shadowed points";
    }
}

TEST_F(ViewerControls, EachOverlayDrawsOnlyInItsOwnCornerAtTheSameSizeWhateverTheWindowShape) {
    setSceneFunction(plateAndTower);  // quick to draw; the overlays do not depend on it
    timer.Pause();                    // the scene holds still; only the frame rate text may change
    const struct {
        unsigned char show, hide;
        bool right, bottom;  // its corner
        bool text;
    } overlays[] = {{'f', 'F', false, false, true},
                    {'h', 'H', false, true, true},
                    {'m', 'M', true, true, false}};
    Region first[3];
    // The test window only shrinks reliably: the second shape is narrower, not taller.
    for (const auto& size : {std::pair{kWidth, kHeight}, std::pair{600, kHeight}}) {
        ASSERT_TRUE(prepareViewer(size.first, size.second));
        const RgbImage plain = composedImage();
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(overlays[i].show);
            Keyboard(overlays[i].show, 0, 0);
            const RgbImage shown = composedImage();
            Keyboard(overlays[i].hide, 0, 0);
            EXPECT_TRUE(composedImage().pixels == plain.pixels) << "hidden again";

            const Region region = differences(plain, shown);
            ASSERT_FALSE(region.empty());
            const int fromLeftOrRight =
                overlays[i].right ? size.first - 1 - region.right : region.left;
            const int fromTopOrBottom =
                overlays[i].bottom ? size.second - 1 - region.bottom : region.top;
            EXPECT_LE(fromLeftOrRight, 10);
            EXPECT_LE(fromTopOrBottom, 10);
            EXPECT_TRUE(overlays[i].bottom ? region.top > size.second / 2
                                           : region.bottom < size.second / 2);
            if (size.first == kWidth) {
                first[i] = region;
            } else {
                EXPECT_EQ(region.width(), first[i].width()) << "stretched by the window";
                EXPECT_EQ(region.height(), first[i].height()) << "stretched by the window";
            }
            // Text reads on any background: white marks on a dark panel. The shadow map
            // shows as grey levels, several of them.
            int bright = 0, dark = 0, inside = 0;
            std::set<int> greys;
            for (int y = region.top + 5; y <= region.bottom - 5; ++y)
                for (int x = region.left + 5; x <= region.right - 5; ++x) {
                    const unsigned char* p = shown.at(x, y);
                    ++inside;
                    bright += p[0] + p[1] + p[2] > 700;
                    dark += p[0] + p[1] + p[2] < 300;
                    if (p[0] == p[1] && p[1] == p[2]) greys.insert(p[0]);
                }
            if (overlays[i].text) {
                EXPECT_GT(bright, 20);
                EXPECT_GT(dark, inside / 2);
            } else {
                EXPECT_GT(greys.size(), 50u);
            }
        }
    }
    // All three at once do not overlap.
    for (int i = 0; i < 3; ++i)
        for (int k = i + 1; k < 3; ++k)
            EXPECT_TRUE(first[i].right < first[k].left || first[k].right < first[i].left ||
                        first[i].bottom < first[k].top || first[k].bottom < first[i].top);
}

TEST_F(ViewerControls, SSavesTheWindowInTheWorkingDirectoryAndAFailureLetsTheViewerGoOn) {
    const fs::path home = fs::current_path();
    const fs::path directory =
        fs::temp_directory_path() / ("brik-screenshot-" + std::to_string(::getpid()));
    fs::remove_all(directory);
    fs::create_directories(directory);
    fs::current_path(directory);
    setSceneFunction(plateAndTower);

    testing::internal::CaptureStdout();
    Keyboard('s', 0, 0);
    composeFrame();
    Keyboard('S', 0, 0);
    composeFrame();  // the same second: the name must not clash
    const std::string printed = testing::internal::GetCapturedStdout();
    std::vector<fs::path> saved;
    for (const auto& entry : fs::directory_iterator(directory)) saved.push_back(entry.path());
    std::sort(saved.begin(), saved.end());
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(printed, saved[0].string() + "\n" + saved[1].string() + "\n");
    for (const fs::path& path : saved) {
        EXPECT_EQ(path.filename().string().rfind("brik-house-", 0), 0u) << path;
        std::ifstream png(path, std::ios::binary);
        std::string signature(8, '\0');
        png.read(&signature[0], 8);
        EXPECT_EQ(signature, "\x89PNG\r\n\x1a\n");
    }
    EXPECT_FALSE(screenshotRequested);

    fs::remove_all(directory);  // the working directory is gone: nowhere to write
    testing::internal::CaptureStderr();
    Keyboard('s', 0, 0);
    composeFrame();
    const std::string complaint = testing::internal::GetCapturedStderr();
    fs::current_path(home);
    EXPECT_EQ(complaint.rfind("screenshot not saved: brik-house-", 0), 0u) << complaint;
    EXPECT_EQ(std::count(complaint.begin(), complaint.end(), '\n'), 1) << complaint;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ViewerControls, KeysWithoutAMeaningChangeNothing) {
    const std::string meaningful = "PpUuRrLlFfHhMmSs+-[]\033";
    const ControlState before = controlState();
    for (int key = 0; key < 256; ++key) {
        if (key != 0 && meaningful.find(char(key)) != std::string::npos) continue;
        Keyboard(static_cast<unsigned char>(key), 0, 0);
        EXPECT_TRUE(controlState() == before) << "key " << key;
    }
}
