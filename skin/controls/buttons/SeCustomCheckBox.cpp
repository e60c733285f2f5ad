#include "skin/controls/buttons/SeCustomCheckBox.h"

#include "skin/controls/buttons/CaptionText.h"

#include "platform/theme/Look.h"
#include "platform/WinUser.h"

#include <algorithm>

TSeCustomCheckBox::TSeCustomCheckBox(TComponent* owner) : TSeCustomControl(owner)
{
    SetBounds(0, 0, 98, 20);
    SetTabStop(true);
    SetTransparent(true);
    SetPerformance(kspDoubleBuffer);
    SetCaption("CheckBox");
    // Toggling is the box's own business (release inside, Space, accelerator).
    controlStyle_.Exclude(csClickEvents).Exclude(csDoubleClicks).Exclude(csAcceptsControls);
}

TSeCustomCheckBox::~TSeCustomCheckBox() = default;

void TSeCustomCheckBox::SetAlignment(TSeLeftRight value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TSeCustomCheckBox::SetSpacing(int value)
{
    if (value == spacing_)
        return;
    spacing_ = value;
    Invalidate();
}

void TSeCustomCheckBox::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    Invalidate();
}

void TSeCustomCheckBox::SetState(TCheckBoxState value)
{
    if (value == state_)
        return;
    state_ = value;
    Invalidate();
    if (!ComponentState().Contains(csLoading))
        Click();
}

void TSeCustomCheckBox::Toggle()
{
    switch (state_) {
    case cbUnchecked:
        SetState(allowGrayed_ ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

void TSeCustomCheckBox::SetPressed(bool value)
{
    if (value == pressed_)
        return;
    pressed_ = value;
    Invalidate();
}

// ---- Input ---------------------------------------------------------------------------------

void TSeCustomCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && Enabled()) {
        if (CanFocus() && !Focused())
            SetFocus();
        SetPressed(true);
    }
    TSeCustomControl::MouseDown(button, shift, x, y);
}

void TSeCustomCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const bool release = button == mbLeft && pressed_;
    if (release)
        SetPressed(false);
    TSeCustomControl::MouseUp(button, shift, x, y);
    // The far edges count as inside.
    if (release && x >= 0 && x <= Width() && y >= 0 && y <= Height())
        Toggle();
}

void TSeCustomCheckBox::KeyDown(WORD& key, TShiftState shift)
{
    if (key == VK_SPACE && !shift.Contains(ssAlt))
        SetPressed(true);
    TSeCustomControl::KeyDown(key, shift);
}

void TSeCustomCheckBox::KeyUp(WORD& key, TShiftState shift)
{
    if (key == VK_SPACE && pressed_) {
        SetPressed(false);
        key = 0;
        Toggle();
        return;
    }
    TSeCustomControl::KeyUp(key, shift);
}

void TSeCustomCheckBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccel(m.WParam, Caption()) && CanFocus()) {
            SetFocus();
            Toggle();
            m.Result = 1;
            return;
        }
        break;
    case WM_SYSCOLORCHANGE:
        Invalidate();
        break;
    case CM_EXIT:
    case CM_CANCELMODE:
    case WM_CANCELMODE:
        SetPressed(false);
        break;
    default:
        break;
    }
    TSeCustomControl::WndProc(m);
}

// ---- Layout and painting -------------------------------------------------------------------

SIZE TSeCustomCheckBox::GetCheckSize() { return SIZE{13, 13}; }

RECT TSeCustomCheckBox::CheckRect()
{
    const SIZE box = GetCheckSize();
    const int x = alignment_ == ktaLeftJustify ? 0 : Width() - box.cx;
    const int y = (Height() - box.cy) / 2;
    return RECT{x, y, x + box.cx, y + box.cy};
}

RECT TSeCustomCheckBox::CaptionRect(TCanvas& canvas)
{
    const SIZE box = GetCheckSize();
    const RECT measured =
        brio::MeasureCaption(canvas, Caption(), {wordWrap_, true}, std::max(Width() - box.cx - 10, 0));
    const int w = measured.right - measured.left;
    const int h = measured.bottom - measured.top;
    const int left = alignment_ == ktaLeftJustify ? box.cx + spacing_ : 2;
    const int top = (Height() - h) / 2;
    return RECT{left, top, left + w, top + h};
}

RECT TSeCustomCheckBox::CaptionBounds()
{
    return brio::MeasureOnCanvas(*Font(), [this](TCanvas& canvas) {
        SelectCaptionFont(canvas);
        return CaptionRect(canvas);
    });
}

void TSeCustomCheckBox::SelectCaptionFont(TCanvas& canvas) { canvas.SetFont(Font()); }

void TSeCustomCheckBox::PaintCheck(TCanvas& canvas, const RECT& box)
{
    brio::LookState look;
    look.checked = state_ == cbChecked;
    look.mixed = state_ == cbGrayed;
    look.disabled = !Enabled();
    look.hot = Hot();
    look.pressed = pressed_;
    brio::DrawLookPart(canvas.Handle(), brio::LookPart::CheckBox, look, box);
}

void TSeCustomCheckBox::PaintCaption(TCanvas& canvas)
{
    SelectCaptionFont(canvas);
    const RECT r = CaptionRect(canvas);
    brio::DrawCaption(canvas, Caption(), r, {wordWrap_, true}, !Enabled());
    if (HasFocus() && !Caption().empty()) {
        const RECT focus{r.left - 1, r.top - 2, r.right + 3, r.bottom + 2};
        canvas.Brush()->SetStyle(bsSolid);
        canvas.DrawFocusRect(focus);
    }
}

void TSeCustomCheckBox::Paint()
{
    TCanvas& canvas = *Canvas();
    PaintCheck(canvas, CheckRect());
    PaintCaption(canvas);
}
