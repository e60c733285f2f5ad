// Painting the skinned controls' gallery form (856 x 561: every button and
// check box in every state, skinned with the shipped skin, themed plain and
// classic plain, each double-buffered) beside a memcpy of the form's pixels,
// measured in the same iterations. Reports `x_limit`: the median paint time
// over the median copy time; the bound is 10.

#include "tests/skin/controls/base/ShippedSkinEngine.h"
#include "tests/skin/controls/gallery/SkinGallery.h"

#include "platform/backends/headless/HeadlessBackend.h"
#include "platform/gdi/MemoryDib.h"
#include "platform/theme/ColorScheme.h"
#include "ui/forms/Application.h"

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

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_PaintGalleryForm(benchmark::State& state)
{
    if (!CurrentHeadlessBackend())
        SetBackend(std::make_unique<HeadlessBackend>());
    Application->Initialize();
    brio::SelectColorScheme("Graphite");
    TSeSkinEngine* engine = skintest::MakeShippedSkinEngine(Application);
    if (!engine) {
        state.SkipWithError("this build has no shipped skin");
        return;
    }
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 900, 620);
    skingallery::Gallery gallery(form, engine);
    for (const skingallery::Entry& e : gallery.entries())
        if (e.control->Performance() != kspDoubleBuffer) {
            state.SkipWithError("a gallery control is not double-buffered");
            return;
        }
    form->Show();
    Application->ProcessMessages();
    gallery.applyStates();

    const int width = form->ClientWidth();
    const int height = form->ClientHeight();
    brio::MemoryDib target(width, height);
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
    std::vector<unsigned char> a(bytes, 1), b(bytes, 2);
    std::vector<double> paintTimes, copyTimes;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        form->PaintTo(target.dc(), 0, 0);
        benchmark::ClobberMemory();
        const auto t1 = Clock::now();
        std::memcpy(a.data(), b.data(), bytes);
        benchmark::ClobberMemory();
        const auto t2 = Clock::now();
        paintTimes.push_back(seconds(t1 - t0));
        copyTimes.push_back(seconds(t2 - t1));
    }
    state.counters["width"] = width;
    state.counters["height"] = height;
    state.counters["controls"] = double(gallery.entries().size());
    if (!paintTimes.empty()) {
        state.counters["paint_us"] = median(paintTimes) * 1e6;
        state.counters["memcpy_us"] = median(copyTimes) * 1e6;
        state.counters["x_limit"] = median(paintTimes) / median(copyTimes);
    }
    delete form;
    delete engine;
    brio::SelectColorScheme("Classic");
}
BENCHMARK(BM_PaintGalleryForm)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace
