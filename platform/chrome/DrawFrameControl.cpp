// DrawFrameControl: classic buttons, caption buttons, scroll arrows and menu
// marks, in fixed system colours. Everything goes straight to the target
// through ChromePaint, so the DC's selections and modes stay as they were.

#include "platform/chrome/ChromePaint.h"
#include "platform/chrome/FrameGlyphs.h"

#include <algorithm>

namespace {

constexpr UINT kKindMask = 0x00FF;

COLORREF sysColor(int index)
{
    return GetSysColor(index);
}

UINT styleFlags(UINT state)
{
    UINT flags = 0;
    if (state & DFCS_FLAT)
        flags |= BF_FLAT;
    if (state & DFCS_MONO)
        flags |= BF_MONO;
    return flags;
}

RECT centredSquare(const RECT& r)
{
    const int side = std::min(Width(r), Height(r));
    const int left = r.left + (Width(r) - side) / 2;
    const int top = r.top + (Height(r) - side) / 2;
    return RECT{left, top, left + side, top + side};
}

POINT centredIn(const RECT& area, const GlyphMask& glyph)
{
    return POINT{area.left + (Width(area) - glyph.width()) / 2, area.top + (Height(area) - glyph.height()) / 2};
}

// A button symbol: pushed moves it one pixel down and right; inactive is
// embossed, a highlight copy showing below and right of a shadow copy.
void paintButtonGlyph(DeviceContext& dc, const GlyphMask& glyph, const RECT& button, UINT state)
{
    POINT at = centredIn(button, glyph);
    if (state & DFCS_PUSHED) {
        ++at.x;
        ++at.y;
    }
    if (state & DFCS_INACTIVE) {
        glyph.paint(dc, POINT{at.x + 1, at.y + 1}, sysColor(COLOR_BTNHIGHLIGHT));
        glyph.paint(dc, at, sysColor(COLOR_BTNSHADOW));
        return;
    }
    glyph.paint(dc, at, sysColor(COLOR_BTNTEXT));
}

// The raised (or pushed-in) face every button kind shares; returns the area
// inside its border.
RECT paintButtonFace(DeviceContext& dc, const RECT& r, bool pushedIn, UINT state)
{
    return PaintEdge(dc, r, pushedIn ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE | styleFlags(state));
}

void paintPushButton(DeviceContext& dc, RECT& r, UINT state)
{
    RECT inside = paintButtonFace(dc, r, state & (DFCS_PUSHED | DFCS_CHECKED), state);
    // A latched toggle shows the dithered face.
    if ((state & DFCS_CHECKED) && !(state & (DFCS_PUSHED | DFCS_FLAT | DFCS_MONO)))
        FillDithered(dc, inside, sysColor(COLOR_BTNHIGHLIGHT), sysColor(COLOR_BTNFACE));
    if (state & DFCS_ADJUSTRECT)
        r = inside;
}

void paintCheckBox(DeviceContext& dc, const RECT& r, UINT state)
{
    const RECT box = centredSquare(r);
    if (IsEmpty(box))
        return;
    // Flat and mono boxes have a single frame line; the interior takes the rest.
    const UINT edge = (state & (DFCS_FLAT | DFCS_MONO)) ? BDR_SUNKENOUTER : EDGE_SUNKEN;
    const RECT inside = PaintEdge(dc, box, edge, BF_RECT | styleFlags(state));
    const bool indeterminate = (state & kKindMask) == DFCS_BUTTON3STATE && (state & DFCS_CHECKED);
    if (indeterminate)
        FillDithered(dc, inside, sysColor(COLOR_BTNHIGHLIGHT), sysColor(COLOR_BTNFACE));
    else
        FillWithSysColor(dc, inside, (state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_BTNFACE : COLOR_WINDOW);
    if (!(state & DFCS_CHECKED))
        return;
    const int side = Width(box);
    const GlyphMask mark = CheckMarkGlyph((side * 7 + 6) / 13);
    const bool grey = indeterminate || (state & DFCS_INACTIVE);
    mark.paint(dc, centredIn(box, mark), sysColor(grey ? COLOR_BTNSHADOW : COLOR_BTNTEXT));
}

void paintRadioButton(DeviceContext& dc, const RECT& r, UINT state)
{
    RECT box = centredSquare(r);
    // Even diameters give the round classic shape; an odd cell gives up a pixel.
    if (Width(box) > 2 && Width(box) % 2 != 0)
        box = RECT{box.left, box.top, box.right - 1, box.bottom - 1};
    if (IsEmpty(box))
        return;
    const int diameter = Width(box);
    const POINT at{box.left, box.top};
    if ((state & kKindMask) == DFCS_BUTTONRADIOMASK) {
        // Black where the button is, white around it.
        FillLogicalRect(dc, box, RGB(255, 255, 255));
        RadioGlyph(diameter, RadioPart::Disc).paint(dc, at, RGB(0, 0, 0));
        return;
    }
    const COLORREF interior = sysColor((state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_BTNFACE : COLOR_WINDOW);
    auto paintPart = [&](RadioPart part, COLORREF color) { RadioGlyph(diameter, part).paint(dc, at, color); };
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        const COLORREF frame = sysColor((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW);
        paintPart(RadioPart::OuterTopLeft, frame);
        paintPart(RadioPart::OuterBottomRight, frame);
        paintPart(RadioPart::InnerTopLeft, interior);
        paintPart(RadioPart::InnerBottomRight, interior);
    } else {
        paintPart(RadioPart::OuterTopLeft, sysColor(COLOR_BTNSHADOW));
        paintPart(RadioPart::OuterBottomRight, sysColor(COLOR_BTNHIGHLIGHT));
        paintPart(RadioPart::InnerTopLeft, sysColor(COLOR_3DDKSHADOW));
        paintPart(RadioPart::InnerBottomRight, sysColor(COLOR_3DLIGHT));
    }
    paintPart(RadioPart::Interior, interior);
    if (state & DFCS_CHECKED)
        paintPart(RadioPart::Dot, sysColor((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_BTNTEXT));
}

BOOL paintButton(DeviceContext& dc, RECT& r, UINT state)
{
    switch (state & kKindMask) {
    case DFCS_BUTTONPUSH: paintPushButton(dc, r, state); return TRUE;
    case DFCS_BUTTONCHECK:
    case DFCS_BUTTON3STATE: paintCheckBox(dc, r, state); return TRUE;
    case DFCS_BUTTONRADIO:
    case DFCS_BUTTONRADIOIMAGE:
    case DFCS_BUTTONRADIOMASK: paintRadioButton(dc, r, state); return TRUE;
    default: return FALSE;
    }
}

BOOL paintCaptionButton(DeviceContext& dc, RECT& r, UINT state)
{
    const UINT kind = state & kKindMask;
    if (kind > DFCS_CAPTIONHELP)
        return FALSE;
    const RECT inside = paintButtonFace(dc, r, state & DFCS_PUSHED, state);
    // At the default 16 x 14 the cross is 8 x 7; the window symbols take one more each way.
    const int glyphHeight = std::min(Height(r), Width(r) - 2) / 2;
    const int glyphWidth = glyphHeight + 1;
    if (glyphHeight >= 2) {
        switch (kind) {
        case DFCS_CAPTIONCLOSE: paintButtonGlyph(dc, CloseGlyph(glyphWidth, glyphHeight), r, state); break;
        case DFCS_CAPTIONMIN: paintButtonGlyph(dc, MinimizeGlyph(glyphWidth, glyphHeight), r, state); break;
        case DFCS_CAPTIONMAX: paintButtonGlyph(dc, MaximizeGlyph(glyphWidth + 1, glyphHeight + 1), r, state); break;
        case DFCS_CAPTIONRESTORE:
            paintButtonGlyph(dc, RestoreGlyph(glyphWidth + 1, glyphHeight + 1), r, state);
            break;
        default: paintButtonGlyph(dc, HelpGlyph(glyphWidth, glyphHeight), r, state); break;
        }
    }
    if (state & DFCS_ADJUSTRECT)
        r = inside;
    return TRUE;
}

void paintSizeGrip(DeviceContext& dc, const RECT& r, UINT state)
{
    if (!(state & DFCS_TRANSPARENT))
        FillWithSysColor(dc, r, COLOR_BTNFACE);
    const int size = std::min(Width(r), Height(r));
    if (size <= 0)
        return;
    const POINT at{r.right - size, r.bottom - size};
    SizeGripGlyph(size, true).paint(dc, at, sysColor(COLOR_BTNHIGHLIGHT));
    SizeGripGlyph(size, false).paint(dc, at, sysColor(COLOR_BTNSHADOW));
}

BOOL paintScrollControl(DeviceContext& dc, RECT& r, UINT state)
{
    ArrowDirection direction;
    switch (state & kKindMask) {
    case DFCS_SCROLLUP: direction = ArrowDirection::Up; break;
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX: direction = ArrowDirection::Down; break;
    case DFCS_SCROLLLEFT: direction = ArrowDirection::Left; break;
    case DFCS_SCROLLRIGHT: direction = ArrowDirection::Right; break;
    case DFCS_SCROLLSIZEGRIP: paintSizeGrip(dc, r, state); return TRUE;
    default: return FALSE;
    }
    // A pushed scroll arrow goes flat rather than sunken.
    const bool pushed = state & DFCS_PUSHED;
    const RECT inside = paintButtonFace(dc, r, pushed, pushed ? state | DFCS_FLAT : state);
    const int depth = (std::min(Width(r), Height(r)) - 4) / 3;
    if (depth >= 1)
        paintButtonGlyph(dc, ArrowGlyph(depth, direction), r, state);
    if (state & DFCS_ADJUSTRECT)
        r = inside;
    return TRUE;
}

// Menu marks are masks: black on white, for the menu code to colour.
BOOL paintMenuMark(DeviceContext& dc, const RECT& r, UINT state)
{
    const int size = std::max(0, std::min(Width(r), Height(r)));
    GlyphMask glyph(0, 0);
    switch (state & kKindMask) {
    case DFCS_MENUARROW: glyph = ArrowGlyph(std::max(1, (size + 3) / 4), ArrowDirection::Right); break;
    // Points left: the submenu arrow of right-to-left menus.
    case DFCS_MENUARROWRIGHT: glyph = ArrowGlyph(std::max(1, (size + 3) / 4), ArrowDirection::Left); break;
    case DFCS_MENUCHECK: glyph = CheckMarkGlyph((size * 7 + 6) / 13); break;
    case DFCS_MENUBULLET: {
        const int diameter = std::max(2, size * 5 / 13);
        glyph = DiscGlyph(diameter, diameter / 2.0);
        break;
    }
    default: return FALSE;
    }
    if (!(state & DFCS_TRANSPARENT))
        FillLogicalRect(dc, r, RGB(255, 255, 255));
    if (size > 0)
        glyph.paint(dc, centredIn(r, glyph), RGB(0, 0, 0));
    return TRUE;
}

} // namespace

BOOL DrawFrameControl(HDC dc, RECT* r, UINT type, UINT state)
{
    DeviceContext* d = LookupDc(dc);
    if (!d || !r)
        return FALSE;
    switch (type) {
    case DFC_BUTTON: return paintButton(*d, *r, state);
    case DFC_CAPTION: return paintCaptionButton(*d, *r, state);
    case DFC_SCROLL: return paintScrollControl(*d, *r, state);
    case DFC_MENU: return paintMenuMark(*d, *r, state);
    default: return FALSE;
    }
}
