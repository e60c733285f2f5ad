// Text drawing shared by every skin object: separators, alignment, the
// shortened title and the shadow effect.

#include "skin/engine/SeSkinObject.h"

#include "platform/Gdi.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Font.h"

namespace {

UINT alignmentFlags(TSeTextAlign align, bool swapSides)
{
    UINT vertical = DT_VCENTER;
    UINT horizontal = DT_LEFT;
    switch (align) {
    case TSeTextAlign::taTopLeft: vertical = DT_TOP; horizontal = DT_LEFT; break;
    case TSeTextAlign::taTopCenter: vertical = DT_TOP; horizontal = DT_CENTER; break;
    case TSeTextAlign::taTopRight: vertical = DT_TOP; horizontal = DT_RIGHT; break;
    case TSeTextAlign::taLeft: horizontal = DT_LEFT; break;
    case TSeTextAlign::taCenter: horizontal = DT_CENTER; break;
    case TSeTextAlign::taRight: horizontal = DT_RIGHT; break;
    case TSeTextAlign::taBottomLeft: vertical = DT_BOTTOM; horizontal = DT_LEFT; break;
    case TSeTextAlign::taBottomCenter: vertical = DT_BOTTOM; horizontal = DT_CENTER; break;
    case TSeTextAlign::taBottomRight: vertical = DT_BOTTOM; horizontal = DT_RIGHT; break;
    }
    if (swapSides && horizontal != DT_CENTER)
        horizontal = horizontal == DT_LEFT ? DT_RIGHT : DT_LEFT;
    return vertical | horizontal | DT_SINGLELINE | DT_NOPREFIX;
}

int textWidth(HDC dc, const std::string& text)
{
    SIZE size{};
    GetTextExtentPoint32(dc, text.c_str(), int(text.size()), &size);
    return size.cx;
}

// Whole characters from the start, followed by "...", as many as fit.
std::string shortenedTitle(HDC dc, const std::string& text, int room)
{
    if (textWidth(dc, text) <= room)
        return text;
    std::string fitting;
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t next = end + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
            ++next;
        if (textWidth(dc, text.substr(0, next) + "...") > room)
            break;
        end = next;
    }
    return text.substr(0, end) + "...";
}

} // namespace

void TSeSkinObject::DrawText(TCanvas& canvas)
{
    if (text_.empty())
        return;
    TFont* font = DrawFont();
    canvas.Font()->Assign(font);
    const TColor colour = enabled_ ? font->Color() : TColor(0x808080);
    canvas.Font()->SetColor(colour);
    canvas.Brush()->SetStyle(bsClear);
    HDC dc = canvas.Handle();
    canvas.TextExtent(""); // selects the font into the DC

    if (text_ == "-") {
        const int y = top_ + height_ / 2;
        const RECT line{left_ + 3, y, left_ + width_ - 3, y + 1};
        HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
        ::FillRect(dc, &line, brush);
        DeleteObject(brush);
        return;
    }

    RECT r{left_ + textMarginLeft_, top_ + textMarginTop_, left_ + width_ - textMarginRight_, top_ + height_};
    std::string text = text_;
    if (kind_ == skTitle)
        text = shortenedTitle(dc, text_, width_ - textMarginLeft_ - textMarginRight_);
    const bool rightToLeft = SeRightToLeftLocale() && biDiMode_ != bdLeftToRight;
    // Right-to-left reading mirrors left and right in DrawText itself.
    const bool readingOrder = rightToLeft && biDiMode_ == bdRightToLeft;
    UINT flags = alignmentFlags(textAlign_, rightToLeft && !readingOrder);
    if (readingOrder)
        flags |= DT_RTLREADING;

    const int oldMode = SetBkMode(dc, TRANSPARENT);
    if (textEffect_ == teShadow) {
        const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
        RECT shadow{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
        ::DrawText(dc, text.c_str(), int(text.size()), &shadow, flags);
        SetTextColor(dc, oldColour);
    }
    SetTextColor(dc, ColorToRGB(colour));
    ::DrawText(dc, text.c_str(), int(text.size()), &r, flags);
    SetBkMode(dc, oldMode);
}
