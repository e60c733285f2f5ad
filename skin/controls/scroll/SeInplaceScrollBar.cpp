#include "skin/controls/scroll/SeInplaceScrollBar.h"

#include "platform/RectMath.h"

TSeInplaceScrollBar::TSeInplaceScrollBar(TComponent* owner, TScrollBarKind kind, const TSeScrollBarFactory& factory)
    : TWinControl(owner)
{
    SetVisible(false);
    controlStyle_.Include(csOpaque);
    bar_ = factory ? factory(this) : new TSeCustomScrollBar(this);
    bar_->SetKind(kind);
    bar_->SetBorderWidth(0);
    bar_->SetPerformance(kspDoubleBuffer);
    bar_->SetTransparent(false);
    bar_->SetAlign(alClient);
    bar_->SetVisible(true);
    bar_->SetParent(this);
    bar_->OnScroll = [this](TObject*, WORD code, int& position) { scrolled(code, position); };
}

TSeInplaceScrollBar::~TSeInplaceScrollBar()
{
    target_ = nullptr;
    if (bar_)
        bar_->OnScroll = nullptr;
}

void TSeInplaceScrollBar::EraseBackground(HDC)
{
    // The inner bar covers every pixel.
}

bool TSeInplaceScrollBar::targetUsable() const
{
    return target_ && target_->HandleAllocated() && !target_->ComponentState().Contains(csDestroying) &&
           !ComponentState().Contains(csDestroying);
}

int TSeInplaceScrollBar::nativePosition() const
{
    SCROLLINFO si;
    si.fMask = SIF_POS;
    if (!GetScrollInfo(target_->Handle(), nativeBar(), &si))
        return bar_->Position();
    return si.nPos;
}

void TSeInplaceScrollBar::Sync()
{
    if (!targetUsable() || syncing_)
        return;
    syncing_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{syncing_};

    HWND native = target_->Handle();
    SCROLLBARINFO info;
    const bool known = GetScrollBarInfo(native, Kind() == sbVertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
    const bool hidden = !known || (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) ||
                        IsEmpty(info.rcScrollBar) || !target_->Visible();
    if (hidden || !Parent()) {
        if (Visible())
            Hide();
        return;
    }
    const TPoint topLeft = Parent()->ScreenToClient(TPoint{info.rcScrollBar.left, info.rcScrollBar.top});
    const int width = ::Width(info.rcScrollBar), height = ::Height(info.rcScrollBar);
    if (Left() != topLeft.x || Top() != topLeft.y || Width() != width || Height() != height)
        SetBounds(topLeft.x, topLeft.y, width, height);
    if (!Visible()) {
        Show();
        BringToFront();
    }

    SCROLLINFO si;
    si.fMask = SIF_ALL;
    if (GetScrollInfo(native, nativeBar(), &si))
        bar_->SetParams(si.nMin, si.nMax, int(si.nPage), bar_->Dragging() ? bar_->Position() : si.nPos);
    bar_->SetEnabled(target_->Enabled());
    bar_->Invalidate();
}

void TSeInplaceScrollBar::TargetVisibilityChanged()
{
    if (!target_)
        return;
    if (!target_->Visible())
        Hide();
    else
        Sync();
}

void TSeInplaceScrollBar::scrolled(WORD code, int& position)
{
    if (!targetUsable())
        return;
    if (code == SB_LINEUP || code == SB_LINEDOWN || code == SB_PAGEUP || code == SB_PAGEDOWN) {
        // The target knows its own steps; the bar shows where it ended up.
        SendMessage(target_->Handle(), scrollMessage(), MAKEWPARAM(code, 0), 0);
        Sync();
        position = nativePosition();
        return;
    }
    SendMessage(target_->Handle(), scrollMessage(), MAKEWPARAM(code, WORD(position & 0xFFFF)), 0);
    Sync();
}
