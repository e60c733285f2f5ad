// Opening a skinned popup menu of 12 rows in the shipped skin, up to its
// first complete paint (the skin bound, the rows measured, the window made,
// shaped, shown and painted; no shadow, no animation), beside a memcpy of
// the window's pixels, both timed in each iteration. The tracking loop
// that follows waits for the user and is not part of it.
// - BM_OpenTwelveRowSkinnedMenu: the menu opened again, as a user opens
//   it: the pictures of its frame and rows made at the first opening are
//   copied;
// - BM_FirstOpenAfterSkinChange: the first opening after the skin was
//   bound anew, which draws those pictures from the skin objects.
// Each reports `x_limit`: the median open time over the median memcpy time.

#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SeMenuSkin.h"
#include "skin/controls/menus/SePopupForm.h"
#include "skin/controls/menus/SePopupWindow.h"
#include "skin/controls/menus/SeSkinItem.h"
#include "skin/controls/menus/SeSkinPopupMenu.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"

#include "ui/component/Stream.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/backends/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

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

void openTwelveRowSkinnedMenu(benchmark::State& state, bool freshSkin)
{
    if (!CurrentHeadlessBackend())
        SetBackend(std::make_unique<HeadlessBackend>());
    const auto bytes = ::ShippedSkinStream();
    if (bytes.empty()) {
        state.SkipWithError("this build has no shipped skin");
        return;
    }
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    auto* engine = new TSeSkinEngine(form);
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);
    auto* menu = new TSeSkinPopupMenu(form);
    menu->SetSkinEngine(engine);
    const char* captions[] = {"&Play",   "&Stop",    "Play &loop", "-",          "&Append", "&Modify...",
                              "&Remove", "&Save as", "-",          "Append &group", "Modify g&roup", "Remove gro&up"};
    for (const char* caption : captions) {
        auto* item = new TSeSkinItem(form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    TSeMenuSkin skin;
    TSeCustomItem* root = menu->Items();
    root->PushOptions(menu->PopupMenuOptions());
    root->PushMenuSkin(&skin);

    std::vector<double> openTimes, copyTimes;
    std::vector<unsigned char> a, b;
    bool complete = true;
    for (auto _ : state) {
        if (freshSkin)
            skin.Unbind();
        auto t0 = Clock::now();
        skin.Bind(engine);
        auto window = root->CreatePopupWindow();
        window->TakeOptions(menu->PopupMenuOptions(), true);
        const SIZE size = window->Measure();
        window->Place(RECT{300, 200, 300 + size.cx, 200 + size.cy});
        window->ShowNoActivate();
        benchmark::ClobberMemory();
        auto t1 = Clock::now();
        const std::size_t pixelBytes = std::size_t(size.cx) * std::size_t(size.cy) * 4;
        if (a.size() != pixelBytes) {
            a.assign(pixelBytes, 1);
            b.assign(pixelBytes, 2);
        }
        auto t2 = Clock::now();
        std::memcpy(a.data(), b.data(), pixelBytes);
        benchmark::ClobberMemory();
        auto t3 = Clock::now();
        // The last row's bottom-right corner shows the frame, not the
        // window's unpainted pixels.
        HDC dc = GetWindowDC(window->Handle());
        complete = complete && GetPixel(dc, size.cx / 2, size.cy - 2) != 0;
        ReleaseDC(window->Handle(), dc);
        window.reset();
        // What a message loop does between two popups: the hook records of
        // the window that went are freed by posted messages.
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
        state.SetIterationTime(seconds(t1 - t0));
        openTimes.push_back(seconds(t1 - t0));
        copyTimes.push_back(seconds(t3 - t2));
    }
    delete form;
    if (!complete)
        state.SkipWithError("a menu was not completely painted");
    else if (!openTimes.empty()) {
        state.counters["open_us"] = median(openTimes) * 1e6;
        state.counters["memcpy_us"] = median(copyTimes) * 1e6;
        state.counters["x_limit"] = median(openTimes) / median(copyTimes);
    }
}
void BM_OpenTwelveRowSkinnedMenu(benchmark::State& state)
{
    openTwelveRowSkinnedMenu(state, false);
}
BENCHMARK(BM_OpenTwelveRowSkinnedMenu)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void BM_FirstOpenAfterSkinChange(benchmark::State& state)
{
    openTwelveRowSkinnedMenu(state, true);
}
BENCHMARK(BM_FirstOpenAfterSkinChange)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(1.0);

} // namespace
