#pragma once
// TSeCustomLabel: windowless text. With AutoSize it takes the size of its
// measured caption (a right-aligned label growing to the left); its "&"
// accelerator focuses FocusControl. A disabled label is drawn embossed.

#include "skin/controls/base/SeGraphicControl.h"

class TSeCustomLabel : public TSeGraphicControl {
public:
    explicit TSeCustomLabel(TComponent* owner);
    ~TSeCustomLabel() override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    // The caption's measured size within the current width (word wrap) in
    // the label's font.
    SIZE MeasureText() const;

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Resizes to the measured caption when AutoSize.
    void AdjustBounds();
    UINT DrawTextFlags() const;

private:
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};
