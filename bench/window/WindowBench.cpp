// The window system's two hot paths beside what bounds them, measured in
// the same iterations so that both see the same machine load:
// - a posted message's round trip (PostMessage, GetMessage, DispatchMessage
//   to a trivial procedure) beside a plain call through a function pointer;
// - invalidating and repainting an 856 x 561 client area (InvalidateRect,
//   UpdateWindow, a WM_PAINT that fills the client) beside a memcpy of its
//   pixels;
// - one frame of the screen overlay (an 856 x 561 picture copied into it,
//   then presented) beside a memcpy of its pixels.
// Each reports `x_limit`: the median of its time over the limit's.

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/backends/headless/HeadlessBackend.h"
#include "platform/window/ScreenOverlay.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 856;
constexpr int kHeight = 561;
constexpr std::size_t kBytes = std::size_t(kWidth) * kHeight * 4;
// Messages per iteration: one message alone is below the clock's grain.
constexpr int kBatch = 1000;

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

unsigned long long g_handled = 0;
// Alternates between paints, so that every paint writes every pixel anew.
int g_fillColor = COLOR_BTNFACE;

LRESULT TrivialProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_USER) {
        g_handled += wParam;
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT FillingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        FillRect(dc, &ps.rcPaint, GetSysColorBrush(g_fillColor));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

// A headless screen and one borderless top-level window of the given size.
struct BenchWindow {
    HWND hwnd = nullptr;
    BenchWindow(const char* className, WNDPROC proc, int width, int height)
    {
        if (!CurrentHeadlessBackend())
            SetBackend(std::make_unique<HeadlessBackend>());
        WNDCLASS wc;
        wc.lpfnWndProc = proc;
        wc.lpszClassName = className;
        RegisterClass(&wc);
        hwnd = CreateWindowEx(0, className, "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                              nullptr, nullptr);
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
    }
    ~BenchWindow() { DestroyWindow(hwnd); }
};

void BM_PostedMessageRoundTrip(benchmark::State& state)
{
    BenchWindow window("BenchTrivial", TrivialProc, 64, 64);
    if (!window.hwnd) {
        state.SkipWithError("no window");
        return;
    }
    // volatile: the compiler may not see through the pointer and inline the call.
    LRESULT (*volatile direct)(HWND, UINT, WPARAM, LPARAM) = TrivialProc;
    std::vector<double> messageTimes, callTimes;
    MSG msg;
    for (auto _ : state) {
        auto t0 = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            PostMessage(window.hwnd, WM_USER, 1, 0);
            GetMessage(&msg, nullptr, 0, 0);
            DispatchMessage(&msg);
        }
        auto t1 = Clock::now();
        for (int i = 0; i < kBatch; ++i)
            direct(window.hwnd, WM_USER, 1, 0);
        benchmark::ClobberMemory();
        auto t2 = Clock::now();
        state.SetIterationTime(seconds(t1 - t0));
        messageTimes.push_back(seconds(t1 - t0) / kBatch);
        callTimes.push_back(seconds(t2 - t1) / kBatch);
    }
    benchmark::DoNotOptimize(g_handled);
    state.SetItemsProcessed(std::int64_t(state.iterations()) * kBatch);
    if (!messageTimes.empty()) {
        state.counters["message_ns"] = median(messageTimes) * 1e9;
        state.counters["call_ns"] = median(callTimes) * 1e9;
        state.counters["x_limit"] = median(messageTimes) / median(callTimes);
    }
}

void BM_InvalidateAndPaint(benchmark::State& state)
{
    BenchWindow window("BenchFilling", FillingProc, kWidth, kHeight);
    RECT client{};
    if (!window.hwnd || !GetClientRect(window.hwnd, &client) || client.right != kWidth || client.bottom != kHeight) {
        state.SkipWithError("no window of the expected size");
        return;
    }
    std::vector<unsigned char> a(kBytes, 1), b(kBytes, 2);
    std::vector<double> paintTimes, copyTimes;
    for (auto _ : state) {
        g_fillColor = g_fillColor == COLOR_BTNFACE ? COLOR_WINDOW : COLOR_BTNFACE;
        auto t0 = Clock::now();
        InvalidateRect(window.hwnd, nullptr, FALSE);
        UpdateWindow(window.hwnd);
        benchmark::ClobberMemory();
        auto t1 = Clock::now();
        std::memcpy(a.data(), b.data(), kBytes);
        benchmark::ClobberMemory();
        auto t2 = Clock::now();
        state.SetIterationTime(seconds(t1 - t0));
        paintTimes.push_back(seconds(t1 - t0));
        copyTimes.push_back(seconds(t2 - t1));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBytes));
    HDC dc = GetDC(window.hwnd);
    bool painted = GetPixel(dc, kWidth - 1, kHeight - 1) == GetSysColor(g_fillColor);
    ReleaseDC(window.hwnd, dc);
    if (!painted)
        state.SkipWithError("the last paint did not reach the pixels");
    else if (!paintTimes.empty()) {
        state.counters["memcpy_us"] = median(copyTimes) * 1e6;
        state.counters["x_limit"] = median(paintTimes) / median(copyTimes);
    }
}

void BM_OverlayFrame(benchmark::State& state)
{
    if (!CurrentHeadlessBackend())
        SetBackend(std::make_unique<HeadlessBackend>());
    brio::ScreenOverlay overlay(RECT{0, 0, kWidth, kHeight});
    // The frame an effect would have drawn: a memory bitmap of the same size.
    BITMAPINFO info{};
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, picture);
    std::memset(bits, 0x7F, kBytes);
    std::vector<unsigned char> a(kBytes, 1), b(kBytes, 2);
    std::vector<double> frameTimes, copyTimes;
    for (auto _ : state) {
        auto t0 = Clock::now();
        BitBlt(overlay.dc(), 0, 0, kWidth, kHeight, source, 0, 0, SRCCOPY);
        overlay.present();
        benchmark::ClobberMemory();
        auto t1 = Clock::now();
        std::memcpy(a.data(), b.data(), kBytes);
        benchmark::ClobberMemory();
        auto t2 = Clock::now();
        state.SetIterationTime(seconds(t1 - t0));
        frameTimes.push_back(seconds(t1 - t0));
        copyTimes.push_back(seconds(t2 - t1));
    }
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(picture);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBytes));
    if (!frameTimes.empty()) {
        state.counters["memcpy_us"] = median(copyTimes) * 1e6;
        state.counters["x_limit"] = median(frameTimes) / median(copyTimes);
    }
}

} // namespace

BENCHMARK(BM_OverlayFrame)->UseManualTime();
BENCHMARK(BM_PostedMessageRoundTrip)->UseManualTime();
BENCHMARK(BM_InvalidateAndPaint)->UseManualTime();
