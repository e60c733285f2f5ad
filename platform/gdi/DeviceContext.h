#pragma once
// A device context: a target surface seen through an origin and a clip
// region, plus the drawing state (selected objects, colours, modes) with a
// save/restore stack. Memory DCs draw into their selected bitmap; window and
// screen DCs get their surface, origin and visible region from the window
// system.
//
// Coordinates: logical -> device: p - windowOrg + viewportOrg;
// device -> target: + deviceOrigin. Clip regions are kept in device units.

#include "platform/gdi/GdiObjects.h"

#include <optional>
#include <vector>

struct DcState {
    POINT viewportOrg{};
    POINT windowOrg{};
    std::optional<Region> userClip; // device units; none: no clipping beyond the visible area
    HBITMAP bitmap = nullptr;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT currentPosition{};
    POINT brushOrg{};
    COLORREF dcBrushColor = RGB(255, 255, 255);
    COLORREF dcPenColor = RGB(0, 0, 0);
};

class DeviceContext : public GdiObject {
public:
    enum class Kind { Memory, Window, Screen };

    explicit DeviceContext(Kind kind);
    ~DeviceContext() override;

    Kind kind() const { return kind_; }
    DcState& state() { return state_; }
    const DcState& state() const { return state_; }

    // Window and screen DCs: where they draw. `visible` is in device units;
    // none means the whole surface.
    void setSurface(PixelBufferPtr surface, POINT deviceOrigin, std::optional<Region> visible);
    POINT deviceOrigin() const { return deviceOrigin_; }

    // Null when there is nothing to draw into.
    PixelBuffer* target() const { return surface_ && !surface_->empty() ? surface_.get() : nullptr; }
    const PixelBufferPtr& surface() const { return surface_; }

    // Logical to target translation (origins and device origin together).
    POINT logicalToTarget() const
    {
        return POINT{state_.viewportOrg.x - state_.windowOrg.x + deviceOrigin_.x,
                     state_.viewportOrg.y - state_.windowOrg.y + deviceOrigin_.y};
    }
    POINT toTarget(POINT p) const
    {
        POINT o = logicalToTarget();
        return POINT{p.x + o.x, p.y + o.y};
    }
    RECT toTarget(RECT r) const
    {
        POINT o = logicalToTarget();
        return RECT{r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y};
    }
    POINT logicalToDevice() const
    {
        return POINT{state_.viewportOrg.x - state_.windowOrg.x, state_.viewportOrg.y - state_.windowOrg.y};
    }

    // Where drawing may land, in target coordinates: visible area, user clip
    // and the surface's bounds together.
    const Region& clip() const;
    bool clipIsEmpty() const { return clip().isEmpty(); }

    // Calls f(RECT) for each part of `targetRect` inside the clip.
    template <class F>
    void forEachClipRect(const RECT& targetRect, F&& f) const
    {
        const Region& c = clip();
        for (const pixman_box32_t& b : c.boxes()) {
            RECT r{std::max(b.x1, targetRect.left), std::max(b.y1, targetRect.top), std::min(b.x2, targetRect.right),
                   std::min(b.y2, targetRect.bottom)};
            if (r.left < r.right && r.top < r.bottom)
                f(r);
        }
    }

    // Device-unit area a user clip starts from when none is selected.
    Region visibleDeviceRegion() const;
    void setUserClip(std::optional<Region> deviceRegion);

    // Selection. Returns the previous handle, or null when refused.
    HGDIOBJ select(HGDIOBJ object);
    int save();
    bool restore(int saved);

    // Always valid: an unusable selection reads as the stock default.
    BrushObject& brush() const;
    PenObject& pen() const;
    FontObject& font() const;
    BitmapObject* bitmap() const;

private:
    void invalidateClip() { clipValid_ = false; }
    void replaceSelection(HGDIOBJ& slot, HGDIOBJ object);
    void adoptBitmap(HBITMAP bitmap);

    Kind kind_;
    DcState state_;
    std::vector<DcState> saved_;
    PixelBufferPtr surface_;
    POINT deviceOrigin_{};
    std::optional<Region> visible_;
    mutable Region clip_;
    mutable bool clipValid_ = false;
};

// Wraps a DC created by the window system around a surface.
HDC CreateSurfaceDC(DeviceContext::Kind kind, PixelBufferPtr surface, POINT deviceOrigin,
                    std::optional<Region> visible);
