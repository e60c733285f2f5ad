#include "platform/Gdi.h"
#include "platform/RectMath.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SePixels.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr Pixel Red = 0xFFFF0000, Blue = 0xFF0000FF, White = 0xFFFFFFFF, Grey = 0xFF404040;

// A destination with a one-pixel canary border that drawing must not touch.
struct Canvas {
    TSeBitmap target;
    Canvas(int w, int h)
    {
        target.Allocate(w + 2, h + 2);
        target.Fill(Grey);
        SetViewportOrgEx(target.DC(), 1, 1, nullptr);
        IntersectClipRect(target.DC(), 0, 0, w, h);
    }
    Pixel at(int x, int y) const { return target.Pixels(x + 1, y + 1); }
    bool borderIntact() const
    {
        for (int x = 0; x < target.Width(); ++x)
            if (target.Pixels(x, 0) != Grey || target.Pixels(x, target.Height() - 1) != Grey)
                return false;
        for (int y = 0; y < target.Height(); ++y)
            if (target.Pixels(0, y) != Grey || target.Pixels(target.Width() - 1, y) != Grey)
                return false;
        return true;
    }
};

// The hue shift worked out in exact fractions, step by step as the rule
// states it, as the reference for the shift the engine computes.
struct Fraction {
    std::int64_t n = 0, d = 1;
    Fraction(std::int64_t num = 0, std::int64_t den = 1)
    {
        if (den < 0)
            num = -num, den = -den;
        const std::int64_t g = std::gcd(num < 0 ? -num : num, den);
        n = g ? num / g : 0;
        d = g ? den / g : 1;
    }
};
Fraction operator+(Fraction a, Fraction b) { return Fraction(a.n * b.d + b.n * a.d, a.d * b.d); }
Fraction operator-(Fraction a, Fraction b) { return Fraction(a.n * b.d - b.n * a.d, a.d * b.d); }
Fraction operator*(Fraction a, Fraction b) { return Fraction(a.n * b.n, a.d * b.d); }
Fraction operator/(Fraction a, Fraction b) { return Fraction(a.n * b.d, a.d * b.n); }
bool operator<(Fraction a, Fraction b) { return a.n * b.d < b.n * a.d; }
bool operator==(Fraction a, Fraction b) { return a.n == b.n && a.d == b.d; }

std::int64_t floorOf(Fraction f)
{
    std::int64_t q = f.n / f.d;
    if (f.n % f.d < 0)
        --q;
    return q;
}

// Nearest integer, ties to even.
std::int64_t roundEven(Fraction f)
{
    std::int64_t q = f.n / f.d, r = f.n % f.d;
    if (r < 0)
        --q, r += f.d;
    if (2 * r > f.d || (2 * r == f.d && q % 2 != 0))
        ++q;
    return q;
}

COLORREF exactHueShift(int red, int green, int blue, int delta)
{
    const Fraction r(red, 255), g(green, 255), b(blue, 255);
    const Fraction maxC = std::max({r, g, b}), minC = std::min({r, g, b});
    const Fraction l = (maxC + minC) / Fraction(2);
    Fraction h, s;
    if (!(maxC == minC)) {
        const Fraction d = maxC - minC;
        s = l < Fraction(1, 2) ? d / (maxC + minC) : d / (Fraction(2) - maxC - minC);
        if (maxC == r)
            h = (g - b) / d;
        else if (maxC == g)
            h = (b - r) / d + Fraction(2);
        else
            h = (r - g) / d + Fraction(4);
        h = h / Fraction(6);
        if (h < Fraction(0))
            h = h + Fraction(1);
    }
    std::int64_t hue = roundEven(h * Fraction(255)) + delta;
    if (hue >= 256)
        hue -= 255;
    if (hue < 0)
        hue += 255;
    const Fraction h2(hue, 255);
    std::int64_t out[3];
    if (s == Fraction(0)) {
        out[0] = out[1] = out[2] = roundEven(l * Fraction(255));
    } else {
        const Fraction m2 = l < Fraction(1, 2) || l == Fraction(1, 2) ? l * (Fraction(1) + s) : l + s - l * s;
        const Fraction m1 = Fraction(2) * l - m2;
        auto v = [&](Fraction x) {
            x = x - Fraction(floorOf(x));
            if (Fraction(6) * x < Fraction(1))
                return m1 + (m2 - m1) * Fraction(6) * x;
            if (Fraction(2) * x < Fraction(1))
                return m2;
            if (Fraction(3) * x < Fraction(2))
                return m1 + (m2 - m1) * (Fraction(2, 3) - x) * Fraction(6);
            return m1;
        };
        out[0] = roundEven(Fraction(255) * v(h2 + Fraction(1, 3)));
        out[1] = roundEven(Fraction(255) * v(h2));
        out[2] = roundEven(Fraction(255) * v(h2 - Fraction(1, 3)));
    }
    for (std::int64_t& c : out)
        c = std::clamp<std::int64_t>(c, 0, 255);
    return RGB(BYTE(out[0]), BYTE(out[1]), BYTE(out[2]));
}

// The masked draw pixel by pixel, as the definition reads: every visible
// destination pixel takes the source pixel whose span holds its centre,
// unless that pixel has the key colour (whatever its alpha).
void referenceMaskedDraw(const TSeBitmap& source, const RECT& from, const RECT& to, const RECT& clip,
                         std::vector<Pixel>& target, int targetWidth)
{
    const std::int64_t dw = to.right - to.left, dh = to.bottom - to.top;
    const std::int64_t sw = from.right - from.left, sh = from.bottom - from.top;
    for (int y = std::max(to.top, clip.top); y < std::min(to.bottom, clip.bottom); ++y)
        for (int x = std::max(to.left, clip.left); x < std::min(to.right, clip.right); ++x) {
            const int sx = from.left + int(((2 * (x - to.left) + 1) * sw) / (2 * dw));
            const int sy = from.top + int(((2 * (y - to.top) + 1) * sh) / (2 * dh));
            const Pixel p = source.Pixels(sx, sy);
            if (!IsKeyPixel(p))
                target[std::size_t(y) * std::size_t(targetWidth) + std::size_t(x)] = p;
        }
}

} // namespace

TEST(SeBitmap, AllocateTakesAbsoluteSizesAndIgnoresZero)
{
    TSeBitmap bitmap;
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.Allocate(-10, 5);
    EXPECT_EQ(bitmap.Width(), 10);
    EXPECT_EQ(bitmap.Height(), 5);
    bitmap.Allocate(0, 5);
    EXPECT_EQ(bitmap.Width(), 10);
    EXPECT_FALSE(bitmap.IsEmpty());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bitmap.Pixels(10, 0), SeOutsidePixel);
    EXPECT_EQ(bitmap.Pixels(-1, 0), SeOutsidePixel);

    TSeBitmap one;
    one.Allocate(1, 1);
    one.Fill(0x00123456);
    one.SetAlpha(255);
    EXPECT_EQ(one.Pixels(0, 0), 0xFF123456u);
}

TEST(SeBitmap, KeyOutAndBlendFollowTheirRules)
{
    TSeBitmap bitmap;
    bitmap.Allocate(2, 1);
    bitmap.ScanLine(0)[0] = 0xFFFA04FC; // 250, 4, 252: within 6 of magenta
    bitmap.ScanLine(0)[1] = 0xFFF900FF; // 249: not
    bitmap.KeyOutColor(0xFF00FF);
    EXPECT_EQ(bitmap.Pixels(0, 0), SeKeyValue);
    EXPECT_EQ(bitmap.Pixels(1, 0), 0xFFF900FFu);

    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        const Pixel s = random(), d = random();
        const unsigned a = s >> 24;
        Pixel expected = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            const unsigned sc = s >> shift & 0xFF, dc = d >> shift & 0xFF;
            const unsigned c = a == 255 ? sc : a == 0 ? dc : (a * sc + 128) / 256 + ((255 - a) * dc + 128) / 256;
            expected |= Pixel(c) << shift;
        }
        ASSERT_EQ(BlendPixel(s, d, s >> 24), expected) << std::hex << s << " over " << d;
    }
}

TEST(SeBitmap, HueShiftFigures)
{
    EXPECT_EQ(HueShiftColorRef(RGB(255, 0, 0), 0), RGB(255, 0, 0));
    EXPECT_EQ(HueShiftColorRef(RGB(255, 0, 0), 85), RGB(0, 255, 0));
    EXPECT_EQ(HueShiftColorRef(RGB(255, 0, 0), 255), RGB(255, 0, 0));
    // Yellow's hue is 42.5 steps: ties go to the even 42, so even a zero
    // shift moves green to 252.
    EXPECT_EQ(HueShiftColorRef(RGB(255, 255, 0), 0), RGB(255, 252, 0));
    // 42 + 255 wraps by 255 back to 42 (a wrap by 256 would give 41).
    EXPECT_EQ(HueShiftColorRef(RGB(255, 255, 0), 255), RGB(255, 252, 0));
    // Below zero wraps up by 255: red - 85 lands on 170, pure blue.
    EXPECT_EQ(HueShiftColorRef(RGB(255, 0, 0), -85), RGB(0, 0, 255));
    // Greys have no hue and keep their lightness.
    EXPECT_EQ(HueShiftColorRef(RGB(128, 128, 128), 40), RGB(128, 128, 128));

    TSeBitmap bitmap;
    bitmap.Allocate(3, 1);
    bitmap.ScanLine(0)[0] = 0xFFFF0000;
    bitmap.ScanLine(0)[1] = SeKeyValue;
    bitmap.ScanLine(0)[2] = 0x00FF0000; // transparent: untouched
    bitmap.ChangeHue(85);
    EXPECT_EQ(bitmap.Pixels(0, 0), 0xFF00FF00u);
    EXPECT_EQ(bitmap.Pixels(1, 0), SeKeyValue);
    EXPECT_EQ(bitmap.Pixels(2, 0), 0x00FF0000u);
}

TEST(SeBitmap, HueShiftMatchesTheExactRuleAtHalfSteps)
{
    // Hue 0.5/255 exactly: ties go to the even index 0, which gives green
    // 85 back; one index off gives 87.
    EXPECT_EQ(exactHueShift(170, 86, 85, 0), RGB(170, 85, 85));
    EXPECT_EQ(HueShiftColorRef(RGB(170, 86, 85), 0), RGB(170, 85, 85));
    int checked = 0;
    for (int r = 0; r < 256; r += 5)
        for (int g = 1; g < 256; g += 6)
            for (int b = 2; b < 256; b += 7)
                for (int delta : {0, 1, 42, 85, 170, 254, 255, -1, -85, -254}) {
                    ASSERT_EQ(HueShiftColorRef(RGB(r, g, b), delta), exactHueShift(r, g, b, delta))
                        << r << "," << g << "," << b << " by " << delta;
                    ++checked;
                }
    // Every colour one step either side of the tie lines, unshifted.
    for (int d = 1; d < 256; ++d)
        for (int lo = 0; lo + d < 256; lo += 17)
            for (int mid = lo; mid <= lo + d; ++mid) {
                ASSERT_EQ(HueShiftColorRef(RGB(lo + d, mid, lo), 0), exactHueShift(lo + d, mid, lo, 0));
                ASSERT_EQ(HueShiftColorRef(RGB(lo, lo + d, mid), 3), exactHueShift(lo, lo + d, mid, 3));
                ++checked;
            }
    EXPECT_GT(checked, 100000);
}

TEST(SeBitmap, MaskedSkipsKeyWhateverItsAlphaOpaqueCopiesAll)
{
    TSeBitmap source;
    source.Allocate(3, 1);
    source.ScanLine(0)[0] = Red;
    source.ScanLine(0)[1] = 0xFF7F007F; // key colour with an opaque alpha byte
    source.ScanLine(0)[2] = SeKeyValue;
    Canvas masked(3, 1), opaque(3, 1);
    masked.target.Fill(White);
    source.Draw(masked.target.DC(), 0, 0, true);
    EXPECT_EQ(masked.at(0, 0), Red);
    EXPECT_EQ(masked.at(1, 0), White);
    EXPECT_EQ(masked.at(2, 0), White);
    source.Draw(opaque.target.DC(), 0, 0, false);
    EXPECT_EQ(opaque.at(1, 0), 0xFF7F007Fu);
    EXPECT_EQ(opaque.at(2, 0), SeKeyValue);
}

TEST(SeBitmap, ScaledMaskedDrawTakesNearestAndStaysInside)
{
    TSeBitmap source;
    source.Allocate(2, 2);
    source.ScanLine(0)[0] = Red;
    source.ScanLine(0)[1] = Blue;
    source.ScanLine(1)[0] = SeKeyValue;
    source.ScanLine(1)[1] = White;
    Canvas canvas(4, 4);
    source.ScaleDraw(canvas.target.DC(), RECT{0, 0, 4, 4}, RECT{0, 0, 2, 2}, true);
    EXPECT_EQ(canvas.at(0, 0), Red);
    EXPECT_EQ(canvas.at(3, 1), Blue);
    EXPECT_EQ(canvas.at(1, 2), Grey);
    EXPECT_EQ(canvas.at(2, 3), White);
    EXPECT_TRUE(canvas.borderIntact());

    // Half of this destination lies outside the clip: the pick follows the
    // whole destination, not its visible part.
    Canvas clipped(4, 4);
    source.ScaleDraw(clipped.target.DC(), RECT{-2, 0, 2, 4}, RECT{0, 0, 2, 2}, true);
    EXPECT_EQ(clipped.at(0, 0), Blue);
    EXPECT_EQ(clipped.at(1, 1), Blue);
    EXPECT_EQ(clipped.at(1, 3), White);
    EXPECT_EQ(clipped.at(2, 0), Grey);
    EXPECT_TRUE(clipped.borderIntact());
}

TEST(SeBitmap, ScaledMaskedDrawMatchesThePixelByPixelReference)
{
    std::mt19937 random(23);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 300; ++round) {
        TSeBitmap source;
        source.Allocate(pick(1, 24), pick(1, 24));
        for (int y = 0; y < source.Height(); ++y)
            for (int x = 0; x < source.Width(); ++x)
                source.ScanLine(y)[x] = pick(0, 9) < 3 ? (SeKeyValue & 0x00FFFFFFu) | (Pixel(random()) << 24)
                                                       : Pixel(random());
        const int fromLeft = pick(0, source.Width() - 1), fromTop = pick(0, source.Height() - 1);
        const RECT from{fromLeft, fromTop, pick(fromLeft + 1, source.Width()), pick(fromTop + 1, source.Height())};
        // Destinations of any scale, some hanging over the clip's edges.
        const int toLeft = pick(-10, 30), toTop = pick(-10, 30);
        const RECT to{toLeft, toTop, toLeft + pick(1, 60), toTop + pick(1, 60)};
        Canvas canvas(40, 40);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                canvas.target.ScanLine(y + 1)[x + 1] = Pixel(random());
        std::vector<Pixel> expected(std::size_t(42) * 42);
        for (int y = 0; y < 42; ++y)
            for (int x = 0; x < 42; ++x)
                expected[std::size_t(y) * 42 + std::size_t(x)] = canvas.target.Pixels(x, y);
        referenceMaskedDraw(source, from, Offset(to, 1, 1), RECT{1, 1, 41, 41}, expected, 42);
        source.ScaleDraw(canvas.target.DC(), to, from, true);
        for (int y = 0; y < 42; ++y)
            for (int x = 0; x < 42; ++x)
                ASSERT_EQ(canvas.target.Pixels(x, y), expected[std::size_t(y) * 42 + std::size_t(x)])
                    << "round " << round << " at " << x - 1 << "," << y - 1 << ": source " << source.Width() << "x"
                    << source.Height() << ", from " << from.left << "," << from.top << "-" << from.right << ","
                    << from.bottom << " to " << to.left << "," << to.top << "-" << to.right << "," << to.bottom;
    }
}

TEST(SeBitmap, TilingCutsTheLastTile)
{
    for (bool masked : {false, true}) {
        TSeBitmap source;
        source.Allocate(20, 1);
        for (int x = 0; x < 20; ++x)
            source.ScanLine(0)[x] = 0xFF000000 | Pixel(x);
        Canvas canvas(30, 2);
        source.TileDraw(canvas.target.DC(), RECT{0, 0, 30, 2}, RECT{0, 0, 20, 1}, masked);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 30; ++x)
                ASSERT_EQ(canvas.at(x, y), 0xFF000000 | Pixel(x % 20)) << x << "," << y << (masked ? " masked" : "");
        EXPECT_TRUE(canvas.borderIntact());
    }
}

TEST(SeBitmap, CopiesBetweenBitmapsClipAndBlend)
{
    TSeBitmap source, target;
    source.Allocate(4, 4);
    source.Fill(0x80FF0000);
    target.Allocate(3, 3);
    target.Fill(0xFF0000FF);
    source.PutInto(target, 1, 1, RECT{0, 0, 4, 4});
    EXPECT_EQ(target.Pixels(0, 0), 0xFF0000FFu);
    EXPECT_EQ(target.Pixels(2, 2), 0x80FF0000u);
    source.SetUseAlpha(true);
    target.Fill(0xFF0000FF);
    source.PutInto(target, -1, -1, RECT{0, 0, 4, 4});
    EXPECT_EQ(target.Pixels(2, 2), BlendPixel(0x80FF0000, 0xFF0000FF, 0x80));

    TSeBitmap under;
    under.Allocate(3, 1);
    under.ScanLine(0)[0] = 0x00000000;
    under.ScanLine(0)[1] = 0x80FFFFFF;
    under.ScanLine(0)[2] = 0xFF00FF00;
    TSeBitmap back;
    back.Allocate(3, 1);
    back.Fill(0xFF0000FF);
    under.MergeUnder(back, 0, 0, RECT{0, 0, 3, 1});
    EXPECT_EQ(under.Pixels(0, 0), 0xFF0000FFu);
    EXPECT_EQ(under.Pixels(1, 0), BlendPixel(0x80FFFFFF, 0xFF0000FF, 0x80));
    EXPECT_EQ(under.Pixels(2, 0), 0xFF00FF00u);

    target.FillRect(RECT{-5, -5, 1, 1}, Red);
    EXPECT_EQ(target.Pixels(0, 0), Red);
    EXPECT_NE(target.Pixels(1, 1), Red);
}

TEST(SeBitmap, RegionFromRunsOfNonKeyPixels)
{
    TSeBitmap bitmap;
    bitmap.Allocate(4, 2);
    bitmap.Fill(White);
    bitmap.ScanLine(0)[1] = SeKeyValue;
    bitmap.ScanLine(0)[2] = 0xFF7F007F;
    HRGN rgn = bitmap.CreateRegion(10, 20);
    ASSERT_NE(rgn, nullptr);
    EXPECT_TRUE(PtInRegion(rgn, 10, 20));
    EXPECT_FALSE(PtInRegion(rgn, 11, 20));
    EXPECT_FALSE(PtInRegion(rgn, 12, 20));
    EXPECT_TRUE(PtInRegion(rgn, 13, 20));
    EXPECT_TRUE(PtInRegion(rgn, 12, 21));
    RECT box{};
    GetRgnBox(rgn, &box);
    EXPECT_TRUE(box.left == 10 && box.top == 20 && box.right == 14 && box.bottom == 22);
    DeleteObject(rgn);
    TSeBitmap empty;
    EXPECT_EQ(empty.CreateRegion(0, 0), nullptr);
}

TEST(SeBitmap, ListLinksByNameIgnoringCaseLastWins)
{
    TSeBitmapList list;
    auto first = std::make_unique<TSeBitmap>();
    first->SetName("Frame");
    auto second = std::make_unique<TSeBitmap>();
    second->SetName("FRAME");
    TSeBitmap* later = second.get();
    list.Add(std::move(first));
    list.Add(std::move(second));
    auto link = list.LinkTo("frame", RECT{1, 2, 3, 4});
    ASSERT_TRUE(link);
    EXPECT_EQ(link->Image(), later);
    EXPECT_EQ(link->Name(), "FRAME");
    EXPECT_EQ(list.LinkTo("nothing", RECT{}), nullptr);
    EXPECT_EQ(list.Items(2), nullptr);
    EXPECT_EQ(list.Items(-1), nullptr);
}

TEST(SeBitmap, RecordRoundTripsAndRaisesAtEveryCut)
{
    TSeBitmap bitmap;
    bitmap.SetName("Strip");
    bitmap.Allocate(3, 2);
    for (int i = 0; i < 6; ++i)
        bitmap.Bits()[i] = 0x01020304u * Pixel(i + 1);
    TMemoryStream stream;
    bitmap.WriteTo(stream);
    ASSERT_EQ(stream.Size(), 4 + 5 + 8 + 24);

    stream.SetPosition(0);
    TSeBitmap copy;
    copy.ReadFrom(stream);
    EXPECT_EQ(copy.Name(), "Strip");
    ASSERT_EQ(copy.Width(), 3);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(copy.Bits()[i], bitmap.Bits()[i]);

    for (std::int64_t cut = 0; cut < stream.Size(); ++cut) {
        TMemoryStream part;
        part.WriteBuffer(stream.Memory(), cut);
        part.SetPosition(0);
        TSeBitmap broken;
        EXPECT_THROW(broken.ReadFrom(part), EStreamError) << "cut at " << cut;
    }
    // A huge claimed size raises before anything is allocated.
    TMemoryStream huge;
    const unsigned char record[] = {0, 0, 0, 0, 0xFF, 0x7F, 0, 0, 0xFF, 0x7F, 0, 0};
    huge.WriteBuffer(record, sizeof record);
    huge.SetPosition(0);
    TSeBitmap none;
    EXPECT_THROW(none.ReadFrom(huge), EReadError);
    EXPECT_TRUE(none.IsEmpty());
}
