#include "skin/controls/base/SeControlPaint.h"

#include "skin/controls/base/SharedPaintBuffer.h"
#include "skin/engine/SePixels.h"
#include "ui/control/GraphicControl.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/DcStateSaver.h"
#include "platform/gdi/GdiObjectOwner.h"
#include "platform/gdi/MemoryDib.h"
#include "platform/WinUser.h"

#include <optional>

namespace brio {

namespace {

// Sibling painting nests when a translucent sibling paints its own
// siblings; the inner one leaves them out so two translucent neighbours
// cannot ask each other for ever.
int siblingDepth = 0;

// A skinned form paints its frame and client background into a DC through
// this message; wParam carries where its window's top-left corner lands.
bool askSkinnedForm(TControl& control, TCustomForm& form, HDC dc)
{
    if (!form.HandleAllocated())
        return false;
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    const TPoint origin = control.ClientOrigin();
    const int dx = window.left - origin.x;
    const int dy = window.top - origin.y;
    const WPARAM offset = MAKEWPARAM(WORD(dx), WORD(dy));
    return SendMessage(form.Handle(), CM_RESERVED_SKIN_PAINTFORM, offset, reinterpret_cast<LPARAM>(dc)) != 0;
}

void paintSiblings(TControl& control, TWinControl& parent, HDC dc)
{
    if (siblingDepth > 0)
        return;
    ++siblingDepth;
    struct Leave {
        ~Leave() { --siblingDepth; }
    } leave;
    const bool windowless = !dynamic_cast<TWinControl*>(&control);
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* sibling = parent.Controls(i);
        // Windowless siblings above a windowless control are drawn after it
        // by the parent anyway.
        if (sibling == &control) {
            if (windowless)
                break;
            continue;
        }
        if (dynamic_cast<TWinControl*>(sibling) || !sibling->Visible())
            continue;
        RECT overlap{};
        const RECT bounds = sibling->BoundsRect();
        const RECT own = control.BoundsRect();
        if (!IntersectRect(&overlap, &bounds, &own))
            continue;
        DcStateSaver saved(dc);
        OffsetViewportOrgEx(dc, sibling->Left(), sibling->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, sibling->Width(), sibling->Height());
        sibling->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void paintParentInto(TControl& control, HDC dc, bool withSiblings)
{
    TWinControl* parent = control.Parent();
    DcStateSaver saved(dc);
    IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
    auto* form = dynamic_cast<TCustomForm*>(parent);
    const bool painted = form && askSkinnedForm(control, *form, dc);
    OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
    if (!painted) {
        TSeEraseRequest request;
        request.Bounds = control.BoundsRect();
        const auto wParam = reinterpret_cast<WPARAM>(dc);
        const auto lParam = reinterpret_cast<LPARAM>(&request);
        if (form && form->HandleAllocated())
            SendMessage(form->Handle(), WM_ERASEBKGND, wParam, lParam);
        else
            parent->Perform(WM_ERASEBKGND, wParam, lParam);
    }
    if (withSiblings)
        paintSiblings(control, *parent, dc);
}

void fillWithKey(HDC dc, int width, int height)
{
    GdiObjectOwner<HBRUSH> key(CreateSolidBrush(RGB(0x7F, 0x00, 0x7F)));
    static_assert((SeKeyValue & 0xFFFFFF) == 0x7F007F);
    const RECT r{0, 0, width, height};
    FillRect(dc, &r, key.get());
}

// Clears the canvas's DC on every exit, an exception from a painter included.
class CanvasOnSurface {
public:
    CanvasOnSurface(TCanvas& canvas, HDC dc, const TControl& control) : canvas_(canvas)
    {
        if (auto* own = dynamic_cast<TControlCanvas*>(&canvas))
            own->FreeHandle();
        canvas_.Lock();
        canvas_.SetHandle(dc);
        canvas_.SetFont(control.Font());
        canvas_.Brush()->SetColor(control.Color());
    }
    ~CanvasOnSurface()
    {
        canvas_.SetHandle(nullptr);
        canvas_.Unlock();
    }
    CanvasOnSurface(const CanvasOnSurface&) = delete;
    CanvasOnSurface& operator=(const CanvasOnSurface&) = delete;

private:
    TCanvas& canvas_;
};

} // namespace

void CopyParentBackground(TControl& control, HDC dc, bool buffered, bool withSiblings)
{
    const int width = control.Width();
    const int height = control.Height();
    if (!dc || !control.Parent() || width <= 0 || height <= 0)
        return;
    if (buffered) {
        paintParentInto(control, dc, withSiblings);
        return;
    }
    MemoryDib scratch(width, height);
    if (!scratch)
        return;
    paintParentInto(control, scratch.dc(), withSiblings);
    BitBlt(dc, 0, 0, width, height, scratch.dc(), 0, 0, SRCCOPY);
}

void PaintSkinnedControl(TControl& control, TCanvas& canvas, HDC target, const ControlPaintSettings& settings,
                         const std::function<void()>& paint)
{
    const int width = control.Width();
    const int height = control.Height();
    if (!target || width <= 0 || height <= 0)
        return;
    std::optional<SharedPaintBuffer> buffer;
    HDC surface = target;
    if (settings.performance != kspNoBuffer) {
        buffer.emplace(width, height, settings.performance == kspSharedBuffer);
        // No bitmap to be had: paint on the screen rather than not at all.
        if (buffer->dc()) {
            surface = buffer->dc();
            fillWithKey(surface, width, height);
        } else {
            buffer.reset();
        }
    }
    const bool buffered = buffer.has_value();
    {
        CanvasOnSurface onSurface(canvas, surface, control);
        if (settings.transparent)
            CopyParentBackground(control, surface, buffered, false);
        DcStateSaver saved(surface);
        paint();
    }
    if (!buffered)
        return;
    if (settings.blending) {
        MemoryDib behind(width, height);
        if (behind) {
            CopyParentBackground(control, behind.dc(), true, true);
            BLENDFUNCTION blend;
            blend.SourceConstantAlpha = BYTE(settings.blendValue);
            AlphaBlend(behind.dc(), 0, 0, width, height, surface, 0, 0, width, height, blend);
            BitBlt(target, 0, 0, width, height, behind.dc(), 0, 0, SRCCOPY);
            return;
        }
    }
    BitBlt(target, 0, 0, width, height, surface, 0, 0, SRCCOPY);
}

} // namespace brio
