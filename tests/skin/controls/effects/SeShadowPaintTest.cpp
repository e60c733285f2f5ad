// The drop shadow against a slow reference that decides pixel by pixel,
// on a random desktop picture, for rectangular and shaped frames of many
// sizes; and the window region that carries the band.

#include "EffectTestSupport.h"

#include "platform/Gdi.h"
#include "skin/controls/effects/SeEffectPixels.h"
#include "skin/controls/effects/SeShadowPaint.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace effecttest;

namespace {

constexpr Pixel kFramePaint = 0xFF102030u;
constexpr Pixel kShadowGrey = 0xFF3F3F3Fu;

// What a pixel of the window must be after the shadow is painted.
Pixel ReferenceShadow(int x, int y, int fw, int fh, int s, HRGN frame, Pixel desktop, Pixel before)
{
    auto inFrame = [&](int px, int py) {
        return px >= 0 && py >= 0 && px < fw && py < fh && PtInRegion(frame, px, py);
    };
    if (inFrame(x, y))
        return before;
    auto grey = [&](unsigned alpha) { return SlowBlend(kShadowGrey, desktop, alpha); };
    auto fade = [](int k) { return k == 0 ? 20u : k == 1 ? 70u : k == 2 ? 120u : 128u; };
    const bool right = x >= fw, below = y >= fh;
    if (!right && !below) {
        if (x >= s && y >= s)
            return inFrame(x - s, y - s) ? grey(128) : desktop;
        return before; // the frame's own top and left edges, outside its shape
    }
    // Beside the frame: the band where the moved frame reaches, else the desktop.
    if (x < s || y < s)
        return desktop;
    if (!below)
        return grey(fade(y - s));
    if (!right)
        return grey(fade(x - s));
    return grey(fade((fw + s - 1 - x) + (fh + s - 1 - y)));
}
struct Case {
    int fw, fh, s;
    int shape; // 0 rectangle, 1 rounded, 2 ellipse, 3 notched
};

HRGN MakeShape(const Case& c)
{
    switch (c.shape) {
    case 1: return CreateRoundRectRgn(0, 0, c.fw + 1, c.fh + 1, 12, 12);
    case 2: return CreateEllipticRgn(0, 0, c.fw, c.fh);
    case 3: {
        HRGN r = CreateRectRgn(0, 0, c.fw, c.fh);
        HRGN notch = CreateRectRgn(c.fw / 3, c.fh / 2, c.fw, c.fh);
        CombineRgn(r, r, notch, RGN_DIFF);
        DeleteObject(notch);
        return r;
    }
    default: return CreateRectRgn(0, 0, c.fw, c.fh);
    }
}

TEST(ShadowPaint, MatchesTheSlowReferenceOnRandomDesktops)
{
    const Case cases[] = {
        {40, 30, 4, 0}, {40, 30, 4, 1}, {40, 30, 7, 2}, {61, 23, 20, 0}, {61, 23, 20, 3},
        {9, 9, 1, 0},   {5, 5, 3, 0},   {3, 2, 4, 0},   {80, 50, 5, 3}, {33, 47, 2, 1},
    };
    std::uint32_t seed = 7;
    for (const Case& c : cases) {
        const int w = c.fw + c.s, h = c.fh + c.s;
        Framed window(w, h);
        Framed desktop(w, h);
        FillRandom(desktop.view(), ++seed);
        FillRandom(window.view(), ++seed);
        // The frame painted first, as a form does; its shape keeps it.
        HRGN frame = MakeShape(c);
        for (int y = 0; y < c.fh; ++y)
            for (int x = 0; x < c.fw; ++x)
                if (PtInRegion(frame, x, y))
                    window.view().row(y)[x] = kFramePaint;
        std::vector<Pixel> before;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                before.push_back(window.at(x, y));

        brio::paintShadow(window.view(), SIZE{c.fw, c.fh}, c.s, brio::RegionFromHandle(frame, RECT{}),
                          desktop.view());

        std::ostringstream where;
        where << c.fw << "x" << c.fh << " size " << c.s << " shape " << c.shape;
        int wrong = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                Pixel want = ReferenceShadow(x, y, c.fw, c.fh, c.s, frame, desktop.at(x, y),
                                             before[std::size_t(y * w + x)]);
                if (window.at(x, y) != want && ++wrong <= 5)
                    ADD_FAILURE() << where.str() << " at (" << x << ", " << y << "): " << std::hex
                                  << window.at(x, y) << " want " << want;
            }
        EXPECT_EQ(wrong, 0) << where.str();
        EXPECT_TRUE(window.canaryIntact()) << where.str();
        EXPECT_TRUE(desktop.canaryIntact()) << where.str();
        DeleteObject(frame);
    }
}

TEST(ShadowPaint, NothingChangesWithoutASizeOrAFrame)
{
    Framed window(30, 30);
    Framed desktop(30, 30);
    FillRandom(window.view(), 1);
    FillRandom(desktop.view(), 2);
    const Pixel corner = window.at(29, 29);
    brio::paintShadow(window.view(), SIZE{26, 26}, 0, Region(RECT{0, 0, 26, 26}), desktop.view());
    brio::paintShadow(window.view(), SIZE{0, 26}, 4, Region(RECT{0, 0, 26, 26}), desktop.view());
    EXPECT_EQ(window.at(29, 29), corner);
    // A desktop picture smaller than the window: only the part it covers.
    Framed small(20, 20);
    FillRandom(small.view(), 3);
    brio::paintShadow(window.view(), SIZE{26, 26}, 4, Region(RECT{0, 0, 26, 26}), small.view());
    EXPECT_EQ(window.at(29, 29), corner);
    EXPECT_TRUE(window.canaryIntact());
}

TEST(ShadowPaint, WindowRegionIsTheShapeAndItsMovedCopy)
{
    HRGN shape = CreateEllipticRgn(0, 0, 50, 30);
    HRGN united = brio::ShadowedWindowRegion(shape, 6);
    ASSERT_NE(united, nullptr);
    for (int y = -2; y < 40; ++y)
        for (int x = -2; x < 60; ++x)
            ASSERT_EQ(bool(PtInRegion(united, x, y)), PtInRegion(shape, x, y) || PtInRegion(shape, x - 6, y - 6))
                << x << ", " << y;
    EXPECT_EQ(brio::ShadowedWindowRegion(nullptr, 6), nullptr);
    DeleteObject(united);
    DeleteObject(shape);
}

} // namespace
