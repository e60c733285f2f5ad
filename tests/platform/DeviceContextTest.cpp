#include "platform/gdi/DeviceContext.h"

#include "tests/support/DibSurface.h"

#include <gtest/gtest.h>

namespace {

using MemoryDc = brio::test::DibSurface;

TEST(DeviceContext, FillRectHonoursOriginsAndClip)
{
    MemoryDc m(8, 8);
    // Smoke check of the transform and clip until FillRect lands.
    SetViewportOrgEx(m.dc, 2, 1, nullptr);
    IntersectClipRect(m.dc, 0, 0, 3, 3);
    RECT box;
    EXPECT_EQ(GetClipBox(m.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 3, 3}));
}

TEST(DeviceContext, OriginsMapPointsBothWaysAndPlaceThePixels)
{
    MemoryDc m(20, 20);
    SetViewportOrgEx(m.dc, 2, 1, nullptr);
    SetWindowOrgEx(m.dc, 5, 5, nullptr);
    POINT previous{};
    EXPECT_TRUE(OffsetWindowOrgEx(m.dc, -1, 2, &previous));
    EXPECT_EQ(previous, (POINT{5, 5}));
    POINT viewport{}, window{};
    EXPECT_TRUE(GetViewportOrgEx(m.dc, &viewport));
    EXPECT_TRUE(GetWindowOrgEx(m.dc, &window));
    EXPECT_EQ(viewport, (POINT{2, 1}));
    EXPECT_EQ(window, (POINT{4, 7}));

    // Logical (x, y) is device (x - 4 + 2, y - 7 + 1).
    POINT points[2] = {{4, 7}, {10, 10}};
    EXPECT_TRUE(LPtoDP(m.dc, points, 2));
    EXPECT_EQ(points[0], (POINT{2, 1}));
    EXPECT_EQ(points[1], (POINT{8, 4}));
    EXPECT_TRUE(DPtoLP(m.dc, points, 2));
    EXPECT_EQ(points[1], (POINT{10, 10}));
    SetPixel(m.dc, 10, 10, RGB(255, 0, 0));
    GdiFlush();
    EXPECT_EQ(m.bits[4 * 20 + 8] & 0xFFFFFF, 0xFF0000u) << "the pixel lands where LPtoDP said";

    EXPECT_FALSE(LPtoDP(nullptr, points, 2));
    EXPECT_FALSE(GetWindowOrgEx(nullptr, &window));
}

TEST(DeviceContext, ClipRegionReadsBackMovesAndAnswersPoints)
{
    MemoryDc m(20, 20);
    HRGN copy = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(GetClipRgn(m.dc, copy), 0) << "no clip region yet";
    SetViewportOrgEx(m.dc, 1, 1, nullptr);
    IntersectClipRect(m.dc, 1, 1, 5, 5);
    ASSERT_EQ(GetClipRgn(m.dc, copy), 1);
    RECT box;
    GetRgnBox(copy, &box);
    EXPECT_EQ(box, (RECT{2, 2, 6, 6})) << "the region comes back in device units";
    EXPECT_TRUE(PtVisible(m.dc, 1, 1));
    EXPECT_FALSE(PtVisible(m.dc, 5, 5));

    EXPECT_EQ(OffsetClipRgn(m.dc, 3, 1), SIMPLEREGION);
    GetClipBox(m.dc, &box);
    EXPECT_EQ(box, (RECT{4, 2, 8, 6}));
    EXPECT_FALSE(PtVisible(m.dc, 1, 1));
    EXPECT_TRUE(PtVisible(m.dc, 7, 5));
    // Drawing follows the moved clip.
    RECT all{-5, -5, 30, 30};
    FillRect(m.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    GdiFlush();
    int painted = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if ((m.bits[y * 20 + x] & 0xFFFFFF) == 0xFFFFFF) {
                ++painted;
                EXPECT_TRUE(x >= 5 && x < 9 && y >= 3 && y < 7) << x << "," << y;
            }
    EXPECT_EQ(painted, 16);

    EXPECT_EQ(GetClipRgn(m.dc, nullptr), -1);
    EXPECT_EQ(OffsetClipRgn(nullptr, 1, 1), ERROR);
    DeleteObject(copy);
}

TEST(DeviceContext, RestoreBringsBackBrushOriginStretchModeAndTextAlignment)
{
    MemoryDc m(4, 4);
    SetBrushOrgEx(m.dc, 3, 4, nullptr);
    SetStretchBltMode(m.dc, HALFTONE);
    SetTextAlign(m.dc, TA_RIGHT | TA_BOTTOM);
    int saved = SaveDC(m.dc);
    SetBrushOrgEx(m.dc, 7, 1, nullptr);
    SetStretchBltMode(m.dc, COLORONCOLOR);
    SetTextAlign(m.dc, TA_CENTER | TA_BASELINE);
    POINT origin{};
    EXPECT_TRUE(GetBrushOrgEx(m.dc, &origin));
    EXPECT_EQ(origin, (POINT{7, 1}));
    EXPECT_EQ(GetStretchBltMode(m.dc), COLORONCOLOR);
    EXPECT_EQ(GetTextAlign(m.dc), UINT(TA_CENTER | TA_BASELINE));
    RestoreDC(m.dc, saved);
    GetBrushOrgEx(m.dc, &origin);
    EXPECT_EQ(origin, (POINT{3, 4}));
    EXPECT_EQ(GetStretchBltMode(m.dc), HALFTONE);
    EXPECT_EQ(GetTextAlign(m.dc), UINT(TA_RIGHT | TA_BOTTOM));
    EXPECT_FALSE(GetBrushOrgEx(nullptr, &origin));
    EXPECT_EQ(GetStretchBltMode(nullptr), 0);
}

TEST(DeviceContext, DcPenDrawsInTheColourOfTheMoment)
{
    MemoryDc m(6, 2);
    HGDIOBJ old = SelectObject(m.dc, GetStockObject(DC_PEN));
    EXPECT_EQ(SetDCPenColor(m.dc, RGB(255, 0, 0)), RGB(0, 0, 0));
    MoveToEx(m.dc, 0, 0, nullptr);
    LineTo(m.dc, 6, 0);
    EXPECT_EQ(SetDCPenColor(m.dc, RGB(0, 0, 255)), RGB(255, 0, 0));
    MoveToEx(m.dc, 0, 1, nullptr);
    LineTo(m.dc, 6, 1);
    GdiFlush();
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(m.bits[x] & 0xFFFFFF, 0xFF0000u) << x;
        EXPECT_EQ(m.bits[6 + x] & 0xFFFFFF, 0x0000FFu) << x;
    }
    SelectObject(m.dc, old);
    EXPECT_EQ(SetDCPenColor(nullptr, RGB(1, 2, 3)), CLR_INVALID);
}

} // namespace
