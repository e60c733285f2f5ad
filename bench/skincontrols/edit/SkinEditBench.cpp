// Typing one character into a 200-character edit box, with the repaint it
// causes (the off-screen picture, frame, text and copy to the window),
// beside DrawText of the text the box shows, alone, in the same font and
// the same iterations. Reports the medians and `x_drawtext`, the first
// over the second; the box is meant to stay within 5 of it.

#include "skin/controls/edit/SeSkinEdit.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"
#include "ui/component/Stream.h"

#include "platform/backends/headless/HeadlessBackend.h"
#include "platform/gdi/MemoryDib.h"
#include "platform/text/Utf16.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Font.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

std::string twoHundredCharacters()
{
    std::string text;
    const char* words[] = {"sound ", "board ", "key ", "volume ", "loop ", "group "};
    for (int i = 0; text.size() < 200; ++i)
        text += words[i % 6];
    text.resize(200);
    return text;
}

template <typename Edit>
void typingBesideDrawText(benchmark::State& state, Edit* edit)
{
    const std::string text = twoHundredCharacters();
    std::vector<double> typing, drawing;
    const RECT area = edit->GetTextArea();
    brio::MemoryDib target(edit->Width(), edit->Height());
    HGDIOBJ oldFont = SelectObject(target.dc(), edit->TextFont()->Handle());
    SetBkMode(target.dc(), TRANSPARENT);
    for (auto _ : state) {
        state.PauseTiming();
        edit->SetText(text);
        edit->SetSelStart(200);
        UpdateWindow(edit->Handle());
        const std::string shown = brio::Utf16ToUtf8(std::u16string_view(edit->WideText()).substr(
            std::size_t(edit->FirstVisible())));
        state.ResumeTiming();

        const auto start = Clock::now();
        edit->Perform(WM_CHAR, 'x', 0);
        UpdateWindow(edit->Handle());
        const auto middle = Clock::now();
        RECT r = area;
        DrawText(target.dc(), shown.c_str(), int(shown.size()), &r, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
        const auto end = Clock::now();
        typing.push_back(std::chrono::duration<double>(middle - start).count());
        drawing.push_back(std::chrono::duration<double>(end - middle).count());
    }
    SelectObject(target.dc(), oldFont);
    if (edit->Text().size() != 201)
        state.SkipWithError("the character was not typed");
    state.counters["typing_us"] = median(typing) * 1e6;
    state.counters["drawtext_us"] = median(drawing) * 1e6;
    state.counters["x_drawtext"] = median(typing) / median(drawing);
    state.counters["limit"] = 5;
}

struct Scene {
    TForm* form = nullptr;
    Scene()
    {
        if (!CurrentHeadlessBackend())
            SetBackend(std::make_unique<HeadlessBackend>());
        Application->Initialize();
        form = new TForm(Application);
        form->SetBounds(100, 100, 320, 120);
        form->Show();
    }
    ~Scene() { delete form; }
};

void BM_TypeIntoPlainEdit(benchmark::State& state)
{
    Scene scene;
    auto* edit = new TSeCustomEdit(scene.form);
    edit->SetBounds(10, 10, 200, 21);
    edit->SetParent(scene.form);
    edit->SetFocus();
    typingBesideDrawText(state, edit);
}
BENCHMARK(BM_TypeIntoPlainEdit)->Unit(benchmark::kMicrosecond);

// The box as the program's dialogs use it: the shipped skin's "Edit".
void BM_TypeIntoSkinnedEdit(benchmark::State& state)
{
    Scene scene;
    const auto bytes = ShippedSkinStream();
    if (bytes.empty()) {
        state.SkipWithError("this build has no shipped skin");
        return;
    }
    auto* engine = new TSeSkinEngine(scene.form);
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);
    auto* edit = new TSeSkinEdit(scene.form);
    edit->SetBounds(10, 10, 200, 21);
    edit->SetParent(scene.form);
    edit->SetSkinEngine(engine);
    edit->SetFocus();
    if (!edit->Skinned()) {
        state.SkipWithError("the shipped skin has no Edit object");
        return;
    }
    typingBesideDrawText(state, edit);
}
BENCHMARK(BM_TypeIntoSkinnedEdit)->Unit(benchmark::kMicrosecond);

} // namespace
