// The one block copy (brio::copyPixelRect, pixman underneath) beside a
// memcpy per row over the same block, both in every iteration so that they
// see the same machine load. x_rows is the ratio of their medians.

#include "platform/gdi/raster/PixelBuffer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// A block of `width` x `height` copied between two surfaces 900 pixels wide,
// as a part of a skin bitmap is copied into a window's picture.
void BM_CopyPixelRect(benchmark::State& state)
{
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    constexpr int kStride = 900;
    std::vector<Pixel> src(std::size_t(kStride) * std::size_t(height), 0xFF336699u);
    std::vector<Pixel> dst(src.size()), rows(src.size());
    std::vector<double> copyTimes, rowTimes;
    for (auto _ : state) {
        auto t0 = Clock::now();
        brio::copyPixelRect(dst.data() + 3, kStride, src.data() + 5, kStride, width, height);
        benchmark::ClobberMemory();
        auto t1 = Clock::now();
        for (int y = 0; y < height; ++y)
            std::memcpy(rows.data() + 3 + std::size_t(y) * kStride, src.data() + 5 + std::size_t(y) * kStride,
                        std::size_t(width) * sizeof(Pixel));
        benchmark::ClobberMemory();
        auto t2 = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        copyTimes.push_back(std::chrono::duration<double>(t1 - t0).count());
        rowTimes.push_back(std::chrono::duration<double>(t2 - t1).count());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * width * height * 4);
    if (!copyTimes.empty())
        state.counters["x_rows"] = median(copyTimes) / median(rowTimes);
}

} // namespace

BENCHMARK(BM_CopyPixelRect)->Args({8, 8})->Args({32, 32})->Args({120, 40})->Args({856, 561})->UseManualTime();
