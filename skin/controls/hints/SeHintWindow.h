#pragma once
// TSeHintWindow: the hint window class a hint component installs. It asks
// the hint component named by the hint data (or the default one) for the
// size and the picture, keeps the window on the desktop, and never takes
// the focus: it is a top-most tool pop-up that refuses activation and lets
// the pointer through.

#include "ui/forms/HintWindow.h"

class TSeCustomHint;
class TSeHintForm;

class TSeHintWindow : public THintWindow {
public:
    explicit TSeHintWindow(TComponent* owner);
    ~TSeHintWindow() override;

    TRect CalcHintRect(int maxWidth, const std::string& hint, void* data) override;
    void ActivateHint(TRect rect, const std::string& hint) override;
    void ActivateHintData(TRect rect, const std::string& hint, void* data) override;
    bool IsHintMsg(const MSG& msg) const override;

    // The component of the hint being shown while it is alive, else the
    // default hint component; null when there is none (the plain look).
    TSeCustomHint* HintComponent() const;
    // The frame component that paints the window once it has been shown.
    TSeHintForm* HintForm() const { return hintForm_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    void resizeToText();

    TSeHintForm* hintForm_ = nullptr;
    TSeCustomHint* hint_ = nullptr;
    bool activating_ = false;
};

namespace brio {
// `rect` moved (not resized) so that it lies on `desktop` as far as it can;
// a rectangle larger than the desktop keeps its top-left corner on it.
RECT placeHintOnDesktop(RECT rect, const RECT& desktop);
} // namespace brio
