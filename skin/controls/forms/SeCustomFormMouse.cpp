// The frame under the mouse: pressing and releasing caption buttons,
// moving by the caption with snapping to the screen's edges, sizing by the
// borders, live or with an outline.

#include "skin/controls/forms/SeCustomForm.h"

#include "platform/RectMath.h"
#include "platform/window/ScreenOverlay.h"
#include "ui/forms/Form.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int kOutlineWidth = 2;

POINT windowOrigin(HWND hwnd)
{
    RECT window{};
    GetWindowRect(hwnd, &window);
    return POINT{window.left, window.top};
}

} // namespace

void TSeCustomForm::FrameMouseDown(TMouseButton button, TShiftState, int x, int y)
{
    if (button != mbLeft)
        return;
    HWND hwnd = windowHandle();
    if (!hwnd)
        return;
    TSeFrameZone zone = HitTestZone(POINT{x, y});
    pressedZone_ = zone;
    hoverZone_ = zone;
    pressPoint_ = windowOrigin(hwnd) + POINT{x, y};
    lastPoint_ = pressPoint_;
    GetWindowRect(hwnd, &dragStart_);
    PaintNonClient();
    if (IsDragZone(zone)) {
        dragInProgress_ = true;
        dragOutline_ = RECT{};
        dragOutlineShown_ = false;
        if (dragging_->DragMode() == kfdmBorder)
            paintingAllowed_ = false;
    }
    SetCapture(hwnd);
}

void TSeCustomForm::FrameMouseMove(TShiftState, int x, int y)
{
    HWND hwnd = windowHandle();
    if (!hwnd)
        return;
    if (!dragInProgress_) {
        TSeFrameZone zone = HitTestZone(POINT{x, y});
        if (zone != hoverZone_) {
            hoverZone_ = zone;
            PaintNonClient();
        }
        return;
    }
    POINT pointer = windowOrigin(hwnd) + POINT{x, y};
    dragTo(pointer);
    lastPoint_ = pointer;
}

void TSeCustomForm::FrameMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    HWND hwnd = windowHandle();
    if (!hwnd)
        return;
    TSeFrameZone zone = HitTestZone(POINT{x, y});
    if (button == mbRight) {
        if (zone == fzCaption) {
            menuPoint_ = windowOrigin(hwnd) + POINT{x, y};
            menuPointSet_ = true;
            ShowSystemMenu();
        }
        return;
    }
    if (button != mbLeft)
        return;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    // The release point is where the drag ends, whether or not a move
    // to it was seen (the desktop may fold the last moves into the release).
    if (dragInProgress_)
        dragTo(windowOrigin(hwnd) + POINT{x, y});
    TSeFrameZone pressed = pressedZone_;
    bool wasDragging = dragInProgress_;
    pressedZone_ = fzNone;
    dragInProgress_ = false;

    if (wasDragging) {
        if (dragging_->DragMode() == kfdmBorder) {
            bool moved = dragOutlineShown_;
            RECT target = dragOutline_;
            drawDragOutline(nullptr);
            paintingAllowed_ = true;
            if (moved)
                applyBounds(target);
            invalidateAll();
        } else {
            PaintNonClient();
        }
    }

    if (shift.Contains(ssDouble)) {
        if (zone == fzCaption && borderIcons_.Contains(kbiMaximize)) {
            if (windowState_ == kwsMinimized)
                Restore();
            else
                Maximize();
        } else if (zone == fzSysMenu) {
            Close();
        }
        return;
    }
    if (zone != pressed) {
        PaintNonClient();
        return;
    }
    switch (zone) {
    case fzClose:    Close(); break;
    case fzHelp:     ShowHelp(); break;
    case fzMinimize: Minimize(); break;
    case fzMaximize: Maximize(); break;
    case fzRollup:   Rollup(); break;
    case fzTray:     MinimizeToTray(); break;
    case fzSysMenu:
        menuPointSet_ = false;
        ShowSystemMenu();
        break;
    default:         PaintNonClient(); break;
    }
}

void TSeCustomForm::dragTo(POINT pointer)
{
    POINT delta = pointer - pressPoint_;
    RECT target = dragStart_;
    if (pressedZone_ == fzCaption) {
        if (!dragging_->Moveable() || windowState_ == kwsMaximized)
            return;
        target = snapToEdges(Offset(dragStart_, delta));
    } else {
        if (!dragging_->Sizeable() || windowState_ != kwsNormal)
            return;
        SIZE minimum = GetMinTrackSize();
        bool left = pressedZone_ == fzLeft || pressedZone_ == fzTopLeft || pressedZone_ == fzBottomLeft;
        bool right = pressedZone_ == fzRight || pressedZone_ == fzTopRight || pressedZone_ == fzBottomRight;
        bool top = pressedZone_ == fzTop || pressedZone_ == fzTopLeft || pressedZone_ == fzTopRight;
        bool bottom = pressedZone_ == fzBottom || pressedZone_ == fzBottomLeft || pressedZone_ == fzBottomRight;
        if (left)
            target.left = std::min<int>(dragStart_.left + delta.x, target.right - minimum.cx);
        if (right)
            target.right = std::max<int>(dragStart_.right + delta.x, target.left + minimum.cx);
        if (top)
            target.top = std::min<int>(dragStart_.top + delta.y, target.bottom - minimum.cy);
        if (bottom)
            target.bottom = std::max<int>(dragStart_.bottom + delta.y, target.top + minimum.cy);
    }
    if (dragging_->DragMode() == kfdmBorder) {
        drawDragOutline(&target);
        return;
    }
    RECT now{};
    GetWindowRect(windowHandle(), &now);
    if (target == now)
        return;
    applyBounds(target);
    dispatchPendingPaints();
    RECT moved{};
    GetWindowRect(windowHandle(), &moved);
    hoverZone_ = HitTestZone(pointer - POINT{moved.left, moved.top});
    PaintNonClient();
}

RECT TSeCustomForm::snapToEdges(RECT bounds) const
{
    if (!gravitation_->Enabled())
        return bounds;
    RECT area{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    int shadow = ShadowExtent();
    RECT frame{bounds.left, bounds.top, bounds.right - shadow, bounds.bottom - shadow};
    int reach = gravitation_->Size();
    int dx = 0, dy = 0;
    if (std::abs(frame.left - area.left) < reach)
        dx = area.left - frame.left;
    else if (std::abs(frame.right - area.right) < reach)
        dx = area.right - frame.right;
    if (std::abs(frame.top - area.top) < reach)
        dy = area.top - frame.top;
    else if (std::abs(frame.bottom - area.bottom) < reach)
        dy = area.bottom - frame.bottom;
    return Offset(bounds, dx, dy);
}

// The outline of a border drag, in a small window above everything; where
// none can be made the outline is not drawn, and the drag still applies.
void TSeCustomForm::drawDragOutline(const RECT* bounds)
{
    if (!bounds) {
        outlineOverlay_.reset();
        dragOutlineShown_ = false;
        return;
    }
    dragOutline_ = *bounds;
    dragOutlineShown_ = true;
    int width = Width(*bounds), height = Height(*bounds);
    if (width <= 0 || height <= 0)
        return;
    HRGN ring = CreateRectRgn(0, 0, width, height);
    HRGN inner = CreateRectRgn(kOutlineWidth, kOutlineWidth, width - kOutlineWidth, height - kOutlineWidth);
    CombineRgn(ring, ring, inner, RGN_DIFF);
    DeleteObject(inner);
    try {
        if (!outlineOverlay_)
            outlineOverlay_ = std::make_unique<brio::ScreenOverlay>(*bounds, ring);
        else
            outlineOverlay_->setBounds(*bounds, ring);
        RECT all{0, 0, width, height};
        FillRect(outlineOverlay_->dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        outlineOverlay_->present();
    } catch (const std::runtime_error&) {
        outlineOverlay_.reset();
    }
    DeleteObject(ring);
}

void TSeCustomForm::dispatchPendingPaints()
{
    HWND hwnd = windowHandle();
    if (hwnd)
        UpdateWindow(hwnd);
}
