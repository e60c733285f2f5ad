#pragma once
// TSePopupForm: the frame of a popup menu window, with the window effects
// the menu's options ask for (blending, shadow, and the show animation of
// a menu's first level). It draws the menu frame ("Frame" of the skin's
// "PopupMenu", or three plain one-pixel frames) and says how far inside
// it the rows lie.

#include "skin/controls/menus/SeMenuRows.h"
#include "skin/controls/options/SeWindowOptions.h"

#include "ui/component/Component.h"

class TCanvas;
class TSePopupWindow;

class TSePopupForm : public TComponent {
public:
    // The popup form needs only room for a one-row menu: unlike an
    // ordinary skinned form it does not pad small windows up to a caption.
    static constexpr SIZE kMinTrackSize{8, 8};

    explicit TSePopupForm(TSePopupWindow* window);

    TSePopupWindow* Window() const { return window_; }
    TSeBlending* Blending() { return options_.Blending(); }
    TSeShadow* Shadow() { return options_.Shadow(); }
    TSeAnimation* Animation() { return options_.Animation(); }
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool value) { stayOnTop_ = value; }

    void SetLook(const brio::MenuLook& look) { look_ = look; }
    // How far inside the window the rows' area lies on each side.
    RECT ClientInsets() const;
    // Extra width and height the window needs for its effects.
    SIZE EffectsSize() const;
    // Draws the frame over the whole window (`whole` in client
    // coordinates of the window).
    void PaintFrame(TCanvas& canvas, const RECT& whole);
    // Gives the window the frame's outline (a skin frame with rounded or
    // cut corners), the rows' area always included.
    void UpdateRegion(HWND window, SIZE size);

private:
    TSePopupWindow* window_;
    TSeWindowOptions options_;
    bool stayOnTop_ = false;
    brio::MenuLook look_;
};
