// The hook layer: order, handled messages, failing handlers, detaching, and
// records that stay chained while someone else still calls them.

#include "skin/controls/hooks/ControlHook.h"
#include "skin/controls/hooks/HookList.h"
#include "skin/controls/hooks/SeHook.h"
#include "tests/support/UiTestSupport.h"

#include "platform/WindowProcedure.h"

#include <memory>

namespace {

constexpr UINT kProbe = WM_USER + 77;

class RecordingHook : public TSeHook {
public:
    RecordingHook(TComponent* owner, std::string name, std::vector<std::string>& log)
        : TSeHook(owner), name_(std::move(name)), log_(log)
    {
    }
    ~RecordingHook() override { DetachHook(); }
    bool handles = false;
    bool throws = false;

    void AfterMessage(TMessage& m, bool& handled) override
    {
        if (m.Msg == kProbe)
            log_.push_back(name_ + " after");
        TSeHook::AfterMessage(m, handled);
    }

protected:
    void HandleMessage(TMessage& m) override
    {
        if (m.Msg != kProbe)
            return;
        log_.push_back(name_ + " before");
        if (throws)
            throw Exception(name_ + " failed");
        if (handles) {
            m.Result = 42;
            MarkHandled();
        }
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

class HookLayer : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        form->Show();
        pump();
        form->WindowProc = [this](TMessage& m) {
            if (m.Msg == kProbe)
                log.push_back("form");
            form->WndProc(m);
        };
    }
    RecordingHook* addHook(const std::string& name)
    {
        auto* hook = new RecordingHook(form, name, log);
        hook->SetActive(false);
        hook->SetActive(true);
        return hook;
    }
    WNDPROC currentProc() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtr(form->Handle(), GWLP_WNDPROC)); }
    void expectLog(const std::vector<std::string>& expected)
    {
        std::string trace;
        for (auto& e : log)
            trace += e + "; ";
        EXPECT_EQ(log, expected) << "trace: " << trace;
        log.clear();
    }

    TForm* form = nullptr;
    std::vector<std::string> log;
};

TEST_F(HookLayer, HooksRunLastAttachedFirstAndAMarkedMessageStops)
{
    addHook("A");
    RecordingHook* b = addHook("B");
    EXPECT_EQ(SendMessage(form->Handle(), kProbe, 0, 0), 0);
    expectLog({"B before", "A before", "form", "B after", "A after"});

    b->handles = true;
    EXPECT_EQ(SendMessage(form->Handle(), kProbe, 0, 0), 42);
    expectLog({"B before", "B after", "A after"});
}

TEST_F(HookLayer, AFailingHandlerIsReportedAndTheOthersStillRun)
{
    std::vector<std::string> reports;
    Application->OnException = [&](TObject*, const Exception& e) { reports.push_back(e.Message()); };
    addHook("A");
    addHook("B")->throws = true;
    SendMessage(form->Handle(), kProbe, 0, 0);
    expectLog({"B before", "A before", "form", "B after", "A after"});
    EXPECT_EQ(reports, std::vector<std::string>{"B failed"});
}

TEST_F(HookLayer, DetachingPutsThePreviousProcedureBackAndTheRecordGoes)
{
    WNDPROC original = currentProc();
    int before = THookList::Instance().Count();
    RecordingHook* a = addHook("A");
    RecordingHook* b = addHook("B");
    EXPECT_NE(currentProc(), original);
    a->SetActive(false);
    EXPECT_NE(currentProc(), original) << "B still needs the hook";
    delete b;
    EXPECT_EQ(currentProc(), original);
    pump();
    EXPECT_EQ(THookList::Instance().Count(), before);
    SendMessage(form->Handle(), kProbe, 0, 0);
    expectLog({"form"});
}

// Someone subclasses the window after the hook and chains to it. Detaching
// the hook must not break that chain: the record passes messages on until
// the window goes, and only then is freed.
TEST_F(HookLayer, ARecordStillChainedToStaysAPassThroughUntilItsWindowGoes)
{
    int before = THookList::Instance().Count();
    RecordingHook* a = addHook("A");
    HWND hwnd = form->Handle();
    WNDPROC hooked = currentProc();
    WNDPROC later = MakeWindowProc([&](HWND h, UINT msg, WPARAM w, LPARAM l) {
        if (msg == kProbe)
            log.push_back("later");
        return CallWindowProc(hooked, h, msg, w, l);
    });
    SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(later));

    delete a;
    pump();
    EXPECT_EQ(THookList::Instance().Count(), before + 1) << "freed while still chained";
    SendMessage(hwnd, kProbe, 0, 0);
    expectLog({"later", "form"});

    delete form;
    form = nullptr;
    pump();
    EXPECT_EQ(THookList::Instance().Count(), before);
    FreeWindowProc(later);
}

TEST_F(HookLayer, TheHookFollowsTheControlOntoItsNewWindow)
{
    addHook("A");
    form->SetBorderStyle(bsSingle); // makes the window anew
    pump();
    SendMessage(form->Handle(), kProbe, 0, 0);
    expectLog({"A before", "form", "A after"});
}

TEST_F(HookLayer, AHookFreedDuringAMessageIsNotCalledAfterwards)
{
    addHook("A");
    RecordingHook* b = addHook("B");
    auto* killer = addHook("K");
    (void)killer;
    form->WindowProc = [&](TMessage& m) {
        if (m.Msg == kProbe) {
            log.push_back("form");
            delete b;
        }
        form->WndProc(m);
    };
    SendMessage(form->Handle(), kProbe, 0, 0);
    expectLog({"K before", "B before", "A before", "form", "K after", "A after"});
}

} // namespace
