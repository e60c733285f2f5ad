// Popup menu windows.

#include "skin/controls/menus/SePopupWindow.h"

#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SePopupForm.h"
#include "skin/controls/options/SeWindowOptions.h"

#include "ui/graphics/Canvas.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"

#include <algorithm>

namespace {

std::vector<TSePopupWindow*>& openWindows()
{
    static std::vector<TSePopupWindow*> windows;
    return windows;
}

} // namespace

std::vector<TSePopupWindow*> TSePopupWindow::OpenWindows()
{
    return openWindows();
}

TSePopupWindow::TSePopupWindow(TSeCustomItem* item)
    : TCustomForm(nullptr), item_(item), view_(std::make_unique<TSePopupView>(item, this))
{
    SetColor(clMenu);
    // Built like a form from a definition: the frame attaches when loading
    // ends, in Place, so that the window is made once, at its final size.
    BeginLoading();
    popupForm_ = new TSePopupForm(this);
    openWindows().push_back(this);
}

TSePopupWindow::~TSePopupWindow()
{
    std::erase(openWindows(), this);
    view_.reset();
}

void TSePopupWindow::CreateParams(TCreateParams& params)
{
    TCustomForm::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = kExStyle;
    params.WindowClassStyle |= CS_SAVEBITS;
}

void TSePopupWindow::TakeOptions(TSePopupMenuOptions* options, bool animate)
{
    popupForm_->SetStayOnTop(true);
    if (!options)
        return;
    popupForm_->Blending()->Assign(options->Blending());
    popupForm_->Shadow()->Assign(options->Shadow());
    if (animate)
        popupForm_->Animation()->Assign(options->Animation());
    else
        popupForm_->Animation()->SetEnabled(false);
}

brio::MenuLook TSePopupWindow::Look() const
{
    return brio::menuLookFor(nullptr, item_->EffectiveImages());
}

brio::MenuLook TSeSkinPopupWindow::Look() const
{
    return brio::menuLookFor(Item()->MenuSkin(), Item()->EffectiveImages());
}

SIZE TSePopupWindow::Measure()
{
    const brio::MenuLook look = Look();
    popupForm_->SetLook(look);
    view_->SetLook(look);
    const RECT insets = popupForm_->ClientInsets();
    view_->Layout(look);
    const SIZE content = view_->ContentSize();
    const int shadow = popupForm_->Shadow()->Enabled() ? popupForm_->Shadow()->Size() : 0;
    SIZE size{content.cx + insets.left + insets.right + shadow, content.cy + insets.top + insets.bottom + shadow};
    size.cx = std::max(size.cx, TSePopupForm::kMinTrackSize.cx);
    size.cy = std::max(size.cy, TSePopupForm::kMinTrackSize.cy);
    brio::MenuLook placed = look;
    placed.frameSize = SIZE{size.cx - shadow, size.cy - shadow};
    placed.clientOrigin = POINT{insets.left, insets.top};
    view_->SetLook(placed);
    return size;
}

void TSePopupWindow::Place(const RECT& bounds)
{
    SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    if (ComponentState().Contains(csLoading))
        EndLoading();
    HandleNeeded();
}

void TSePopupWindow::ShowNoActivate()
{
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, kShowFlags & ~SWP_NOZORDER);
    UpdateWindow(Handle());
}

void TSePopupWindow::HideNoActivate()
{
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, kHideFlags);
}

void TSePopupWindow::keepOwnerActive()
{
    TWinControl* owner = item_->OwnerControl();
    TCustomForm* form = owner ? GetParentForm(owner) : nullptr;
    if (form && form->HandleAllocated())
        SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
}

void TSePopupWindow::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEACTIVATE:
        keepOwnerActive();
        message.Result = MA_NOACTIVATE;
        return;
    case WM_ACTIVATE:
        if (LOWORD(message.WParam) != WA_INACTIVE)
            keepOwnerActive();
        break;
    default:
        break;
    }
    TCustomForm::WndProc(message);
}
