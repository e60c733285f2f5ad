// Window effects at the size of a large dialog, 856 × 561: one frame of the
// show animation (mask, composition, copy into the screen overlay and
// presentation) and a capture of the desktop under a window that has moved
// away entirely (every pixel read from the screen). Each iteration also
// times a memcpy of the same pixels; each benchmark reports `x_limit`, the
// median of its time over the median memcpy's, and `memcpy_us`. The same
// ratio from the thread's processor time, `x_limit_cpu`, is steadier on a
// shared machine, where a wall-clock median can include another program's
// turn.

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/backends/headless/HeadlessBackend.h"
#include "skin/controls/effects/SeDesktopCapture.h"
#include "skin/controls/effects/SeShowAnimation.h"
#include "skin/controls/options/SeAnimation.h"
#include "skin/engine/SePixels.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 856;
constexpr int kHeight = 561;
constexpr std::size_t kBytes = std::size_t(kWidth) * kHeight * 4;

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

void useHeadless()
{
    if (!CurrentHeadlessBackend())
        SetBackend(std::make_unique<HeadlessBackend>());
}

// Runs `work` and a memcpy of the same pixels in every iteration.
template <typename Work>
void againstMemcpy(benchmark::State& state, Work&& work)
{
    std::vector<unsigned char> a(kBytes, 1), b(kBytes, 2);
    std::vector<double> workTimes, copyTimes, workCpu, copyCpu;
    int i = 0;
    for (auto _ : state) {
        const double c0 = threadSeconds();
        auto t0 = Clock::now();
        work(i++);
        benchmark::ClobberMemory();
        auto t1 = Clock::now();
        const double c1 = threadSeconds();
        std::memcpy(a.data(), b.data(), kBytes);
        benchmark::ClobberMemory();
        auto t2 = Clock::now();
        const double c2 = threadSeconds();
        state.SetIterationTime(seconds(t1 - t0));
        workTimes.push_back(seconds(t1 - t0));
        copyTimes.push_back(seconds(t2 - t1));
        workCpu.push_back(c1 - c0);
        copyCpu.push_back(c2 - c1);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBytes));
    if (!workTimes.empty()) {
        state.counters["memcpy_us"] = median(copyTimes) * 1e6;
        state.counters["x_limit"] = median(workTimes) / median(copyTimes);
        state.counters["x_limit_cpu"] = median(workCpu) / median(copyCpu);
    }
}

void BM_ShowAnimationFrame(benchmark::State& state)
{
    useHeadless();
    const auto effect = TkeEffect(state.range(0));
    PixelBuffer picture(kWidth, kHeight), desktop(kWidth, kHeight);
    std::mt19937 random(1);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            picture.row(y)[x] = 0xFF000000u | (random() & 0xFFFFFF);
            desktop.row(y)[x] = 0xFF000000u | (random() & 0xFFFFFF);
        }
    // A rounded window: its corners hold the key, as a skinned window's do.
    HRGN region = CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 16, 16);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (!PtInRegion(region, x, y))
                picture.row(y)[x] = SeKeyValue;
    TSeAnimation options;
    options.SetEffect(effect);
    brio::ShowAnimation animation;
    if (!animation.begin(picture, desktop, POINT{40, 40}, region, options)) {
        state.SkipWithError("no animation");
        return;
    }
    // Percentages that move as a real animation's do, never all 0 or 100.
    againstMemcpy(state, [&](int i) { animation.showFrame(1 + i % 99); });
    animation.finish();
    DeleteObject(region);
}

void BM_DesktopCapture(benchmark::State& state)
{
    useHeadless();
    // Something on the screen besides the bare desktop.
    HWND other = CreateWindowEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr,
                                nullptr, nullptr);
    UpdateWindow(other);
    brio::DesktopCapture capture;
    const RECT places[] = {{0, 0, kWidth, kHeight}, {400, 230, 400 + kWidth, 230 + kHeight}};
    capture.capture(places[1]);
    // Each capture follows a move far enough that nothing of the old picture
    // can be kept: the whole rectangle comes from the screen.
    againstMemcpy(state, [&](int i) { capture.capture(places[i % 2]); });
    if (!capture.hasImage())
        state.SkipWithError("the capture read nothing");
    DestroyWindow(other);
}

} // namespace

BENCHMARK(BM_ShowAnimationFrame)->Arg(keFade)->Arg(keDiamondOut)->Arg(kePixel)->UseManualTime();
BENCHMARK(BM_DesktopCapture)->UseManualTime();
