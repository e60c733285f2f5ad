// TCheckBox: state changes, mouse and keyboard toggling, classic look.

#include "ui/stdctrls/CheckBox.h"

#include "ui/graphics/Brush.h"
#include "ui/graphics/Font.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"

#include <algorithm>

namespace {

constexpr int kBoxSize = 13;
constexpr int kBoxGap = 4;

} // namespace

TCheckBox::TCheckBox(TComponent* owner) : TCustomControl(owner)
{
    // Clicks come from state changes, not from the mouse itself.
    controlStyle_.Exclude(csAcceptsControls).Exclude(csClickEvents).Exclude(csDoubleClicks);
    controlStyle_.Include(csSetCaption).Include(csOpaque);
    SetBounds(0, 0, 97, 17);
    SetColor(clBtnFace);
    SetParentColor(true);
    SetTabStop(true);
}

void TCheckBox::SetState(TCheckBoxState value)
{
    if (value == state_)
        return;
    state_ = value;
    Invalidate();
    if (!ComponentState().Contains(csLoading))
        Click();
}

void TCheckBox::SetAlignment(TLeftRight value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TCheckBox::Toggle()
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

void TCheckBox::setPressed(bool value)
{
    if (value == pressed_)
        return;
    pressed_ = value;
    Invalidate();
}

void TCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        setPressed(true);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && pressed_) {
        setPressed(false);
        if (x >= 0 && y >= 0 && x < Width() && y < Height())
            Toggle();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCheckBox::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE && !shift.Contains(ssAlt))
        setPressed(true);
}

void TCheckBox::KeyUp(WORD& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE && pressed_) {
        setPressed(false);
        Toggle();
    }
}

void TCheckBox::WndProc(TMessage& m)
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
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (m.Msg == WM_KILLFOCUS)
            setPressed(false);
        TCustomControl::WndProc(m);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TCheckBox::Paint()
{
    TCanvas* c = Canvas();
    HDC dc = c->Handle();
    RECT client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);

    int boxTop = (::Height(client) - kBoxSize) / 2;
    bool boxLeft = alignment_ == taRightJustify;
    int boxX = boxLeft ? 0 : client.right - kBoxSize;
    RECT box{boxX, boxTop, boxX + kBoxSize, boxTop + kBoxSize};
    UINT state = state_ == cbGrayed ? DFCS_BUTTON3STATE | DFCS_CHECKED : DFCS_BUTTONCHECK;
    if (state_ == cbChecked)
        state |= DFCS_CHECKED;
    if (pressed_)
        state |= DFCS_PUSHED;
    if (!Enabled())
        state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);

    RECT text = boxLeft ? RECT{kBoxSize + kBoxGap, 0, client.right, client.bottom}
                        : RECT{0, 0, client.right - kBoxSize - kBoxGap, client.bottom};
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    RECT measured = text;
    c->TextRect(measured, Caption().empty() ? std::string(" ") : Caption(), {tfCalcRect, tfSingleLine});
    int textHeight = ::Height(measured);
    text.top = (::Height(client) - textHeight) / 2;
    text.bottom = text.top + textHeight;
    const TTextFormat format{tfSingleLine, tfLeft};
    if (Enabled()) {
        c->TextRect(text, Caption(), format);
    } else {
        RECT raised = text;
        OffsetRect(&raised, 1, 1);
        c->Font()->SetColor(clBtnHighlight);
        c->TextRect(raised, Caption(), format);
        c->Font()->SetColor(clBtnShadow);
        c->TextRect(text, Caption(), format);
    }
    if (Focused() && !Caption().empty()) {
        RECT focus{text.left - 1, text.top - 1, std::min(text.left + ::Width(measured) + 1, client.right),
                   text.bottom + 1};
        c->Brush()->SetStyle(bsSolid);
        c->DrawFocusRect(focus);
    }
}
