#pragma once
// A white memory bitmap with a font selected, and pixel probes, for the text tests.

#include "platform/Gdi.h"
#include "platform/gdi/GdiObjectOwner.h"

#include "tests/support/DibSurface.h"

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
    TextSurface(int width, int height, HFONT font = nullptr)
        : font_(font ? font : MakeFont("MS Sans Serif", -11)), surface_(width, height), dc(surface_.dc)
    {
        SelectObject(dc, font_.get());
        SetBkMode(dc, TRANSPARENT);
        clear();
    }
    TextSurface(const TextSurface&) = delete;
    TextSurface& operator=(const TextSurface&) = delete;

    void clear(Pixel p = 0xFFFFFFFFu) { surface_.fill(p); }
    Pixel at(int x, int y) const { return surface_.at(x, y); }
    bool isBackground(int x, int y) const { return at(x, y) == 0xFFFFFFFFu; }
    // Pixels differing from white inside r (clipped to the surface).
    int inkIn(RECT r) const
    {
        int count = 0;
        for (int y = std::max<int>(0, r.top); y < std::min<int>(height(), r.bottom); ++y)
            for (int x = std::max<int>(0, r.left); x < std::min<int>(width(), r.right); ++x)
                count += !isBackground(x, y);
        return count;
    }
    int inkOutside(RECT r) const { return inkIn(RECT{0, 0, width(), height()}) - inkIn(r); }
    // The smallest rectangle holding every non-white pixel (empty when none).
    RECT inkBounds() const
    {
        RECT b{width(), height(), 0, 0};
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                if (!isBackground(x, y))
                    b = RECT{std::min<LONG>(b.left, x), std::min<LONG>(b.top, y), std::max<LONG>(b.right, x + 1),
                             std::max<LONG>(b.bottom, y + 1)};
        return b.right > b.left ? b : RECT{};
    }
    int width() const { return surface_.width; }
    int height() const { return surface_.height; }
    HBITMAP bitmap() const { return surface_.bitmap; }

private:
    // The surface goes first, taking the font out of its DC before the
    // font is deleted.
    brio::GdiObjectOwner<HFONT> font_;
    brio::test::DibSurface surface_;

public:
    HDC const dc;
};

// Saves the surface as BRIO_TEST_OUTPUT_DIR/<name>.png.
void WriteTestPng(const TextSurface& surface, const std::string& name);

} // namespace text_test
