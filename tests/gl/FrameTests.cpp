// The shadow-mapped frame against real Mesa: the state Init leaves, what a frame leaves,
// lit against shadowed pixels, the floor texture, and resizing.

#include <epoxy/gl.h>
#include <GL/glu.h>
#include <GL/freeglut.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/FrameCapture.h"
#include "render/ShadowFrame.h"
#include "viewer/ViewerShell.h"
#include "model/Scene.h"
#include "support/GlTestContext.h"
#include "support/ViewerTestSupport.h"

namespace {
constexpr int kWidth = viewerWindowWidth;  // the viewer's own window
constexpr int kHeight = viewerWindowHeight;

class Frame : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(prepareViewer(kWidth, kHeight)); }
    void TearDown() override { setSceneFunction(viewerFrame(), modelScene(houseModel())); }

    // Mean brightness (0-765) of a 5 × 5 patch around the image of a world point.
    static double brightnessAt(const RgbImage& image, double x, double y, double z) {
        const ImagePoint centre = projectToImage(x, y, z);
        double sum = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const unsigned char* p = image.at(centre.x + dx, centre.y + dy);
                sum += p[0] + p[1] + p[2];
            }
        return sum / 25;
    }

    static std::vector<float> shadowMapDepths() {
        std::vector<float> depths(shadowMapSize * shadowMapSize);
        glBindTexture(GL_TEXTURE_2D, viewerFrame().shadowMapTexture);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
        return depths;
    }
};

bool matricesEqual(const MATRIX4X4& a, const MATRIX4X4& b, float tolerance) {
    for (int i = 0; i < 16; ++i)
        if (std::fabs(a.GetEntry(i) - b.GetEntry(i)) > tolerance) return false;
    return true;
}
}  // namespace

TEST_F(Frame, InitLeavesTheFixedState) {
    GLint value = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &value);
    EXPECT_EQ(value, GL_LEQUAL);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &value);
    EXPECT_EQ(value, GL_AMBIENT_AND_DIFFUSE);
    GLfloat shininess = 0, specular[4] = {};
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    EXPECT_EQ(shininess, 16.0f);
    EXPECT_EQ(specular[0], 1.0f);
    EXPECT_EQ(specular[3], 1.0f);

    glBindTexture(GL_TEXTURE_2D, viewerFrame().shadowMapTexture);
    GLint width = 0, height = 0, format = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_DEPTH_SIZE, &format);
    EXPECT_EQ(width, 512);
    EXPECT_EQ(height, 512);
    EXPECT_GT(format, 0) << "the shadow map must be a depth texture";
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(value, GL_NEAREST);

    glBindTexture(GL_TEXTURE_2D, viewerFrame().textureFloor);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(value, GL_REPEAT);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR_MIPMAP_LINEAR);

    MATRIX4X4 expectedLightProjection;
    expectedLightProjection.SetPerspective(45.0f, 1.0f, 2.0f, 8.0f);
    EXPECT_TRUE(matricesEqual(viewerFrame().lightProjectionMatrix, expectedLightProjection, 1e-5f));
    // The camera looks at the origin: the origin lands on the view axis.
    const VECTOR4D origin = viewerFrame().cameraViewMatrix * VECTOR4D(0, 0, 0, 1);
    EXPECT_NEAR(origin.x, 0, 1e-6);
    EXPECT_NEAR(origin.y, 0, 1e-6);
    EXPECT_NEAR(origin.z, -std::sqrt(2.5 * 2.5 + 3.5 * 3.5), 1e-5);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Frame, AFrameLeavesTheStateTheNextFrameNeeds) {
    renderFrame(viewerFrame());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_Q));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    GLint value = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_BACK);
    glGetIntegerv(GL_MATRIX_MODE, &value);
    EXPECT_EQ(value, GL_MODELVIEW);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], kWidth);
    EXPECT_EQ(viewport[3], kHeight);
    MATRIX4X4 modelview;
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(modelview, viewerFrame().cameraViewMatrix);
    EXPECT_EQ(modelviewDepth(), 1);
    GLint framebuffer = -1;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
    EXPECT_EQ(framebuffer, 0) << "the frame must end drawing into the window";
}

TEST_F(Frame, ThePlateIsBrighterInTheLightThanInTheTowersShadow) {
    setSceneFunction(viewerFrame(), plateAndTower);
    renderFrame(viewerFrame());
    const RgbImage image = readBackBuffer(viewerFrame().windowWidth, viewerFrame().windowHeight);
    const double shadowed =
        brightnessAt(image, -0.5, 0.04, 0.5);  // behind the tower from the light
    const double lit = brightnessAt(image, 0.8, 0.04, 0.8);
    EXPECT_GT(lit, shadowed * 1.8) << "lit " << lit << ", shadowed " << shadowed;
    EXPECT_GT(shadowed, 10) << "shadowed surfaces keep the dim pass's colour, not black";
}

TEST_F(Frame, TheFloorShowsItsTexture) {
    setSceneFunction(viewerFrame(), plateAndTower);
    renderFrame(viewerFrame());
    const RgbImage image = readBackBuffer(viewerFrame().windowWidth, viewerFrame().windowHeight);
    // Along a line of floor beside the plate the texture must vary, and it is not the
    // plain white of an untextured quad.
    double minimum = 1e9, maximum = 0;
    bool allWhite = true;
    for (int i = 0; i <= 20; ++i) {
        const ImagePoint point = projectToImage(1.8 + i * 0.02, 0, 0.5);
        const unsigned char* p = image.at(point.x, point.y);
        const double brightness = p[0] + p[1] + p[2];
        minimum = std::min(minimum, brightness);
        maximum = std::max(maximum, brightness);
        allWhite = allWhite && brightness == 765;
    }
    EXPECT_FALSE(allWhite);
    EXPECT_GT(maximum, 0);
    EXPECT_GT(maximum - minimum, 6) << "the floor looks uniform: is the texture bound?";
}

TEST_F(Frame, ResizingChangesOnlyTheCameraPassesAndShadowsStayRightInSmallWindows) {
    setSceneFunction(viewerFrame(), plateAndTower);
    renderFrame(viewerFrame());
    const std::vector<float> mapAtFullSize = shadowMapDepths();
    const MATRIX4X4 lightView = viewerFrame().lightViewMatrix,
                    lightProjection = viewerFrame().lightProjectionMatrix;
    const MATRIX4X4 cameraView = viewerFrame().cameraViewMatrix,
                    cameraProjection = viewerFrame().cameraProjectionMatrix;

    // A window smaller than the shadow map in both directions.
    ASSERT_TRUE(prepareViewer(300, 200));
    renderFrame(viewerFrame());
    const std::vector<float> mapInSmallWindow = shadowMapDepths();

    EXPECT_EQ(viewerFrame().lightViewMatrix, lightView);
    EXPECT_EQ(viewerFrame().lightProjectionMatrix, lightProjection);
    EXPECT_EQ(viewerFrame().cameraViewMatrix, cameraView);
    EXPECT_NE(viewerFrame().cameraProjectionMatrix, cameraProjection);
    EXPECT_NEAR(viewerFrame().cameraProjectionMatrix.GetEntry(0) * 300.0 / 200.0,
                viewerFrame().cameraProjectionMatrix.GetEntry(5), 1e-5);
    EXPECT_TRUE(lightPassIsOffscreen(viewerFrame()))
        << "Mesa offers framebuffer objects; the light pass should use one";
    EXPECT_TRUE(mapInSmallWindow == mapAtFullSize) << "the shadow map depends on the window size";

    ASSERT_TRUE(prepareViewer(kWidth, kHeight));
    EXPECT_EQ(viewerFrame().cameraProjectionMatrix, cameraProjection);
}

TEST_F(Frame, AMinimisedWindowKeepsAFiniteProjection) {
    const MATRIX4X4 before = viewerFrame().cameraProjectionMatrix;
    Reshape(viewerFrame(), 800, 0);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(std::isfinite(viewerFrame().cameraProjectionMatrix.GetEntry(i)));
    EXPECT_EQ(viewerFrame().cameraProjectionMatrix, before);
    renderFrame(viewerFrame());  // draws nothing visible, but must not fail
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    Reshape(viewerFrame(), kWidth, kHeight);
}

TEST_F(Frame, KeysPauseAndResumeTheSceneClockAndOthersDoNothing) {
    Keyboard('p', 0, 0);
    EXPECT_TRUE(viewerFrame().timer.isPaused);
    const double pausedAt = viewerFrame().timer.pauseTime;
    Keyboard('P', 0, 0);
    EXPECT_EQ(viewerFrame().timer.pauseTime, pausedAt);
    Keyboard('x', 0, 0);
    Keyboard('u' - 32, 0, 0);  // 'U'
    EXPECT_FALSE(viewerFrame().timer.isPaused);
    Keyboard('p', 0, 0);
    Keyboard('q', 0, 0);
    EXPECT_TRUE(viewerFrame().timer.isPaused);
    Keyboard('u', 0, 0);
    EXPECT_FALSE(viewerFrame().timer.isPaused);
}

TEST_F(Frame, EscapeEndsTheProgramWithStatusZero) {
    // A forked child would share the parent's renderer threads; re-run in a fresh process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(Keyboard(27, 0, 0), ::testing::ExitedWithCode(0), "");
}

TEST_F(Frame, TheFrameRateTextHasTwoDecimals) {
    renderFrame(viewerFrame());
    const std::string text = viewerFrame().frameRateText;
    ASSERT_GE(text.size(), 4u);
    EXPECT_EQ(text[text.size() - 3], '.');
}
