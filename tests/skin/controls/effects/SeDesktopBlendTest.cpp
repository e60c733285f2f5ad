// Translucency against the desktop picture, against a slow reference: the
// frame strips blend within the frame's shape and never touch the client;
// a client picture in its own coordinates blends with the desktop under it;
// the transparent key shows the desktop.

#include "EffectTestSupport.h"

#include "platform/Gdi.h"
#include "skin/controls/effects/SeDesktopBlend.h"
#include "skin/controls/effects/SeEffectPixels.h"
#include "skin/engine/SePixels.h"

#include <gtest/gtest.h>

using namespace effecttest;

namespace {

TEST(DesktopBlend, FrameStripsBlendWithinTheShapeAndNeverTheClient)
{
    const int fw = 70, fh = 50, shadow = 5;
    const RECT client{6, 20, 64, 44};
    for (int alpha : {0, 1, 150, 254, 255}) {
        Framed window(fw + shadow, fh + shadow);
        Framed desktop(fw + shadow, fh + shadow);
        FillRandom(window.view(), 40 + alpha);
        FillRandom(desktop.view(), 41 + alpha);
        // Some frame pixels hold the key.
        for (int x = 10; x < 20; ++x)
            window.view().row(2)[x] = SeKeyValue;
        std::vector<Pixel> before;
        for (int y = 0; y < fh + shadow; ++y)
            for (int x = 0; x < fw + shadow; ++x)
                before.push_back(window.at(x, y));
        HRGN shape = CreateRoundRectRgn(0, 0, fw + 1, fh + 1, 14, 14);
        brio::blendFrame(window.view(), SIZE{fw, fh}, client, brio::RegionFromHandle(shape, RECT{}), alpha,
                         desktop.view());
        int wrong = 0;
        for (int y = 0; y < fh + shadow; ++y)
            for (int x = 0; x < fw + shadow; ++x) {
                const Pixel was = before[std::size_t(y * (fw + shadow) + x)];
                const bool strip = x < fw && y < fh && PtInRegion(shape, x, y) &&
                                   !(x >= client.left && x < client.right && y >= client.top && y < client.bottom);
                Pixel want = was;
                if (strip)
                    want = IsKeyPixel(was) ? desktop.at(x, y) : SlowBlend(was, desktop.at(x, y), unsigned(alpha));
                wrong += window.at(x, y) != want;
            }
        EXPECT_EQ(wrong, 0) << "alpha " << alpha;
        EXPECT_TRUE(window.canaryIntact());
        DeleteObject(shape);
    }
}

TEST(DesktopBlend, AClientPictureBlendsWithTheDesktopUnderIt)
{
    // The window is 100 × 80; its client picture starts at (8, 25).
    Framed desktop(100, 80);
    FillRandom(desktop.view(), 3);
    Framed client(84, 47);
    FillRandom(client.view(), 4);
    client.view().row(5)[5] = SeKeyValue;
    std::vector<Pixel> before;
    for (int y = 0; y < 47; ++y)
        for (int x = 0; x < 84; ++x)
            before.push_back(client.at(x, y));
    // A child's request: only its rectangle, partly outside the client.
    const RECT request{0, 20, 50, 60};
    brio::blendWithDesktop(client.view(), POINT{8, 25}, Region(request), 300, desktop.view());
    for (int y = 0; y < 47; ++y)
        for (int x = 0; x < 84; ++x) {
            const int wx = x + 8, wy = y + 25;
            const Pixel was = before[std::size_t(y * 84 + x)];
            const bool inside = wx < request.right && wy >= request.top && wy < request.bottom;
            const Pixel want = !inside ? was : IsKeyPixel(was) ? desktop.at(wx, wy) : was;
            ASSERT_EQ(client.at(x, y), want) << x << ", " << y << ": 300 is held to 255";
        }
    brio::blendWithDesktop(client.view(), POINT{8, 25}, Region(RECT{0, 0, 200, 200}), 100, desktop.view());
    EXPECT_EQ(client.at(10, 10), SlowBlend(before[10 * 84 + 10], desktop.at(18, 35), 100));
    EXPECT_TRUE(client.canaryIntact());
    EXPECT_TRUE(desktop.canaryIntact());
}

} // namespace
