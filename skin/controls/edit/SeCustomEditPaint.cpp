// TSeCustomEdit's painting: the selection, the visible text (or password
// glyphs), and the selected part again in the highlight text colour.

#include "skin/controls/edit/SeCustomEdit.h"

#include "ui/graphics/Brush.h"
#include "ui/graphics/Font.h"
#include "ui/graphics/Pen.h"

#include "platform/Gdi.h"
#include "platform/UxTheme.h"
#include "platform/gdi/DcStateSaver.h"
#include "platform/text/Utf16.h"

#include <algorithm>

void TSeCustomEdit::PaintSelection(TCanvas& canvas, const RECT& selection)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clHighlight);
    canvas.FillRect(selection);
}

void TSeCustomEdit::PaintPasswordGlyph(TCanvas& canvas, const RECT& cell, bool selected)
{
    const TColor colour = selected ? TColor(clHighlightText) : canvas.Font()->Color();
    if (passwordKind_ == pkChar) {
        if (!passwordChar_)
            return;
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(colour);
        std::u16string glyph(1, passwordChar_);
        canvas.TextRect(cell, cell.left, cell.top, brio::Utf16ToUtf8(glyph));
        return;
    }
    RECT shape{cell.left + 2, cell.top + 3, cell.right - 2, cell.bottom - 3};
    if (shape.right <= shape.left || shape.bottom <= shape.top)
        return;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(colour);
    canvas.Pen()->SetColor(colour);
    canvas.Pen()->SetStyle(psSolid);
    switch (passwordKind_) {
    case pkRect:
        canvas.FillRect(shape);
        break;
    case pkRoundRect:
        canvas.RoundRect(shape.left, shape.top, shape.right, shape.bottom, 2, 2);
        break;
    case pkCircle: {
        // A circle, not an oval: the cell is seldom square.
        const int size = std::min(shape.right - shape.left, shape.bottom - shape.top);
        const int x = (shape.left + shape.right - size) / 2;
        const int y = (shape.top + shape.bottom - size) / 2;
        canvas.Ellipse(x, y, x + size, y + size);
        break;
    }
    case pkTriangle: {
        const POINT points[3] = {{(shape.left + shape.right) / 2, shape.top},
                                 {shape.right - 1, shape.bottom - 1},
                                 {shape.left, shape.bottom - 1}};
        canvas.Polygon(points);
        break;
    }
    default:
        break;
    }
}

void TSeCustomEdit::PaintEdges(TCanvas& canvas)
{
    const RECT bounds{0, 0, Width(), Height()};
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(bounds);
    if (BevelWidth() <= 0)
        return;
    HTHEME theme = HandleAllocated() ? OpenThemeData(Handle(), "Edit") : nullptr;
    if (!theme) {
        DrawBevels(canvas.Handle(), bounds);
        return;
    }
    const int state = !Enabled() ? ETS_DISABLED : HasFocus() ? ETS_FOCUSED : Hot() ? ETS_HOT : ETS_NORMAL;
    DrawThemeBackground(theme, canvas.Handle(), EP_EDITTEXT, state, &bounds, nullptr);
    CloseThemeData(theme);
    // The part's face would hide the border's colour.
    RECT inner = GetClientArea();
    InflateRect(&inner, BorderWidth(), BorderWidth());
    canvas.FillRect(inner);
}

void TSeCustomEdit::PaintBackground(TCanvas& canvas)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(GetClientArea());
}

void TSeCustomEdit::Paint()
{
    TCanvas& canvas = *Canvas();
    const RECT area = GetTextArea();
    if (area.right <= area.left || area.bottom <= area.top)
        return;
    const std::vector<int>& xs = positions();
    const int length = model_.length();
    const int lineHeight = LineHeight();
    const int lineTop = area.top + ((area.bottom - area.top) - lineHeight) / 2;
    const int x0 = textX(firstVisible_);
    // Only the characters that show are drawn: the cost follows the box's
    // width, not the text's length.
    int last = firstVisible_;
    while (last < length && x0 + xs[std::size_t(last)] - xs[std::size_t(firstVisible_)] < area.right)
        last = model_.nextChar(last);

    RECT selection{};
    bool showSelection = model_.selLength() > 0 && (Focused() || !hideSelection_);
    if (showSelection) {
        selection = RECT{std::max(textX(model_.selStart()), int(area.left)), std::max(lineTop, int(area.top)),
                         std::min(textX(model_.selEnd()), int(area.right)),
                         std::min(lineTop + lineHeight, int(area.bottom))};
        showSelection = selection.right > selection.left && selection.bottom > selection.top;
    }

    brio::DcStateSaver saved(canvas.Handle());
    IntersectClipRect(canvas.Handle(), area.left, area.top, area.right, area.bottom);
    if (showSelection)
        PaintSelection(canvas, selection);
    canvas.Font()->Assign(EditFont());
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);

    if (passwordKind_ != pkNone) {
        const TColor textColour = canvas.Font()->Color();
        for (int i = firstVisible_; i < last; i = model_.nextChar(i)) {
            const RECT cell{textX(i), lineTop, textX(model_.nextChar(i)), lineTop + lineHeight};
            const bool selected = showSelection && i >= model_.selStart() && i < model_.selEnd();
            canvas.Font()->SetColor(textColour);
            PaintPasswordGlyph(canvas, cell, selected);
        }
        return;
    }
    const std::string shown =
        brio::Utf16ToUtf8(std::u16string_view(model_.text()).substr(std::size_t(firstVisible_),
                                                                       std::size_t(last - firstVisible_)));
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextRect(area, x0, lineTop, shown);
    if (showSelection) {
        canvas.Font()->SetColor(clHighlightText);
        canvas.TextRect(selection, x0, lineTop, shown);
    }
}
