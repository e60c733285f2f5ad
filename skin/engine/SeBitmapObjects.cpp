#include "skin/engine/SeBitmapObjects.h"

#include "platform/Gdi.h"
#include "platform/gdi/DcStateSaver.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeDrawing.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Font.h"

namespace {

TSeBitmapLink* linkOf(const std::unique_ptr<TSeBitmapLink>& link) { return link.get(); }

bool hotOrFocused(std::uint8_t state) { return state == SeStateHot || state == SeStateFocused; }

// The link for a state code, in the order hot, focused, pressed, disabled.
const TSeBitmapLink* stateLink(std::uint8_t state, const std::unique_ptr<TSeBitmapLink> (&links)[4],
                               const TSeBitmapLink* normal)
{
    int index = -1;
    switch (state) {
    case SeStateHot: index = 0; break;
    case SeStateFocused: index = 1; break;
    case SeStatePressed: index = 2; break;
    case SeStateDisabled: index = 3; break;
    default: break;
    }
    if (index >= 0 && links[index]->IsValid())
        return links[index].get();
    return normal;
}

} // namespace

bool LinkDrawable(const TSeBitmapLink* link) { return link && link->IsValid() && !link->Image()->IsEmpty(); }

void DrawLinkPart(TCanvas& canvas, const TSeBitmapLink& link, const RECT& source, const RECT& dest,
                  TscTileStyle style, bool masked)
{
    if (IsEmpty(source) || IsEmpty(dest))
        return;
    TSeBitmap* image = link.Image();
    HDC dc = canvas.Handle();
    switch (style) {
    case tsTile: image->TileDraw(dc, dest, source, masked); break;
    case tsStretch: image->ScaleDraw(dc, dest, source, masked); break;
    case tsCenter: {
        const RECT placed = CenterRect(RECT{0, 0, Width(source), Height(source)}, dest);
        brio::DcStateSaver saved(dc);
        IntersectClipRect(dc, dest.left, dest.top, dest.right, dest.bottom);
        image->DrawRect(dc, placed.left, placed.top, source, masked);
        break;
    }
    }
}

void DrawNinePart(TCanvas& canvas, const TSeBitmapLink& link, const RECT& bounds, const RECT& margins,
                  const TSeNinePartStyle& style)
{
    const int L = link.Left(), T = link.Top(), R = link.Right(), B = link.Bottom();
    const int ml = margins.left, mt = margins.top, mr = margins.right, mb = margins.bottom;
    const int W = Width(bounds), H = Height(bounds);
    const int x = bounds.left, y = bounds.top;
    auto at = [&](int l, int t, int r, int b) { return RECT{x + l, y + t, x + r, y + b}; };
    HDC dc = canvas.Handle();
    // Corners and edges of a tiny object would reach past it.
    brio::DcStateSaver saved(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    DrawLinkPart(canvas, link, RECT{L + ml, T + mt, R - mr, B - mb}, at(ml, mt, W - mr, H - mb), style.centre,
                 style.maskedCentre);
    DrawLinkPart(canvas, link, RECT{L + ml, T, R - mr, T + mt}, at(ml, 0, W - mr, mt), style.border, style.maskedBorder);
    DrawLinkPart(canvas, link, RECT{L + ml, B - mb, R - mr, B}, at(ml, H - mb, W - mr, H), style.border,
                 style.maskedBorder);
    DrawLinkPart(canvas, link, RECT{L, T + mt, L + ml, B - mb}, at(0, mt, ml, H - mb), style.border, style.maskedBorder);
    DrawLinkPart(canvas, link, RECT{R - mr, T + mt, R, B - mb}, at(W - mr, mt, W, H - mb), style.border,
                 style.maskedBorder);
    TSeBitmap* image = link.Image();
    auto corner = [&](const RECT& source, int dx, int dy) {
        if (!IsEmpty(source))
            image->DrawRect(dc, x + dx, y + dy, source, style.maskedCorners);
    };
    corner(RECT{L, T, L + ml, T + mt}, 0, 0);
    corner(RECT{R - mr, T, R, T + mt}, W - mr, 0);
    corner(RECT{L, B - mb, L + ml, B}, 0, H - mb);
    corner(RECT{R - mr, B - mb, R, B}, W - mr, H - mb);
}

// ---- TSeBitmapObject -----------------------------------------------------------------------

TSeBitmapObject::TSeBitmapObject(TComponent* owner) : TSeSkinObject(owner), bitmap_(std::make_unique<TSeBitmapLink>()) {}
TSeBitmapObject::~TSeBitmapObject() = default;

TSePropertyList TSeBitmapObject::BitmapObjectProperties()
{
    using C = TSeBitmapObject;
    TSePropertyList l = BaseProperties();
    SeProps::AddLink(l, "Bitmap", [](const TSeSkinObject& o) { return linkOf(static_cast<const C&>(o).bitmap_); });
    SeProps::AddEnum(l, "BorderTileStyle", SeTileStyleNames,
                     [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).borderTileStyle_); },
                     [](TSeSkinObject& o, int v) { static_cast<C&>(o).borderTileStyle_ = TscTileStyle(v); });
    SeProps::AddBoolean(l, "MaskedBorder", [](const TSeSkinObject& o) { return static_cast<const C&>(o).maskedBorder_; },
                        [](TSeSkinObject& o, bool v) { static_cast<C&>(o).maskedBorder_ = v; });
    SeProps::AddBoolean(l, "MaskedAngles", [](const TSeSkinObject& o) { return static_cast<const C&>(o).maskedAngles_; },
                        [](TSeSkinObject& o, bool v) { static_cast<C&>(o).maskedAngles_ = v; });
    SeProps::AddEnum(l, "TileStyle", SeTileStyleNames,
                     [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).tileStyle_); },
                     [](TSeSkinObject& o, int v) { static_cast<C&>(o).tileStyle_ = TscTileStyle(v); });
    return l;
}

const TSePropertyList& TSeBitmapObject::Properties() const
{
    static const TSePropertyList list = [] {
        TSePropertyList l = BitmapObjectProperties();
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

void TSeBitmapObject::CollectLinks(std::vector<TSeBitmapLink*>& links) const { links.push_back(bitmap_.get()); }

void TSeBitmapObject::Draw(TCanvas& canvas) { DrawWithLink(canvas, CurrentLink()); }

void TSeBitmapObject::DrawWithLink(TCanvas& canvas, const TSeBitmapLink* link)
{
    if (!Visible() || !LinkDrawable(link) || Width() <= 0 || Height() <= 0)
        return;
    const RECT bounds = BoundsRect();
    if (MarginLeft() == 0 && MarginTop() == 0 && MarginRight() == 0 && MarginBottom() == 0) {
        DrawLinkPart(canvas, *link, link->Rect(), bounds, tileStyle_, Masked());
    } else {
        TSeNinePartStyle style{tileStyle_, borderTileStyle_, Masked(), maskedBorder_, maskedAngles_};
        DrawNinePart(canvas, *link, bounds, RECT{MarginLeft(), MarginTop(), MarginRight(), MarginBottom()}, style);
    }
    DrawText(canvas);
    AlignObjects();
    DrawChildren(canvas);
}

// ---- TSeActiveBitmap -----------------------------------------------------------------------

TSeActiveBitmap::TSeActiveBitmap(TComponent* owner)
    : TSeBitmapObject(owner), activeBitmap_(std::make_unique<TSeBitmapLink>()), activeFont_(std::make_unique<TFont>())
{
}
TSeActiveBitmap::~TSeActiveBitmap() = default;

TSePropertyList TSeActiveBitmap::ActiveBitmapProperties()
{
    using C = TSeActiveBitmap;
    TSePropertyList l = BitmapObjectProperties();
    SeProps::AddLink(l, "ActiveBitmap", [](const TSeSkinObject& o) { return linkOf(static_cast<const C&>(o).activeBitmap_); });
    SeProps::AddFont(l, "ActiveFont", [](const TSeSkinObject& o) { return static_cast<const C&>(o).activeFont_.get(); });
    return l;
}

const TSePropertyList& TSeActiveBitmap::Properties() const
{
    static const TSePropertyList list = [] {
        TSePropertyList l = ActiveBitmapProperties();
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

const TSeBitmapLink* TSeActiveBitmap::CurrentLink() const
{
    if ((active_ || hotOrFocused(state_)) && activeBitmap_->IsValid())
        return activeBitmap_.get();
    return Bitmap();
}

TFont* TSeActiveBitmap::EffectiveFont() const { return hotOrFocused(state_) ? activeFont_.get() : Font(); }

void TSeActiveBitmap::CollectLinks(std::vector<TSeBitmapLink*>& links) const
{
    TSeBitmapObject::CollectLinks(links);
    links.push_back(activeBitmap_.get());
}

void TSeActiveBitmap::CollectFonts(std::vector<TFont*>& fonts) const
{
    TSeBitmapObject::CollectFonts(fonts);
    fonts.push_back(activeFont_.get());
}

// ---- TSeButtonObject -----------------------------------------------------------------------

TSeButtonObject::TSeButtonObject(TComponent* owner) : TSeBitmapObject(owner)
{
    for (auto& link : links_)
        link = std::make_unique<TSeBitmapLink>();
}
TSeButtonObject::~TSeButtonObject() = default;

const TSePropertyList& TSeButtonObject::Properties() const
{
    using C = TSeButtonObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BitmapObjectProperties();
        SeProps::AddLink(l, "BitmapHot", [](const TSeSkinObject& o) { return static_cast<const C&>(o).BitmapHot(); });
        SeProps::AddLink(l, "BitmapFocused", [](const TSeSkinObject& o) { return static_cast<const C&>(o).BitmapFocused(); });
        SeProps::AddLink(l, "BitmapPressed", [](const TSeSkinObject& o) { return static_cast<const C&>(o).BitmapPressed(); });
        SeProps::AddLink(l, "BitmapDisabled", [](const TSeSkinObject& o) { return static_cast<const C&>(o).BitmapDisabled(); });
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

const TSeBitmapLink* TSeButtonObject::CurrentLink() const { return stateLink(state_, links_, Bitmap()); }

void TSeButtonObject::CollectLinks(std::vector<TSeBitmapLink*>& links) const
{
    TSeBitmapObject::CollectLinks(links);
    for (const auto& link : links_)
        links.push_back(link.get());
}

// ---- TSeBitmapSkinObject -------------------------------------------------------------------

TSeBitmapSkinObject::TSeBitmapSkinObject(TComponent* owner)
    : TSeSkinObject(owner), bitmap_(std::make_unique<TSeBitmapLink>())
{
}
TSeBitmapSkinObject::~TSeBitmapSkinObject() = default;

TSePropertyList TSeBitmapSkinObject::BitmapSkinObjectProperties()
{
    using C = TSeBitmapSkinObject;
    TSePropertyList l = BaseProperties();
    SeProps::AddLink(l, "Bitmap", [](const TSeSkinObject& o) { return linkOf(static_cast<const C&>(o).bitmap_); });
    SeProps::AddEnum(l, "TileStyle", SeTileStyleNames,
                     [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).tileStyle_); },
                     [](TSeSkinObject& o, int v) { static_cast<C&>(o).tileStyle_ = TscTileStyle(v); });
    return l;
}

const TSePropertyList& TSeBitmapSkinObject::Properties() const
{
    static const TSePropertyList list = [] {
        TSePropertyList l = BitmapSkinObjectProperties();
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

void TSeBitmapSkinObject::CollectLinks(std::vector<TSeBitmapLink*>& links) const { links.push_back(bitmap_.get()); }

void TSeBitmapSkinObject::Draw(TCanvas& canvas) { DrawWithLink(canvas, CurrentLink()); }

void TSeBitmapSkinObject::DrawWithLink(TCanvas& canvas, const TSeBitmapLink* link)
{
    if (!Visible() || Width() <= 0 || Height() <= 0)
        return;
    if (LinkDrawable(link))
        DrawLinkPart(canvas, *link, link->Rect(), BoundsRect(), tileStyle_, Masked());
    DrawText(canvas);
    DrawChildren(canvas);
}

// ---- TSeFormBitmapSkinObject ---------------------------------------------------------------

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(TComponent* owner)
    : TSeBitmapSkinObject(owner), inactiveBitmap_(std::make_unique<TSeBitmapLink>())
{
}
TSeFormBitmapSkinObject::~TSeFormBitmapSkinObject() = default;

const TSePropertyList& TSeFormBitmapSkinObject::Properties() const
{
    using C = TSeFormBitmapSkinObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BitmapSkinObjectProperties();
        SeProps::AddLink(l, "InactiveBitmap",
                         [](const TSeSkinObject& o) { return linkOf(static_cast<const C&>(o).inactiveBitmap_); });
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

const TSeBitmapLink* TSeFormBitmapSkinObject::CurrentLink() const
{
    if (!active_ && inactiveBitmap_->IsValid())
        return inactiveBitmap_.get();
    return Bitmap();
}

void TSeFormBitmapSkinObject::CollectLinks(std::vector<TSeBitmapLink*>& links) const
{
    TSeBitmapSkinObject::CollectLinks(links);
    links.push_back(inactiveBitmap_.get());
}

// ---- Bitmap boxes --------------------------------------------------------------------------

TSeBitmapBoxObject::TSeBitmapBoxObject(TComponent* owner) : TSeBitmapSkinObject(owner) {}

TSePropertyList TSeBitmapBoxObject::BitmapBoxProperties()
{
    using C = TSeBitmapBoxObject;
    TSePropertyList l = BitmapSkinObjectProperties();
    SeProps::AddEnum(l, "BorderTileStyle", SeTileStyleNames,
                     [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).borderTileStyle_); },
                     [](TSeSkinObject& o, int v) { static_cast<C&>(o).borderTileStyle_ = TscTileStyle(v); });
    return l;
}

const TSePropertyList& TSeBitmapBoxObject::Properties() const
{
    static const TSePropertyList list = [] {
        TSePropertyList l = BitmapBoxProperties();
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

void TSeBitmapBoxObject::DrawWithLink(TCanvas& canvas, const TSeBitmapLink* link)
{
    if (!Visible() || Width() <= 0 || Height() <= 0)
        return;
    if (LinkDrawable(link)) {
        TSeNinePartStyle style{TileStyle(), borderTileStyle_, Masked(), Masked(), Masked()};
        DrawNinePart(canvas, *link, BoundsRect(), RECT{MarginLeft(), MarginTop(), MarginRight(), MarginBottom()}, style);
    }
    DrawText(canvas);
    AlignObjects();
    DrawChildren(canvas);
}

TSeActiveBitmapBoxObject::TSeActiveBitmapBoxObject(TComponent* owner)
    : TSeBitmapBoxObject(owner), focusedBitmap_(std::make_unique<TSeBitmapLink>())
{
}
TSeActiveBitmapBoxObject::~TSeActiveBitmapBoxObject() = default;

const TSePropertyList& TSeActiveBitmapBoxObject::Properties() const
{
    using C = TSeActiveBitmapBoxObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BitmapBoxProperties();
        SeProps::AddLink(l, "FocusedBitmap",
                         [](const TSeSkinObject& o) { return linkOf(static_cast<const C&>(o).focusedBitmap_); });
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

const TSeBitmapLink* TSeActiveBitmapBoxObject::CurrentLink() const
{
    if (state_ == SeStateFocused && focusedBitmap_->IsValid())
        return focusedBitmap_.get();
    return Bitmap();
}

void TSeActiveBitmapBoxObject::CollectLinks(std::vector<TSeBitmapLink*>& links) const
{
    TSeBitmapBoxObject::CollectLinks(links);
    links.push_back(focusedBitmap_.get());
}

TSeButtonBitmapBoxObject::TSeButtonBitmapBoxObject(TComponent* owner) : TSeBitmapBoxObject(owner)
{
    for (auto& link : links_)
        link = std::make_unique<TSeBitmapLink>();
}
TSeButtonBitmapBoxObject::~TSeButtonBitmapBoxObject() = default;

const TSePropertyList& TSeButtonBitmapBoxObject::Properties() const
{
    using C = TSeButtonBitmapBoxObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BitmapBoxProperties();
        SeProps::AddLink(l, "HotBitmap", [](const TSeSkinObject& o) { return static_cast<const C&>(o).HotBitmap(); });
        SeProps::AddLink(l, "FocusedBitmap", [](const TSeSkinObject& o) { return static_cast<const C&>(o).FocusedBitmap(); });
        SeProps::AddLink(l, "PressedBitmap", [](const TSeSkinObject& o) { return static_cast<const C&>(o).PressedBitmap(); });
        SeProps::AddLink(l, "DisabledBitmap", [](const TSeSkinObject& o) { return static_cast<const C&>(o).DisabledBitmap(); });
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

const TSeBitmapLink* TSeButtonBitmapBoxObject::CurrentLink() const { return stateLink(state_, links_, Bitmap()); }

void TSeButtonBitmapBoxObject::CollectLinks(std::vector<TSeBitmapLink*>& links) const
{
    TSeBitmapBoxObject::CollectLinks(links);
    for (const auto& link : links_)
        links.push_back(link.get());
}
