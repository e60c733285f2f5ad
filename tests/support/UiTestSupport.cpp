#include "tests/support/UiTestSupport.h"

#include "platform/window/Clock.h"
#include "platform/window/WindowTable.h"
#include "ui/commondlg/MessageBox.h"
#include "ui/forms/Screen.h"

#include <memory>

namespace uitest {

void UiTest::SetUp()
{
    UseManualClock(5000000);
    auto fresh = std::make_unique<HeadlessBackend>();
    backend_ = fresh.get();
    SetBackend(std::move(fresh));
    backend().mouseMove(1279, 799);
    Application->Initialize();
    SetMessageBoxHook([this](HWND, const std::string& text, const std::string& caption, UINT type) {
        messageBoxes.push_back({text, caption, type});
        return messageBoxAnswer;
    });
    Application->OnIdle = [this](TObject*, bool& done) {
        if (!steps_.empty()) {
            auto step = std::move(steps_.front());
            steps_.pop_front();
            step();
            done = false;
            return;
        }
        if (idleAfterScript_ < 0)
            return;
        // Nothing left to do but something still runs a loop: end it.
        done = false;
        if (++idleAfterScript_ == 30) {
            ADD_FAILURE() << "a nested loop kept running after its script";
            backend().pressKey(VK_ESCAPE);
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (Screen->Forms(i)->FormState().Contains(fsModal))
                    Screen->Forms(i)->SetModalResult(mrAbort);
        } else if (idleAfterScript_ > 60) {
            PostQuitMessage(0);
            idleAfterScript_ = -1;
        }
    };
}

void UiTest::TearDown()
{
    Application->OnIdle = nullptr;
    Application->MessageFilter = nullptr;
    Application->OnException = nullptr;
    Application->OnShowHint = nullptr;
    Application->CancelHint();
    while (Screen->FormCount() > 0)
        delete Screen->Forms(Screen->FormCount() - 1);
    Application->DestroyComponents();
    for (HWND top : std::vector<HWND>(TopLevelWindows()))
        DestroyWindow(top);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    ReleaseCapture();
    SetMessageBoxHook(nullptr);
    Application->Initialize();
    UseRealClock();
}

void UiTest::pump()
{
    Application->ProcessMessages();
}

void UiTest::advance(unsigned ms)
{
    AdvanceManualClock(ms);
    pump();
}

void UiTest::script(std::vector<std::function<void()>> steps)
{
    for (auto& s : steps)
        steps_.push_back(std::move(s));
    idleAfterScript_ = 0;
}

TPoint UiTest::screenPoint(const TControl* control, int x, int y) const
{
    return control->ClientToScreen(TPoint{x, y});
}

TPoint UiTest::centerOf(const TControl* control) const
{
    return screenPoint(control, control->Width() / 2, control->Height() / 2);
}

void UiTest::click(const TControl* control)
{
    TPoint p = centerOf(control);
    backend().click(p.x, p.y);
}

void UiTest::moveTo(const TControl* control)
{
    TPoint p = centerOf(control);
    backend().mouseMove(p.x, p.y);
}

void UiTest::pressWith(int modifier, int key)
{
    // Shift and Ctrl are read as they are when the key is handled.
    backend().keyDown(modifier);
    backend().pressKey(key);
    pump();
    backend().keyUp(modifier);
}

TForm* UiTest::makeForm(const std::string& name)
{
    auto* form = new TForm(Application);
    form->SetName(name);
    form->SetCaption(name);
    form->SetBounds(100, 100, 320, 240);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    return form;
}

} // namespace uitest
