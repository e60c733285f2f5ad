// A main form whose frame is the shipped skin's, on a real display, for the
// end-to-end test. It prints the form's state and window rectangle whenever
// either changes, with the screen points of the skin's caption buttons
// (-1 -1 for a hidden one), and "closed" when the program ends.

#include "skin/controls/forms/SeSkinForm.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/shipped/ShippedSkin.h"

#include "platform/backends/sdl/SdlBackend.h"
#include "ui/component/Stream.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/forms/Timer.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

const char* stateName(TSeWindowState state)
{
    static const char* names[] = {"normal", "maximized", "minimized", "rollup", "tray"};
    return names[state];
}

std::string buttonPoint(TSeSkinForm* skin, const char* name, const RECT& window)
{
    TSeSkinObject* button = skin->SkinCopy() ? FindObject(skin->SkinCopy(), name) : nullptr;
    if (!button || !button->Visible() || button->Width() <= 0)
        return "-1 -1";
    RECT r = button->BoundsRect();
    return std::to_string(window.left + (r.left + r.right) / 2) + " " + std::to_string(window.top + (r.top + r.bottom) / 2);
}

class DemoForm : public TForm {
public:
    explicit DemoForm(TComponent* owner) : TForm(owner) {}
    TSeSkinForm* skin = nullptr;
    std::string last;

    void report()
    {
        if (!skin || !HandleAllocated())
            return;
        RECT window{};
        GetWindowRect(Handle(), &window);
        skin->GetClientBounds(); // lays the skin out for the current size
        std::string line = std::string("state ") + stateName(skin->WindowState()) + " " +
                           std::to_string(window.left) + " " + std::to_string(window.top) + " " +
                           std::to_string(window.right) + " " + std::to_string(window.bottom) + " visible " +
                           (IsWindowVisible(Handle()) ? "1" : "0") + " close " + buttonPoint(skin, "CloseButton", window) +
                           " min " + buttonPoint(skin, "MinButton", window) + " rollup " +
                           buttonPoint(skin, "RollUpButton", window) + " rolldown " +
                           buttonPoint(skin, "RollDownButton", window) + " tray " +
                           buttonPoint(skin, "TrayButton", window);
        if (line == last)
            return;
        last = line;
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }
};

} // namespace

int main()
{
    try {
        UseSdlBackend();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_form_demo: %s\n", e.what());
        return 2;
    }
    const auto bytes = ShippedSkinStream();
    if (bytes.empty()) {
        std::fprintf(stderr, "skin_form_demo: this build has no shipped skin\n");
        return 2;
    }
    Application->Initialize();
    Application->SetTitle("Clatterbox skin form test");
    DemoForm* form = nullptr;
    Application->CreateForm(form);
    auto* engine = new TSeSkinEngine(form);
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);
    form->SetCaption("Clatterbox skin form test");
    form->SetBounds(200, 150, 460, 320);
    form->BeginLoading();
    form->skin = new TSeSkinForm(form);
    form->skin->SetBorderIcons({kbiClose, kbiSystemMenu, kbiMinimize, kbiRollup, kbiTray});
    form->skin->SetSkinEngine(engine);
    form->EndLoading();
    auto* timer = new TTimer(form);
    timer->SetInterval(50);
    timer->OnTimer = [form](TObject*) { form->report(); };
    form->Show();
    Application->Run();
    std::printf("closed\n");
    std::fflush(stdout);
    return 0;
}
