// TComboBox: items, choice by keyboard, and the classic closed look. The
// dropped-down list lives in ComboDropDown.cpp.

#include "ui/stdctrls/ComboBox.h"

#include "ui/component/Exception.h"
#include "ui/graphics/Brush.h"
#include "ui/graphics/Font.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <cctype>

// The list's nested loop; returns the chosen row or -1 when dismissed.
int TrackComboDropDown(TComboBox* combo, RECT screenRect, int selected);

// ---- TComboItems ------------------------------------------------------------------------

int TComboItems::Add(const std::string& item)
{
    items_.push_back(item);
    changed();
    return Count() - 1;
}

void TComboItems::Insert(int index, const std::string& item)
{
    if (index < 0 || index > Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, item);
    changed();
}

void TComboItems::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    items_.erase(items_.begin() + index);
    changed();
}

void TComboItems::Clear()
{
    items_.clear();
    changed();
}

const std::string& TComboItems::Strings(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[std::size_t(index)];
}

int TComboItems::IndexOf(const std::string& item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void TComboItems::changed()
{
    if (OnChange)
        OnChange(nullptr);
}

// ---- TComboBox ----------------------------------------------------------------------------

TComboBox::TComboBox(TComponent* owner) : TCustomControl(owner), items_(std::make_unique<TComboItems>())
{
    controlStyle_.Exclude(csAcceptsControls).Exclude(csSetCaption).Exclude(csClickEvents);
    controlStyle_.Include(csOpaque);
    items_->OnChange = [this](TObject*) { itemsChanged(); };
    SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    SetTabStop(true);
}

TComboBox::~TComboBox()
{
    items_->OnChange = nullptr;
}

void TComboBox::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TComboBox::itemsChanged()
{
    if (itemIndex_ >= items_->Count())
        itemIndex_ = -1;
    Invalidate();
}

void TComboBox::SetItemIndex(int value)
{
    if (value < -1 || value >= items_->Count())
        value = -1;
    if (value == itemIndex_)
        return;
    itemIndex_ = value;
    text_ = Text();
    Invalidate();
}

std::string TComboBox::Text() const
{
    return itemIndex_ >= 0 ? items_->Strings(itemIndex_) : std::string();
}

void TComboBox::SetText(const std::string& value)
{
    SetItemIndex(items_->IndexOf(value));
}

void TComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TComboBox::choose(int index)
{
    if (index < 0 || index >= items_->Count() || index == itemIndex_)
        return;
    SetItemIndex(index);
    Change();
}

int TComboBox::ItemHeight() const
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    TEXTMETRIC tm{};
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return std::max(1, int(tm.tmHeight) + 2);
}

RECT TComboBox::DropDownRect() const
{
    RECT window{};
    if (HandleAllocated())
        GetWindowRect(const_cast<TComboBox*>(this)->Handle(), &window);
    int rows = std::clamp(items_->Count(), 1, std::max(1, DropDownCount));
    int height = rows * ItemHeight() + 2;
    RECT r{window.left, window.bottom, window.right, window.bottom + height};
    // No room below: the list opens upwards.
    if (r.bottom > GetSystemMetrics(SM_CYSCREEN))
        r = RECT{window.left, window.top - height, window.right, window.top};
    return r;
}

void TComboBox::DropDown()
{
    if (droppedDown_ || !HandleAllocated())
        return;
    if (OnDropDown)
        OnDropDown(this);
    droppedDown_ = true;
    Invalidate();
    int chosen = -1;
    try {
        chosen = TrackComboDropDown(this, DropDownRect(), itemIndex_);
    } catch (...) {
        droppedDown_ = false;
        Invalidate();
        throw;
    }
    droppedDown_ = false;
    // The press that opened the list never sees its release.
    controlState_.Exclude(csLButtonDown).Exclude(csClicked);
    Invalidate();
    if (OnCloseUp)
        OnCloseUp(this);
    choose(chosen);
}

// ---- Input ------------------------------------------------------------------------------------

bool TComboBox::WantsKey(WORD key) const
{
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

void TComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    DropDown();
}

void TComboBox::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    int last = items_->Count() - 1;
    int page = std::max(1, DropDownCount - 1);
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        if (shift.Contains(ssAlt))
            DropDown();
        else
            choose(std::max(0, itemIndex_ - 1));
        break;
    case VK_DOWN:
    case VK_RIGHT:
        if (shift.Contains(ssAlt))
            DropDown();
        else
            choose(std::min(last, itemIndex_ + 1));
        break;
    case VK_HOME:
        choose(0);
        break;
    case VK_END:
        choose(last);
        break;
    case VK_PRIOR:
        choose(std::max(0, itemIndex_ - page));
        break;
    case VK_NEXT:
        choose(std::min(last, itemIndex_ + page));
        break;
    case VK_F4:
        DropDown();
        break;
    default:
        return;
    }
    key = 0;
}

void TComboBox::KeyPress(char& key)
{
    TCustomControl::KeyPress(key);
    if (static_cast<unsigned char>(key) < 0x20)
        return;
    // The next item after the current one that starts with the letter.
    int count = items_->Count();
    for (int step = 1; step <= count; ++step) {
        int index = (itemIndex_ + step + count) % count;
        const std::string& item = items_->Strings(index);
        if (!item.empty() && brio::asciiLower(item[0]) == brio::asciiLower(key)) {
            choose(index);
            break;
        }
    }
    key = 0;
}

void TComboBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::WndProc(m);
        Invalidate();
        return;
    case WM_SYSKEYDOWN:
        // Alt+Down opens the list as F4 does.
        if (m.WParam == VK_DOWN || m.WParam == VK_UP) {
            DropDown();
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

// ---- Painting ----------------------------------------------------------------------------

void TComboBox::Paint()
{
    TCanvas* c = Canvas();
    HDC dc = c->Handle();
    RECT client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    c->FillRect(client);
    int buttonWidth = GetSystemMetrics(SM_CXVSCROLL);
    RECT button{client.right - buttonWidth, client.top, client.right, client.bottom};
    DrawFrameControl(dc, &button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (droppedDown_ ? DFCS_PUSHED | DFCS_FLAT : 0) |
                         (Enabled() ? 0 : DFCS_INACTIVE));
    RECT field{client.left + 1, client.top + 1, button.left - 1, client.bottom - 1};
    bool focused = Focused() && !droppedDown_;
    c->Font()->Assign(Font());
    if (focused) {
        c->Brush()->SetColor(clHighlight);
        c->FillRect(field);
        c->Font()->SetColor(clHighlightText);
    } else if (!Enabled()) {
        c->Font()->SetColor(clGrayText);
    }
    RECT text{field.left + 2, field.top, field.right, field.bottom};
    c->Brush()->SetStyle(bsClear);
    c->TextRect(text, Text(), {tfSingleLine, tfVerticalCenter, tfLeft, tfNoPrefix});
    if (focused) {
        c->Brush()->SetStyle(bsSolid);
        c->DrawFocusRect(field);
    }
}
