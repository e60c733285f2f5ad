#include "platform/gdi/DeviceContext.h"
#include "platform/images/PngIo.h"
#include "platform/images/StockIcons.h"

#include "tests/support/DibSurface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

constexpr Pixel kCanary = 0xFF12345Au;

struct Surface : brio::test::DibSurface {
    Surface(int w, int h, Pixel fill = kCanary) : DibSurface(w, h, fill) {}
    COLORREF color(int x, int y) const { return ColorRefFromPixel(at(x, y)); }
    // Bounding box of the pixels in `within` for which keep(pixel) holds; empty when none.
    template <class Keep>
    RECT bounds(RECT within, Keep keep) const
    {
        RECT box{within.right, within.bottom, within.left, within.top};
        for (int y = within.top; y < within.bottom; ++y)
            for (int x = within.left; x < within.right; ++x)
                if (keep(x, y))
                    box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                               std::max<LONG>(box.bottom, y + 1)};
        return box.left < box.right ? box : RECT{};
    }
    RECT boundsOfNot(Pixel fill, RECT within) const
    {
        return bounds(within, [&](int x, int y) { return at(x, y) != fill; });
    }
    RECT boundsOf(COLORREF c, RECT within) const
    {
        return bounds(within, [&](int x, int y) { return color(x, y) == c; });
    }
};

COLORREF sys(int index)
{
    return GetSysColor(index);
}

Pixel sysPixel(int index)
{
    return PixelFromColorRef(GetSysColor(index));
}

// ---- System colours ------------------------------------------------------------

TEST(SysColors, StandardSchemeAndOutOfRange)
{
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(64, 64, 64));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(COLOR_MENUBAR + 1), 0u);
    EXPECT_EQ(GetSysColorBrush(-1), nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_MENUBAR + 1), nullptr);
}

TEST(SysColors, BrushesAreMadeOnceAndSurviveDeletion)
{
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    EXPECT_NE(GetSysColorBrush(COLOR_WINDOW), face);
    EXPECT_TRUE(DeleteObject(face));
    LOGBRUSH lb{};
    ASSERT_EQ(GetObject(face, sizeof lb, &lb), int(sizeof lb));
    EXPECT_EQ(lb.lbColor, RGB(212, 208, 200));
}

TEST(SysColors, SetSysColorsChangesTableAndBrushesAllOrNothing)
{
    const COLORREF oldFace = GetSysColor(COLOR_BTNFACE);
    const COLORREF oldText = GetSysColor(COLOR_BTNTEXT);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);

    const int badIndices[] = {COLOR_BTNFACE, 99};
    const COLORREF badColors[] = {RGB(1, 2, 3), RGB(4, 5, 6)};
    EXPECT_FALSE(SetSysColors(2, badIndices, badColors));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), oldFace);
    EXPECT_FALSE(SetSysColors(1, nullptr, badColors));

    const int indices[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF colors[] = {RGB(10, 20, 30), RGB(40, 50, 60)};
    ASSERT_TRUE(SetSysColors(2, indices, colors));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(10, 20, 30));
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    LOGBRUSH lb{};
    GetObject(face, sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(10, 20, 30));
    // Drawing follows the new scheme.
    Surface s(8, 8);
    RECT r{0, 0, 8, 8};
    DrawEdge(s.dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(s.color(4, 4), RGB(10, 20, 30));

    const COLORREF restore[] = {oldFace, oldText};
    ASSERT_TRUE(SetSysColors(2, indices, restore));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), oldFace);
}

// ---- DrawEdge ------------------------------------------------------------------

struct EdgeCase {
    const char* name;
    UINT edge;
    UINT flags;
    int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight; // -1: ring absent
};

TEST(DrawEdge, ColoursOnEverySideForEachEdgeType)
{
    const EdgeCase cases[] = {
        {"raised", EDGE_RAISED, 0, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
        {"sunken", EDGE_SUNKEN, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
        {"etched", EDGE_ETCHED, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
        {"bump", EDGE_BUMP, 0, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
        {"raised soft", EDGE_RAISED, BF_SOFT, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_BTNSHADOW},
        {"sunken soft", EDGE_SUNKEN, BF_SOFT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT},
        {"flat", EDGE_SUNKEN, BF_FLAT, COLOR_BTNSHADOW, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNFACE},
        {"mono", EDGE_RAISED, BF_MONO, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME, COLOR_WINDOW, COLOR_WINDOW},
        {"single inner", BDR_RAISEDINNER, 0, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, -1, -1},
        {"single outer", BDR_SUNKENOUTER, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, -1, -1},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Surface s(20, 20);
        RECT r{2, 2, 18, 18};
        ASSERT_TRUE(DrawEdge(s.dc, &r, c.edge, BF_RECT | c.flags));
        EXPECT_EQ(r, (RECT{2, 2, 18, 18})) << "no BF_ADJUST, no change";
        EXPECT_EQ(s.color(2, 10), sys(c.outerTopLeft));
        EXPECT_EQ(s.color(10, 2), sys(c.outerTopLeft));
        EXPECT_EQ(s.color(17, 10), sys(c.outerBottomRight));
        EXPECT_EQ(s.color(10, 17), sys(c.outerBottomRight));
        // Bottom and right own the corners they share with top and left.
        EXPECT_EQ(s.color(17, 2), sys(c.outerBottomRight));
        EXPECT_EQ(s.color(2, 17), sys(c.outerBottomRight));
        if (c.innerTopLeft >= 0) {
            EXPECT_EQ(s.color(3, 10), sys(c.innerTopLeft));
            EXPECT_EQ(s.color(10, 3), sys(c.innerTopLeft));
            EXPECT_EQ(s.color(16, 10), sys(c.innerBottomRight));
            EXPECT_EQ(s.color(10, 16), sys(c.innerBottomRight));
            EXPECT_EQ(s.at(4, 10), kCanary);
        } else {
            EXPECT_EQ(s.at(3, 10), kCanary);
        }
        EXPECT_EQ(s.boundsOfNot(kCanary, RECT{0, 0, 20, 20}), (RECT{2, 2, 18, 18}));
        EXPECT_EQ(s.at(10, 10), kCanary) << "no BF_MIDDLE, no fill";
    }
}

TEST(DrawEdge, AdjustShrinksByTheDrawnWidthOnDrawnSides)
{
    Surface s(20, 20);
    RECT r{2, 2, 18, 18};
    DrawEdge(s.dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, (RECT{4, 4, 16, 16}));
    r = RECT{2, 2, 18, 18};
    DrawEdge(s.dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, (RECT{3, 3, 17, 17}));
    r = RECT{2, 2, 18, 18};
    DrawEdge(s.dc, &r, EDGE_RAISED, BF_TOPLEFT | BF_ADJUST);
    EXPECT_EQ(r, (RECT{4, 4, 18, 18}));
    // Wider borders than the rectangle leave an empty, not an inverted, rectangle.
    r = RECT{5, 5, 8, 6};
    DrawEdge(s.dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    EXPECT_LE(r.left, r.right);
    EXPECT_LE(r.top, r.bottom);
    EXPECT_EQ(s.boundsOfNot(kCanary, RECT{0, 0, 20, 20}).bottom, 18);
}

TEST(DrawEdge, MiddleSidesAndBadInput)
{
    Surface s(20, 20);
    RECT r{2, 2, 18, 18};
    DrawEdge(s.dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(s.color(4, 4), sys(COLOR_BTNFACE));
    EXPECT_EQ(s.color(15, 15), sys(COLOR_BTNFACE));
    EXPECT_EQ(s.at(1, 1), kCanary);

    Surface mono(20, 20);
    DrawEdge(mono.dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_MONO);
    EXPECT_EQ(mono.color(10, 10), sys(COLOR_WINDOW));

    Surface left(20, 20);
    DrawEdge(left.dc, &r, EDGE_SUNKEN, BF_LEFT);
    EXPECT_EQ(left.boundsOfNot(kCanary, RECT{0, 0, 20, 20}), (RECT{2, 2, 4, 18}));

    Surface empty(20, 20);
    RECT inverted{18, 18, 2, 2};
    EXPECT_TRUE(DrawEdge(empty.dc, &inverted, EDGE_RAISED, BF_RECT | BF_MIDDLE));
    EXPECT_FALSE(DrawEdge(empty.dc, nullptr, EDGE_RAISED, BF_RECT));
    EXPECT_FALSE(DrawEdge(nullptr, &r, EDGE_RAISED, BF_RECT));
    EXPECT_EQ(empty.boundsOfNot(kCanary, RECT{0, 0, 20, 20}), RECT{});
}

TEST(DrawEdge, HonoursOriginAndClip)
{
    Surface s(20, 20);
    SetViewportOrgEx(s.dc, 3, 4, nullptr);
    IntersectClipRect(s.dc, 0, 0, 5, 20); // logical, before the origin moved it
    RECT r{0, 0, 10, 10};
    DrawEdge(s.dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(s.color(3, 4), sys(COLOR_3DLIGHT));
    EXPECT_EQ(s.boundsOfNot(kCanary, RECT{0, 0, 20, 20}), (RECT{3, 4, 8, 14}));
}

TEST(DrawEdge, DiagonalStaysInsideItsRectangle)
{
    Surface s(20, 20);
    RECT r{4, 4, 14, 14};
    EXPECT_TRUE(DrawEdge(s.dc, &r, EDGE_RAISED, BF_DIAGONAL | BF_TOP | BF_RIGHT));
    EXPECT_EQ(s.color(4, 13), sys(COLOR_3DLIGHT)); // starts bottom-left
    EXPECT_EQ(s.color(13, 4), sys(COLOR_3DLIGHT)); // ends top-right
    RECT drawn = s.boundsOfNot(kCanary, RECT{0, 0, 20, 20});
    EXPECT_GE(drawn.left, 4);
    EXPECT_LE(drawn.right, 14);
    EXPECT_GE(drawn.top, 4);
    EXPECT_LE(drawn.bottom, 14);
}

// ---- DrawFrameControl ----------------------------------------------------------

struct FrameCase {
    UINT type;
    UINT state;
};

const FrameCase kEveryControl[] = {
    {DFC_BUTTON, DFCS_BUTTONPUSH},      {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED},
    {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED}, {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED},
    {DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED}, {DFC_CAPTION, DFCS_CAPTIONCLOSE},
    {DFC_CAPTION, DFCS_CAPTIONHELP | DFCS_INACTIVE}, {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED},
    {DFC_SCROLL, DFCS_SCROLLSIZEGRIP},  {DFC_MENU, DFCS_MENUCHECK},
};

TEST(DrawFrameControl, LeavesTheDcStateAlone)
{
    Surface s(32, 32);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(4, 5, 6));
    SelectObject(s.dc, brush);
    SelectObject(s.dc, pen);
    SetROP2(s.dc, R2_NOT);
    SetBkMode(s.dc, TRANSPARENT);
    SetBkColor(s.dc, RGB(7, 8, 9));
    SetTextColor(s.dc, RGB(10, 11, 12));
    const int depth = SaveDC(s.dc);
    for (const FrameCase& c : kEveryControl) {
        RECT r{0, 0, 16, 16};
        EXPECT_TRUE(DrawFrameControl(s.dc, &r, c.type, c.state));
    }
    EXPECT_EQ(GetCurrentObject(s.dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(s.dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(s.dc, OBJ_BITMAP), s.bitmap);
    EXPECT_EQ(GetROP2(s.dc), R2_NOT);
    EXPECT_EQ(GetBkMode(s.dc), TRANSPARENT);
    EXPECT_EQ(GetBkColor(s.dc), RGB(7, 8, 9));
    EXPECT_EQ(GetTextColor(s.dc), RGB(10, 11, 12));
    EXPECT_EQ(SaveDC(s.dc), depth + 1) << "no saved state left behind";
    // The DC's inverting mode did not reach the drawing: the last control
    // drew a plain white menu background.
    EXPECT_EQ(s.color(0, 0), RGB(255, 255, 255));
    SelectObject(s.dc, GetStockObject(WHITE_BRUSH));
    SelectObject(s.dc, GetStockObject(BLACK_PEN));
    DeleteObject(brush);
    DeleteObject(pen);
}

TEST(DrawFrameControl, CheckedBoxDiffersOnlyInsideTheBox)
{
    for (UINT kind : {DFCS_BUTTONCHECK, DFCS_BUTTON3STATE}) {
        Surface unchecked(21, 17), checked(21, 17);
        RECT r{0, 0, 21, 17};
        DrawFrameControl(unchecked.dc, &r, DFC_BUTTON, kind);
        DrawFrameControl(checked.dc, &r, DFC_BUTTON, kind | DFCS_CHECKED);
        // A 17-pixel box centred in the rectangle; its two-pixel border is the same.
        EXPECT_EQ(unchecked.boundsOfNot(kCanary, r), (RECT{2, 0, 19, 17}));
        RECT differences = checked.bounds(r, [&](int x, int y) { return checked.at(x, y) != unchecked.at(x, y); });
        ASSERT_LT(differences.left, differences.right) << "the check mark shows";
        EXPECT_GE(differences.left, 4);
        EXPECT_GE(differences.top, 2);
        EXPECT_LE(differences.right, 17);
        EXPECT_LE(differences.bottom, 15);
        const COLORREF mark = kind == DFCS_BUTTON3STATE ? sys(COLOR_BTNSHADOW) : sys(COLOR_BTNTEXT);
        EXPECT_NE(checked.boundsOf(mark, RECT{4, 2, 17, 15}), RECT{});
    }
}

TEST(DrawFrameControl, CheckMarkAtDefaultSizeIsTheClassicShape)
{
    Surface s(13, 13);
    RECT r{0, 0, 13, 13};
    DrawFrameControl(s.dc, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    const char* expected[] = {
        "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
    };
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(s.color(3 + x, 3 + y) == sys(COLOR_BTNTEXT), expected[y][x] == '#') << x << "," << y;
    EXPECT_EQ(s.color(2, 2), sys(COLOR_WINDOW));
    EXPECT_EQ(s.color(0, 0), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(s.color(1, 1), sys(COLOR_3DDKSHADOW));
}

TEST(DrawFrameControl, PushedCaptionButtonIsSunkenWithGlyphOffset)
{
    for (UINT kind : {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONHELP}) {
        SCOPED_TRACE(kind);
        Surface up(16, 14), down(16, 14);
        RECT r{0, 0, 16, 14};
        DrawFrameControl(up.dc, &r, DFC_CAPTION, kind);
        DrawFrameControl(down.dc, &r, DFC_CAPTION, kind | DFCS_PUSHED);
        const RECT inside{2, 2, 14, 12};
        RECT glyphUp = up.boundsOf(sys(COLOR_BTNTEXT), inside);
        RECT glyphDown = down.boundsOf(sys(COLOR_BTNTEXT), inside);
        ASSERT_NE(glyphUp, RECT{});
        EXPECT_EQ(glyphDown, (RECT{glyphUp.left + 1, glyphUp.top + 1, glyphUp.right + 1, glyphUp.bottom + 1}));
        EXPECT_EQ(up.color(0, 0), sys(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(up.color(15, 13), sys(COLOR_3DDKSHADOW));
        EXPECT_EQ(down.color(0, 0), sys(COLOR_3DDKSHADOW));
        EXPECT_EQ(down.color(15, 13), sys(COLOR_BTNHIGHLIGHT));
    }
}

TEST(DrawFrameControl, InactiveGlyphIsEmbossedAndGlyphsScale)
{
    Surface s(16, 14);
    RECT r{0, 0, 16, 14};
    DrawFrameControl(s.dc, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_INACTIVE);
    const RECT inside{2, 2, 14, 12};
    EXPECT_EQ(s.boundsOf(sys(COLOR_BTNTEXT), inside), RECT{});
    RECT shadow = s.boundsOf(sys(COLOR_BTNSHADOW), inside);
    RECT light = s.boundsOf(sys(COLOR_BTNHIGHLIGHT), inside);
    EXPECT_EQ(light.right, shadow.right + 1);
    EXPECT_EQ(light.bottom, shadow.bottom + 1);

    Surface small(16, 14), large(32, 28);
    RECT smallRect{0, 0, 16, 14}, largeRect{0, 0, 32, 28};
    DrawFrameControl(small.dc, &smallRect, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    DrawFrameControl(large.dc, &largeRect, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    RECT smallGlyph = small.boundsOf(sys(COLOR_BTNTEXT), smallRect);
    RECT largeGlyph = large.boundsOf(sys(COLOR_BTNTEXT), RECT{2, 2, 30, 26});
    EXPECT_EQ(smallGlyph, (RECT{4, 3, 12, 10}));
    EXPECT_GE(largeGlyph.right - largeGlyph.left, 2 * (smallGlyph.right - smallGlyph.left) - 1);
    EXPECT_EQ(large.boundsOf(sys(COLOR_BTNTEXT), largeRect), largeGlyph) << "glyph stays off the border";
}

TEST(DrawFrameControl, ScrollArrowsPointTheRightWay)
{
    struct {
        UINT kind;
        int dx, dy; // from the wide end to the tip
    } arrows[] = {{DFCS_SCROLLUP, 0, -1}, {DFCS_SCROLLDOWN, 0, 1}, {DFCS_SCROLLLEFT, -1, 0}, {DFCS_SCROLLRIGHT, 1, 0}};
    for (const auto& a : arrows) {
        SCOPED_TRACE(a.kind);
        Surface s(16, 16);
        RECT r{0, 0, 16, 16};
        DrawFrameControl(s.dc, &r, DFC_SCROLL, a.kind);
        RECT glyph = s.boundsOf(sys(COLOR_BTNTEXT), r);
        ASSERT_NE(glyph, RECT{});
        // Count glyph pixels on the first and last line across the pointing direction.
        auto lineCount = [&](bool first) {
            int n = 0;
            if (a.dx == 0) {
                int y = (first == (a.dy > 0)) ? glyph.top : glyph.bottom - 1;
                for (int x = glyph.left; x < glyph.right; ++x)
                    n += s.color(x, y) == sys(COLOR_BTNTEXT);
            } else {
                int x = (first == (a.dx > 0)) ? glyph.left : glyph.right - 1;
                for (int y = glyph.top; y < glyph.bottom; ++y)
                    n += s.color(x, y) == sys(COLOR_BTNTEXT);
            }
            return n;
        };
        EXPECT_EQ(lineCount(true), 7) << "wide end";
        EXPECT_EQ(lineCount(false), 1) << "tip";
    }
}

TEST(DrawFrameControl, MenuMarksAreBlackOnWhiteAndUnknownKindsDrawNothing)
{
    for (UINT kind : {DFCS_MENUARROW, DFCS_MENUCHECK, DFCS_MENUBULLET, DFCS_MENUARROWRIGHT}) {
        Surface s(13, 13);
        RECT r{0, 0, 13, 13};
        ASSERT_TRUE(DrawFrameControl(s.dc, &r, DFC_MENU, kind));
        std::set<Pixel> colours(s.bits, s.bits + 13 * 13);
        EXPECT_EQ(colours, (std::set<Pixel>{0xFF000000u, 0xFFFFFFFFu}));
    }
    Surface s(13, 13);
    RECT r{0, 0, 13, 13};
    EXPECT_FALSE(DrawFrameControl(s.dc, &r, DFC_MENU, 7));
    EXPECT_FALSE(DrawFrameControl(s.dc, &r, DFC_SCROLL, 4));
    EXPECT_FALSE(DrawFrameControl(s.dc, &r, DFC_BUTTON, 3));
    EXPECT_FALSE(DrawFrameControl(s.dc, &r, DFC_CAPTION, 5));
    EXPECT_FALSE(DrawFrameControl(s.dc, &r, 9, 0));
    EXPECT_FALSE(DrawFrameControl(s.dc, nullptr, DFC_MENU, 0));
    EXPECT_EQ(s.boundsOfNot(kCanary, r), RECT{});
}

TEST(DrawFrameControl, RadioButtonStaysRoundAndAdjustRectShrinks)
{
    Surface s(12, 12);
    RECT r{0, 0, 12, 12};
    DrawFrameControl(s.dc, &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    for (POINT corner : {POINT{0, 0}, POINT{11, 0}, POINT{0, 11}, POINT{11, 11}})
        EXPECT_EQ(s.at(corner.x, corner.y), kCanary);
    EXPECT_EQ(s.color(5, 5), sys(COLOR_BTNTEXT));
    EXPECT_EQ(s.color(5, 0), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(s.color(11, 5), sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(s.color(3, 3), sys(COLOR_WINDOW));

    RECT push{0, 0, 12, 12};
    DrawFrameControl(s.dc, &push, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    EXPECT_EQ(push, (RECT{2, 2, 10, 10}));
}

// ---- Icons ---------------------------------------------------------------------

TEST(Icons, StockIconsAreSharedAndSurviveDestroy)
{
    HICON hand = LoadIcon(nullptr, IDI_HAND);
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(LoadIcon(nullptr, IDI_ERROR), hand);
    EXPECT_NE(LoadIcon(nullptr, IDI_QUESTION), hand);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(1)), nullptr);
    EXPECT_EQ(LoadIcon(nullptr, "APPICON"), nullptr);
    const int live = GdiObjectCount();
    EXPECT_TRUE(DestroyIcon(hand));
    EXPECT_EQ(GdiObjectCount(), live);
    Surface s(32, 32, 0xFFFFFFFFu);
    EXPECT_TRUE(DrawIcon(s.dc, 0, 0, hand));
    EXPECT_NE(s.color(16, 8), RGB(255, 255, 255)); // red above the white cross
    EXPECT_FALSE(DestroyIcon(nullptr));
}

TEST(Icons, StockArtIsAntiAliasedWithTransparentCorners)
{
    for (LPCSTR id : {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
        for (int size : {16, 32}) {
            PixelBufferPtr image = RenderStockIcon(int(reinterpret_cast<std::uintptr_t>(id)), size);
            ASSERT_TRUE(image);
            EXPECT_EQ(image->width(), size);
            EXPECT_EQ(image->at(0, 0) >> 24, 0u);
            int partial = 0, opaque = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    Pixel a = image->at(x, y) >> 24;
                    partial += a > 0 && a < 255;
                    opaque += a == 255;
                }
            EXPECT_GT(partial, 0);
            EXPECT_GT(opaque, size * size / 3);
        }
    }
}

TEST(Icons, DrawIconExStaysInsideItsRectangleAtEverySize)
{
    HICON icon = LoadIcon(nullptr, IDI_EXCLAMATION);
    for (int size : {16, 32, 24, 48, 7}) {
        SCOPED_TRACE(size);
        Surface s(64, 64);
        ASSERT_TRUE(DrawIconEx(s.dc, 5, 6, icon, size, size, 0, nullptr, DI_NORMAL));
        RECT drawn = s.boundsOfNot(kCanary, RECT{0, 0, 64, 64});
        ASSERT_NE(drawn, RECT{});
        EXPECT_GE(drawn.left, 5);
        EXPECT_GE(drawn.top, 6);
        EXPECT_LE(drawn.right, 5 + size);
        EXPECT_LE(drawn.bottom, 6 + size);
    }
    // Sizes 0 take the icon's own size, or the default with DI_DEFAULTSIZE.
    Surface s(64, 64, 0xFFFFFFFFu);
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    DrawIconEx(s.dc, 0, 0, icon, 0, 0, 0, black, DI_NORMAL);
    EXPECT_EQ(s.boundsOfNot(0xFFFFFFFFu, RECT{0, 0, 64, 64}), (RECT{0, 0, 32, 32}));
    EXPECT_FALSE(DrawIconEx(s.dc, 0, 0, icon, -1, 16, 0, nullptr, DI_NORMAL));
    EXPECT_FALSE(DrawIconEx(s.dc, 0, 0, icon, 16, 16, 0, nullptr, 0));
}

TEST(Icons, DrawIconExPicksTheNearestStoredSizeAndBlends)
{
    HICON icon = LoadIcon(nullptr, IDI_ASTERISK);
    PixelBufferPtr small = RenderStockIcon(int(reinterpret_cast<std::uintptr_t>(IDI_ASTERISK)), 16);
    Surface s(16, 16, 0xFFFFFFFFu);
    SetViewportOrgEx(s.dc, -2, 0, nullptr);
    DrawIconEx(s.dc, 2, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            Pixel src = small->at(x, y);
            Pixel a = src >> 24;
            Pixel expectedRed = (a * ((src >> 16) & 0xFF) + (255 - a) * 255 + 127) / 255;
            ASSERT_EQ((s.at(x, y) >> 16) & 0xFF, expectedRed) << x << "," << y;
            ASSERT_EQ(s.at(x, y) >> 24, 0xFFu);
        }
}

TEST(Icons, CreateIconIndirectWithAMaskAndRoundTrip)
{
    // Colour: red with no alpha; mask: left half black (opaque), right half white.
    Surface color(4, 2, 0x00FF0000u), mask(4, 2, 0xFF000000u);
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x)
            mask.bits[y * 4 + x] = 0xFFFFFFFFu;
    ICONINFO info;
    info.hbmColor = color.bitmap;
    info.hbmMask = mask.bitmap;
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);

    Surface s(4, 2, 0xFF0000FFu);
    EXPECT_TRUE(DrawIconEx(s.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(s.at(0, 0), 0xFFFF0000u);
    EXPECT_EQ(s.at(3, 1), 0xFF0000FFu);

    // DI_MASK darkens only the opaque part; DI_IMAGE copies colour everywhere.
    Surface maskOnly(4, 2, 0xFF808080u), imageOnly(4, 2, 0xFF808080u);
    DrawIconEx(maskOnly.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_MASK);
    EXPECT_EQ(maskOnly.at(0, 0), 0xFF000000u);
    EXPECT_EQ(maskOnly.at(3, 0), 0xFF808080u);
    DrawIconEx(imageOnly.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_IMAGE);
    EXPECT_EQ(imageOnly.at(3, 0), 0xFFFF0000u);

    ICONINFO back;
    ASSERT_TRUE(GetIconInfo(icon, &back));
    HICON again = CreateIconIndirect(&back);
    HICON copy = CopyIcon(icon);
    EXPECT_TRUE(DestroyIcon(icon));
    for (HICON h : {again, copy}) {
        Surface t(4, 2, 0xFF0000FFu);
        EXPECT_TRUE(DrawIconEx(t.dc, 0, 0, h, 0, 0, 0, nullptr, DI_NORMAL));
        EXPECT_EQ(t.at(1, 1), 0xFFFF0000u);
        EXPECT_EQ(t.at(2, 1), 0xFF0000FFu);
        EXPECT_TRUE(DestroyIcon(h));
    }
    EXPECT_FALSE(DrawIconEx(s.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL)) << "destroyed";
    DeleteObject(back.hbmColor);
    DeleteObject(back.hbmMask);

    // A mask smaller than the colour bitmap is refused.
    Surface tiny(2, 2);
    info.hbmMask = tiny.bitmap;
    EXPECT_EQ(CreateIconIndirect(&info), nullptr);
    EXPECT_EQ(CreateIconIndirect(nullptr), nullptr);
}

TEST(Icons, CreateIconIndirectUsesColourAlphaWithoutAMask)
{
    Surface color(2, 1, 0x8000FF00u);
    ICONINFO info;
    info.hbmColor = color.bitmap;
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    Surface s(2, 1, 0xFF000000u);
    DrawIconEx(s.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(s.at(0, 0), 0xFF008000u);
    DestroyIcon(icon);
}

// ---- Gallery -------------------------------------------------------------------

TEST(ChromeGallery, WritesEveryEdgeControlAndIcon)
{
    Surface s(500, 250, sysPixel(COLOR_BTNFACE));
    const UINT edges[] = {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP, BDR_RAISEDINNER, BDR_SUNKENOUTER};
    const UINT edgeStyles[] = {0, BF_SOFT, BF_FLAT, BF_MONO};
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 4; ++j) {
            RECT r{8 + 38 * i, 8 + 26 * j, 38 + 38 * i, 30 + 26 * j};
            DrawEdge(s.dc, &r, edges[i], BF_RECT | BF_MIDDLE | edgeStyles[j]);
        }
    RECT rising{236, 8, 258, 30}, falling{236, 36, 258, 58};
    DrawEdge(s.dc, &rising, EDGE_RAISED, BF_DIAGONAL | BF_TOP | BF_RIGHT);
    DrawEdge(s.dc, &falling, EDGE_SUNKEN, BF_DIAGONAL | BF_BOTTOM | BF_RIGHT);

    int x = 8, y = 118;
    // One control kind in several states, left to right.
    auto strip = [&](UINT type, UINT kind, std::initializer_list<UINT> states, int width, int height) {
        for (UINT state : states) {
            RECT r{x, y, x + width, y + height};
            DrawFrameControl(s.dc, &r, type, kind | state);
            x += width + 3;
        }
    };
    auto nextRow = [&](int height) {
        x = 8;
        y += height;
    };
    const auto every = {0u, UINT(DFCS_PUSHED), UINT(DFCS_CHECKED), UINT(DFCS_INACTIVE), UINT(DFCS_FLAT), UINT(DFCS_MONO),
                        UINT(DFCS_CHECKED | DFCS_INACTIVE)};
    strip(DFC_BUTTON, DFCS_BUTTONCHECK, every, 13, 13);
    strip(DFC_BUTTON, DFCS_BUTTONRADIO, every, 13, 13);
    strip(DFC_BUTTON, DFCS_BUTTON3STATE, {0u, UINT(DFCS_CHECKED), UINT(DFCS_CHECKED | DFCS_INACTIVE)}, 13, 13);
    nextRow(18);
    strip(DFC_BUTTON, DFCS_BUTTONPUSH, every, 24, 16);
    for (UINT kind : {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT, DFCS_SCROLLCOMBOBOX})
        strip(DFC_SCROLL, kind, {0u, UINT(DFCS_PUSHED), UINT(DFCS_INACTIVE)}, 16, 16);
    nextRow(20);
    strip(DFC_CAPTION, DFCS_CAPTIONCLOSE, every, 16, 14);
    strip(DFC_CAPTION, DFCS_CAPTIONMIN, every, 16, 14);
    strip(DFC_CAPTION, DFCS_CAPTIONMAX, every, 16, 14);
    nextRow(18);
    strip(DFC_CAPTION, DFCS_CAPTIONRESTORE, every, 16, 14);
    strip(DFC_CAPTION, DFCS_CAPTIONHELP, every, 16, 14);
    nextRow(20);
    for (UINT kind : {DFCS_MENUARROW, DFCS_MENUCHECK, DFCS_MENUBULLET, DFCS_MENUARROWRIGHT})
        strip(DFC_MENU, kind, {0u}, 13, 13);
    strip(DFC_SCROLL, DFCS_SCROLLSIZEGRIP, {0u}, 16, 16);
    nextRow(22);
    // Larger than default: glyphs scale with the rectangle.
    strip(DFC_CAPTION, DFCS_CAPTIONCLOSE, {0u}, 32, 28);
    strip(DFC_CAPTION, DFCS_CAPTIONRESTORE, {UINT(DFCS_PUSHED)}, 32, 28);
    strip(DFC_BUTTON, DFCS_BUTTONCHECK, {UINT(DFCS_CHECKED)}, 22, 22);
    strip(DFC_BUTTON, DFCS_BUTTONRADIO, {UINT(DFCS_CHECKED)}, 22, 22);
    strip(DFC_SCROLL, DFCS_SCROLLRIGHT, {0u}, 28, 28);
    strip(DFC_SCROLL, DFCS_SCROLLSIZEGRIP, {0u}, 28, 28);

    int left = 270;
    for (LPCSTR id : {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
        HICON icon = LoadIcon(nullptr, id);
        DrawIconEx(s.dc, left, 8, icon, 32, 32, 0, nullptr, DI_NORMAL);
        DrawIconEx(s.dc, left + 8, 46, icon, 16, 16, 0, nullptr, DI_NORMAL);
        DrawIconEx(s.dc, left, 68, icon, 0, 0, 0, GetSysColorBrush(COLOR_WINDOW), DI_NORMAL);
        left += 38;
    }
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    PixelBuffer view(s.width, s.height, s.bits, s.width);
    WritePng(view, std::string(BRIO_TEST_OUTPUT_DIR) + "/chrome-gallery.png", true);
}

} // namespace
