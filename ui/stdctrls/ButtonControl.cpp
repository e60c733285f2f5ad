// Push-button behaviour and its classic look.

#include "ui/stdctrls/ButtonControl.h"

#include "ui/forms/Form.h"
#include "ui/graphics/Brush.h"
#include "ui/graphics/Font.h"

#include "platform/WinUser.h"

TButtonControl::TButtonControl(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
    SetTabStop(true);
    // Quick repeated clicks each press the button.
    controlStyle_.Exclude(csAcceptsControls).Exclude(csSetCaption).Exclude(csDoubleClicks);
    controlStyle_.Include(csOpaque);
}

void TButtonControl::SetDefault(bool value)
{
    if (value == default_)
        return;
    default_ = value;
    TCustomForm* form = GetParentForm(this);
    focusChanged(form ? form->ActiveControl() : nullptr);
}

void TButtonControl::Click()
{
    if (TCustomForm* form = GetParentForm(this); form && modalResult_ != mrNone)
        form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TButtonControl::focusChanged(TControl* focused)
{
    bool active = focused == this || (default_ && !dynamic_cast<TButtonControl*>(focused));
    if (active != active_) {
        active_ = active;
        Invalidate();
    }
}

void TButtonControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_DIALOGKEY:
        if (((m.WParam == VK_RETURN && active_) || (m.WParam == VK_ESCAPE && cancel_)) && CanFocus() &&
            GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_CONTROL) >= 0) {
            Click();
            m.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(m.WParam, Caption()) && CanFocus()) {
            Click();
            m.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        focusChanged(reinterpret_cast<TControl*>(m.LParam));
        return;
    case WM_KILLFOCUS:
    case WM_LBUTTONUP:
        setPressed(false);
        break;
    case WM_SETFOCUS:
        TCustomControl::WndProc(m);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(m);
    if (m.Msg == WM_KILLFOCUS)
        Invalidate();
}

void TButtonControl::setPressed(bool value)
{
    if (value == pressed_)
        return;
    pressed_ = value;
    Invalidate();
}

void TButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        setPressed(true);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButtonControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft)
        setPressed(false);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TButtonControl::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE)
        setPressed(true);
}

void TButtonControl::KeyUp(WORD& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE && pressed_) {
        setPressed(false);
        Click();
    }
}

void TButtonControl::Paint()
{
    HDC dc = Canvas()->Handle();
    RECT r = ClientRect();
    if (active_) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed_ ? DFCS_PUSHED : 0));
    RECT text = r;
    if (pressed_)
        OffsetRect(&text, 1, 1);
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->Font()->SetColor(Enabled() ? clBtnText : clGrayText);
    std::string caption = Caption();
    if (!Enabled()) {
        RECT shadow = text;
        OffsetRect(&shadow, 1, 1);
        Canvas()->Font()->SetColor(clBtnHighlight);
        Canvas()->TextRect(shadow, caption, {tfCenter, tfVerticalCenter, tfSingleLine});
        Canvas()->Font()->SetColor(clGrayText);
    }
    Canvas()->TextRect(text, caption, {tfCenter, tfVerticalCenter, tfSingleLine});
    if (Focused()) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        Canvas()->DrawFocusRect(focus);
    }
}
