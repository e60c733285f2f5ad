// The classic hint window: a bordered yellow box with wrapped text.

#include "ui/forms/HintWindow.h"

#include "ui/graphics/Font.h"
#include "ui/forms/Screen.h"

#include "platform/WinUser.h"
#include "platform/gdi/MeasuringDc.h"

#include <algorithm>

namespace {
constexpr UINT kHintTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner)
{
    SetVisible(false);
    SetColor(clInfoBk);
    SetFont(Screen->HintFont());
    controlStyle_.Exclude(csAcceptsControls);
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
    params.WindowClassStyle |= CS_SAVEBITS;
}

void THintWindow::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCHITTEST:
        m.Result = HTTRANSPARENT;
        return;
    case WM_MOUSEACTIVATE:
        m.Result = MA_NOACTIVATE;
        return;
    default:
        TCustomControl::WndProc(m);
    }
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint, void*)
{
    RECT r = brio::MeasuringDc(Font()->Handle()).textRect(hint, RECT{0, 0, maxWidth, 0}, kHintTextFormat);
    // Border and a little air around the text.
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ActivateHintData(TRect rect, const std::string& hint, void*)
{
    ActivateHint(rect, hint);
}

void THintWindow::ActivateHint(TRect rect, const std::string& hint)
{
    SetCaption(hint);
    int width = ::Width(rect);
    int height = ::Height(rect);
    // Keep the box on the screen.
    if (rect.right > Screen->Width())
        rect.left = std::max(0, Screen->Width() - width);
    if (rect.bottom > Screen->Height())
        rect.top = std::max(0, Screen->Height() - height);
    SetBounds(rect.left, rect.top, width, height);
    SetWindowPos(Handle(), HWND_TOPMOST, rect.left, rect.top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    active_ = true;
    Invalidate();
}

void THintWindow::ReleaseHandle()
{
    active_ = false;
    if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
}

bool THintWindow::IsKeyOrButtonDown(const MSG& msg)
{
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

void THintWindow::Paint()
{
    RECT r = ClientRect();
    r.left += 2;
    r.top += 1;
    HDC dc = Canvas()->Handle();
    Canvas()->Font()->SetColor(clInfoText);
    Canvas()->Brush()->SetStyle(bsClear);
    SelectObject(dc, Canvas()->Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(clInfoText));
    std::string text = Caption();
    DrawText(dc, text.c_str(), int(text.size()), &r, kHintTextFormat);
}
