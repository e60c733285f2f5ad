#include "skin/controls/scroll/SeSubScrollBar.h"

#include "ui/control/ControlMessages.h"

TSeSubScrollBar::TSeSubScrollBar(TWinControl* target, const TSeScrollBarFactory& factory)
    : TComponent(nullptr), target_(target),
      vertical_(std::make_unique<TSeInplaceScrollBar>(nullptr, sbVertical, factory)),
      horizontal_(std::make_unique<TSeInplaceScrollBar>(nullptr, sbHorizontal, factory))
{
    vertical_->SetTarget(target);
    horizontal_->SetTarget(target);
}

TSeSubScrollBar::~TSeSubScrollBar()
{
    Detach();
}

void TSeSubScrollBar::Detach()
{
    target_ = nullptr;
    for (TSeInplaceScrollBar* overlay : {vertical_.get(), horizontal_.get()}) {
        overlay->SetTarget(nullptr);
        overlay->SetParent(nullptr);
    }
}

void TSeSubScrollBar::SetParent(TWinControl* parent)
{
    if (!target_)
        return;
    vertical_->SetParent(parent);
    horizontal_->SetParent(parent);
}

void TSeSubScrollBar::Sync()
{
    if (!target_)
        return;
    vertical_->Sync();
    horizontal_->Sync();
}

void TSeSubScrollBar::BeforeMessage(const TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_VSCROLL:
    case WM_HSCROLL:
        Sync();
        break;
    default:
        break;
    }
}

void TSeSubScrollBar::AfterMessage(const TMessage& m)
{
    if (!target_)
        return;
    switch (m.Msg) {
    case CM_VISIBLECHANGED:
        vertical_->TargetVisibilityChanged();
        horizontal_->TargetVisibilityChanged();
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_SIZE:
    case WM_MOVE:
    case WM_WINDOWPOSCHANGED:
    case WM_SHOWWINDOW:
    case CM_ENABLEDCHANGED:
        Sync();
        break;
    default:
        break;
    }
}
