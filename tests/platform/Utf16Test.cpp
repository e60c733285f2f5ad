#include "platform/text/Utf16.h"

#include <gtest/gtest.h>

namespace {

using namespace brio;

TEST(Utf16, RoundTripsEveryPlaneAndEmptyText)
{
    for (std::string text : {"", "plain", "\xC3\xA4\xE2\x82\xAC", "a\xF0\x9F\x98\x80z", "\xF4\x8F\xBF\xBF"}) {
        const std::u16string units = Utf8ToUtf16(text);
        EXPECT_EQ(Utf16ToUtf8(units), text);
    }
    EXPECT_EQ(Utf8ToUtf16("a\xF0\x9F\x98\x80"), (std::u16string{u'a', 0xD83D, 0xDE00})) << "a pair above U+FFFF";
    std::u16string appended;
    AppendUtf16(appended, U'\U0001F600');
    AppendUtf16(appended, U'x');
    EXPECT_EQ(appended, (std::u16string{0xD83D, 0xDE00, u'x'}));
}

TEST(Utf16, BrokenInputBecomesReplacementCharacters)
{
    const std::string fffd = "\xEF\xBF\xBD";
    // Unpaired surrogates, each on its own, in either order.
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D}), fffd);
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDE00, 0xD83D}), fffd + fffd);
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD83D, u'b'}), "a" + fffd + "b");
    // Invalid UTF-8: a lone continuation byte, a truncated sequence, an
    // overlong form and an encoded surrogate.
    EXPECT_EQ(Utf8ToUtf16("\x80"), std::u16string(1, 0xFFFD));
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), std::u16string(1, 0xFFFD));
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), std::u16string(2, 0xFFFD));
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), std::u16string(1, 0xFFFD));
}

} // namespace
