#pragma once
// TBitmap: a picture held in a 32-bit top-down DIB section with its own
// memory DC (through Canvas). PixelFormat records how the picture is stored
// in a file; in memory every row is 32-bit.

#include "ui/graphics/Graphic.h"
#include "ui/graphics/Colors.h"

#include <memory>

class TCanvas;
class TBitmapCanvas;

enum TPixelFormat : std::uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode : std::uint8_t { tmAuto, tmFixed };
// afDefined: the alpha bytes are straight alpha and Draw blends with them.
enum TAlphaFormat : std::uint8_t { afIgnored, afDefined };

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // From another bitmap (picture and settings), an icon (drawn onto a
    // 32-bit bitmap of its size) or null (empty).
    void Assign(const TPersistent* source) override;
    std::unique_ptr<TGraphic> Clone() const override;

    TCanvas* Canvas();
    // The DIB section; null while the bitmap is empty.
    HBITMAP Handle() const { return handle_; }
    // Takes over `bitmap` (a copy is made when it is not a DIB section).
    void SetHandle(HBITMAP bitmap);
    // Gives the DIB section to the caller and leaves the bitmap empty.
    HBITMAP ReleaseHandle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    bool Empty() const override { return !handle_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // Resizing keeps the overlapping part of the picture; new pixels are 0.
    void SetWidth(int width) override { SetSize(width, height_); }
    void SetHeight(int height) override { SetSize(width_, height); }
    void SetSize(int width, int height) override;

    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat format);
    TAlphaFormat AlphaFormat() const { return alphaFormat_; }
    void SetAlphaFormat(TAlphaFormat format);

    // Row y, top row 0, Width() pixels of 0xAARRGGBB; raises
    // EInvalidGraphicOperation "Scan line index out of range".
    Pixel* ScanLine(int y);
    const Pixel* ScanLine(int y) const;

    // With tmAuto the colour of the bottom-left pixel.
    TColor TransparentColor() const;
    // clDefault switches back to tmAuto; any other colour to tmFixed.
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    // BMP or PNG (recognised by content). Raises EInvalidGraphic and keeps
    // the picture on failure.
    void LoadFromStream(TStream& stream) override;
    // A bitmap the program carries by name (LoadBitmap); raises EResNotFound
    // "Resource NAME not found" and keeps the picture when there is none.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    // BMP: 16-bit 5-5-5 for pf15bit, 5-6-5 for pf16bit, 24-bit for pf1bit to
    // pf8bit and pf24bit, else 32-bit.
    void SaveToStream(TStream& stream) override;

    // The picture always lives in its DIB section; kept for code that asks.
    void Dormant() {}
    void FreeImage() {}

protected:
    void Draw(TCanvas& canvas, const RECT& rect) override;

private:
    friend class TBitmapCanvas;
    void adopt(HBITMAP dib, Pixel* bits, int width, int height);
    void freeCanvasContext();
    void loadPixels(const Pixel* pixels, int width, int height);

    HBITMAP handle_ = nullptr;
    Pixel* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    TPixelFormat pixelFormat_ = pfDevice;
    TAlphaFormat alphaFormat_ = afIgnored;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
    std::unique_ptr<TBitmapCanvas> canvas_;
};
