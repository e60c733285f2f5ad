#pragma once
// A white memory bitmap with a font selected, and pixel probes, for the text tests.

#include "platform/Gdi.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace text_test {

constexpr COLORREF kWhite = RGB(255, 255, 255);

inline HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL, bool italic = false,
                      bool underline = false)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

class TextSurface {
public:
    TextSurface(int width, int height, HFONT font = nullptr) : width_(width), height_(height)
    {
        dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        bitmap_ = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        oldBitmap_ = SelectObject(dc, bitmap_);
        font_ = font ? font : MakeFont("MS Sans Serif", -11);
        oldFont_ = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        clear();
    }
    ~TextSurface()
    {
        SelectObject(dc, oldFont_);
        SelectObject(dc, oldBitmap_);
        DeleteObject(font_);
        DeleteObject(bitmap_);
        DeleteDC(dc);
    }
    TextSurface(const TextSurface&) = delete;
    TextSurface& operator=(const TextSurface&) = delete;

    void clear(Pixel p = 0xFFFFFFFFu)
    {
        for (int i = 0; i < width_ * height_; ++i)
            bits_[i] = p;
    }
    Pixel at(int x, int y) const { return bits_[y * width_ + x]; }
    bool isBackground(int x, int y) const { return at(x, y) == 0xFFFFFFFFu; }
    // Pixels differing from white inside r (clipped to the surface).
    int inkIn(RECT r) const
    {
        int count = 0;
        for (int y = std::max<int>(0, r.top); y < std::min<int>(height_, r.bottom); ++y)
            for (int x = std::max<int>(0, r.left); x < std::min<int>(width_, r.right); ++x)
                count += !isBackground(x, y);
        return count;
    }
    int inkOutside(RECT r) const { return inkIn(RECT{0, 0, width_, height_}) - inkIn(r); }
    // The smallest rectangle holding every non-white pixel (empty when none).
    RECT inkBounds() const
    {
        RECT b{width_, height_, 0, 0};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (!isBackground(x, y))
                    b = RECT{std::min<LONG>(b.left, x), std::min<LONG>(b.top, y), std::max<LONG>(b.right, x + 1),
                             std::max<LONG>(b.bottom, y + 1)};
        return b.right > b.left ? b : RECT{};
    }
    int width() const { return width_; }
    int height() const { return height_; }
    HBITMAP bitmap() const { return bitmap_; }

    HDC dc;

private:
    int width_;
    int height_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
    HFONT font_;
    HGDIOBJ oldFont_;
    Pixel* bits_ = nullptr;
};

// Saves the surface as BRIO_TEST_OUTPUT_DIR/<name>.png.
void WriteTestPng(const TextSurface& surface, const std::string& name);

} // namespace text_test
