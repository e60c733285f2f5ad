#include "skin/controls/hints/SeWrappedText.h"

#include "ui/graphics/Canvas.h"

namespace brio {

SIZE wrappedTextSize(HDC dc, std::string_view text, int maxWidth, UINT format)
{
    // Lines broken only where the text breaks them: when they all fit,
    // that is the answer; the wrapping measurement keeps the full width.
    RECT natural{0, 0, 0, 0};
    DrawText(dc, text.data(), int(text.size()), &natural, (format & ~DT_WORDBREAK) | DT_CALCRECT);
    if (natural.right - natural.left <= maxWidth)
        return SIZE{natural.right - natural.left, natural.bottom - natural.top};
    RECT wrapped{0, 0, maxWidth, 0};
    DrawText(dc, text.data(), int(text.size()), &wrapped, format | DT_WORDBREAK | DT_CALCRECT);
    return SIZE{wrapped.right - wrapped.left, wrapped.bottom - wrapped.top};
}

SIZE wrappedTextSize(TCanvas& canvas, std::string_view text, int maxWidth)
{
    canvas.TextExtent(std::string()); // selects the font
    return wrappedTextSize(canvas.Handle(), text, maxWidth, DT_NOPREFIX);
}

} // namespace brio
