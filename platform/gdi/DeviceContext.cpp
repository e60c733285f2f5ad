#include "platform/gdi/DeviceContext.h"

#include "platform/RectMath.h"
#include "platform/gdi/StockObjects.h"

DeviceContext::DeviceContext(Kind kind) : GdiObject(GdiType::Dc), kind_(kind)
{
    state_.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    state_.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    state_.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    for (HGDIOBJ o : {HGDIOBJ(state_.brush), HGDIOBJ(state_.pen), HGDIOBJ(state_.font)})
        if (GdiObject* g = LookupAnyGdiObject(o))
            g->retainSelection();
    if (kind == Kind::Memory)
        adoptBitmap(StockBitmap());
}

DeviceContext::~DeviceContext()
{
    for (HGDIOBJ o : {HGDIOBJ(state_.bitmap), HGDIOBJ(state_.brush), HGDIOBJ(state_.pen), HGDIOBJ(state_.font)})
        if (GdiObject* g = LookupAnyGdiObject(o))
            g->releaseSelection();
}

void DeviceContext::setSurface(PixelBufferPtr surface, POINT deviceOrigin, std::optional<Region> visible)
{
    surface_ = std::move(surface);
    deviceOrigin_ = deviceOrigin;
    visible_ = std::move(visible);
    invalidateClip();
}

Region DeviceContext::visibleDeviceRegion() const
{
    if (visible_)
        return *visible_;
    if (!surface_)
        return Region();
    RECT b = surface_->bounds();
    return Region(Offset(b, -deviceOrigin_.x, -deviceOrigin_.y));
}

const Region& DeviceContext::clip() const
{
    if (clipValid_)
        return clip_;
    clip_ = visibleDeviceRegion();
    if (state_.userClip)
        clip_.intersect(*state_.userClip);
    clip_.translate(deviceOrigin_.x, deviceOrigin_.y);
    clip_.intersect(surface_ ? surface_->bounds() : RECT{});
    clipValid_ = true;
    return clip_;
}

void DeviceContext::setUserClip(std::optional<Region> deviceRegion)
{
    state_.userClip = std::move(deviceRegion);
    invalidateClip();
}

void DeviceContext::replaceSelection(HGDIOBJ& slot, HGDIOBJ object)
{
    if (GdiObject* old = LookupAnyGdiObject(slot))
        old->releaseSelection();
    if (GdiObject* now = LookupAnyGdiObject(object))
        now->retainSelection();
    slot = object;
}

void DeviceContext::adoptBitmap(HBITMAP bitmap)
{
    HGDIOBJ slot = state_.bitmap;
    replaceSelection(slot, bitmap);
    state_.bitmap = static_cast<HBITMAP>(slot);
    BitmapObject* b = LookupBitmap(bitmap);
    surface_ = b ? b->pixels : nullptr;
    deviceOrigin_ = POINT{};
    visible_.reset();
    invalidateClip();
}

HGDIOBJ DeviceContext::select(HGDIOBJ object)
{
    GdiObject* o = LookupAnyGdiObject(object);
    if (!o)
        return nullptr;
    auto swap = [&](auto& slot) {
        HGDIOBJ previous = slot;
        HGDIOBJ s = slot;
        replaceSelection(s, object);
        slot = static_cast<std::remove_reference_t<decltype(slot)>>(s);
        return previous;
    };
    switch (o->type()) {
    case GdiType::Brush:
        return swap(state_.brush);
    case GdiType::Pen:
        return swap(state_.pen);
    case GdiType::Font:
        return swap(state_.font);
    case GdiType::Bitmap: {
        if (kind_ != Kind::Memory)
            return nullptr;
        // A bitmap draws through one DC at a time.
        if (object != state_.bitmap && o->selections() > 0 && !o->isStock())
            return nullptr;
        HGDIOBJ previous = state_.bitmap;
        adoptBitmap(static_cast<HBITMAP>(object));
        return previous;
    }
    case GdiType::Region: {
        // Selecting a region sets the clip; the result is the region kind.
        auto* r = static_cast<RegionObject*>(o);
        setUserClip(r->region);
        return reinterpret_cast<HGDIOBJ>(std::intptr_t(clip().complexity()));
    }
    default:
        return nullptr;
    }
}

int DeviceContext::save()
{
    saved_.push_back(state_);
    return int(saved_.size());
}

bool DeviceContext::restore(int saved)
{
    int depth = int(saved_.size());
    int index = saved < 0 ? depth + saved : saved - 1;
    if (saved == 0 || index < 0 || index >= depth)
        return false;
    DcState restored = std::move(saved_[std::size_t(index)]);
    saved_.resize(std::size_t(index));
    // Objects selected now give way to the saved ones; any saved object that
    // has since been deleted falls back to the stock default.
    auto reselect = [&](HGDIOBJ now, HGDIOBJ then, int stock) {
        if (!LookupAnyGdiObject(then))
            then = stock >= 0 ? GetStockObject(stock) : HGDIOBJ(StockBitmap());
        HGDIOBJ slot = now;
        replaceSelection(slot, then);
        return slot;
    };
    HGDIOBJ brush = reselect(state_.brush, restored.brush, WHITE_BRUSH);
    HGDIOBJ pen = reselect(state_.pen, restored.pen, BLACK_PEN);
    HGDIOBJ font = reselect(state_.font, restored.font, SYSTEM_FONT);
    HBITMAP currentBitmap = state_.bitmap;
    HBITMAP savedBitmap = restored.bitmap;
    state_ = std::move(restored);
    state_.brush = static_cast<HBRUSH>(brush);
    state_.pen = static_cast<HPEN>(pen);
    state_.font = static_cast<HFONT>(font);
    if (kind_ == Kind::Memory && savedBitmap != currentBitmap) {
        state_.bitmap = currentBitmap;
        adoptBitmap(LookupBitmap(savedBitmap) ? savedBitmap : StockBitmap());
    } else {
        state_.bitmap = currentBitmap;
    }
    invalidateClip();
    return true;
}

BrushObject& DeviceContext::brush() const
{
    if (BrushObject* b = LookupBrush(state_.brush))
        return *b;
    return *LookupBrush(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

PenObject& DeviceContext::pen() const
{
    if (PenObject* p = LookupPen(state_.pen))
        return *p;
    return *LookupPen(static_cast<HPEN>(GetStockObject(BLACK_PEN)));
}

FontObject& DeviceContext::font() const
{
    if (FontObject* f = LookupFont(state_.font))
        return *f;
    return *LookupFont(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
}

BitmapObject* DeviceContext::bitmap() const
{
    return LookupBitmap(state_.bitmap);
}

HDC CreateSurfaceDC(DeviceContext::Kind kind, PixelBufferPtr surface, POINT deviceOrigin,
                    std::optional<Region> visible)
{
    auto dc = std::make_unique<DeviceContext>(kind);
    dc->setSurface(std::move(surface), deviceOrigin, std::move(visible));
    return static_cast<HDC>(InsertGdiObject(std::move(dc)));
}
