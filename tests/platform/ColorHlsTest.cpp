// Hue, lightness and saturation against hand-worked values.

#include "platform/gdi/ColorHls.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorHls, KnownColours)
{
    struct Case {
        COLORREF colour;
        double hue, lightness, saturation;
    } cases[] = {
        {RGB(0, 0, 0), 0, 0, 0},
        {RGB(255, 255, 255), 0, 1, 0},
        {RGB(128, 128, 128), 0, 128 / 255.0, 0},
        {RGB(255, 0, 0), 0, 0.5, 1},
        {RGB(0, 255, 0), 1 / 3.0, 0.5, 1},
        {RGB(0, 0, 255), 2 / 3.0, 0.5, 1},
        {RGB(255, 0, 255), 5 / 6.0, 0.5, 1},
        // The shipped skin's orange: max 0xF2, min 0x28.
        {RGB(0xF2, 0x8C, 0x28), (0x8C - 0x28) / double(0xF2 - 0x28) / 6, (0xF2 + 0x28) / 510.0,
         (0xF2 - 0x28) / double(510 - 0xF2 - 0x28)},
    };
    for (const Case& c : cases) {
        const brio::Hls hls = brio::RgbToHls(c.colour);
        EXPECT_NEAR(hls.hue, c.hue, 1e-9) << std::hex << c.colour;
        EXPECT_NEAR(hls.lightness, c.lightness, 1e-9) << std::hex << c.colour;
        EXPECT_NEAR(hls.saturation, c.saturation, 1e-9) << std::hex << c.colour;
        EXPECT_DOUBLE_EQ(brio::HlsLightness(c.colour), hls.lightness) << std::hex << c.colour;
    }
}

TEST(ColorHls, LightnessIgnoresTheHighByteAndStaysInRange)
{
    for (COLORREF c = 0; c < 0x1000000; c += 0x010307) {
        const double l = brio::HlsLightness(c | 0xFF000000u);
        EXPECT_DOUBLE_EQ(l, brio::HlsLightness(c));
        ASSERT_GE(l, 0.0);
        ASSERT_LE(l, 1.0);
    }
}

} // namespace
