#include "skin/controls/panels/SeCustomPanel.h"

#include "platform/ByteOrder.h"
#include "platform/gdi/DcStateSaver.h"
#include "platform/gdi/ScopedSelection.h"
#include "platform/theme/Look.h"
#include "ui/component/Stream.h"
#include "ui/forms/Application.h"
#include "ui/forms/Screen.h"
#include "ui/graphics/Font.h"

#include "platform/WinUser.h"

#include <algorithm>

TSeCustomPanel::TSeCustomPanel(TComponent* owner) : TSeCustomControl(owner)
{
    controlStyle_.Include(csAcceptsControls).Include(csSetCaption);
    SetBounds(0, 0, 100, 90);
    SetColor(clWindow);
    // One bevel line and a margin of 3 round the children.
    SetBevelOuter(kbvNone);
    SetBevelWidth(1);
    SetBorderWidth(3);
    normalHeight_ = Height();
}

TSeCustomPanel::~TSeCustomPanel() = default;

// ---- Properties ---------------------------------------------------------------------------------

namespace {

template <class T>
bool store(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void TSeCustomPanel::SetShowCaption(bool value)
{
    if (store(showCaption_, value)) {
        Realign();
        Invalidate();
    }
}

void TSeCustomPanel::SetShowBevel(bool value)
{
    if (store(showBevel_, value)) {
        Realign();
        Invalidate();
    }
}

void TSeCustomPanel::SetShowButton(bool value)
{
    if (store(showButton_, value))
        Invalidate();
}

void TSeCustomPanel::SetButtonKind(TSePanelButtonKind value)
{
    if (store(buttonKind_, value))
        Invalidate();
}

void TSeCustomPanel::FrameChanged()
{
    Realign();
}

void TSeCustomPanel::SetCaptionHeight(int value)
{
    if (store(captionHeight_, std::max(value, 0))) {
        Realign();
        Invalidate();
    }
}

// ---- Geometry -----------------------------------------------------------------------------------

RECT TSeCustomPanel::GetCaptionRect() const
{
    RECT r{0, 0, Width(), Height()};
    if (showBevel_ && !brio::LookThemed())
        InflateRect(&r, -BevelWidth(), -BevelWidth());
    r.bottom = r.top + captionHeight_;
    return r;
}

RECT TSeCustomPanel::GetButtonRect() const
{
    if (!showCaption_ || !showButton_)
        return RECT{};
    RECT r = GetCaptionRect();
    r.left = r.right - ::Height(r);
    InflateRect(&r, -2, -2);
    return r;
}

void TSeCustomPanel::AdjustClientRect(TRect& r) const
{
    r = RECT{0, 0, Width(), Height()};
    InflateRect(&r, -BorderWidth(), -BorderWidth());
    if (showBevel_)
        InflateRect(&r, -BevelWidth(), -BevelWidth());
    if (showCaption_)
        r.top += ::Height(GetCaptionRect());
}

void TSeCustomPanel::SetBounds(int left, int top, int width, int height)
{
    // A rolled panel keeps its height whatever its parent's layout asks.
    if (rolled_ && !rolling_ && !ComponentState().Contains(csLoading))
        height = Height();
    TSeCustomControl::SetBounds(left, top, width, height);
}

// ---- Rolling ------------------------------------------------------------------------------------

void TSeCustomPanel::SetRolled(bool value)
{
    if (value == rolled_)
        return;
    if (ComponentState().Contains(csLoading)) {
        // The stored height and "NormalHeight" already say how it was.
        rolled_ = value;
        return;
    }
    if (value)
        rollUp();
    else
        rollDown();
}

void TSeCustomPanel::applyRollHeight(int height)
{
    rolling_ = true;
    SetHeight(height);
    if (parentRoll_ && Parent())
        Parent()->SetHeight(Height());
    rolling_ = false;
}

void TSeCustomPanel::rollUp()
{
    if (OnBeforeRoll)
        OnBeforeRoll(this);
    normalHeight_ = Height();
    const int target = ::Height(GetCaptionRect()) + 2 * BevelWidth();
    if (animateRoll_) {
        for (int h = Height(); h >= target; --h)
            if (h % 4 == 0) {
                applyRollHeight(h);
                Repaint();
            }
    }
    applyRollHeight(target);
    rolled_ = true;
    Invalidate();
    if (OnRollup)
        OnRollup(this);
}

void TSeCustomPanel::rollDown()
{
    if (OnBeforeRoll)
        OnBeforeRoll(this);
    rolled_ = false;
    if (animateRoll_) {
        for (int h = Height(); h <= normalHeight_; ++h)
            if (h % 4 == 0) {
                applyRollHeight(h);
                Repaint();
            }
    }
    applyRollHeight(normalHeight_);
    Invalidate();
    if (OnRollup)
        OnRollup(this);
}

void TSeCustomPanel::DefineProperties(TFiler& filer)
{
    TSeCustomControl::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "NormalHeight", [this](TStream& stream) { ReadNormalHeight(stream); },
        [this](TStream& stream) { WriteNormalHeight(stream); }, true);
}

void TSeCustomPanel::ReadNormalHeight(TStream& stream)
{
    unsigned char bytes[4];
    stream.ReadBuffer(bytes, 4);
    normalHeight_ = static_cast<std::int32_t>(brio::readLittleEndian32(bytes));
}

void TSeCustomPanel::WriteNormalHeight(TStream& stream) const
{
    unsigned char bytes[4];
    brio::writeLittleEndian32(bytes, static_cast<std::uint32_t>(normalHeight_));
    stream.WriteBuffer(bytes, 4);
}

// ---- Painting -----------------------------------------------------------------------------------

void TSeCustomPanel::PaintBackground(TCanvas& canvas)
{
    if (!showCaption_) {
        PaintPanel(canvas);
        return;
    }
    const RECT caption = GetCaptionRect();
    {
        brio::DcStateSaver saved(canvas.Handle());
        ExcludeClipRect(canvas.Handle(), caption.left, caption.top, caption.right, caption.bottom);
        PaintPanel(canvas);
    }
    // The themed head has rounded corners: the parent shows beside them.
    if (!Transparent() && brio::LookThemed())
        paintParentBehind(canvas, caption);
    PaintCaption(canvas);
    if (showButton_)
        PaintButton(canvas);
}

void TSeCustomPanel::PaintPanel(TCanvas& canvas)
{
    RECT r{0, 0, Width(), Height()};
    if (brio::LookThemed()) {
        if (showCaption_)
            r.top += captionHeight_;
        brio::DrawLookPart(canvas.Handle(), brio::LookPart::PanelBody, brio::LookState{}, r);
        return;
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    if (!showBevel_)
        return;
    const UINT outer = BDR_SUNKENOUTER, inner = BDR_RAISEDINNER;
    DrawEdge(canvas.Handle(), &r, outer, BF_RECT);
    InflateRect(&r, -1, -1);
    DrawEdge(canvas.Handle(), &r, inner, BF_RECT);
}

void TSeCustomPanel::paintParentBehind(TCanvas& canvas, const RECT& r)
{
    brio::DcStateSaver saved(canvas.Handle());
    IntersectClipRect(canvas.Handle(), r.left, r.top, r.right, r.bottom);
    CopyParentBackground(canvas.Handle());
}

void TSeCustomPanel::drawCaptionText(TCanvas& canvas, const RECT& r, TColor color)
{
    RECT text = r;
    text.left += 5;
    text.right -= 5;
    if (showButton_)
        text.right = std::min(text.right, GetButtonRect().left);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(color);
    TTextFormat format{tfSingleLine, tfVerticalCenter, tfLeft};
    if (BiDiMode() != bdLeftToRight)
        format = TTextFormat{tfSingleLine, tfVerticalCenter, tfRight, tfRtlReading};
    canvas.TextRect(text, Caption(), format);
}

void TSeCustomPanel::PaintCaption(TCanvas& canvas)
{
    if (!showCaption_)
        return;
    const RECT caption = GetCaptionRect();
    brio::LookState state;
    state.disabled = !Enabled();
    brio::DrawLookPart(canvas.Handle(), brio::LookPart::PanelHead, state, caption);
    canvas.Font()->Assign(Font());
    drawCaptionText(canvas, caption, TColor(brio::LookTextColor(brio::LookPart::PanelHead, state)));
}

void TSeCustomPanel::PaintButton(TCanvas& canvas)
{
    const RECT button = GetButtonRect();
    if (IsEmpty(button))
        return;
    brio::LookState state;
    state.pressed = pressed_;
    state.hot = hot_;
    const brio::LookPart part = buttonKind_ == pbkHide ? brio::LookPart::PanelClose
                                : rolled_             ? brio::LookPart::PanelExpand
                                                      : brio::LookPart::PanelCollapse;
    brio::DrawLookPart(canvas.Handle(), part, state, button);
}

// ---- Mouse --------------------------------------------------------------------------------------

void TSeCustomPanel::invalidateButton()
{
    const RECT button = GetButtonRect();
    if (HandleAllocated() && !IsEmpty(button))
        InvalidateRect(Handle(), &button, FALSE);
}

void TSeCustomPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeCustomControl::MouseDown(button, shift, x, y);
    const RECT r = GetButtonRect();
    if (button == mbLeft && Contains(r, x, y)) {
        pressed_ = true;
        hot_ = true;
        invalidateButton();
    }
}

void TSeCustomPanel::MouseMove(TShiftState shift, int x, int y)
{
    TSeCustomControl::MouseMove(shift, x, y);
    const bool inside = Contains(GetButtonRect(), x, y);
    if (inside != hot_) {
        hot_ = inside;
        if (shift.Contains(ssLeft))
            pressed_ = hot_;
        invalidateButton();
    }
}

void TSeCustomPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    const bool wasPressed = pressed_;
    pressed_ = false;
    invalidateButton();
    if (wasPressed && Contains(GetButtonRect(), x, y))
        ButtonAction();
}

void TSeCustomPanel::ButtonAction()
{
    if (buttonKind_ == pbkRoll) {
        SetRolled(!rolled_);
    } else {
        if (OnHide)
            OnHide(this);
        Hide();
    }
    if (OnButtonClick)
        OnButtonClick(this);
}

TCursor TSeCustomPanel::cursorAt(TPoint p) const
{
    if (Contains(GetButtonRect(), p.x, p.y) && buttonCursor_ != crDefault)
        return buttonCursor_;
    if (showCaption_ && Contains(GetCaptionRect(), p.x, p.y) && captionCursor_ != crDefault)
        return captionCursor_;
    return Cursor();
}

void TSeCustomPanel::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_MOUSELEAVE:
        TSeCustomControl::WndProc(m);
        if (store(hot_, false))
            invalidateButton();
        return;
    case CM_TEXTCHANGED:
        TSeCustomControl::WndProc(m);
        Invalidate();
        return;
    case CM_HINTSHOW: {
        auto* info = reinterpret_cast<THintInfo*>(m.LParam);
        if (showCaption_ && Contains(GetCaptionRect(), info->CursorPos.x, info->CursorPos.y)) {
            info->HintStr = showButton_ && hot_ ? buttonHint_ : captionHint_;
            // A new hint as soon as the pointer leaves the caption bar or
            // moves between the bar and its button.
            info->CursorRect = hot_ ? GetButtonRect() : GetCaptionRect();
        }
        TSeCustomControl::WndProc(m);
        return;
    }
    case WM_SETCURSOR: {
        POINT p{};
        GetCursorPos(&p);
        const TPoint local = ScreenToClient(p);
        if (LOWORD(m.LParam) == HTCLIENT && Screen->Cursor() == crDefault && !ControlAtPos(local, false)) {
            const TCursor cursor = cursorAt(local);
            if (cursor != crDefault) {
                ::SetCursor(Screen->Cursors(cursor));
                m.Result = 1;
                return;
            }
        }
        TSeCustomControl::WndProc(m);
        return;
    }
    default: TSeCustomControl::WndProc(m);
    }
}
