// The desktop under a window: what is read from the screen and what is
// kept, on a known random desktop. Only the strips a move uncovers are
// read, nothing for an unchanged rectangle, and the window's own pixels
// never end up in its picture; a black screen counts as no picture.

#include "DesktopPicture.h"

#include "platform/RectMath.h"
#include "platform/gdi/Region.h"
#include "skin/controls/effects/SeDesktopCapture.h"
#include "tests/support/UiTestSupport.h"

#include <sstream>

using namespace effecttest;

namespace {

class DesktopCaptureTest : public uitest::UiTest {
protected:
    // Where the picture differs from the desktop under `rect`, or "".
    std::string differences(const brio::DesktopCapture& capture, const DesktopPicture& desktop)
    {
        PixelBuffer image = capture.pixels();
        const RECT r = capture.rect();
        std::ostringstream out;
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int sx = r.left + x, sy = r.top + y;
                const bool onScreen = sx >= 0 && sy >= 0 && sx < desktop.width() && sy < desktop.height();
                const Pixel want = onScreen ? desktop.at(sx, sy) : 0xFF000000u;
                if ((image.row(y)[x] | 0xFF000000u) != want && count++ < 3)
                    out << "(" << sx << ", " << sy << ") ";
            }
        if (count)
            out << count << " pixels differ";
        return out.str();
    }
    static long area(const std::vector<RECT>& rects)
    {
        long sum = 0;
        for (const RECT& r : rects)
            sum += long(Width(r)) * Height(r);
        return sum;
    }
};

TEST_F(DesktopCaptureTest, ReadsOnlyWhatAMoveUncovers)
{
    DesktopPicture desktop(11);
    pump();
    brio::DesktopCapture capture;
    EXPECT_FALSE(capture.hasImage());

    const RECT first{100, 80, 300, 230};
    capture.capture(first);
    ASSERT_EQ(capture.lastReads().size(), 1u);
    EXPECT_TRUE(EqualRect(&capture.lastReads()[0], &first));
    EXPECT_TRUE(capture.hasImage());
    EXPECT_EQ(differences(capture, desktop), "");

    capture.capture(first);
    EXPECT_TRUE(capture.lastReads().empty()) << "an unchanged rectangle reads nothing";

    struct Step {
        RECT to;
        const char* what;
    };
    const Step steps[] = {
        {{110, 80, 310, 230}, "right"},           {{110, 95, 310, 245}, "down"},
        {{90, 70, 290, 220}, "up and left"},      {{90, 70, 330, 260}, "grown"},
        {{120, 100, 250, 200}, "shrunk inside"}, {{600, 400, 800, 550}, "far away"},
    };
    RECT before = first;
    for (const Step& step : steps) {
        capture.capture(step.to);
        const RECT kept = Intersect(before, step.to);
        const long expected = long(Width(step.to)) * Height(step.to) - long(Width(kept)) * Height(kept);
        EXPECT_EQ(area(capture.lastReads()), expected) << step.what;
        Region reads = Region::fromRects(capture.lastReads());
        EXPECT_FALSE(reads.intersects(kept)) << step.what << ": read what the old picture held";
        EXPECT_LE(capture.lastReads().size(), 4u) << step.what;
        EXPECT_TRUE(EqualRect(&capture.rect(), &step.to));
        EXPECT_EQ(differences(capture, desktop), "") << step.what;
        before = step.to;
    }
}

TEST_F(DesktopCaptureTest, TheWindowsOwnPixelsNeverGetIn)
{
    DesktopPicture desktop(12);
    const COLORREF own = RGB(0, 255, 0);
    RECT bounds{200, 150, 360, 260};
    HWND window = CreatePlainWindow(bounds, own, false);
    brio::DesktopCapture capture;
    // Captured before it shows, then at every move, as its position handling does.
    capture.capture(bounds, window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    pump();
    ASSERT_EQ(backend().composeScreen()->at(250, 200), 0xFF00FF00u) << "the window is on screen";
    for (int i = 0; i < 12; ++i) {
        const int dx = (i % 3 - 1) * 37, dy = (i % 4 - 1) * 23;
        bounds = Offset(bounds, dx, dy);
        capture.capture(bounds, window);
        SetWindowPos(window, nullptr, bounds.left, bounds.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pump();
        EXPECT_EQ(differences(capture, desktop), "") << "move " << i;
    }

    // A picture left behind (the window moved while nothing was captured):
    // what the window covers now cannot be read, and stays black.
    capture.capture(Offset(bounds, 300, 0), window);
    capture.capture(Offset(bounds, 40, 0), window);
    PixelBuffer image = capture.pixels();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.row(y)[x] & 0x00FFFFFFu, 0x0000FF00u) << x << ", " << y;
    EXPECT_EQ(image.row(10)[10], 0xFF000000u);
    DestroyWindow(window);
}

TEST_F(DesktopCaptureTest, ABlackOrEmptyCaptureIsNoPicture)
{
    {
        DesktopPicture black(0, true);
        pump();
        brio::DesktopCapture capture;
        capture.capture(RECT{10, 10, 200, 100});
        EXPECT_FALSE(capture.hasImage()) << "an all-black screen";
        capture.capture(RECT{0, 0, 0, 0});
        EXPECT_FALSE(capture.hasImage());
        EXPECT_TRUE(IsEmpty(capture.rect()));
    }
    DesktopPicture desktop(13);
    pump();
    brio::DesktopCapture capture;
    // Half off the screen: the rest reads black, the picture is still usable.
    capture.capture(RECT{1200, 700, 1400, 900});
    EXPECT_TRUE(capture.hasImage());
    EXPECT_EQ(differences(capture, desktop), "");
    ASSERT_EQ(capture.lastReads().size(), 1u);
    EXPECT_EQ(capture.lastReads()[0].right, 1280);
    capture.reset();
    EXPECT_FALSE(capture.hasImage());
    capture.capture(RECT{1200, 700, 1400, 900});
    EXPECT_EQ(capture.lastReads().size(), 1u) << "after a reset everything is read again";
}

} // namespace
