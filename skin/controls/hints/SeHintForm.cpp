#include "skin/controls/hints/SeHintForm.h"

#include "skin/controls/hints/SeCustomHint.h"
#include "skin/controls/hints/SeHintWindow.h"

TSeHintForm::TSeHintForm(TSeHintWindow* window) : TSeCustomForm(window), window_(window)
{
    SetBorderStyle(kbsNone);
    SetBorderIcons({});
    Dragging()->SetMoveable(false);
    Dragging()->SetSizeable(false);
    SetPerformance(ksfpDoubleBuffer);
    SetMinimizeApplication(false);
}

void TSeHintForm::Reload(const TSeWindowOptions& options)
{
    Blending()->Assign(options.Blending());
    Shadow()->Assign(options.Shadow());
    Animation()->Assign(options.Animation());
    BeginLoading();
    EndLoading();
    // The shadow decides where the client ends: measure again at the
    // current size, in case the next bounds do not change it.
    if (HWND hwnd = windowHandle()) {
        RECT window{};
        GetWindowRect(hwnd, &window);
        measureWindow(window.right - window.left, window.bottom - window.top);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TSeHintForm::HandleMessage(TMessage& m)
{
    if (m.Msg == WM_NCHITTEST) {
        m.Result = HTTRANSPARENT;
        MarkHandled();
        return;
    }
    TSeCustomForm::HandleMessage(m);
}

void TSeHintForm::PaintClient(TCanvas& canvas)
{
    const RECT client{0, 0, window_->ClientWidth(), window_->ClientHeight()};
    if (TSeCustomHint* hint = window_->HintComponent())
        hint->DrawHint(canvas, client, window_->Caption());
    else
        brio::drawPlainHint(canvas, client, window_->Caption());
}
