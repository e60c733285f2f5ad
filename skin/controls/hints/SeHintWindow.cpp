#include "skin/controls/hints/SeHintWindow.h"

#include "skin/controls/hints/SeCustomHint.h"
#include "skin/controls/hints/SeHintForm.h"
#include "skin/controls/hints/SeWrappedText.h"
#include "ui/control/ControlMessages.h"
#include "ui/forms/Screen.h"
#include "ui/graphics/Canvas.h"

#include "platform/WinUser.h"
#include "platform/gdi/MeasuringDc.h"

namespace brio {

RECT placeHintOnDesktop(RECT rect, const RECT& desktop)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (rect.bottom > desktop.bottom)
        rect.top = desktop.bottom - height;
    if (rect.right > desktop.right)
        rect.left = desktop.right - width;
    if (rect.left < desktop.left)
        rect.left = desktop.left;
    if (rect.top < desktop.top)
        rect.top = desktop.top;
    return RECT{rect.left, rect.top, rect.left + width, rect.top + height};
}

} // namespace brio

namespace {

RECT desktopRect()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

} // namespace

TSeHintWindow::TSeHintWindow(TComponent* owner) : THintWindow(owner), hintForm_(new TSeHintForm(this)) {}

TSeHintWindow::~TSeHintWindow() = default;

void TSeHintWindow::CreateParams(TCreateParams& params)
{
    THintWindow::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WindowClassStyle &= ~CS_SAVEBITS;
}

TSeCustomHint* TSeHintWindow::HintComponent() const
{
    if (TSeCustomHint* live = TSeCustomHint::FromHintData(hint_))
        return live;
    return TSeCustomHint::DefaultHint();
}

TRect TSeHintWindow::CalcHintRect(int maxWidth, const std::string& hint, void* data)
{
    TSeCustomHint* component = TSeCustomHint::FromHintData(data);
    if (!component)
        component = TSeCustomHint::DefaultHint();
    if (!component)
        return THintWindow::CalcHintRect(maxWidth, hint, data);
    brio::MeasuringDc dc(Screen->HintFont()->Handle());
    TCanvas canvas;
    canvas.SetHandle(dc.get());
    canvas.SetFont(Screen->HintFont());
    RECT rect{};
    component->MeasureHint(canvas, hint, rect);
    canvas.SetHandle(nullptr);
    return rect;
}

void TSeHintWindow::ActivateHintData(TRect rect, const std::string& hint, void* data)
{
    hint_ = TSeCustomHint::FromHintData(data);
    ActivateHint(rect, hint);
}

void TSeHintWindow::ActivateHint(TRect rect, const std::string& hint)
{
    activating_ = true;
    rect = brio::placeHintOnDesktop(rect, desktopRect());
    TSeCustomHint* component = HintComponent();
    const TSeWindowOptions none;
    hintForm_->Reload(component ? component->Options() : none);
    SetCaption(hint);
    SetBounds(rect.left, rect.top, ::Width(rect), ::Height(rect));
    // Placed top-most and shown, both without activation, so that the
    // frame component's show animation runs.
    THintWindow::ActivateHint(rect, hint);
    activating_ = false;
}

bool TSeHintWindow::IsHintMsg(const MSG& msg) const
{
    const UINT m = msg.message;
    return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || m == CM_ACTIVATE || m == CM_DEACTIVATE || m == CM_APPKEYDOWN ||
           m == CM_APPSYSCOMMAND || m == WM_COMMAND || (m >= WM_LBUTTONDOWN && m <= WM_MBUTTONDBLCLK) ||
           m == WM_NCMOUSEMOVE || THintWindow::IsHintMsg(msg);
}

void TSeHintWindow::WndProc(TMessage& message)
{
    THintWindow::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED && !activating_)
        resizeToText();
}

void TSeHintWindow::resizeToText()
{
    const SIZE size =
        brio::wrappedTextSize(brio::MeasuringDc(Font()->Handle()).get(), Caption(), Screen->Width(), DT_NOPREFIX);
    SetBounds(Left(), Top(), size.cx + 30, size.cy + 20);
}

// Only until the frame component has hooked the window; from then on it
// paints everything.
void TSeHintWindow::Paint()
{
    RECT rect = ClientRect();
    TSeCustomHint* component = HintComponent();
    if (!component) {
        brio::drawPlainHint(*Canvas(), rect, Caption());
        return;
    }
    const TSeShadow* shadow = component->Options().Shadow();
    if (shadow->Enabled()) {
        rect.right -= shadow->Size();
        rect.bottom -= shadow->Size();
    }
    component->DrawHint(*Canvas(), rect, Caption());
}
