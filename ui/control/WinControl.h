#pragma once
// TWinControl: a control with a window of its own, made on demand. Each
// instance gets its own window procedure (MakeWindowProc) that hands every
// message to WindowProc; it lays out, paints and feeds its windowless
// children, keeps the tab order and takes part in focus and dialog keys.

#include "ui/control/Control.h"

#include "platform/WinUser.h"

#include <vector>

class TBrush;

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    UINT WindowClassStyle = CS_DBLCLKS;
    std::string WinClassName;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // ---- Window handle
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    // Destroys the window and makes a new one with the current parameters,
    // when there was one.
    void RecreateWnd();
    HWND ParentWindow() const { return parentWindow_; }
    // A control without a parent control can live in a foreign window.
    void SetParentWindow(HWND hwnd);

    // ---- Children
    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The visible, enabled windowless or windowed child at a client point.
    TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false) const;
    // Lays the children out: alignment in docking order, then anchors.
    void Realign();
    // Lays out again on behalf of a child whose bounds or alignment changed.
    void AlignControl(TControl* requester);
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    // The area children align in (client rectangle less any borders).
    virtual void AdjustClientRect(TRect& r) const;

    // ---- Tab order and focus
    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // Windowed children in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;
    // Key handling: whether the control wants a key that dialogs use
    // (Tab, Enter, Escape, arrows) or plain characters for itself.
    virtual bool WantsKey(WORD key) const;
    virtual bool WantsChars() const { return false; }

    // ---- Painting
    TBrush* Brush() const { return brush_.get(); }
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    // Draws the control and its children into `dc` with the control's
    // top-left corner at (x, y).
    void PaintTo(HDC dc, int x, int y);
    // Paints the windowless children from `first` up (all when null) into
    // `dc`, whose origin is this control's client corner. Public so that a
    // hook that paints the window itself can still draw them.
    void PaintControls(HDC dc, TControl* first);
    bool ParentBackground() const { return controlStyle_.Contains(csParentBackground); }
    bool DoubleBuffered = false;

    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    void SetParent(TWinControl* parent) override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    std::function<void(TObject* sender, char& key)> OnKeyPress;
    TKeyEvent OnKeyUp;

    // The control whose window this is, or null.
    static TWinControl* FromHandle(HWND hwnd);
    friend class TControl;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateHandle();
    virtual void DestroyWnd();
    void DestroyHandle();
    // Called once the window exists (children follow it).
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void AlignControls(TControl* control, TRect& rect);
    virtual void PaintWindow(HDC dc);
    void PaintHandler(TMessage& m);
    virtual void EraseBackground(HDC dc);
    void BoundsChanged() override;
    void UpdateControlState();
    // Windows without a parent that show by their own Visible flag (forms,
    // hint and menu windows).
    virtual bool TopLevel() const { return false; }
    virtual void DoEnter();
    virtual void DoExit();
    // Return true when the key was used up.
    virtual bool DoKeyDown(WORD& key, TShiftState shift);
    virtual bool DoKeyPress(char& key);
    virtual bool DoKeyUp(WORD& key, TShiftState shift);
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void KeyUp(WORD& key, TShiftState shift);
    void Loaded() override;
    // Sends a message to every child (windowless ones too), stopping at the
    // first that sets a result.
    void Broadcast(TMessage& message);
    void NotifyControls(UINT msg);

    WNDPROC DefWndProc = DefWindowProc;

private:
    static LRESULT initialWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT mainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void attachHandle(HWND hwnd);
    void detachHandle();
    void handleWindowMessage(TMessage& m);
    void handleKeyMessage(TMessage& m);
    void handleFocusMessage(TMessage& m);
    bool routeMouseToChild(TMessage& m);
    // The window's own painting in a saved state, then its graphic children.
    void paintWith(HDC dc);
    void updateShowing();
    // Hidden or disabled: the form forgets this control (and its children)
    // as its active control.
    void giveUpFocus();
    void alignChildren(TRect& rect, TControl* requester);
    void applyAnchors(TControl* child, const TRect& rect);

    HWND handle_ = nullptr;
    HWND parentWindow_ = nullptr;
    WNDPROC objectProc_ = nullptr;
    std::vector<TControl*> controls_; // z-order, bottom first
    std::vector<TWinControl*> tabList_;
    std::unique_ptr<TBrush> brush_;
    bool tabStop_ = false;
    bool showing_ = false;
    int alignDisabled_ = 0;
    bool aligning_ = false;
    TControl* captureChild_ = nullptr;
    SIZE lastClientSize_{-1, -1};
};
