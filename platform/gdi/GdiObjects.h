#pragma once
// The GDI object table: every bitmap, brush, pen, font, region and device
// context lives here behind a handle that encodes its slot, a generation and
// its type, so a stale or mistyped handle is refused instead of followed.

#include "platform/Gdi.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/gdi/Region.h"

#include <memory>

class DeviceContext;
class RealizedFont;

enum class GdiType : std::uint8_t { None = 0, Bitmap, Brush, Pen, Font, Region, Dc, Icon };

class GdiObject {
public:
    explicit GdiObject(GdiType type) : type_(type) {}
    virtual ~GdiObject() = default;
    GdiType type() const { return type_; }
    bool isStock() const { return stock_; }
    void markStock() { stock_ = true; }
    int selections() const { return selections_; }
    void retainSelection() { ++selections_; }
    void releaseSelection()
    {
        if (selections_ > 0)
            --selections_;
    }

private:
    GdiType type_;
    bool stock_ = false;
    int selections_ = 0; // DCs that have it selected; it cannot be deleted meanwhile
};

class BitmapObject : public GdiObject {
public:
    explicit BitmapObject(PixelBufferPtr pixels, bool dibSection)
        : GdiObject(GdiType::Bitmap), pixels(std::move(pixels)), dibSection(dibSection) {}
    PixelBufferPtr pixels; // shared with every DC drawing into it
    bool dibSection;
};

class BrushObject : public GdiObject {
public:
    BrushObject() : GdiObject(GdiType::Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0;
    bool followsDcColor = false; // DC_BRUSH: the colour comes from the DC
    Pixel pattern[64] = {};      // BS_PATTERN: 8 x 8 pixels, row by row
};

class PenObject : public GdiObject {
public:
    PenObject() : GdiObject(GdiType::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
    bool followsDcColor = false; // DC_PEN
};

class FontObject : public GdiObject {
public:
    explicit FontObject(const LOGFONT& f) : GdiObject(GdiType::Font), logFont(f) {}
    ~FontObject() override;
    LOGFONT logFont;
    // Made on first use by the font engine; null until then.
    std::shared_ptr<RealizedFont> realized;
};

class RegionObject : public GdiObject {
public:
    RegionObject() : GdiObject(GdiType::Region) {}
    explicit RegionObject(Region r) : GdiObject(GdiType::Region), region(std::move(r)) {}
    Region region;
};

class IconObject : public GdiObject {
public:
    IconObject() : GdiObject(GdiType::Icon) {}
    // Straight-alpha images; an icon may carry several sizes and DrawIconEx
    // picks the nearest one.
    std::vector<PixelBufferPtr> images;
    POINT hotspot{};
    bool isIcon = true;
};

// Table operations. Insert takes ownership and returns the new handle.
void* InsertGdiObject(std::unique_ptr<GdiObject> object);
GdiObject* LookupGdiObject(const void* handle, GdiType type);
GdiObject* LookupAnyGdiObject(const void* handle);
// Removes and destroys; false for an unknown handle.
bool RemoveGdiObject(const void* handle);

template <class T>
T* LookupGdi(const void* handle, GdiType type)
{
    return static_cast<T*>(LookupGdiObject(handle, type));
}

inline BitmapObject* LookupBitmap(HBITMAP h) { return LookupGdi<BitmapObject>(h, GdiType::Bitmap); }
inline BrushObject* LookupBrush(HBRUSH h) { return LookupGdi<BrushObject>(h, GdiType::Brush); }
inline PenObject* LookupPen(HPEN h) { return LookupGdi<PenObject>(h, GdiType::Pen); }
inline FontObject* LookupFont(HFONT h) { return LookupGdi<FontObject>(h, GdiType::Font); }
inline RegionObject* LookupRegion(HRGN h) { return LookupGdi<RegionObject>(h, GdiType::Region); }
inline IconObject* LookupIcon(HICON h) { return LookupGdi<IconObject>(h, GdiType::Icon); }
DeviceContext* LookupDc(HDC h);

// The colour a brush paints with in a given DC (DC_BRUSH follows the DC).
Pixel BrushPixel(const BrushObject& brush, const DeviceContext& dc);
Pixel PenPixel(const PenObject& pen, const DeviceContext& dc);
