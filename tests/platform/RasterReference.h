#pragma once
// Test support for the raster operations: memory DCs with canary borders,
// random inputs, and slow per-pixel reference versions of the blits written
// straight from their definitions.

#include "platform/gdi/DeviceContext.h"
#include "platform/Gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace rastertest {

constexpr int kBorder = 3;

inline int mod8(int v) { return ((v % 8) + 8) % 8; }

// A plain copy of a surface's pixels, indexed by target coordinates.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
    Pixel& at(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    Pixel at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// A memory DC over a DIB (top-down or bottom-up) whose outer kBorder pixels
// hold random canary values; drawing is clipped to the inner area plus
// whatever clip rectangles a test adds, so the border must survive.
struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    int width = 0;
    int height = 0;
    std::vector<RECT> clipRects; // device units, before meeting the inner area

    Surface(int innerWidth, int innerHeight, bool bottomUp = false)
        : width(innerWidth + 2 * kBorder), height(innerHeight + 2 * kBorder)
    {
        dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = bottomUp ? height : -height;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        oldBitmap = SelectObject(dc, bitmap);
        setClip({inner()});
    }
    ~Surface()
    {
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    RECT inner() const { return RECT{kBorder, kBorder, width - kBorder, height - kBorder}; }
    PixelBuffer& pixels() const { return *LookupDc(dc)->target(); }

    void setClip(std::vector<RECT> rects)
    {
        clipRects = std::move(rects);
        Region r = Region::fromRects(clipRects);
        r.intersect(inner());
        LookupDc(dc)->setUserClip(r);
    }
    bool visible(int x, int y) const
    {
        RECT in = inner();
        if (x < in.left || x >= in.right || y < in.top || y >= in.bottom)
            return false;
        for (const RECT& r : clipRects)
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
                return true;
        return false;
    }
    void fillRandom(std::mt19937& rng)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels().row(y)[x] = Pixel(rng());
    }
    Image snapshot() const
    {
        Image img{width, height, std::vector<Pixel>(std::size_t(width) * std::size_t(height))};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                img.at(x, y) = pixels().row(y)[x];
        return img;
    }
    // Logical -> target offset of the DC.
    POINT origin() const { return LookupDc(dc)->logicalToTarget(); }
};

inline int randomIn(std::mt19937& rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// One to four random rectangles over a surface, sometimes the whole of it.
inline std::vector<RECT> randomClip(std::mt19937& rng, const Surface& s)
{
    if (randomIn(rng, 0, 3) == 0)
        return {RECT{0, 0, s.width, s.height}};
    std::vector<RECT> rects;
    for (int i = 0, n = randomIn(rng, 1, 4); i < n; ++i) {
        int l = randomIn(rng, 0, s.width - 1), t = randomIn(rng, 0, s.height - 1);
        rects.push_back(RECT{l, t, randomIn(rng, l + 1, s.width), randomIn(rng, t + 1, s.height)});
    }
    return rects;
}

inline void randomOrigins(std::mt19937& rng, HDC dc)
{
    SetViewportOrgEx(dc, randomIn(rng, -6, 6), randomIn(rng, -6, 6), nullptr);
    SetWindowOrgEx(dc, randomIn(rng, -6, 6), randomIn(rng, -6, 6), nullptr);
}

inline ::testing::AssertionResult sameImage(const Image& actual, const Image& expected)
{
    int wrong = 0;
    std::string first;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
            if (actual.at(x, y) != expected.at(x, y) && wrong++ == 0) {
                char text[128];
                std::snprintf(text, sizeof text, "first at (%d, %d): got %08X, expected %08X", x, y,
                              actual.at(x, y), expected.at(x, y));
                first = text;
            }
    if (wrong == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ, " << first;
}

// ---- Reference operations, per pixel and per bit -----------------------------

// Bit (p*4 + s*2 + d) of the truth table for each of the 24 colour bits.
inline Pixel referenceRop3(BYTE rop, Pixel p, Pixel s, Pixel d)
{
    Pixel r = 0xFF000000u;
    for (int bit = 0; bit < 24; ++bit) {
        int index = int((p >> bit) & 1) * 4 + int((s >> bit) & 1) * 2 + int((d >> bit) & 1);
        r |= Pixel((rop >> index) & 1) << bit;
    }
    return r;
}

inline Pixel referenceBlend(Pixel s, Pixel d, unsigned a)
{
    if (a == 255)
        return s;
    if (a == 0)
        return d;
    Pixel r = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        unsigned sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
        r |= Pixel((a * sc + 128) / 256 + ((255 - a) * dc + 128) / 256) << shift;
    }
    return r;
}

// The source pixel picked for destination pixel i of n by the centre rule:
// the j with j <= (i + 1/2) * sourceSize / n < j + 1, found by counting.
inline int referencePick(int i, int n, int sourceSize)
{
    int j = 0;
    while (std::int64_t(j + 1) * 2 * n <= std::int64_t(2 * i + 1) * sourceSize)
        ++j;
    return j;
}

// Rectangles in target coordinates: corner plus signed extents.
struct Span {
    int x, y, w, h;
};

// Runs op(dst pixel, src pixel, x, y) for every destination pixel of a
// stretch that is visible and maps into the source. The source is read from
// `source`, a copy taken before the operation.
template <class Op>
void referenceStretch(Image& dst, const Surface& clip, Span to, const Image& source, Span from, Op op)
{
    if (to.w == 0 || to.h == 0 || from.w == 0 || from.h == 0)
        return;
    int dl = std::min(to.x, to.x + to.w), dt = std::min(to.y, to.y + to.h);
    int sl = std::min(from.x, from.x + from.w), st = std::min(from.y, from.y + from.h);
    int dw = std::abs(to.w), dh = std::abs(to.h), sw = std::abs(from.w), sh = std::abs(from.h);
    bool mirrorX = (to.w < 0) != (from.w < 0), mirrorY = (to.h < 0) != (from.h < 0);
    for (int i = 0; i < dh; ++i) {
        int j = referencePick(i, dh, sh);
        int sy = st + (mirrorY ? sh - 1 - j : j);
        for (int k = 0; k < dw; ++k) {
            int m = referencePick(k, dw, sw);
            int sx = sl + (mirrorX ? sw - 1 - m : m);
            int x = dl + k, y = dt + i;
            if (!dst.contains(x, y) || !clip.visible(x, y) || !source.contains(sx, sy))
                continue;
            op(dst.at(x, y), source.at(sx, sy), x, y);
        }
    }
}

} // namespace rastertest
