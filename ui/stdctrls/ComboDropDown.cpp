// The combo box's dropped-down list: a bordered pop-up below the box,
// followed through the application's message filter while a nested loop
// runs. Hovering moves the highlight, a click or Enter chooses, Escape or
// a click elsewhere dismisses; the list scrolls to keep the highlight in
// view.

#include "ui/forms/Application.h"
#include "ui/stdctrls/ComboBox.h"
#include "ui/graphics/Font.h"
#include "ui/menus/PopupTracking.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"

#include <algorithm>
#include <memory>

namespace {

class TComboListWindow : public TCustomControl {
public:
    TComboListWindow(TComboBox* combo, int selected)
        : TCustomControl(nullptr), combo_(combo), selected_(selected), itemHeight_(combo->ItemHeight())
    {
        SetVisible(false);
        SetColor(clWindow);
        SetFont(combo->Font());
        rows_ = std::clamp(combo->Items()->Count(), 1, std::max(1, combo->DropDownCount));
        scrollTo(selected);
    }

    int count() const { return combo_->Items()->Count(); }
    int selected() const { return selected_; }

    int rowAt(TPoint client) const
    {
        if (client.x < 0 || client.x >= ClientWidth() || client.y < 0 || client.y >= ClientHeight())
            return -1;
        int row = top_ + client.y / itemHeight_;
        return row < count() ? row : -1;
    }

    void select(int index)
    {
        index = std::clamp(index, count() > 0 ? 0 : -1, count() - 1);
        if (index == selected_)
            return;
        selected_ = index;
        scrollTo(index);
        Invalidate();
    }

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.Style = WS_POPUP | WS_BORDER;
        params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        params.WndParent = nullptr;
        params.WindowClassStyle |= CS_SAVEBITS;
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
        RECT client = ClientRect();
        FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
        SelectObject(dc, Font()->Handle());
        SetBkMode(dc, TRANSPARENT);
        for (int row = top_; row < count() && row < top_ + rows_; ++row) {
            RECT r{0, (row - top_) * itemHeight_, client.right, (row - top_ + 1) * itemHeight_};
            bool highlighted = row == selected_;
            if (highlighted)
                FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            RECT text{r.left + 2, r.top, r.right, r.bottom};
            const std::string& item = combo_->Items()->Strings(row);
            DrawText(dc, item.c_str(), int(item.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
    }

private:
    void scrollTo(int index)
    {
        if (index < 0)
            return;
        if (index < top_)
            top_ = index;
        else if (index >= top_ + rows_)
            top_ = index - rows_ + 1;
    }

    TComboBox* combo_;
    int selected_;
    int itemHeight_;
    int rows_ = 1;
    int top_ = 0;
};

} // namespace

int TrackComboDropDown(TComboBox* combo, RECT screenRect, int selected)
{
    auto window = std::make_unique<TComboListWindow>(combo, selected);
    window->SetBounds(screenRect.left, screenRect.top, ::Width(screenRect), ::Height(screenRect));
    window->HandleNeeded();

    bool done = false;
    int chosen = -1;
    auto choose = [&](int row) {
        chosen = row;
        done = true;
    };
    auto filter = [&](MSG& msg) {
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            switch (msg.wParam) {
            case VK_DOWN:
            case VK_RIGHT:
                if (msg.message == WM_SYSKEYDOWN)
                    choose(window->selected());
                else
                    window->select(window->selected() + 1);
                break;
            case VK_UP:
            case VK_LEFT:
                if (msg.message == WM_SYSKEYDOWN)
                    choose(window->selected());
                else
                    window->select(window->selected() - 1);
                break;
            case VK_HOME:
                window->select(0);
                break;
            case VK_END:
                window->select(window->count() - 1);
                break;
            case VK_PRIOR:
                window->select(window->selected() - std::max(1, combo->DropDownCount - 1));
                break;
            case VK_NEXT:
                window->select(window->selected() + std::max(1, combo->DropDownCount - 1));
                break;
            case VK_RETURN:
            case VK_F4:
                choose(window->selected());
                break;
            case VK_ESCAPE:
            case VK_TAB:
                done = true;
                break;
            default:
                break;
            }
            return true;
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return true;
        default:
            break;
        }
        if (brio::isClientMouseMessage(msg.message)) {
            int row = window->rowAt(window->ScreenToClient(MouseMessageScreenPoint(msg)));
            switch (msg.message) {
            case WM_MOUSEMOVE:
                if (row >= 0)
                    window->select(row);
                break;
            case WM_LBUTTONUP:
                if (row >= 0)
                    choose(row);
                break;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
                if (row < 0)
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
    TrackPopupWindow(window->Handle(), filter, done);
    return chosen;
}
