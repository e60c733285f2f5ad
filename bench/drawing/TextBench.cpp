// A 40-character line of 8-point text on an 856 x 561 surface, drawn with
// DrawText and measured with GetTextExtentPoint32, glyph cache warm. Each
// reports `x_limit`: its time over that of the memory operation bounding it,
// measured in this run (a memset of the text box's rows for drawing, a sum
// of 40 cached advances for measuring).

#include "platform/Gdi.h"
#include "platform/gdi/GdiObjectOwner.h"

#include "tests/support/DibSurface.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 856;
constexpr int kHeight = 561;
constexpr const char* kLine = "Press F to play the airhorn, G to stop.."; // 40 characters

using Clock = std::chrono::steady_clock;

struct TextSurface : brio::test::DibSurface {
    brio::GdiObjectOwner<HFONT> font{
        CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif")};
    TextSurface() : DibSurface(kWidth, kHeight, 0xFFFFFFFFu)
    {
        SelectObject(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
    }
    // The font leaves the DC before it is deleted.
    ~TextSurface() { SelectObject(dc, GetStockObject(SYSTEM_FONT)); }
    SIZE lineSize() const
    {
        SIZE size{};
        GetTextExtentPoint32(dc, kLine, -1, &size);
        return size;
    }
};

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

double secondsFor(int repeats, auto&& f)
{
    auto start = Clock::now();
    for (int i = 0; i < repeats; ++i)
        f();
    return std::chrono::duration<double>(Clock::now() - start).count() / repeats;
}

// Times `op` as the benchmark's body (manual time) and the limit right after
// it in every iteration, so that both see the same machine load. Short
// operations run in batches so that the clock's own cost does not count.
template <class Op, class Limit>
void measure(benchmark::State& state, int opBatch, Op&& op, int limitBatch, Limit&& limit)
{
    std::vector<double> opTimes, limitTimes;
    for (auto _ : state) {
        double opSeconds = secondsFor(opBatch, op);
        state.SetIterationTime(opSeconds);
        opTimes.push_back(opSeconds);
        limitTimes.push_back(secondsFor(limitBatch, limit));
    }
    if (!opTimes.empty())
        state.counters["x_limit"] = median(opTimes) / median(limitTimes);
}

void BM_DrawTextLine(benchmark::State& state)
{
    TextSurface s;
    const SIZE size = s.lineSize();
    const RECT r{20, 200, 20 + size.cx + 10, 200 + size.cy};
    RECT warm = r;
    DrawText(s.dc, kLine, -1, &warm, DT_SINGLELINE | DT_NOPREFIX);
    measure(
        state, 1,
        [&] {
            RECT box = r;
            benchmark::DoNotOptimize(DrawText(s.dc, kLine, -1, &box, DT_SINGLELINE | DT_NOPREFIX));
        },
        4,
        [&] {
            for (int y = r.top; y < r.bottom; ++y)
                std::memset(s.bits + std::size_t(y) * kWidth + r.left, 0xFF, std::size_t(r.right - r.left) * 4);
            benchmark::ClobberMemory();
        });
}
BENCHMARK(BM_DrawTextLine)->UseManualTime();

void BM_TextExtentOfLine(benchmark::State& state)
{
    TextSurface s;
    int advances[40];
    for (int i = 0; i < 40; ++i) {
        SIZE one{};
        GetTextExtentPoint32(s.dc, kLine + i, 1, &one);
        advances[i] = one.cx;
    }
    measure(
        state, 8,
        [&] {
            SIZE size{};
            GetTextExtentPoint32(s.dc, kLine, 40, &size);
            benchmark::DoNotOptimize(size);
        },
        256,
        [&] {
            int width = 0;
            for (int a : advances) {
                benchmark::DoNotOptimize(a);
                width += a;
            }
            benchmark::DoNotOptimize(width);
        });
}
BENCHMARK(BM_TextExtentOfLine)->UseManualTime();

} // namespace
