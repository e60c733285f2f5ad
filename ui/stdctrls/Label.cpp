// TLabel: text drawing, measuring for AutoSize and the accelerator.

#include "ui/stdctrls/Label.h"

#include "ui/graphics/Font.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    controlStyle_.Include(csOpaque).Include(csReplicatable);
    SetBounds(0, 0, 65, 17);
    SetColor(clBtnFace);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool value)
{
    if (value == Transparent())
        return;
    if (value)
        controlStyle_.Exclude(csOpaque);
    else
        controlStyle_.Include(csOpaque);
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control)
{
    focusControl_ = control;
    if (control)
        control->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

UINT TLabel::TextFlags() const
{
    static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT flags = DT_EXPANDTABS | kAlign[alignment_];
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

void TLabel::DoDrawText(HDC dc, RECT& r, UINT flags)
{
    std::string text = Caption();
    // An empty label still measures one line high.
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&")))
        text = " ";
    HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    int oldMode = SetBkMode(dc, TRANSPARENT);
    if (flags & DT_CALCRECT) {
        DrawText(dc, text.c_str(), int(text.size()), &r, flags);
    } else if (!Enabled()) {
        RECT raised = r;
        OffsetRect(&raised, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawText(dc, text.c_str(), int(text.size()), &raised, flags);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
        DrawText(dc, text.c_str(), int(text.size()), &r, flags);
    } else {
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        DrawText(dc, text.c_str(), int(text.size()), &r, flags);
    }
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

void TLabel::Paint()
{
    HDC dc = Canvas()->Handle();
    RECT r = ClientRect();
    if (!Transparent()) {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->Brush()->SetStyle(bsSolid);
        Canvas()->FillRect(r);
    }
    UINT flags = TextFlags();
    if (layout_ != tlTop) {
        RECT measured = r;
        DoDrawText(dc, measured, flags | DT_CALCRECT);
        int spare = ::Height(r) - ::Height(measured);
        OffsetRect(&r, 0, layout_ == tlCenter ? spare / 2 : spare);
    }
    DoDrawText(dc, r, flags);
}

void TLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(csLoading))
        return;
    HDC dc = GetDC(nullptr);
    if (!dc)
        return;
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    DoDrawText(dc, r, TextFlags() | DT_CALCRECT);
    ReleaseDC(nullptr, dc);
    int newLeft = Left();
    // A right-aligned label grows to the left.
    if (alignment_ == taRightJustify)
        newLeft += Width() - ::Width(r);
    SetBounds(newLeft, Top(), ::Width(r), ::Height(r));
}

void TLabel::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
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
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}
