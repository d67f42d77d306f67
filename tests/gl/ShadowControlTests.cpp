// The fast renderer's shadow controls against the light's truth cast on the processor: each
// control, turned, moves the share of wrongly lit or shadowed pixels the way it should, and the
// presentation look stays under its bound from two eyes. (Fitting the light alone is left out:
// from this eye it moves the share by less than the bias it goes with.)

#include <epoxy/gl.h>

#include <gtest/gtest.h>

#include <functional>

#include "mesh/HouseMesh.h"
#include "model/Model.h"
#include "render/FrameTruth.h"
#include "render/Renderer.h"
#include "render/ShadowClassification.h"
#include "support/ViewerTestSupport.h"
#include "viewer/ViewerInput.h"
#include "viewer/ViewerShell.h"

namespace {
constexpr int kWidth = 320, kHeight = 240;

class ShadowControls : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(prepareViewer(kWidth, kHeight));
        ASSERT_EQ(renderer.select(Renderer::Fast, "brik_gl_tests", houseModel()), Renderer::Fast);
        const Model house = houseModel();
        scene = new Bvh(frameTruthScene(captureHouse(house)));
    }
    static void TearDownTestSuite() {
        delete scene;
        setCameraEye(viewerFrame(), startCameraEye);
        setStartLight(viewerFrame());
    }

    // The share of visible pixels whose lit-or-shadowed state differs from the truth.
    static double wrongShare(const FastRenderSettings& settings) {
        FrameState& frame = viewerFrame();
        const LightMask truth = computeLightMask(*scene, frameTruthView(frame));
        renderer.fast()->invalidateShadowMap();
        const LightMask shown = classifyFastFrame(*renderer.fast(), frame, settings);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        return compareMasks(truth, shown).differingShare();
    }

    static FrameRenderer renderer;
    static Bvh* scene;
};
FrameRenderer ShadowControls::renderer;
Bvh* ShadowControls::scene = nullptr;

FastRenderSettings with(std::function<void(FastRenderSettings*)> turn,
                        FastRenderSettings settings = FastRenderSettings()) {
    turn(&settings);
    return settings;
}
}  // namespace

TEST_F(ShadowControls, EachControlMovesTheErrorTheWayItShould) {
    setCameraEye(viewerFrame(), VECTOR3D(3.2f, 1.6f, 2.0f));
    setLightAngle(viewerFrame(), 90);
    const FastRenderSettings frontFaces =
        with([](FastRenderSettings* s) { s->frontFaceCasters = true; });
    const struct {
        const char* what;
        FastRenderSettings before, after;
    } turns[] = {
        // Faces towards the light cast acne on themselves; a bias lifts it.
        {"depth and slope bias", frontFaces,
         with(
             [](FastRenderSettings* s) {
                 s->depthBias = 2;
                 s->slopeBias = 2;
             },
             frontFaces)},
        {"a bigger map", with([](FastRenderSettings* s) { s->shadowMapSize = 256; }),
         with([](FastRenderSettings* s) { s->shadowMapSize = 2048; })},
        {"the floor shadowed", {}, with([](FastRenderSettings* s) { s->floorShadows = true; })},
        // The filters' share of light is cut at a half: a wider filter rounds edges no worse.
        {"percentage-closer filtering", {}, with([](FastRenderSettings* s) {
             s->filter = ShadowFilter::Pcf;
         })},
    };
    for (const auto& turn : turns) {
        const double before = wrongShare(turn.before), after = wrongShare(turn.after);
        EXPECT_LT(after, before) << turn.what << ": " << 100 * before << " % -> " << 100 * after
                                 << " % of visible pixels wrong";
    }
}

TEST_F(ShadowControls, ThePresentationLookStaysUnderItsBound) {
    constexpr double kBound = 0.01;
    const VECTOR3D eyes[] = {startCameraEye, VECTOR3D(-2.0f, 4.0f, -2.5f)};
    for (const VECTOR3D& eye : eyes) {
        setCameraEye(viewerFrame(), eye);
        setStartLight(viewerFrame());
        EXPECT_LT(wrongShare(presentationLook()), kBound)
            << "eye " << eye.x << "," << eye.y << "," << eye.z;
    }
}

// V goes round the specified frame, the presentation look and the learner's settings; a control
// key turns the learner's; the specified frame comes back as it was.
TEST_F(ShadowControls, TheLookKeyGoesRoundTheThreeLooks) {
    const auto composed = [] {
        composeFrame();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        return readBackBuffer(kWidth, kHeight).pixels;
    };
    ASSERT_EQ(windowLook.look, Look::Specified);
    const auto specified = composed();
    Keyboard('v', 0, 0);
    EXPECT_EQ(windowLook.look, Look::Presentation);
    EXPECT_NE(composed(), specified);
    Keyboard('V', 0, 0);
    EXPECT_EQ(windowLook.look, Look::Learner);
    EXPECT_EQ(windowLook.settings(), specifiedLook()) << "the learner starts from the frame";
    Keyboard('.', 0, 0);
    EXPECT_EQ(windowLook.settings().shadowMapSize, 2 * shadowMapSize);
    Keyboard('v', 0, 0);
    EXPECT_EQ(windowLook.look, Look::Specified);
    EXPECT_EQ(composed(), specified);
}
