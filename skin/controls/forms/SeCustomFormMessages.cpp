// The window messages a skinned form takes over from its host.

#include "skin/controls/forms/SeCustomForm.h"

#include "platform/RectMath.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Canvas.h"

#include <algorithm>
#include <cstring>

namespace {

POINT screenPointOf(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

LRESULT hitCodeFor(TSeFrameZone zone, bool moveable, bool sizeable)
{
    switch (zone) {
    case fzCaption:     return moveable ? HTCAPTION : HTCLIENT;
    case fzLeft:        return sizeable ? HTLEFT : HTCLIENT;
    case fzTop:         return sizeable ? HTTOP : HTCLIENT;
    case fzRight:       return sizeable ? HTRIGHT : HTCLIENT;
    case fzBottom:      return sizeable ? HTBOTTOM : HTCLIENT;
    case fzTopLeft:     return sizeable ? HTTOPLEFT : HTCLIENT;
    case fzTopRight:    return sizeable ? HTTOPRIGHT : HTCLIENT;
    case fzBottomLeft:  return sizeable ? HTBOTTOMLEFT : HTCLIENT;
    case fzBottomRight: return sizeable ? HTBOTTOMRIGHT : HTCLIENT;
    case fzBorder:      return HTBORDER;
    case fzClose:       return HTCLOSE;
    case fzHelp:        return HTHELP;
    case fzMinimize:
    case fzRollup:
    case fzTray:
    case fzSysMenu:
    case fzSysButton:   return HTMINBUTTON;
    case fzMaximize:    return HTMAXBUTTON;
    default:            return HTCLIENT;
    }
}

} // namespace

void TSeCustomForm::HandleMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCCALCSIZE:        onNcCalcSize(m); break;
    case WM_NCPAINT:           PaintNonClient(); m.Result = 0; MarkHandled(); break;
    case WM_NCACTIVATE:        onNcActivate(m); break;
    case WM_NCHITTEST:         onNcHitTest(m); break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMOUSEMOVE:       onNcButton(m); break;
    case WM_MOUSEMOVE:         onMouseMove(m); break;
    case WM_LBUTTONUP:         onLButtonUp(m); break;
    case WM_ACTIVATE:          onActivate(m); break;
    case WM_ERASEBKGND:        onEraseBackground(m); break;
    case WM_PAINT:             onPaint(m); break;
    case WM_WINDOWPOSCHANGING: onWindowPosChanging(m); break;
    case WM_SYSCOMMAND:        onSysCommand(m); break;
    case WM_THEMECHANGED:      readSystemMetrics(); m.Result = 0; MarkHandled(); break;
    case WM_SETTEXT:           onSetText(m); break;
    case WM_DESTROY:           clientBeforeRecreate_ = SIZE{host()->ClientWidth(), host()->ClientHeight()}; break;
    case SEM_REFRESHFRAME:     onRefreshFrame(m); break;
    case SEM_MAXIMIZE:         Maximize(); m.Result = 0; MarkHandled(); break;
    case SEM_SETWINDOWSTATE:   onSetWindowState(m); break;
    case SEM_PAINTFORM:        onPaintForm(m); break;
    case SEM_GETSKINFORM:
        m.Result = reinterpret_cast<LRESULT>(static_cast<TSeSkinFormLink*>(this));
        MarkHandled();
        break;
    default: break;
    }
}

void TSeCustomForm::AfterMessage(TMessage& m, bool& handled)
{
    TSeHook::AfterMessage(m, handled);
    if (m.Msg == WM_SETTEXT && settingText_) {
        settingText_ = false;
        std::string text = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
        if (text != caption_) {
            caption_ = text;
            // Puts the caption bits back and paints the new title.
            PostMessage(windowHandle(), SEM_REFRESHFRAME, kRestoreCaptionBits, 0);
        } else if (captionBitsCleared_) {
            captionBitsCleared_ = false;
            SetWindowLongPtr(windowHandle(), GWL_STYLE, GetWindowLongPtr(windowHandle(), GWL_STYLE) | WS_CAPTION);
        }
    } else if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_CONTEXTHELP) {
        PaintNonClient();
    }
}

// The platform paints its classic caption while it stores the new text
// when the window has the caption bits; they are taken away first, so that
// no platform caption ever shows over the skin.
void TSeCustomForm::onSetText(TMessage& m)
{
    HWND hwnd = windowHandle();
    if (!hwnd)
        return;
    settingText_ = true;
    auto style = DWORD(GetWindowLongPtr(hwnd, GWL_STYLE));
    if ((style & WS_CAPTION) != 0) {
        captionBitsCleared_ = true;
        SetWindowLongPtr(hwnd, GWL_STYLE, LONG_PTR(style & ~WS_CAPTION));
    }
    (void)m;
}

void TSeCustomForm::onRefreshFrame(TMessage& m)
{
    if (m.WParam == kRestoreCaptionBits && captionBitsCleared_) {
        captionBitsCleared_ = false;
        if (HWND hwnd = windowHandle())
            SetWindowLongPtr(hwnd, GWL_STYLE, GetWindowLongPtr(hwnd, GWL_STYLE) | WS_CAPTION);
    }
    PaintNonClient();
    m.Result = 0;
    MarkHandled();
}

void TSeCustomForm::onNcCalcSize(TMessage& m)
{
    MarkHandled();
    m.Result = 0;
    if (!m.WParam || !m.LParam)
        return;
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    RECT& proposed = params->rgrc[0];
    if (Width(proposed) != windowSize_.cx || Height(proposed) != windowSize_.cy)
        measureWindow(Width(proposed), Height(proposed));
    RECT client = GetClientBounds();
    RECT inside{proposed.left + client.left, proposed.top + client.top,
                proposed.right - (windowSize_.cx - client.right), proposed.bottom - (windowSize_.cy - client.bottom)};
    inside.right = std::max(inside.left, inside.right);
    inside.bottom = std::max(inside.top, inside.bottom);
    params->rgrc[0] = params->rgrc[1] = params->rgrc[2] = inside;
}

void TSeCustomForm::onNcActivate(TMessage& m)
{
    active_ = m.WParam != 0;
    if (minimizeApplication_)
        chainApplicationEvents();
    PaintNonClient();
    m.Result = active_ ? 0 : 1;
    MarkHandled();
}

void TSeCustomForm::onNcHitTest(TMessage& m)
{
    RECT window{};
    GetWindowRect(windowHandle(), &window);
    POINT p = screenPointOf(m.LParam);
    TSeFrameZone zone = HitTestZone(POINT{p.x - window.left, p.y - window.top});
    bool sizeable = dragging_->Sizeable() && windowState_ != kwsMaximized;
    m.Result = hitCodeFor(zone, dragging_->Moveable(), sizeable);
    MarkHandled();
}

void TSeCustomForm::onNcButton(TMessage& m)
{
    RECT window{};
    GetWindowRect(windowHandle(), &window);
    POINT p = screenPointOf(m.LParam);
    int x = p.x - window.left, y = p.y - window.top;
    HWND hwnd = windowHandle();
    switch (m.Msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
        if (GetActiveWindow() != hwnd)
            SetForegroundWindow(hwnd);
        bool left = m.Msg == WM_NCLBUTTONDOWN;
        buttonDown_ = true;
        leftDown_ = left;
        FrameMouseDown(left ? mbLeft : mbRight, left ? TShiftState{ssLeft} : TShiftState{ssRight}, x, y);
        m.Result = 0;
        break;
    }
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP: {
        bool left = m.Msg == WM_NCLBUTTONUP;
        buttonDown_ = false;
        leftDown_ = false;
        FrameMouseUp(left ? mbLeft : mbRight, {}, x, y);
        m.Result = 0;
        break;
    }
    case WM_NCLBUTTONDBLCLK:
        FrameMouseDown(mbLeft, {ssLeft, ssDouble}, x, y);
        FrameMouseUp(mbLeft, {ssLeft, ssDouble}, x, y);
        buttonDown_ = false;
        leftDown_ = false;
        m.Result = 1;
        break;
    case WM_NCMOUSEMOVE: {
        TShiftState shift;
        if (leftDown_)
            shift.Include(ssLeft);
        else if (buttonDown_)
            shift.Include(ssRight);
        FrameMouseMove(shift, x, y);
        m.Result = 0;
        break;
    }
    default: break;
    }
    MarkHandled();
}

namespace {

// Where the pointer was for the message being handled, in window
// coordinates. Its client point is relative to where the window stood when
// the message was queued, which a live drag has moved since; the message's
// screen position is not.
POINT windowPointOfMessage(HWND hwnd)
{
    DWORD pos = GetMessagePos();
    POINT p{GET_X_LPARAM(LPARAM(pos)), GET_Y_LPARAM(LPARAM(pos))};
    RECT window{};
    GetWindowRect(hwnd, &window);
    return POINT{p.x - window.left, p.y - window.top};
}

} // namespace

void TSeCustomForm::onMouseMove(TMessage&)
{
    if (hoverZone_ != fzNone && !leftDown_) {
        hoverZone_ = fzNone;
        PaintNonClient();
    }
    if (buttonDown_) {
        POINT p = windowPointOfMessage(windowHandle());
        FrameMouseMove(leftDown_ ? TShiftState{ssLeft} : TShiftState{ssRight}, p.x, p.y);
    }
}

void TSeCustomForm::onLButtonUp(TMessage&)
{
    if (!buttonDown_)
        return;
    POINT p = windowPointOfMessage(windowHandle());
    buttonDown_ = false;
    leftDown_ = false;
    FrameMouseUp(mbLeft, {}, p.x, p.y);
}

void TSeCustomForm::onActivate(TMessage& m)
{
    // Keeps the state in step when the system minimized the window; the
    // inactivation that the form's own minimize causes must not toggle it.
    bool inactive = LOWORD(m.WParam) == WA_INACTIVE;
    bool minimized = HIWORD(m.WParam) != 0 && IsIconic(windowHandle());
    if (inactive && minimized && windowState_ != kwsMinimized && windowState_ != kwsTray)
        Minimize();
}

void TSeCustomForm::onEraseBackground(TMessage& m)
{
    paintClientBackground(reinterpret_cast<HDC>(m.WParam), nullptr);
    m.Result = 1;
    MarkHandled();
}

void TSeCustomForm::onPaint(TMessage& m)
{
    HWND hwnd = windowHandle();
    PAINTSTRUCT ps{};
    HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(hwnd, &ps);
    if (dc && host())
        host()->PaintControls(dc, nullptr);
    if (!m.WParam)
        EndPaint(hwnd, &ps);
    m.Result = 0;
    MarkHandled();
}

void TSeCustomForm::onWindowPosChanging(TMessage& m)
{
    MarkHandled();
    m.Result = 0;
    auto* wp = reinterpret_cast<WINDOWPOS*>(m.LParam);
    if (!wp)
        return;
    if ((wp->flags & SWP_SHOWWINDOW) && deferredState_ != kwsNormal)
        applyDeferredStateAtShow(*wp);
    bool sizing = !(wp->flags & SWP_NOSIZE);
    if (sizing || !(wp->flags & SWP_NOMOVE)) {
        bool sizeChanged = false;
        if (sizing) {
            SIZE maximum = GetMaxTrackSize();
            SIZE minimum = GetMinTrackSize();
            wp->cx = std::min<int>(wp->cx, maximum.cx);
            wp->cy = std::min<int>(wp->cy, maximum.cy);
            if (windowState_ != kwsRollup && windowState_ != kwsMinimized) {
                wp->cx = std::max<int>(wp->cx, minimum.cx);
                wp->cy = std::max<int>(wp->cy, minimum.cy);
            }
            sizeChanged = wp->cx != windowSize_.cx || wp->cy != windowSize_.cy;
            if (sizeChanged)
                measureWindow(wp->cx, wp->cy);
        }
        if (effectsNeedBuffer()) {
            RECT current{};
            GetWindowRect(windowHandle(), &current);
            int x = (wp->flags & SWP_NOMOVE) ? current.left : wp->x;
            int y = (wp->flags & SWP_NOMOVE) ? current.top : wp->y;
            int cx = sizing ? wp->cx : Width(current);
            int cy = sizing ? wp->cy : Height(current);
            captureDesktopFor(RECT{x, y, x + cx, y + cy});
        }
        if (sizeChanged)
            UpdateRegion();
        if (wp->flags & SWP_FRAMECHANGED)
            hoverZone_ = fzSysButton;
    }
    showWindowEffects(*wp);
    if (effectsNeedBuffer())
        wp->flags |= SWP_NOCOPYBITS;
}

// A state from the form's definition takes effect as the window first shows.
void TSeCustomForm::applyDeferredStateAtShow(WINDOWPOS& wp)
{
    TSeWindowState state = deferredState_;
    if (state == kwsMaximized || state == kwsRollup) {
        deferredState_ = kwsNormal;
        previousState_ = kwsNormal;
        windowState_ = state;
        RECT target = state == kwsMaximized ? GetMaximizedBounds() : GetRollupBounds();
        wp.x = target.left;
        wp.y = target.top;
        wp.cx = Width(target);
        wp.cy = Height(target);
        wp.flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
        return;
    }
    if (state == kwsTray)
        wp.flags &= ~SWP_SHOWWINDOW;
    PostMessage(windowHandle(), SEM_SETWINDOWSTATE, WPARAM(state), 0);
}

void TSeCustomForm::onSetWindowState(TMessage& m)
{
    deferredState_ = kwsNormal;
    switch (m.WParam) {
    case 1: Maximize(); break;
    case 2: Minimize(); break;
    case 3: Rollup(); break;
    case 4: MinimizeToTray(); break;
    default: break;
    }
    m.Result = 0;
    MarkHandled();
}

void TSeCustomForm::onSysCommand(TMessage& m)
{
    WPARAM command = m.WParam & 0xFFF0;
    if (command == SC_KEYMENU) {
        auto key = WPARAM(m.LParam);
        if (key == ' ') {
            ShowSystemMenu();
            m.Result = 0;
            MarkHandled();
        } else if (key != '-' && key != 0 && !GetCapture() && menuBar_) {
            PostMessage(windowHandle(), WM_CHAR, key, 0);
            m.Result = 1;
            MarkHandled();
        }
    } else if (command == SC_MOUSEMENU) {
        ShowSystemMenu();
        m.Result = 0;
        MarkHandled();
    }
}

void TSeCustomForm::onPaintForm(TMessage& m)
{
    MarkHandled();
    m.Result = 1;
    auto dc = reinterpret_cast<HDC>(m.LParam);
    if (!dc)
        return;
    // The offsets are signed: a control left of or above the frame's
    // corner asks with negative ones.
    int dx = short(LOWORD(m.WParam));
    int dy = short(HIWORD(m.WParam));
    bool wasActive = active_;
    active_ = true;
    try {
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, dx, dy, nullptr);
        {
            TCanvas canvas;
            canvas.SetHandle(dc);
            PaintFrame(canvas);
            canvas.SetHandle(nullptr);
        }
        RestoreDC(dc, saved);
        saved = SaveDC(dc);
        RECT client = GetClientBounds();
        OffsetViewportOrgEx(dc, dx + client.left, dy + client.top, nullptr);
        IntersectClipRect(dc, 0, 0, Width(client), Height(client));
        {
            TCanvas canvas;
            canvas.SetHandle(dc);
            paintClientInto(canvas);
            canvas.SetHandle(nullptr);
        }
        RestoreDC(dc, saved);
    } catch (...) {
        active_ = wasActive;
        throw;
    }
    active_ = wasActive;
}
