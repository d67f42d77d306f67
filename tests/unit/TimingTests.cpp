// The scene clock and the frame-rate meter, driven by a hand-set clock.

#include <gtest/gtest.h>

#include <cstdint>

#include "timing/Clock.h"
#include "timing/FpsCounter.h"
#include "timing/Timer.h"

namespace {
std::uint32_t fakeNow = 0;
std::uint32_t fakeClock() { return fakeNow; }

class ManualClock : public ::testing::Test {
protected:
    void SetUp() override {
        fakeNow = 1000;
        setClockSource(fakeClock);
    }
    void TearDown() override { setClockSource(nullptr); }
};
}  // namespace

TEST(RealClock, IsMonotonicAndCountsFromProgramStart) {
    const std::uint32_t first = clockMilliseconds();
    const std::uint32_t second = clockMilliseconds();
    EXPECT_LE(first, second);
    // Counted from the program's start, not the system's: a test run is far below an hour.
    EXPECT_LT(second, 3600u * 1000u);
}

TEST_F(ManualClock, TimerRunsPausesAndResumesWithoutCountingThePause) {
    TIMER timer;
    EXPECT_FALSE(timer.isPaused);
    EXPECT_EQ(timer.GetTime(), 0.0);

    fakeNow = 1250;
    EXPECT_EQ(timer.GetTime(), 250.0);

    timer.Pause();
    fakeNow = 1400;
    timer.Pause();  // a second pause keeps the first pause time
    EXPECT_EQ(timer.pauseTime, 1250.0);
    fakeNow = 5000;
    EXPECT_EQ(timer.GetTime(), 250.0);
    EXPECT_EQ(timer.GetTime(), 250.0);

    timer.Unpause();
    EXPECT_EQ(timer.GetTime(), 250.0);  // continues from the frozen value
    fakeNow = 5100;
    EXPECT_EQ(timer.GetTime(), 350.0);

    const double startBefore = timer.startTime;
    timer.Unpause();  // running: nothing changes
    EXPECT_EQ(timer.startTime, startBefore);
    EXPECT_EQ(timer.GetTime(), 350.0);
}

TEST_F(ManualClock, ResetWhilePausedKeepsThePauseAndCanGoNegative) {
    TIMER timer;
    fakeNow = 2000;
    timer.Pause();
    fakeNow = 3000;
    timer.Reset();
    EXPECT_TRUE(timer.isPaused);
    EXPECT_EQ(timer.GetTime(), 2000.0 - 3000.0);
}

TEST_F(ManualClock, TimerReadsTheFullUnsignedRange) {
    fakeNow = 0xFFFFFFF0u;
    TIMER timer;
    EXPECT_EQ(timer.startTime, 4294967280.0);  // never negative
    fakeNow = 0xFFFFFFFFu;
    EXPECT_EQ(timer.GetTime(), 15.0);
}

TEST_F(ManualClock, FpsMeterAveragesOverJustOverOneSecond) {
    FPS_COUNTER meter;
    EXPECT_EQ(meter.GetFps(), 0.0f);

    fakeNow = 0;
    meter.Update();  // 0 s since the last computation: only counted
    EXPECT_EQ(meter.GetFps(), 0.0f);
    EXPECT_EQ(meter.frames, 1);

    // Frames every 100 ms: at exactly 1.0 s nothing is computed yet (strictly greater).
    for (int i = 1; i <= 10; ++i) {
        fakeNow = i * 100;
        meter.Update();
    }
    EXPECT_EQ(meter.GetFps(), 0.0f);
    EXPECT_EQ(meter.frames, 11);

    fakeNow = 1100;
    meter.Update();  // 12 frames over 1.1 s, the current one included
    EXPECT_NEAR(meter.GetFps(), 12 / 1.1f, 1e-4);
    EXPECT_EQ(meter.frames, 0);
    EXPECT_FLOAT_EQ(meter.lastTime, 1.1f);

    fakeNow = 1500;
    meter.Update();  // the rate holds between computations
    EXPECT_NEAR(meter.GetFps(), 12 / 1.1f, 1e-4);
}

TEST_F(ManualClock, FpsMeterFirstUpdateComparesAgainstZero) {
    FPS_COUNTER meter;
    fakeNow = 40000;  // 40 s after the start
    meter.Update();
    EXPECT_FLOAT_EQ(meter.GetFps(), 1 / 40.0f);
}

TEST_F(ManualClock, FpsMeterIsAccurateAnHourIntoTheRun) {
    // Seconds are kept in a float, which is why the clock counts from the program start:
    // an hour in, a 17 ms frame time still gives a rate within 1%.
    FPS_COUNTER meter;
    const std::uint32_t anHour = 3600u * 1000;
    fakeNow = anHour;
    meter.Update();
    for (int frame = 1; frame <= 61; ++frame) {
        fakeNow = anHour + frame * 17;
        meter.Update();
    }
    EXPECT_NEAR(meter.GetFps(), 1000.0f / 17, 1000.0f / 17 * 0.01f);
}
