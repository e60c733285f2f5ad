#include "platform/theme/ThemeParts.h"

#include "platform/UxTheme.h"
#include "platform/WinUser.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace brio::theme {

namespace {

constexpr std::array<std::string_view, 7> kClassNames = {"Window",  "Button",   "ExplorerBar", "ScrollBar",
                                                         "Edit",    "TrackBar", "Menu"};

constexpr PartInfo kWindowParts[] = {
    {WP_CAPTION, 3, "caption"},           {WP_SMALLCAPTION, 3, "small caption"},
    {WP_FRAMELEFT, 2, "frame left"},      {WP_FRAMERIGHT, 2, "frame right"},
    {WP_FRAMEBOTTOM, 2, "frame bottom"},  {WP_SMALLFRAMELEFT, 2, "small frame left"},
    {WP_SMALLFRAMERIGHT, 2, "small frame right"}, {WP_SMALLFRAMEBOTTOM, 2, "small frame bottom"},
    {WP_SYSBUTTON, 4, "system button"},   {WP_MINBUTTON, 4, "minimize"},
    {WP_MAXBUTTON, 4, "maximize"},        {WP_CLOSEBUTTON, 4, "close"},
    {WP_SMALLCLOSEBUTTON, 4, "small close"}, {WP_RESTOREBUTTON, 4, "restore"},
    {WP_HELPBUTTON, 4, "help"},           {WP_DIALOG, 1, "dialog"},
};
constexpr PartInfo kButtonParts[] = {
    {BP_PUSHBUTTON, 5, "push button"},
    {BP_RADIOBUTTON, 8, "radio button"},
    {BP_CHECKBOX, 12, "check box"},
    {BP_GROUPBOX, 2, "group box"},
};
constexpr PartInfo kExplorerBarParts[] = {
    {EBP_HEADERCLOSE, 3, "header close"},
    {EBP_NORMALGROUPBACKGROUND, 1, "group background"},
    {EBP_NORMALGROUPCOLLAPSE, 3, "group collapse"},
    {EBP_NORMALGROUPEXPAND, 3, "group expand"},
    {EBP_NORMALGROUPHEAD, 1, "group head"},
};
constexpr PartInfo kScrollBarParts[] = {
    {SBP_ARROWBTN, 16, "arrow button"},        {SBP_THUMBBTNHORZ, 4, "thumb horizontal"},
    {SBP_THUMBBTNVERT, 4, "thumb vertical"},   {SBP_LOWERTRACKHORZ, 4, "lower track horizontal"},
    {SBP_UPPERTRACKHORZ, 4, "upper track horizontal"}, {SBP_LOWERTRACKVERT, 4, "lower track vertical"},
    {SBP_UPPERTRACKVERT, 4, "upper track vertical"},
};
constexpr PartInfo kEditParts[] = {{EP_EDITTEXT, 6, "edit text"}};
constexpr PartInfo kTrackBarParts[] = {
    {TKP_TRACK, 1, "track"},          {TKP_TRACKVERT, 1, "track vertical"},
    {TKP_THUMB, 5, "thumb"},          {TKP_THUMBBOTTOM, 5, "thumb bottom"},
    {TKP_THUMBTOP, 5, "thumb top"},   {TKP_THUMBVERT, 5, "thumb vertical"},
    {TKP_THUMBLEFT, 5, "thumb left"}, {TKP_THUMBRIGHT, 5, "thumb right"},
};
constexpr PartInfo kMenuParts[] = {
    {MENU_BARBACKGROUND, 2, "bar background"},   {MENU_BARITEM, 6, "bar item"},
    {MENU_POPUPBACKGROUND, 1, "popup background"}, {MENU_POPUPBORDERS, 1, "popup borders"},
    {MENU_POPUPCHECK, 4, "popup check"},         {MENU_POPUPCHECKBACKGROUND, 3, "check background"},
    {MENU_POPUPGUTTER, 1, "popup gutter"},       {MENU_POPUPITEM, 4, "popup item"},
    {MENU_POPUPSEPARATOR, 1, "popup separator"}, {MENU_POPUPSUBMENU, 2, "popup submenu"},
};

void textOn(PartLook& look, COLORREF text, COLORREF background)
{
    look.text = text;
    look.textBackground = background;
    look.drawsText = true;
}

// ---- Window --------------------------------------------------------------------------

void describeCaption(int part, int state, const ThemeColors& c, PartLook& look)
{
    const bool active = state == CS_ACTIVE;
    look.shape = Shape::RoundTop;
    look.radius = part == WP_CAPTION ? 6 : 4;
    look.borderWidth = 1;
    look.openSides = OpenBottom;
    look.border = active ? c.outline : MixColor(c.outline, c.inactiveCaption, 0.5);
    // A disabled caption fades into the face, with the disabled text colour.
    look.fill = active ? c.caption : state == CS_DISABLED ? c.face : c.inactiveCaption;
    if (active) {
        look.accent = c.accent;
        look.accentRows = 2;
    }
    const COLORREF text = state == CS_DISABLED ? c.grayText : active ? c.captionText : c.inactiveCaptionText;
    textOn(look, text, *look.fill);
}

void describeFrame(int part, int state, const ThemeColors& c, PartLook& look)
{
    const bool active = state == FS_ACTIVE;
    look.shape = Shape::Rect;
    look.fill = active ? c.activeBorder : c.inactiveBorder;
    look.border = active ? c.outline : MixColor(c.outline, c.inactiveCaption, 0.5);
    look.borderWidth = 1;
    switch (part) {
    case WP_FRAMELEFT:
    case WP_SMALLFRAMELEFT: look.openSides = OpenTop | OpenRight | OpenBottom; break;
    case WP_FRAMERIGHT:
    case WP_SMALLFRAMERIGHT: look.openSides = OpenTop | OpenLeft | OpenBottom; break;
    default: look.openSides = OpenTop; break;
    }
}

void describeCaptionButton(int part, int state, const ThemeColors& c, PartLook& look)
{
    look.shape = Shape::RoundRect;
    look.radius = 3;
    look.inset = 1;
    look.glyphPercent = 50;
    switch (part) {
    case WP_MINBUTTON: look.glyph = Glyph::Minimize; break;
    case WP_MAXBUTTON: look.glyph = Glyph::Maximize; break;
    case WP_RESTOREBUTTON: look.glyph = Glyph::Restore; break;
    case WP_HELPBUTTON: look.glyph = Glyph::Help; break;
    case WP_CLOSEBUTTON:
    case WP_SMALLCLOSEBUTTON: look.glyph = Glyph::Close; break;
    default: look.glyph = Glyph::None; break; // the caller draws the icon
    }
    const bool close = part == WP_CLOSEBUTTON || part == WP_SMALLCLOSEBUTTON;
    look.glyphColor = c.captionText;
    switch (state) {
    case CBS_HOT:
        look.fill = close ? c.accent : c.captionButtonHot;
        if (close)
            look.glyphColor = c.accentText;
        break;
    case CBS_PUSHED:
        look.fill = close ? MixColor(c.accent, RGB(0, 0, 0), 0.15) : c.captionButtonPressed;
        if (close)
            look.glyphColor = c.accentText;
        break;
    case CBS_DISABLED:
        look.glyphColor = c.grayText;
        // Without a symbol the disabled button still shows that it is there.
        if (look.glyph == Glyph::None) {
            look.border = MixColor(c.caption, c.grayText, 0.5);
            look.borderWidth = 1;
        }
        break;
    default: break;
    }
}

bool describeWindow(int part, int state, const ThemeColors& c, PartLook& look)
{
    switch (part) {
    case WP_CAPTION:
    case WP_SMALLCAPTION: describeCaption(part, state, c, look); return true;
    case WP_FRAMELEFT:
    case WP_FRAMERIGHT:
    case WP_FRAMEBOTTOM:
    case WP_SMALLFRAMELEFT:
    case WP_SMALLFRAMERIGHT:
    case WP_SMALLFRAMEBOTTOM: describeFrame(part, state, c, look); return true;
    case WP_DIALOG:
        look.fill = c.face;
        textOn(look, c.text, c.face);
        return true;
    default: describeCaptionButton(part, state, c, look); return true;
    }
}

// ---- Button --------------------------------------------------------------------------

void describePushButton(int state, const ThemeColors& c, PartLook& look)
{
    look.shape = Shape::RoundRect;
    look.radius = 3;
    look.borderWidth = 1;
    look.border = c.border;
    look.fill = c.control;
    COLORREF text = c.text;
    switch (state) {
    case PBS_HOT:
        look.fill = c.controlHot;
        look.border = c.borderHot;
        break;
    case PBS_PRESSED:
        look.fill = c.controlPressed;
        look.border = c.borderHot;
        break;
    case PBS_DISABLED:
        look.fill = c.face;
        look.border = c.borderDisabled;
        text = c.grayText;
        break;
    case PBS_DEFAULTED:
        look.border = c.accent;
        look.borderWidth = 2;
        break;
    default: break;
    }
    textOn(look, text, *look.fill);
}

// Radio buttons and check boxes: the box, with their label beside it on the face.
void describeToggle(int part, int state, const ThemeColors& c, PartLook& look)
{
    const int kind = (state - 1) / 4; // 0 unchecked, 1 checked, 2 mixed
    const int mode = (state - 1) % 4; // normal, hot, pressed, disabled
    look.square = true;
    look.shape = part == BP_RADIOBUTTON ? Shape::Ellipse : Shape::RoundRect;
    look.radius = 2;
    look.borderWidth = 1;
    look.glyphPercent = part == BP_RADIOBUTTON ? 46 : 70;
    const bool on = kind > 0;
    COLORREF mark = c.accentText;
    switch (mode) {
    case 0:
        look.fill = on ? c.accent : c.window;
        look.border = on ? c.accent : c.border;
        break;
    case 1:
        look.fill = on ? MixColor(c.accent, RGB(255, 255, 255), 0.2) : MixColor(c.window, c.text, 0.08);
        look.border = on ? look.fill.value() : c.borderHot;
        break;
    case 2:
        look.fill = on ? MixColor(c.accent, RGB(0, 0, 0), 0.2) : c.controlPressed;
        look.border = on ? look.fill.value() : c.borderHot;
        break;
    default:
        look.fill = c.face;
        look.border = c.borderDisabled;
        mark = c.grayText;
        break;
    }
    if (on) {
        look.glyph = part == BP_RADIOBUTTON ? Glyph::Dot : kind == 2 ? Glyph::Mixed : Glyph::Check;
        look.glyphColor = mark;
    }
    textOn(look, mode == 3 ? c.grayText : c.text, c.face);
}

bool describeButton(int part, int state, const ThemeColors& c, PartLook& look)
{
    switch (part) {
    case BP_PUSHBUTTON: describePushButton(state, c, look); return true;
    case BP_RADIOBUTTON:
    case BP_CHECKBOX: describeToggle(part, state, c, look); return true;
    case BP_GROUPBOX:
        look.shape = Shape::RoundRect;
        look.radius = 3;
        look.borderWidth = 1;
        look.border = state == GBS_DISABLED ? c.borderDisabled : c.border;
        textOn(look, state == GBS_DISABLED ? c.grayText : c.accent, c.face);
        return true;
    default: return false;
    }
}

// ---- ExplorerBar ---------------------------------------------------------------------

bool describeExplorerBar(int part, int state, const ThemeColors& c, PartLook& look)
{
    switch (part) {
    case EBP_NORMALGROUPBACKGROUND:
        look.fill = c.groupBackground;
        look.border = c.border;
        look.borderWidth = 1;
        look.openSides = OpenTop; // the head closes it
        textOn(look, c.text, c.groupBackground);
        return true;
    case EBP_NORMALGROUPHEAD:
        look.shape = Shape::RoundTop;
        look.radius = 4;
        look.fill = c.control;
        look.border = c.border;
        look.borderWidth = 1;
        textOn(look, c.text, c.control);
        return true;
    default: break;
    }
    look.shape = Shape::Ellipse;
    look.square = true;
    look.inset = 1;
    look.glyphPercent = 50;
    look.glyph = part == EBP_HEADERCLOSE ? Glyph::Close : part == EBP_NORMALGROUPCOLLAPSE ? Glyph::ChevronUp
                                                                                          : Glyph::ChevronDown;
    look.glyphColor = c.text;
    switch (state) {
    case EBHC_HOT:
        look.fill = c.controlHot;
        look.border = c.borderHot;
        look.borderWidth = 1;
        break;
    case EBHC_PRESSED:
        look.fill = c.accent;
        look.glyphColor = c.accentText;
        break;
    default:
        look.fill = c.control;
        look.border = c.border;
        look.borderWidth = 1;
        break;
    }
    return true;
}

// ---- ScrollBar -----------------------------------------------------------------------

bool describeScrollBar(int part, int state, const ThemeColors& c, PartLook& look)
{
    if (part == SBP_ARROWBTN) {
        static constexpr Glyph kArrows[] = {Glyph::ArrowUp, Glyph::ArrowDown, Glyph::ArrowLeft, Glyph::ArrowRight};
        look.glyph = kArrows[(state - 1) / 4];
        look.glyphPercent = 40;
        switch ((state - 1) % 4) {
        case 0:
            look.fill = c.track;
            look.glyphColor = c.thumbHot;
            break;
        case 1:
            look.fill = c.trackHot;
            look.glyphColor = c.text;
            break;
        case 2:
            look.fill = c.accent;
            look.glyphColor = c.accentText;
            break;
        default:
            look.fill = c.face;
            look.glyphColor = c.borderDisabled;
            break;
        }
        return true;
    }
    if (part == SBP_THUMBBTNHORZ || part == SBP_THUMBBTNVERT) {
        // A slim rounded bar over the track, which shows round it.
        look.shape = Shape::RoundRect;
        look.inset = 3;
        look.radius = 3;
        switch (state) {
        case SCRBS_HOT: look.fill = c.thumbHot; break;
        case SCRBS_PRESSED: look.fill = c.accent; break;
        case SCRBS_DISABLED: look.fill = c.borderDisabled; break;
        default: look.fill = c.thumb; break;
        }
        return true;
    }
    switch (state) {
    case SCRBS_HOT: look.fill = c.trackHot; break;
    case SCRBS_PRESSED: look.fill = c.trackPressed; break;
    case SCRBS_DISABLED: look.fill = c.face; break;
    default: look.fill = c.track; break;
    }
    return true;
}

// ---- Edit ----------------------------------------------------------------------------

bool describeEdit(int state, const ThemeColors& c, PartLook& look)
{
    look.borderWidth = 1;
    look.fill = c.window;
    look.border = c.border;
    COLORREF text = c.windowText;
    switch (state) {
    case ETS_HOT: look.border = c.borderHot; break;
    case ETS_SELECTED: look.border = c.accent; break;
    case ETS_FOCUSED:
        look.border = c.accent;
        look.borderWidth = 2;
        break;
    case ETS_DISABLED:
        look.fill = c.face;
        look.border = c.borderDisabled;
        text = c.grayText;
        break;
    case ETS_READONLY:
        look.fill = c.face;
        text = c.text;
        break;
    default: break;
    }
    textOn(look, text, *look.fill);
    return true;
}

// ---- TrackBar ------------------------------------------------------------------------

bool describeTrackBar(int part, int state, const ThemeColors& c, PartLook& look)
{
    if (part == TKP_TRACK || part == TKP_TRACKVERT) {
        look.shape = Shape::RoundRect;
        look.radius = 2;
        look.fill = c.track;
        look.border = c.border;
        look.borderWidth = 1;
        return true;
    }
    switch (part) {
    case TKP_THUMBBOTTOM: look.shape = Shape::PointDown; break;
    case TKP_THUMBTOP: look.shape = Shape::PointUp; break;
    case TKP_THUMBLEFT: look.shape = Shape::PointLeft; break;
    case TKP_THUMBRIGHT: look.shape = Shape::PointRight; break;
    default:
        look.shape = Shape::RoundRect;
        look.radius = 2;
        break;
    }
    look.borderWidth = 1;
    switch (state) {
    case TUS_HOT:
        look.fill = c.controlHot;
        look.border = c.borderHot;
        break;
    case TUS_PRESSED:
        look.fill = c.accent;
        look.border = MixColor(c.accent, RGB(0, 0, 0), 0.25);
        break;
    case TUS_FOCUSED:
        look.fill = c.control;
        look.border = c.accent;
        break;
    case TUS_DISABLED:
        look.fill = c.face;
        look.border = c.borderDisabled;
        break;
    default:
        look.fill = c.control;
        look.border = c.border;
        break;
    }
    return true;
}

// ---- Menu ----------------------------------------------------------------------------

void describeMenuItem(bool disabled, bool hot, bool pushed, COLORREF background, const ThemeColors& c, PartLook& look)
{
    look.shape = Shape::RoundRect;
    look.radius = 2;
    look.inset = 1;
    if (disabled) {
        look.shape = hot || pushed ? Shape::RoundRect : Shape::None;
        look.border = pushed ? c.borderHot : c.border;
        look.borderWidth = 1;
        textOn(look, c.grayText, background);
        return;
    }
    if (hot || pushed) {
        look.fill = pushed ? MixColor(c.accent, RGB(0, 0, 0), 0.15) : c.accent;
        textOn(look, c.accentText, *look.fill);
        return;
    }
    look.shape = Shape::None;
    textOn(look, c.menuText, background);
}

bool describeMenu(int part, int state, const ThemeColors& c, PartLook& look)
{
    switch (part) {
    case MENU_BARBACKGROUND:
        look.fill = c.menuBar;
        textOn(look, state == MB_INACTIVE ? c.grayText : c.menuText, c.menuBar);
        return true;
    case MENU_BARITEM:
        describeMenuItem(state >= MBI_DISABLED, state == MBI_HOT || state == MBI_DISABLEDHOT,
                         state == MBI_PUSHED || state == MBI_DISABLEDPUSHED, c.menuBar, c, look);
        return true;
    case MENU_POPUPBACKGROUND:
        look.fill = c.menu;
        textOn(look, c.menuText, c.menu);
        return true;
    case MENU_POPUPBORDERS:
        look.border = c.border;
        look.borderWidth = 1;
        return true;
    case MENU_POPUPCHECK:
        look.shape = Shape::None;
        look.square = true;
        look.glyph = state <= MC_CHECKMARKDISABLED ? Glyph::Check : Glyph::Bullet;
        look.glyphPercent = state <= MC_CHECKMARKDISABLED ? 60 : 36;
        look.glyphColor = (state == MC_CHECKMARKDISABLED || state == MC_BULLETDISABLED) ? c.grayText : c.menuText;
        return true;
    case MENU_POPUPCHECKBACKGROUND:
        look.shape = Shape::RoundRect;
        look.radius = 2;
        look.borderWidth = 1;
        look.border = state == MCB_DISABLED ? c.borderDisabled : c.borderHot;
        if (state == MCB_NORMAL)
            look.fill = MixColor(c.menu, c.accent, 0.25);
        else if (state == MCB_BITMAP)
            look.fill = MixColor(c.menu, c.text, 0.12);
        return true;
    case MENU_POPUPGUTTER:
        look.shape = Shape::LineRight;
        look.fill = c.border;
        return true;
    case MENU_POPUPITEM:
        describeMenuItem(state >= MPI_DISABLED, state == MPI_HOT || state == MPI_DISABLEDHOT, false, c.menu, c, look);
        return true;
    case MENU_POPUPSEPARATOR:
        look.shape = Shape::LineHorz;
        look.fill = c.border;
        return true;
    case MENU_POPUPSUBMENU:
        look.shape = Shape::None;
        look.glyph = Glyph::ArrowRight;
        look.glyphPercent = 80;
        look.glyphColor = state == MSM_DISABLED ? c.grayText : c.menuText;
        return true;
    default: return false;
    }
}

std::span<const PartInfo> partsOf(ThemeClass themeClass)
{
    switch (themeClass) {
    case ThemeClass::Window: return kWindowParts;
    case ThemeClass::Button: return kButtonParts;
    case ThemeClass::ExplorerBar: return kExplorerBarParts;
    case ThemeClass::ScrollBar: return kScrollBarParts;
    case ThemeClass::Edit: return kEditParts;
    case ThemeClass::TrackBar: return kTrackBarParts;
    case ThemeClass::Menu: return kMenuParts;
    }
    return {};
}

} // namespace

std::optional<ThemeClass> ThemeClassFromName(std::string_view name)
{
    for (std::size_t i = 0; i < kClassNames.size(); ++i) {
        if (brio::asciiEqualNoCase(kClassNames[i], name))
            return ThemeClass(i);
    }
    return std::nullopt;
}

std::string_view ThemeClassName(ThemeClass themeClass)
{
    return kClassNames[std::size_t(themeClass)];
}

std::span<const PartInfo> PartsOf(ThemeClass themeClass)
{
    return partsOf(themeClass);
}

const PartInfo* FindPart(ThemeClass themeClass, int part)
{
    for (const PartInfo& info : partsOf(themeClass))
        if (info.part == part)
            return &info;
    return nullptr;
}

bool DescribePart(ThemeClass themeClass, int part, int state, const ThemeColors& colors, PartLook& look)
{
    const PartInfo* info = FindPart(themeClass, part);
    if (!info || state < 0 || state > info->states)
        return false;
    if (state == 0)
        state = 1;
    look = PartLook{};
    switch (themeClass) {
    case ThemeClass::Window: return describeWindow(part, state, colors, look);
    case ThemeClass::Button: return describeButton(part, state, colors, look);
    case ThemeClass::ExplorerBar: return describeExplorerBar(part, state, colors, look);
    case ThemeClass::ScrollBar: return describeScrollBar(part, state, colors, look);
    case ThemeClass::Edit: return describeEdit(state, colors, look);
    case ThemeClass::TrackBar: return describeTrackBar(part, state, colors, look);
    case ThemeClass::Menu: return describeMenu(part, state, colors, look);
    }
    return false;
}

SIZE NaturalPartSize(ThemeClass themeClass, int part)
{
    switch (themeClass) {
    case ThemeClass::Window:
        switch (part) {
        case WP_CAPTION: return SIZE{0, GetSystemMetrics(SM_CYCAPTION)};
        case WP_SMALLCAPTION: return SIZE{0, GetSystemMetrics(SM_CYSMCAPTION)};
        case WP_FRAMELEFT:
        case WP_FRAMERIGHT:
        case WP_SMALLFRAMELEFT:
        case WP_SMALLFRAMERIGHT: return SIZE{GetSystemMetrics(SM_CXFRAME), 0};
        case WP_FRAMEBOTTOM:
        case WP_SMALLFRAMEBOTTOM: return SIZE{0, GetSystemMetrics(SM_CYFRAME)};
        case WP_DIALOG: return SIZE{0, 0};
        case WP_SMALLCLOSEBUTTON:
            return SIZE{GetSystemMetrics(SM_CXSMSIZE) - 2, GetSystemMetrics(SM_CYSMSIZE) - 4};
        default: return SIZE{GetSystemMetrics(SM_CXSIZE) - 2, GetSystemMetrics(SM_CYSIZE) - 4};
        }
    case ThemeClass::Button:
        return part == BP_RADIOBUTTON || part == BP_CHECKBOX ? SIZE{13, 13} : SIZE{0, 0};
    case ThemeClass::ExplorerBar:
        switch (part) {
        case EBP_NORMALGROUPHEAD: return SIZE{0, 25};
        case EBP_NORMALGROUPBACKGROUND: return SIZE{0, 0};
        default: return SIZE{20, 20};
        }
    case ThemeClass::ScrollBar:
        if (part == SBP_ARROWBTN)
            return SIZE{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYVSCROLL)};
        if (part == SBP_THUMBBTNHORZ || part == SBP_THUMBBTNVERT)
            return SIZE{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYVSCROLL)};
        return SIZE{0, 0};
    case ThemeClass::Edit: return SIZE{0, 0};
    case ThemeClass::TrackBar:
        switch (part) {
        case TKP_TRACK: return SIZE{0, 4};
        case TKP_TRACKVERT: return SIZE{4, 0};
        case TKP_THUMB:
        case TKP_THUMBBOTTOM:
        case TKP_THUMBTOP: return SIZE{11, 21};
        default: return SIZE{21, 11};
        }
    case ThemeClass::Menu:
        switch (part) {
        case MENU_POPUPCHECK:
        case MENU_POPUPCHECKBACKGROUND: return SIZE{16, 16};
        case MENU_POPUPSUBMENU: return SIZE{9, 16};
        case MENU_POPUPSEPARATOR: return SIZE{0, 7};
        case MENU_POPUPGUTTER: return SIZE{3, 0};
        case MENU_POPUPBORDERS: return SIZE{1, 1};
        case MENU_BARITEM:
        case MENU_POPUPITEM: return SIZE{0, 20};
        default: return SIZE{0, 0};
        }
    }
    return SIZE{0, 0};
}

} // namespace brio::theme
