// A full frame-and-client paint of a skinned form at 856 x 561 (the shipped
// skin's "Form"), beside a memcpy of the same number of pixels measured in
// the same run. The limit: at most 10 times the copy.

#include "skin/controls/forms/SeSkinForm.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"

#include "platform/backends/headless/HeadlessBackend.h"
#include "ui/component/Stream.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 856, kHeight = 561;

void BM_MemcpyOfFormPixels(benchmark::State& state)
{
    std::vector<Pixel> source(std::size_t(kWidth) * kHeight, 0xFF202020u), target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size() * sizeof(Pixel));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(source.size() * sizeof(Pixel)));
}
BENCHMARK(BM_MemcpyOfFormPixels);

void BM_SkinnedFormFrameAndClientPaint(benchmark::State& state)
{
    const auto bytes = ShippedSkinStream();
    if (bytes.empty()) {
        state.SkipWithError("this build has no shipped skin");
        return;
    }
    SetBackend(std::make_unique<HeadlessBackend>());
    auto* engine = new TSeSkinEngine(Application);
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);
    auto* form = new TForm(Application);
    form->SetBounds(40, 40, kWidth, kHeight);
    form->BeginLoading();
    auto* skin = new TSeSkinForm(form);
    skin->SetSkinEngine(engine);
    form->EndLoading();
    form->SetBounds(40, 40, kWidth, kHeight);
    form->Show();
    Application->ProcessMessages();
    TSeBitmap target;
    target.Allocate(kWidth, kHeight);
    for (auto _ : state) {
        SendMessage(form->Handle(), SEM_PAINTFORM, 0, reinterpret_cast<LPARAM>(target.DC()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight * int64_t(sizeof(Pixel)));
    state.counters["window"] = double(skin->WindowSize().cx * 10000 + skin->WindowSize().cy);
    delete form;
    delete engine;
}
BENCHMARK(BM_SkinnedFormFrameAndClientPaint);

} // namespace
