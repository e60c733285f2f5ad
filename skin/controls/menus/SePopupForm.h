#pragma once
// TSePopupForm: the form-skinning component of a popup menu window, without
// caption or borders. Through it a popup gets what every skinned window
// has (the frame measured and painted outside the client area, the window
// region, the drop shadow, blending and the show animation its options ask
// for); what it draws is the menu's frame ("Frame" of the skin's
// "PopupMenu", or three plain one-pixel frames) and, as the client
// background, the rows of its window's view.

#include "skin/controls/forms/SeCustomForm.h"
#include "skin/controls/menus/SeMenuRows.h"

class TCanvas;
class TSePopupWindow;

class TSePopupForm : public TSeCustomForm {
public:
    // Popups need only room for a one-row menu: an ordinary form's minimum
    // (room for a caption and its buttons) would pad small menus.
    static constexpr SIZE kMinTrackSize{8, 8};

    explicit TSePopupForm(TSePopupWindow* window);

    TSePopupWindow* Window() const { return window_; }
    void SetLook(const brio::MenuLook& look) { look_ = look; }
    // How far inside the window the rows' area lies on each side.
    RECT ClientInsets() const;

    RECT GetClientBounds() override;
    SIZE GetMinTrackSize() override;
    HRGN CreateRegion() override;
    void PaintFrame(TCanvas& canvas) override;
    void PaintClient(TCanvas& canvas) override;
    TSeFrameZone HitTestZone(POINT) override { return fzNone; }

protected:
    void AfterLoad() override;

private:
    TSePopupWindow* window_;
    brio::MenuLook look_;
};
