// The scope types above the drawing API: every exit puts the DC back as it
// was, and nothing they make outlives them.

#include "platform/gdi/DcStateSaver.h"
#include "platform/gdi/GdiObjectOwner.h"
#include "platform/gdi/MeasuringDc.h"
#include "platform/gdi/MemoryDib.h"
#include "platform/gdi/ScopedSelection.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using brio::DcStateSaver;
using brio::GdiObjectOwner;
using brio::MeasuringDc;
using brio::MemoryDib;
using brio::ScopedSelection;

// Stock objects are made on first use; make them before counting.
int liveObjects()
{
    GetStockObject(WHITE_BRUSH);
    return GdiObjectCount();
}

HFONT testFont(int height)
{
    LOGFONT lf;
    lf.lfHeight = -height;
    std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", "DejaVu Sans");
    return CreateFontIndirect(&lf);
}

TEST(MemoryDib, DrawsIntoItsOwnPixelsAndReleasesEverything)
{
    const int live = liveObjects();
    {
        MemoryDib dib(5, 3);
        ASSERT_FALSE(dib.empty());
        EXPECT_EQ(dib.width(), 5);
        EXPECT_EQ(dib.height(), 3);
        EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_BITMAP), dib.bitmap());
        EXPECT_EQ(dib.row(2)[4], 0u) << "cleared";
        SetPixelV(dib.dc(), 4, 2, RGB(10, 20, 30));
        EXPECT_EQ(dib.row(2)[4] & 0xFFFFFFu, 0x0A141Eu) << "top-down rows, the DC draws into bits()";
        EXPECT_GT(GdiObjectCount(), live);
    }
    EXPECT_EQ(GdiObjectCount(), live);
}

TEST(MemoryDib, MovesOwnershipAndRefusesBadSizesWhole)
{
    const int live = liveObjects();
    {
        MemoryDib a(4, 4, MemoryDib::Fill::Unfilled);
        ASSERT_TRUE(a);
        HDC dc = a.dc();
        MemoryDib b(std::move(a));
        EXPECT_TRUE(a.empty());
        EXPECT_EQ(b.dc(), dc);
        MemoryDib c(2, 2);
        c = std::move(b); // c's own DIB goes here
        EXPECT_EQ(c.dc(), dc);
        EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
        for (auto [w, h] : {std::pair{0, 4}, {4, 0}, {-3, 4}, {4, -3}}) {
            MemoryDib bad(w, h);
            EXPECT_TRUE(bad.empty()) << w << " x " << h;
            EXPECT_EQ(bad.bits(), nullptr);
        }
        c.reset();
        EXPECT_EQ(GetObjectType(dc), 0u) << "the DC is gone with reset";
    }
    EXPECT_EQ(GdiObjectCount(), live);
}

TEST(DcStateSaver, RestoresTheStateOnEveryExit)
{
    MemoryDib dib(8, 8);
    HDC dc = dib.dc();
    const int depth = SaveDC(dc);
    RestoreDC(dc, depth);
    auto changeEverything = [&] {
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkMode(dc, TRANSPARENT);
        SetViewportOrgEx(dc, 3, 4, nullptr);
        IntersectClipRect(dc, 0, 0, 2, 2);
        SelectObject(dc, GetStockObject(BLACK_BRUSH));
    };
    auto expectUntouched = [&] {
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
        EXPECT_EQ(GetBkMode(dc), OPAQUE);
        POINT origin{};
        GetViewportOrgEx(dc, &origin);
        EXPECT_EQ(origin, (POINT{0, 0}));
        GdiObjectOwner<HRGN> clip(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(GetClipRgn(dc, clip.get()), 0) << "no clip left selected";
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
        EXPECT_EQ(SaveDC(dc), depth) << "no saved state left behind";
        RestoreDC(dc, depth);
    };
    {
        DcStateSaver saved(dc);
        changeEverything();
    }
    expectUntouched();
    EXPECT_THROW(
        {
            DcStateSaver saved(dc);
            changeEverything();
            throw std::runtime_error("painting failed");
        },
        std::runtime_error);
    expectUntouched();
    DcStateSaver nothing(nullptr); // no DC: nothing to save or restore
}

TEST(ScopedSelection, PutsThePreviousObjectBackBeforeTheOwnerDeletesIt)
{
    MemoryDib dib(4, 4);
    HDC dc = dib.dc();
    const HGDIOBJ stockPen = GetCurrentObject(dc, OBJ_PEN);
    const int live = liveObjects();
    {
        GdiObjectOwner<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
        ScopedSelection selectPen(dc, pen.get());
        EXPECT_TRUE(selectPen.selected());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get());
        {
            ScopedSelection inner(dc, GetStockObject(WHITE_PEN));
            EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(WHITE_PEN));
        }
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get()) << "nested selections unwind in order";
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), stockPen);
    EXPECT_EQ(GdiObjectCount(), live) << "the pen was deleted, not left selected";

    ScopedSelection refused(dc, nullptr);
    EXPECT_FALSE(refused.selected());
    ScopedSelection noDc(nullptr, GetStockObject(BLACK_PEN));
    EXPECT_FALSE(noDc.selected());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), stockPen);
}

TEST(GdiObjectOwner, DeletesOnResetMoveAndExit)
{
    const int live = liveObjects();
    {
        GdiObjectOwner<HBRUSH> a(CreateSolidBrush(RGB(1, 2, 3)));
        GdiObjectOwner<HBRUSH> b(std::move(a));
        EXPECT_FALSE(a);
        b.reset(CreateSolidBrush(RGB(4, 5, 6)));
        EXPECT_EQ(GdiObjectCount(), live + 1);
        GdiObjectOwner<HBRUSH> c(CreateSolidBrush(RGB(7, 8, 9)));
        c = std::move(b);
        EXPECT_EQ(GdiObjectCount(), live + 1);
    }
    EXPECT_EQ(GdiObjectCount(), live);
}

TEST(MeasuringDc, MeasuresInItsFontAndLeavesNothingBehind)
{
    GdiObjectOwner<HFONT> small(testFont(10));
    GdiObjectOwner<HFONT> large(testFont(20));
    const int live = liveObjects();
    {
        MeasuringDc smallDc(small.get());
        MeasuringDc largeDc(large.get());
        const SIZE a = smallDc.textExtent("Measure me");
        const SIZE b = largeDc.textExtent("Measure me");
        EXPECT_GT(a.cx, 0);
        EXPECT_GT(b.cx, a.cx);
        EXPECT_GT(largeDc.metrics().tmHeight, smallDc.metrics().tmHeight);
        EXPECT_EQ(smallDc.textExtent("").cx, 0);

        const RECT line = smallDc.textRect("Measure me", RECT{5, 7, 5, 7}, DT_SINGLELINE);
        EXPECT_EQ(line.left, 5);
        EXPECT_EQ(line.top, 7);
        EXPECT_EQ(line.right - line.left, a.cx);
        const RECT wrapped = smallDc.textRect("one two three four five six", RECT{0, 0, 40, 0}, DT_WORDBREAK);
        EXPECT_LE(wrapped.right, 40);
        EXPECT_GT(wrapped.bottom, 2 * smallDc.metrics().tmHeight - 1) << "wraps onto several lines";
    }
    EXPECT_EQ(GdiObjectCount(), live);
    EXPECT_NE(GetObjectType(small.get()), 0u) << "the caller's font survives the measuring DC";
}

} // namespace
