// The main window repainted whole (frame, client and every control, as after
// a skin change or an uncovering) beside a memcpy of its pixels, both timed
// in each iteration. Reports `x_memcpy`: the median repaint over the median
// copy. The window runs on the headless backend with the shipped skin and
// the Graphite scheme, as the program starts it.

#include "app/uCommon.h"
#include "app/uMain.h"

#include "platform/backends/headless/HeadlessBackend.h"
#include "platform/theme/ColorScheme.h"
#include "ui/forms/Application.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

TfrmBrio* startWindow()
{
    SetBackend(std::make_unique<HeadlessBackend>());
    brio::SelectColorScheme("Graphite");
    // A folder of its own, so the benchmark finds no player and stores nothing.
    std::string folder = (std::filesystem::temp_directory_path() / "brio-repaint-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        return nullptr;
    brio::SetAppPaths(folder + "/brio");
    brio::SetMessageAnswerer([](const std::string&, bool) { return false; });
    Application->Initialize();
    TfrmBrio* form = nullptr;
    Application->CreateForm(form);
    form->Show(); // the splash runs its two seconds here
    Application->ProcessMessages();
    return form;
}

void BM_MainWindowRepaint(benchmark::State& state)
{
    static TfrmBrio* form = startWindow();
    if (!form) {
        state.SkipWithError("no temporary folder");
        return;
    }
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    const std::size_t bytes = std::size_t(window.right - window.left) * std::size_t(window.bottom - window.top) * 4;
    std::vector<unsigned char> from(bytes, 0x5A), to(bytes);
    std::vector<double> repaints, copies;
    for (auto _ : state) {
        const auto start = Clock::now();
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const auto middle = Clock::now();
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        const auto end = Clock::now();
        repaints.push_back(std::chrono::duration<double>(middle - start).count());
        copies.push_back(std::chrono::duration<double>(end - middle).count());
    }
    state.counters["width"] = window.right - window.left;
    state.counters["height"] = window.bottom - window.top;
    state.counters["repaint_us"] = median(repaints) * 1e6;
    state.counters["memcpy_us"] = median(copies) * 1e6;
    state.counters["x_memcpy"] = median(repaints) / median(copies);
}
BENCHMARK(BM_MainWindowRepaint)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace
