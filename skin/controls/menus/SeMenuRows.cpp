// Menu rows, frames and scroll areas, skinned and plain.

#include "skin/controls/menus/SeMenuRows.h"

#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SeMenuSkin.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeSkinObject.h"
#include "ui/component/ShortCut.h"
#include "ui/forms/Screen.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/ImageList.h"
#include "ui/menus/PopupMenuWindow.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/RectMath.h"
#include "platform/gdi/MeasuringDc.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr int kRowExtraWidth = 42;
constexpr int kMinPlainRowHeight = 20;
constexpr int kPlainSeparatorHeight = 15;
constexpr TColor kDisabledSkinText = TColor(0x808080);

int systemMenuHeight()
{
    return GetSystemMetrics(SM_CYMENU);
}

int textWidth(const brio::MeasuringDc& dc, const std::string& text)
{
    if (text.empty())
        return 0;
    return ::Width(dc.textRect(text, RECT{}, DT_SINGLELINE));
}

bool hasImage(const TSeCustomItem& item, const brio::MenuLook& look)
{
    return look.images && item.ImageIndex() >= 0 && item.ImageIndex() < look.images->Count();
}

int rowWidth(const TSeCustomItem& item, const brio::MeasuringDc& dc, const brio::MenuLook& look)
{
    return textWidth(dc, item.Caption()) + look.imageColumn + kRowExtraWidth
           + textWidth(dc, ShortCutToText(item.ShortCut()));
}

// The check mark: a short and a long stroke, three pixels thick.
void drawCheckMark(TCanvas& canvas, const RECT& column, TColor colour)
{
    const int x = column.left + (::Width(column) - 7) / 2;
    const int y = column.top + (::Height(column) - 7) / 2;
    canvas.Pen()->SetColor(colour);
    canvas.Pen()->SetWidth(1);
    for (int dy = 0; dy < 3; ++dy) {
        const std::array<POINT, 3> stroke{POINT{x, y + 2 + dy}, POINT{x + 2, y + 4 + dy}, POINT{x + 7, y - 1 + dy}};
        canvas.Polyline(stroke);
    }
}

// The image or the check mark in the image column, the caption and the
// shortcut text, and the submenu arrow.
void drawRowContent(TCanvas& canvas, const TSeCustomItem& item, const RECT& row, int textLeft, int textRight,
                    TFont* font, TColor colour, const brio::MenuLook& look)
{
    const RECT column{row.left, row.top, row.left + look.imageColumn, row.bottom};
    if (hasImage(item, look)) {
        const int x = column.left + (::Width(column) - look.images->Width()) / 2;
        const int y = column.top + (::Height(column) - look.images->Height()) / 2;
        look.images->Draw(&canvas, x, y, item.ImageIndex(), item.Enabled());
    } else if (item.Checked()) {
        drawCheckMark(canvas, column, colour);
    }
    canvas.Font()->Assign(font);
    canvas.Font()->SetColor(colour);
    canvas.Brush()->SetStyle(bsClear);
    RECT text{row.left + textLeft, row.top, row.right - textRight, row.bottom};
    canvas.TextRect(text, item.Caption(), TTextFormat{tfSingleLine, tfVerticalCenter, tfLeft});
    const std::string keys = ShortCutToText(item.ShortCut());
    if (!keys.empty()) {
        text = RECT{row.left + textLeft, row.top, row.right - textRight, row.bottom};
        canvas.TextRect(text, keys, TTextFormat{tfSingleLine, tfVerticalCenter, tfRight, tfNoPrefix});
    }
    if (item.Count() > 0) {
        const int size = std::min(15, ::Height(row));
        const RECT arrow{row.right - brio::kMenuArrowColumn + (brio::kMenuArrowColumn - size) / 2,
                         row.top + (::Height(row) - size) / 2, 0, 0};
        brio::paintMenuMark(canvas.Handle(), RECT{arrow.left, arrow.top, arrow.left + size, arrow.top + size},
                            DFCS_MENUARROW, ColorToRGB(colour));
    }
}

void drawSkinnedRow(TCanvas& canvas, const TSeCustomItem& item, const RECT& row, std::uint8_t state,
                    const brio::MenuLook& look)
{
    TSeMenuSkin& skin = *look.skin;
    if (item.IsSeparator()) {
        // The frame's middle behind the line, as behind every row.
        if (TSeBitmap* frame = look.frameSize.cx > 0 ? skin.FramePicture(look.frameSize) : nullptr)
            BitBlt(canvas.Handle(), row.left, row.top, ::Width(row), ::Height(row), frame->DC(),
                   row.left + look.clientOrigin.x, row.top + look.clientOrigin.y, SRCCOPY);
        TSeSkinObject* object = skin.Separator() ? skin.Separator() : skin.Item();
        object->SetEnabled(true);
        object->ApplyState(brio::kRowNormal);
        // The item object draws a "-" text as a line.
        object->SetText(object == skin.Item() ? "-" : "");
        object->ArrangeIn(row);
        object->Draw(canvas);
        object->SetText("");
        return;
    }
    TSeSkinObject* object = skin.Item();
    TSeBitmap* whole = nullptr;
    if (skin.Frame() && look.frameSize.cx > 0)
        whole = skin.RowPicture(look.frameSize, Offset(row, look.clientOrigin), state, item.Enabled());
    if (whole)
        BitBlt(canvas.Handle(), row.left, row.top, whole->Width(), whole->Height(), whole->DC(), 0, 0, SRCCOPY);
    else if (TSeBitmap* picture = skin.ItemPicture(SIZE{::Width(row), ::Height(row)}, state, item.Enabled()))
        picture->Draw(canvas.Handle(), row.left, row.top, true);
    // The font of the state the picture was drawn in.
    object->SetEnabled(item.Enabled());
    object->ApplyState(state);
    TFont* font = object->EffectiveFont();
    const TColor colour = item.Enabled() ? font->Color() : kDisabledSkinText;
    drawRowContent(canvas, item, row, std::max(object->TextMarginLeft(), look.imageColumn),
                   std::max(object->TextMarginRight(), brio::kMenuArrowColumn), font, colour, look);
}

void drawPlainRow(TCanvas& canvas, const TSeCustomItem& item, const RECT& row, std::uint8_t state,
                  const brio::MenuLook& look)
{
    const bool lit = state != brio::kRowNormal;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(lit && !item.IsSeparator() ? clHighlight : clMenu);
    canvas.FillRect(row);
    if (item.IsSeparator()) {
        RECT line{row.left + 2, row.top + ::Height(row) / 2 - 1, row.right - 2, row.top + ::Height(row) / 2 + 1};
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const TColor colour = !item.Enabled() ? clGrayText : lit ? clHighlightText : clMenuText;
    drawRowContent(canvas, item, row, look.imageColumn, brio::kMenuArrowColumn, Screen->MenuFont(), colour, look);
}

} // namespace

bool brio::MenuLook::skinned() const
{
    return skin && skin->Bound();
}

brio::MenuLook brio::menuLookFor(TSeMenuSkin* skin, TImageList* images)
{
    MenuLook look;
    look.skin = skin;
    look.images = images;
    look.imageColumn = images && images->Width() > systemMenuHeight() ? images->Width() + 6 : 22;
    return look;
}

TFont* brio::menuRowFont(const MenuLook& look)
{
    return look.skinned() ? look.skin->Item()->EffectiveFont() : Screen->MenuFont();
}

SIZE brio::measureMenuRow(const TSeCustomItem& item, const MenuLook& look, const MeasuringDc& dc)
{
    if (look.skinned()) {
        TSeSkinObject* object = look.skin->Item();
        if (item.IsSeparator()) {
            TSeSkinObject* separator = look.skin->Separator();
            return SIZE{0, separator && separator->Height() > 0 ? separator->Height() : object->Height()};
        }
        object->ApplyState(kRowNormal);
        int height = object->Height();
        if (height < look.imageColumn - 4)
            height = look.imageColumn + 4;
        return SIZE{rowWidth(item, dc, look), height};
    }
    if (item.IsSeparator())
        return SIZE{0, kPlainSeparatorHeight};
    int height = std::max(systemMenuHeight(), kMinPlainRowHeight);
    if (hasImage(item, look))
        height = std::max(height, look.images->Height() + 4);
    return SIZE{rowWidth(item, dc, look), height};
}

void brio::drawMenuRow(TCanvas& canvas, const TSeCustomItem& item, const RECT& row, std::uint8_t state,
                       const MenuLook& look)
{
    if (row.right <= row.left || row.bottom <= row.top)
        return;
    if (look.skinned())
        drawSkinnedRow(canvas, item, row, state, look);
    else
        drawPlainRow(canvas, item, row, state, look);
}

void brio::drawMenuScrollArea(TCanvas& canvas, const RECT& area, bool up, bool hot, const MenuLook& look)
{
    TColor colour = clMenuText;
    if (look.skinned()) {
        // A copy, so that the rows' object keeps its own state and place.
        TSeSkinObject* item = look.skin->Item();
        std::unique_ptr<TSeSkinObject> copy(CloneSkinObject(*item, nullptr));
        copy->ApplyState(hot ? kRowSelected : kRowNormal);
        copy->SetText("");
        copy->ArrangeIn(area);
        copy->Draw(canvas);
        colour = copy->EffectiveFont()->Color();
    } else {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(hot ? clHighlight : clMenu);
        canvas.FillRect(area);
        if (hot)
            colour = clHighlightText;
    }
    // A 7 x 4 triangle, centred.
    const int x = area.left + (::Width(area) - 7) / 2;
    const int y = area.top + (::Height(area) - 4) / 2;
    canvas.Pen()->SetColor(colour);
    for (int i = 0; i < 4; ++i) {
        const int row = up ? y + i : y + 3 - i;
        const std::array<POINT, 2> line{POINT{x + 3 - i, row}, POINT{x + 4 + i, row}};
        canvas.Polyline(line);
    }
}

void brio::drawMenuFrame(TCanvas& canvas, const RECT& whole, const MenuLook& look)
{
    if (look.skinned() && look.skin->Frame()) {
        TSeBitmap* picture = look.skin->FramePicture(SIZE{::Width(whole), ::Height(whole)});
        if (picture)
            BitBlt(canvas.Handle(), whole.left, whole.top, picture->Width(), picture->Height(), picture->DC(), 0, 0,
                   SRCCOPY);
        return;
    }
    if (look.skinned()) {
        // A skin without a frame: its menu colour behind the rows.
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(look.skin->Root()->Color());
        canvas.FillRect(whole);
        return;
    }
    // Three nested one-pixel frames: the shadow colour outside, then menu.
    RECT r = whole;
    const std::array<TColor, 3> colours{clBtnShadow, clMenu, clMenu};
    canvas.Brush()->SetStyle(bsSolid);
    for (TColor colour : colours) {
        canvas.Brush()->SetColor(colour);
        canvas.FrameRect(r);
        InflateRect(&r, -1, -1);
    }
}

RECT brio::menuFrameInsets(const MenuLook& look)
{
    if (look.skinned())
        return look.skin->ClientInsets();
    return RECT{kPlainFrameWidth, kPlainFrameWidth, kPlainFrameWidth, kPlainFrameWidth};
}
