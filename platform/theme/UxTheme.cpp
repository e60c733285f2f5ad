// The visual-styles API over the part catalogue (ThemeParts) and its
// painter (ThemePaint). Handles are checked against a table, as windows are.

#include "platform/UxTheme.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/RectMath.h"
#include "platform/theme/ThemePaint.h"
#include "platform/window/SystemBroadcast.h"

#include <memory>
#include <string_view>
#include <vector>

using namespace brio::theme;

namespace {

struct ThemeRecord {
    ThemeClass themeClass;
    HWND hwnd;
};

struct ThemeTable {
    std::vector<std::unique_ptr<ThemeRecord>> slots;
    bool enabled = true;
};

ThemeTable& themes()
{
    static ThemeTable t;
    return t;
}

// Handles are slot + 1 in the upper bits and a tag in the low ones, so that
// neither null nor a stray small integer passes as one.
constexpr std::uintptr_t kTag = 0x7E;

HTHEME handleOf(std::size_t slot)
{
    return reinterpret_cast<HTHEME>(((slot + 1) << 8) | kTag);
}

ThemeRecord* lookup(HTHEME theme)
{
    const auto value = reinterpret_cast<std::uintptr_t>(theme);
    if ((value & 0xFF) != kTag)
        return nullptr;
    const std::size_t slot = (value >> 8) - 1;
    ThemeTable& t = themes();
    if (slot >= t.slots.size())
        return nullptr;
    return t.slots[slot].get();
}

// The look of a part in a state, or null when the class has no such part.
bool describe(ThemeRecord* record, int part, int state, PartLook& look)
{
    return DescribePart(record->themeClass, part, state, CurrentThemeColors(), look);
}

bool validRect(const RECT* r)
{
    return r && r->right >= r->left && r->bottom >= r->top;
}

} // namespace

HTHEME OpenThemeData(HWND hwnd, const char* classList)
{
    ThemeTable& t = themes();
    if (!t.enabled || !classList)
        return nullptr;
    std::string_view rest = classList;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        const std::string_view name = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        const std::optional<ThemeClass> themeClass = ThemeClassFromName(name);
        if (!themeClass)
            continue;
        auto record = std::make_unique<ThemeRecord>(ThemeRecord{*themeClass, hwnd});
        for (std::size_t i = 0; i < t.slots.size(); ++i)
            if (!t.slots[i]) {
                t.slots[i] = std::move(record);
                return handleOf(i);
            }
        t.slots.push_back(std::move(record));
        return handleOf(t.slots.size() - 1);
    }
    return nullptr;
}

HRESULT CloseThemeData(HTHEME theme)
{
    if (!lookup(theme))
        return E_HANDLE;
    const auto value = reinterpret_cast<std::uintptr_t>(theme);
    themes().slots[(value >> 8) - 1].reset();
    return S_OK;
}

BOOL IsThemeActive()
{
    return themes().enabled ? TRUE : FALSE;
}

BOOL IsAppThemed()
{
    return IsThemeActive();
}

HRESULT EnableTheming(BOOL enable)
{
    ThemeTable& t = themes();
    const bool wanted = enable != FALSE;
    if (t.enabled == wanted)
        return S_OK;
    t.enabled = wanted;
    SendToAllWindows(WM_THEMECHANGED, 0, 0);
    InvalidateAllWindows();
    return S_OK;
}

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* r, const RECT* clip)
{
    ThemeRecord* record = lookup(theme);
    if (!record)
        return E_HANDLE;
    DeviceContext* d = LookupDc(dc);
    if (!d || !validRect(r))
        return E_INVALIDARG;
    PartLook look;
    if (!describe(record, part, state, look))
        return E_INVALIDARG;
    PaintPartPicture(*d, DrawPartPicture(look, *r), *r, clip);
    return S_OK;
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const char* text, int count, DWORD format,
                      DWORD flags2, const RECT* r)
{
    ThemeRecord* record = lookup(theme);
    if (!record)
        return E_HANDLE;
    if (!LookupDc(dc) || !validRect(r) || (!text && count != 0))
        return E_INVALIDARG;
    PartLook look;
    if (!describe(record, part, state, look))
        return E_INVALIDARG;
    if (!text)
        return S_OK;
    const COLORREF color = (flags2 & DTT_GRAYED) ? GetSysColor(COLOR_GRAYTEXT)
                           : look.drawsText      ? look.text
                                                 : GetSysColor(COLOR_BTNTEXT);
    const COLORREF previousColor = SetTextColor(dc, color);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    RECT box = *r;
    DrawText(dc, text, count, &box, format);
    SetBkMode(dc, previousMode);
    SetTextColor(dc, previousColor);
    return S_OK;
}

HRESULT GetThemePartSize(HTHEME theme, HDC, int part, int state, const RECT* r, THEMESIZE kind, SIZE* size)
{
    ThemeRecord* record = lookup(theme);
    if (!record)
        return E_HANDLE;
    if (!size)
        return E_POINTER;
    PartLook look;
    if (!describe(record, part, state, look))
        return E_INVALIDARG;
    const SIZE natural = NaturalPartSize(record->themeClass, part);
    switch (kind) {
    case TS_MIN: {
        // The least that still shows the border, the rounding and the glyph.
        const int least = 2 * (look.inset + look.borderWidth) + std::max(2, 2 * look.radius);
        *size = SIZE{std::max<LONG>(least, natural.cx ? natural.cx / 2 : 0),
                     std::max<LONG>(least, natural.cy ? natural.cy / 2 : 0)};
        return S_OK;
    }
    case TS_TRUE: *size = natural; return S_OK;
    case TS_DRAW:
        if (validRect(r)) {
            *size = SIZE{natural.cx ? std::min<LONG>(natural.cx, Width(*r)) : Width(*r),
                         natural.cy ? std::min<LONG>(natural.cy, Height(*r)) : Height(*r)};
            return S_OK;
        }
        *size = natural;
        return S_OK;
    }
    return E_INVALIDARG;
}

HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC, int part, int state, const RECT* r, HRGN* region)
{
    ThemeRecord* record = lookup(theme);
    if (!record)
        return E_HANDLE;
    if (!region)
        return E_POINTER;
    *region = nullptr;
    PartLook look;
    if (!validRect(r) || !describe(record, part, state, look))
        return E_INVALIDARG;
    Region pixels = Region::fromRects(PartPictureRects(DrawPartPicture(look, *r)));
    *region = static_cast<HRGN>(InsertGdiObject(std::make_unique<RegionObject>(std::move(pixels))));
    return *region ? S_OK : E_FAIL;
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state)
{
    ThemeRecord* record = lookup(theme);
    PartLook look;
    if (!record || !describe(record, part, state, look))
        return FALSE;
    const bool opaqueShape = look.shape == Shape::Rect && look.fill && look.inset == 0 && !look.square;
    return opaqueShape ? FALSE : TRUE;
}

HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color)
{
    ThemeRecord* record = lookup(theme);
    if (!record)
        return E_HANDLE;
    if (!color)
        return E_POINTER;
    PartLook look;
    if (!describe(record, part, state, look))
        return E_INVALIDARG;
    switch (property) {
    case TMT_FILLCOLOR:
        if (!look.fill)
            return E_FAIL;
        *color = *look.fill;
        return S_OK;
    case TMT_BORDERCOLOR:
        if (look.borderWidth == 0)
            return E_FAIL;
        *color = look.border;
        return S_OK;
    case TMT_TEXTCOLOR:
        if (!look.drawsText)
            return E_FAIL;
        *color = look.text;
        return S_OK;
    case TMT_GLYPHCOLOR:
        if (look.glyph == Glyph::None)
            return E_FAIL;
        *color = look.glyphColor;
        return S_OK;
    case TMT_ACCENTCOLORHINT: *color = GetSysColor(COLOR_HIGHLIGHT); return S_OK;
    case TMT_EDGELIGHTCOLOR: *color = GetSysColor(COLOR_3DHILIGHT); return S_OK;
    case TMT_EDGESHADOWCOLOR: *color = GetSysColor(COLOR_3DSHADOW); return S_OK;
    default: return E_INVALIDARG;
    }
}
