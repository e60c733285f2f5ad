// Frames of edits, lists, panels and groups; hints, tabs, headers, status
// bars; popup menus and menu bars.

#include "skin/engine/SeBitmap.h"
#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinPalette.h"

namespace skinart {

using namespace palette;
using atlas::Next;
namespace caption = atlas::caption;

namespace {

RECT inset(RECT r, int d) { return RECT{r.left + d, r.top + d, r.right - d, r.bottom - d}; }

constexpr Pixel PanelFill = Rgb(0x303237);
constexpr Pixel HeaderTop = Rgb(0x3D4046), HeaderBottom = Rgb(0x35383D);
constexpr Pixel StatusFill = Rgb(0x26282B);

void framed(ArtCanvas& canvas, RECT cell, float radius, Pixel border, Pixel fill, Pixel matte)
{
    canvas.SetMatte(matte);
    canvas.RoundRect(cell, radius, border);
    canvas.SetMatte(border);
    canvas.RoundRect(inset(cell, 1), radius - 1, fill);
}

// A small glyph button: clear, hot, pressed.
void glyphButtons(ArtCanvas& canvas, RECT first, caption::Glyph glyph, Pixel matte)
{
    const Pixel backs[3] = {0, ButtonHot, ButtonPressed};
    const Pixel colours[3] = {TextMuted, TextBright, Accent};
    for (int column = 0; column < 3; ++column) {
        const RECT cell = Next(first, column);
        canvas.SetMatte(matte);
        if (backs[column] != 0) {
            canvas.RoundRect(inset(cell, 1), 3, backs[column]);
            canvas.SetMatte(backs[column]);
        }
        ShapeMask mask(cell);
        AddGlyph(mask, glyph, float(cell.left) + 2.5f, float(cell.top) + 2.5f, 11);
        canvas.Paint(mask, colours[column]);
    }
}

} // namespace

std::unique_ptr<TSeBitmap> DrawPanelsBitmap()
{
    namespace p = atlas::panels;
    auto bitmap = NewBitmap(p::Name, p::Width, p::Height);
    ArtCanvas canvas(*bitmap);

    // Edit frames: normal, hot, focused, disabled.
    const Pixel editBorders[4] = {Border, BorderHot, Accent, BorderQuiet};
    const Pixel editFills[4] = {Sunken, Sunken, Sunken, Rgb(0x26282B)};
    for (int look = 0; look < 4; ++look)
        framed(canvas, Next(p::EditFrame, look), 3, editBorders[look], editFills[look], Surface);

    canvas.SetMatte(Sunken);
    canvas.Fill(p::ListSelected, Sunken);
    canvas.RoundRect(p::ListSelected, 3, AccentMuted);
    canvas.Fill(RECT{p::ListSelected.left, p::ListSelected.top + 3, p::ListSelected.left + 2,
                     p::ListSelected.bottom - 3},
                Accent);
    canvas.Fill(p::ListHot, Sunken);
    canvas.RoundRect(p::ListHot, 3, Rgb(0x34363B));

    framed(canvas, p::PanelFrame, 5, Rgb(0x45484F), PanelFill, Surface);
    {
        const RECT c = p::PanelCaption;
        canvas.SetMatte(Surface);
        ShapeMask outer(c);
        outer.RoundRect(float(c.left), float(c.top), float(c.right), float(c.bottom + 10), 5);
        canvas.Paint(outer, Rgb(0x45484F));
        canvas.SetMatte(Rgb(0x45484F));
        ShapeMask inner(c);
        inner.RoundRect(float(c.left + 1), float(c.top + 1), float(c.right - 1), float(c.bottom + 10), 4);
        const int h = c.bottom - c.top;
        canvas.Paint(inner, [&](int, int y) {
            return y == c.bottom - 1 ? Rgb(0x45484F) : Mix(HeaderTop, HeaderBottom, (y - c.top) * 255 / (h - 1));
        });
    }
    canvas.SetMatte(Surface);
    canvas.RoundFrame(p::GroupFrame, 5, 1, Rgb(0x4A4E56));

    canvas.Fill(p::GridCell, Surface);
    canvas.Fill(RECT{p::GridCell.right - 1, p::GridCell.top, p::GridCell.right, p::GridCell.bottom}, BorderQuiet);
    canvas.Fill(RECT{p::GridCell.left, p::GridCell.bottom - 1, p::GridCell.right, p::GridCell.bottom}, BorderQuiet);
    canvas.VerticalGradient(p::GridFixed, HeaderTop, HeaderBottom);
    canvas.Fill(RECT{p::GridFixed.right - 1, p::GridFixed.top, p::GridFixed.right, p::GridFixed.bottom}, Border);
    canvas.Fill(RECT{p::GridFixed.left, p::GridFixed.bottom - 1, p::GridFixed.right, p::GridFixed.bottom}, Border);

    const Pixel captionMid = Mix(HeaderTop, HeaderBottom, 128);
    glyphButtons(canvas, p::PanelButtonCell(p::RollUp, 0), caption::RollUp, captionMid);
    glyphButtons(canvas, p::PanelButtonCell(p::RollDown, 0), caption::RollDown, captionMid);
    glyphButtons(canvas, p::PanelButtonCell(p::Hide, 0), caption::Close, captionMid);

    canvas.Fill(p::StatusFrame, StatusFill);
    canvas.Fill(RECT{p::StatusFrame.left, p::StatusFrame.top, p::StatusFrame.right, p::StatusFrame.top + 1},
                BorderQuiet);
    canvas.Fill(p::StatusDivider, StatusFill);
    canvas.Fill(RECT{p::StatusDivider.left + 3, p::StatusDivider.top + 3, p::StatusDivider.left + 4,
                     p::StatusDivider.bottom - 3},
                BorderQuiet);
    canvas.Fill(p::Gripper, StatusFill);
    for (int row = 0; row < 3; ++row)
        for (int column = 2 - row; column < 3; ++column) {
            const int x = p::Gripper.left + 2 + column * 3, y = p::Gripper.top + 2 + row * 3;
            canvas.Fill(RECT{x, y, x + 2, y + 2}, Rgb(0x5E626A));
        }

    // Tabs: normal, hot, selected, disabled; the selected one carries the accent.
    const Pixel tabs[4] = {Rgb(0x303237), Rgb(0x3A3D43), Rgb(0x3A3D43), Rgb(0x2B2D31)};
    for (int look = 0; look < 4; ++look) {
        const RECT cell = Next(p::Tab, look);
        canvas.SetMatte(Surface);
        ShapeMask shape(cell);
        shape.RoundRect(float(cell.left), float(cell.top), float(cell.right), float(cell.bottom + 6), 4);
        canvas.Paint(shape, [&](int, int y) {
            return look == 2 && y < cell.top + 2 ? Accent : tabs[look];
        });
    }
    const Pixel sections[3] = {Rgb(0x35373C), Rgb(0x3E4147), Rgb(0x2C2E32)};
    for (int look = 0; look < 3; ++look) {
        const RECT cell = Next(p::Section, look);
        canvas.Fill(cell, sections[look]);
        canvas.Fill(RECT{cell.right - 1, cell.top + 3, cell.right, cell.bottom - 3}, Border);
        canvas.Fill(RECT{cell.left, cell.bottom - 1, cell.right, cell.bottom}, Border);
    }
    return bitmap;
}

std::unique_ptr<TSeBitmap> DrawMenuBitmap()
{
    namespace m = atlas::menu;
    auto bitmap = NewBitmap(m::Name, m::Width, m::Height);
    ArtCanvas canvas(*bitmap);
    canvas.SetHardEdges(true);
    canvas.RoundRect(m::PopupFrame, 5, Border);
    canvas.SetHardEdges(false);
    canvas.SetMatte(Border);
    canvas.RoundRect(inset(m::PopupFrame, 1), 4, Menu);

    canvas.SetMatte(Menu);
    canvas.RoundRect(Next(m::Row, 1), 3, Rgb(0x45484F));
    const RECT selected = Next(m::Row, 2);
    canvas.RoundRect(selected, 3, AccentMuted);
    canvas.Fill(RECT{selected.left, selected.top + 3, selected.left + 2, selected.bottom - 3}, Accent);
    canvas.RoundRect(Next(m::BarItem, 1), 3, Rgb(0x45484F));
    canvas.RoundRect(Next(m::BarItem, 2), 3, AccentMuted);

    canvas.Fill(m::BarFrame, Menu);
    canvas.Fill(RECT{m::BarFrame.left, m::BarFrame.bottom - 1, m::BarFrame.right, m::BarFrame.bottom}, Rgb(0x26282B));
    glyphButtons(canvas, m::BarButtonCell(m::Close, 0), caption::Close, Menu);
    glyphButtons(canvas, m::BarButtonCell(m::Restore, 0), caption::Restore, Menu);
    glyphButtons(canvas, m::BarButtonCell(m::Minimize, 0), caption::Minimize, Menu);
    return bitmap;
}

std::vector<std::unique_ptr<TSeBitmap>> DrawSkinBitmaps()
{
    std::vector<std::unique_ptr<TSeBitmap>> bitmaps;
    bitmaps.push_back(DrawFrameBitmap());
    bitmaps.push_back(DrawCaptionButtonsBitmap());
    bitmaps.push_back(DrawButtonsBitmap());
    bitmaps.push_back(DrawChecksBitmap());
    bitmaps.push_back(DrawScrollBarBitmap());
    bitmaps.push_back(DrawTrackBarBitmap());
    bitmaps.push_back(DrawPanelsBitmap());
    bitmaps.push_back(DrawMenuBitmap());
    return bitmaps;
}

} // namespace skinart
