// TSeCustomEditButton: the button strip, the narrowed text area and the
// click.

#include "skin/controls/edit/SeCustomEditButton.h"

#include "skin/controls/buttons/SeCustomButton.h"
#include "skin/controls/edit/SeEditInplaceButton.h"

#include <algorithm>

TSeCustomEditButton::TSeCustomEditButton(TComponent* owner) : TSeCustomInplaceControlEdit(owner) {}

RECT TSeCustomEditButton::GetTextArea() const
{
    RECT area = TSeCustomInplaceControlEdit::GetTextArea();
    const int width = std::min(buttonWidth_, int(area.right - area.left));
    if (buttonAlign_ == baRight)
        area.right -= width;
    else
        area.left += width;
    return area;
}

RECT TSeCustomEditButton::PlaceInplaceControl() const
{
    const RECT client = GetClientArea();
    const int width = std::min(buttonWidth_, int(client.right - client.left));
    RECT strip{client.left, client.top - BorderWidth(), client.left + width, client.bottom + BorderWidth()};
    if (buttonAlign_ == baRight) {
        strip.right = client.right;
        strip.left = client.right - width;
    }
    return strip;
}

TControl* TSeCustomEditButton::CreateButton()
{
    auto* button = new TSeEditInplaceButton<TSeCustomButton>(this);
    button->SetTabStop(false);
    return button;
}

TControl* TSeCustomEditButton::CreateInplaceControl()
{
    TControl* button = CreateButton();
    if (!button)
        return nullptr;
    button->OnClick = [this](TObject*) { ButtonClick(); };
    return button;
}

void TSeCustomEditButton::InplaceControlCreated()
{
    ApplyButtonSettings();
}

void TSeCustomEditButton::ButtonClick()
{
    if (OnButtonClick)
        OnButtonClick(this);
}

void TSeCustomEditButton::ApplyButtonSettings()
{
    TControl* button = Button();
    if (!button)
        return;
    button->SetCaption(buttonCaption_);
    button->SetHint(buttonHint_);
    button->SetShowHint(buttonShowHint_);
    if (auto* windowed = dynamic_cast<TWinControl*>(button))
        windowed->SetTabStop(buttonTabStop_);
    if (auto* skinned = dynamic_cast<TSeCustomControl*>(button)) {
        skinned->Blending()->SetValue(buttonBlendValue_);
        skinned->Blending()->SetEnabled(buttonBlend_);
        skinned->SetTransparent(buttonTransparent_);
    }
}

void TSeCustomEditButton::buttonChanged()
{
    ApplyButtonSettings();
    LayoutInplaceControl();
    FontOrFrameChanged();
}

void TSeCustomEditButton::FrameChanged()
{
    TSeCustomInplaceControlEdit::FrameChanged();
    LayoutInplaceControl();
}

void TSeCustomEditButton::SetButtonAlign(TSeButtonAlign value)
{
    if (value == buttonAlign_)
        return;
    buttonAlign_ = value;
    buttonChanged();
}

void TSeCustomEditButton::SetButtonWidth(int value)
{
    value = std::max(0, value);
    if (value == buttonWidth_)
        return;
    buttonWidth_ = value;
    buttonChanged();
}

void TSeCustomEditButton::SetButtonCaption(const std::string& value)
{
    buttonCaption_ = value;
    ApplyButtonSettings();
}

void TSeCustomEditButton::SetButtonHint(const std::string& value)
{
    buttonHint_ = value;
    ApplyButtonSettings();
}

void TSeCustomEditButton::SetButtonShowHint(bool value)
{
    buttonShowHint_ = value;
    ApplyButtonSettings();
}

void TSeCustomEditButton::SetButtonTabStop(bool value)
{
    buttonTabStop_ = value;
    ApplyButtonSettings();
}

void TSeCustomEditButton::SetButtonBlend(bool value)
{
    buttonBlend_ = value;
    ApplyButtonSettings();
}

void TSeCustomEditButton::SetButtonBlendValue(int value)
{
    buttonBlendValue_ = std::clamp(value, 0, 255);
    ApplyButtonSettings();
}

void TSeCustomEditButton::SetButtonTransparent(bool value)
{
    buttonTransparent_ = value;
    ApplyButtonSettings();
}
