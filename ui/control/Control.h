#pragma once
// TControl: anything that sits on a parent, has bounds, takes part in
// alignment and answers messages through a replaceable WindowProc. A control
// without a window of its own (TGraphicControl) is painted and fed mouse
// input by its windowed parent.

#include "ui/control/ControlMessages.h"
#include "ui/component/Geometry.h"
#include "ui/graphics/Colors.h"
#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include <memory>
#include <string>

class TWinControl;
class TCustomForm;
class TFont;
class TPopupMenu;
class TBasicAction;
class TControlActionLink;

enum TControlStyleItem : std::uint8_t {
    csAcceptsControls,
    csCaptureMouse,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csParentBackground,
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem : std::uint8_t {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
    csMouseInside,
};
using TControlState = TSet<TControlStateItem>;

using TConstraintSize = int;

// Minimum and maximum width and height; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    void Assign(const TPersistent* source) override;
    // Clamps a proposed size.
    void Apply(int& width, int& height) const;
    TNotifyEvent OnChange;
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // ---- Messages
    // The procedure every message goes through; a hook saves the old value
    // and chains to it. Defaults to WndProc.
    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& message);
    // What happens to a message nobody handled.
    virtual void DefaultHandler(TMessage& message);

    // ---- Geometry (parent's client coordinates)
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.left, r.top, ::Width(r), ::Height(r)); }
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ::Width(ClientRect()); }
    int ClientHeight() const { return ::Height(ClientRect()); }
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors value);
    TSizeConstraints* Constraints() const { return constraints_.get(); }

    // ---- State
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Show();
    void Hide();
    // Visible, and every parent up to a form is showing.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool value);
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState state) { controlState_ = state; }

    // ---- Appearance
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& value) { SetText(value); }
    virtual std::string Text() const { return text_; }
    virtual void SetText(const std::string& value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode value);

    // ---- Hints and menus
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    // ---- Actions
    TBasicAction* Action() const;
    void SetAction(TBasicAction* action);
    // Takes the action's properties; `checkDefaults` keeps values set here.
    virtual void ActionChange(TBasicAction* sender, bool checkDefaults);

    // ---- Painting and z-order
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // ---- Events
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    std::function<void(TObject* sender, TPoint mousePos, bool& handled)> OnContextPopup;

    virtual void Click();

protected:
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();
    // The window (or nothing) bounds changes are passed to.
    virtual void BoundsChanged() {}
    virtual void VisibleChanging() {}
    // Asks the parent to lay its children out again.
    void RequestAlign();
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Context menu at a screen point (-1, -1: from the keyboard).
    virtual void DoContextPopup(TPoint screenPos, bool& handled);
    void InvalidateControl(bool isVisible, bool isOpaque);

    // Mouse and state message handlers; override to react, call the
    // inherited one to keep the default.
    void handleMouse(TMessage& m);
    void handleControlMessage(TMessage& m);

    // Remembers the distances to the parent's right and bottom edges for
    // the right and bottom anchors.
    void UpdateAnchorRules();
    friend class TWinControl;

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TWinControl* parent_ = nullptr;
    TControlStyle controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState controlState_;
    std::string text_;

private:
    void fontChanged();

    TAlign align_ = alNone;
    TAnchors anchors_ = {akLeft, akTop};
    std::unique_ptr<TSizeConstraints> constraints_;
    // Distances of the right and bottom edges from the parent's client edges.
    int anchorRight_ = 0;
    int anchorBottom_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TCursor cursor_ = crDefault;
    TBiDiMode biDiMode_ = bdLeftToRight;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TPopupMenu* popupMenu_ = nullptr;
    std::unique_ptr<TControlActionLink> actionLink_;
    bool updatingFont_ = false;
};

// The form a control sits on; null when it is on none.
TCustomForm* GetParentForm(const TControl* control);
// The control with a window at a screen point (or its windowless child
// there), null when none of ours is.
TControl* FindDragTarget(TPoint screenPos, bool allowDisabled);
// Whether `caption` marks `charCode` as its accelerator ("&Open" and 'o').
bool IsAccel(WPARAM charCode, const std::string& caption);
