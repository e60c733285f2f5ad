#pragma once
// TSePopupWindow: the window of one open menu level. It is a borderless
// top-most tool window (override-redirect on X11) that never takes the
// activation: it is shown and hidden without activating, a click on it
// keeps the owner's frame painted active. Its TSePopupForm draws the frame
// around the client area, where the TSePopupView draws the rows.
// TSeSkinPopupWindow draws in the look of the menu's bound skin.

#include "skin/controls/menus/SeItemView.h"

#include "ui/forms/Form.h"

#include <memory>
#include <vector>

class TSeCustomItem;
class TSePopupForm;
class TSePopupMenuOptions;

class TSePopupWindow : public TCustomForm {
public:
    static constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    static constexpr UINT kShowFlags =
        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;
    static constexpr UINT kHideFlags =
        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW;

    explicit TSePopupWindow(TSeCustomItem* item);
    ~TSePopupWindow() override;

    TSeCustomItem* Item() const { return item_; }
    TSePopupView* View() const { return view_.get(); }
    TSePopupForm* PopupForm() const { return popupForm_; }

    // The popup form takes the menu's blending and shadow, and its
    // animation only when `animate` (a menu's first level).
    void TakeOptions(TSePopupMenuOptions* options, bool animate);
    // Lays the rows out; the window's size follows (frame and effects
    // included).
    SIZE Measure();
    // Gives the window its place (screen coordinates) and makes it, with
    // its frame attached; it stays hidden.
    void Place(const RECT& bounds);
    void ShowNoActivate();
    void HideNoActivate();
    // Every popup window that exists now, oldest first.
    static std::vector<TSePopupWindow*> OpenWindows();

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // The look rows are drawn in.
    virtual brio::MenuLook Look() const;

private:
    void keepOwnerActive();

    TSeCustomItem* item_;
    TSePopupForm* popupForm_;
    std::unique_ptr<TSePopupView> view_;
};

class TSeSkinPopupWindow : public TSePopupWindow {
public:
    using TSePopupWindow::TSePopupWindow;

protected:
    brio::MenuLook Look() const override;
};
