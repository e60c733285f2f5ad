// TWinControl: the window made on demand, its object-bound procedure, the
// child list, showing and painting. Alignment lives in
// WinControlAlign.cpp, focus and keys in WinControlFocus.cpp.

#include "ui/control/WinControl.h"

#include "ui/forms/Application.h"
#include "ui/component/Exception.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Brush.h"
#include "ui/graphics/Font.h"
#include "ui/forms/Screen.h"

#include "platform/WindowProcedure.h"
#include "platform/gdi/DcStateSaver.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace {

std::unordered_map<HWND, TWinControl*>& controlsByHandle()
{
    static std::unordered_map<HWND, TWinControl*> map;
    return map;
}

// The control whose window is being made; its first message binds it.
thread_local TWinControl* creatingControl = nullptr;

std::set<std::string>& registeredClasses()
{
    static std::set<std::string> names;
    return names;
}

} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner), brush_(std::make_unique<TBrush>())
{
    controlStyle_.Include(csAcceptsControls);
    brush_->SetColor(Color());
}

TWinControl::~TWinControl()
{
    Destroying();
    if (parent_)
        parent_->RemoveControl(this);
    DestroyHandle();
    // A parent only lays out its children; their owners free them.
    for (TControl* child : std::vector<TControl*>(controls_))
        child->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
    captureChild_ = nullptr;
    if (objectProc_)
        FreeWindowProc(objectProc_);
}

TWinControl* TWinControl::FromHandle(HWND hwnd)
{
    auto& map = controlsByHandle();
    auto it = map.find(hwnd);
    return it == map.end() ? nullptr : it->second;
}

// ---- Window handle -----------------------------------------------------------------------

HWND TWinControl::Handle()
{
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded()
{
    if (handle_)
        return;
    if (parent_)
        parent_->HandleNeeded();
    CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = text_;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (controlStyle_.Contains(csAcceptsControls))
        params.Style |= WS_CLIPCHILDREN;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.WndParent = parent_ ? parent_->handle_ : parentWindow_;
    params.WinClassName = ClassName();
    if (!controlStyle_.Contains(csDoubleClicks))
        params.WindowClassStyle &= ~CS_DBLCLKS;
}

void TWinControl::CreateHandle()
{
    if (handle_)
        return;
    CreateWnd();
    // The window starts hidden; showing follows the Visible flags.
    for (TWinControl* child : tabList_)
        if (child->Visible())
            child->HandleNeeded();
    for (TControl* child : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(child); w && w->HandleAllocated())
            SetWindowPos(w->handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    updateShowing();
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    if (!registeredClasses().count(params.WinClassName)) {
        WNDCLASS wc;
        wc.style = params.WindowClassStyle;
        wc.lpfnWndProc = initialWindowProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = params.WinClassName.c_str();
        RegisterClass(&wc);
        registeredClasses().insert(params.WinClassName);
    }
    if (!objectProc_)
        objectProc_ = MakeWindowProc(
            [this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return mainWndProc(hwnd, msg, wParam, lParam); });
    CreateWindowHandle(params);
    if (!handle_)
        throw EOutOfResources("Error creating window for '" + Name() + "'");
}

void TWinControl::CreateWindowHandle(const TCreateParams& params)
{
    creatingControl = this;
    HWND hwnd = CreateWindowEx(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                               params.Style & ~WS_VISIBLE, params.X, params.Y, params.Width, params.Height,
                               params.WndParent, nullptr, nullptr, params.Param);
    creatingControl = nullptr;
    if (hwnd && !handle_)
        attachHandle(hwnd);
}

LRESULT TWinControl::initialWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = creatingControl;
    if (!control)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    creatingControl = nullptr;
    control->attachHandle(hwnd);
    return CallWindowProc(control->objectProc_, hwnd, msg, wParam, lParam);
}

void TWinControl::attachHandle(HWND hwnd)
{
    handle_ = hwnd;
    controlsByHandle()[hwnd] = this;
    SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(objectProc_));
}

void TWinControl::detachHandle()
{
    if (!handle_)
        return;
    controlsByHandle().erase(handle_);
    handle_ = nullptr;
    showing_ = false;
}

void TWinControl::DestroyWnd()
{
    if (handle_)
        DestroyWindow(handle_);
}

void TWinControl::DestroyHandle()
{
    if (!handle_)
        return;
    controlState_.Include(csDestroyingHandle);
    DestroyWnd();
    controlState_.Exclude(csDestroyingHandle);
    detachHandle();
}

void TWinControl::RecreateWnd()
{
    if (!handle_)
        return;
    DestroyHandle();
    HandleNeeded();
}

void TWinControl::SetParentWindow(HWND hwnd)
{
    if (parent_ || hwnd == parentWindow_)
        return;
    parentWindow_ = hwnd;
    if (handle_) {
        if (hwnd)
            ::SetParent(handle_, hwnd);
        else
            DestroyHandle();
    }
    UpdateControlState();
}

LRESULT TWinControl::mainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    try {
        if (WindowProc)
            WindowProc(m);
        else
            WndProc(m);
    } catch (...) {
        Application->HandleException(this);
    }
    if (msg == WM_NCDESTROY && handle_ == hwnd)
        detachHandle();
    return m.Result;
}

void TWinControl::DefaultHandler(TMessage& m)
{
    if (handle_)
        m.Result = CallWindowProc(DefWndProc, handle_, m.Msg, m.WParam, m.LParam);
}

// ---- Children ------------------------------------------------------------------------------

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return controls_[std::size_t(index)];
}

void TWinControl::InsertControl(TControl* control)
{
    if (!controlStyle_.Contains(csAcceptsControls))
        throw EInvalidOperation("Control '" + Name() + "' cannot hold other controls");
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(control))
        tabList_.push_back(w);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTSHOWHINTCHANGED);
    control->UpdateAnchorRules();
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        if (handle_ && w->handle_)
            ::SetParent(w->handle_, handle_);
        w->UpdateControlState();
    } else {
        control->Invalidate();
    }
    if (control->Align() != alNone)
        AlignControl(control);
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control)
{
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
    auto* w = dynamic_cast<TWinControl*>(control);
    if (w) {
        if (TCustomForm* form = GetParentForm(this))
            form->ControlRemoving(w);
        w->DestroyHandle();
    } else {
        control->Invalidate();
    }
    if (captureChild_ == control)
        captureChild_ = nullptr;
    controls_.erase(std::find(controls_.begin(), controls_.end(), control));
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    control->parent_ = nullptr;
    if (control->Align() != alNone)
        Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
        if (windowed && !allowWinControls)
            continue;
        if (!c->Visible() || (!c->Enabled() && !allowDisabled))
            continue;
        TRect r = c->BoundsRect();
        if (!PtInRect(&r, p))
            continue;
        TPoint local{p.x - c->Left(), p.y - c->Top()};
        if (c->Perform(CM_HITTEST, 0, MAKELPARAM(WORD(local.x), WORD(local.y))) != 0)
            return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& m)
{
    for (TControl* child : std::vector<TControl*>(controls_)) {
        child->WindowProc(m);
        if (m.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(UINT msg)
{
    TMessage m{msg, 0, 0, 0};
    for (TControl* child : std::vector<TControl*>(controls_))
        child->WindowProc(m);
}

void TWinControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent && parent->ContainsControl(this) && parent != parent_)
        for (const TControl* c = parent; c; c = c->Parent())
            if (c == this)
                throw EInvalidOperation("A control cannot be placed inside itself");
    TControl::SetParent(parent);
    if (!parent_ && !parentWindow_)
        DestroyHandle();
    UpdateControlState();
}

// ---- Showing ---------------------------------------------------------------------------------

bool TWinControl::Showing() const
{
    return showing_;
}

void TWinControl::UpdateControlState()
{
    bool parentShowing = parent_ ? parent_->showing_ : (parentWindow_ != nullptr || TopLevel());
    if (parent_ || parentWindow_ || TopLevel()) {
        if (parentShowing && Visible())
            HandleNeeded();
        updateShowing();
    }
}

void TWinControl::updateShowing()
{
    bool parentShowing;
    if (parent_)
        parentShowing = parent_->showing_;
    else
        parentShowing = true; // top-level windows follow their own Visible flag
    bool show = Visible() && parentShowing;
    if (show && !handle_)
        CreateHandle();
    if (!handle_ || show == showing_)
        return;
    showing_ = show;
    Perform(CM_SHOWINGCHANGED);
    for (TWinControl* child : tabList_)
        child->updateShowing();
}

void TWinControl::giveUpFocus()
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this)
        form->ControlRemoving(this);
}

// ---- Bounds ---------------------------------------------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    TControl::SetBounds(left, top, width, height);
    TRect client = ClientRect();
    if (::Width(client) != lastClientSize_.cx || ::Height(client) != lastClientSize_.cy)
        Realign();
}

void TWinControl::BoundsChanged()
{
    if (handle_)
        SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect TWinControl::ClientRect() const
{
    if (handle_) {
        RECT r{};
        GetClientRect(handle_, &r);
        return r;
    }
    return Rect(0, 0, width_, height_);
}

TPoint TWinControl::ClientOrigin() const
{
    if (handle_) {
        POINT p{0, 0};
        ::ClientToScreen(handle_, &p);
        return p;
    }
    return TControl::ClientOrigin();
}

// ---- Messages --------------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        handleFocusMessage(m);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
        handleKeyMessage(m);
        return;
    default:
        break;
    }
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) {
        if (m.Msg == WM_MOUSEMOVE)
            Application->TrackMouseControl(this, TPoint{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        if (m.Msg != WM_MOUSEWHEEL && m.Msg != WM_MOUSEHWHEEL && routeMouseToChild(m))
            return;
        if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && controlStyle_.Contains(csCaptureMouse))
            SetCapture(handle_);
        if (m.Msg == WM_LBUTTONUP && GetCapture() == handle_)
            ReleaseCapture();
        TControl::WndProc(m);
        return;
    }
    handleWindowMessage(m);
}

bool TWinControl::routeMouseToChild(TMessage& m)
{
    TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* target = captureChild_ ? captureChild_ : ControlAtPos(p, false);
    if (!target)
        return false;
    bool down = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDOWN ||
                m.Msg == WM_MBUTTONDOWN;
    bool up = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP;
    if (down && target->ControlStyle().Contains(csCaptureMouse)) {
        captureChild_ = target;
        SetCapture(handle_);
    }
    // The capture ends before the handlers run, so that one that fails
    // leaves no stuck capture behind.
    if (up && captureChild_ == target && !(m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
        captureChild_ = nullptr;
        if (GetCapture() == handle_)
            ReleaseCapture();
    }
    LPARAM local = MAKELPARAM(WORD(p.x - target->Left()), WORD(p.y - target->Top()));
    target->Perform(m.Msg, m.WParam, local);
    return true;
}

void TWinControl::handleWindowMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT:
        PaintHandler(m);
        return;
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(m.WParam));
        m.Result = 1;
        return;
    case WM_WINDOWPOSCHANGED: {
        DefaultHandler(m);
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
        if (!(pos->flags & SWP_NOSIZE) || !(pos->flags & SWP_NOMOVE)) {
            RECT r{};
            GetWindowRect(handle_, &r);
            if (HWND parentHwnd = GetParent(handle_); parentHwnd && (GetWindowLong(handle_, GWL_STYLE) & WS_CHILD))
                MapWindowPoints(nullptr, parentHwnd, reinterpret_cast<POINT*>(&r), 2);
            bool resized = ::Width(r) != width_ || ::Height(r) != height_;
            left_ = r.left;
            top_ = r.top;
            width_ = ::Width(r);
            height_ = ::Height(r);
            TRect client = ClientRect();
            if (::Width(client) != lastClientSize_.cx || ::Height(client) != lastClientSize_.cy)
                Realign();
            if (resized)
                Resize();
        }
        return;
    }
    case WM_SETCURSOR: {
        TCursor cursor = Screen->Cursor();
        if (cursor == crDefault && LOWORD(m.LParam) == HTCLIENT) {
            POINT p{};
            GetCursorPos(&p);
            TControl* target = ControlAtPos(ScreenToClient(p), false);
            cursor = target && target->Cursor() != crDefault ? target->Cursor() : Cursor();
        }
        if (cursor != crDefault && (LOWORD(m.LParam) == HTCLIENT || Screen->Cursor() != crDefault)) {
            ::SetCursor(Screen->Cursors(cursor));
            m.Result = 1;
            return;
        }
        break;
    }
    case WM_CONTEXTMENU: {
        TPoint screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (screen.x != -1 || screen.y != -1) {
            if (TControl* child = ControlAtPos(ScreenToClient(screen), false)) {
                m.Result = child->Perform(WM_CONTEXTMENU, m.WParam, m.LParam);
                if (m.Result)
                    return;
            }
        }
        TControl::WndProc(m);
        return;
    }
    case WM_MOUSELEAVE:
        Application->MouseLeftWindow(this);
        break;
    case WM_CANCELMODE:
        // A windowless child that holds the mouse lets it go.
        if (TControl* child = captureChild_) {
            captureChild_ = nullptr;
            child->controlState_.Exclude(csLButtonDown).Exclude(csClicked);
            child->Perform(CM_CANCELMODE);
        }
        break;
    case WM_SYSCOLORCHANGE:
        NotifyControls(CM_SYSCOLORCHANGE);
        break;
    case CM_FONTCHANGED:
        NotifyControls(CM_PARENTFONTCHANGED);
        Invalidate();
        return;
    case CM_COLORCHANGED:
        brush_->SetColor(Color());
        NotifyControls(CM_PARENTCOLORCHANGED);
        Invalidate();
        return;
    case CM_PARENTCOLORCHANGED:
        TControl::WndProc(m);
        brush_->SetColor(Color());
        return;
    case CM_SHOWHINTCHANGED:
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_PARENTSHOWHINTCHANGED:
        TControl::WndProc(m);
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_ENABLEDCHANGED:
        if (!Enabled())
            giveUpFocus();
        if (handle_)
            EnableWindow(handle_, Enabled());
        Invalidate();
        return;
    case CM_VISIBLECHANGED:
        if (!Visible())
            giveUpFocus();
        UpdateControlState();
        return;
    case CM_TEXTCHANGED:
        if (handle_)
            SetWindowText(handle_, text_.c_str());
        Invalidate();
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
    case CM_SYSCOLORCHANGE:
        Broadcast(m);
        return;
    case CM_SHOWINGCHANGED:
        if (handle_)
            SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                             (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        return;
    default:
        break;
    }
    if (m.Msg >= CM_BASE && m.Msg < CN_BASE) {
        TControl::WndProc(m);
        return;
    }
    DefaultHandler(m);
}

// ---- Painting -------------------------------------------------------------------------------

void TWinControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_, nullptr, !controlStyle_.Contains(csOpaque));
}

void TWinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::Repaint()
{
    if (handle_)
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TWinControl::EraseBackground(HDC dc)
{
    if (!dc)
        return;
    TRect r = ClientRect();
    FillRect(dc, &r, brush_->Handle());
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintHandler(TMessage& m)
{
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (dc) {
        paintWith(dc);
        return;
    }
    PAINTSTRUCT ps;
    dc = BeginPaint(handle_, &ps);
    struct EndPaintOnExit {
        HWND window;
        PAINTSTRUCT& ps;
        ~EndPaintOnExit() { EndPaint(window, &ps); }
    } endPaint{handle_, ps};
    paintWith(dc);
}

void TWinControl::paintWith(HDC dc)
{
    {
        brio::DcStateSaver saved(dc);
        PaintWindow(dc);
    }
    PaintControls(dc, nullptr);
}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    auto it = controls_.begin();
    if (first)
        it = std::find(controls_.begin(), controls_.end(), first);
    for (; it != controls_.end(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
            continue;
        TRect r = c->BoundsRect();
        if (!RectVisible(dc, &r))
            continue;
        brio::DcStateSaver saved(dc);
        OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::PaintTo(HDC dc, int x, int y)
{
    HandleNeeded();
    brio::DcStateSaver saved(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    TRect client = ClientRect();
    IntersectClipRect(dc, 0, 0, ::Width(client), ::Height(client));
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible())
            w->PaintTo(dc, w->Left(), w->Top());
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    Realign();
}
