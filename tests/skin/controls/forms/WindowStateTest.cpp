// Window states through real input: each round trip is recorded as what the
// form reports after every step and compared in order.

#include "tests/skin/controls/forms/FormTestSupport.h"

#include "skin/engine/SeSkinObject.h"

#include "platform/RectMath.h"
#include "ui/forms/Application.h"

#include <sstream>

namespace {

using formtest::FormTest;
using formtest::Options;

const char* stateName(TSeWindowState s)
{
    static const char* names[] = {"normal", "maximized", "minimized", "rollup", "tray"};
    return names[s];
}

std::string describe(const RECT& r)
{
    std::ostringstream out;
    out << r.left << "," << r.top << " " << Width(r) << "x" << Height(r);
    return out.str();
}

class WindowStates : public FormTest {
protected:
    void note(const std::string& step)
    {
        trace.push_back(step + ": " + stateName(skin->WindowState()) + " " + describe(windowRect()));
    }
    void expectTrace(const std::vector<std::string>& expected)
    {
        std::string all;
        for (auto& line : trace)
            all += "\n  " + line;
        EXPECT_EQ(trace, expected) << "trace:" << all;
    }
    // A caption button of the skin, in window coordinates.
    POINT buttonCentre(const char* name)
    {
        skin->GetClientBounds(); // lays the skin out for the current size
        TSeSkinObject* button = FindObject(skin->SkinCopy(), name);
        EXPECT_NE(button, nullptr) << name;
        RECT r = button ? button->BoundsRect() : RECT{};
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void clickButton(const char* name) { clickAt(buttonCentre(name)); }
    std::vector<std::string> trace;
};

TEST_F(WindowStates, NormalMaximizeRestoreByTheCaptionButtonAndADoubleClick)
{
    build();
    note("start");
    clickButton("MaxButton");
    note("max button");
    clickAt(POINT{60, 12});
    clickAt(POINT{60, 12});
    note("caption double-clicked");
    clickButton("MaxButton");
    note("max button");
    clickButton("RestoreButton");
    note("restore button");
    expectTrace({"start: normal 100,100 310x234", "max button: maximized 0,0 1280x800",
                 "caption double-clicked: normal 100,100 310x234", "max button: maximized 0,0 1280x800",
                 "restore button: normal 100,100 310x234"});
    EXPECT_EQ(skin->PreviousState(), kwsNormal);
}

TEST_F(WindowStates, RollupThenRestoreUnrollsWhereTheFormNowIs)
{
    build();
    note("start");
    PostMessage(hwnd(), SEM_SETWINDOWSTATE, 3, 0);
    pump();
    note("rolled up");
    dragFrom(POINT{60, 12}, POINT{260 + 60, 300 + 12 + 100 - 100});
    note("dragged");
    PostMessage(hwnd(), SEM_SETWINDOWSTATE, 3, 0);
    pump();
    note("unrolled");
    expectTrace({"start: normal 100,100 310x234", "rolled up: rollup 100,100 310x34",
                 "dragged: rollup 260,300 310x34", "unrolled: normal 260,300 310x234"});
}

TEST_F(WindowStates, MaximizedFormSentToTheTrayComesBackMaximizedAndTheIconGoes)
{
    build();
    PostMessage(hwnd(), SEM_SETWINDOWSTATE, 1, 0);
    pump();
    note("maximized");
    PostMessage(hwnd(), SEM_SETWINDOWSTATE, 4, 0);
    pump();
    note("tray");
    EXPECT_FALSE(IsWindowVisible(hwnd()));
    ASSERT_TRUE(backend().tray().icon(skin->TrayWindow(), skin->TrayIconData().uID).has_value());
    EXPECT_EQ(backend().tray().icon(skin->TrayWindow(), skin->TrayIconData().uID)->tip, "");
    ASSERT_TRUE(backend().tray().click(skin->TrayWindow(), skin->TrayIconData().uID, WM_LBUTTONDBLCLK, POINT{900, 790}));
    pump();
    note("icon double-clicked");
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_FALSE(backend().tray().icon(skin->TrayWindow(), skin->TrayIconData().uID).has_value());
    expectTrace({"maximized: maximized 0,0 1280x800", "tray: tray 0,0 1280x800",
                 "icon double-clicked: maximized 0,0 1280x800"});
}

TEST_F(WindowStates, MinimizedApplicationRestoredByTheWindowManagerIsNormalAndRepainted)
{
    build(Options{.mainForm = true, .configure = {}});
    RECT before = windowRect();
    POINT inCaption{before.left + 5, before.top + 10};
    Pixel caption = screenPixel(inCaption);
    clickButton("MinButton");
    note("min button");
    EXPECT_TRUE(IsIconic(hwnd()));
    backend().managerRestores(hwnd());
    pump();
    note("manager restores");
    EXPECT_FALSE(IsIconic(hwnd()));
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[0].substr(0, 21), "min button: minimized");
    EXPECT_EQ(trace[1], "manager restores: normal 100,100 310x234");
    EXPECT_EQ(screenPixel(inCaption), caption) << "the frame is painted again";
}

// ---- Mends of the state operations ---------------------------------------------------------

TEST_F(WindowStates, RestoreAlwaysLeavesTheStateItReturnedTo)
{
    build(Options{.configure = [](TSeSkinForm* f) { f->SetMinimizeApplication(false); }});
    const RECT normal = windowRect();
    for (TSeWindowState state : {kwsMaximized, kwsMinimized, kwsRollup, kwsTray}) {
        skin->SetWindowState(state);
        pump();
        skin->Restore();
        pump();
        EXPECT_EQ(skin->WindowState(), kwsNormal) << "from " << stateName(state);
        EXPECT_EQ(describe(windowRect()), describe(normal)) << "from " << stateName(state);
        EXPECT_TRUE(IsWindowVisible(hwnd()));
    }
}

TEST_F(WindowStates, MaximizedAfterMinimizedRestoresWithoutEndlessRecursion)
{
    build(Options{.configure = [](TSeSkinForm* f) { f->SetMinimizeApplication(false); }});
    const RECT normal = windowRect();
    skin->Minimize();
    skin->Maximize();
    ASSERT_EQ(skin->PreviousState(), kwsMinimized);
    skin->Restore(); // Restore -> Maximize -> Restore ... before
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
    skin->Restore();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_EQ(describe(windowRect()), describe(normal));
}

TEST_F(WindowStates, TheFormsOwnMinimizeIsNotUndoneByTheInactivationItCauses)
{
    build(Options{.mainForm = true, .configure = {}});
    skin->Minimize();
    pump();
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    EXPECT_TRUE(IsIconic(hwnd()));
}

TEST_F(WindowStates, SettingTheCurrentStateChangesNothingWhileOperationsToggle)
{
    build();
    skin->SetWindowState(kwsMaximized);
    skin->SetWindowState(kwsMaximized);
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
    PostMessage(hwnd(), SEM_SETWINDOWSTATE, 1, 0); // the operation toggles
    pump();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
}

TEST_F(WindowStates, WithoutANotificationAreaTheTrayFallsBackToMinimize)
{
    backend().tray().setAvailable(false);
    build(Options{.mainForm = true, .configure = {}});
    skin->MinimizeToTray();
    pump();
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    EXPECT_TRUE(IsWindowVisible(hwnd())) << "the program must stay reachable";
    EXPECT_TRUE(IsIconic(hwnd()));
    EXPECT_FALSE(skin->TrayIconShown());
    backend().managerRestores(hwnd());
    pump();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
}

TEST_F(WindowStates, CancelledOperationsChangeNothing)
{
    build();
    skin->OnMaximize = [](TObject*, bool& allow) { allow = false; };
    skin->OnRollup = [](TObject*, bool& allow) { allow = false; };
    skin->Maximize();
    skin->Rollup();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
}

TEST_F(WindowStates, AStateFromTheDefinitionAppliesBeforeTheFirstShow)
{
    build(Options{.show = false, .configure = [](TSeSkinForm* f) { f->SetWindowState(kwsMaximized); }});
    EXPECT_EQ(skin->DeferredState(), kwsMaximized);
    host->Show();
    pump();
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
    EXPECT_EQ(describe(windowRect()), "0,0 1280x800");
    skin->Restore();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_EQ(describe(windowRect()), "100,100 310x234");
}

} // namespace

namespace {

class DeferredStates : public FormTest {};

TEST_F(DeferredStates, AFormDefinedInTheTrayNeverShowsUntilItsIconIsUsed)
{
    int shownWhileDeferred = 0;
    build(Options{.show = false, .configure = [](TSeSkinForm* f) { f->SetWindowState(kwsTray); }});
    host->Show();
    shownWhileDeferred += IsWindowVisible(hwnd()) ? 1 : 0;
    pump();
    EXPECT_EQ(shownWhileDeferred, 0);
    EXPECT_EQ(skin->WindowState(), kwsTray);
    EXPECT_FALSE(IsWindowVisible(hwnd()));
    ASSERT_TRUE(skin->TrayIconShown());
    ASSERT_TRUE(backend().tray().click(skin->TrayWindow(), skin->TrayIconData().uID, WM_LBUTTONDBLCLK, POINT{5, 5}));
    pump();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_EQ(describe(windowRect()), "100,100 310x234");
}

TEST_F(DeferredStates, AFormDefinedRolledUpShowsRolledUp)
{
    build(Options{.show = false, .configure = [](TSeSkinForm* f) { f->SetWindowState(kwsRollup); }});
    host->Show();
    pump();
    EXPECT_EQ(skin->WindowState(), kwsRollup);
    EXPECT_EQ(describe(windowRect()), "100,100 310x34");
    skin->Restore();
    EXPECT_EQ(describe(windowRect()), "100,100 310x234");
}

} // namespace

namespace {

class ApplicationEvents : public FormTest {};

// Forms join the application's minimize and restore when first activated;
// one that goes away, in whatever order, must leave the others in and
// nothing of itself behind.
TEST_F(ApplicationEvents, FormsFreedInAnyOrderLeaveTheOthersListening)
{
    int appMinimized = 0;
    Application->OnMinimize = [&](TObject*) { ++appMinimized; };
    build(Options{.mainForm = true, .configure = {}});
    TSeSkinForm* mainSkin = skin;
    TForm* first = host;
    build(Options{.configure = {}, .name = "Dialog"});
    TForm* dialog = host;
    SetForegroundWindow(dialog->Handle());
    pump();
    build(Options{.configure = {}, .name = "Second"});
    TForm* second = host;
    SetForegroundWindow(second->Handle());
    pump();
    delete dialog; // not the last one chained
    pump();
    Application->Minimize();
    pump();
    EXPECT_EQ(appMinimized, 1);
    EXPECT_EQ(mainSkin->WindowState(), kwsMinimized);
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    delete second;
    delete first;
    Application->Minimize();
    EXPECT_EQ(appMinimized, 2) << "the application's own handler is back";
}

} // namespace
