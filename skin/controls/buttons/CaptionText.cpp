#include "skin/controls/buttons/CaptionText.h"

#include "platform/gdi/MeasuringDc.h"

#include <algorithm>

namespace brio {

namespace {

TTextFormat textFormat(const CaptionFormat& format)
{
    TTextFormat f{tfCenter};
    if (format.wordWrap)
        f.Include(tfWordBreak);
    else
        f.Include(tfSingleLine).Include(tfVerticalCenter);
    if (format.expandTabs)
        f.Include(tfExpandTabs);
    return f;
}

} // namespace

RECT MeasureCaption(TCanvas& canvas, const std::string& text, const CaptionFormat& format, int wrapWidth)
{
    RECT r{0, 0, format.wordWrap ? std::max(wrapWidth, 0) : 0, 0};
    // An empty caption still takes a line's height.
    canvas.TextRect(r, text.empty() ? std::string(" ") : text, textFormat(format).Include(tfCalcRect));
    if (text.empty())
        r.right = r.left;
    return r;
}

RECT MeasureOnCanvas(TFont& font, const std::function<RECT(TCanvas&)>& measure)
{
    MeasuringDc dc(font.Handle());
    TCanvas canvas;
    canvas.SetHandle(dc.get());
    canvas.SetFont(&font);
    struct Release {
        TCanvas& canvas;
        ~Release() { canvas.SetHandle(nullptr); }
    } release{canvas};
    return measure(canvas);
}

RECT MeasureCaption(TFont& font, const std::string& text, const CaptionFormat& format, int wrapWidth)
{
    return MeasureOnCanvas(font, [&](TCanvas& canvas) { return MeasureCaption(canvas, text, format, wrapWidth); });
}

void DrawCaption(TCanvas& canvas, const std::string& text, const RECT& r, const CaptionFormat& format, bool embossed)
{
    if (text.empty())
        return;
    const TTextFormat f = textFormat(format);
    canvas.Brush()->SetStyle(bsClear);
    RECT box = r;
    if (!embossed) {
        canvas.TextRect(box, text, f);
        return;
    }
    const TColor own = canvas.Font()->Color();
    RECT raised = r;
    OffsetRect(&raised, 1, 1);
    canvas.Font()->SetColor(clBtnHighlight);
    canvas.TextRect(raised, text, f);
    canvas.Font()->SetColor(clBtnShadow);
    canvas.TextRect(box, text, f);
    canvas.Font()->SetColor(own);
}

} // namespace brio
