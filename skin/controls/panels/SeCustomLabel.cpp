#include "skin/controls/panels/SeCustomLabel.h"

#include "platform/gdi/MeasuringDc.h"
#include "platform/gdi/ScopedSelection.h"
#include "ui/graphics/Font.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"

namespace {

// What is measured for `caption`: an empty one (or a lone accelerator
// mark) still takes one line.
std::string measuredText(const std::string& caption, bool showAccelChar)
{
    if (caption.empty() || (showAccelChar && caption == "&"))
        return " ";
    return caption;
}

} // namespace

TSeCustomLabel::TSeCustomLabel(TComponent* owner) : TSeGraphicControl(owner)
{
    controlStyle_.Include(csReplicatable);
    SetBounds(0, 0, 65, 17);
    SetTransparent(true);
}

TSeCustomLabel::~TSeCustomLabel() = default;

void TSeCustomLabel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TSeCustomLabel::SetLayout(TTextLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TSeCustomLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TSeCustomLabel::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TSeCustomLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TSeCustomLabel::SetFocusControl(TWinControl* control)
{
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = control;
    if (control)
        control->FreeNotification(this);
}

void TSeCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TSeGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TSeCustomLabel::Loaded()
{
    TSeGraphicControl::Loaded();
    AdjustBounds();
}

UINT TSeCustomLabel::DrawTextFlags() const
{
    static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT flags = DT_EXPANDTABS | kAlign[alignment_];
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    if (BiDiMode() != bdLeftToRight)
        flags |= DT_RTLREADING;
    return flags;
}

SIZE TSeCustomLabel::MeasureText() const
{
    const brio::MeasuringDc dc(Font()->Handle());
    const RECT r = dc.textRect(measuredText(Caption(), showAccelChar_), RECT{0, 0, wordWrap_ ? Width() : 0, 0},
                               DrawTextFlags());
    return SIZE{::Width(r), ::Height(r)};
}

void TSeCustomLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(csLoading))
        return;
    const SIZE size = MeasureText();
    int left = Left();
    if (alignment_ == taRightJustify)
        left += Width() - size.cx;
    SetBounds(left, Top(), size.cx, size.cy);
}

void TSeCustomLabel::Paint()
{
    TCanvas& canvas = *Canvas();
    HDC dc = canvas.Handle();
    RECT r{0, 0, Width(), Height()};
    const UINT flags = DrawTextFlags();
    if (layout_ != tlTop) {
        const int spare = Height() - MeasureText().cy;
        OffsetRect(&r, 0, layout_ == tlCenter ? spare / 2 : spare);
    }
    const std::string& text = Caption();
    brio::ScopedSelection font(dc, Font()->Handle());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    if (Enabled()) {
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        DrawText(dc, text.c_str(), int(text.size()), &r, flags);
    } else {
        RECT raised = r;
        OffsetRect(&raised, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawText(dc, text.c_str(), int(text.size()), &raised, flags);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
        DrawText(dc, text.c_str(), int(text.size()), &r, flags);
    }
    SetBkMode(dc, oldMode);
}

void TSeCustomLabel::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TSeGraphicControl::WndProc(m);
        AdjustBounds();
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(m.WParam, Caption()) &&
            focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            m.Result = 1;
            return;
        }
        break;
    default: break;
    }
    TSeGraphicControl::WndProc(m);
}
