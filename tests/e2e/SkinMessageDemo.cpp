// Skinned message boxes and hints on a real display, for the end-to-end
// test. A skinned window with one button shows the button's hint when the
// pointer rests on it; then three message boxes follow one another: two
// Yes/No confirmations and a notice. The demo prints what a script needs:
// where to point, whether the hint showed without taking the focus and
// hid again, where the notice's OK button is, and each box's result.

#include "platform/backends/sdl/SdlBackend.h"
#include "platform/theme/ColorScheme.h"
#include "skin/controls/buttons/SeSkinButton.h"
#include "skin/controls/forms/SeSkinForm.h"
#include "skin/controls/hints/SeSkinHint.h"
#include "skin/controls/message/SeMessageForm.h"
#include "skin/controls/message/SeSkinMessage.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"
#include "ui/component/Stream.h"
#include "ui/forms/Application.h"
#include "ui/forms/Screen.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string pointText(TPoint p)
{
    return std::to_string(p.x) + " " + std::to_string(p.y);
}

TSeMessageForm* shownBox()
{
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* form = dynamic_cast<TSeMessageForm*>(Screen->Forms(i)))
            if (form->Visible() && form->HandleAllocated())
                return form;
    return nullptr;
}

bool hintVisible()
{
    THintWindow* hint = Application->HintWindow();
    return hint && hint->HandleAllocated() && IsWindowVisible(hint->Handle());
}

// The main window: a skinned frame around one skinned button with a hint.
struct DemoWindow {
    TForm* form = nullptr;
    TSeSkinEngine* engine = nullptr;
    TSeSkinButton* button = nullptr;
    TSeSkinMessage* message = nullptr;

    DemoWindow()
    {
        form = new TForm(Application);
        form->BeginLoading();
        form->SetName("frmDemo");
        form->SetCaption("Skinned message demo");
        form->SetBounds(80, 80, 360, 200);
        engine = new TSeSkinEngine(form);
        const auto bytes = ShippedSkinStream();
        TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        engine->ReadSkinStream(stream);
        auto* skin = new TSeSkinForm(form);
        skin->SetSkinEngine(engine);
        button = new TSeSkinButton(form);
        button->SetName("btnVolume");
        button->SetCaption("Volume");
        button->SetBounds(40, 40, 120, 30);
        button->SetParent(form);
        button->SetSkinEngine(engine);
        button->SetHint("Volume of the selected key");
        button->SetShowHint(true);
        auto* hint = new TSeSkinHint(form);
        hint->SetSkinEngine(engine);
        message = new TSeSkinMessage(form);
        message->SetSkinEngine(engine);
        message->SetGlobal(true);
        form->EndLoading();
    }
};

// Runs the loop until `ready` holds.
template <class Ready>
void runUntil(Ready ready)
{
    while (!ready() && !Application->Terminated())
        Application->HandleMessage();
}

} // namespace

int main()
{
    try {
        UseSdlBackend();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_message_demo: %s\n", e.what());
        return 2;
    }
    if (ShippedSkinStream().empty()) {
        std::fprintf(stderr, "skin_message_demo: this build has no shipped skin\n");
        return 2;
    }
    // As the program runs: what no skin paints takes the skin's dark look.
    brio::SelectColorScheme("Graphite");
    Application->Initialize();
    Application->SetTitle("Clatterbox");
    DemoWindow demo;
    demo.form->Show();
    demo.form->SetFocus();
    runUntil([&] { return demo.form->Active(); });

    // The hint: shown by resting the pointer on the button, hidden by a key.
    say("hint-target " + pointText(demo.button->ClientToScreen(TPoint{demo.button->Width() / 2, demo.button->Height() / 2})));
    runUntil([] { return hintVisible(); });
    const bool kept = GetActiveWindow() == demo.form->Handle();
    say(std::string("hint shown, focus ") + (kept ? "kept" : "lost"));
    runUntil([] { return !hintVisible(); });
    say("hint hidden");

    // The boxes. Each prints where its buttons are once it is up.
    int round = 0;
    int reported = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        TSeMessageForm* box = shownBox();
        if (!box || reported == round)
            return;
        reported = round;
        std::string line = "box " + std::to_string(round);
        for (TMsgDlgBtn b : {mbYes, mbNo, mbOK})
            if (TControl* c = box->Button(b))
                line += " " + std::string(brio::messageButtonInfo(b).name) + " " +
                        pointText(c->ClientToScreen(TPoint{c->Width() / 2, c->Height() / 2}));
        say(line);
    };
    round = 1;
    say("result 1 " + std::to_string(AskDialog("Delete the group \"Crowd\" and its 12 sounds?", mtConfirmation, {mbYes, mbNo})));
    round = 2;
    say("result 2 " + std::to_string(AskDialog("Remove the sound \"Applause\"?", mtConfirmation, {mbYes, mbNo})));
    round = 3;
    say("result 3 " + std::to_string(ShowNotice("The key table was saved.")));
    Application->OnIdle = nullptr;
    say("done");
    delete demo.form;
    return 0;
}
