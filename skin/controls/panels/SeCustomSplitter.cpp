#include "skin/controls/panels/SeCustomSplitter.h"

#include "ui/forms/Form.h"
#include "ui/graphics/Brush.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"

#include <algorithm>
#include <array>

namespace {

// Half the pixels of an 8 x 8 cell white (inverted by PATINVERT), half
// black (kept): the dotted drag line.
HBRUSH makeLineBrush(TResizeStyle style)
{
    if (style != rsPattern)
        return CreateSolidBrush(RGB(255, 255, 255));
    std::array<std::uint32_t, 64> pixels{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pixels[std::size_t(y * 8 + x)] = (x + y) % 2 ? 0x00FFFFFFu : 0u;
    brio::GdiObjectOwner<HBITMAP> cell(CreateBitmap(8, 8, 1, 32, pixels.data()));
    return cell ? CreatePatternBrush(cell.get()) : CreateSolidBrush(RGB(255, 255, 255));
}

} // namespace

TSeCustomSplitter::TSeCustomSplitter(TComponent* owner) : TSeGraphicControl(owner)
{
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
    SetColor(clBtnFace);
}

TSeCustomSplitter::~TSeCustomSplitter()
{
    unhookParentPaint();
    unhookActiveControl();
    if (control_)
        control_->RemoveFreeNotification(this);
    if (lineDc_)
        ReleaseDC(lineWindow_, lineDc_);
}

void TSeCustomSplitter::SetBeveled(bool value)
{
    if (value == beveled_)
        return;
    beveled_ = value;
    Invalidate();
}

void TSeCustomSplitter::SetMinSize(int value) { minSize_ = std::max(value, 1); }

void TSeCustomSplitter::SetBounds(int left, int top, int width, int height)
{
    // The split cursor turns with the splitter's side.
    if (Align() != alNone && (Cursor() == crHSplit || Cursor() == crVSplit))
        SetCursor(vertical() ? crVSplit : crHSplit);
    TSeGraphicControl::SetBounds(left, top, width, height);
}

// ---- Finding the neighbour ----------------------------------------------------------------------

TControl* TSeCustomSplitter::FindControl() const
{
    TWinControl* parent = Parent();
    if (!parent)
        return nullptr;
    TPoint p{Left(), Top()};
    switch (Align()) {
    case alLeft: --p.x; break;
    case alRight: p.x += Width(); break;
    case alTop: --p.y; break;
    case alBottom: p.y += Height(); break;
    default: return nullptr;
    }
    const bool before = Align() == alLeft || Align() == alTop;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == this || !sibling->Visible() || !sibling->Enabled())
            continue;
        RECT r = sibling->BoundsRect();
        // A collapsed neighbour is still found at its edge.
        if (::Width(r) == 0)
            (before ? r.left : r.right) += before ? -1 : 1;
        if (::Height(r) == 0)
            (before ? r.top : r.bottom) += before ? -1 : 1;
        if (Contains(r, p.x, p.y))
            return sibling;
    }
    return nullptr;
}

int TSeCustomSplitter::computeMaxSize() const
{
    TWinControl* parent = Parent();
    const RECT client = parent->ClientRect();
    int size = (vertical() ? ::Height(client) : ::Width(client)) - minSize_;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        const TControl* child = parent->Controls(i);
        if (!child->Visible())
            continue;
        const TAlign a = child->Align();
        if (vertical() && (a == alTop || a == alBottom))
            size -= child->Height();
        else if (!vertical() && (a == alLeft || a == alRight))
            size -= child->Width();
    }
    return size + (vertical() ? control_->Height() : control_->Width());
}

// ---- The drag -----------------------------------------------------------------------------------

void TSeCustomSplitter::calcSplit(TPoint screen, int& size, int& split) const
{
    const int offset = vertical() ? screen.y - downScreen_.y : screen.x - downScreen_.x;
    const bool grows = Align() == alLeft || Align() == alTop;
    const int wanted = grows ? startSize_ + offset : startSize_ - offset;
    size = std::max(std::min(wanted, maxSize_), minSize_);
    split = offset + (grows ? size - wanted : wanted - size);
}

bool TSeCustomSplitter::DoCanResize(int& newSize)
{
    bool accept = true;
    if (OnCanResize)
        OnCanResize(this, newSize, accept);
    if (accept && newSize <= minSize_ && autoSnap_)
        newSize = 0;
    return accept;
}

RECT TSeCustomSplitter::LineRect() const
{
    return vertical() ? Offset(BoundsRect(), 0, split_) : Offset(BoundsRect(), split_, 0);
}

void TSeCustomSplitter::drawLine()
{
    if (!lineDc_)
        return;
    lineVisible_ = !lineVisible_;
    const RECT r = LineRect();
    HGDIOBJ previous = SelectObject(lineDc_, brush_.get());
    PatBlt(lineDc_, r.left, r.top, ::Width(r), ::Height(r), PATINVERT);
    SelectObject(lineDc_, previous);
}

void TSeCustomSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || Dragging())
        return;
    control_ = FindControl();
    if (!control_)
        return;
    control_->FreeNotification(this);
    downScreen_ = ClientToScreen(TPoint{x, y});
    startSize_ = vertical() ? control_->Height() : control_->Width();
    maxSize_ = computeMaxSize();
    calcSplit(downScreen_, newSize_, split_);
    if (resizeStyle_ == rsLine || resizeStyle_ == rsPattern) {
        lineWindow_ = Parent()->Handle();
        lineDc_ = GetDCEx(lineWindow_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
        brush_.reset(makeLineBrush(resizeStyle_));
    }
    hookActiveControl();
    if (resizeStyle_ == rsLine || resizeStyle_ == rsPattern) {
        hookParentPaint();
        drawLine();
    }
}

void TSeCustomSplitter::MouseMove(TShiftState shift, int x, int y)
{
    TSeGraphicControl::MouseMove(shift, x, y);
    if (!Dragging() || !shift.Contains(ssLeft))
        return;
    int size = 0, split = 0;
    calcSplit(ClientToScreen(TPoint{x, y}), size, split);
    if (!DoCanResize(size))
        return;
    if (lineVisible_)
        drawLine();
    newSize_ = size;
    split_ = split;
    if (resizeStyle_ == rsUpdate)
        applySize();
    if (resizeStyle_ == rsLine || resizeStyle_ == rsPattern)
        drawLine();
}

void TSeCustomSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !Dragging())
        return;
    if (lineVisible_)
        drawLine();
    applySize();
    stopSizing();
}

void TSeCustomSplitter::applySize()
{
    if (!control_ || newSize_ == oldSize_)
        return;
    switch (Align()) {
    case alLeft: control_->SetWidth(newSize_); break;
    case alTop: control_->SetHeight(newSize_); break;
    case alRight:
        control_->SetBounds(control_->Left() + control_->Width() - newSize_, control_->Top(), newSize_,
                            control_->Height());
        break;
    case alBottom:
        control_->SetBounds(control_->Left(), control_->Top() + control_->Height() - newSize_, control_->Width(),
                            newSize_);
        break;
    default: break;
    }
    if (Parent())
        Parent()->Update();
    oldSize_ = newSize_;
    if (OnMoved)
        OnMoved(this);
}

void TSeCustomSplitter::CancelDrag()
{
    if (!Dragging())
        return;
    if (lineVisible_)
        drawLine();
    // A live resize goes back to where the drag began.
    if (resizeStyle_ == rsUpdate && control_) {
        newSize_ = startSize_;
        applySize();
    }
    stopSizing();
}

void TSeCustomSplitter::stopSizing()
{
    if (lineVisible_)
        drawLine();
    if (control_)
        control_->RemoveFreeNotification(this);
    control_ = nullptr;
    if (lineDc_) {
        ReleaseDC(lineWindow_, lineDc_);
        lineDc_ = nullptr;
        lineWindow_ = nullptr;
    }
    brush_.reset();
    unhookParentPaint();
    unhookActiveControl();
    split_ = 0;
    Invalidate();
}

// ---- Escape through the focused control ---------------------------------------------------------

void TSeCustomSplitter::hookActiveControl()
{
    TCustomForm* form = GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    if (!active)
        return;
    hooked_ = active;
    hookedProc_ = active->WindowProc;
    active->FreeNotification(this);
    active->WindowProc = [this, previous = hookedProc_](TMessage& m) {
        if ((m.Msg == WM_KEYDOWN || m.Msg == CN_KEYDOWN) && m.WParam == VK_ESCAPE && Dragging()) {
            CancelDrag();
            m.Result = 1;
            return;
        }
        previous(m);
    };
}

void TSeCustomSplitter::unhookActiveControl()
{
    if (!hooked_)
        return;
    hooked_->WindowProc = hookedProc_;
    hooked_->RemoveFreeNotification(this);
    hooked_ = nullptr;
    hookedProc_ = nullptr;
}

void TSeCustomSplitter::hookParentPaint()
{
    paintHooked_ = Parent();
    paintHookedProc_ = paintHooked_->WindowProc;
    paintHooked_->FreeNotification(this);
    paintHooked_->WindowProc = [this, previous = paintHookedProc_](TMessage& m) {
        if (m.Msg != WM_PAINT || !lineVisible_) {
            previous(m);
            return;
        }
        drawLine();
        previous(m);
        drawLine();
    };
}

void TSeCustomSplitter::unhookParentPaint()
{
    if (!paintHooked_)
        return;
    paintHooked_->WindowProc = paintHookedProc_;
    paintHooked_->RemoveFreeNotification(this);
    paintHooked_ = nullptr;
    paintHookedProc_ = nullptr;
}

void TSeCustomSplitter::Notification(TComponent* component, TOperation operation)
{
    TSeGraphicControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    // A hooked control that goes away takes its hook with it.
    if (component == hooked_) {
        hooked_ = nullptr;
        hookedProc_ = nullptr;
    }
    if (component == paintHooked_) {
        paintHooked_ = nullptr;
        paintHookedProc_ = nullptr;
    }
    if (component == control_) {
        control_ = nullptr;
        stopSizing();
    }
}

// ---- Painting -----------------------------------------------------------------------------------

void TSeCustomSplitter::Paint()
{
    TCanvas& canvas = *Canvas();
    if (beveled_) {
        RECT r{0, 0, Width(), Height()};
        if (vertical())
            InflateRect(&r, 2, -1);
        else
            InflateRect(&r, -1, 2);
        OffsetRect(&r, 1, 1);
        canvas.Brush()->SetColor(clBtnHighlight);
        canvas.FrameRect(r);
        OffsetRect(&r, -2, -2);
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FrameRect(r);
    }
    if (OnPaint)
        OnPaint(this);
}

void TSeCustomSplitter::WndProc(TMessage& m)
{
    if ((m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) && !Dragging())
        Invalidate();
    TSeGraphicControl::WndProc(m);
}
