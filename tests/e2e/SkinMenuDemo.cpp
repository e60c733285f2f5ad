// A skinned popup menu on a real display, for the end-to-end test. A form
// with a button; clicking the button pops the menu up below it, drawn from
// the shipped skin. The demo prints where a script should click (the
// button, then each open level's rows, in screen coordinates) and every
// click an item gets, with the number of popup windows that still exist
// when the handler runs. It ends after `clicks` clicks.
//
// With "hidden" after the count, the form never shows: the menu pops up by
// itself at (300, 300) half a second after the start, as a menu of the
// notification area does while the main window is hidden, with no window
// of the program active.

#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SePopupWindow.h"
#include "skin/controls/menus/SeSkinItem.h"
#include "skin/controls/menus/SeSkinPopupMenu.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"

#include "platform/backends/sdl/SdlBackend.h"
#include "ui/component/Stream.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/forms/Timer.h"
#include "ui/stdctrls/Button.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string pointText(POINT p)
{
    return std::to_string(p.x) + " " + std::to_string(p.y);
}

std::vector<TSePopupWindow*> shownLevels()
{
    std::vector<TSePopupWindow*> levels;
    for (TSePopupWindow* window : TSePopupWindow::OpenWindows())
        if (window->HandleAllocated() && IsWindowVisible(window->Handle()))
            levels.push_back(window);
    return levels;
}

// "level N row0 X Y row1 X Y ..." once per newly opened level.
void reportLevels(std::size_t& reported)
{
    auto levels = shownLevels();
    if (levels.size() < reported)
        reported = levels.size();
    while (reported < levels.size()) {
        TSePopupView* view = levels[reported]->View();
        std::string line = "level " + std::to_string(reported + 1);
        for (int i = 0; i < view->RowCount(); ++i) {
            const RECT r = view->RowScreenRect(i);
            line += " row" + std::to_string(i) + " " + pointText(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        }
        say(line);
        ++reported;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int clicksWanted = argc > 1 ? std::atoi(argv[1]) : 2;
    const bool hidden = argc > 2 && std::string(argv[2]) == "hidden";
    try {
        UseSdlBackend();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_menu_demo: %s\n", e.what());
        return 2;
    }
    const auto bytes = ::ShippedSkinStream();
    if (bytes.empty()) {
        std::fprintf(stderr, "skin_menu_demo: this build has no shipped skin\n");
        return 2;
    }
    Application->Initialize();
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption("Skinned menu");
    form->SetBounds(200, 150, 420, 300);
    auto* engine = new TSeSkinEngine(form);
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);

    auto* menu = new TSeSkinPopupMenu(form);
    menu->SetSkinEngine(engine);
    int clicks = 0;
    auto add = [&](TSeCustomItem* parent, const std::string& caption) {
        auto* item = new TSeSkinItem(form);
        item->SetCaption(caption);
        item->OnClick = [&, caption](TObject*) {
            say("clicked " + caption + " popups " + std::to_string(TSePopupWindow::OpenWindows().size()));
            if (++clicks >= clicksWanted)
                Application->Terminate();
        };
        parent->Add(item);
        return item;
    };
    add(menu->Items(), "&Play");
    TSeCustomItem* moveTo = add(menu->Items(), "&Move to");
    add(moveTo, "&Effects");
    add(moveTo, "&Voices");
    add(menu->Items(), "-");
    add(menu->Items(), "E&xit");

    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetCaption("Menu");
    button->SetBounds(20, 20, 100, 30);
    button->OnClick = [&](TObject*) {
        const TPoint below = button->ClientToScreen(TPoint{0, button->Height()});
        menu->Popup(below.x, below.y);
    };

    std::size_t reported = 0;
    bool targetsSaid = false;
    auto* later = new TTimer(form);
    later->SetEnabled(false);
    later->SetInterval(500);
    later->OnTimer = [&](TObject*) {
        later->SetEnabled(false);
        menu->Popup(300, 300);
    };
    Application->OnIdle = [&](TObject*, bool&) {
        if (!targetsSaid && !hidden && form->Visible() && button->HandleAllocated()) {
            const TPoint centre = button->ClientToScreen(TPoint{button->Width() / 2, button->Height() / 2});
            say("targets button " + pointText(POINT{centre.x, centre.y}));
            targetsSaid = true;
        }
        reportLevels(reported);
    };
    if (hidden) {
        say("hidden");
        later->SetEnabled(true);
        while (!Application->Terminated())
            Application->HandleMessage();
    } else {
        Application->Run();
    }
    Application->OnIdle = nullptr;
    say("done");
    return 0;
}
