// The tracking loop of one menu level.

#include "skin/controls/menus/SeTrackMenu.h"

#include "skin/controls/menus/SeClickHandler.h"
#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SeItemView.h"
#include "skin/controls/menus/SePopupWindow.h"

#include "ui/menus/PopupTracking.h"

#include "platform/WinUser.h"

#include <climits>

namespace {

constexpr UINT_PTR kScrollTimer = 0x5EC1;
constexpr UINT kScrollIntervalMs = 100;

bool isNonClientButton(UINT message)
{
    return message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK;
}

bool isButtonDown(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

class LevelTracker {
public:
    explicit LevelTracker(TSePopupView& view) : view_(view) {}

    void run()
    {
        TSeClickHandler::Instance();
        view_.SetTracking(true);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        view_.Select(view_.FirstSelectable());
        POINT p{};
        GetCursorPos(&p);
        followPointer(p);
        TrackPopupWindow(view_.Handle(), [this](MSG& msg) { return filter(msg); }, view_.Ended());
        // The loop also ends when the capture went elsewhere (a click on
        // the desktop), the window went or the application ends: then no
        // level may take the input back.
        if (!view_.Ended())
            view_.EndAll();
        stopScrolling();
        view_.Select(-1);
        view_.SetTracking(false);
        UpdateWindow(view_.Handle());
    }

private:
    // ---- Levels
    TSePopupView* levelAt(POINT screen)
    {
        for (TSeItemView* level = &view_; level; level = level->ParentView()) {
            auto* popup = dynamic_cast<TSePopupView*>(level);
            if (popup && popup->ContainsScreenPoint(screen))
                return popup;
        }
        return nullptr;
    }

    static void closeBelow(TSeItemView& level)
    {
        for (TSeItemView* deeper = level.ChildView(); deeper; deeper = deeper->ChildView())
            deeper->End();
    }

    void closeThisLevel()
    {
        view_.End();
        view_.Select(-1);
        if (TSeItemView* parent = view_.ParentView())
            parent->SetSubmenuOpen(false);
    }

    // ---- Choosing
    // Opens the submenu of this level's selected row and tracks it; back
    // here, this level takes the input again unless everything closed.
    bool openSubmenu()
    {
        TSeCustomItem* row = view_.SelectedItem();
        if (!row || row->Count() == 0 || !row->Enabled() || view_.ChildView())
            return false;
        const RECT rowOnScreen = view_.RowScreenRect(view_.Selected());
        stopScrolling();
        view_.SetSubmenuOpen(true);
        row->PopupAt(&view_, rowOnScreen.right, rowOnScreen.top, &rowOnScreen);
        view_.SetSubmenuOpen(false);
        if (!view_.Ended()) {
            SetCapture(view_.Handle());
            lastMove_ = POINT{INT_MIN, INT_MIN};
        }
        return true;
    }

    // Enter, Tab, Space, an accelerator or a click on a row of this level.
    void activate(int index)
    {
        TSeCustomItem* row = view_.Row(index);
        if (!row || row->IsSeparator() || !row->Enabled())
            return;
        if (row->Count() > 0) {
            openSubmenu();
            return;
        }
        view_.EndAll();
        row->Click();
    }

    // ---- Input
    bool filter(MSG& msg)
    {
        // A handler rebuilt or freed rows that show: the menu closes, and
        // nothing here touches them again.
        if (view_.AnyLevelStale()) {
            view_.EndAll();
            return false;
        }
        view_.RepaintChangedLevels();
        if (isNonClientButton(msg.message)) {
            // Another popup asks this one to go (or a frame was pressed).
            view_.EndAll();
            return true;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // The button as it is now: a release that reached no window
            // leaves the queue's view of it behind.
            if (!(GetAsyncKeyState(VK_LBUTTON) & 0x8000))
                onKey(msg);
            return true;
        case WM_CHAR:
        case WM_SYSCHAR:
            onChar(unsigned(msg.wParam));
            return true;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return true;
        case WM_CANCELMODE:
            view_.EndAll();
            return false;
        case SEM_OPENSUBMENU:
            // Stale requests for levels that have closed are dropped.
            if (msg.hwnd == view_.Handle())
                openSubmenu();
            return true;
        case WM_TIMER:
            if (msg.wParam != kScrollTimer)
                return false;
            onScrollTick();
            return true;
        default:
            break;
        }
        if (!brio::isClientMouseMessage(msg.message))
            return false;
        onMouse(msg.message, MouseMessageScreenPoint(msg));
        return true;
    }

    void onKey(MSG& msg)
    {
        switch (msg.wParam) {
        case VK_TAB:
        case VK_SPACE:
        case VK_RETURN:
            activate(view_.Selected());
            break;
        case VK_MENU:
        case VK_F10:
            view_.EndAll();
            break;
        case VK_ESCAPE:
            closeThisLevel();
            break;
        case VK_LEFT:
            if (view_.ParentView())
                closeThisLevel();
            break;
        case VK_UP:
            view_.Select(view_.Step(-1));
            break;
        case VK_DOWN:
            view_.Select(view_.Step(1));
            break;
        case VK_RIGHT:
            openSubmenu();
            break;
        default:
            TranslateMessage(&msg);
            break;
        }
    }

    void onChar(unsigned ch)
    {
        const int index = view_.RowWithAccelerator(ch);
        if (index < 0)
            return;
        view_.Select(index);
        activate(index);
    }

    void onMouse(UINT message, POINT p)
    {
        if (message == WM_MOUSEMOVE) {
            if (p.x == lastMove_.x && p.y == lastMove_.y)
                return;
            lastMove_ = p;
            followPointer(p);
            return;
        }
        TSePopupView* level = levelAt(p);
        if (!level) {
            // A press anywhere else closes every level and chooses nothing.
            if (isButtonDown(message))
                view_.EndAll();
            return;
        }
        if (message != WM_LBUTTONDOWN && message != WM_LBUTTONUP)
            return;
        const int index = level->RowAtScreenPoint(p);
        TSeCustomItem* row = level->Row(index);
        if (!row || !row->Selectable())
            return;
        if (level == &view_) {
            view_.Select(index);
            activate(index);
            return;
        }
        // A row of a level above: its own submenu stays; another row with
        // children replaces the levels below; a command runs.
        if (level->ChildView() && level->ChildView()->Item() == row)
            return;
        level->Select(index);
        closeBelow(*level);
        if (row->Count() > 0) {
            PostMessage(level->Handle(), SEM_OPENSUBMENU, 0, 0);
        } else if (row->Enabled()) {
            view_.EndAll();
            row->Click();
        }
    }

    // The level under the pointer selects the row there; a row of a level
    // above closes the levels below it and opens its own submenu.
    void followPointer(POINT p)
    {
        TSePopupView* level = levelAt(p);
        updateScrolling(level, p);
        if (!level)
            return;
        const int index = level->RowAtScreenPoint(p);
        TSeCustomItem* row = level->Row(index);
        if (!row || !row->Selectable())
            return;
        if (level != &view_) {
            if (level->ChildView() && level->ChildView()->Item() == row)
                return;
            level->Select(index);
            closeBelow(*level);
            PostMessage(level->Handle(), SEM_OPENSUBMENU, 0, 0);
            return;
        }
        if (index == view_.Selected())
            return;
        view_.Select(index);
        if (row->Count() > 0)
            PostMessage(view_.Handle(), SEM_OPENSUBMENU, 0, 0);
    }

    // ---- Scrolling
    void updateScrolling(TSePopupView* level, POINT p)
    {
        int direction = 0;
        if (level == &view_ && view_.IsScrolled()) {
            ScreenToClient(view_.Handle(), &p);
            const RECT up = view_.ScrollAreaUp();
            const RECT down = view_.ScrollAreaDown();
            direction = PtInRect(&up, p) ? -1 : PtInRect(&down, p) ? 1 : 0;
        }
        if (direction == view_.ScrollDirection())
            return;
        stopScrolling();
        if (direction == 0)
            return;
        view_.SetScrollDirection(direction);
        InvalidateRect(view_.Handle(), nullptr, TRUE);
        SetTimer(view_.Handle(), kScrollTimer, kScrollIntervalMs, nullptr);
    }

    void stopScrolling()
    {
        if (view_.ScrollDirection() == 0)
            return;
        view_.SetScrollDirection(0);
        KillTimer(view_.Handle(), kScrollTimer);
        InvalidateRect(view_.Handle(), nullptr, TRUE);
    }

    void onScrollTick()
    {
        const int direction = view_.ScrollDirection();
        if (direction != 0)
            view_.ScrollTo(view_.FirstVisibleRow() + direction);
    }

    TSePopupView& view_;
    POINT lastMove_{INT_MIN, INT_MIN};
};

} // namespace

void TrackMenu(TSePopupView& view)
{
    LevelTracker(view).run();
}
