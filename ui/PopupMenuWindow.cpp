// The plain classic pop-up menu: a raised box listing the visible items,
// with the keyboard (arrows, Home, End, Enter, Escape, accelerators) and the
// mouse (hover, click, a click outside cancels) handled through the
// application's message filter while a nested loop runs.

#include "ui/Application.h"
#include "ui/GraphicControl.h"
#include "ui/GraphicsFont.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"
#include "ui/Screen.h"

#include "platform/WinUser.h"

#include <algorithm>

namespace {

constexpr int kItemHeight = 19;
constexpr int kSeparatorHeight = 9;
constexpr int kGutter = 22;     // check mark or image
constexpr int kBorder = 3;

class TMenuPopupWindow : public TCustomControl {
public:
    TMenuPopupWindow(TMenuItem* items, TImageList* images) : TCustomControl(nullptr), images_(images)
    {
        SetVisible(false);
        SetColor(clMenu);
        SetFont(Screen->MenuFont());
        for (int i = 0; i < items->Count(); ++i)
            if (items->Items(i)->Visible())
                items_.push_back(items->Items(i));
    }

    bool empty() const { return items_.empty(); }

    void layout(TPoint at)
    {
        int width = 80;
        int height = 2 * kBorder;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, Font()->Handle());
        for (TMenuItem* item : items_) {
            if (item->IsLine()) {
                height += kSeparatorHeight;
                continue;
            }
            height += kItemHeight;
            RECT r{0, 0, 0, 0};
            DrawText(dc, item->Caption().c_str(), -1, &r, DT_SINGLELINE | DT_CALCRECT);
            int w = RectWidth(r);
            std::string keys = ShortCutToText(item->ShortCut());
            if (!keys.empty()) {
                RECT k{0, 0, 0, 0};
                DrawText(dc, keys.c_str(), -1, &k, DT_SINGLELINE | DT_CALCRECT);
                w += 24 + RectWidth(k);
            }
            width = std::max(width, w + 2 * kGutter + 2 * kBorder);
        }
        SelectObject(dc, old);
        DeleteDC(dc);
        int x = std::min(at.x, Screen->Width() - width);
        int y = at.y + height > Screen->Height() ? at.y - height : at.y;
        SetBounds(std::max(0, x), std::max(0, y), width, height);
    }

    int itemAt(TPoint client) const
    {
        int y = kBorder;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            int h = items_[i]->IsLine() ? kSeparatorHeight : kItemHeight;
            if (client.y >= y && client.y < y + h && client.x >= 0 && client.x < Width())
                return items_[i]->IsLine() ? -1 : int(i);
            y += h;
        }
        return -1;
    }

    void select(int index)
    {
        if (index == selected_)
            return;
        selected_ = index;
        Invalidate();
    }

    // Moves to the next item that is not a separator, wrapping around.
    void step(int direction)
    {
        int count = int(items_.size());
        int index = selected_;
        for (int tries = 0; tries < count; ++tries) {
            index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
            if (!items_[std::size_t(index)]->IsLine()) {
                select(index);
                return;
            }
        }
    }

    TMenuItem* selectedItem() const { return selected_ >= 0 ? items_[std::size_t(selected_)] : nullptr; }

    TMenuItem* itemWithAccelerator(WPARAM ch) const
    {
        for (TMenuItem* item : items_)
            if (!item->IsLine() && IsAccel(ch, item->Caption()))
                return item;
        return nullptr;
    }

    const std::vector<TMenuItem*>& items() const { return items_; }

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.Style = WS_POPUP;
        params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        params.WndParent = nullptr;
        params.WindowClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
    }
    bool TopLevel() const override { return true; }

    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_MOUSEACTIVATE) {
            m.Result = MA_NOACTIVATE;
            return;
        }
        TCustomControl::WndProc(m);
    }

    void Paint() override
    {
        HDC dc = Canvas()->Handle();
        RECT frame = ClientRect();
        FillRect(dc, &frame, GetSysColorBrush(COLOR_MENU));
        DrawEdge(dc, &frame, EDGE_RAISED, BF_RECT);
        SelectObject(dc, Font()->Handle());
        SetBkMode(dc, TRANSPARENT);
        int y = kBorder;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            TMenuItem* item = items_[i];
            if (item->IsLine()) {
                RECT line{kBorder + 1, y + kSeparatorHeight / 2 - 1, Width() - kBorder - 1, y + kSeparatorHeight / 2 + 1};
                DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
                y += kSeparatorHeight;
                continue;
            }
            RECT row{kBorder, y, Width() - kBorder, y + kItemHeight};
            paintItem(dc, item, row, int(i) == selected_);
            y += kItemHeight;
        }
    }

private:
    void paintItem(HDC dc, TMenuItem* item, RECT row, bool selected)
    {
        bool enabled = item->Enabled();
        if (selected)
            FillRect(dc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
        if (images_ && item->ImageIndex() >= 0 && item->ImageIndex() < images_->Count()) {
            images_->Draw(Canvas(), row.left + 3, row.top + (kItemHeight - images_->Height()) / 2, item->ImageIndex(),
                          enabled);
        } else if (item->Checked()) {
            RECT mark{row.left + 3, row.top + 2, row.left + 3 + 15, row.top + 2 + 15};
            DrawFrameControl(dc, &mark, DFC_MENU, item->RadioItem ? DFCS_MENUBULLET : DFCS_MENUCHECK);
        }
        RECT text{row.left + kGutter, row.top, row.right - kGutter, row.bottom};
        std::string keys = ShortCutToText(item->ShortCut());
        UINT format = DT_SINGLELINE | DT_VCENTER;
        auto drawTexts = [&](RECT r, COLORREF color) {
            SetTextColor(dc, color);
            DrawText(dc, item->Caption().c_str(), -1, &r, format | DT_LEFT);
            if (!keys.empty())
                DrawText(dc, keys.c_str(), -1, &r, format | DT_RIGHT);
        };
        if (!enabled) {
            if (!selected) {
                RECT shadow = text;
                OffsetRect(&shadow, 1, 1);
                drawTexts(shadow, GetSysColor(COLOR_BTNHIGHLIGHT));
            }
            drawTexts(text, GetSysColor(COLOR_GRAYTEXT));
        } else {
            drawTexts(text, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        }
    }

    TImageList* images_;
    std::vector<TMenuItem*> items_;
    int selected_ = -1;
};

} // namespace

TMenuItem* TrackPopupItems(TMenuItem* items, TImageList* images, TPoint at)
{
    auto window = std::make_unique<TMenuPopupWindow>(items, images);
    if (window->empty())
        return nullptr;
    window->layout(at);
    window->HandleNeeded();
    HWND hwnd = window->Handle();
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(hwnd);
    SetCapture(hwnd);

    bool done = false;
    TMenuItem* chosen = nullptr;
    auto choose = [&](TMenuItem* item) {
        if (!item || item->IsLine() || !item->Enabled() || item->Count() > 0)
            return;
        chosen = item;
        done = true;
    };
    auto previousFilter = Application->MessageFilter;
    Application->MessageFilter = [&](MSG& msg) {
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            switch (msg.wParam) {
            case VK_DOWN:
                window->step(1);
                break;
            case VK_UP:
                window->step(-1);
                break;
            case VK_HOME:
                window->select(-1);
                window->step(1);
                break;
            case VK_END:
                window->select(-1);
                window->step(-1);
                break;
            case VK_RETURN:
                choose(window->selectedItem());
                break;
            case VK_ESCAPE:
            case VK_MENU:
            case VK_LEFT:
                done = true;
                break;
            default:
                break;
            }
            return true;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (TMenuItem* item = window->itemWithAccelerator(msg.wParam))
                choose(item);
            return true;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return true;
        default:
            break;
        }
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
            POINT p{short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam))};
            ClientToScreen(msg.hwnd, &p);
            TPoint local = window->ScreenToClient(p);
            int index = window->itemAt(local);
            RECT bounds = window->BoundsRect();
            bool inside = PtInRect(&bounds, p) != 0;
            switch (msg.message) {
            case WM_MOUSEMOVE:
                if (inside)
                    window->select(index);
                break;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
                if (inside && index >= 0)
                    choose(window->items()[std::size_t(index)]);
                break;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
                if (!inside)
                    done = true;
                break;
            default:
                break;
            }
            return true;
        }
        if (msg.message == WM_CANCELMODE)
            done = true;
        return false;
    };
    try {
        while (!done && !Application->Terminated() && IsWindow(hwnd)) {
            Application->HandleMessage();
            if (GetCapture() != hwnd && IsWindow(hwnd))
                done = true;
        }
    } catch (...) {
        Application->MessageFilter = previousFilter;
        if (GetCapture() == hwnd)
            ReleaseCapture();
        throw;
    }
    Application->MessageFilter = previousFilter;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    return chosen;
}
