// The caret: one per program, owned by a window, drawn by inverting pixels
// and blinking on an internal timer.

#include "platform/gdi/DeviceContext.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowTable.h"

namespace {

struct Caret {
    HWND hwnd = nullptr;
    int width = 0;
    int height = 0;
    POINT position{};
    int hideCount = 0;
    bool drawn = false;
    UINT blinkTime = 530;
    UINT_PTR timer = 0;
};

Caret& caret()
{
    static Caret c;
    return c;
}

// Inverting twice restores the pixels, so drawing and erasing are one step.
void toggle()
{
    Caret& c = caret();
    if (!LookupWindow(c.hwnd))
        return;
    HDC dc = GetDC(c.hwnd);
    if (DeviceContext* d = LookupDc(dc); d && d->target()) {
        RECT r = d->toTarget(RECT{c.position.x, c.position.y, c.position.x + c.width, c.position.y + c.height});
        PixelBuffer& pixels = *d->target();
        d->forEachClipRect(r, [&](const RECT& part) {
            for (int y = part.top; y < part.bottom; ++y) {
                Pixel* row = pixels.row(y);
                for (int x = part.left; x < part.right; ++x)
                    row[x] ^= 0x00FFFFFFu;
            }
        });
    }
    ReleaseDC(c.hwnd, dc);
    c.drawn = !c.drawn;
}

void stopBlinking()
{
    Caret& c = caret();
    if (c.timer)
        KillInternalTimer(c.timer);
    c.timer = 0;
}

void startBlinking()
{
    Caret& c = caret();
    stopBlinking();
    c.timer = SetInternalTimer(c.blinkTime, toggle);
}

void erase()
{
    if (caret().drawn)
        toggle();
}

void showIfVisible()
{
    Caret& c = caret();
    if (c.hwnd && c.hideCount == 0) {
        if (!c.drawn)
            toggle();
        startBlinking();
    }
}

} // namespace

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height)
{
    if (!LookupWindow(hwnd))
        return FALSE;
    DestroyCaret();
    Caret& c = caret();
    c.hwnd = hwnd;
    c.width = width > 0 ? width : GetSystemMetrics(SM_CXBORDER);
    c.height = height > 0 ? height : GetSystemMetrics(SM_CYBORDER);
    c.position = POINT{};
    c.hideCount = 1; // created hidden
    c.drawn = false;
    return TRUE;
}

BOOL DestroyCaret()
{
    Caret& c = caret();
    if (!c.hwnd)
        return FALSE;
    erase();
    stopBlinking();
    UINT blink = c.blinkTime;
    c = Caret{};
    c.blinkTime = blink;
    return TRUE;
}

BOOL SetCaretPos(int x, int y)
{
    Caret& c = caret();
    if (!c.hwnd)
        return FALSE;
    erase();
    c.position = POINT{x, y};
    showIfVisible();
    return TRUE;
}

BOOL GetCaretPos(POINT* p)
{
    if (!p || !caret().hwnd)
        return FALSE;
    *p = caret().position;
    return TRUE;
}

BOOL ShowCaret(HWND hwnd)
{
    Caret& c = caret();
    if (!c.hwnd || (hwnd && hwnd != c.hwnd))
        return FALSE;
    if (c.hideCount > 0 && --c.hideCount == 0)
        showIfVisible();
    return TRUE;
}

BOOL HideCaret(HWND hwnd)
{
    Caret& c = caret();
    if (!c.hwnd || (hwnd && hwnd != c.hwnd))
        return FALSE;
    ++c.hideCount;
    erase();
    stopBlinking();
    return TRUE;
}

UINT GetCaretBlinkTime()
{
    return caret().blinkTime;
}

void ForgetWindowCaret(HWND hwnd)
{
    Caret& c = caret();
    if (c.hwnd != hwnd)
        return;
    stopBlinking();
    UINT blink = c.blinkTime;
    c = Caret{};
    c.blinkTime = blink;
}
