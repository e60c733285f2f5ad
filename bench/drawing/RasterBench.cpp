// Raster operations on an 856 x 561 surface beside the memory operation that
// bounds each of them (memset for fills, memcpy for the rest). Every
// operation reports `x_limit`: its time over the limit's on the same bytes.

#include "platform/gdi/DeviceContext.h"
#include "platform/Gdi.h"

#include "tests/support/DibSurface.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 856;
constexpr int kHeight = 561;
constexpr std::size_t kBytes = std::size_t(kWidth) * kHeight * 4;

using Clock = std::chrono::steady_clock;

struct Surface : brio::test::DibSurface {
    Surface(int w, int h) : DibSurface(w, h) {}
    void fillRandom(unsigned seed, std::size_t count)
    {
        std::mt19937 rng(seed);
        for (std::size_t i = 0; i < count; ++i)
            bits[i] = Pixel(rng());
    }
};

enum class Limit { Memset, Memcpy };

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// Runs `op` as the benchmark's body (manual time: the operation alone) and
// the limit right after it in every iteration, so that both see the same
// machine load; x_limit is the ratio of their medians.
template <class Op>
void measure(benchmark::State& state, Limit limit, Op&& op)
{
    std::vector<unsigned char> a(kBytes, 1), b(kBytes, 2);
    std::vector<double> opTimes, limitTimes;
    int value = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        op();
        benchmark::ClobberMemory();
        auto t1 = Clock::now();
        if (limit == Limit::Memset)
            std::memset(a.data(), ++value, kBytes);
        else
            std::memcpy(a.data(), b.data(), kBytes);
        benchmark::ClobberMemory();
        auto t2 = Clock::now();
        state.SetIterationTime(seconds(t1 - t0));
        opTimes.push_back(seconds(t1 - t0));
        limitTimes.push_back(seconds(t2 - t1));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBytes));
    if (!opTimes.empty())
        state.counters["x_limit"] = median(opTimes) / median(limitTimes);
}

void BM_Memset(benchmark::State& state)
{
    std::vector<unsigned char> a(kBytes);
    int value = 0;
    for (auto _ : state) {
        std::memset(a.data(), ++value, kBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBytes));
}

void BM_Memcpy(benchmark::State& state)
{
    std::vector<unsigned char> a(kBytes), b(kBytes, 7);
    for (auto _ : state) {
        std::memcpy(a.data(), b.data(), kBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBytes));
}

void BM_FillRectPatCopy(benchmark::State& state)
{
    Surface dst(kWidth, kHeight);
    HBRUSH brush = CreateSolidBrush(RGB(12, 34, 56));
    HGDIOBJ old = SelectObject(dst.dc, brush);
    measure(state, Limit::Memset, [&] { PatBlt(dst.dc, 0, 0, kWidth, kHeight, PATCOPY); });
    SelectObject(dst.dc, old);
    DeleteObject(brush);
}

void BM_BitBltSrcCopy(benchmark::State& state)
{
    Surface src(kWidth, kHeight), dst(kWidth, kHeight);
    src.fillRandom(1, std::size_t(kWidth) * kHeight);
    measure(state, Limit::Memcpy, [&] { BitBlt(dst.dc, 0, 0, kWidth, kHeight, src.dc, 0, 0, SRCCOPY); });
}

void BM_TransparentBlt(benchmark::State& state)
{
    Surface src(kWidth, kHeight), dst(kWidth, kHeight);
    src.fillRandom(2, std::size_t(kWidth) * kHeight);
    // About 30% key pixels, in runs as skin images have them.
    std::mt19937 rng(3);
    for (std::size_t i = 0; i < std::size_t(kWidth) * kHeight;) {
        std::size_t run = rng() % 64;
        bool key = rng() % 10 < 3;
        for (; run > 0 && i < std::size_t(kWidth) * kHeight; --run, ++i)
            if (key)
                src.bits[i] = 0xFFFF00FFu;
    }
    measure(state, Limit::Memcpy, [&] {
        TransparentBlt(dst.dc, 0, 0, kWidth, kHeight, src.dc, 0, 0, kWidth, kHeight, RGB(255, 0, 255));
    });
}

void BM_StretchBltDouble(benchmark::State& state)
{
    Surface src(428, 280), dst(kWidth, kHeight);
    src.fillRandom(4, std::size_t(428) * 280);
    measure(state, Limit::Memcpy, [&] { StretchBlt(dst.dc, 0, 0, kWidth, kHeight, src.dc, 0, 0, 428, 280, SRCCOPY); });
}

void BM_AlphaBlendPerPixel(benchmark::State& state)
{
    Surface src(kWidth, kHeight), dst(kWidth, kHeight);
    src.fillRandom(5, std::size_t(kWidth) * kHeight);
    dst.fillRandom(6, std::size_t(kWidth) * kHeight);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    measure(state, Limit::Memcpy,
            [&] { AlphaBlend(dst.dc, 0, 0, kWidth, kHeight, src.dc, 0, 0, kWidth, kHeight, blend); });
}

} // namespace

BENCHMARK(BM_Memset);
BENCHMARK(BM_FillRectPatCopy)->UseManualTime();
BENCHMARK(BM_Memcpy);
BENCHMARK(BM_BitBltSrcCopy)->UseManualTime();
BENCHMARK(BM_TransparentBlt)->UseManualTime();
BENCHMARK(BM_StretchBltDouble)->UseManualTime();
BENCHMARK(BM_AlphaBlendPerPixel)->UseManualTime();
