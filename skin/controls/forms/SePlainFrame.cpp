// The frame of a form without a usable skin: system-metric borders and a
// caption, drawn through the visual styles' "Window" class, or classically
// when themes are off.

#include "skin/controls/forms/SeCustomForm.h"

#include "platform/RectMath.h"
#include "platform/UxTheme.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Icon.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kButtonGap = 2;
constexpr int kCornerReach = 20;

struct ButtonPlace {
    int index;
    TSeBorderIcon icon;
};

} // namespace

RECT TSeCustomForm::GetClientBounds()
{
    RECT frame = frameRect();
    if (borderStyle_ == kbsNone)
        return frame;
    int border = frameMetric_;
    RECT client{border, border + captionHeight(), frame.right - border, frame.bottom - border};
    client.right = std::max(client.left, client.right);
    client.bottom = std::max(client.top, client.bottom);
    return client;
}

RECT TSeCustomForm::GetButtonRect(int index)
{
    if (borderStyle_ == kbsNone)
        return RECT{};
    int border = frameMetric_;
    int caption = captionHeight();
    if (index == kButtonSystemMenu) {
        if (!borderIcons_.Contains(kbiSystemMenu))
            return RECT{};
        return RECT{border, border, border + caption, border + caption};
    }
    int height = caption - 4;
    int width = IsThemeActive() ? caption - 4 : caption - 2;
    int top = border + 2;
    bool minimized = windowState_ == kwsMinimized;
    bool rolledUp = windowState_ == kwsRollup;
    bool tool = borderStyle_ == kbsToolWindow;
    // Right to left along the caption.
    const std::array<ButtonPlace, 6> order{{{kButtonClose, kbiClose},
                                            {kButtonMaximize, kbiMaximize},
                                            {kButtonMinimize, kbiMinimize},
                                            {kButtonRollup, kbiRollup},
                                            {kButtonTray, kbiTray},
                                            {kButtonHelp, kbiHelp}}};
    int right = frameSize_.cx - border - kButtonGap;
    for (const ButtonPlace& place : order) {
        if (!borderIcons_.Contains(place.icon))
            continue;
        if (tool && place.index != kButtonClose)
            continue;
        if (minimized && (place.index == kButtonMinimize || place.index == kButtonTray || place.index == kButtonHelp))
            continue;
        if (rolledUp && place.index == kButtonHelp)
            continue;
        RECT r{right - width, top, right, top + height};
        if (place.index == index)
            return r;
        right -= width + kButtonGap;
    }
    return RECT{};
}

TSeFrameZone TSeCustomForm::HitTestZone(POINT p)
{
    int width = frameSize_.cx, height = frameSize_.cy;
    if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height)
        return fzNone;
    RECT client = GetClientBounds();
    TSeFrameZone zone = fzNone;
    if (p.y < client.top)
        zone = fzCaption;
    const std::array<std::pair<int, TSeFrameZone>, 7> buttons{{{kButtonSystemMenu, fzSysMenu},
                                                               {kButtonClose, fzClose},
                                                               {kButtonMinimize, fzMinimize},
                                                               {kButtonMaximize, fzMaximize},
                                                               {kButtonHelp, fzHelp},
                                                               {kButtonRollup, fzRollup},
                                                               {kButtonTray, fzTray}}};
    for (auto [index, buttonZone] : buttons)
        if (Contains(GetButtonRect(index), p.x, p.y))
            zone = buttonZone;
    if (windowState_ == kwsMaximized || windowState_ == kwsMinimized || windowState_ == kwsRollup)
        return zone;
    if (borderStyle_ == kbsNone)
        return zone;
    auto horizontal = [&](TSeFrameZone middle, TSeFrameZone left, TSeFrameZone right) {
        if (p.x < kCornerReach)
            return left;
        if (p.x >= width - kCornerReach)
            return right;
        return middle;
    };
    auto vertical = [&](TSeFrameZone middle, TSeFrameZone top, TSeFrameZone bottom) {
        if (p.y < kCornerReach)
            return top;
        if (p.y >= height - kCornerReach)
            return bottom;
        return middle;
    };
    if (p.y < client.top - captionHeight())
        zone = horizontal(fzTop, fzTopLeft, fzTopRight);
    if (p.y >= client.bottom)
        zone = horizontal(fzBottom, fzBottomLeft, fzBottomRight);
    if (p.x < client.left)
        zone = vertical(fzLeft, fzTopLeft, fzBottomLeft);
    if (p.x >= client.right)
        zone = vertical(fzRight, fzTopRight, fzBottomRight);
    return zone;
}

HRGN TSeCustomForm::CreateRegion()
{
    RECT frame = frameRect();
    if (borderStyle_ != kbsNone) {
        if (HTHEME theme = OpenThemeData(windowHandle(), "Window")) {
            HRGN region = nullptr;
            HDC dc = GetWindowDC(windowHandle());
            HRESULT hr = GetThemeBackgroundRegion(theme, dc, WP_CAPTION, CS_ACTIVE, &frame, &region);
            ReleaseDC(windowHandle(), dc);
            CloseThemeData(theme);
            if (SUCCEEDED(hr) && region)
                return region;
        }
    }
    return CreateRectRgn(frame.left, frame.top, frame.right, frame.bottom);
}

namespace {

int themePartOf(int index, bool maximized)
{
    switch (index) {
    case kButtonClose:    return WP_CLOSEBUTTON;
    case kButtonMaximize: return maximized ? WP_RESTOREBUTTON : WP_MAXBUTTON;
    case kButtonMinimize: return WP_MINBUTTON;
    case kButtonHelp:     return WP_HELPBUTTON;
    default:              return 0;
    }
}

UINT classicKindOf(int index, bool maximized)
{
    switch (index) {
    case kButtonClose:    return DFCS_CAPTIONCLOSE;
    case kButtonMaximize: return maximized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
    case kButtonMinimize: return DFCS_CAPTIONMIN;
    case kButtonHelp:     return DFCS_CAPTIONHELP;
    default:              return DFCS_BUTTONPUSH;
    }
}

TSeFrameZone zoneOfButton(int index)
{
    switch (index) {
    case kButtonClose:    return fzClose;
    case kButtonMaximize: return fzMaximize;
    case kButtonMinimize: return fzMinimize;
    case kButtonHelp:     return fzHelp;
    case kButtonRollup:   return fzRollup;
    case kButtonTray:     return fzTray;
    default:              return fzNone;
    }
}

void fillRect(HDC dc, RECT r, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// The roll-up and tray buttons have no part of their own: a bar at the
// top, and a small box at the bottom right.
void paintOwnGlyph(HDC dc, const RECT& r, int index, COLORREF colour)
{
    int w = Width(r), h = Height(r);
    if (index == kButtonRollup)
        fillRect(dc, RECT{r.left + w / 4, r.top + h / 4, r.right - w / 4, r.top + h / 4 + 2}, colour);
    else if (index == kButtonTray)
        fillRect(dc, RECT{r.right - w / 2, r.bottom - h / 2, r.right - w / 4, r.bottom - h / 4}, colour);
}

} // namespace

void TSeCustomForm::PaintFrame(TCanvas& canvas)
{
    HDC dc = canvas.Handle();
    if (!dc || borderStyle_ == kbsNone)
        return;
    RECT frame = frameRect();
    RECT client = GetClientBounds();
    int border = frameMetric_;
    RECT captionBand{border, border, frame.right - border, client.top};
    bool maximized = windowState_ == kwsMaximized;
    bool tool = borderStyle_ == kbsToolWindow;
    HTHEME theme = OpenThemeData(windowHandle(), "Window");
    COLORREF textColour = GetSysColor(active_ ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);

    if (theme) {
        int frameState = active_ ? FS_ACTIVE : FS_INACTIVE;
        RECT top{0, 0, frame.right, client.top};
        DrawThemeBackground(theme, dc, tool ? WP_SMALLCAPTION : WP_CAPTION, active_ ? CS_ACTIVE : CS_INACTIVE, &top,
                            nullptr);
        RECT left{0, client.top, client.left, frame.bottom};
        RECT right{client.right, client.top, frame.right, frame.bottom};
        RECT bottom{client.left, client.bottom, client.right, frame.bottom};
        DrawThemeBackground(theme, dc, tool ? WP_SMALLFRAMELEFT : WP_FRAMELEFT, frameState, &left, nullptr);
        DrawThemeBackground(theme, dc, tool ? WP_SMALLFRAMERIGHT : WP_FRAMERIGHT, frameState, &right, nullptr);
        DrawThemeBackground(theme, dc, tool ? WP_SMALLFRAMEBOTTOM : WP_FRAMEBOTTOM, frameState, &bottom, nullptr);
        GetThemeColor(theme, WP_CAPTION, active_ ? CS_ACTIVE : CS_INACTIVE, TMT_TEXTCOLOR, &textColour);
    } else {
        fillRect(dc, frame, GetSysColor(COLOR_3DFACE));
        RECT edge = frame;
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
        fillRect(dc, captionBand, GetSysColor(active_ ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    }

    // The caption icon, then the title up to the first button.
    int titleLeft = captionBand.left + 2;
    RECT iconRect = GetButtonRect(kButtonSystemMenu);
    if (!IsEmpty(iconRect)) {
        HICON icon = FormIcon();
        if (!icon && Application->Icon() && !Application->Icon()->Empty())
            icon = Application->Icon()->Handle();
        if (icon)
            DrawIconEx(dc, iconRect.left + 1, iconRect.top + 1, icon, Width(iconRect) - 2, Height(iconRect) - 2, 0,
                       nullptr, DI_NORMAL);
        titleLeft = iconRect.right + 2;
    }
    int titleRight = captionBand.right;
    for (int index : {kButtonClose, kButtonMaximize, kButtonMinimize, kButtonHelp, kButtonRollup, kButtonTray}) {
        RECT r = GetButtonRect(index);
        if (IsEmpty(r))
            continue;
        titleRight = std::min<int>(titleRight, r.left - kButtonGap);
        bool pressed = pressedZone_ == zoneOfButton(index) && hoverZone_ == pressedZone_;
        bool hot = !pressed && hoverZone_ == zoneOfButton(index);
        if (theme && themePartOf(index, maximized)) {
            int state = pressed ? CBS_PUSHED : hot ? CBS_HOT : CBS_NORMAL;
            DrawThemeBackground(theme, dc, themePartOf(index, maximized), state, &r, nullptr);
        } else if (theme) {
            int state = pressed ? CBS_PUSHED : hot ? CBS_HOT : CBS_NORMAL;
            DrawThemeBackground(theme, dc, WP_CLOSEBUTTON, state, &r, nullptr);
            RECT inner = r;
            fillRect(dc, RECT{inner.left + 2, inner.top + 2, inner.right - 2, inner.bottom - 2},
                     GetSysColor(COLOR_3DFACE));
            paintOwnGlyph(dc, r, index, GetSysColor(COLOR_BTNTEXT));
        } else {
            RECT face = r;
            UINT kind = classicKindOf(index, maximized);
            DrawFrameControl(dc, &face, kind == DFCS_BUTTONPUSH ? DFC_BUTTON : DFC_CAPTION,
                             kind | (pressed ? DFCS_PUSHED : 0));
            paintOwnGlyph(dc, r, index, GetSysColor(COLOR_BTNTEXT));
        }
    }
    RECT title{titleLeft, captionBand.top, titleRight, captionBand.bottom};
    if (!IsEmpty(title) && !caption_.empty()) {
        HGDIOBJ oldFont = captionFont() ? SelectObject(dc, captionFont()) : nullptr;
        int oldMode = SetBkMode(dc, TRANSPARENT);
        COLORREF oldColour = SetTextColor(dc, textColour);
        DrawText(dc, caption_.c_str(), int(caption_.size()), &title,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
        if (oldFont)
            SelectObject(dc, oldFont);
    }
    if (theme)
        CloseThemeData(theme);
}
