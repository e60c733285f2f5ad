#pragma once
// The notification area: an icon that stands for a window, with a tip, and
// a callback message (wParam the icon's id, lParam the mouse message) when
// the user clicks it. On Linux desktops the icon is a StatusNotifierItem;
// where nothing shows such icons, adding one fails and callers fall back.

#include "platform/Gdi.h"

constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;

constexpr UINT NIF_MESSAGE = 0x1;
constexpr UINT NIF_ICON = 0x2;
constexpr UINT NIF_TIP = 0x4;

struct NOTIFYICONDATA {
    DWORD cbSize = sizeof(NOTIFYICONDATA);
    HWND hWnd = nullptr;
    UINT uID = 0;
    UINT uFlags = 0;
    UINT uCallbackMessage = 0;
    HICON hIcon = nullptr;
    char szTip[128] = {}; // UTF-8; cut at a character boundary to fit
};

// An icon is known by its window and id. NIM_ADD fails for a known icon, a
// window that does not exist, or when no notification area takes it;
// NIM_MODIFY and NIM_DELETE of an unknown icon fail quietly. The icon's
// picture is copied: the caller may destroy hIcon afterwards.
BOOL Shell_NotifyIcon(DWORD message, const NOTIFYICONDATA* data);
