#pragma once
// TSeBitmap: skin artwork in a 32-bit top-down DIB section with its own
// memory DC, so pixels can be read and written directly and drawn with one
// blit. Transparency is the key colour 0x7F007F (low 24 bits); UseAlpha makes
// copies and fills blend by the alpha byte instead.

#include "platform/WinTypes.h"
#include "platform/gdi/MemoryDib.h"
#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include <memory>
#include <string>

class TCanvas;
class TFont;
class TGraphic;
class TPicture;
class TBitmap;
class TStream;
class TSeBitmapLink;
class TSeByteReader;

class TSeBitmap : public TPersistent {
public:
    TSeBitmap();
    ~TSeBitmap() override;
    TSeBitmap(const TSeBitmap&) = delete;
    TSeBitmap& operator=(const TSeBitmap&) = delete;

    // Absolute values are taken; a zero side or the current size does
    // nothing. Raises "Can't allocate the DIB handle", "Can't create
    // compatible DC" or "Can't select an object into DC" and leaves the
    // bitmap empty. OnChange follows in every case.
    void Allocate(int width, int height);
    bool IsEmpty() const { return bits_ == nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    bool UseAlpha() const { return useAlpha_; }
    void SetUseAlpha(bool useAlpha) { useAlpha_ = useAlpha; }
    TFont* Font() const { return font_.get(); }
    HDC DC() const { return dib_.dc(); }
    Pixel* Bits() { return bits_; }
    const Pixel* Bits() const { return bits_; }
    Pixel* ScanLine(int y) { return bits_ + std::ptrdiff_t(y) * width_; }
    const Pixel* ScanLine(int y) const { return bits_ + std::ptrdiff_t(y) * width_; }
    // The pixel, or opaque black outside the bitmap.
    Pixel Pixels(int x, int y) const;

    void Fill(Pixel value);
    // Pixels within less than 6 per colour channel of `colour` become the key.
    void KeyOutColor(Pixel colour);
    void SetAlpha(std::uint8_t alpha);

    // Drawing to a device context; `masked` skips key pixels.
    void Draw(HDC dc, int x, int y, bool masked);
    void DrawRect(HDC dc, int x, int y, const RECT& source, bool masked);
    void ScaleDraw(HDC dc, const RECT& dest, const RECT& source, bool masked);
    void TileDraw(HDC dc, const RECT& dest, const RECT& source, bool masked);
    void Draw(TCanvas& canvas, int x, int y, bool masked);
    void DrawRect(TCanvas& canvas, int x, int y, const RECT& source, bool masked);
    void ScaleDraw(TCanvas& canvas, const RECT& dest, const RECT& source, bool masked);
    void TileDraw(TCanvas& canvas, const RECT& dest, const RECT& source, bool masked);

    // Into another skin bitmap; clipped to both. With UseAlpha the pixels
    // are blended over the target.
    void PutInto(TSeBitmap& target, int x, int y, const RECT& source) const;
    void StretchTo(TSeBitmap& target, const RECT& dest, const RECT& source) const;
    // Transparent (alpha 0) pixels here take the source's pixel, partly
    // transparent ones are blended over it, opaque ones stay.
    void MergeUnder(const TSeBitmap& source, int x, int y, const RECT& sourceRect);
    void FillRect(const RECT& r, Pixel value);

    // Turns the hue of every pixel whose alpha is not 0, then refreshes the
    // device-dependent copy.
    void ChangeHue(int delta);
    std::unique_ptr<TSeBitmapLink> LinkTo(const RECT& r);

    // The bitmap record: stream string name, int32 width, int32 height,
    // width * height * 4 bytes. Reading checks every size against the bytes
    // the stream still holds before allocating.
    void ReadFrom(TStream& stream);
    void WriteTo(TStream& stream) const;
    // The same record from memory, with pixels near `keyColour` turned into
    // the key on the way in.
    void ReadFrom(TSeByteReader& in, Pixel keyColour);

    // Takes size and picture (made opaque) of a graphic or another bitmap.
    void CloneFrom(const TGraphic* graphic);
    void CloneFrom(TPicture& picture);
    void CloneFrom(const TSeBitmap& bitmap);
    // The target gets this size and an opaque copy.
    void CopyInto(TSeBitmap& target) const;
    void CopyInto(TBitmap& target) const;
    void CopyInto(TPicture& target) const;
    // The clipboard's contents become an opaque copy as CF_BITMAP (readable
    // as CF_DIB too). Raises "Cannot open clipboard" when another holder
    // has it open; an empty bitmap leaves the clipboard alone.
    void CopyToClipboard() const;

    // Rebuilds the opaque copy used for stretching and tiling.
    void RefreshCopy();
    // A region of the non-key pixels, offset by (x, y); null when empty.
    HRGN CreateRegion(int x, int y) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnBeforeRelease;

private:
    // `cleared` false leaves new pixel memory as it is, for callers that
    // overwrite every pixel.
    void allocate(int width, int height, bool cleared);
    // The record; pixels near `keyColour` (when given) become the key.
    void readRecord(TSeByteReader& in, const Pixel* keyColour);
    void release();
    HDC opaqueSource() const;
    void drawMasked(HDC dc, const RECT& dest, const RECT& source);

    std::string name_;
    int width_ = 0;
    int height_ = 0;
    bool useAlpha_ = false;
    brio::MemoryDib dib_;
    Pixel* bits_ = nullptr; // dib_'s pixels, kept at hand for the pixel loops
    // An opaque copy for stretching and tiling; empty when not made.
    brio::MemoryDib copy_;
    std::unique_ptr<TFont> font_;
};
