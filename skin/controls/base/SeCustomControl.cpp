#include "skin/controls/base/SeCustomControl.h"

#include "skin/controls/base/SeControlPaint.h"
#include "ui/graphics/Brush.h"

#include "platform/gdi/DcStateSaver.h"
#include "platform/WinUser.h"

#include <algorithm>

TSeCustomControl::TSeCustomControl(TComponent* owner)
    : TCustomControl(owner), blending_(std::make_unique<TSeBlending>())
{
    blending_->OnChange = [this] { blendingChanged(); };
    controlStyle_.Include(csOpaque);
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 30);
}

TSeCustomControl::~TSeCustomControl() = default;

void TSeCustomControl::SetPerformance(TSePerformance value)
{
    if (value == kspNoBuffer && blending_->Enabled())
        value = kspDoubleBuffer;
    if (value == performance_)
        return;
    performance_ = value;
    Invalidate();
}

void TSeCustomControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

void TSeCustomControl::blendingChanged()
{
    if (blending_->Enabled() && performance_ == kspNoBuffer)
        performance_ = kspDoubleBuffer;
    Invalidate();
}

// ---- Frame -----------------------------------------------------------------------------------

void TSeCustomControl::SetBorderWidth(int value)
{
    value = std::max(value, 0);
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    frameSettingChanged();
}

void TSeCustomControl::SetBevelEdges(TSeBevelSides value)
{
    if (value == bevelEdges_)
        return;
    bevelEdges_ = value;
    frameSettingChanged();
}

void TSeCustomControl::SetBevelInner(TSeBevelCut value)
{
    if (value == bevelInner_)
        return;
    bevelInner_ = value;
    frameSettingChanged();
}

void TSeCustomControl::SetBevelOuter(TSeBevelCut value)
{
    if (value == bevelOuter_)
        return;
    bevelOuter_ = value;
    frameSettingChanged();
}

void TSeCustomControl::SetBevelKind(TSeBevelKind value)
{
    if (value == bevelKind_)
        return;
    bevelKind_ = value;
    frameSettingChanged();
}

void TSeCustomControl::SetBevelWidth(int value)
{
    value = std::max(value, 0);
    if (value == bevelWidth_)
        return;
    bevelWidth_ = value;
    frameSettingChanged();
}

void TSeCustomControl::frameSettingChanged()
{
    FrameChanged();
    placeScrollBars();
    Invalidate();
}

int TSeCustomControl::BevelSize() const
{
    return (bevelInner_ != kbvNone ? bevelWidth_ : 0) + (bevelOuter_ != kbvNone ? bevelWidth_ : 0);
}

TRect TSeCustomControl::GetClientArea() const
{
    TRect r = Rect(0, 0, Width(), Height());
    InflateRect(&r, -borderWidth_, -borderWidth_);
    const int bevel = BevelSize();
    if (bevelEdges_.Contains(kbeLeft))
        r.left += bevel;
    if (bevelEdges_.Contains(kbeTop))
        r.top += bevel;
    if (bevelEdges_.Contains(kbeRight))
        r.right -= bevel;
    if (bevelEdges_.Contains(kbeBottom))
        r.bottom -= bevel;
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

void TSeCustomControl::DrawBevels(HDC dc, RECT r) const
{
    if (bevelWidth_ <= 0)
        return;
    UINT sides = 0;
    if (bevelEdges_.Contains(kbeLeft))
        sides |= BF_LEFT;
    if (bevelEdges_.Contains(kbeTop))
        sides |= BF_TOP;
    if (bevelEdges_.Contains(kbeRight))
        sides |= BF_RIGHT;
    if (bevelEdges_.Contains(kbeBottom))
        sides |= BF_BOTTOM;
    if (bevelKind_ == kbkFlat)
        sides |= BF_FLAT;
    else if (bevelKind_ == kbkSoft)
        sides |= BF_SOFT;
    auto edgeFor = [](TSeBevelCut cut, UINT raised, UINT sunken) -> UINT {
        switch (cut) {
        case kbvRaised:
            return raised;
        case kbvLowered:
            return sunken;
        default:
            return 0;
        }
    };
    // Each cut is bevelWidth_ lines deep: the outer one first, then the inner.
    for (TSeBevelCut cut : {bevelOuter_, bevelInner_}) {
        if (cut == kbvNone)
            continue;
        const UINT edge = edgeFor(cut, BDR_RAISEDINNER, BDR_SUNKENOUTER);
        for (int i = 0; i < bevelWidth_; ++i) {
            if (edge)
                DrawEdge(dc, &r, edge, sides);
            if (sides & BF_LEFT)
                ++r.left;
            if (sides & BF_TOP)
                ++r.top;
            if (sides & BF_RIGHT)
                --r.right;
            if (sides & BF_BOTTOM)
                --r.bottom;
        }
    }
}

// ---- Painting ------------------------------------------------------------------------------

void TSeCustomControl::PaintBackground(TCanvas& canvas)
{
    if (transparent_)
        return;
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(ClientRect());
}

void TSeCustomControl::PaintEdges(TCanvas&) {}

void TSeCustomControl::CopyParentBackground(HDC dc)
{
    brio::CopyParentBackground(*this, dc, performance_ != kspNoBuffer, false);
}

void TSeCustomControl::PaintWindow(HDC dc)
{
    brio::ControlPaintSettings settings;
    settings.performance = performance_;
    settings.transparent = transparent_;
    settings.blending = blending_->Enabled();
    settings.blendValue = blending_->Value();
    TCanvas& canvas = *Canvas();
    brio::PaintSkinnedControl(*this, canvas, dc, settings, [&] {
        {
            brio::DcStateSaver saved(canvas.Handle());
            const TRect client = GetClientArea();
            ExcludeClipRect(canvas.Handle(), client.left, client.top, client.right, client.bottom);
            PaintEdges(canvas);
        }
        PaintBackground(canvas);
        Paint();
    });
}

void TSeCustomControl::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

// ---- Scroll bar children -------------------------------------------------------------------

TControl* TSeCustomControl::CreateScrollBar(bool) { return nullptr; }

int TSeCustomControl::ScrollBarThickness() const { return GetSystemMetrics(SM_CYVTHUMB); }

void TSeCustomControl::EnableScrollBars(bool horizontal, bool vertical)
{
    auto update = [this](TControl*& bar, bool wanted, bool isVertical) {
        if (wanted && !bar) {
            bar = CreateScrollBar(isVertical);
            if (bar)
                bar->SetParent(this);
        } else if (!wanted && bar) {
            delete bar;
            bar = nullptr;
        }
    };
    update(horzScrollBar_, horizontal, false);
    update(vertScrollBar_, vertical, true);
    placeScrollBars();
}

void TSeCustomControl::placeScrollBars()
{
    const TRect area = GetClientArea();
    const int thickness = ScrollBarThickness();
    if (vertScrollBar_) {
        const int bottom = horzScrollBar_ ? area.bottom - thickness : area.bottom;
        vertScrollBar_->SetBounds(area.right - thickness, area.top, thickness, std::max(bottom - area.top, 0));
    }
    if (horzScrollBar_) {
        const int right = vertScrollBar_ ? area.right - thickness : area.right;
        horzScrollBar_->SetBounds(area.left, area.bottom - thickness, std::max(right - area.left, 0), thickness);
    }
}

void TSeCustomControl::Resize()
{
    placeScrollBars();
    TCustomControl::Resize();
}

// ---- Messages ------------------------------------------------------------------------------

void TSeCustomControl::onEraseBackground(TMessage& m)
{
    m.Result = 1;
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    // Erasing for the window itself would only flicker: Paint covers it.
    if (!dc || !m.LParam)
        return;
    brio::DcStateSaver saved(dc);
    if (transparent_)
        brio::CopyParentBackground(*this, dc, true, false);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.SetFont(Font());
    {
        brio::DcStateSaver edges(dc);
        const TRect client = GetClientArea();
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
        PaintEdges(canvas);
    }
    PaintBackground(canvas);
    canvas.SetHandle(nullptr);
}

void TSeCustomControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_MOUSEENTER:
        if (m.LParam && m.LParam != reinterpret_cast<LPARAM>(this))
            break;
        hot_ = true;
        TCustomControl::WndProc(m);
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        if (m.LParam && m.LParam != reinterpret_cast<LPARAM>(this))
            break;
        hot_ = false;
        TCustomControl::WndProc(m);
        MouseLeave();
        return;
    case CM_ENTER:
        focused_ = true;
        FocusEnter();
        Invalidate();
        break;
    case CM_EXIT:
        focused_ = false;
        FocusExit();
        Invalidate();
        break;
    case WM_ERASEBKGND:
        onEraseBackground(m);
        return;
    case WM_THEMECHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}
