#pragma once
// TSeCustomButton: the push button of the skinned library, in its plain
// look (the themed push-button part, or classic edges with themes off).
// TSeSkinButton draws the same button from a skin.
//
// Behaviour: a left press presses it and tracks the pointer (the pressed
// look follows the pointer in and out), the release inside clicks once;
// Space presses and clicks; Enter clicks the button that shows the default
// look or has the focus, Escape the Cancel one; the caption's accelerator
// clicks it. A click hands ModalResult to the form before OnClick (or the
// action) runs, so a handler can set it back and keep a dialog open.

#include "skin/controls/base/SeCustomControl.h"
#include "skin/controls/buttons/ButtonGlyph.h"
#include "skin/controls/buttons/SeButtonTypes.h"

class TSeCustomButton : public TSeCustomControl {
public:
    explicit TSeCustomButton(TComponent* owner);
    ~TSeCustomButton() override;

    // Shows the default look now: Default, and no other button has the focus.
    bool ActiveDefault() const { return activeDefault_; }
    bool BlackAndWhiteGlyph() const { return blackAndWhiteGlyph_; }
    void SetBlackAndWhiteGlyph(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    bool Default() const { return default_; }
    void SetDefault(bool value);
    // One to four cells side by side; a square-celled picture sets NumGlyphs.
    TBitmap* Glyph() const { return glyph_.bitmap(); }
    void SetGlyph(const TBitmap* value);
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    int NumGlyphs() const { return glyph_.numGlyphs(); }
    void SetNumGlyphs(int value) { glyph_.setNumGlyphs(value); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    TSeButtonState State() const { return state_; }
    void SetState(TSeButtonState value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    void Click() override;
    void ActionChange(TBasicAction* sender, bool checkDefaults) override;
    void WndProc(TMessage& message) override;

    // Layout, in control coordinates: the centred box of glyph and caption
    // (moved by one pixel while pressed), the caption's part of it and the
    // glyph's part.
    virtual TRect GetContentRect();
    virtual TRect GetTextRect();
    virtual TRect GetGlyphRect();
    // Where the caption is drawn, measured in the font it is drawn in.
    RECT CaptionBounds();

protected:
    void Paint() override;
    virtual void PaintFace(TCanvas& canvas);
    virtual void PaintGlyph(TCanvas& canvas);
    virtual void PaintText(TCanvas& canvas);
    // The plain caption in the control's own font, embossed when disabled.
    void PaintPlainText(TCanvas& canvas);
    // Sets the canvas font the caption is drawn in.
    virtual void SelectCaptionFont(TCanvas& canvas) { canvas.SetFont(Font()); }
    // Where the caption's measured box sits, centred in the text rectangle.
    RECT CaptionBox(TCanvas& canvas);
    void MouseEnter() override { Invalidate(); }
    void MouseLeave() override { Invalidate(); }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    const brio::ButtonGlyph& GlyphCells() const { return glyph_; }

private:
    void focusChanged(TControl* focused);
    bool pointInside(int x, int y) const;
    void stopTracking();

    brio::ButtonGlyph glyph_;
    bool activeDefault_ = false;
    bool blackAndWhiteGlyph_ = false;
    bool cancel_ = false;
    bool default_ = false;
    TBitBtnKind kind_ = bkCustom;
    TButtonLayout layout_ = blGlyphLeft;
    TModalResult modalResult_ = mrNone;
    int spacing_ = 4;
    TSeButtonState state_ = kbsNormal;
    bool wordWrap_ = false;
    bool tracking_ = false;
};
