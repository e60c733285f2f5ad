// Tab order, focus and keyboard input of windowed controls: keys go to the
// form first when it previews them, then to the control, and the keys that
// dialogs use travel to the form as CM_DIALOGKEY unless the control wants
// them; Alt+letter and unwanted characters travel as CM_DIALOGCHAR.

#include "ui/control/WinControl.h"
#include "ui/control/ShiftState.h"

#include "ui/component/Exception.h"
#include "ui/forms/Form.h"

#include <algorithm>

namespace {

bool IsDialogKey(WORD key)
{
    switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

// ---- Tab order ----------------------------------------------------------------------------

int TWinControl::TabOrder() const
{
    if (!parent_)
        return -1;
    const auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (!parent_)
        return;
    auto& list = parent_->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    value = std::clamp(value, 0, int(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value)
{
    if (value == tabStop_)
        return;
    tabStop_ = value;
    if (handle_) {
        LONG style = GetWindowLong(handle_, GWL_STYLE);
        SetWindowLong(handle_, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~LONG(WS_TABSTOP)));
    }
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    int count = int(list.size());
    if (count == 0)
        return nullptr;
    auto it = std::find(list.begin(), list.end(), current);
    int index = it == list.end() ? (goForward ? -1 : count) : int(it - list.begin());
    for (int step = 0; step < count; ++step) {
        index = goForward ? (index + 1) % count : (index - 1 + count) % count;
        TWinControl* candidate = list[std::size_t(index)];
        if (candidate == current)
            return nullptr;
        if (!candidate->CanFocus())
            continue;
        if (checkTabStop && !candidate->TabStop())
            continue;
        if (checkParent && candidate->Parent() != this)
            continue;
        return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false))
        next->SetFocus();
}

// ---- Focus ----------------------------------------------------------------------------------

bool TWinControl::CanFocus() const
{
    // The form itself may still be hidden: a form picks its active control
    // before it shows.
    TCustomForm* form = GetParentForm(this);
    if (!form)
        return Visible() && Enabled();
    for (const TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* form = GetParentForm(this)) {
        form->FocusControl(this);
        return;
    }
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

bool TWinControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

bool TWinControl::WantsKey(WORD) const
{
    return false;
}

void TWinControl::handleFocusMessage(TMessage& m)
{
    if (m.Msg == WM_SETFOCUS) {
        if (TCustomForm* form = GetParentForm(this))
            form->SetFocusedControl(this);
    }
    DefaultHandler(m);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

// ---- Keys --------------------------------------------------------------------------------------

bool TWinControl::DoKeyDown(WORD& key, TShiftState shift)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyDown(key, shift))
        return true;
    KeyDown(key, shift);
    return key == 0;
}

bool TWinControl::DoKeyPress(char& key)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(key))
        return true;
    KeyPress(key);
    return key == 0;
}

bool TWinControl::DoKeyUp(WORD& key, TShiftState shift)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyUp(key, shift))
        return true;
    KeyUp(key, shift);
    return key == 0;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::handleKeyMessage(TMessage& m)
{
    TCustomForm* form = GetParentForm(this);
    TShiftState shift = KeyboardStateToShiftState();
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        WORD key = WORD(m.WParam);
        if (DoKeyDown(key, shift))
            return;
        if (form && form->IsShortCut(key, shift)) {
            m.Result = 0;
            return;
        }
        if (IsDialogKey(key) && !WantsKey(key) && form && form->Perform(CM_DIALOGKEY, key, m.LParam) != 0)
            return;
        m.WParam = key;
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WORD key = WORD(m.WParam);
        if (DoKeyUp(key, shift))
            return;
        m.WParam = key;
        break;
    }
    case WM_CHAR: {
        if (m.WParam < 0x80) {
            char ch = char(m.WParam);
            if (DoKeyPress(ch))
                return;
            m.WParam = WPARAM(static_cast<unsigned char>(ch));
        }
        if (!WantsChars() && form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
            return;
        break;
    }
    case WM_SYSCHAR:
        if (form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
            return;
        break;
    default:
        break;
    }
    DefaultHandler(m);
}
