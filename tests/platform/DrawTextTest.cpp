// DrawText: measuring, wrapping, prefixes, ellipses, tabs, alignment, clipping.

#include "tests/platform/TextTestSupport.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace text_test {
namespace {

class DrawTextTest : public ::testing::Test {
protected:
    DrawTextTest() : s(240, 120) { GetTextMetrics(s.dc, &tm); }

    RECT calc(const std::string& text, RECT r, UINT format)
    {
        DrawText(s.dc, text.data(), int(text.size()), &r, format | DT_CALCRECT);
        return r;
    }
    int extent(const std::string& text)
    {
        SIZE size{};
        GetTextExtentPoint32(s.dc, text.data(), int(text.size()), &size);
        return size.cx;
    }
    // Draws on a cleared surface and returns what it looks like.
    std::vector<Pixel> draw(const std::string& text, RECT r, UINT format)
    {
        s.clear();
        DrawText(s.dc, text.data(), int(text.size()), &r, format);
        return pixels();
    }
    std::vector<Pixel> pixels() const
    {
        std::vector<Pixel> out;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                out.push_back(s.at(x, y));
        return out;
    }
    // Rows holding ink, grouped into bands separated by empty rows.
    int inkBands() const
    {
        int bands = 0;
        bool previous = false;
        for (int y = 0; y < s.height(); ++y) {
            bool ink = s.inkIn(RECT{0, y, s.width(), y + 1}) > 0;
            bands += ink && !previous;
            previous = ink;
        }
        return bands;
    }

    TextSurface s;
    TEXTMETRIC tm{};
};

TEST_F(DrawTextTest, CalcRectMatchesTheExtentOfOneLine)
{
    for (const char* text : {"Play", "Stop all sounds", "Key A: airhorn.wav", "W"}) {
        for (UINT format : {0u, UINT(DT_SINGLELINE), UINT(DT_SINGLELINE | DT_CENTER | DT_VCENTER)}) {
            RECT r{5, 7, 200, 100};
            int height = DrawText(s.dc, text, -1, &r, format | DT_CALCRECT);
            EXPECT_EQ(height, tm.tmHeight);
            EXPECT_EQ(r, (RECT{5, 7, 5 + extent(text), 7 + tm.tmHeight})) << text;
        }
    }
    // Nothing to measure gives an empty rectangle.
    RECT r{5, 7, 200, 100};
    EXPECT_EQ(DrawText(s.dc, "", 0, &r, DT_CALCRECT), 0);
    EXPECT_EQ(r, (RECT{5, 7, 5, 7}));
    EXPECT_EQ(DrawText(s.dc, "x", -2, &r, 0), 0);
    EXPECT_EQ(DrawText(s.dc, "x", 1, nullptr, 0), 0);
}

TEST_F(DrawTextTest, LineBreaks)
{
    EXPECT_EQ(calc("One\nTwo\r\nThree", RECT{0, 0, 200, 0}, 0).bottom, 3 * tm.tmHeight);
    EXPECT_EQ(calc("One\rTwo", RECT{0, 0, 200, 0}, 0).bottom, 2 * tm.tmHeight);
    EXPECT_EQ(calc("One\n", RECT{0, 0, 200, 0}, 0).bottom, tm.tmHeight);
    EXPECT_EQ(calc("One\n\nThree", RECT{0, 0, 200, 0}, 0).bottom, 3 * tm.tmHeight);
    EXPECT_EQ(calc("Three\nOne", RECT{0, 0, 200, 0}, 0).right, extent("Three"));
    RECT single = calc("One\nTwo", RECT{0, 0, 200, 0}, DT_SINGLELINE);
    EXPECT_EQ(single.bottom, tm.tmHeight);
    EXPECT_EQ(single.right, extent("OneTwo"));
}

TEST_F(DrawTextTest, WordBreakWrapsAtSpaces)
{
    const std::string sentence = "Press a key to play its sound, press it again to stop the sound";
    RECT r{0, 0, 80, 120};
    RECT measured = calc(sentence, r, DT_WORDBREAK);
    int lines = measured.bottom / tm.tmHeight;
    EXPECT_EQ(measured.bottom, lines * tm.tmHeight);
    EXPECT_GE(lines, 4);
    EXPECT_EQ(measured.right, 80);

    draw(sentence, r, DT_WORDBREAK);
    EXPECT_EQ(s.inkOutside(RECT{0, 0, 80, measured.bottom}), 0);
    EXPECT_EQ(inkBands(), lines);
    EXPECT_EQ(DrawText(s.dc, sentence.data(), -1, &r, DT_WORDBREAK), measured.bottom);

    // Narrower still: one word per line, and the loop ends.
    EXPECT_EQ(calc("a bb ccc", RECT{0, 0, 0, 0}, DT_WORDBREAK).bottom, 3 * tm.tmHeight);
    EXPECT_EQ(calc("   ", RECT{0, 0, 0, 0}, DT_WORDBREAK).bottom, tm.tmHeight);
}

TEST_F(DrawTextTest, WordWiderThanTheLine)
{
    const std::string word = "Supercalifragilisticexpialidocious";
    // Measuring widens the rectangle to the word; drawing clips it.
    RECT measured = calc("a " + word + " b", RECT{0, 0, 40, 0}, DT_WORDBREAK);
    EXPECT_EQ(measured.right, extent(word));
    EXPECT_EQ(measured.bottom, 3 * tm.tmHeight);
    draw(word, RECT{0, 0, 40, 120}, DT_WORDBREAK);
    EXPECT_GT(s.inkIn(RECT{0, 0, 40, 13}), 0);
    EXPECT_EQ(s.inkOutside(RECT{0, 0, 40, 13}), 0);

    // Edit controls break inside the word instead.
    RECT broken = calc(word, RECT{0, 0, 40, 0}, DT_WORDBREAK | DT_EDITCONTROL);
    EXPECT_GE(broken.bottom, 4 * tm.tmHeight);
    EXPECT_LE(broken.right, 40);
}

TEST_F(DrawTextTest, PrefixUnderlinesTheNextCharacter)
{
    RECT r{0, 0, 200, 20};
    EXPECT_EQ(calc("&File", r, 0).right, extent("File"));
    EXPECT_EQ(calc("&&", r, 0).right, extent("&"));
    EXPECT_EQ(calc("Save && &Exit", r, 0).right, extent("Save & Exit"));
    EXPECT_EQ(calc("&File", r, DT_NOPREFIX).right, extent("&File"));

    std::vector<Pixel> plain = draw("File", r, 0);
    std::vector<Pixel> marked = draw("&File", r, 0);
    EXPECT_NE(plain, marked);
    // The only new ink is one row below the baseline, under the F alone.
    int underlineRow = -1;
    for (int y = tm.tmAscent; y < tm.tmHeight; ++y)
        if (s.inkIn(RECT{0, y, 200, y + 1}) > 0 && s.inkIn(RECT{0, y, 200, y + 1}) >= extent("F") - 1)
            underlineRow = y;
    ASSERT_GE(underlineRow, tm.tmAscent);
    EXPECT_EQ(s.inkIn(RECT{extent("F"), underlineRow, 200, underlineRow + 1}), 0);
    EXPECT_EQ(s.at(0, underlineRow), 0xFF000000u);

    EXPECT_EQ(draw("&File", r, DT_HIDEPREFIX), plain);
    draw("&File", r, DT_PREFIXONLY);
    EXPECT_EQ(s.inkOutside(RECT{0, underlineRow, extent("F"), underlineRow + 1}), 0);
    EXPECT_GT(s.inkIn(RECT{0, underlineRow, extent("F"), underlineRow + 1}), 0);
    EXPECT_EQ(draw("&&", r, 0), draw("&", r, DT_NOPREFIX));
}

TEST_F(DrawTextTest, EllipsesFitTheRectangle)
{
    const std::string name = "Background music loop for the lobby.wav";
    RECT r{0, 0, 90, 20};
    // The end ellipsis keeps as many characters as fit, then "...".
    RECT measured = calc(name, r, DT_END_ELLIPSIS | DT_SINGLELINE);
    EXPECT_LE(measured.right, 90);
    EXPECT_GT(measured.right, 60);
    std::vector<Pixel> shortened = draw(name, r, DT_END_ELLIPSIS | DT_SINGLELINE);
    EXPECT_EQ(s.inkOutside(RECT{0, 0, 90, 20}), 0);
    bool found = false;
    for (std::size_t keep = 0; keep < name.size() && !found; ++keep)
        found = draw(name.substr(0, keep) + "...", r, DT_SINGLELINE) == shortened;
    EXPECT_TRUE(found);

    // The word ellipsis cuts between words.
    EXPECT_EQ(draw(name, r, DT_WORD_ELLIPSIS | DT_SINGLELINE), draw("Background...", r, DT_SINGLELINE));

    // The path ellipsis keeps the file name and shortens the folders.
    const std::string path = "/home/user/sounds/effects/airhorn.wav";
    RECT wide{0, 0, 140, 20};
    std::vector<Pixel> pathShortened = draw(path, wide, DT_PATH_ELLIPSIS | DT_SINGLELINE);
    EXPECT_LE(calc(path, wide, DT_PATH_ELLIPSIS | DT_SINGLELINE).right, 140);
    found = false;
    for (std::size_t keep = 0; keep < path.size() && !found; ++keep)
        found = draw(path.substr(0, keep) + ".../airhorn.wav", wide, DT_SINGLELINE) == pathShortened;
    EXPECT_TRUE(found);

    // Text that fits is left alone.
    EXPECT_EQ(draw("Short", r, DT_END_ELLIPSIS), draw("Short", r, 0));
}

TEST_F(DrawTextTest, TabsExpandToStopsOfEightAverageWidths)
{
    RECT r{0, 0, 400, 20};
    EXPECT_EQ(calc("a\tb", r, DT_EXPANDTABS).right, 8 * tm.tmAveCharWidth + extent("b"));
    EXPECT_EQ(calc("a\t\tb", r, DT_EXPANDTABS).right, 16 * tm.tmAveCharWidth + extent("b"));
    EXPECT_EQ(calc("a\tb", r, 0).right, extent("ab"));
    draw("a\tb", r, DT_EXPANDTABS);
    EXPECT_EQ(s.inkIn(RECT{extent("a") + 1, 0, 8 * tm.tmAveCharWidth, 20}), 0);
    EXPECT_GT(s.inkIn(RECT{8 * tm.tmAveCharWidth, 0, 8 * tm.tmAveCharWidth + extent("b"), 20}), 0);
    // DT_TABSTOP's count takes the byte that DT_CALCRECT lives in: this draws.
    draw("a\tb", r, DT_EXPANDTABS | DT_TABSTOP | (4 << 8));
    EXPECT_EQ(s.inkIn(RECT{extent("a") + 1, 0, 4 * tm.tmAveCharWidth, 20}), 0);
    EXPECT_GT(s.inkIn(RECT{4 * tm.tmAveCharWidth, 0, 4 * tm.tmAveCharWidth + extent("b"), 20}), 0);
}

TEST_F(DrawTextTest, AlignmentInTheRectangle)
{
    RECT r{20, 10, 220, 110};
    int width = extent("Mill");
    auto inkFor = [&](UINT format) {
        draw("Mill", r, format);
        return s.inkBounds();
    };
    RECT left = inkFor(DT_SINGLELINE);
    EXPECT_NEAR(left.left, 20, 1);
    EXPECT_LT(left.bottom, 10 + tm.tmHeight);
    EXPECT_NEAR(inkFor(DT_SINGLELINE | DT_RIGHT).right, 220, 1);
    EXPECT_NEAR(inkFor(DT_SINGLELINE | DT_RTLREADING).right, 220, 1);
    RECT centred = inkFor(DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_NEAR(centred.left, 20 + (200 - width) / 2, 1);
    EXPECT_NEAR(centred.top, 10 + (100 - tm.tmHeight) / 2 + (left.top - 10), 1);
    RECT bottom = inkFor(DT_SINGLELINE | DT_BOTTOM);
    EXPECT_EQ(bottom.bottom - left.bottom, 100 - tm.tmHeight);
    // The vertical alignments need a single line.
    EXPECT_EQ(inkFor(DT_VCENTER | DT_BOTTOM).top, left.top);

    RECT box = r;
    EXPECT_EQ(DrawText(s.dc, "Mill", -1, &box, DT_SINGLELINE | DT_BOTTOM), 100);
    EXPECT_EQ(DrawText(s.dc, "Mill", -1, &box, DT_SINGLELINE), tm.tmHeight);
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessNoClip)
{
    RECT r{10, 10, 50, 18};
    const std::string text = "Volume and loop settings";
    draw(text, r, 0);
    EXPECT_GT(s.inkIn(r), 0);
    EXPECT_EQ(s.inkOutside(r), 0);
    draw(text, r, DT_NOCLIP);
    EXPECT_GT(s.inkOutside(r), 0);

    // The DC's clip holds even without the rectangle's.
    IntersectClipRect(s.dc, 0, 0, 30, 120);
    draw(text, r, DT_NOCLIP);
    EXPECT_GT(s.inkIn(RECT{0, 0, 30, 120}), 0);
    EXPECT_EQ(s.inkOutside(RECT{0, 0, 30, 120}), 0);
    SelectClipRgn(s.dc, nullptr);

    // Inverted or far-away rectangles draw nothing and return.
    draw(text, RECT{50, 10, 10, 30}, 0);
    EXPECT_EQ(s.inkIn(RECT{0, 0, 240, 120}), 0);
    draw(text, RECT{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, DT_WORDBREAK | DT_CENTER);
    draw(text, RECT{100000, 100000, 100100, 100100}, DT_NOCLIP);
    EXPECT_EQ(s.inkIn(RECT{0, 0, 240, 120}), 0);
}

TEST_F(DrawTextTest, OpaqueBackgroundAndExternalLeading)
{
    SetBkMode(s.dc, OPAQUE);
    SetBkColor(s.dc, RGB(0, 255, 0));
    draw("Gap", RECT{0, 0, 200, 40}, 0);
    EXPECT_EQ(s.at(0, 0), 0xFF00FF00u);
    EXPECT_EQ(s.at(extent("Gap") - 1, tm.tmHeight - 1), 0xFF00FF00u);
    EXPECT_TRUE(s.isBackground(extent("Gap"), 0));
    EXPECT_TRUE(s.isBackground(0, tm.tmHeight));
    SetBkMode(s.dc, TRANSPARENT);

    HFONT large = MakeFont("Arial", -27);
    HGDIOBJ old = SelectObject(s.dc, large);
    TEXTMETRIC big{};
    GetTextMetrics(s.dc, &big);
    EXPECT_GT(big.tmExternalLeading, 0);
    EXPECT_EQ(calc("a\nb", RECT{0, 0, 100, 0}, DT_EXTERNALLEADING).bottom,
              2 * (big.tmHeight + big.tmExternalLeading));
    EXPECT_EQ(calc("a\nb", RECT{0, 0, 100, 0}, 0).bottom, 2 * big.tmHeight);
    SelectObject(s.dc, old);
    DeleteObject(large);
}

TEST_F(DrawTextTest, AnyBytesAndFlagsAreSafe)
{
    std::mt19937 random(11);
    const UINT flags[] = {DT_CENTER, DT_RIGHT,         DT_VCENTER,       DT_BOTTOM,        DT_WORDBREAK,
                          DT_SINGLELINE, DT_EXPANDTABS, DT_NOCLIP,       DT_CALCRECT,      DT_NOPREFIX,
                          DT_EDITCONTROL, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS, DT_WORD_ELLIPSIS, DT_HIDEPREFIX,
                          DT_PREFIXONLY, DT_RTLREADING,  DT_TABSTOP};
    const char alphabet[] = "ab &\t\n\r/\\.\xC3\xA9\xE2\x98\x83\xFF\x80";
    for (int round = 0; round < 300; ++round) {
        std::string text(std::size_t(random() % 60), ' ');
        for (char& c : text)
            c = alphabet[random() % (sizeof alphabet - 1)];
        UINT format = 0;
        for (UINT f : flags)
            if (random() % 4 == 0)
                format |= f;
        int width = int(random() % 120) - 10;
        RECT r{int(random() % 100), int(random() % 100), 0, 0};
        r.right = r.left + width;
        r.bottom = r.top + int(random() % 60);
        RECT before = r;
        int height = DrawText(s.dc, text.data(), int(text.size()), &r, format);
        EXPECT_GE(height, 0);
        bool measures = (format & DT_CALCRECT) && !(format & DT_TABSTOP);
        if (measures) {
            EXPECT_GE(r.right, r.left);
            EXPECT_EQ(r.bottom - r.top, height);
        } else {
            EXPECT_EQ(r, before);
        }
    }
}

} // namespace
} // namespace text_test
