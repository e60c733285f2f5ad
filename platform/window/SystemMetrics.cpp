// System metrics, system parameters and the one monitor, with the classic
// values of the standard look.

#include "platform/window/Backend.h"
#include "platform/RectMath.h"
#include "platform/window/WindowTable.h"

#include <cstring>

namespace {

const HMONITOR kPrimaryMonitor = reinterpret_cast<HMONITOR>(std::uintptr_t(0x10001));

LOGFONT uiFont(bool bold)
{
    LOGFONT f;
    f.lfHeight = -11;
    f.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    f.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(f.lfFaceName, "MS Sans Serif", LF_FACESIZE - 1);
    return f;
}

RECT screenRect()
{
    SIZE s = CurrentBackend().screenSize();
    return RECT{0, 0, s.cx, s.cy};
}

HMONITOR monitorFor(bool onScreen, DWORD flags)
{
    if (onScreen || flags != MONITOR_DEFAULTTONULL)
        return kPrimaryMonitor;
    return nullptr;
}

} // namespace

int GetSystemMetrics(int index)
{
    SIZE screen = CurrentBackend().screenSize();
    RECT work = CurrentBackend().workArea();
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
        return screen.cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
        return screen.cy;
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN:
        return 0;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYCAPTION:
    case SM_CYMENU:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXFULLSCREEN:
        return Width(work);
    case SM_CYFULLSCREEN:
        return Height(work) - 19;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_CMONITORS:
    case SM_SAMEDISPLAYFORMAT:
        return 1;
    case SM_SWAPBUTTON:
    case SM_MENUDROPALIGNMENT:
        return 0;
    case SM_CXMIN:
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
        return 18;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING:
        return 75;
    case SM_CMOUSEBUTTONS:
        return 3;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXMINSPACING:
        return 160;
    case SM_CYMINSPACING:
        return 24;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXSMSIZE:
        return 12;
    case SM_CYSMSIZE:
        return 14;
    case SM_CXMINIMIZED:
        return 160;
    case SM_CYMINIMIZED:
        return 24;
    case SM_CXMAXTRACK:
        return screen.cx + 12;
    case SM_CYMAXTRACK:
        return screen.cy + 12;
    case SM_CXMAXIMIZED:
        return Width(work) + 8;
    case SM_CYMAXIMIZED:
        return Height(work) + 8;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return 13;
    default:
        return 0;
    }
}

BOOL SystemParametersInfo(UINT action, UINT, void* param, UINT)
{
    switch (action) {
    case SPI_GETWORKAREA:
        if (!param)
            return FALSE;
        *static_cast<RECT*>(param) = CurrentBackend().workArea();
        return TRUE;
    case SPI_SETWORKAREA: {
        if (!param)
            return FALSE;
        RECT area = Intersect(Normalized(*static_cast<RECT*>(param)), screenRect());
        if (IsEmpty(area))
            return FALSE;
        CurrentBackend().setWorkArea(area);
        return TRUE;
    }
    case SPI_GETNONCLIENTMETRICS: {
        auto* m = static_cast<NONCLIENTMETRICS*>(param);
        if (!m || m->cbSize != sizeof(NONCLIENTMETRICS))
            return FALSE;
        m->iBorderWidth = 1;
        m->iScrollWidth = 16;
        m->iScrollHeight = 16;
        m->iCaptionWidth = 18;
        m->iCaptionHeight = 18;
        m->lfCaptionFont = uiFont(true);
        m->iSmCaptionWidth = 12;
        m->iSmCaptionHeight = 14;
        m->lfSmCaptionFont = uiFont(true);
        m->iMenuWidth = 18;
        m->iMenuHeight = 18;
        m->lfMenuFont = uiFont(false);
        m->lfStatusFont = uiFont(false);
        m->lfMessageFont = uiFont(false);
        m->iPaddedBorderWidth = 0;
        return TRUE;
    }
    case SPI_GETKEYBOARDDELAY:
    case SPI_GETKEYBOARDSPEED:
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETWHEELSCROLLLINES:
    case SPI_GETMOUSEHOVERTIME:
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT: {
        if (!param)
            return FALSE;
        UINT value = 0;
        switch (action) {
        case SPI_GETKEYBOARDDELAY: value = 1; break;   // 500 ms before repeating
        case SPI_GETKEYBOARDSPEED: value = 31; break;  // the fastest repeat
        case SPI_GETDRAGFULLWINDOWS: value = TRUE; break;
        case SPI_GETWHEELSCROLLLINES: value = 3; break;
        case SPI_GETMOUSEHOVERTIME: value = 400; break;
        default: value = 4; break;
        }
        *static_cast<UINT*>(param) = value;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

HMONITOR MonitorFromPoint(POINT p, DWORD flags)
{
    return monitorFor(Contains(screenRect(), p.x, p.y), flags);
}

HMONITOR MonitorFromRect(const RECT* r, DWORD flags)
{
    if (!r)
        return nullptr;
    return monitorFor(!IsEmpty(Intersect(Normalized(*r), screenRect())), flags);
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return monitorFor(false, flags);
    RECT r = WindowRectOnScreen(*w);
    // A minimized window still belongs to the monitor it came from.
    if (w->style & WS_MINIMIZE)
        return kPrimaryMonitor;
    return MonitorFromRect(&r, flags);
}

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info)
{
    if (monitor != kPrimaryMonitor || !info || info->cbSize < sizeof(MONITORINFO))
        return FALSE;
    info->rcMonitor = screenRect();
    info->rcWork = CurrentBackend().workArea();
    info->dwFlags = MONITORINFOF_PRIMARY;
    return TRUE;
}

BOOL MessageBeep(UINT)
{
    CurrentBackend().beep();
    return TRUE;
}
