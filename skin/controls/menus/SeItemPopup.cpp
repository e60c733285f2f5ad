// Opening one menu level: the window, its place on the work area, and its
// tracking loop.

#include "skin/controls/menus/SeCustomItem.h"

#include "skin/controls/menus/SePopupPlacement.h"
#include "skin/controls/menus/SePopupWindow.h"
#include "skin/controls/menus/SeTrackMenu.h"

#include "ui/control/WinControl.h"
#include "ui/forms/Form.h"

#include "platform/WinUser.h"

namespace {

bool hasVisibleChild(const TSeCustomItem& item)
{
    for (int i = 0; i < item.Count(); ++i)
        if (item.Items(i)->Visible())
            return true;
    return false;
}

// The monitor of the form that owns the menu, else the whole screen.
RECT workAreaFor(TWinControl* owner)
{
    TCustomForm* form = owner ? GetParentForm(owner) : nullptr;
    if (form && form->HandleAllocated()) {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (GetMonitorInfo(MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST), &info))
            return info.rcWork;
    }
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

} // namespace

void TSeCustomItem::PopupAt(TSeItemView* parentView, int x, int y, const RECT* parentRow)
{
    if (!hasVisibleChild(*this))
        return;
    const std::uint64_t serial = serial_;
    if (OnBeforeDropDown) {
        OnBeforeDropDown(this);
        // The handler may have emptied or freed the level.
        if (!FromSerial(serial) || !hasVisibleChild(*this))
            return;
    }
    std::unique_ptr<TSePopupWindow> window = CreatePopupWindow();
    window->TakeOptions(options_, animateFirstLevel_);
    // Only the first level of a popup animates.
    Root()->PushAnimateFirstLevel(false);

    TSePopupView& view = *window->View();
    view.AttachTo(parentView);
    const SIZE size = window->Measure();
    const brio::PopupAnchor anchor = parentRow ? brio::PopupAnchor::BesideRow : brio::PopupAnchor::AtPoint;
    const POINT at = brio::placePopup(size, workAreaFor(ownerControl_), anchor, POINT{x, y},
                                      parentRow ? *parentRow : RECT{});
    window->Place(RECT{at.x, at.y, at.x + size.cx, at.y + size.cy});
    window->ShowNoActivate();
    if (bringToForeground_)
        SetForegroundWindow(window->Handle());

    TrackMenu(view);

    // Nothing of the tree is touched from here on: a click or a handler
    // may have changed it while the loop ran.
    view.Detach();
    window->HideNoActivate();
    window.reset();
}
