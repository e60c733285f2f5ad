#include "platform/Gdi.h"

#include "tests/support/DibSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace {

// Owns a region handle for the length of a test.
struct Rgn {
    HRGN h;
    explicit Rgn(HRGN handle) : h(handle) {}
    ~Rgn() { DeleteObject(h); }
    Rgn(const Rgn&) = delete;
    Rgn& operator=(const Rgn&) = delete;
    operator HRGN() const { return h; }
};

HRGN randomRegion(std::mt19937& rng, int extent, int rects)
{
    std::uniform_int_distribution<int> coord(0, extent);
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < rects; ++i) {
        Rgn part(CreateRectRgn(coord(rng), coord(rng), coord(rng), coord(rng)));
        CombineRgn(r, r, part, RGN_OR);
    }
    return r;
}

std::vector<RECT> regionRects(HRGN r)
{
    DWORD size = GetRegionData(r, 0, nullptr);
    std::vector<char> bytes(size);
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    EXPECT_EQ(GetRegionData(r, size, data), size);
    std::vector<RECT> rects(data->rdh.nCount);
    if (!rects.empty())
        std::memcpy(static_cast<void*>(rects.data()), data->Buffer, rects.size() * sizeof(RECT));
    return rects;
}

long long area(HRGN r)
{
    long long total = 0;
    for (const RECT& rc : regionRects(r))
        total += (long long)(rc.right - rc.left) * (rc.bottom - rc.top);
    return total;
}

TEST(RegionAlgebra, CombinedPointsFollowTheirSources)
{
    std::mt19937 rng(1234);
    constexpr int extent = 40;
    for (int round = 0; round < 40; ++round) {
        Rgn a(randomRegion(rng, extent, 1 + round % 6));
        Rgn b(randomRegion(rng, extent, 1 + round % 5));
        Rgn both(CreateRectRgn(0, 0, 0, 0)), either(CreateRectRgn(0, 0, 0, 0));
        Rgn onlyA(CreateRectRgn(0, 0, 0, 0)), oneOf(CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(CombineRgn(both, a, b, RGN_AND), ERROR);
        ASSERT_NE(CombineRgn(either, a, b, RGN_OR), ERROR);
        ASSERT_NE(CombineRgn(onlyA, a, b, RGN_DIFF), ERROR);
        ASSERT_NE(CombineRgn(oneOf, a, b, RGN_XOR), ERROR);
        for (int y = -1; y <= extent; ++y) {
            for (int x = -1; x <= extent; ++x) {
                bool inA = PtInRegion(a, x, y), inB = PtInRegion(b, x, y);
                ASSERT_EQ(bool(PtInRegion(both, x, y)), inA && inB) << x << "," << y;
                ASSERT_EQ(bool(PtInRegion(either, x, y)), inA || inB) << x << "," << y;
                ASSERT_EQ(bool(PtInRegion(onlyA, x, y)), inA && !inB) << x << "," << y;
                ASSERT_EQ(bool(PtInRegion(oneOf, x, y)), inA != inB) << x << "," << y;
            }
        }
        EXPECT_EQ(area(a) + area(b), area(either) + area(both));
        EXPECT_EQ(area(oneOf), area(either) - area(both));
    }
}

TEST(RegionAlgebra, DestinationMayBeASource)
{
    std::mt19937 rng(99);
    for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) {
        Rgn a(randomRegion(rng, 30, 4)), b(randomRegion(rng, 30, 4));
        Rgn expected(CreateRectRgn(0, 0, 0, 0));
        int kind = CombineRgn(expected, a, b, mode);
        EXPECT_EQ(CombineRgn(a, a, b, mode), kind);
        EXPECT_TRUE(EqualRgn(a, expected)) << "mode " << mode;
        Rgn self(randomRegion(rng, 30, 4));
        Rgn selfExpected(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(selfExpected, self, self, mode);
        CombineRgn(self, self, self, mode);
        EXPECT_TRUE(EqualRgn(self, selfExpected)) << "mode " << mode;
    }
}

TEST(RegionAlgebra, KindsAndBadInput)
{
    Rgn a(CreateRectRgn(0, 0, 10, 10)), b(CreateRectRgn(20, 0, 30, 10)), out(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(out, a));
    EXPECT_EQ(CombineRgn(out, a, b, 42), ERROR);
    EXPECT_TRUE(EqualRgn(out, a)) << "a refused combination leaves the destination alone";
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(nullptr, a, b, RGN_OR), ERROR);
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_EQ(CombineRgn(out, reinterpret_cast<HRGN>(brush), b, RGN_OR), ERROR);
    DeleteObject(brush);

    // Rectangles given the wrong way round mean the same area.
    Rgn flipped(CreateRectRgn(10, 10, 0, 0));
    EXPECT_TRUE(EqualRgn(flipped, a));
    RECT box;
    EXPECT_EQ(GetRgnBox(b, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{20, 0, 30, 10}));
    EXPECT_TRUE(SetRectRgn(b, 0, 0, 0, 5));
    EXPECT_EQ(GetRgnBox(b, &box), NULLREGION);
    EXPECT_EQ(box, (RECT{}));
}

TEST(RegionQueries, OffsetMovesEveryPointAndRectTestsOverlap)
{
    std::mt19937 rng(7);
    Rgn r(randomRegion(rng, 30, 5)), moved(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(moved, r, nullptr, RGN_COPY);
    EXPECT_NE(OffsetRgn(moved, 13, -4), ERROR);
    for (int y = -5; y < 35; ++y)
        for (int x = -5; x < 35; ++x)
            ASSERT_EQ(PtInRegion(r, x, y), PtInRegion(moved, x + 13, y - 4));

    Rgn l(CreateRectRgn(0, 0, 10, 10));
    Rgn other(CreateRectRgn(5, 10, 15, 20));
    CombineRgn(l, l, other, RGN_OR);
    RECT touchingOnlyTheGap{10, 0, 20, 10};
    RECT overlapping{9, 9, 20, 20};
    RECT corner{12, 18, 30, 30};
    EXPECT_FALSE(RectInRegion(l, &touchingOnlyTheGap));
    EXPECT_TRUE(RectInRegion(l, &overlapping));
    EXPECT_TRUE(RectInRegion(l, &corner));
    EXPECT_FALSE(PtInRegion(l, 10, 5));
    EXPECT_TRUE(PtInRegion(l, 9, 9));
}

TEST(RegionData, RoundTripGivesAnEqualRegion)
{
    std::mt19937 rng(5);
    for (int round = 0; round < 20; ++round) {
        Rgn r(randomRegion(rng, 60, 1 + round));
        DWORD size = GetRegionData(r, 0, nullptr);
        std::vector<char> bytes(size);
        auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
        EXPECT_EQ(GetRegionData(r, size - 1, data), size) << "too small a buffer asks for the size";
        ASSERT_EQ(GetRegionData(r, size, data), size);
        EXPECT_EQ(data->rdh.dwSize, 32u);
        EXPECT_EQ(data->rdh.iType, RDH_RECTANGLES);
        EXPECT_EQ(data->rdh.nRgnSize, data->rdh.nCount * sizeof(RECT));
        EXPECT_EQ(size, 32 + data->rdh.nRgnSize);
        RECT box;
        GetRgnBox(r, &box);
        EXPECT_EQ(data->rdh.rcBound, box);
        Rgn copy(ExtCreateRegion(nullptr, size, data));
        ASSERT_NE(copy.h, nullptr);
        EXPECT_TRUE(EqualRgn(copy, r));
    }
}

TEST(RegionData, ExtCreateRegionChecksItsInput)
{
    constexpr int count = 20000; // far beyond any fixed table
    std::vector<char> bytes(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    RGNDATAHEADER header;
    header.nCount = count;
    std::memcpy(static_cast<void*>(bytes.data()), &header, sizeof header);
    for (int i = 0; i < count; ++i) {
        RECT r{(i % 200) * 3, (i / 200) * 2, (i % 200) * 3 + 2, (i / 200) * 2 + 1};
        std::memcpy(bytes.data() + sizeof header + i * sizeof(RECT), &r, sizeof r);
    }
    auto* data = reinterpret_cast<const RGNDATA*>(bytes.data());
    DWORD size = DWORD(bytes.size());
    Rgn many(ExtCreateRegion(nullptr, size, data));
    ASSERT_NE(many.h, nullptr);
    EXPECT_EQ(area(many), 2LL * count);

    EXPECT_EQ(ExtCreateRegion(nullptr, size - 1, data), nullptr) << "count larger than the buffer";
    EXPECT_EQ(ExtCreateRegion(nullptr, 31, data), nullptr);
    EXPECT_EQ(ExtCreateRegion(nullptr, size, nullptr), nullptr);
    int transform[6] = {1, 0, 0, 1, 0, 0};
    EXPECT_EQ(ExtCreateRegion(transform, size, data), nullptr);
    RGNDATAHEADER wrong = header;
    wrong.dwSize = 36;
    std::memcpy(static_cast<void*>(bytes.data()), &wrong, sizeof wrong);
    EXPECT_EQ(ExtCreateRegion(nullptr, size, data), nullptr);
    wrong = header;
    wrong.nCount = 0xFFFFFFFFu;
    std::memcpy(static_cast<void*>(bytes.data()), &wrong, sizeof wrong);
    EXPECT_EQ(ExtCreateRegion(nullptr, size, data), nullptr) << "a count whose byte size overflows";

    // Only the counted rectangles are read, however large the buffer.
    wrong = header;
    wrong.nCount = 1;
    std::memcpy(static_cast<void*>(bytes.data()), &wrong, sizeof wrong);
    Rgn one(ExtCreateRegion(nullptr, size, data));
    EXPECT_EQ(area(one), 2);
}

// Pixel-centre rule straight from the definition: count the edges crossing
// the horizontal line through the centre at or left of it.
bool referenceInside(const std::vector<POINT>& pts, int x, int y, int fillMode)
{
    long long cx2 = 2LL * x + 1, cy2 = 2LL * y + 1;
    int crossings = 0, winding = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        POINT a = pts[i], b = pts[(i + 1) % pts.size()];
        int dir = 1;
        if (a.y > b.y) {
            std::swap(a, b);
            dir = -1;
        }
        if (!(2LL * a.y <= cy2 && cy2 < 2LL * b.y))
            continue;
        long long dy = b.y - a.y, dx = b.x - a.x;
        // crossing x <= centre x, in half pixels times dy
        if (2LL * a.x * dy + (cy2 - 2LL * a.y) * dx <= cx2 * dy) {
            ++crossings;
            winding += dir;
        }
    }
    return fillMode == ALTERNATE ? (crossings & 1) : winding != 0;
}

TEST(PolygonRegion, MatchesTheCentreRuleOnRandomPolygons)
{
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> coord(-3, 28);
    for (int round = 0; round < 60; ++round) {
        std::vector<POINT> pts(3 + round % 7);
        for (POINT& p : pts)
            p = POINT{coord(rng), coord(rng)};
        for (int mode : {ALTERNATE, WINDING}) {
            Rgn r(CreatePolygonRgn(pts.data(), int(pts.size()), mode));
            ASSERT_NE(r.h, nullptr);
            for (int y = -4; y < 30; ++y)
                for (int x = -4; x < 30; ++x)
                    ASSERT_EQ(bool(PtInRegion(r, x, y)), referenceInside(pts, x, y, mode))
                        << "round " << round << " mode " << mode << " at " << x << "," << y;
        }
    }
}

TEST(PolygonRegion, ShapesAgreeWithGeometry)
{
    POINT square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    Rgn fromPolygon(CreatePolygonRgn(square, 4, ALTERNATE)), rect(CreateRectRgn(0, 0, 10, 10));
    EXPECT_TRUE(EqualRgn(fromPolygon, rect));
    std::reverse(std::begin(square), std::end(square));
    Rgn reversed(CreatePolygonRgn(square, 4, WINDING));
    EXPECT_TRUE(EqualRgn(reversed, rect));

    POINT triangle[] = {{5, 3}, {205, 40}, {60, 170}};
    Rgn t(CreatePolygonRgn(triangle, 3, ALTERNATE));
    double geometric = std::abs((205 - 5) * (170 - 3) - (60 - 5) * (40 - 3)) / 2.0;
    EXPECT_NEAR(double(area(t)), geometric, geometric * 0.01);

    // A five-pointed star drawn in one stroke: its middle pentagon is wound
    // twice, so only WINDING fills it.
    POINT star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    Rgn alternate(CreatePolygonRgn(star, 5, ALTERNATE)), winding(CreatePolygonRgn(star, 5, WINDING));
    EXPECT_FALSE(PtInRegion(alternate, 50, 50));
    EXPECT_TRUE(PtInRegion(winding, 50, 50));
    EXPECT_TRUE(PtInRegion(alternate, 50, 10));
    EXPECT_TRUE(PtInRegion(winding, 50, 10));

    Rgn degenerate(CreatePolygonRgn(triangle, 2, ALTERNATE));
    RECT box;
    EXPECT_EQ(GetRgnBox(degenerate, &box), NULLREGION);
    EXPECT_EQ(CreatePolygonRgn(triangle, 3, 7), nullptr);
    EXPECT_EQ(CreatePolygonRgn(nullptr, 3, ALTERNATE), nullptr);
    POINT far[] = {{0, 0}, {1 << 30, 0}, {0, 10}};
    EXPECT_EQ(CreatePolygonRgn(far, 3, ALTERNATE), nullptr) << "beyond the coordinate range";
}

TEST(CurvedRegion, EllipsesAreSymmetricAndInsideTheirBox)
{
    for (RECT box : {RECT{0, 0, 10, 10}, RECT{3, 5, 40, 17}, RECT{-7, -2, 8, 29}, RECT{0, 0, 1, 1}, RECT{0, 0, 2, 9}}) {
        Rgn e(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
        RECT bounds;
        GetRgnBox(e, &bounds);
        EXPECT_GE(bounds.left, box.left);
        EXPECT_GE(bounds.top, box.top);
        EXPECT_LE(bounds.right, box.right);
        EXPECT_LE(bounds.bottom, box.bottom);
        // The widest row and the tallest column reach the box's edges.
        EXPECT_EQ(bounds, box);
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                int mx = box.left + box.right - 1 - x, my = box.top + box.bottom - 1 - y;
                ASSERT_EQ(PtInRegion(e, x, y), PtInRegion(e, mx, y));
                ASSERT_EQ(PtInRegion(e, x, y), PtInRegion(e, x, my));
            }
        }
    }
    Rgn circle(CreateEllipticRgn(0, 0, 100, 100));
    EXPECT_NEAR(double(area(circle)), 3.14159265 * 50 * 50, 100.0);
    EXPECT_FALSE(PtInRegion(circle, 0, 0));
    EXPECT_FALSE(PtInRegion(circle, 99, 99));
    EXPECT_TRUE(PtInRegion(circle, 0, 50));
}

TEST(CurvedRegion, RoundRectanglesRoundOnlyTheirCorners)
{
    Rgn rounded(CreateRoundRectRgn(0, 0, 40, 20, 10, 8)), rect(CreateRectRgn(0, 0, 40, 20));
    EXPECT_FALSE(PtInRegion(rounded, 0, 0));
    EXPECT_FALSE(PtInRegion(rounded, 39, 19));
    EXPECT_TRUE(PtInRegion(rounded, 5, 0));
    EXPECT_TRUE(PtInRegion(rounded, 34, 19));
    EXPECT_TRUE(PtInRegion(rounded, 0, 4));
    Rgn corner(CreateEllipticRgn(0, 0, 10, 8)), topLeft(CreateRectRgn(0, 0, 5, 4)), outside(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(outside, topLeft, corner, RGN_DIFF);
    Rgn clash(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(clash, outside, rounded, RGN_AND), NULLREGION) << "the corner is the ellipse's quarter";
    CombineRgn(clash, topLeft, outside, RGN_DIFF);
    EXPECT_EQ(CombineRgn(clash, clash, rounded, RGN_DIFF), NULLREGION);
    Rgn square(CreateRoundRectRgn(0, 0, 40, 20, 0, 0));
    EXPECT_TRUE(EqualRgn(square, rect));
    Rgn whole(CreateRoundRectRgn(0, 0, 40, 20, 400, 200)), ellipse(CreateEllipticRgn(0, 0, 40, 20));
    EXPECT_TRUE(EqualRgn(whole, ellipse)) << "corner sizes are clamped to the box";
}

struct MemoryDc : brio::test::DibSurface {
    MemoryDc(int w, int h) : DibSurface(w, h, 0xFF102030u) {}
};

TEST(RegionPainting, FillAndFrameLandWhereTheRegionIs)
{
    MemoryDc m(40, 30);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    Rgn r(CreateRectRgn(2, 3, 12, 9));
    SetViewportOrgEx(m.dc, 5, 1, nullptr);
    EXPECT_TRUE(FillRgn(m.dc, r, red));
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            ASSERT_EQ(m.at(x, y), (x >= 7 && x < 17 && y >= 4 && y < 10) ? 0xFFFF0000u : 0xFF102030u)
                << x << "," << y;

    SetViewportOrgEx(m.dc, 0, 0, nullptr);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    Rgn frameArea(CreateRectRgn(20, 10, 30, 20));
    EXPECT_TRUE(FrameRgn(m.dc, frameArea, blue, 2, 1));
    for (int y = 10; y < 20; ++y) {
        for (int x = 20; x < 30; ++x) {
            bool border = x < 22 || x >= 28 || y < 11 || y >= 19;
            ASSERT_EQ(m.at(x, y), border ? 0xFF0000FFu : 0xFF102030u) << x << "," << y;
        }
    }
    EXPECT_FALSE(FillRgn(m.dc, r, nullptr));
    EXPECT_FALSE(FrameRgn(m.dc, r, blue, -1, 1));
    DeleteObject(red);
    DeleteObject(blue);
}

TEST(RegionPainting, PaintAndInvertHonourTheClip)
{
    MemoryDc m(20, 20);
    std::mt19937 rng(3);
    for (int i = 0; i < 400; ++i)
        m.bits[i] = rng() | 0xFF000000u;
    std::vector<Pixel> before(m.bits, m.bits + 400);
    IntersectClipRect(m.dc, 0, 0, 10, 20);
    Rgn r(CreateEllipticRgn(2, 2, 18, 18));
    EXPECT_TRUE(InvertRgn(m.dc, r));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            bool inverted = x < 10 && PtInRegion(r, x, y);
            Pixel expected = inverted ? (~before[y * 20 + x] | 0xFF000000u) : before[y * 20 + x];
            ASSERT_EQ(m.at(x, y), expected) << x << "," << y;
        }
    InvertRgn(m.dc, r);
    EXPECT_EQ(std::vector<Pixel>(m.bits, m.bits + 400), before);

    SelectObject(m.dc, GetStockObject(BLACK_BRUSH));
    SetROP2(m.dc, R2_XORPEN);
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    SelectObject(m.dc, white);
    EXPECT_TRUE(PaintRgn(m.dc, r));
    EXPECT_EQ(m.at(5, 10), ~before[10 * 20 + 5] | 0xFF000000u) << "PaintRgn mixes through the DC's ROP2";
    EXPECT_EQ(m.at(15, 10), before[10 * 20 + 15]);
    SelectObject(m.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(white);
}

} // namespace
