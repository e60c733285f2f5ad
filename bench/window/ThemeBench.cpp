// Themed parts beside a plain fill of the same rectangle, measured in the
// same iterations: the group background a big panel paints (856 x 561, the
// main window's client) and a push button (75 x 25). Each reports `x_fill`:
// the median of the part's time over the fill's.

#include "platform/Gdi.h"
#include "platform/UxTheme.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

void themedBesideFill(benchmark::State& state, const char* themeClass, int part, int partState, int width,
                      int height)
{
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HTHEME theme = OpenThemeData(nullptr, themeClass);
    const RECT r{0, 0, width, height};
    std::vector<double> themed, filled;
    for (auto _ : state) {
        const auto start = Clock::now();
        DrawThemeBackground(theme, dc, part, partState, &r, nullptr);
        const auto middle = Clock::now();
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        const auto end = Clock::now();
        themed.push_back(std::chrono::duration<double>(middle - start).count());
        filled.push_back(std::chrono::duration<double>(end - middle).count());
    }
    state.counters["themed_us"] = median(themed) * 1e6;
    state.counters["fill_us"] = median(filled) * 1e6;
    state.counters["x_fill"] = median(themed) / median(filled);
    CloseThemeData(theme);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void BM_PanelBackground(benchmark::State& state)
{
    themedBesideFill(state, "ExplorerBar", EBP_NORMALGROUPBACKGROUND, 1, 856, 561);
}
BENCHMARK(BM_PanelBackground)->Unit(benchmark::kMicrosecond);

void BM_PushButton(benchmark::State& state)
{
    themedBesideFill(state, "Button", BP_PUSHBUTTON, PBS_DEFAULTED, 75, 25);
}
BENCHMARK(BM_PushButton)->Unit(benchmark::kMicrosecond);

} // namespace
