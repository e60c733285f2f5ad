// Termination signals reach the program's own handler on a thread of its own,
// once; a second one ends the process. Each case runs in a child process of
// its own, where no other thread exists yet, as at the start of main.

#include "platform/desktop/TerminationSignals.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <atomic>

namespace {

void WaitForever()
{
    for (;;)
        pause();
}

} // namespace

TEST(TerminationSignals, TheFirstSignalGoesToTheHandler)
{
    // Re-executed rather than forked: earlier tests of this program may have started threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            brio::HandleTerminationSignals([](int signal) { _exit(signal == SIGTERM ? 7 : 1); });
            kill(getpid(), SIGTERM);
            WaitForever();
        },
        ::testing::ExitedWithCode(7), "");
}

TEST(TerminationSignals, ASecondSignalEndsAProgramThatDidNotClose)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            static std::atomic<int> seen{0};
            brio::HandleTerminationSignals([](int) { ++seen; });
            kill(getpid(), SIGINT);
            while (seen == 0)
                usleep(1000);
            kill(getpid(), SIGINT);
            WaitForever();
        },
        ::testing::KilledBySignal(SIGINT), "");
}
