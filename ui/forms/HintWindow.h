#pragma once
// THintWindow: the small pop-up that shows a control's hint. The
// application makes one through its replaceable hint window class.

#include "ui/control/GraphicControl.h"

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);

    // The bounds (screen coordinates, at the origin) the text needs,
    // wrapped at `maxWidth`.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint, void* data);
    // Shows the hint at `rect` (screen coordinates) without taking the focus.
    virtual void ActivateHint(TRect rect, const std::string& hint);
    // What the application calls; a hint window that uses the data field
    // overrides it, the default shows the text.
    virtual void ActivateHintData(TRect rect, const std::string& hint, void* data);
    // Hides the window.
    virtual void ReleaseHandle();
    // Whether a message taken from the queue ends the hint: a key going
    // down or a mouse button pressed, by default.
    virtual bool IsHintMsg(const MSG& msg) const { return IsKeyOrButtonDown(msg); }
    static bool IsKeyOrButtonDown(const MSG& msg);
    bool Active() const { return active_; }

protected:
    void CreateParams(TCreateParams& params) override;
    bool TopLevel() const override { return true; }
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    bool active_ = false;
};

using THintWindowClass = std::function<THintWindow*(TComponent* owner)>;
