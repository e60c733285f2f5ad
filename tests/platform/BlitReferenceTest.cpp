// The blits against slow per-pixel references on seeded random inputs:
// random sizes, rectangles partly outside both surfaces, clip regions of
// several rectangles, window and viewport origins, pattern brushes, and
// blits within one DC. Every destination has a canary border.

#include "RasterReference.h"

#include <memory>

namespace {

using namespace rastertest;

constexpr int kRounds = 300;

struct TestBrush {
    HBRUSH brush = nullptr;
    bool patterned = false;
    Pixel solid = 0;
    Pixel cells[64] = {};
    POINT origin{};
    Pixel at(int x, int y) const { return patterned ? cells[mod8(y - origin.y) * 8 + mod8(x - origin.x)] : solid; }
};

// A destination (with random content, clip and origins), a source that is
// either another DC or the destination itself, and a brush.
struct Scene {
    std::mt19937 rng;
    std::unique_ptr<Surface> dst;
    std::unique_ptr<Surface> other;
    Surface* src = nullptr;
    TestBrush brush;
    Image before;
    Image sourceBefore;

    Scene(unsigned seed, bool sameDc) : rng(seed)
    {
        dst = std::make_unique<Surface>(randomIn(rng, 1, 30), randomIn(rng, 1, 30), randomIn(rng, 0, 1) == 1);
        dst->fillRandom(rng);
        dst->setClip(randomClip(rng, *dst));
        randomOrigins(rng, dst->dc);
        if (sameDc) {
            src = dst.get();
        } else {
            other = std::make_unique<Surface>(randomIn(rng, 1, 30), randomIn(rng, 1, 30), randomIn(rng, 0, 1) == 1);
            other->fillRandom(rng);
            randomOrigins(rng, other->dc);
            src = other.get();
        }
        makeBrush();
        before = dst->snapshot();
        sourceBefore = src->snapshot();
    }
    ~Scene()
    {
        SelectObject(dst->dc, GetStockObject(WHITE_BRUSH));
        DeleteObject(brush.brush);
    }

    void makeBrush()
    {
        brush.patterned = randomIn(rng, 0, 1) == 1;
        if (brush.patterned) {
            Pixel bits[64];
            for (Pixel& p : bits)
                p = Pixel(rng());
            HBITMAP pattern = CreateBitmap(8, 8, 1, 32, bits);
            brush.brush = CreatePatternBrush(pattern);
            DeleteObject(pattern);
            for (int i = 0; i < 64; ++i)
                brush.cells[i] = bits[i] | 0xFF000000u;
            brush.origin = POINT{randomIn(rng, -9, 9), randomIn(rng, -9, 9)};
            SetBrushOrgEx(dst->dc, brush.origin.x, brush.origin.y, nullptr);
        } else {
            COLORREF c = COLORREF(rng()) & 0x00FFFFFFu;
            brush.brush = CreateSolidBrush(c);
            brush.solid = PixelFromColorRef(c);
        }
        SelectObject(dst->dc, brush.brush);
    }

    // A random point in target coordinates near a surface.
    POINT nearPoint(const Surface& s) { return POINT{randomIn(rng, -5, s.width), randomIn(rng, -5, s.height)}; }

    // What the ternary operation makes of one destination pixel.
    Pixel rop(DWORD code, Pixel s, Pixel d, int x, int y) const
    {
        BYTE table = BYTE(code >> 16);
        if (table == 0xCC)
            return s;
        if (table == 0xAA)
            return d;
        return referenceRop3(table, brush.at(x, y), s, d);
    }

    // A source-free operation over a rectangle (extents of either sign).
    void paintReference(Image& expected, DWORD code, Span r) const
    {
        for (int y = std::min(r.y, r.y + r.h); y < std::max(r.y, r.y + r.h); ++y)
            for (int x = std::min(r.x, r.x + r.w); x < std::max(r.x, r.x + r.w); ++x)
                if (expected.contains(x, y) && dst->visible(x, y))
                    expected.at(x, y) = rop(code, 0, expected.at(x, y), x, y);
    }
};

DWORD randomRop(std::mt19937& rng)
{
    static const DWORD named[] = {SRCCOPY, SRCPAINT, SRCAND, SRCINVERT, SRCERASE, NOTSRCCOPY, NOTSRCERASE, MERGECOPY,
                                  MERGEPAINT, PATCOPY, PATPAINT, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS};
    if (randomIn(rng, 0, 3) == 0)
        return DWORD(randomIn(rng, 0, 255)) << 16;
    return named[randomIn(rng, 0, int(std::size(named)) - 1)];
}

bool usesSource(DWORD rop)
{
    BYTE t = BYTE(rop >> 16);
    return ((t >> 2) ^ t) & 0x33;
}

TEST(BlitReference, BitBltAllRopsClippedAndOverlapping)
{
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        Scene sc(seed, seed % 3 == 0);
        DWORD rop = randomRop(sc.rng);
        int w = randomIn(sc.rng, 0, 26), h = randomIn(sc.rng, 0, 26);
        POINT to = sc.nearPoint(*sc.dst), from = sc.nearPoint(*sc.src);
        // Within one DC, often a pure sideways or vertical scroll.
        if (sc.src == sc.dst.get() && randomIn(sc.rng, 0, 1) == 0) {
            if (randomIn(sc.rng, 0, 1) == 0)
                from.y = to.y;
            else
                from.x = to.x;
        }
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " rop " << std::hex << rop);

        Image expected = sc.before;
        for (int y = to.y; y < to.y + h; ++y)
            for (int x = to.x; x < to.x + w; ++x) {
                int sx = x - to.x + from.x, sy = y - to.y + from.y;
                if (!expected.contains(x, y) || !sc.dst->visible(x, y))
                    continue;
                bool readable = sc.sourceBefore.contains(sx, sy);
                if (usesSource(rop) && !readable)
                    continue;
                Pixel s = readable ? sc.sourceBefore.at(sx, sy) : 0;
                expected.at(x, y) = sc.rop(rop, s, expected.at(x, y), x, y);
            }

        POINT o = sc.dst->origin(), so = sc.src->origin();
        EXPECT_TRUE(BitBlt(sc.dst->dc, to.x - o.x, to.y - o.y, w, h, sc.src->dc, from.x - so.x, from.y - so.y, rop));
        ASSERT_TRUE(sameImage(sc.dst->snapshot(), expected));
    }
}

TEST(BlitReference, ScrollWithinOneDcThroughSplitClips)
{
    // Strips side by side (or stacked) make a row or a column read pixels
    // that another clip box writes.
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        Scene sc(seed, true);
        bool sideways = randomIn(sc.rng, 0, 1) == 0;
        std::vector<RECT> strips;
        for (int at = 0; at < (sideways ? sc.dst->width : sc.dst->height); at += randomIn(sc.rng, 2, 5)) {
            int end = at + randomIn(sc.rng, 1, 3);
            strips.push_back(sideways ? RECT{at, 0, end, sc.dst->height} : RECT{0, at, sc.dst->width, end});
        }
        sc.dst->setClip(strips);
        DWORD rop = randomIn(sc.rng, 0, 1) ? SRCCOPY : SRCINVERT;
        int w = randomIn(sc.rng, 1, 30), h = randomIn(sc.rng, 1, 30);
        POINT to = sc.nearPoint(*sc.dst), from = to;
        (sideways ? from.x : from.y) += randomIn(sc.rng, -6, 6);
        SCOPED_TRACE(::testing::Message() << "seed " << seed);

        Image expected = sc.before;
        for (int y = to.y; y < to.y + h; ++y)
            for (int x = to.x; x < to.x + w; ++x) {
                int sx = x - to.x + from.x, sy = y - to.y + from.y;
                if (expected.contains(x, y) && sc.dst->visible(x, y) && sc.before.contains(sx, sy))
                    expected.at(x, y) = sc.rop(rop, sc.before.at(sx, sy), expected.at(x, y), x, y);
            }

        POINT o = sc.dst->origin();
        EXPECT_TRUE(BitBlt(sc.dst->dc, to.x - o.x, to.y - o.y, w, h, sc.dst->dc, from.x - o.x, from.y - o.y, rop));
        ASSERT_TRUE(sameImage(sc.dst->snapshot(), expected));
    }
}

TEST(BlitReference, PatBltWithSolidAndPatternBrushes)
{
    static const DWORD rops[] = {PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS, 0x00050000, 0x00AF0000};
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        Scene sc(seed, true);
        DWORD rop = rops[randomIn(sc.rng, 0, int(std::size(rops)) - 1)];
        int w = randomIn(sc.rng, 0, 30), h = randomIn(sc.rng, 0, 30);
        POINT to = sc.nearPoint(*sc.dst);
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " rop " << std::hex << rop);

        Image expected = sc.before;
        sc.paintReference(expected, rop, Span{to.x, to.y, w, h});

        POINT o = sc.dst->origin();
        EXPECT_TRUE(PatBlt(sc.dst->dc, to.x - o.x, to.y - o.y, w, h, rop));
        ASSERT_TRUE(sameImage(sc.dst->snapshot(), expected));
    }
}

// Signed sizes: a negative extent mirrors; about one in four is unscaled.
int randomExtent(std::mt19937& rng)
{
    int v = randomIn(rng, 1, 22);
    return randomIn(rng, 0, 3) == 0 ? -v : v;
}

TEST(BlitReference, StretchBltScalesMirrorsAndClips)
{
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        Scene sc(seed, seed % 4 == 0);
        DWORD rop = randomIn(sc.rng, 0, 1) ? SRCCOPY : randomRop(sc.rng);
        Span to{0, 0, randomExtent(sc.rng), randomExtent(sc.rng)};
        Span from{0, 0, randomExtent(sc.rng), randomExtent(sc.rng)};
        if (randomIn(sc.rng, 0, 3) == 0)
            from.w = to.w, from.h = to.h;
        POINT a = sc.nearPoint(*sc.dst), b = sc.nearPoint(*sc.src);
        to.x = a.x, to.y = a.y, from.x = b.x, from.y = b.y;
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " rop " << std::hex << rop);

        Image expected = sc.before;
        if (usesSource(rop))
            referenceStretch(expected, *sc.dst, to, sc.sourceBefore, from,
                             [&](Pixel& d, Pixel s, int x, int y) { d = sc.rop(rop, s, d, x, y); });
        else
            sc.paintReference(expected, rop, to);

        POINT o = sc.dst->origin(), so = sc.src->origin();
        EXPECT_TRUE(StretchBlt(sc.dst->dc, to.x - o.x, to.y - o.y, to.w, to.h, sc.src->dc, from.x - so.x,
                               from.y - so.y, from.w, from.h, rop));
        ASSERT_TRUE(sameImage(sc.dst->snapshot(), expected));
    }
}

TEST(BlitReference, TransparentBltSkipsKeyWhateverTheAlpha)
{
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        Scene sc(seed, seed % 5 == 0);
        COLORREF key = COLORREF(sc.rng()) & 0x00FFFFFFu;
        Pixel keyColour = PixelFromColorRef(key) & 0x00FFFFFFu;
        // About a third of the source becomes the key, with random alpha.
        PixelBuffer& px = sc.src->pixels();
        for (int y = 0; y < px.height(); ++y)
            for (int x = 0; x < px.width(); ++x)
                if (randomIn(sc.rng, 0, 2) == 0)
                    px.row(y)[x] = keyColour | (Pixel(sc.rng()) << 24);
        sc.before = sc.dst->snapshot();
        sc.sourceBefore = sc.src->snapshot();

        Span to{0, 0, randomIn(sc.rng, 0, 22), randomIn(sc.rng, 0, 22)};
        Span from{0, 0, randomIn(sc.rng, 0, 22), randomIn(sc.rng, 0, 22)};
        if (randomIn(sc.rng, 0, 1) == 0)
            from.w = to.w, from.h = to.h;
        POINT a = sc.nearPoint(*sc.dst), b = sc.nearPoint(*sc.src);
        to.x = a.x, to.y = a.y, from.x = b.x, from.y = b.y;
        SCOPED_TRACE(::testing::Message() << "seed " << seed);

        Image expected = sc.before;
        referenceStretch(expected, *sc.dst, to, sc.sourceBefore, from, [&](Pixel& d, Pixel s, int, int) {
            if ((s & 0x00FFFFFFu) != keyColour)
                d = s;
        });

        POINT o = sc.dst->origin(), so = sc.src->origin();
        EXPECT_TRUE(TransparentBlt(sc.dst->dc, to.x - o.x, to.y - o.y, to.w, to.h, sc.src->dc, from.x - so.x,
                                   from.y - so.y, from.w, from.h, key));
        ASSERT_TRUE(sameImage(sc.dst->snapshot(), expected));
    }
}

TEST(BlitReference, AlphaBlendConstantAndPerPixel)
{
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        Scene sc(seed, seed % 5 == 0);
        // Plenty of fully clear and fully opaque source pixels.
        PixelBuffer& px = sc.src->pixels();
        for (int y = 0; y < px.height(); ++y)
            for (int x = 0; x < px.width(); ++x)
                if (int pick = randomIn(sc.rng, 0, 3); pick < 2)
                    px.row(y)[x] = (px.row(y)[x] & 0x00FFFFFFu) | (pick == 0 ? 0u : 0xFF000000u);
        sc.before = sc.dst->snapshot();
        sc.sourceBefore = sc.src->snapshot();

        BLENDFUNCTION blend;
        static const int constants[] = {0, 1, 127, 128, 254, 255};
        blend.SourceConstantAlpha =
            BYTE(randomIn(sc.rng, 0, 1) ? constants[randomIn(sc.rng, 0, 5)] : randomIn(sc.rng, 0, 255));
        blend.AlphaFormat = randomIn(sc.rng, 0, 2) ? AC_SRC_ALPHA : 0;
        Span to{0, 0, randomIn(sc.rng, 0, 22), randomIn(sc.rng, 0, 22)};
        Span from{0, 0, randomIn(sc.rng, 0, 22), randomIn(sc.rng, 0, 22)};
        if (randomIn(sc.rng, 0, 1) == 0)
            from.w = to.w, from.h = to.h;
        POINT a = sc.nearPoint(*sc.dst), b = sc.nearPoint(*sc.src);
        to.x = a.x, to.y = a.y, from.x = b.x, from.y = b.y;
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " constant " << int(blend.SourceConstantAlpha)
                                          << " format " << int(blend.AlphaFormat));

        Image expected = sc.before;
        referenceStretch(expected, *sc.dst, to, sc.sourceBefore, from, [&](Pixel& d, Pixel s, int, int) {
            unsigned constant = blend.SourceConstantAlpha;
            unsigned a = blend.AlphaFormat == AC_SRC_ALPHA ? ((s >> 24) * constant + 127) / 255 : constant;
            d = referenceBlend(s, d, a);
        });

        POINT o = sc.dst->origin(), so = sc.src->origin();
        EXPECT_TRUE(AlphaBlend(sc.dst->dc, to.x - o.x, to.y - o.y, to.w, to.h, sc.src->dc, from.x - so.x,
                               from.y - so.y, from.w, from.h, blend));
        ASSERT_TRUE(sameImage(sc.dst->snapshot(), expected));
    }
}

// A caller's DIB rows, top-down or bottom-up, and the picture they show.
struct CallerDib {
    BITMAPINFO info{};
    std::vector<Pixel> memory;
    Image picture;
    CallerDib(std::mt19937& rng, int width, int height, bool bottomUp)
        : memory(std::size_t(width) * std::size_t(height)),
          picture{width, height, std::vector<Pixel>(memory.size())}
    {
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = bottomUp ? height : -height;
        for (Pixel& p : memory)
            p = Pixel(rng());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.at(x, y) = memory[std::size_t(bottomUp ? height - 1 - y : y) * std::size_t(width) + x];
    }
};

TEST(BlitReference, SetDIBitsToDeviceBandsInBothRowOrders)
{
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        Scene sc(seed, true);
        bool bottomUp = randomIn(sc.rng, 0, 1) == 1;
        int height = randomIn(sc.rng, 1, 20);
        CallerDib dib(sc.rng, randomIn(sc.rng, 1, 20), height, bottomUp);
        int startScan = randomIn(sc.rng, 0, height - 1);
        int lines = randomIn(sc.rng, 1, height - startScan);
        int w = randomIn(sc.rng, 0, 22), h = randomIn(sc.rng, 0, 22);
        int srcX = randomIn(sc.rng, -4, 20), srcY = randomIn(sc.rng, -4, 20);
        POINT to = sc.nearPoint(*sc.dst);
        SCOPED_TRACE(::testing::Message() << "seed " << seed << (bottomUp ? " bottom-up" : " top-down"));

        // The source rectangle's top row in the picture, and which picture
        // rows the band of scan lines holds.
        int pictureTop = bottomUp ? height - srcY - h : srcY;
        auto inBand = [&](int row) {
            int scan = bottomUp ? height - 1 - row : row;
            return scan >= startScan && scan < startScan + lines;
        };
        // The caller passes only the band's rows; in memory, scan lines run
        // in order whatever the picture's row order.
        const Pixel* bandBits = dib.memory.data() + std::size_t(startScan) * std::size_t(dib.picture.width);

        Image expected = sc.before;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int px = srcX + x, py = pictureTop + y, tx = to.x + x, ty = to.y + y;
                if (expected.contains(tx, ty) && sc.dst->visible(tx, ty) && dib.picture.contains(px, py)
                    && inBand(py))
                    expected.at(tx, ty) = dib.picture.at(px, py);
            }

        POINT o = sc.dst->origin();
        EXPECT_EQ(SetDIBitsToDevice(sc.dst->dc, to.x - o.x, to.y - o.y, DWORD(w), DWORD(h), srcX, srcY,
                                    UINT(startScan), UINT(lines), bandBits, &dib.info, DIB_RGB_COLORS),
                  lines);
        ASSERT_TRUE(sameImage(sc.dst->snapshot(), expected));
    }
}

TEST(BlitReference, StretchDIBitsMatchesStretchOfPicture)
{
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        Scene sc(seed, true);
        bool bottomUp = randomIn(sc.rng, 0, 1) == 1;
        CallerDib dib(sc.rng, randomIn(sc.rng, 1, 20), randomIn(sc.rng, 1, 20), bottomUp);
        DWORD rop = randomIn(sc.rng, 0, 1) ? SRCCOPY : randomRop(sc.rng);
        Span to{0, 0, randomExtent(sc.rng), randomExtent(sc.rng)};
        int srcX = randomIn(sc.rng, -4, 20), srcY = randomIn(sc.rng, -4, 20);
        int srcW = randomExtent(sc.rng), srcH = randomExtent(sc.rng);
        POINT a = sc.nearPoint(*sc.dst);
        to.x = a.x, to.y = a.y;
        SCOPED_TRACE(::testing::Message() << "seed " << seed << (bottomUp ? " bottom-up" : " top-down"));

        Span from{srcX, bottomUp ? dib.picture.height - srcY - srcH : srcY, srcW, srcH};
        Image expected = sc.before;
        if (usesSource(rop))
            referenceStretch(expected, *sc.dst, to, dib.picture, from,
                             [&](Pixel& d, Pixel s, int x, int y) { d = sc.rop(rop, s, d, x, y); });
        else
            sc.paintReference(expected, rop, to);

        POINT o = sc.dst->origin();
        StretchDIBits(sc.dst->dc, to.x - o.x, to.y - o.y, to.w, to.h, srcX, srcY, srcW, srcH, dib.memory.data(),
                      &dib.info, DIB_RGB_COLORS, rop);
        ASSERT_TRUE(sameImage(sc.dst->snapshot(), expected));
    }
}

} // namespace
