// The stopwatch that paces the show animation: seconds, not counts, that
// never run backwards and start again from Start().

#include "skin/controls/effects/SeTimer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(SeTimer, MeasuresSecondsThatOnlyMoveOn)
{
    TSeTimer timer;
    timer.Start();
    double previous = 0;
    for (int i = 0; i < 1000; ++i) {
        double now = timer.Elapsed();
        ASSERT_GE(now, previous) << "reading " << i;
        previous = now;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    double slept = timer.Elapsed();
    EXPECT_GE(slept, 0.030);
    // A loaded machine may oversleep a lot, never by a thousandfold.
    EXPECT_LT(slept, 30.0);
    EXPECT_NEAR(timer.ElapsedMs() / 1000.0, timer.Elapsed(), 0.5);

    timer.Start();
    EXPECT_LT(timer.Elapsed(), slept) << "Start() begins a new measurement";
    EXPECT_GE(timer.Elapsed(), 0.0);
}
