#include "skin/controls/effects/SeTimer.h"

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
static_assert(Clock::is_steady, "a stopwatch must never run backwards");

} // namespace

std::int64_t TSeTimer::counter()
{
    return std::int64_t(Clock::now().time_since_epoch().count());
}

TSeTimer::TSeTimer()
    : frequency_(std::int64_t(Clock::period::den / Clock::period::num))
{
    // The cheaper of a few tries: one try may be cut by the scheduler.
    std::int64_t best = -1;
    for (int i = 0; i < 4; ++i) {
        std::int64_t a = counter();
        std::int64_t b = counter();
        if (best < 0 || b - a < best)
            best = b - a;
    }
    overhead_ = std::max<std::int64_t>(best, 0);
    Start();
}

void TSeTimer::Start()
{
    start_ = counter();
    stop_ = start_;
}

double TSeTimer::Elapsed()
{
    stop_ = counter();
    std::int64_t counts = std::max<std::int64_t>(stop_ - start_ - overhead_, 0);
    return double(counts) / double(frequency_);
}
