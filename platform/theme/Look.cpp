#include "platform/theme/Look.h"

#include "platform/chrome/ChromePaint.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/theme/ThemePaint.h"
#include "platform/UxTheme.h"

#include <array>

namespace brio {

namespace {

using theme::ThemeClass;

constexpr std::array<std::string_view, kLookPartCount> kNames = {
    "push button", "check box", "radio button", "group box",
    "scroll arrow up", "scroll arrow down", "scroll arrow left", "scroll arrow right",
    "scroll thumb horizontal", "scroll thumb vertical", "scroll track horizontal", "scroll track vertical",
    "edit frame",
    "track channel", "track channel vertical",
    "track thumb", "track thumb down", "track thumb up", "track thumb vertical", "track thumb left",
    "track thumb right",
    "panel body", "panel head", "panel close", "panel collapse", "panel expand",
    "menu popup", "menu item", "menu separator", "menu check", "menu bullet", "menu submenu",
    "caption close", "caption minimize", "caption maximize", "caption restore", "caption help",
};

struct ThemedPart {
    ThemeClass themeClass;
    int part;
    int state;
};

// normal / hot / pressed / disabled as 0..3, the order most parts number their states in.
int mode(const LookState& s)
{
    return s.disabled ? 3 : s.pressed ? 2 : s.hot ? 1 : 0;
}

int buttonState(const LookState& s)
{
    return 1 + mode(s);
}

ThemedPart themedPart(LookPart part, const LookState& s)
{
    switch (part) {
    case LookPart::PushButton:
        return {ThemeClass::Button, BP_PUSHBUTTON,
                s.disabled ? PBS_DISABLED : s.pressed ? PBS_PRESSED : s.hot ? PBS_HOT
                : (s.defaulted || s.focused) ? PBS_DEFAULTED : PBS_NORMAL};
    case LookPart::CheckBox:
        return {ThemeClass::Button, BP_CHECKBOX, (s.mixed ? 9 : s.checked ? 5 : 1) + mode(s)};
    case LookPart::RadioButton: return {ThemeClass::Button, BP_RADIOBUTTON, (s.checked ? 5 : 1) + mode(s)};
    case LookPart::GroupBox: return {ThemeClass::Button, BP_GROUPBOX, s.disabled ? GBS_DISABLED : GBS_NORMAL};
    case LookPart::ScrollArrowUp: return {ThemeClass::ScrollBar, SBP_ARROWBTN, ABS_UPNORMAL + mode(s)};
    case LookPart::ScrollArrowDown: return {ThemeClass::ScrollBar, SBP_ARROWBTN, ABS_DOWNNORMAL + mode(s)};
    case LookPart::ScrollArrowLeft: return {ThemeClass::ScrollBar, SBP_ARROWBTN, ABS_LEFTNORMAL + mode(s)};
    case LookPart::ScrollArrowRight: return {ThemeClass::ScrollBar, SBP_ARROWBTN, ABS_RIGHTNORMAL + mode(s)};
    case LookPart::ScrollThumbHorz: return {ThemeClass::ScrollBar, SBP_THUMBBTNHORZ, buttonState(s)};
    case LookPart::ScrollThumbVert: return {ThemeClass::ScrollBar, SBP_THUMBBTNVERT, buttonState(s)};
    case LookPart::ScrollTrackHorz: return {ThemeClass::ScrollBar, SBP_LOWERTRACKHORZ, buttonState(s)};
    case LookPart::ScrollTrackVert: return {ThemeClass::ScrollBar, SBP_LOWERTRACKVERT, buttonState(s)};
    case LookPart::EditFrame:
        return {ThemeClass::Edit, EP_EDITTEXT,
                s.disabled ? ETS_DISABLED : s.focused ? ETS_FOCUSED : s.hot ? ETS_HOT : ETS_NORMAL};
    case LookPart::TrackChannel: return {ThemeClass::TrackBar, TKP_TRACK, TRS_NORMAL};
    case LookPart::TrackChannelVert: return {ThemeClass::TrackBar, TKP_TRACKVERT, TRVS_NORMAL};
    case LookPart::TrackThumb:
    case LookPart::TrackThumbDown:
    case LookPart::TrackThumbUp:
    case LookPart::TrackThumbVert:
    case LookPart::TrackThumbLeft:
    case LookPart::TrackThumbRight: {
        const int first = TKP_THUMB + (int(part) - int(LookPart::TrackThumb));
        return {ThemeClass::TrackBar, first,
                s.disabled ? TUS_DISABLED : s.pressed ? TUS_PRESSED : s.hot ? TUS_HOT : s.focused ? TUS_FOCUSED
                                                                                       : TUS_NORMAL};
    }
    case LookPart::PanelBody: return {ThemeClass::ExplorerBar, EBP_NORMALGROUPBACKGROUND, 1};
    case LookPart::PanelHead: return {ThemeClass::ExplorerBar, EBP_NORMALGROUPHEAD, 1};
    case LookPart::PanelClose:
        return {ThemeClass::ExplorerBar, EBP_HEADERCLOSE, s.pressed ? EBHC_PRESSED : s.hot ? EBHC_HOT : EBHC_NORMAL};
    case LookPart::PanelCollapse:
        return {ThemeClass::ExplorerBar, EBP_NORMALGROUPCOLLAPSE,
                s.pressed ? EBNGC_PRESSED : s.hot ? EBNGC_HOT : EBNGC_NORMAL};
    case LookPart::PanelExpand:
        return {ThemeClass::ExplorerBar, EBP_NORMALGROUPEXPAND,
                s.pressed ? EBNGE_PRESSED : s.hot ? EBNGE_HOT : EBNGE_NORMAL};
    case LookPart::MenuPopup: return {ThemeClass::Menu, MENU_POPUPBACKGROUND, 1};
    case LookPart::MenuItem:
        return {ThemeClass::Menu, MENU_POPUPITEM,
                s.disabled ? (s.hot ? MPI_DISABLEDHOT : MPI_DISABLED) : s.hot ? MPI_HOT : MPI_NORMAL};
    case LookPart::MenuSeparator: return {ThemeClass::Menu, MENU_POPUPSEPARATOR, 1};
    case LookPart::MenuCheck:
        return {ThemeClass::Menu, MENU_POPUPCHECK, s.disabled ? MC_CHECKMARKDISABLED : MC_CHECKMARKNORMAL};
    case LookPart::MenuBullet:
        return {ThemeClass::Menu, MENU_POPUPCHECK, s.disabled ? MC_BULLETDISABLED : MC_BULLETNORMAL};
    case LookPart::MenuSubmenu: return {ThemeClass::Menu, MENU_POPUPSUBMENU, s.disabled ? MSM_DISABLED : MSM_NORMAL};
    case LookPart::CaptionClose: return {ThemeClass::Window, WP_CLOSEBUTTON, buttonState(s)};
    case LookPart::CaptionMinimize: return {ThemeClass::Window, WP_MINBUTTON, buttonState(s)};
    case LookPart::CaptionMaximize: return {ThemeClass::Window, WP_MAXBUTTON, buttonState(s)};
    case LookPart::CaptionRestore: return {ThemeClass::Window, WP_RESTOREBUTTON, buttonState(s)};
    case LookPart::CaptionHelp: return {ThemeClass::Window, WP_HELPBUTTON, buttonState(s)};
    }
    return {ThemeClass::Button, BP_PUSHBUTTON, PBS_NORMAL};
}

bool describe(LookPart part, const LookState& state, theme::PartLook& look)
{
    const ThemedPart t = themedPart(part, state);
    return theme::DescribePart(t.themeClass, t.part, t.state, theme::CurrentThemeColors(), look);
}

void paintThemed(DeviceContext& dc, LookPart part, const LookState& state, const RECT& r)
{
    theme::PartLook look;
    if (describe(part, state, look))
        theme::PaintPartPicture(dc, theme::DrawPartPicture(look, r), r, nullptr);
    if (part == LookPart::MenuPopup) {
        theme::PartLook borders;
        theme::DescribePart(ThemeClass::Menu, MENU_POPUPBORDERS, 1, theme::CurrentThemeColors(), borders);
        theme::PaintPartPicture(dc, theme::DrawPartPicture(borders, r), r, nullptr);
    }
}

void frameControl(HDC dc, RECT r, UINT type, UINT state)
{
    DrawFrameControl(dc, &r, type, state);
}

void edge(HDC dc, RECT r, UINT kind, UINT flags)
{
    DrawEdge(dc, &r, kind, flags);
}

UINT pushedAndInactive(const LookState& s)
{
    return (s.pressed ? DFCS_PUSHED : 0u) | (s.disabled ? DFCS_INACTIVE : 0u);
}

// The classic pointed thumb: a raised body whose tip is a dark-edged point.
void paintClassicPointedThumb(HDC dc, DeviceContext& d, LookPart part, const RECT& r)
{
    theme::PartLook look;
    look.shape = part == LookPart::TrackThumbDown ? theme::Shape::PointDown
                 : part == LookPart::TrackThumbUp ? theme::Shape::PointUp
                 : part == LookPart::TrackThumbLeft ? theme::Shape::PointLeft
                                                    : theme::Shape::PointRight;
    look.fill = GetSysColor(COLOR_BTNFACE);
    look.border = GetSysColor(COLOR_3DDKSHADOW);
    look.borderWidth = 1;
    theme::PaintPartPicture(d, theme::DrawPartPicture(look, r), r, nullptr);
    const bool vertical = part == LookPart::TrackThumbDown || part == LookPart::TrackThumbUp;
    const int across = vertical ? Width(r) : Height(r);
    const int tip = (across + 1) / 2;
    RECT body = r;
    UINT sides = BF_RECT;
    switch (part) {
    case LookPart::TrackThumbDown: body.bottom -= tip, sides &= ~UINT(BF_BOTTOM); break;
    case LookPart::TrackThumbUp: body.top += tip, sides &= ~UINT(BF_TOP); break;
    case LookPart::TrackThumbLeft: body.left += tip, sides &= ~UINT(BF_LEFT); break;
    default: body.right -= tip, sides &= ~UINT(BF_RIGHT); break;
    }
    InflateRect(&body, -1, -1);
    if (!IsEmpty(body))
        edge(dc, body, BDR_RAISEDINNER, sides);
}

void paintClassic(HDC dc, DeviceContext& d, LookPart part, const LookState& s, const RECT& r)
{
    switch (part) {
    case LookPart::PushButton: {
        RECT face = r;
        if (s.defaulted || s.focused) {
            FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
            InflateRect(&face, -1, -1);
        }
        frameControl(dc, face, DFC_BUTTON, DFCS_BUTTONPUSH | pushedAndInactive(s));
        return;
    }
    case LookPart::CheckBox:
        frameControl(dc, r, DFC_BUTTON,
                     (s.mixed ? DFCS_BUTTON3STATE | DFCS_CHECKED : DFCS_BUTTONCHECK)
                         | (s.checked ? DFCS_CHECKED : 0u) | pushedAndInactive(s));
        return;
    case LookPart::RadioButton:
        frameControl(dc, r, DFC_BUTTON, DFCS_BUTTONRADIO | (s.checked ? DFCS_CHECKED : 0u) | pushedAndInactive(s));
        return;
    case LookPart::GroupBox: edge(dc, r, EDGE_ETCHED, BF_RECT); return;
    case LookPart::ScrollArrowUp:
    case LookPart::ScrollArrowDown:
    case LookPart::ScrollArrowLeft:
    case LookPart::ScrollArrowRight: {
        static constexpr UINT kinds[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT};
        const UINT kind = kinds[int(part) - int(LookPart::ScrollArrowUp)];
        // A held scroll arrow goes flat, as the window's own scroll bars draw it.
        frameControl(dc, r, DFC_SCROLL,
                     kind | (s.pressed ? DFCS_PUSHED | DFCS_FLAT : 0u) | (s.disabled ? DFCS_INACTIVE : 0u));
        return;
    }
    case LookPart::ScrollThumbHorz:
    case LookPart::ScrollThumbVert: edge(dc, r, EDGE_RAISED, BF_RECT | BF_MIDDLE); return;
    case LookPart::ScrollTrackHorz:
    case LookPart::ScrollTrackVert:
        if (s.pressed)
            FillWithSysColor(d, r, COLOR_3DDKSHADOW);
        else
            FillDithered(d, r, GetSysColor(COLOR_SCROLLBAR), GetSysColor(COLOR_3DHILIGHT));
        return;
    case LookPart::EditFrame:
        FillWithSysColor(d, r, s.disabled ? COLOR_BTNFACE : COLOR_WINDOW);
        edge(dc, r, EDGE_SUNKEN, BF_RECT);
        return;
    case LookPart::TrackChannel:
    case LookPart::TrackChannelVert:
        FillWithSysColor(d, r, s.disabled ? COLOR_BTNFACE : COLOR_BTNHIGHLIGHT);
        edge(dc, r, EDGE_SUNKEN, BF_RECT);
        return;
    case LookPart::TrackThumb:
    case LookPart::TrackThumbVert: edge(dc, r, EDGE_RAISED, BF_RECT | BF_MIDDLE); return;
    case LookPart::TrackThumbDown:
    case LookPart::TrackThumbUp:
    case LookPart::TrackThumbLeft:
    case LookPart::TrackThumbRight: paintClassicPointedThumb(dc, d, part, r); return;
    case LookPart::PanelBody: edge(dc, r, EDGE_ETCHED, BF_RECT | BF_MIDDLE); return;
    case LookPart::PanelHead:
        FillWithSysColor(d, r, COLOR_BTNFACE);
        edge(dc, r, BDR_RAISEDINNER, BF_RECT);
        return;
    case LookPart::PanelClose:
    case LookPart::PanelCollapse:
    case LookPart::PanelExpand: {
        const UINT type = part == LookPart::PanelClose ? DFC_CAPTION : DFC_SCROLL;
        const UINT kind = part == LookPart::PanelClose      ? DFCS_CAPTIONCLOSE
                          : part == LookPart::PanelCollapse ? DFCS_SCROLLUP
                                                            : DFCS_SCROLLDOWN;
        frameControl(dc, r, type, kind | (s.pressed ? DFCS_PUSHED : 0u));
        if (s.pressed)
            edge(dc, r, BDR_SUNKENOUTER, BF_RECT);
        else if (s.hot)
            edge(dc, r, BDR_RAISEDINNER, BF_RECT);
        else
            FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        RECT inner = r;
        InflateRect(&inner, -1, -1);
        FrameRect(dc, &inner, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    case LookPart::MenuPopup:
        FillWithSysColor(d, r, COLOR_MENU);
        edge(dc, r, EDGE_RAISED, BF_RECT);
        return;
    case LookPart::MenuItem:
        if (s.hot && !s.disabled)
            FillWithSysColor(d, r, COLOR_HIGHLIGHT);
        else if (s.hot)
            FrameRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        return;
    case LookPart::MenuSeparator: {
        const RECT line{r.left, r.top + Height(r) / 2 - 1, r.right, r.top + Height(r) / 2 + 1};
        edge(dc, line, EDGE_ETCHED, BF_TOP);
        return;
    }
    case LookPart::MenuCheck:
    case LookPart::MenuBullet:
    case LookPart::MenuSubmenu:
        // Marks in the menu text colours: the same in both looks.
        paintThemed(d, part, s, r);
        return;
    case LookPart::CaptionClose:
    case LookPart::CaptionMinimize:
    case LookPart::CaptionMaximize:
    case LookPart::CaptionRestore:
    case LookPart::CaptionHelp: {
        static constexpr UINT kinds[] = {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE,
                                         DFCS_CAPTIONHELP};
        frameControl(dc, r, DFC_CAPTION, kinds[int(part) - int(LookPart::CaptionClose)] | pushedAndInactive(s));
        return;
    }
    }
}

COLORREF classicTextColor(LookPart part, const LookState& s)
{
    switch (part) {
    case LookPart::EditFrame: return GetSysColor(s.disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    case LookPart::MenuPopup: return GetSysColor(s.disabled ? COLOR_GRAYTEXT : COLOR_MENUTEXT);
    case LookPart::MenuItem:
        return GetSysColor(s.disabled ? COLOR_GRAYTEXT : s.hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    default: return GetSysColor(s.disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    }
}

} // namespace

bool LookThemed()
{
    return IsThemeActive() && IsAppThemed();
}

void DrawLookPart(HDC dc, LookPart part, const LookState& state, const RECT& r)
{
    DeviceContext* d = LookupDc(dc);
    if (!d || IsEmpty(r) || int(part) >= kLookPartCount)
        return;
    if (LookThemed())
        paintThemed(*d, part, state, r);
    else
        paintClassic(dc, *d, part, state, r);
}

COLORREF LookTextColor(LookPart part, const LookState& state)
{
    if (!LookThemed())
        return classicTextColor(part, state);
    theme::PartLook look;
    if (describe(part, state, look) && look.drawsText)
        return look.text;
    return classicTextColor(part, state);
}

void DrawLookText(HDC dc, LookPart part, const LookState& state, std::string_view text, const RECT& r, UINT format)
{
    const COLORREF previousColor = SetTextColor(dc, LookTextColor(part, state));
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    RECT box = r;
    DrawText(dc, text.data(), int(text.size()), &box, format);
    SetBkMode(dc, previousMode);
    SetTextColor(dc, previousColor);
}

std::string_view LookPartName(LookPart part)
{
    const int i = int(part);
    return i < kLookPartCount ? kNames[std::size_t(i)] : std::string_view{};
}

} // namespace brio
