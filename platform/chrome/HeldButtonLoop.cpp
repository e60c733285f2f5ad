#include "platform/chrome/HeldButtonLoop.h"

#include "platform/window/MouseMessageKinds.h"

bool TrackHeldLeftButton(HWND hwnd, const std::function<void(const MSG&)>& follow,
                         const std::function<bool(const MSG&)>& keyPressed)
{
    MSG msg;
    while (IsWindow(hwnd) && GetCapture() == hwnd) {
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            return false;
        }
        if (brio::isMouseMoveMessage(msg.message) || brio::isLeftReleaseMessage(msg.message)) {
            follow(msg);
            if (brio::isLeftReleaseMessage(msg.message))
                return true;
            continue;
        }
        if (brio::isMouseMessage(msg.message))
            continue;
        if (keyPressed && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && keyPressed(msg))
            return false;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return false;
}
