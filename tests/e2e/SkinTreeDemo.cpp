// A long skinned tree on a real display, for the end-to-end test: one form
// with a TSeSkinSTreeView of 200 rows on the shipped skin. Once shown it
// prints "ready x y bottom", the screen point in the middle of the
// overlay's thumb and the screen row of the overlay's lower track end,
// then "state <top row> <bar position> <bar visible>" whenever one of them
// changes. Escape ends it.

#include "skin/controls/scroll/SeSkinScrollBar.h"
#include "skin/controls/tree/SeSkinSTreeView.h"
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
        std::fprintf(stderr, "skin_tree_demo: %s\n", e.what());
        return 2;
    }
    Application->Initialize();
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption("Skinned tree");
    form->SetBounds(200, 150, 320, 340);

    auto* engine = new TSeSkinEngine(form);
    const auto bytes = ShippedSkinStream();
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);

    auto* tree = new TSeSkinSTreeView(form);
    tree->SetBounds(20, 20, 260, 260);
    tree->SetParent(form);
    tree->SetSkinEngine(engine);
    for (int group = 0; group < 20; ++group) {
        TTreeNode* node = tree->Items()->Add(nullptr, "Group " + std::to_string(group));
        for (int sound = 0; sound < 9; ++sound)
            tree->Items()->AddChild(node, "Sound " + std::to_string(group) + "." + std::to_string(sound));
    }
    tree->FullExpand();
    if (!tree->Skinned())
        say("warning: the tree has no skin");
    tree->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
        if (key == VK_ESCAPE)
            Application->Terminate();
    };

    TSeInplaceScrollBar* overlay = nullptr;
    std::string last;
    bool ready = false;
    Application->OnIdle = [&](TObject*, bool&) {
        if (!tree->SubScrollBar())
            return;
        overlay = tree->SubScrollBar()->Vertical();
        TSeCustomScrollBar* bar = overlay->ScrollBar();
        if (!ready && tree->HandleAllocated() && form->Visible() && overlay->Visible()) {
            tree->SetFocus();
            if (!dynamic_cast<TSeSkinScrollBar*>(bar) || !static_cast<TSeSkinScrollBar*>(bar)->Skinned())
                say("warning: the bar has no skin");
            const RECT thumb = bar->GetThumbRect();
            const RECT track = bar->GetTrackRect();
            const TPoint grip = bar->ClientToScreen(TPoint{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2});
            const TPoint end = bar->ClientToScreen(TPoint{0, track.bottom});
            say("ready " + std::to_string(grip.x) + " " + std::to_string(grip.y) + " " + std::to_string(end.y));
            ready = true;
        }
        const std::string state = "state " + std::to_string(tree->TopRow()) + " " + std::to_string(bar->Position()) +
                                  " " + (overlay->Visible() ? "1" : "0");
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
