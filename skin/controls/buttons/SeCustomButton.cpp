#include "skin/controls/buttons/SeCustomButton.h"

#include "skin/controls/buttons/CaptionText.h"
#include "skin/controls/buttons/SeStockButtons.h"
#include "ui/control/ShiftState.h"
#include "ui/forms/ActionList.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImageList.h"
#include "ui/stdctrls/ButtonControl.h"

#include "platform/theme/Look.h"
#include "platform/WinUser.h"

#include <algorithm>

TSeCustomButton::TSeCustomButton(TComponent* owner) : TSeCustomControl(owner)
{
    SetBounds(0, 0, 75, 25);
    SetPerformance(kspDoubleBuffer);
    SetTransparent(false);
    SetTabStop(true);
    SetColor(clBtnFace);
    // The button clicks on its own terms (release inside, Space, keys);
    // quick repeated presses are clicks, not double clicks.
    controlStyle_.Exclude(csClickEvents).Exclude(csDoubleClicks).Exclude(csAcceptsControls);
    glyph_.OnChanged = [this] { Invalidate(); };
}

TSeCustomButton::~TSeCustomButton()
{
    glyph_.OnChanged = nullptr;
}

// ---- Properties ----------------------------------------------------------------------------

void TSeCustomButton::SetBlackAndWhiteGlyph(bool value)
{
    if (value == blackAndWhiteGlyph_)
        return;
    blackAndWhiteGlyph_ = value;
    Invalidate();
}

void TSeCustomButton::SetDefault(bool value)
{
    if (value == default_)
        return;
    default_ = value;
    // Every button of the form works out its default look again.
    if (TCustomForm* form = GetParentForm(this))
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
    else
        activeDefault_ = default_;
    Invalidate();
}

void TSeCustomButton::SetGlyph(const TBitmap* value) { glyph_.bitmap()->Assign(value); }

void TSeCustomButton::SetKind(TBitBtnKind value)
{
    kind_ = value;
    const TSeStockButton* stock = StockButton(value);
    if (!stock)
        return;
    SetDefault(stock->MakesDefault);
    // A form being read keeps a caption it stores beside the kind.
    if (!ComponentState().Contains(csLoading) || Caption().empty())
        SetCaption(stock->Caption);
    modalResult_ = stock->ModalResult;
    SetGlyph(StockButtonGlyph(value));
    glyph_.setNumGlyphs(2);
}

void TSeCustomButton::SetLayout(TButtonLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TSeCustomButton::SetSpacing(int value)
{
    if (value == spacing_)
        return;
    spacing_ = value;
    Invalidate();
}

void TSeCustomButton::SetState(TSeButtonState value)
{
    if (value == state_)
        return;
    state_ = value;
    Invalidate();
}

void TSeCustomButton::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    Invalidate();
}

void TSeCustomButton::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    TSeCustomControl::ActionChange(sender, checkDefaults);
    auto* action = dynamic_cast<TCustomAction*>(sender);
    TImageList* images = action && action->ActionList() ? action->ActionList()->Images() : nullptr;
    if (!images || action->ImageIndex() < 0 || action->ImageIndex() >= images->Count())
        return;
    // The image on magenta, which the glyph's bottom-left key then hides.
    TBitmap picture(images->Width(), images->Height());
    picture.Canvas()->Brush()->SetColor(TColor(RGB(255, 0, 255)));
    picture.Canvas()->FillRect(RECT{0, 0, images->Width(), images->Height()});
    images->Draw(picture.Canvas(), 0, 0, action->ImageIndex());
    SetGlyph(&picture);
}

// ---- Behaviour -----------------------------------------------------------------------------

void TSeCustomButton::Click()
{
    if (TCustomForm* form = GetParentForm(this); form && modalResult_ != mrNone)
        form->SetModalResult(modalResult_);
    TSeCustomControl::Click();
}

bool TSeCustomButton::pointInside(int x, int y) const
{
    return x >= 0 && x <= ClientWidth() - 1 && y >= 0 && y <= ClientHeight();
}

void TSeCustomButton::stopTracking()
{
    tracking_ = false;
    SetState(kbsNormal);
}

void TSeCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && Enabled()) {
        if (CanFocus() && !Focused())
            SetFocus();
        SetState(kbsPressed);
        tracking_ = true;
    }
    TSeCustomControl::MouseDown(button, shift, x, y);
}

void TSeCustomButton::MouseMove(TShiftState shift, int x, int y)
{
    if (tracking_)
        SetState(pointInside(x, y) ? kbsPressed : kbsNormal);
    TSeCustomControl::MouseMove(shift, x, y);
}

void TSeCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const bool release = button == mbLeft && tracking_;
    if (release)
        stopTracking();
    TSeCustomControl::MouseUp(button, shift, x, y);
    // Last: a click may close the dialog or free the button.
    if (release && x >= 0 && x < Width() && y >= 0 && y < Height())
        Click();
}

void TSeCustomButton::KeyDown(WORD& key, TShiftState shift)
{
    if (key == VK_SPACE && !shift.Contains(ssAlt))
        SetState(kbsPressed);
    TSeCustomControl::KeyDown(key, shift);
}

void TSeCustomButton::KeyUp(WORD& key, TShiftState shift)
{
    if (key == VK_SPACE && state_ == kbsPressed && !tracking_) {
        SetState(kbsNormal);
        key = 0;
        Click();
        return;
    }
    TSeCustomControl::KeyUp(key, shift);
}

void TSeCustomButton::focusChanged(TControl* focused)
{
    const bool anotherButton = focused != this && (dynamic_cast<TSeCustomButton*>(focused) ||
                                                   dynamic_cast<TButtonControl*>(focused));
    const bool active = anotherButton ? false : default_;
    if (active == activeDefault_)
        return;
    activeDefault_ = active;
    Invalidate();
}

void TSeCustomButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_DIALOGKEY: {
        const bool enter = m.WParam == VK_RETURN && (activeDefault_ || Focused());
        const bool escape = m.WParam == VK_ESCAPE && cancel_;
        const bool plain = KeyboardStateToShiftState().Empty();
        if ((enter || escape) && plain && CanFocus()) {
            Click();
            m.Result = 1;
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(m.WParam, Caption()) && CanFocus()) {
            SetFocus();
            Click();
            m.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        focusChanged(reinterpret_cast<TControl*>(m.LParam));
        return;
    case CM_ENABLEDCHANGED:
        if (!Enabled())
            stopTracking();
        break;
    case CM_CANCELMODE:
    case WM_CANCELMODE:
        stopTracking();
        break;
    case CM_EXIT:
        // Space held while the focus moves on presses nothing.
        if (!tracking_)
            SetState(kbsNormal);
        break;
    default:
        break;
    }
    TSeCustomControl::WndProc(m);
}

// ---- Layout --------------------------------------------------------------------------------

TRect TSeCustomButton::GetContentRect()
{
    const bool hasGlyph = !glyph_.empty();
    const int cellWidth = glyph_.cellWidth();
    const int glyphHeight = glyph_.height();
    int w = 0;
    int h = 0;
    if (wordWrap_) {
        // Small buttons would give a negative box: nothing to wrap into.
        w = std::max(Width() - spacing_ - cellWidth - 10, 0);
        h = std::max(Height() - spacing_ - glyphHeight - 10, 0);
    } else {
        const RECT text = brio::MeasureCaption(*Font(), Caption(), {}, 0);
        w = text.right - text.left;
        h = text.bottom - text.top;
    }
    if (hasGlyph) {
        if (layout_ == blGlyphTop || layout_ == blGlyphBottom)
            h += glyphHeight + spacing_;
        else
            w += cellWidth + spacing_;
        w = std::max(w, cellWidth);
        h = std::max(h, glyphHeight);
    }
    TRect r = Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
    if (state_ == kbsPressed)
        OffsetRect(&r, 1, 1);
    return r;
}

TRect TSeCustomButton::GetTextRect()
{
    TRect r = GetContentRect();
    if (glyph_.empty())
        return r;
    const int across = glyph_.cellWidth() + spacing_;
    const int down = glyph_.height() + spacing_;
    switch (layout_) {
    case blGlyphLeft:
        r.left = std::min(r.left + across, r.right);
        break;
    case blGlyphRight:
        r.right = std::max(r.right - across, r.left);
        break;
    case blGlyphTop:
        r.top = std::min(r.top + down, r.bottom);
        break;
    case blGlyphBottom:
        r.bottom = std::max(r.bottom - down, r.top);
        break;
    }
    return r;
}

TRect TSeCustomButton::GetGlyphRect()
{
    TRect r = GetContentRect();
    if (glyph_.empty())
        return Rect(r.left, r.top, r.left, r.top);
    const int cellWidth = glyph_.cellWidth();
    const int glyphHeight = glyph_.height();
    switch (layout_) {
    case blGlyphLeft:
        r.right = r.left + cellWidth;
        break;
    case blGlyphRight:
        r.left = r.right - cellWidth;
        break;
    case blGlyphTop:
        r.bottom = r.top + glyphHeight;
        break;
    case blGlyphBottom:
        r.top = r.bottom - glyphHeight;
        break;
    }
    return r;
}

// ---- Painting ------------------------------------------------------------------------------

void TSeCustomButton::Paint()
{
    TCanvas& canvas = *Canvas();
    PaintFace(canvas);
    PaintText(canvas);
    PaintGlyph(canvas);
}

void TSeCustomButton::PaintFace(TCanvas& canvas)
{
    brio::LookState look;
    look.hot = Hot();
    look.pressed = state_ == kbsPressed;
    look.disabled = !Enabled();
    look.focused = HasFocus();
    look.defaulted = activeDefault_;
    const RECT r = ClientRect();
    brio::DrawLookPart(canvas.Handle(), brio::LookPart::PushButton, look, r);
    if (HasFocus()) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.DrawFocusRect(focus);
    }
}

void TSeCustomButton::PaintGlyph(TCanvas& canvas)
{
    if (glyph_.empty())
        return;
    const TRect g = GetGlyphRect();
    const int x = g.left + (g.right - g.left - glyph_.cellWidth()) / 2;
    const int y = g.top + (g.bottom - g.top - glyph_.height()) / 2;
    const bool disabled = !Enabled();
    const int cell = brio::ButtonGlyph::cellIndex(glyph_.numGlyphs(), disabled, state_ == kbsPressed);
    auto tone = brio::ButtonGlyph::Tone::Colour;
    if (disabled && glyph_.numGlyphs() == 1)
        tone = brio::ButtonGlyph::Tone::Faded;
    else if (blackAndWhiteGlyph_ && !Hot())
        tone = brio::ButtonGlyph::Tone::Grey;
    glyph_.draw(canvas.Handle(), x, y, cell, tone);
}

RECT TSeCustomButton::CaptionBox(TCanvas& canvas)
{
    const TRect area = GetTextRect();
    const RECT measured = brio::MeasureCaption(canvas, Caption(), {wordWrap_}, area.right - area.left);
    const int w = measured.right - measured.left;
    const int h = measured.bottom - measured.top;
    return Bounds(area.left + (area.right - area.left - w) / 2, area.top + (area.bottom - area.top - h) / 2, w, h);
}

RECT TSeCustomButton::CaptionBounds()
{
    return brio::MeasureOnCanvas(*Font(), [this](TCanvas& canvas) {
        SelectCaptionFont(canvas);
        return CaptionBox(canvas);
    });
}

void TSeCustomButton::PaintPlainText(TCanvas& canvas)
{
    canvas.SetFont(Font());
    const RECT box = CaptionBox(canvas);
    brio::DrawCaption(canvas, Caption(), box, {wordWrap_}, !Enabled());
}

void TSeCustomButton::PaintText(TCanvas& canvas) { PaintPlainText(canvas); }
