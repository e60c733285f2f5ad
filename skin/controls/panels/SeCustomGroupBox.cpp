#include "skin/controls/panels/SeCustomGroupBox.h"

#include "platform/gdi/DcStateSaver.h"
#include "platform/gdi/MeasuringDc.h"
#include "platform/gdi/ScopedSelection.h"
#include "platform/theme/Look.h"
#include "skin/controls/buttons/CaptionText.h"
#include "skin/controls/buttons/SeCustomCheckBox.h"
#include "ui/graphics/Font.h"

#include <algorithm>

TSeCustomGroupBox::TSeCustomGroupBox(TComponent* owner) : TSeCustomControl(owner)
{
    controlStyle_.Include(csAcceptsControls).Include(csSetCaption);
    SetBounds(0, 0, 100, 90);
    SetColor(clBtnFace);
}

TSeCustomGroupBox::~TSeCustomGroupBox() = default;

// ---- Properties ---------------------------------------------------------------------------------

void TSeCustomGroupBox::layoutChanged()
{
    placeCheckBox();
    Realign();
    Invalidate();
}

void TSeCustomGroupBox::SetCaptionMargin(int value)
{
    if (value == captionMargin_)
        return;
    captionMargin_ = value;
    layoutChanged();
}

void TSeCustomGroupBox::SetUseCheckBox(bool value)
{
    if (value == useCheckBox_)
        return;
    useCheckBox_ = value;
    if (useCheckBox_) {
        checkBox_ = CreateCheckBox();
        checkBox_->FreeNotification(this);
        checkBox_->OnClick = [this](TObject*) { CheckBoxClick(); };
        checkBox_->SetParent(this);
        SetEnabled(true);
    } else {
        TSeCustomCheckBox* box = checkBox_;
        checkBox_ = nullptr;
        delete box;
    }
    layoutChanged();
    updateChildren();
}

void TSeCustomGroupBox::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    if (checkBox_ && checkBox_->Checked() != value) {
        syncing_ = true;
        checkBox_->SetChecked(value);
        syncing_ = false;
    }
    updateChildren();
}

void TSeCustomGroupBox::SetCheckBoxAlignment(TSeLeftRight value)
{
    if (value == checkBoxAlignment_)
        return;
    checkBoxAlignment_ = value;
    if (checkBox_)
        checkBox_->SetAlignment(value);
}

void TSeCustomGroupBox::SetEnabled(bool value)
{
    TSeCustomControl::SetEnabled(value || useCheckBox_);
}

TSeCustomCheckBox* TSeCustomGroupBox::CreateCheckBox() { return new TSeCustomCheckBox(this); }

void TSeCustomGroupBox::CheckBoxClick()
{
    if (syncing_ || !checkBox_)
        return;
    Click();
    SetChecked(checkBox_->Checked());
    if (OnCheckBoxClick)
        OnCheckBoxClick(this);
}

void TSeCustomGroupBox::updateChildren()
{
    const bool enable = useCheckBox_ ? checked_ : Enabled();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (child != checkBox_)
            child->SetEnabled(enable);
    }
}

void TSeCustomGroupBox::Notification(TComponent* component, TOperation operation)
{
    TSeCustomControl::Notification(component, operation);
    if (operation == opRemove && component == checkBox_) {
        checkBox_ = nullptr;
        useCheckBox_ = false;
    }
}

// ---- Geometry -----------------------------------------------------------------------------------

SIZE TSeCustomGroupBox::captionTextSize() const
{
    if (Caption().empty())
        return SIZE{0, 0};
    const brio::MeasuringDc dc(Font()->Handle());
    const RECT r = dc.textRect(Caption(), RECT{}, DT_SINGLELINE);
    return SIZE{::Width(r), ::Height(r)};
}

int TSeCustomGroupBox::CaptionHeight() const
{
    return checkBox_ ? checkBox_->Height() : captionTextSize().cy;
}

RECT TSeCustomGroupBox::GetFrameRect() const
{
    return RECT{3, CaptionHeight() / 2 + 1, Width() - 2, Height() - 2};
}

RECT TSeCustomGroupBox::GetCaptionRect() const
{
    if (checkBox_)
        return RECT{captionMargin_, 0, captionMargin_ + checkBox_->Width(), checkBox_->Height()};
    const SIZE text = captionTextSize();
    RECT r{captionMargin_, 0, captionMargin_ + text.cx, text.cy};
    if (!Caption().empty() || AlwaysWidenCaption())
        InflateRect(&r, 3, 0);
    return r;
}

void TSeCustomGroupBox::AdjustClientRect(TRect& r) const { r = RECT{0, CaptionHeight(), Width(), Height()}; }

void TSeCustomGroupBox::placeCheckBox()
{
    if (!checkBox_)
        return;
    checkBox_->SetCaption(Caption());
    checkBox_->SetAlignment(checkBoxAlignment_);
    if (checkBox_->Checked() != checked_) {
        syncing_ = true;
        checkBox_->SetChecked(checked_);
        syncing_ = false;
    }
    const RECT box = checkBox_->CheckRect();
    const RECT text = brio::MeasureCaption(*checkBox_->Font(), Caption(), {false, true}, 0);
    const int natural = ::Width(box) + checkBox_->Spacing() + ::Width(text) + 6;
    const int width = std::max(std::min(Width() - captionMargin_ - 2, natural), 0);
    checkBox_->SetBounds(captionMargin_, 0, width, checkBox_->Height());
}

void TSeCustomGroupBox::Resize()
{
    placeCheckBox();
    TSeCustomControl::Resize();
}

// ---- Painting -----------------------------------------------------------------------------------

void TSeCustomGroupBox::drawCaption(TCanvas& canvas, bool themed)
{
    if (Caption().empty())
        return;
    const RECT r = GetCaptionRect();
    if (themed && Enabled()) {
        brio::ScopedSelection font(canvas.Handle(), canvas.Font()->Handle());
        brio::LookState state;
        brio::DrawLookText(canvas.Handle(), brio::LookPart::GroupBox, state, Caption(), r,
                           DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    brio::DrawCaption(canvas, Caption(), r, {}, !Enabled());
}

void TSeCustomGroupBox::PaintBackground(TCanvas& canvas)
{
    TSeCustomControl::PaintBackground(canvas);
    canvas.Font()->Assign(Font());
    const RECT caption = GetCaptionRect();
    {
        brio::DcStateSaver saved(canvas.Handle());
        ExcludeClipRect(canvas.Handle(), caption.left, caption.top, caption.right, caption.bottom);
        brio::LookState state;
        state.disabled = !Enabled();
        brio::DrawLookPart(canvas.Handle(), brio::LookPart::GroupBox, state, GetFrameRect());
    }
    if (!checkBox_)
        drawCaption(canvas, brio::LookThemed());
}

// ---- Messages -----------------------------------------------------------------------------------

void TSeCustomGroupBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_TEXTCHANGED:
        TSeCustomControl::WndProc(m);
        layoutChanged();
        return;
    case CM_FONTCHANGED:
        TSeCustomControl::WndProc(m);
        layoutChanged();
        return;
    case CM_ENABLEDCHANGED:
        TSeCustomControl::WndProc(m);
        updateChildren();
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (!checkBox_ && Enabled() && IsAccel(m.WParam, Caption()) && CanFocus()) {
            SelectNext(nullptr, true, true);
            m.Result = 1;
            return;
        }
        break;
    default: break;
    }
    TSeCustomControl::WndProc(m);
}
