// TControl: bounds, alignment requests, state properties, mouse handling,
// the control messages every control answers, and action links.

#include "ui/control/Control.h"
#include "ui/control/ShiftState.h"

#include "ui/forms/ActionList.h"
#include "ui/forms/Application.h"
#include "ui/component/Exception.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Font.h"
#include "ui/menus/Menu.h"
#include "ui/control/WinControl.h"

#include "platform/WinUser.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <cctype>

void TSizeConstraints::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TSizeConstraints*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    MinWidth = other->MinWidth;
    MinHeight = other->MinHeight;
    MaxWidth = other->MaxWidth;
    MaxHeight = other->MaxHeight;
    Changed();
}

void TSizeConstraints::Apply(int& width, int& height) const
{
    if (MaxWidth > 0 && width > MaxWidth)
        width = MaxWidth;
    if (MinWidth > 0 && width < MinWidth)
        width = MinWidth;
    if (MaxHeight > 0 && height > MaxHeight)
        height = MaxHeight;
    if (MinHeight > 0 && height < MinHeight)
        height = MinHeight;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), constraints_(std::make_unique<TSizeConstraints>()), font_(std::make_unique<TFont>())
{
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_->OnChange = [this](TObject*) { fontChanged(); };
    constraints_->OnChange = [this](TObject*) { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl()
{
    Application->ControlDestroyed(this);
    actionLink_.reset();
    if (parent_)
        parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    if (WindowProc)
        WindowProc(m);
    else
        WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& m)
{
    if ((m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) || m.Msg == WM_CONTEXTMENU) {
        handleMouse(m);
        return;
    }
    if (m.Msg >= CM_BASE && m.Msg < CN_BASE) {
        handleControlMessage(m);
        return;
    }
    DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::handleMouse(TMessage& m)
{
    int x = GET_X_LPARAM(m.LParam);
    int y = GET_Y_LPARAM(m.LParam);
    TShiftState shift = KeysToShiftState(m.WParam);
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Without csDoubleClicks a second click is just another click.
        if (m.Msg == WM_LBUTTONDBLCLK && controlStyle_.Contains(csDoubleClicks)) {
            shift.Include(ssDouble);
            DblClick();
        } else if (controlStyle_.Contains(csClickEvents)) {
            controlState_.Include(csClicked);
        }
        controlState_.Include(csLButtonDown);
        MouseDown(mbLeft, shift, x, y);
        break;
    case WM_LBUTTONUP: {
        bool clicked = controlState_.Contains(csClicked);
        controlState_.Exclude(csClicked).Exclude(csLButtonDown);
        TRect client = ClientRect();
        if (clicked && PtInRect(&client, POINT{x, y}))
            Click();
        MouseUp(mbLeft, shift, x, y);
        break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        MouseDown(mbRight, shift, x, y);
        break;
    case WM_RBUTTONUP:
        MouseUp(mbRight, shift, x, y);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        MouseDown(mbMiddle, shift, x, y);
        break;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift, x, y);
        break;
    case WM_CONTEXTMENU: {
        TPoint screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        bool handled = false;
        DoContextPopup(screen, handled);
        if (handled) {
            m.Result = 1;
            return;
        }
        break;
    }
    default:
        break;
    }
    DefaultHandler(m);
}

void TControl::DoContextPopup(TPoint screenPos, bool& handled)
{
    if (screenPos.x == -1 && screenPos.y == -1)
        screenPos = ClientToScreen(TPoint{width_ / 2, height_ / 2});
    if (OnContextPopup) {
        TPoint local = ScreenToClient(screenPos);
        OnContextPopup(this, local, handled);
        if (handled)
            return;
    }
    if (popupMenu_ && popupMenu_->AutoPopup) {
        popupMenu_->SetPopupComponent(this);
        popupMenu_->Popup(screenPos.x, screenPos.y);
        handled = true;
    }
}

void TControl::handleControlMessage(TMessage& m)
{
    switch (m.Msg) {
    case CM_MOUSEENTER:
        controlState_.Include(csMouseInside);
        if (OnMouseEnter)
            OnMouseEnter(this);
        break;
    case CM_MOUSELEAVE:
        controlState_.Exclude(csMouseInside);
        if (OnMouseLeave)
            OnMouseLeave(this);
        break;
    case CM_PARENTFONTCHANGED:
        if (parentFont_ && parent_) {
            updatingFont_ = true;
            font_->Assign(parent_->Font());
            updatingFont_ = false;
            Perform(CM_FONTCHANGED);
        }
        break;
    case CM_PARENTCOLORCHANGED:
        if (parentColor_ && parent_) {
            color_ = parent_->Color();
            Perform(CM_COLORCHANGED);
        }
        break;
    case CM_PARENTSHOWHINTCHANGED:
        if (parentShowHint_ && parent_)
            showHint_ = parent_->ShowHint();
        break;
    case CM_HITTEST:
        m.Result = HTCLIENT;
        break;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        break;
    default:
        DefaultHandler(m);
        break;
    }
}

// ---- Geometry ------------------------------------------------------------------------

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    constraints_->Apply(width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    bool resized = width != width_ || height != height_;
    if (!dynamic_cast<TWinControl*>(this))
        InvalidateControl(visible_, false);
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
    if (!dynamic_cast<TWinControl*>(this))
        Invalidate();
    if (parent_ && !parent_->aligning_)
        UpdateAnchorRules();
    if (align_ != alNone)
        RequestAlign();
    if (resized)
        Resize();
}

TRect TControl::ClientRect() const
{
    return Rect(0, 0, width_, height_);
}

void TControl::SetClientWidth(int value)
{
    SetWidth(width_ - ClientWidth() + value);
}

void TControl::SetClientHeight(int value)
{
    SetHeight(height_ - ClientHeight() + value);
}

TPoint TControl::ClientOrigin() const
{
    if (!parent_)
        return TPoint{left_, top_};
    TPoint p = parent_->ClientOrigin();
    return TPoint{p.x + left_, p.y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint origin = ClientOrigin();
    return TPoint{p.x + origin.x, p.y + origin.y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint origin = ClientOrigin();
    return TPoint{p.x - origin.x, p.y - origin.y};
}

void TControl::SetAlign(TAlign value)
{
    if (value == align_)
        return;
    TAlign old = align_;
    align_ = value;
    anchors_ = AnchorAlign[value];
    if (old != alNone || value != alNone)
        RequestAlign();
}

void TControl::SetAnchors(TAnchors value)
{
    anchors_ = value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (!parent_)
        return;
    TRect area = parent_->ClientRect();
    parent_->AdjustClientRect(area);
    anchorRight_ = area.right - (left_ + width_);
    anchorBottom_ = area.bottom - (top_ + height_);
}

void TControl::RequestAlign()
{
    if (parent_)
        parent_->AlignControl(this);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateAnchorRules();
    if (align_ != alNone)
        RequestAlign();
}

// ---- State -------------------------------------------------------------------------------

void TControl::SetVisible(bool value)
{
    if (value == visible_)
        return;
    VisibleChanging();
    visible_ = value;
    Perform(CM_VISIBLECHANGED, value);
    if (!value)
        InvalidateControl(true, false);
    RequestAlign();
}

void TControl::Show()
{
    SetVisible(true);
}

void TControl::Hide()
{
    SetVisible(false);
}

bool TControl::Showing() const
{
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetFont(const TFont* font)
{
    font_->Assign(font);
}

void TControl::fontChanged()
{
    if (updatingFont_)
        return;
    parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool value)
{
    parentFont_ = value;
    if (value)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value)
{
    parentColor_ = value;
    if (value)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetText(const std::string& value)
{
    if (value == text_)
        return;
    text_ = value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetCursor(TCursor value)
{
    if (value == cursor_)
        return;
    cursor_ = value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode value)
{
    if (value == biDiMode_)
        return;
    biDiMode_ = value;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetShowHint(bool value)
{
    showHint_ = value;
    parentShowHint_ = false;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value)
{
    parentShowHint_ = value;
    if (value)
        Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* menu)
{
    popupMenu_ = menu;
    if (menu)
        menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == popupMenu_)
        popupMenu_ = nullptr;
    if (actionLink_ && component == actionLink_->Action())
        SetAction(nullptr);
}

// ---- Actions -------------------------------------------------------------------------------

TBasicAction* TControl::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* action)
{
    if (!action) {
        actionLink_.reset();
        controlStyle_.Exclude(csActionClient);
        return;
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TControlActionLink>(this);
    actionLink_->SetAction(action);
    controlStyle_.Include(csActionClient);
    ActionChange(action, ComponentState().Contains(csLoading));
    action->FreeNotification(this);
}

void TControl::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if (!checkDefaults || text_.empty())
        SetCaption(action->Caption());
    if (!checkDefaults || enabled_)
        SetEnabled(action->Enabled());
    if (!checkDefaults || hint_.empty())
        SetHint(action->Hint());
    if (!checkDefaults || visible_)
        SetVisible(action->Visible());
}

// ---- Events ---------------------------------------------------------------------------------

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

// ---- Painting and z-order ------------------------------------------------------------------

void TControl::InvalidateControl(bool isVisible, bool isOpaque)
{
    if (!isVisible || !parent_ || !parent_->HandleAllocated())
        return;
    TRect r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, !isOpaque);
}

void TControl::Invalidate()
{
    InvalidateControl(visible_, controlStyle_.Contains(csOpaque));
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
    if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated())
        SetWindowPos(self->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SendToBack()
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin(), this);
    if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated())
        SetWindowPos(self->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

// ---- Free functions ---------------------------------------------------------------------------

TCustomForm* GetParentForm(const TControl* control)
{
    const TControl* top = control;
    while (top && top->Parent())
        top = top->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

TControl* FindDragTarget(TPoint screenPos, bool allowDisabled)
{
    HWND hwnd = WindowFromPoint(screenPos);
    TWinControl* window = nullptr;
    while (hwnd && !(window = TWinControl::FromHandle(hwnd)))
        hwnd = GetParent(hwnd);
    if (!window)
        return nullptr;
    if (TControl* child = window->ControlAtPos(window->ScreenToClient(screenPos), allowDisabled))
        return child;
    return window;
}

bool IsAccel(WPARAM charCode, const std::string& caption)
{
    auto lower = [](unsigned c) { return c < 0x80 ? unsigned(brio::asciiLower(char(c))) : c; };
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return lower(static_cast<unsigned char>(caption[i + 1])) == lower(unsigned(charCode));
    }
    return false;
}
