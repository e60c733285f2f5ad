// The nested loop shared by the pop-up menu and the combo box's list.

#include "ui/menus/PopupTracking.h"

#include "ui/forms/Application.h"

#include "platform/WinUser.h"

void ShowPopupWindow(HWND popup)
{
    SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(popup);
}

void TrackPopupWindow(HWND popup, const std::function<bool(MSG&)>& filter, const bool& done)
{
    ShowPopupWindow(popup);
    SetCapture(popup);
    // The previous filter and the capture come back however the loop ends.
    struct RestoreOnExit {
        HWND popup;
        std::function<bool(MSG&)> previousFilter;
        ~RestoreOnExit()
        {
            Application->MessageFilter = std::move(previousFilter);
            if (GetCapture() == popup)
                ReleaseCapture();
        }
    } restore{popup, Application->MessageFilter};
    Application->MessageFilter = filter;
    while (!done && !Application->Terminated() && IsWindow(popup)) {
        Application->HandleMessage();
        // Another window took the capture: the pop-up has lost the user.
        if (GetCapture() != popup && IsWindow(popup))
            break;
    }
}

POINT MouseMessageScreenPoint(const MSG& msg)
{
    POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    ClientToScreen(msg.hwnd, &p);
    return p;
}

bool brio::isClientMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}
