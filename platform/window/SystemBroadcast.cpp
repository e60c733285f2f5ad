#include "platform/window/SystemBroadcast.h"

#include "platform/gdi/SysColors.h"
#include "platform/window/WindowTable.h"

#include <vector>

namespace {

// Handles are collected before anything is sent: a window procedure may
// create or destroy windows, and a message to a destroyed one is dropped.
void collectTree(HWND hwnd, std::vector<HWND>& out)
{
    out.push_back(hwnd);
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    const std::vector<HWND> children = w->children;
    for (HWND child : children)
        collectTree(child, out);
}

void onSysColorsChanged()
{
    SendToTopLevelWindows(WM_SYSCOLORCHANGE, 0, 0);
    InvalidateAllWindows();
}

} // namespace

void SendToTopLevelWindows(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const std::vector<HWND> tops = TopLevelWindows();
    for (HWND top : tops)
        SendMessage(top, msg, wParam, lParam);
}

void SendToAllWindows(UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::vector<HWND> all;
    for (HWND top : TopLevelWindows())
        collectTree(top, all);
    for (HWND hwnd : all)
        SendMessage(hwnd, msg, wParam, lParam);
}

void InvalidateAllWindows()
{
    const std::vector<HWND> tops = TopLevelWindows();
    for (HWND top : tops)
        RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void InstallSysColorBroadcast()
{
    SetSysColorsChangedHook(&onSysColorsChanged);
}
