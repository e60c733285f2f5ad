#include "player/KeyPanelPainter.h"

#include "player/PlayerRuntime.h"

#include "platform/Gdi.h"
#include "platform/RectMath.h"
#include "platform/gdi/GdiObjectOwner.h"
#include "platform/gdi/ScopedSelection.h"
#include "platform/gdi/raster/PixelBuffer.h"

#include <algorithm>
#include <cstring>

namespace player {

namespace {

constexpr int CapRadius = 8;
// Caps lower than this show their parts on one line.
constexpr int TallCapHeight = 34;

COLORREF Mix(COLORREF a, COLORREF b, int bPercent)
{
    auto channel = [&](BYTE x, BYTE y) { return (int(x) * (100 - bPercent) + int(y) * bPercent + 50) / 100; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

bool Meets(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void FillSolid(HDC dc, const RECT& r, COLORREF color)
{
    brio::GdiObjectOwner<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &r, brush.get());
}

void RoundBox(HDC dc, const RECT& r, COLORREF face, COLORREF edge, int radius)
{
    brio::GdiObjectOwner<HBRUSH> brush(CreateSolidBrush(face));
    brio::GdiObjectOwner<HPEN> pen(CreatePen(PS_SOLID, 1, edge));
    brio::ScopedSelection selectBrush(dc, brush.get());
    brio::ScopedSelection selectPen(dc, pen.get());
    RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
}

void Text(HDC dc, HFONT font, COLORREF color, const std::string& text, RECT r, UINT flags)
{
    if (text.empty() || r.right <= r.left)
        return;
    brio::ScopedSelection selectFont(dc, font);
    SetTextColor(dc, color);
    DrawText(dc, text.c_str(), int(text.size()), &r, flags | DT_SINGLELINE | DT_NOPREFIX);
}

int TextWidth(HDC dc, HFONT font, const std::string& text)
{
    RECT r{0, 0, 0, 0};
    brio::ScopedSelection selectFont(dc, font);
    DrawText(dc, text.c_str(), int(text.size()), &r, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    return Width(r);
}

std::string VolumeText(int percent) { return std::to_string(percent) + "%"; }

// What the cap says under its label.
std::string DetailOf(const CapView& view)
{
    if (view.state == CapState::Empty)
        return "empty";
    if (view.loading)
        return "loading " + view.fileName;
    return view.fileName;
}

} // namespace

KeyPanelPainter::~KeyPanelPainter()
{
    for (CachedFont& f : fonts_)
        DeleteObject(f.handle);
}

HFONT KeyPanelPainter::font(const FontSpec& spec)
{
    for (const CachedFont& f : fonts_)
        if (f.spec == spec)
            return f.handle;
    LOGFONT lf;
    lf.lfHeight = -spec.height;
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = spec.italic ? 1 : 0;
    lf.lfQuality = ANTIALIASED_QUALITY;
    std::strncpy(lf.lfFaceName, spec.face.c_str(), LF_FACESIZE - 1);
    HFONT handle = CreateFontIndirect(&lf);
    fonts_.push_back({spec, handle});
    return handle;
}

void KeyPanelPainter::paint(HDC dc, const PlayerRuntime& runtime, const RECT& clip)
{
    const PlayerInterface& ui = runtime.ui();
    SetBkMode(dc, TRANSPARENT);
    paintBackground(dc, ui, clip);
    if (Meets(ui.statusRect, clip))
        paintStatus(dc, ui, runtime.status());
    for (int row = 0; row < KeyRows; ++row) {
        const KeySpec& key = ui.keys[std::size_t(row)];
        if (Meets(key.rect, clip))
            paintCap(dc, ui, key, runtime.cap(row));
    }
}

void KeyPanelPainter::paintFailure(HDC dc, const RECT& client, const std::string& reason)
{
    const PlayerInterface fallback = DefaultPlayerInterface();
    SetBkMode(dc, TRANSPARENT);
    FillSolid(dc, client, fallback.background);
    RECT box{client.left + 16, client.top + 16, client.right - 16, client.bottom - 16};
    RoundBox(dc, box, RGB(0x3A, 0x22, 0x24), RGB(0xB0, 0x3A, 0x3A), CapRadius);
    RECT title{box.left + 12, box.top + 10, box.right - 12, box.top + 30};
    Text(dc, font(FontSpec{"DejaVu Sans", 13, true, false}), RGB(0xF0, 0xB0, 0xB0), "Player interface not loaded",
         title, DT_LEFT | DT_VCENTER);
    RECT body{box.left + 12, box.top + 36, box.right - 12, box.bottom - 10};
    brio::ScopedSelection selectFont(dc, font(FontSpec{"DejaVu Sans", 11, false, false}));
    SetTextColor(dc, RGB(0xD8, 0xC0, 0xC0));
    DrawText(dc, reason.c_str(), int(reason.size()), &body, DT_WORDBREAK | DT_NOPREFIX);
}

void KeyPanelPainter::paintBackground(HDC dc, const PlayerInterface& ui, const RECT& clip)
{
    FillSolid(dc, clip, ui.background);
    const PixelBuffer* picture = ui.backgroundImage.get();
    if (!picture || picture->empty())
        return;
    if (backgroundSource_ != picture) {
        backgroundSource_ = nullptr;
        background_ = brio::MemoryDib(picture->width(), picture->height(), brio::MemoryDib::Fill::Unfilled);
        if (!background_)
            return;
        brio::copyPixelRect(background_.row(0), background_.width(), picture->row(0), picture->stride(),
                            picture->width(), picture->height());
        backgroundSource_ = picture;
    }
    RECT area{std::max<LONG>(clip.left, 0), std::max<LONG>(clip.top, 0),
              std::min<LONG>(clip.right, picture->width()), std::min<LONG>(clip.bottom, picture->height())};
    if (area.right > area.left && area.bottom > area.top)
        BitBlt(dc, area.left, area.top, Width(area), Height(area), background_.dc(), area.left,
               area.top, SRCCOPY);
}

void KeyPanelPainter::paintStatus(HDC dc, const PlayerInterface& ui, const StatusView& status)
{
    const RECT& r = ui.statusRect;
    if (!ui.backgroundImage)
        FillSolid(dc, r, ui.background);
    HFONT text = font(ui.statusFont);
    FontSpec boldSpec = ui.statusFont;
    boldSpec.bold = true;
    HFONT bold = font(boldSpec);
    const int height = Height(r);
    int x = int(r.left);

    Text(dc, bold, ui.statusText, "MASTER", RECT{x, r.top, x + 60, r.bottom}, DT_LEFT | DT_VCENTER);
    x += TextWidth(dc, bold, "MASTER") + 8;
    // The master volume as a short bar with its figure.
    const int barWidth = 80;
    const int barTop = int(r.top) + height / 2 - 2;
    FillSolid(dc, RECT{x, barTop, x + barWidth, barTop + 4}, Mix(ui.background, ui.statusText, 25));
    FillSolid(dc, RECT{x, barTop, x + barWidth * status.masterVolume / 100, barTop + 4},
              status.soundOn ? ui.statusAccent : Mix(ui.statusAccent, ui.background, 55));
    x += barWidth + 6;
    Text(dc, text, ui.statusText, VolumeText(status.masterVolume), RECT{x, r.top, x + 40, r.bottom},
         DT_LEFT | DT_VCENTER);
    x += 44;

    if (!status.soundOn) {
        const std::string off = "SOUND OFF";
        const int w = TextWidth(dc, bold, off) + 14;
        RECT badge{x, r.top + 2, x + w, r.bottom - 2};
        RoundBox(dc, badge, Mix(ui.background, ui.statusAccent, 20), ui.statusAccent, 6);
        Text(dc, bold, ui.statusAccent, off, badge, DT_CENTER | DT_VCENTER);
        x += w + 8;
    }
    const std::string right = status.deviceNote.empty() ? ui.name : status.deviceNote;
    COLORREF rightColor = status.deviceNote.empty() ? Mix(ui.background, ui.statusText, 60) : RGB(0xE0, 0x60, 0x60);
    Text(dc, status.deviceNote.empty() ? text : bold, rightColor, right, RECT{x, r.top, r.right, r.bottom},
         DT_RIGHT | DT_VCENTER | DT_END_ELLIPSIS);
}

void KeyPanelPainter::paintCap(HDC dc, const PlayerInterface& ui, const KeySpec& key, const CapView& view)
{
    const CapStyle& style = ui.style(view.state);
    // Rounded corners show what lies behind the cap.
    if (!ui.backgroundImage)
        FillSolid(dc, key.rect, ui.background);
    else
        paintBackground(dc, ui, key.rect);
    RoundBox(dc, key.rect, style.face, style.edge, CapRadius);
    if (Height(key.rect) >= TallCapHeight)
        paintTallCap(dc, style, key, view);
    else
        paintFlatCap(dc, style, key, view);
}

void KeyPanelPainter::paintTallCap(HDC dc, const CapStyle& style, const KeySpec& key, const CapView& view)
{
    const RECT& r = key.rect;
    HFONT label = font(style.labelFont);
    HFONT text = font(style.textFont);
    const int labelHeight = style.labelFont.height + 4;
    const int textHeight = style.textFont.height + 4;
    const int left = int(r.left) + 7;
    const int right = int(r.right) - 7;

    RECT top{left, r.top + 4, right, r.top + 4 + labelHeight};
    Text(dc, label, style.label, key.label, top, DT_LEFT | DT_VCENTER);
    if (view.state != CapState::Empty) {
        std::string volume = VolumeText(view.volume);
        Text(dc, text, style.text, volume, top, DT_RIGHT | DT_VCENTER);
        if (view.loop)
            paintLoopMark(dc, right - TextWidth(dc, text, volume) - 5, int(top.top) + labelHeight / 2 - 5,
                          style.accent);
    }
    RECT detail{left, top.bottom, right, top.bottom + textHeight};
    std::string line = view.state == CapState::Unplayable && view.fileName.empty() ? "cannot play" : DetailOf(view);
    COLORREF detailColor = view.state == CapState::Empty ? style.text : Mix(style.text, style.label, 30);
    Text(dc, text, detailColor, line, detail, DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS);

    // Along the bottom: the progress while it plays, otherwise the key's volume.
    RECT track{r.left + 6, r.bottom - 6, r.right - 6, r.bottom - 3};
    if (view.state == CapState::Playing || view.state == CapState::Looping) {
        FillSolid(dc, track, Mix(style.face, style.accent, 25));
        int width = std::min<int>(view.progressPixels, Width(track));
        FillSolid(dc, RECT{track.left, track.top, track.left + width, track.bottom}, style.accent);
    } else if (view.state != CapState::Empty) {
        FillSolid(dc, track, Mix(style.face, style.text, 15));
        int width = Width(track) * view.volume / 100;
        FillSolid(dc, RECT{track.left, track.top, track.left + width, track.bottom}, Mix(style.face, style.accent, 70));
    }
}

void KeyPanelPainter::paintFlatCap(HDC dc, const CapStyle& style, const KeySpec& key, const CapView& view)
{
    const RECT& r = key.rect;
    HFONT label = font(style.labelFont);
    HFONT text = font(style.textFont);
    int left = int(r.left) + 7;
    int right = int(r.right) - 7;
    Text(dc, label, style.label, key.label, RECT{left, r.top, left + 22, r.bottom}, DT_LEFT | DT_VCENTER);
    left += 24;
    if (view.state != CapState::Empty) {
        std::string volume = VolumeText(view.volume);
        Text(dc, text, style.text, volume, RECT{right - 40, r.top, right, r.bottom}, DT_RIGHT | DT_VCENTER);
        right -= TextWidth(dc, text, volume) + 6;
        if (view.loop) {
            paintLoopMark(dc, right, int(r.top + r.bottom) / 2 - 5, style.accent);
            right -= 16;
        }
    }
    Text(dc, text, view.state == CapState::Empty ? style.text : Mix(style.text, style.label, 30), DetailOf(view),
         RECT{left, r.top, right, r.bottom}, DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS);
    if (view.state == CapState::Playing || view.state == CapState::Looping) {
        RECT track{r.left + 4, r.bottom - 3, r.right - 4, r.bottom - 1};
        int width = std::min<int>(view.progressPixels, Width(track));
        FillSolid(dc, RECT{track.left, track.top, track.left + width, track.bottom}, style.accent);
    }
}

// A ring with an arrow head, 11 pixels wide, ending at `right`.
void KeyPanelPainter::paintLoopMark(HDC dc, int right, int top, COLORREF color)
{
    {
        brio::GdiObjectOwner<HPEN> ring(CreatePen(PS_SOLID, 2, color));
        brio::ScopedSelection selectPen(dc, ring.get());
        brio::ScopedSelection selectBrush(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, right - 11, top, right, top + 11);
    }
    brio::GdiObjectOwner<HBRUSH> brush(CreateSolidBrush(color));
    brio::GdiObjectOwner<HPEN> edge(CreatePen(PS_SOLID, 1, color));
    brio::ScopedSelection selectBrush(dc, brush.get());
    brio::ScopedSelection selectPen(dc, edge.get());
    POINT head[3] = {{right - 4, top - 2}, {right + 1, top + 3}, {right - 5, top + 4}};
    Polygon(dc, head, 3);
}

} // namespace player
