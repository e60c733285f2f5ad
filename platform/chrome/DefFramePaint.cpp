// The classic look of the frame: raised 3D edges, the caption bar with its
// icon, title and buttons, and the edges and scroll bars around the client.
// Everything is drawn through a window DC with the client area cut out, so
// a frame repaint never touches what the window drew inside.

#include "platform/chrome/DefFrame.h"

#include "platform/RectMath.h"
#include "platform/chrome/ScrollBarState.h"
#include "platform/window/WindowPaint.h"
#include "platform/window/WindowTable.h"

#include <algorithm>

namespace {

bool hasThickFrame(const Window& w)
{
    return (w.style & WS_THICKFRAME) != 0;
}

bool hasDialogFrame(const Window& w)
{
    return (w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME);
}

void fillWithSysColor(HDC dc, const RECT& r, int index)
{
    FillRect(dc, &r, GetSysColorBrush(index));
}

// Fills `thickness` pixels inside the edges of `outer` and returns what is left.
RECT fillRing(HDC dc, RECT outer, int thickness, int colorIndex)
{
    if (thickness <= 0)
        return outer;
    HBRUSH brush = GetSysColorBrush(colorIndex);
    RECT strips[4] = {
        {outer.left, outer.top, outer.right, outer.top + thickness},
        {outer.left, outer.bottom - thickness, outer.right, outer.bottom},
        {outer.left, outer.top + thickness, outer.left + thickness, outer.bottom - thickness},
        {outer.right - thickness, outer.top + thickness, outer.right, outer.bottom - thickness},
    };
    for (const RECT& strip : strips)
        FillRect(dc, &strip, brush);
    return RECT{outer.left + thickness, outer.top + thickness, outer.right - thickness, outer.bottom - thickness};
}

// The outer border; returns the rectangle inside it.
RECT paintOuterBorder(HDC dc, const Window& w, RECT box, int thickness, bool active)
{
    if (thickness <= 0)
        return box;
    if (hasThickFrame(w) || hasDialogFrame(w)) {
        DrawEdge(dc, &box, EDGE_RAISED, BF_RECT | BF_ADJUST);
        int rest = thickness - 2 * GetSystemMetrics(SM_CXBORDER);
        int fill = hasThickFrame(w) ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_3DFACE;
        return fillRing(dc, box, rest, fill);
    }
    return fillRing(dc, box, thickness, COLOR_WINDOWFRAME);
}

int channel(COLORREF c, int shift)
{
    return int((c >> shift) & 0xFF);
}

int blend(int from, int to, int step, int steps)
{
    return from + ((to - from) * step + steps / 2) / steps;
}

// A horizontal gradient, one fill per run of equal colour; flat when the
// two colours agree.
void paintCaptionBar(HDC dc, const RECT& bar, bool active)
{
    COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    COLORREF to = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    int width = Width(bar);
    if (width <= 0 || Height(bar) <= 0)
        return;
    if (from == to || width == 1) {
        FillRect(dc, &bar, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        return;
    }
    RECT visible;
    if (GetClipBox(dc, &visible) == NULLREGION || !IntersectRect(&visible, &visible, &bar))
        return;
    auto colorAt = [&](int x) {
        int step = x - bar.left, steps = width - 1;
        return RGB(blend(channel(from, 0), channel(to, 0), step, steps),
                   blend(channel(from, 8), channel(to, 8), step, steps),
                   blend(channel(from, 16), channel(to, 16), step, steps));
    };
    HBRUSH dcBrush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    COLORREF previousDcColor = SetDCBrushColor(dc, 0);
    int runStart = visible.left;
    COLORREF runColor = colorAt(runStart);
    auto flushRun = [&](int end) {
        SetDCBrushColor(dc, runColor);
        RECT run{runStart, bar.top, end, bar.bottom};
        FillRect(dc, &run, dcBrush);
    };
    for (int x = visible.left + 1; x < visible.right; ++x) {
        COLORREF c = colorAt(x);
        if (c == runColor)
            continue;
        flushRun(x);
        runStart = x;
        runColor = c;
    }
    flushRun(visible.right);
    SetDCBrushColor(dc, previousDcColor);
}

HICON captionIcon(const Window& w)
{
    if (w.windowClass->smallIcon)
        return w.windowClass->smallIcon;
    if (w.windowClass->icon)
        return w.windowClass->icon;
    return LoadIcon(nullptr, IDI_APPLICATION);
}

void paintTitle(HDC dc, const Window& w, RECT space, bool active)
{
    if (w.text.empty() || Width(space) <= 0)
        return;
    NONCLIENTMETRICS metrics;
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return;
    bool tool = (w.exStyle & WS_EX_TOOLWINDOW) != 0;
    HFONT font = CreateFontIndirect(tool ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont);
    if (!font)
        return;
    HGDIOBJ previousFont = SelectObject(dc, font);
    int previousMode = SetBkMode(dc, TRANSPARENT);
    COLORREF previousColor = SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    DrawText(dc, w.text.c_str(), int(w.text.size()), &space,
             DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
    SelectObject(dc, previousFont);
    DeleteObject(font);
}

UINT buttonState(const Window& w, LRESULT hit)
{
    return w.pressedFrameButton == hit ? DFCS_PUSHED : 0;
}

void paintButton(HDC dc, RECT r, UINT kind)
{
    if (!IsEmpty(r))
        DrawFrameControl(dc, &r, DFC_CAPTION, kind);
}

void paintCaptionButtons(HDC dc, const Window& w, const FrameLayout& f)
{
    paintButton(dc, f.closeButton, DFCS_CAPTIONCLOSE | buttonState(w, HTCLOSE));
    UINT maximize = (w.style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
    if (!(w.style & WS_MAXIMIZEBOX))
        maximize |= DFCS_INACTIVE;
    paintButton(dc, f.maximizeButton, maximize | buttonState(w, HTMAXBUTTON));
    UINT minimize = (w.style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN;
    if (!(w.style & WS_MINIMIZEBOX))
        minimize |= DFCS_INACTIVE;
    paintButton(dc, f.minimizeButton, minimize | buttonState(w, HTMINBUTTON));
    paintButton(dc, f.helpButton, DFCS_CAPTIONHELP | buttonState(w, HTHELP));
}

// The title runs from after the icon to before the leftmost button.
RECT titleSpace(const FrameLayout& f, const RECT& bar)
{
    RECT space = bar;
    space.left = IsEmpty(f.systemMenu) ? bar.left + 2 : f.systemMenu.right + 2;
    space.right = bar.right - 2;
    for (const RECT* button : {&f.closeButton, &f.maximizeButton, &f.minimizeButton, &f.helpButton})
        if (!IsEmpty(*button))
            space.right = std::min<LONG>(space.right, button->left - 2);
    return space;
}

void paintCaption(HDC dc, const Window& w, const FrameLayout& f, bool active)
{
    // The caption's last row is the separator line in the face colour.
    RECT bar = f.caption;
    bar.bottom -= 1;
    RECT separator{f.caption.left, bar.bottom, f.caption.right, f.caption.bottom};
    fillWithSysColor(dc, separator, COLOR_3DFACE);
    paintCaptionBar(dc, bar, active);
    if (!IsEmpty(f.systemMenu))
        DrawIconEx(dc, f.systemMenu.left, f.systemMenu.top, captionIcon(w), Width(f.systemMenu),
                   Height(f.systemMenu), 0, nullptr, DI_NORMAL);
    paintTitle(dc, w, titleSpace(f, bar), active);
    paintCaptionButtons(dc, w, f);
}

void paintScrollBars(HDC dc, const Window& w, const FrameLayout& f)
{
    PaintScrollBar(dc, w, SB_VERT);
    PaintScrollBar(dc, w, SB_HORZ);
    if (!IsEmpty(f.verticalScroll) && !IsEmpty(f.horizontalScroll)) {
        RECT corner{f.verticalScroll.left, f.horizontalScroll.top, f.verticalScroll.right, f.horizontalScroll.bottom};
        fillWithSysColor(dc, corner, COLOR_3DFACE);
        if (hasThickFrame(w) && !(w.style & WS_MAXIMIZE))
            DrawFrameControl(dc, &corner, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

void paintClientEdge(HDC dc, const Window& w, RECT client)
{
    if (w.exStyle & WS_EX_CLIENTEDGE) {
        int edge = GetSystemMetrics(SM_CXEDGE);
        InflateRect(&client, edge, edge);
        DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    } else if (w.exStyle & WS_EX_STATICEDGE) {
        int edge = GetSystemMetrics(SM_CXBORDER);
        InflateRect(&client, edge, edge);
        DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
    }
}

// The region WM_NCPAINT hands over belongs to the sender; the DC takes
// ownership of what it is given, so it gets a copy.
HRGN copyOfRegion(HRGN region)
{
    if (!region)
        return nullptr;
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    if (copy && CombineRgn(copy, region, nullptr, RGN_COPY) != ERROR)
        return copy;
    if (copy)
        DeleteObject(copy);
    return nullptr;
}

} // namespace

void DefFrameNcPaint(HWND hwnd, HRGN region)
{
    Window* w = LookupWindow(hwnd);
    if (!w || w->client == w->window || !IsShown(hwnd))
        return;
    bool active = w->frameActive;
    FrameLayout f = ComputeFrameLayout(*w);
    RECT client = Offset(w->client, -w->window.left, -w->window.top);
    HRGN clip = copyOfRegion(region);
    HDC dc = GetDCEx(hwnd, clip, DCX_WINDOW | DCX_USESTYLE | (clip ? DCX_INTERSECTRGN : 0));
    if (!dc) {
        if (clip)
            DeleteObject(clip);
        return;
    }
    if (!IsEmpty(client))
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    RECT box{0, 0, Width(w->window), Height(w->window)};
    RECT inside = paintOuterBorder(dc, *w, box, f.border, active);
    // What the caption, the edges and the scroll bars leave shows the face colour.
    fillWithSysColor(dc, inside, COLOR_3DFACE);
    if (!IsEmpty(f.caption))
        paintCaption(dc, *w, f, active);
    paintClientEdge(dc, *w, client);
    paintScrollBars(dc, *w, f);
    ReleaseDC(hwnd, dc);
}

void DefFramePaintPart(HWND hwnd, const RECT& part)
{
    Window* w = LookupWindow(hwnd);
    if (!w || IsEmpty(part))
        return;
    RECT onScreen = WindowRectOnScreen(*w);
    HRGN region = CreateRectRgn(onScreen.left + part.left, onScreen.top + part.top, onScreen.left + part.right,
                                onScreen.top + part.bottom);
    DefFrameNcPaint(hwnd, region);
    DeleteObject(region);
}
