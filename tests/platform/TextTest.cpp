// Fonts, metrics, extents and single-line text output.

#include "platform/text/FontEngine.h"
#include "platform/gdi/GdiObjects.h"
#include "tests/platform/TextTestSupport.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

namespace text_test {
namespace {

int extentOf(HDC dc, const std::string& text)
{
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32(dc, text.data(), int(text.size()), &size));
    return size.cx;
}

TEST(TextMetrics, ClassicInterfaceFontSizes)
{
    TextSurface s(16, 16);
    TEXTMETRIC tm{};
    ASSERT_TRUE(GetTextMetrics(s.dc, &tm));
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 11);
    EXPECT_GE(tm.tmAveCharWidth, 4);
    EXPECT_LE(tm.tmAveCharWidth, 6);
    EXPECT_GT(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);

    // Height 0 is the 8 point default; a positive height is the whole cell.
    for (int height : {0, 16, 20, 31}) {
        HFONT f = MakeFont("Arial", height);
        HGDIOBJ old = SelectObject(s.dc, f);
        TEXTMETRIC cell{};
        GetTextMetrics(s.dc, &cell);
        EXPECT_EQ(cell.tmHeight, height == 0 ? 13 : height) << height;
        EXPECT_EQ(cell.tmHeight, cell.tmAscent + cell.tmDescent) << height;
        SelectObject(s.dc, old);
        DeleteObject(f);
    }
}

TEST(TextMetrics, FaceNamesMapToInstalledFaces)
{
    auto fileFor = [](const char* face) {
        LOGFONT lf;
        std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
        return MatchedFontFile(lf);
    };
    for (const char* sans : {"MS Sans Serif", "ms shell dlg", "Tahoma", "Segoe UI", "Arial", "System", "",
                             "No Such Face 123"})
        EXPECT_NE(fileFor(sans).find("LiberationSans-Regular"), std::string::npos) << sans;
    EXPECT_NE(fileFor("Times New Roman").find("LiberationSerif"), std::string::npos);
    EXPECT_NE(fileFor("Courier New").find("LiberationMono"), std::string::npos);

    TextSurface s(16, 16, MakeFont("Tahoma", -11));
    char name[LF_FACESIZE];
    EXPECT_EQ(GetTextFace(s.dc, 0, nullptr), 7);
    EXPECT_EQ(GetTextFace(s.dc, sizeof name, name), 7);
    EXPECT_STREQ(name, "Tahoma");
    EXPECT_EQ(GetTextFace(s.dc, 4, name), 4);
    EXPECT_STREQ(name, "Tah");
}

TEST(TextMetrics, SameLogFontSharesOneRealizedFontAndItsGlyphs)
{
    HFONT a = MakeFont("MS Sans Serif", -11);
    HFONT b = MakeFont("Microsoft Sans Serif", -11);
    TextSurface s(200, 20, a);
    TextOut(s.dc, 0, 0, "Shared glyphs", -1);
    RealizedFont& realized = RealizeFont(*LookupFont(a));
    std::size_t rendered = realized.renderedGlyphCount();
    EXPECT_EQ(&RealizeFont(*LookupFont(b)), &realized);

    // A second draw of the same text renders nothing new.
    HGDIOBJ old = SelectObject(s.dc, b);
    TextOut(s.dc, 0, 0, "Shared glyphs", -1);
    EXPECT_EQ(realized.renderedGlyphCount(), rendered);
    SelectObject(s.dc, old);
    DeleteObject(b);
}

TEST(TextExtent, GrowsWithTextAndWeight)
{
    TextSurface s(16, 16);
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32(s.dc, "", 0, &size));
    EXPECT_EQ(size, (SIZE{0, 13}));
    int shorter = extentOf(s.dc, "Sound");
    int longer = extentOf(s.dc, "Sound board");
    EXPECT_GT(shorter, 0);
    EXPECT_GT(longer, shorter);
    // Lengths count bytes; -1 runs to the terminating zero.
    ASSERT_TRUE(GetTextExtentPoint32(s.dc, "Sound board", 5, &size));
    EXPECT_EQ(size.cx, shorter);
    ASSERT_TRUE(GetTextExtentPoint32(s.dc, "Sound", -1, &size));
    EXPECT_EQ(size.cx, shorter);
    EXPECT_FALSE(GetTextExtentPoint32(s.dc, "Sound", -2, &size));
    EXPECT_FALSE(GetTextExtentPoint32(s.dc, nullptr, 3, &size));
    EXPECT_FALSE(GetTextExtentPoint32(nullptr, "Sound", 5, &size));

    for (const char* face : {"MS Sans Serif", "DejaVu Sans", "Courier New"}) {
        HFONT normal = MakeFont(face, -11);
        HFONT bold = MakeFont(face, -11, FW_BOLD);
        HGDIOBJ old = SelectObject(s.dc, normal);
        int normalWidth = extentOf(s.dc, "Sound board");
        SelectObject(s.dc, bold);
        int boldWidth = extentOf(s.dc, "Sound board");
        SelectObject(s.dc, old);
        DeleteObject(normal);
        DeleteObject(bold);
        EXPECT_GE(boldWidth, normalWidth) << face;
        if (std::string(face) != "Courier New") {
            EXPECT_GT(boldWidth, normalWidth) << face;
        }
    }
}

TEST(TextExtent, StylesAreSynthesisedForFacesWithoutThem)
{
    LOGFONT probe;
    std::strcpy(probe.lfFaceName, "DejaVu Math TeX Gyre");
    if (MatchedFontFile(probe).find("MathTeXGyre") == std::string::npos)
        GTEST_SKIP() << "a face with a single style is not installed";
    TextSurface s(240, 100);
    SetTextAlign(s.dc, TA_BASELINE);
    const char* text = "Hamburg 42";
    SIZE sizes[3]{};
    int ink[3]{};
    const std::pair<LONG, bool> styles[3] = {{FW_NORMAL, false}, {FW_BOLD, false}, {FW_NORMAL, true}};
    for (int i = 0; i < 3; ++i) {
        HFONT f = MakeFont("DejaVu Math TeX Gyre", -15, styles[i].first, styles[i].second);
        HGDIOBJ old = SelectObject(s.dc, f);
        GetTextExtentPoint32(s.dc, text, -1, &sizes[i]);
        s.clear();
        TextOut(s.dc, 2, 60, text, -1);
        ink[i] = s.inkIn(RECT{0, 0, 240, 100});
        SelectObject(s.dc, old);
        DeleteObject(f);
    }
    EXPECT_GT(sizes[1].cx, sizes[0].cx);
    EXPECT_GT(ink[1], ink[0] * 11 / 10);
    EXPECT_EQ(sizes[2].cx, sizes[0].cx); // slanted, not wider
    EXPECT_GT(ink[2], ink[0] * 9 / 10);
}

TEST(TextExtent, MeasuredWidthIsDrawnWidth)
{
    TextSurface s(300, 20);
    for (const char* text : {"Mill", "Volume 100%", "WAVE files (*.wav)", "jjj"}) {
        s.clear();
        TextOut(s.dc, 10, 2, text, -1);
        RECT ink = s.inkBounds();
        int width = extentOf(s.dc, text);
        // Ink may reach a pixel past the advance box, never further.
        EXPECT_GE(ink.left, 9) << text;
        EXPECT_LE(ink.right, 10 + width + 1) << text;
        EXPECT_GE(ink.right, 10 + width - 2) << text;
    }
}

TEST(TextOut, AlignmentPlacesTheTextBox)
{
    TextSurface s(200, 60);
    TEXTMETRIC tm{};
    GetTextMetrics(s.dc, &tm);
    int width = extentOf(s.dc, "Align");

    SetTextAlign(s.dc, TA_RIGHT | TA_BOTTOM);
    TextOut(s.dc, 100, 40, "Align", 5);
    EXPECT_EQ(s.inkOutside(RECT{100 - width - 1, 40 - tm.tmHeight, 101, 40}), 0);
    EXPECT_GT(s.inkIn(RECT{100 - width, 40 - tm.tmHeight, 100, 40}), 0);

    s.clear();
    SetTextAlign(s.dc, TA_CENTER | TA_BASELINE);
    TextOut(s.dc, 100, 30, "Mill", 4);
    RECT ink = s.inkBounds();
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100, 2);
    EXPECT_EQ(ink.bottom, 30); // no descenders: the ink sits on the baseline
}

TEST(TextOut, UpdateCurrentPositionChainsRuns)
{
    TextSurface s(200, 20);
    SetTextAlign(s.dc, TA_UPDATECP);
    MoveToEx(s.dc, 5, 2, nullptr);
    TextOut(s.dc, 999, 999, "Play", 4);
    TextOut(s.dc, 999, 999, "list", 4);
    POINT p{};
    GetCurrentPositionEx(s.dc, &p);
    EXPECT_EQ(p, (POINT{5 + extentOf(s.dc, "Playlist"), 2}));
    EXPECT_EQ(s.inkOutside(RECT{4, 2, p.x + 1, 15}), 0);

    SetTextAlign(s.dc, TA_UPDATECP | TA_RIGHT);
    TextOut(s.dc, 0, 0, "list", 4);
    POINT back{};
    GetCurrentPositionEx(s.dc, &back);
    EXPECT_EQ(back.x, p.x - extentOf(s.dc, "list"));
}

TEST(ExtTextOut, OpaqueClippedAndAdvances)
{
    TextSurface s(200, 40);
    SetBkColor(s.dc, RGB(0, 0, 255));
    RECT box{10, 10, 30, 20};
    // An opaque rectangle is painted even without text.
    EXPECT_TRUE(ExtTextOut(s.dc, 0, 0, ETO_OPAQUE, &box, "", 0, nullptr));
    EXPECT_EQ(s.at(10, 10), 0xFF0000FFu);
    EXPECT_EQ(s.at(29, 19), 0xFF0000FFu);
    EXPECT_TRUE(s.isBackground(30, 19));

    s.clear();
    EXPECT_TRUE(ExtTextOut(s.dc, 10, 5, ETO_CLIPPED, &box, "Clipped text", 12, nullptr));
    EXPECT_GT(s.inkIn(box), 0);
    EXPECT_EQ(s.inkOutside(box), 0);

    // Caller advances space the characters; the width is their sum.
    s.clear();
    const int advances[] = {20, 20, 20};
    ExtTextOut(s.dc, 0, 5, 0, nullptr, "iii", 3, advances);
    RECT ink = s.inkBounds();
    EXPECT_GE(ink.right - ink.left, 41);
    SetTextAlign(s.dc, TA_UPDATECP);
    MoveToEx(s.dc, 0, 25, nullptr);
    ExtTextOut(s.dc, 0, 0, 0, nullptr, "iii", 3, advances);
    POINT p{};
    GetCurrentPositionEx(s.dc, &p);
    EXPECT_EQ(p.x, 60);
}

TEST(TextOut, OpaqueBackgroundAndDecorations)
{
    TextSurface s(120, 20, MakeFont("MS Sans Serif", -11, FW_NORMAL, false, true));
    SetBkMode(s.dc, OPAQUE);
    SetBkColor(s.dc, RGB(255, 0, 0));
    TextOut(s.dc, 4, 2, "Loop", 4);
    int width = extentOf(s.dc, "Loop");
    // The cell is red, the text is black, the underline runs the full width.
    EXPECT_EQ(s.at(4, 2), 0xFFFF0000u);
    EXPECT_EQ(s.at(4 + width - 1, 2 + 12), 0xFFFF0000u);
    EXPECT_TRUE(s.isBackground(4 + width, 2));
    TEXTMETRIC tm{};
    GetTextMetrics(s.dc, &tm);
    bool underlined = false;
    for (int y = 2 + tm.tmAscent; y < 2 + tm.tmHeight; ++y) {
        bool full = true;
        for (int x = 4; x < 4 + width; ++x)
            full = full && s.at(x, y) == 0xFF000000u;
        underlined = underlined || full;
    }
    EXPECT_TRUE(underlined);
}

TEST(TextOut, CoverageBlendsTextColourOverTheBackground)
{
    TextSurface s(120, 20);
    const Pixel background = 0xFF3080C0u;
    const COLORREF text = RGB(250, 20, 90);
    s.clear(background);
    SetTextColor(s.dc, text);
    TextOut(s.dc, 2, 2, "Blend &%@ gy", -1);
    // Every pixel is background and text mixed by one coverage for all
    // three channels: (c * text + (255 - c) * background) / 255.
    auto mix = [](unsigned c, unsigned t, unsigned b) { return (c * t + (255 - c) * b) / 255; };
    int partial = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 120; ++x) {
            Pixel p = s.at(x, y);
            bool explained = false;
            for (unsigned c = 0; c < 256 && !explained; ++c)
                explained = p == (0xFF000000u | mix(c, GetRValue(text), 0x30) << 16 | mix(c, GetGValue(text), 0x80) << 8
                                  | mix(c, GetBValue(text), 0xC0));
            EXPECT_TRUE(explained) << x << "," << y << std::hex << " " << p;
            partial += p != background && p != PixelFromColorRef(text);
        }
    }
    EXPECT_GT(partial, 0);
}

TEST(TextOut, ClipsToTheDcAndSurvivesWildPositions)
{
    TextSurface s(100, 30);
    IntersectClipRect(s.dc, 0, 0, 20, 30);
    TextOut(s.dc, 2, 2, "Clipped at twenty pixels", -1);
    EXPECT_GT(s.inkIn(RECT{0, 0, 20, 30}), 0);
    EXPECT_EQ(s.inkOutside(RECT{0, 0, 20, 30}), 0);

    SelectClipRgn(s.dc, nullptr);
    s.clear();
    SetViewportOrgEx(s.dc, 50, 10, nullptr);
    for (int x : {-100000, -60, 60, 100000, INT32_MAX / 2, INT32_MIN / 2})
        EXPECT_TRUE(TextOut(s.dc, x, x, "Nowhere", -1));
    EXPECT_EQ(s.inkIn(RECT{0, 0, 100, 30}), 0);
    SetTextAlign(s.dc, TA_RIGHT | TA_UPDATECP);
    MoveToEx(s.dc, INT32_MIN, INT32_MIN, nullptr);
    EXPECT_TRUE(TextOut(s.dc, 0, 0, "Nowhere", -1));
}

TEST(TextOut, InvalidUtf8IsDrawnAsReplacementCharacters)
{
    TextSurface s(200, 20);
    // Each bad sequence measures as one U+FFFD.
    int replacement = extentOf(s.dc, "\xEF\xBF\xBD");
    EXPECT_GT(replacement, 0);
    EXPECT_EQ(extentOf(s.dc, "\xFF"), replacement);
    EXPECT_EQ(extentOf(s.dc, "a\xC3"), extentOf(s.dc, "a") + replacement); // truncated at the end
    EXPECT_EQ(extentOf(s.dc, "\xE2\x82"), replacement);                    // broken in the middle
    EXPECT_EQ(extentOf(s.dc, "\xED\xA0\x80"), replacement);                // a surrogate
    EXPECT_EQ(extentOf(s.dc, "\xC0\xAF"), 2 * replacement);                // overlong: lead byte, then stray

    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(std::size_t(random() % 40), '\0');
        for (char& c : bytes)
            c = char(random());
        SIZE size{};
        EXPECT_TRUE(GetTextExtentPoint32(s.dc, bytes.data(), int(bytes.size()), &size));
        EXPECT_TRUE(TextOut(s.dc, 0, 0, bytes.data(), int(bytes.size())));
    }
}

TEST(TextOut, MissingCharactersFallBack)
{
    TextSurface s(100, 20);
    // The snowman is in the fallback face only; a private-use character in none.
    int snowman = extentOf(s.dc, "\xE2\x98\x83");
    int missing = extentOf(s.dc, "\xEE\x80\x80");
    EXPECT_GT(snowman, 0);
    EXPECT_GT(missing, 0);
    TextOut(s.dc, 2, 2, "\xE2\x98\x83", -1);
    RECT snowmanInk = s.inkBounds();
    s.clear();
    TextOut(s.dc, 2, 2, "\xEE\x80\x80", -1);
    EXPECT_NE(snowmanInk, s.inkBounds());
}

} // namespace
} // namespace text_test
