// The shipped skin: loading it (inflate, parse, bitmaps) beside a bare
// inflate of the same zlib stream, shifting the hue of the whole skin, and
// drawing the frame object at a typical main window size.

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeSkinFilter.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/shipped/ShippedSkin.h"
#include "ui/graphics/Canvas.h"
#include "ui/component/Stream.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>
#include <vector>

namespace {

// The stored bytes after the flag byte: "QFLZ" and the zlib stream.
std::string skinFile()
{
    const auto bytes = ShippedSkinStream();
    if (bytes.size() < 2)
        return {};
    return std::string(reinterpret_cast<const char*>(bytes.data()) + 1, bytes.size() - 1);
}

bool haveSkin(benchmark::State& state)
{
    if (!skinFile().empty())
        return true;
    state.SkipWithError("this build has no shipped skin");
    return false;
}

// The zlib stream of the stored skin, after its tag.
std::string zlibStream()
{
    const std::string file = skinFile();
    return file.size() < sizeof SkinZlibTag ? std::string() : file.substr(sizeof SkinZlibTag);
}

// The inflated size of `in`, through a growing buffer; 0 on any zlib error.
// Kept apart from inflateInto so that instruction counts of the timed
// inflates can be told from this one.
[[gnu::noinline]] std::size_t inflatedSize(const std::string& in)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return 0;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = uInt(in.size());
    std::vector<unsigned char> chunk(std::size_t(1) << 16);
    int result = Z_OK;
    while (result == Z_OK) {
        z.next_out = chunk.data();
        z.avail_out = uInt(chunk.size());
        result = inflate(&z, Z_NO_FLUSH);
    }
    const std::size_t size = std::size_t(z.total_out);
    inflateEnd(&z);
    return result == Z_STREAM_END ? size : 0;
}

// Inflates `in` whole into `out`, which holds exactly its inflated size;
// false on any zlib error.
[[gnu::noinline]] bool inflateInto(const std::string& in, std::vector<unsigned char>& out)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = uInt(in.size());
    z.next_out = out.data();
    z.avail_out = uInt(out.size());
    const int result = inflate(&z, Z_FINISH);
    const bool whole = result == Z_STREAM_END && z.total_out == out.size();
    inflateEnd(&z);
    return whole;
}

// The floor the load is measured against: the same zlib stream inflated
// into a buffer of exactly its inflated size.
void BM_InflateShippedSkin(benchmark::State& state)
{
    if (!haveSkin(state))
        return;
    const std::string stream = zlibStream();
    const std::size_t inflated = inflatedSize(stream);
    if (inflated == 0) {
        state.SkipWithError("the shipped skin's zlib stream does not inflate");
        return;
    }
    std::vector<unsigned char> out(inflated);
    for (auto _ : state) {
        if (!inflateInto(stream, out)) {
            state.SkipWithError("inflate failed");
            return;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["content_bytes"] = double(inflated);
    state.SetBytesProcessed(state.iterations() * std::int64_t(inflated));
}
BENCHMARK(BM_InflateShippedSkin)->Unit(benchmark::kMicrosecond);

void BM_LoadShippedSkin(benchmark::State& state)
{
    if (!haveSkin(state))
        return;
    const std::string file = skinFile();
    for (auto _ : state) {
        TSeSkinSource source(nullptr);
        TStringStream stream(file);
        source.StreamIn(stream);
        benchmark::DoNotOptimize(source.Count());
    }
}
BENCHMARK(BM_LoadShippedSkin)->Unit(benchmark::kMicrosecond);

void BM_HueShiftWholeSkin(benchmark::State& state)
{
    if (!haveSkin(state))
        return;
    TSeSkinSource source(nullptr);
    TStringStream stream(skinFile());
    source.StreamIn(stream);
    std::int64_t pixels = 0;
    for (int i = 0; i < source.Bitmaps().Count(); ++i)
        pixels += std::int64_t(source.Bitmaps().Items(i)->Width()) * source.Bitmaps().Items(i)->Height();
    int hue = 0;
    for (auto _ : state) {
        hue = hue == 0 ? 40 : 0;
        source.ChangeHue(hue);
    }
    state.counters["pixels"] = double(pixels);
    state.SetItemsProcessed(state.iterations() * pixels);
}
BENCHMARK(BM_HueShiftWholeSkin)->Unit(benchmark::kMicrosecond);

void BM_DrawForm856x561(benchmark::State& state)
{
    if (!haveSkin(state))
        return;
    TSeSkinSource source(nullptr);
    TStringStream stream(skinFile());
    source.StreamIn(stream);
    TSeSkinObject* form = source.GetFormObject();
    if (!form) {
        state.SkipWithError("the shipped skin has no Form object");
        return;
    }
    form->ArrangeIn(RECT{0, 0, 856, 561});
    form->SetActive(true);
    TSeBitmap target;
    target.Allocate(856, 561);
    TCanvas canvas;
    canvas.SetHandle(target.DC());
    for (auto _ : state) {
        form->Draw(canvas);
        benchmark::DoNotOptimize(target.Bits());
    }
    canvas.SetHandle(nullptr);
    state.SetItemsProcessed(state.iterations() * 856 * 561);
}
BENCHMARK(BM_DrawForm856x561)->Unit(benchmark::kMicrosecond);

} // namespace
