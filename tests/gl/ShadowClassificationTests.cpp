// The fixed frame's diagnostic classification against the truth cast on the processor, from an
// eye low enough to see past the floor: both find a surface in the same pixels (one projection,
// one pixel centre), both find light and shadow, and the frame drawn after the classification
// is the frame drawn before it (the diagnostic passes put back every state they change).

#include <epoxy/gl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "render/FrameCapture.h"
#include "render/FrameTruth.h"
#include "render/ShadowClassification.h"
#include "render/ShadowFrame.h"
#include "support/ViewerTestSupport.h"
#include "viewer/ViewerShell.h"

TEST(ShadowClassification, SeesWhatTheTruthSeesAndLeavesTheFrameAsItWas) {
    constexpr int kWidth = 200, kHeight = 150;
    ASSERT_TRUE(prepareViewer(kWidth, kHeight));
    FrameState& frame = viewerFrame();
    const VECTOR3D startingEye = frame.cameraPosition;
    setCameraEye(frame, VECTOR3D(0.5f, 0.6f, 4.0f));

    renderFrame(frame);
    const RgbImage before = readBackBuffer(kWidth, kHeight);
    const LightMask rendered = classifyFixedFrame(frame);
    renderFrame(frame);
    const RgbImage after = readBackBuffer(kWidth, kHeight);
    EXPECT_TRUE(before.pixels == after.pixels) << "the frame changed after a classification";
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const LightMask truth =
        computeLightMask(frameTruthScene(captureHouse(houseModel())), frameTruthView(frame));
    const MaskComparison comparison = compareMasks(truth, rendered);
    EXPECT_LE(comparison.coverageMismatch, kWidth * kHeight / 500)
        << "pixels where only one of the frame and the truth sees a surface";
    for (const LightMask* mask : {&truth, &rendered})
        for (PixelLight state : {PixelLight::Background, PixelLight::Lit, PixelLight::Shadowed})
            EXPECT_GT(std::count(mask->pixels.begin(), mask->pixels.end(), state), 0)
                << (mask == &truth ? "truth" : "frame") << " lacks state " << int(state);
    setCameraEye(frame, startingEye);
}
