#include "platform/Gdi.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Icon.h"
#include "ui/graphics/Picture.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <filesystem>

namespace {

Pixel At(TBitmap& b, int x, int y)
{
    return b.ScanLine(y)[x];
}

void Fill(TBitmap& b, Pixel p)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.ScanLine(y)[x] = p;
}

// Pixels of `b` that differ from `background`, as a bounding box.
RECT InkBox(TBitmap& b, Pixel background)
{
    RECT box{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (At(b, x, y) != background) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

} // namespace

TEST(Colors, SystemColoursResolveThroughThePlatform)
{
    EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clHighlightText), GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
    EXPECT_EQ(StringToColor("$00FF8040"), TColor(0xFF8040));
    EXPECT_EQ(ColorToString(clSkyBlue), "clSkyBlue");
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_EQ(StringToColor(ColorToString(clNone)), clNone);
    for (const char* bad : {"", "clNoSuch", "$", "$1G", "12abc", "$123456789"})
        EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
}

TEST(Font, SizeAndHeightConvertAtNinetySixPixelsPerInch)
{
    TFont font;
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.SetHeight(-13); // 9.75 points
    EXPECT_EQ(font.Size(), 10);
    font.SetHeight(16); // a cell height gives a negative size
    EXPECT_EQ(font.Size(), -12);
}

TEST(Font, HandleIsRenewedWhenTheShapeChanges)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    HFONT first = font.Handle();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(font.Handle(), first);

    font.SetColor(clRed); // colour is not part of the font object
    EXPECT_EQ(font.Handle(), first);
    EXPECT_EQ(changes, 1);

    font.SetStyle({fsBold, fsItalic});
    HFONT second = font.Handle();
    EXPECT_EQ(GetObjectType(first), 0u) << "old handle not released";
    LOGFONT lf;
    ASSERT_EQ(GetObject(second, sizeof lf, &lf), int(sizeof lf));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(changes, 2);

    TFont copy;
    copy.Assign(&font);
    EXPECT_EQ(copy.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_THROW(copy.Assign(static_cast<const TPersistent*>(nullptr)), EConvertError);
}

TEST(Canvas, FontChangesWhileSelectedDoNotLeakHandles)
{
    TBitmap bitmap(40, 20);
    TCanvas* canvas = bitmap.Canvas();
    canvas->TextExtent("x"); // selects the font
    int before = GdiObjectCount();
    for (int i = 0; i < 20; ++i) {
        canvas->Font()->SetHeight(-10 - i);
        canvas->Brush()->SetColor(TColor(i));
        canvas->Pen()->SetWidth(1 + i % 3);
        canvas->FillRect(RECT{0, 0, 4, 4});
        canvas->TextExtent("x");
    }
    EXPECT_LE(GdiObjectCount(), before + 2);
}

TEST(Canvas, WithoutADeviceContextRefusesToDraw)
{
    TCanvas canvas;
    try {
        canvas.FillRect(RECT{0, 0, 1, 1});
        FAIL();
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Canvas does not allow drawing");
    }
}

TEST(Canvas, DrawsIntoABitmap)
{
    TBitmap bitmap(30, 20);
    TCanvas* canvas = bitmap.Canvas();
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };

    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(RECT{0, 0, 30, 20});
    EXPECT_EQ(At(bitmap, 29, 19), 0xFFFFFFFFu);
    EXPECT_GT(changes, 0);

    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(RECT{2, 3, 6, 5});
    EXPECT_EQ(At(bitmap, 2, 3), 0xFFFF0000u);
    EXPECT_EQ(At(bitmap, 5, 4), 0xFFFF0000u);
    EXPECT_EQ(At(bitmap, 6, 4), 0xFFFFFFFFu);
    EXPECT_EQ(At(bitmap, 5, 5), 0xFFFFFFFFu);

    canvas->SetPixels(10, 10, clBlue);
    EXPECT_EQ(canvas->Pixels(10, 10), clBlue);
    EXPECT_EQ(At(bitmap, 10, 10), 0xFF0000FFu);
    EXPECT_EQ(canvas->Pixels(-1, 0), clNone);
    EXPECT_EQ(canvas->Pixels(10, 10), TColor(ColorRefFromPixel(At(bitmap, 10, 10))));

    canvas->Brush()->SetColor(clLime);
    canvas->FrameRect(RECT{12, 2, 18, 8});
    EXPECT_EQ(At(bitmap, 12, 2), 0xFF00FF00u);
    EXPECT_EQ(At(bitmap, 17, 7), 0xFF00FF00u);
    EXPECT_EQ(At(bitmap, 14, 4), 0xFFFFFFFFu);

    RECT clip = canvas->ClipRect();
    EXPECT_EQ(clip, (RECT{0, 0, 30, 20}));
}

TEST(Canvas, PatternBrushTilesABitmapCopy)
{
    TBitmap checker(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            checker.ScanLine(y)[x] = ((x + y) & 1) ? 0xFFFFFFFFu : 0xFF000000u;
    TBitmap target(16, 4);
    target.Canvas()->Brush()->SetBitmap(&checker);
    checker.SetSize(0, 0); // the brush keeps its own copy
    target.Canvas()->FillRect(RECT{0, 0, 16, 4});
    EXPECT_EQ(At(target, 0, 0), 0xFF000000u);
    EXPECT_EQ(At(target, 1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(At(target, 9, 0), 0xFFFFFFFFu);
    EXPECT_EQ(At(target, 9, 1), 0xFF000000u);
    target.Canvas()->Brush()->SetBitmap(nullptr);
    target.Canvas()->Brush()->SetColor(clRed);
    target.Canvas()->FillRect(RECT{0, 0, 16, 4});
    EXPECT_EQ(At(target, 1, 0), 0xFFFF0000u);
}

TEST(Canvas, ShapesUsePenAndBrush)
{
    TBitmap bitmap(30, 30);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(RECT{0, 0, 30, 30});
    canvas->Pen()->SetColor(clBlue);
    canvas->Brush()->SetColor(clYellow);
    canvas->Rectangle(2, 2, 12, 12);
    EXPECT_EQ(At(bitmap, 2, 2), 0xFF0000FFu);
    EXPECT_EQ(At(bitmap, 11, 11), 0xFF0000FFu);
    EXPECT_EQ(At(bitmap, 6, 6), 0xFFFFFF00u);
    EXPECT_EQ(At(bitmap, 12, 12), 0xFFFFFFFFu);

    canvas->Brush()->SetStyle(bsClear);
    canvas->Ellipse(14, 14, 28, 28);
    EXPECT_EQ(At(bitmap, 21, 21), 0xFFFFFFFFu) << "a clear brush leaves the inside";
    EXPECT_EQ(At(bitmap, 21, 14), 0xFF0000FFu);

    canvas->MoveTo(0, 29);
    canvas->LineTo(10, 29);
    EXPECT_EQ(canvas->PenPos(), (POINT{10, 29}));
    EXPECT_EQ(At(bitmap, 0, 29), 0xFF0000FFu);
    EXPECT_EQ(At(bitmap, 9, 29), 0xFF0000FFu);
    EXPECT_EQ(At(bitmap, 10, 29), 0xFFFFFFFFu) << "the last point is not drawn";

    canvas->Pen()->SetMode(pmXor);
    canvas->Pen()->SetColor(clWhite);
    canvas->MoveTo(0, 28);
    canvas->LineTo(5, 28);
    EXPECT_EQ(At(bitmap, 2, 28), 0xFF000000u);
}

TEST(Canvas, TextGoesWhereItIsMeasured)
{
    TBitmap bitmap(120, 40);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(RECT{0, 0, 120, 40});
    canvas->Font()->SetColor(clBlack);
    SIZE extent = canvas->TextExtent("Brio");
    EXPECT_GT(extent.cx, 10);
    EXPECT_GT(extent.cy, 8);
    EXPECT_EQ(canvas->TextWidth("Brio"), extent.cx);
    EXPECT_GT(canvas->TextWidth("BrioBrio"), extent.cx);

    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(10, 5, "Brio");
    RECT ink = InkBox(bitmap, 0xFFFFFFFFu);
    EXPECT_FALSE(IsRectEmpty(&ink));
    EXPECT_GE(ink.left, 10);
    EXPECT_GE(ink.top, 5);
    EXPECT_LE(ink.right, 10 + extent.cx + 1);
    EXPECT_LE(ink.bottom, 5 + extent.cy);
    EXPECT_EQ(canvas->PenPos().x, 10 + extent.cx);

    RECT measure{0, 0, 1000, 0};
    canvas->TextRect(measure, "Brio", {tfCalcRect, tfSingleLine});
    EXPECT_EQ(measure.right - measure.left, extent.cx);

    // TextRect clips to its rectangle and fills it with a solid brush.
    canvas->Brush()->SetColor(clAqua);
    canvas->TextRect(RECT{60, 20, 70, 30}, 60, 20, "WWWWWW");
    EXPECT_EQ(At(bitmap, 69, 29) | 0xFF000000u, 0xFF00FFFFu);
    EXPECT_EQ(At(bitmap, 70, 25), 0xFFFFFFFFu);
}

TEST(Canvas, CopyRectAndDraw)
{
    TBitmap source(4, 4);
    Fill(source, 0xFF102030u);
    source.ScanLine(0)[0] = 0xFFFFFFFFu;
    TBitmap target(10, 10);
    Fill(target, 0xFF000000u);
    target.Canvas()->CopyRect(RECT{2, 2, 6, 6}, *source.Canvas(), RECT{0, 0, 4, 4});
    EXPECT_EQ(At(target, 2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(At(target, 5, 5), 0xFF102030u);
    EXPECT_EQ(At(target, 6, 6), 0xFF000000u);

    target.Canvas()->StretchDraw(RECT{0, 0, 8, 8}, &source);
    EXPECT_EQ(At(target, 1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(At(target, 2, 2), 0xFF102030u);
    target.Canvas()->Draw(0, 0, nullptr); // nothing to draw, no failure
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixel)
{
    TBitmap glyph(4, 4);
    Fill(glyph, 0xFFFF00FFu); // magenta background
    glyph.ScanLine(1)[1] = 0xFF00FF00u;
    glyph.ScanLine(2)[2] = 0xFF00FF00u;
    EXPECT_EQ(glyph.TransparentMode(), tmAuto);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    glyph.SetTransparent(true);

    TBitmap background(8, 8);
    Fill(background, 0xFF0000FFu);
    background.Canvas()->Draw(2, 2, &glyph);
    EXPECT_EQ(At(background, 2, 2), 0xFF0000FFu);
    EXPECT_EQ(At(background, 3, 3), 0xFF00FF00u);
    EXPECT_EQ(At(background, 4, 4), 0xFF00FF00u);
    EXPECT_EQ(At(background, 5, 2), 0xFF0000FFu);

    // The colour follows the pixel while the mode is automatic.
    glyph.ScanLine(3)[0] = 0xFF00FF00u;
    EXPECT_EQ(glyph.TransparentColor(), clLime);

    // A fixed colour stays, whatever the pixel.
    glyph.SetTransparentColor(clFuchsia);
    EXPECT_EQ(glyph.TransparentMode(), tmFixed);
    glyph.ScanLine(3)[0] = 0xFF123456u;
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    glyph.SetTransparentMode(tmAuto);
    EXPECT_EQ(glyph.TransparentColor(), TColor(RGB(0x12, 0x34, 0x56)));

    // Opaque drawing copies everything.
    glyph.SetTransparent(false);
    background.Canvas()->Draw(0, 0, &glyph);
    EXPECT_EQ(At(background, 0, 0), 0xFFFF00FFu);
}

TEST(Bitmap, DefinedAlphaBlendsWhenDrawn)
{
    TBitmap glyph(1, 1);
    glyph.ScanLine(0)[0] = 0x80FFFFFFu; // half-transparent white
    glyph.SetPixelFormat(pf32bit);
    glyph.SetAlphaFormat(afDefined);
    TBitmap background(1, 1);
    Fill(background, 0xFF000000u);
    background.Canvas()->Draw(0, 0, &glyph);
    Pixel p = At(background, 0, 0);
    EXPECT_NEAR(int(p & 0xFF), 128, 2);
}

TEST(Bitmap, ResizingKeepsTheOverlapAndScanLinesAreChecked)
{
    TBitmap bitmap(3, 2);
    bitmap.ScanLine(0)[0] = 0xFF010203u;
    bitmap.ScanLine(1)[2] = 0xFF040506u;
    bitmap.Canvas()->Handle(); // a selected DIB must not block the resize
    bitmap.SetSize(5, 4);
    EXPECT_EQ(At(bitmap, 0, 0), 0xFF010203u);
    EXPECT_EQ(At(bitmap, 2, 1), 0xFF040506u);
    EXPECT_EQ(At(bitmap, 4, 3), 0u);
    bitmap.SetWidth(1);
    EXPECT_EQ(At(bitmap, 0, 0), 0xFF010203u);
    EXPECT_THROW(bitmap.ScanLine(4), EInvalidGraphicOperation);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphicOperation);
    bitmap.SetHeight(0);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_THROW(bitmap.ScanLine(0), EInvalidGraphicOperation);
    bitmap.Canvas()->FillRect(RECT{0, 0, 5, 5}); // an empty bitmap draws nothing
}

TEST(Bitmap, AssignCopiesPictureAndSettings)
{
    TBitmap source(2, 2);
    source.ScanLine(1)[1] = 0xFFABCDEFu;
    source.SetPixelFormat(pf16bit);
    source.SetTransparent(true);
    TBitmap copy;
    copy.Assign(&source);
    source.ScanLine(1)[1] = 0;
    EXPECT_EQ(At(copy, 1, 1), 0xFFABCDEFu);
    EXPECT_EQ(copy.PixelFormat(), pf16bit);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_NE(copy.Handle(), source.Handle());
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());

    TBitmap adopted;
    HBITMAP plain = CreateCompatibleBitmap(nullptr, 3, 3);
    adopted.SetHandle(plain);
    EXPECT_EQ(adopted.Width(), 3);
    EXPECT_EQ(At(adopted, 2, 2), 0u);
}

TEST(Icon, MadeFromABitmapAndWrittenAsIco)
{
    TBitmap bitmap(16, 16);
    Fill(bitmap, 0xFFFF00FFu);
    bitmap.ScanLine(4)[5] = 0xFF336699u;
    bitmap.SetTransparent(true);
    TIcon icon;
    icon.Assign(&bitmap);
    ASSERT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_THROW(icon.SetWidth(32), EInvalidGraphicOperation);
    std::vector<Pixel> pixels = icon.StraightAlphaPixels();
    ASSERT_EQ(pixels.size(), 256u);
    EXPECT_EQ(pixels[0] >> 24, 0u);
    EXPECT_EQ(pixels[4 * 16 + 5], 0xFF336699u);

    TMemoryStream stream;
    icon.SaveToStream(stream);
    stream.SetPosition(0);
    TIcon loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.StraightAlphaPixels()[4 * 16 + 5], 0xFF336699u);
    EXPECT_EQ(loaded.StraightAlphaPixels()[0] >> 24, 0u);

    TBitmap target(20, 20);
    Fill(target, 0xFF000000u);
    target.Canvas()->Draw(2, 2, &loaded);
    EXPECT_EQ(At(target, 7, 6), 0xFF336699u);
    EXPECT_EQ(At(target, 2, 2), 0xFF000000u);

    TBitmap back;
    back.Assign(&loaded);
    EXPECT_EQ(back.AlphaFormat(), afDefined);
    EXPECT_EQ(At(back, 5, 4), 0xFF336699u);
    EXPECT_EQ(At(back, 0, 0) >> 24, 0u);

    // Cut anywhere, the file is refused without reading past its end.
    for (std::int64_t cut = 0; cut < stream.Size(); cut += 7) {
        TMemoryStream truncated;
        truncated.WriteBuffer(stream.Memory(), cut);
        truncated.SetPosition(0);
        TIcon victim;
        EXPECT_THROW(victim.LoadFromStream(truncated), EInvalidGraphic) << cut;
    }
}

TEST(Picture, LoadsByExtension)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("brio-picture-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    TBitmap bitmap(3, 2);
    bitmap.SetPixelFormat(pf24bit);
    bitmap.ScanLine(0)[2] = 0xFF112233u;
    bitmap.SaveToFile((dir / "a.BMP").string());

    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromFile((dir / "a.BMP").string());
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Bitmap()->ScanLine(0)[2], 0xFF112233u);
    EXPECT_GT(changes, 0);

    try {
        picture.LoadFromFile((dir / "a.gif").string());
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Unknown picture file extension (.gif)");
    }
    EXPECT_EQ(picture.Width(), 3) << "a failed load keeps the picture";
    EXPECT_THROW(picture.LoadFromFile((dir / "missing.bmp").string()), EFOpenError);

    TPicture copy;
    copy.Assign(&picture);
    EXPECT_NE(copy.Graphic(), picture.Graphic());
    EXPECT_EQ(copy.Bitmap()->ScanLine(0)[2], 0xFF112233u);
    EXPECT_EQ(copy.Icon()->Width(), 0) << "asking for an icon replaces the bitmap";
    fs::remove_all(dir);
}
