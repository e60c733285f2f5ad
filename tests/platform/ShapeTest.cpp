#include "platform/Gdi.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/images/PngIo.h"

#include "tests/support/DibSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr Pixel kPaper = 0xFF203040u;
constexpr Pixel kRed = 0xFFFF0000u;
constexpr Pixel kBlack = 0xFF000000u;

struct MemoryDc : brio::test::DibSurface {
    MemoryDc(int w, int h) : DibSurface(w, h, kPaper) {}
    void randomize(unsigned seed)
    {
        std::mt19937 rng(seed);
        for (int i = 0; i < width * height; ++i)
            bits[i] = rng() | 0xFF000000u;
    }
};

// Selects a pen and brush for a scope and deletes them afterwards.
struct Tools {
    HDC dc;
    HPEN pen;
    HBRUSH brush;
    Tools(HDC d, HPEN p, HBRUSH b) : dc(d), pen(p), brush(b)
    {
        SelectObject(dc, pen);
        SelectObject(dc, brush);
    }
    ~Tools()
    {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        DeleteObject(pen);
        DeleteObject(brush);
    }
};

TEST(ShapeOutline, RectanglePenInsideAndBrushWithin)
{
    MemoryDc m(20, 16);
    Tools t(m.dc, CreatePen(PS_SOLID, 1, RGB(0, 0, 0)), CreateSolidBrush(RGB(255, 0, 0)));
    EXPECT_TRUE(Rectangle(m.dc, 2, 3, 12, 9));
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            bool inside = x >= 2 && x < 12 && y >= 3 && y < 9;
            bool edge = inside && (x == 2 || x == 11 || y == 3 || y == 8);
            Pixel expected = edge ? kBlack : inside ? kRed : kPaper;
            ASSERT_EQ(m.at(x, y), expected) << x << "," << y;
        }
    }
}

TEST(ShapeOutline, PenKindsMoveTheOutline)
{
    auto drawn = [](HPEN pen, RECT r) {
        MemoryDc m(30, 30);
        Tools t(m.dc, pen, CreateSolidBrush(RGB(255, 0, 0)));
        Rectangle(m.dc, r.left, r.top, r.right, r.bottom);
        RECT box{m.width, m.height, 0, 0};
        int penPixels = 0;
        for (int y = 0; y < m.height; ++y)
            for (int x = 0; x < m.width; ++x)
                if (m.at(x, y) != kPaper) {
                    box = RECT{std::min(box.left, LONG(x)), std::min(box.top, LONG(y)),
                               std::max(box.right, LONG(x + 1)), std::max(box.bottom, LONG(y + 1))};
                    penPixels += m.at(x, y) == kBlack;
                }
        return std::pair(box, penPixels);
    };
    // Without a pen the right and bottom edges stay unpainted.
    EXPECT_EQ(drawn(CreatePen(PS_NULL, 1, 0), RECT{5, 5, 15, 12}).first, (RECT{5, 5, 14, 11}));
    // A wide pen straddles the outline; an inside-frame pen keeps within.
    auto [wideBox, widePixels] = drawn(CreatePen(PS_SOLID, 3, 0), RECT{5, 5, 15, 12});
    EXPECT_EQ(wideBox, (RECT{4, 4, 16, 13}));
    EXPECT_EQ(widePixels, 12 * 9 - 6 * 3);
    auto [insideBox, insidePixels] = drawn(CreatePen(PS_INSIDEFRAME, 3, 0), RECT{5, 5, 15, 12});
    EXPECT_EQ(insideBox, (RECT{5, 5, 15, 12}));
    EXPECT_EQ(insidePixels, 10 * 7 - 4 * 1);
    // Corners given the wrong way round mean the same rectangle.
    EXPECT_EQ(drawn(CreatePen(PS_SOLID, 1, 0), RECT{15, 12, 5, 5}).first, (RECT{5, 5, 15, 12}));
    EXPECT_EQ(drawn(CreatePen(PS_SOLID, 1, 0), RECT{5, 5, 5, 12}).first, (RECT{30, 30, 0, 0})) << "no width, nothing";
}

TEST(ShapeOutline, EllipseIsSymmetricAndInsideItsBox)
{
    for (RECT box : {RECT{3, 4, 27, 19}, RECT{2, 2, 13, 13}, RECT{5, 1, 8, 28}, RECT{1, 10, 29, 12}}) {
        MemoryDc m(30, 30);
        Tools t(m.dc, CreatePen(PS_SOLID, 1, 0), CreateSolidBrush(RGB(255, 0, 0)));
        Ellipse(m.dc, box.left, box.top, box.right, box.bottom);
        bool touched[4] = {};
        for (int y = 0; y < m.height; ++y) {
            for (int x = 0; x < m.width; ++x) {
                Pixel p = m.at(x, y);
                bool inBox = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
                if (!inBox) {
                    ASSERT_EQ(p, kPaper) << x << "," << y;
                    continue;
                }
                ASSERT_EQ(p, m.at(box.left + box.right - 1 - x, y)) << x << "," << y;
                ASSERT_EQ(p, m.at(x, box.top + box.bottom - 1 - y)) << x << "," << y;
                if (p != kPaper) {
                    touched[0] |= x == box.left;
                    touched[1] |= y == box.top;
                    touched[2] |= x == box.right - 1;
                    touched[3] |= y == box.bottom - 1;
                }
            }
        }
        EXPECT_TRUE(touched[0] && touched[1] && touched[2] && touched[3]) << "reaches every side";
        // The outline closes around the interior: the brush never meets the paper.
        for (int y = 1; y + 1 < m.height; ++y) {
            for (int x = 1; x + 1 < m.width; ++x) {
                if (m.at(x, y) != kRed)
                    continue;
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                    ASSERT_NE(m.at(x + dx, y + dy), kPaper) << x << "," << y;
            }
        }
    }
}

TEST(ShapeOutline, RoundRectRoundsItsCornersOnly)
{
    MemoryDc m(40, 30);
    Tools t(m.dc, CreatePen(PS_SOLID, 1, 0), CreateSolidBrush(RGB(255, 0, 0)));
    RoundRect(m.dc, 2, 2, 38, 28, 12, 10);
    EXPECT_EQ(m.at(2, 2), kPaper);
    EXPECT_EQ(m.at(37, 27), kPaper);
    EXPECT_EQ(m.at(20, 2), kBlack);
    EXPECT_EQ(m.at(2, 15), kBlack);
    EXPECT_EQ(m.at(37, 15), kBlack);
    EXPECT_EQ(m.at(20, 27), kBlack);
    EXPECT_EQ(m.at(20, 15), kRed);
    EXPECT_EQ(m.at(3, 3), kPaper) << "inside the corner's curve";
}

std::vector<POINT> linePixels(POINT from, POINT to, int w = 40, int h = 40)
{
    MemoryDc m(w, h);
    MoveToEx(m.dc, from.x, from.y, nullptr);
    LineTo(m.dc, to.x, to.y);
    std::vector<POINT> out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (m.at(x, y) != kPaper)
                out.push_back(POINT{x, y});
    return out;
}

bool hasPixel(const std::vector<POINT>& pixels, POINT p)
{
    return std::find(pixels.begin(), pixels.end(), p) != pixels.end();
}

TEST(Lines, EndPointIsLeftOutAndReverseCoversTheSamePixels)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coord(0, 39);
    for (int i = 0; i < 200; ++i) {
        POINT a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
        std::vector<POINT> forward = linePixels(a, b), backward = linePixels(b, a);
        int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
        ASSERT_EQ(int(forward.size()), steps) << "one pixel per step, the end left out";
        if (steps == 0)
            continue;
        ASSERT_TRUE(hasPixel(forward, a));
        ASSERT_FALSE(hasPixel(forward, b));
        ASSERT_TRUE(hasPixel(backward, b));
        std::erase_if(forward, [&](POINT p) { return p == a; });
        std::erase_if(backward, [&](POINT p) { return p == b; });
        ASSERT_EQ(forward, backward) << a.x << "," << a.y << " -> " << b.x << "," << b.y;
    }
}

TEST(Lines, LineToMovesTheCurrentPosition)
{
    MemoryDc m(10, 10);
    MoveToEx(m.dc, 1, 1, nullptr);
    EXPECT_TRUE(LineTo(m.dc, 6, 1));
    POINT p;
    GetCurrentPositionEx(m.dc, &p);
    EXPECT_EQ(p, (POINT{6, 1}));
    EXPECT_TRUE(LineTo(m.dc, 6, 5));
    // Joined segments: the corner is drawn once, by the second segment.
    EXPECT_EQ(m.at(5, 1), kBlack);
    EXPECT_EQ(m.at(6, 1), kBlack);
    EXPECT_EQ(m.at(6, 4), kBlack);
    EXPECT_EQ(m.at(6, 5), kPaper);
    SetViewportOrgEx(m.dc, 2, 0, nullptr);
    EXPECT_TRUE(LineTo(m.dc, 6, 8));
    GetCurrentPositionEx(m.dc, &p);
    EXPECT_EQ(p, (POINT{6, 8})) << "the position stays in logical units";
    EXPECT_EQ(m.at(8, 6), kBlack);
}

TEST(Lines, StyledPensAlternateDashesAndGaps)
{
    MemoryDc m(40, 6);
    HPEN dotted = CreatePen(PS_DOT, 1, RGB(255, 0, 0));
    SelectObject(m.dc, dotted);
    SetBkColor(m.dc, RGB(0, 0, 255));
    MoveToEx(m.dc, 0, 1, nullptr);
    LineTo(m.dc, 40, 1);
    for (int x = 0; x < 40; ++x)
        ASSERT_EQ(m.at(x, 1), (x / 3) % 2 == 0 ? kRed : 0xFF0000FFu) << x;
    SetBkMode(m.dc, TRANSPARENT);
    MoveToEx(m.dc, 0, 3, nullptr);
    LineTo(m.dc, 40, 3);
    for (int x = 0; x < 40; ++x)
        ASSERT_EQ(m.at(x, 3), (x / 3) % 2 == 0 ? kRed : kPaper) << x;
    // The pattern runs on around the corners of a polyline.
    POINT path[] = {{0, 5}, {4, 5}, {4, 5}, {40, 5}};
    Polyline(m.dc, path, 4);
    for (int x = 0; x < 40; ++x)
        ASSERT_EQ(m.at(x, 5), (x / 3) % 2 == 0 ? kRed : kPaper) << x;
    SelectObject(m.dc, GetStockObject(BLACK_PEN));
    DeleteObject(dotted);
}

TEST(Lines, WidePensHaveRoundEnds)
{
    MemoryDc m(40, 20);
    HPEN wide = CreatePen(PS_SOLID, 5, 0);
    SelectObject(m.dc, wide);
    MoveToEx(m.dc, 10, 10, nullptr);
    LineTo(m.dc, 30, 10);
    for (int x = 10; x <= 30; ++x)
        for (int y = 8; y <= 12; ++y)
            ASSERT_EQ(m.at(x, y), kBlack) << x << "," << y;
    EXPECT_EQ(m.at(20, 7), kPaper);
    EXPECT_EQ(m.at(20, 13), kPaper);
    EXPECT_EQ(m.at(32, 10), kBlack) << "the cap reaches half the width past the end";
    EXPECT_EQ(m.at(32, 8), kPaper) << "and is round";
    EXPECT_EQ(m.at(33, 10), kPaper);
    SelectObject(m.dc, GetStockObject(BLACK_PEN));
    DeleteObject(wide);
}

TEST(Mixing, XorFiguresDrawnTwiceRestoreThePicture)
{
    MemoryDc m(50, 40);
    m.randomize(8);
    const std::vector<Pixel> before = m.pixels();
    SetROP2(m.dc, R2_XORPEN);
    POINT zigzag[] = {{2, 2}, {45, 30}, {10, 35}, {40, 3}, {3, 20}};
    for (int width : {1, 4}) {
        Tools t(m.dc, CreatePen(PS_SOLID, width, RGB(200, 100, 50)), CreateSolidBrush(RGB(1, 2, 3)));
        for (int pass = 0; pass < 2; ++pass) {
            MoveToEx(m.dc, 3, 37, nullptr);
            LineTo(m.dc, 47, 5);
            Polyline(m.dc, zigzag, 5);
            Polygon(m.dc, zigzag, 5);
            Ellipse(m.dc, 5, 5, 30, 25);
            RoundRect(m.dc, 20, 10, 48, 38, 9, 9);
            Rectangle(m.dc, 1, 1, 20, 12);
        }
        EXPECT_EQ(m.pixels(), before) << "pen width " << width;
    }
    RECT focus{3, 4, 30, 21};
    DrawFocusRect(m.dc, &focus);
    int changed = 0;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            if (m.at(x, y) != before[y * m.width + x]) {
                ++changed;
                ASSERT_TRUE(x == 3 || x == 29 || y == 4 || y == 20) << "only on the frame";
                ASSERT_EQ(m.at(x, y), ~before[y * m.width + x] | 0xFF000000u);
            }
    EXPECT_EQ(changed, (2 * 27 + 2 * 15) / 2) << "every other pixel of the frame";
    DrawFocusRect(m.dc, &focus);
    EXPECT_EQ(m.pixels(), before);
}

TEST(Mixing, NotAndNotXorUseTheDestination)
{
    MemoryDc m(10, 4);
    m.randomize(4);
    const std::vector<Pixel> before = m.pixels();
    SetROP2(m.dc, R2_NOT);
    MoveToEx(m.dc, 0, 1, nullptr);
    LineTo(m.dc, 10, 1);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(m.dc, red);
    SetROP2(m.dc, R2_NOTXORPEN);
    MoveToEx(m.dc, 0, 2, nullptr);
    LineTo(m.dc, 10, 2);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(m.at(x, 1), ~before[10 + x] | 0xFF000000u);
        EXPECT_EQ(m.at(x, 2), ~(before[20 + x] ^ kRed) | 0xFF000000u);
    }
    SelectObject(m.dc, GetStockObject(BLACK_PEN));
    DeleteObject(red);
}

// Draws a random scene; the same calls with and without a clip must agree
// inside the clip and leave everything outside it alone.
void drawScene(HDC dc, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> coord(-20, 80);
    auto p = [&] { return POINT{coord(rng), coord(rng)}; };
    int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOTDOT, PS_INSIDEFRAME, PS_NULL};
    for (int i = 0; i < 12; ++i) {
        int width = int(rng() % 3 == 0 ? 1 + rng() % 6 : 1);
        Tools t(dc, CreatePen(styles[rng() % 6], width, RGB(rng() % 256, rng() % 256, 0)),
                CreateSolidBrush(RGB(0, rng() % 256, rng() % 256)));
        SetROP2(dc, rng() % 2 ? R2_COPYPEN : R2_XORPEN);
        SetPolyFillMode(dc, rng() % 2 ? ALTERNATE : WINDING);
        POINT a = p(), b = p(), c = p(), d = p();
        POINT poly[] = {a, b, c, d};
        switch (rng() % 6) {
        case 0: Rectangle(dc, a.x, a.y, b.x, b.y); break;
        case 1: Ellipse(dc, a.x, a.y, b.x, b.y); break;
        case 2: RoundRect(dc, a.x, a.y, b.x, b.y, c.x & 15, c.y & 15); break;
        case 3: Polygon(dc, poly, 4); break;
        case 4: Polyline(dc, poly, 4); break;
        default: MoveToEx(dc, a.x, a.y, nullptr); LineTo(dc, b.x, b.y); break;
        }
    }
}

TEST(Clipping, ClippedDrawingEqualsTheUnclippedPictureInsideTheClip)
{
    for (unsigned seed = 1; seed <= 25; ++seed) {
        MemoryDc whole(64, 64), clipped(64, 64);
        whole.randomize(seed);
        clipped.randomize(seed);
        const std::vector<Pixel> before = clipped.pixels();
        std::mt19937 rng(seed * 7);
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        for (int i = 0; i < 3; ++i) {
            int x = int(rng() % 60), y = int(rng() % 60);
            HRGN part = CreateRectRgn(x, y, x + 2 + int(rng() % 30), y + 2 + int(rng() % 30));
            CombineRgn(clip, clip, part, RGN_OR);
            DeleteObject(part);
        }
        SelectClipRgn(clipped.dc, clip);
        for (HDC dc : {whole.dc, clipped.dc}) {
            SetViewportOrgEx(dc, 3, -2, nullptr);
            SetWindowOrgEx(dc, 1, 4, nullptr);
            drawScene(dc, seed);
        }
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                Pixel expected = PtInRegion(clip, x, y) ? whole.at(x, y) : before[y * 64 + x];
                ASSERT_EQ(clipped.at(x, y), expected) << "seed " << seed << " at " << x << "," << y;
            }
        DeleteObject(clip);
    }
}

TEST(Clipping, ShapesFarOutsideOrHugeStayCalm)
{
    MemoryDc m(16, 16);
    Tools t(m.dc, CreatePen(PS_SOLID, 3, 0), CreateSolidBrush(RGB(255, 0, 0)));
    EXPECT_TRUE(Ellipse(m.dc, -1000000, -1000000, 1000000, 1000000));
    EXPECT_EQ(m.at(8, 8), kRed);
    EXPECT_TRUE(Rectangle(m.dc, -5, -5, 40, 40));
    POINT far[] = {{-3000000, 5}, {3000000, 9}};
    EXPECT_TRUE(Polyline(m.dc, far, 2));
    POINT outOfRange[] = {{0, 0}, {2000000000, 5}, {5, 9}};
    EXPECT_FALSE(Polygon(m.dc, outOfRange, 3));
    EXPECT_FALSE(Polygon(m.dc, outOfRange, 1));
    EXPECT_FALSE(Rectangle(nullptr, 0, 0, 5, 5));
}

TEST(Brushes, PatternBrushFollowsTheBrushOrigin)
{
    MemoryDc pattern(8, 8);
    for (int i = 0; i < 64; ++i)
        pattern.bits[i] = 0xFF000000u | Pixel(i * 4);
    HBRUSH brush = CreatePatternBrush(pattern.bitmap);
    MemoryDc m(24, 20);
    Tools t(m.dc, static_cast<HPEN>(GetStockObject(NULL_PEN)), brush);
    SetBrushOrgEx(m.dc, 3, 2, nullptr);
    SetViewportOrgEx(m.dc, 1, 1, nullptr); // the origin is in device units: moving the drawing does not move it
    Rectangle(m.dc, 0, 0, 20, 18);
    for (int y = 1; y < 18; ++y)
        for (int x = 1; x < 20; ++x)
            ASSERT_EQ(m.at(x, y), 0xFF000000u | Pixel((((y - 2) & 7) * 8 + ((x - 3) & 7)) * 4)) << x << "," << y;
    EXPECT_EQ(m.at(20, 5), kPaper);
}

TEST(Brushes, PolygonFollowsTheFillMode)
{
    MemoryDc m(100, 100);
    Tools t(m.dc, static_cast<HPEN>(GetStockObject(NULL_PEN)), CreateSolidBrush(RGB(255, 0, 0)));
    POINT star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    EXPECT_EQ(GetPolyFillMode(m.dc), ALTERNATE);
    Polygon(m.dc, star, 5);
    EXPECT_EQ(m.at(50, 50), kPaper);
    EXPECT_EQ(m.at(50, 10), kRed);
    SetPolyFillMode(m.dc, WINDING);
    Polygon(m.dc, star, 5);
    EXPECT_EQ(m.at(50, 50), kRed);
}

TEST(Gallery, AllShapes)
{
    MemoryDc m(400, 260);
    RECT all{0, 0, 400, 260};
    HBRUSH paper = CreateSolidBrush(RGB(236, 233, 216));
    FillRgn(m.dc, CreateRectRgnIndirect(&all), paper);
    MemoryDc patternSource(8, 8);
    for (int i = 0; i < 64; ++i)
        patternSource.bits[i] = ((i / 8 + i % 8) % 4 < 2) ? 0xFF3060C0u : 0xFFF0F0F0u;
    struct Kit {
        int style, width;
        COLORREF pen;
    } kits[] = {{PS_SOLID, 1, RGB(0, 0, 0)},       {PS_DASH, 1, RGB(160, 0, 0)}, {PS_DOT, 1, RGB(0, 100, 0)},
                {PS_DASHDOTDOT, 1, RGB(0, 0, 160)}, {PS_SOLID, 4, RGB(90, 40, 0)}, {PS_INSIDEFRAME, 3, RGB(0, 0, 0)}};
    SetBkMode(m.dc, TRANSPARENT);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
            const Kit& k = kits[row * 2 + col];
            HBRUSH brush = row == 1 ? CreatePatternBrush(patternSource.bitmap)
                                    : CreateSolidBrush(RGB(255, 200 - 60 * col, 120 + 50 * row));
            Tools t(m.dc, CreatePen(k.style, k.width, k.pen), brush);
            int ox = col * 200 + 8, oy = row * 86 + 8;
            Rectangle(m.dc, ox, oy, ox + 40, oy + 36);
            Ellipse(m.dc, ox + 46, oy, ox + 96, oy + 36);
            RoundRect(m.dc, ox + 102, oy, ox + 150, oy + 36, 14, 14);
            POINT star[] = {{ox + 172, oy}, {ox + 184, oy + 36}, {ox + 154, oy + 13}, {ox + 190, oy + 13},
                            {ox + 160, oy + 36}};
            SetPolyFillMode(m.dc, col == 0 ? ALTERNATE : WINDING);
            Polygon(m.dc, star, 5);
            POINT wave[] = {{ox, oy + 60}, {ox + 30, oy + 44}, {ox + 60, oy + 72}, {ox + 90, oy + 46},
                            {ox + 120, oy + 70}};
            Polyline(m.dc, wave, 5);
            for (int i = 0; i < 8; ++i) {
                MoveToEx(m.dc, ox + 150, oy + 58, nullptr);
                LineTo(m.dc, ox + 150 + (i < 4 ? 36 : 36 - (i - 4) * 12), oy + 58 - (i < 4 ? i * 6 : 18 + (i - 4) * 2));
            }
            RECT focus{ox + 130, oy + 44, ox + 192, oy + 76};
            DrawFocusRect(m.dc, &focus);
        }
    }
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    PixelBuffer view(m.width, m.height, m.bits, m.width);
    WritePng(view, std::string(BRIO_TEST_OUTPUT_DIR) + "/shapes-gallery.png", true);
    DeleteObject(paper);
}

} // namespace
