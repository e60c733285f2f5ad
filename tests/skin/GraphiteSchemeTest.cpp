// The Graphite colour scheme is the shipped skin's palette: the unskinned
// parts of a window must match the skinned ones beside them.

#include "platform/theme/ColorScheme.h"
#include "tools/skinart/SkinPalette.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphiteScheme, TakesItsColoursFromTheSkinPalette)
{
    namespace palette = skinart::palette;
    const brio::ColorScheme* graphite = brio::FindColorScheme("Graphite");
    ASSERT_NE(graphite, nullptr);
    auto color = [&](int index) { return graphite->colors[std::size_t(index)]; };
    auto skin = [](Pixel p) { return COLORREF(palette::ColorOf(p)); };
    EXPECT_EQ(color(COLOR_BTNFACE), skin(palette::Surface));
    EXPECT_EQ(color(COLOR_3DLIGHT), skin(palette::Raised));
    EXPECT_EQ(color(COLOR_WINDOW), skin(palette::Sunken));
    EXPECT_EQ(color(COLOR_BTNHIGHLIGHT), skin(palette::Border));
    EXPECT_EQ(color(COLOR_WINDOWTEXT), skin(palette::Text));
    EXPECT_EQ(color(COLOR_BTNTEXT), skin(palette::Text));
    EXPECT_EQ(color(COLOR_INACTIVECAPTIONTEXT), skin(palette::TextMuted));
    EXPECT_EQ(color(COLOR_HIGHLIGHT), skin(palette::Accent));
    EXPECT_EQ(color(COLOR_HOTLIGHT), skin(palette::AccentHot));
    EXPECT_EQ(color(COLOR_HIGHLIGHTTEXT), skin(palette::Ink));
    EXPECT_EQ(color(COLOR_ACTIVECAPTION), skin(palette::CaptionTop));
    EXPECT_EQ(color(COLOR_GRADIENTACTIVECAPTION), skin(palette::CaptionBottom));
    EXPECT_EQ(color(COLOR_INACTIVECAPTION), skin(palette::CaptionInactiveTop));
    EXPECT_EQ(color(COLOR_GRADIENTINACTIVECAPTION), skin(palette::CaptionInactiveBottom));
    EXPECT_EQ(color(COLOR_WINDOWFRAME), skin(palette::Outline));
    EXPECT_EQ(color(COLOR_MENU), skin(palette::Menu));
}

} // namespace
