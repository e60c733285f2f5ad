#include "platform/text/AsciiText.h"

#include <gtest/gtest.h>

namespace {

using namespace brio;

TEST(AsciiText, TrimsOnlyTheGivenBlanksAtEitherEnd)
{
    EXPECT_EQ(asciiTrim(""), "");
    EXPECT_EQ(asciiTrim(" \t \t"), "") << "all blanks";
    EXPECT_EQ(asciiTrim("  a b\t"), "a b") << "inner blanks stay";
    EXPECT_EQ(asciiTrim("x"), "x");
    EXPECT_EQ(asciiTrim("\r\nkey\r\n"), "\r\nkey\r\n") << "line ends are not blanks by default";
    EXPECT_EQ(asciiTrim("\r\n key \r\n", kAsciiSpace), "key");
    EXPECT_EQ(asciiTrim("\xC2\xA0name\xC2\xA0"), "\xC2\xA0name\xC2\xA0") << "a UTF-8 no-break space is text";
}

TEST(AsciiText, FoldsOnlyAsciiLetters)
{
    EXPECT_EQ(asciiLower(""), "");
    EXPECT_EQ(asciiLower("MiXeD 09_[@Z]"), "mixed 09_[@z]");
    EXPECT_EQ(asciiLower("\xC3\x84" "BC"), "\xC3\x84" "bc") << "bytes of UTF-8 characters pass untouched";
    EXPECT_EQ(asciiLower('@'), '@');
    EXPECT_EQ(asciiLower('['), '[');
    EXPECT_EQ(asciiUpper('`'), '`');
    EXPECT_EQ(asciiUpper('{'), '{');
    EXPECT_EQ(asciiUpper('q'), 'Q');
}

TEST(AsciiText, ComparesWithoutCaseLikeTheCLibraryInTheCLocale)
{
    EXPECT_TRUE(asciiEqualNoCase("", ""));
    EXPECT_TRUE(asciiEqualNoCase("Form1", "FORM1"));
    EXPECT_FALSE(asciiEqualNoCase("Form1", "Form"));
    EXPECT_FALSE(asciiEqualNoCase("\xC3\x84", "\xC3\xA4")) << "non-ASCII letters compare exactly";
    EXPECT_FALSE(asciiEqualNoCase("a", "A ")) << "length counts";
    EXPECT_TRUE(asciiStartsWithNoCase("Ctrl+S", "ctrl+"));
    EXPECT_TRUE(asciiStartsWithNoCase("abc", ""));
    EXPECT_FALSE(asciiStartsWithNoCase("ab", "abc"));

    const char* words[] = {"", "a", "A", "ab", "B", "_", "[", "z", "\x80", "\xFF"};
    for (const char* a : words)
        for (const char* b : words) {
            const int expected = strcasecmp(a, b);
            const int got = asciiCompareNoCase(a, b);
            EXPECT_EQ(got < 0, expected < 0) << a << " vs " << b;
            EXPECT_EQ(got == 0, expected == 0) << a << " vs " << b;
        }
}

} // namespace
