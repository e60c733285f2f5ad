// A skinned edit box on a real display, for the end-to-end test: one form
// with one TSeSkinEdit on the shipped skin, focused. It prints where the
// box is ("ready x y", screen coordinates of its middle), then a line
// "state <start> <length> <text>" whenever the text or the selection
// changes. Escape ends it.

#include "skin/controls/edit/SeSkinEdit.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"

#include "platform/backends/sdl/SdlBackend.h"
#include "ui/component/Stream.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

} // namespace

int main()
{
    try {
        UseSdlBackend();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_edit_demo: %s\n", e.what());
        return 2;
    }
    Application->Initialize();
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption("Skinned edit");
    form->SetBounds(200, 200, 360, 120);

    auto* engine = new TSeSkinEngine(form);
    const auto bytes = ShippedSkinStream();
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);

    auto* edit = new TSeSkinEdit(form);
    edit->SetBounds(20, 30, 300, 21);
    edit->SetParent(form);
    edit->SetSkinEngine(engine);
    if (!edit->Skinned())
        say("warning: the box has no skin");
    edit->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
        if (key == VK_ESCAPE)
            Application->Terminate();
    };

    std::string last;
    bool ready = false;
    Application->OnIdle = [&](TObject*, bool&) {
        if (!ready && edit->HandleAllocated() && form->Visible()) {
            edit->SetFocus();
            TPoint middle = edit->ClientToScreen(TPoint{edit->Width() / 2, edit->Height() / 2});
            say("ready " + std::to_string(middle.x) + " " + std::to_string(middle.y));
            ready = true;
        }
        std::string state = "state " + std::to_string(edit->SelStart()) + " " + std::to_string(edit->SelLength()) +
                            " " + edit->Text();
        if (state != last) {
            say(state);
            last = state;
        }
    };
    Application->Run();
    Application->OnIdle = nullptr;
    say("done");
    return 0;
}
