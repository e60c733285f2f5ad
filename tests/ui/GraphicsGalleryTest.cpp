#include "platform/Gdi.h"
#include "platform/images/PngIo.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Icon.h"
#include "ui/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A 16 x 16 glyph on magenta: a filled circle with a dark outline.
void PaintGlyph(TCanvas* canvas, int left, TColor fill)
{
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(RECT{left, 0, left + 16, 16});
    canvas->Pen()->SetColor(clNavy);
    canvas->Brush()->SetColor(fill);
    canvas->Ellipse(left + 2, 2, left + 14, 14);
}

} // namespace

// One picture of what the drawing classes do, for a person to look at.
TEST(GraphicsGallery, WritesAPicture)
{
    TBitmap picture(360, 170);
    TCanvas* canvas = picture.Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(RECT{0, 0, 360, 170});

    // Shapes with pens and brushes.
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(clWhite);
    canvas->Rectangle(10, 10, 60, 50);
    canvas->Brush()->SetColor(clSkyBlue);
    canvas->RoundRect(70, 10, 120, 50, 12, 12);
    canvas->Brush()->SetColor(clYellow);
    canvas->Ellipse(130, 10, 180, 50);
    POINT triangle[] = {{190, 50}, {215, 10}, {240, 50}};
    canvas->Brush()->SetColor(clMoneyGreen);
    canvas->Polygon(triangle);
    canvas->Pen()->SetStyle(psDot);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(250, 10, 300, 50);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(3);
    canvas->Pen()->SetColor(clMaroon);
    canvas->MoveTo(310, 10);
    canvas->LineTo(350, 50);
    canvas->Pen()->SetWidth(1);

    // Text in the window font and variations.
    canvas->Font()->SetColor(clWindowText);
    canvas->TextOut(10, 60, "MS Sans Serif 8: The quick brown fox");
    canvas->Font()->SetStyle({fsBold});
    canvas->TextOut(10, 76, "Bold");
    canvas->Font()->SetStyle({fsItalic, fsUnderline});
    canvas->TextOut(60, 76, "Italic underlined");
    canvas->Font()->SetStyle({});
    canvas->Font()->SetSize(12);
    canvas->Font()->SetColor(clNavy);
    canvas->TextOut(180, 72, "12 point");
    canvas->Font()->SetSize(8);
    canvas->Font()->SetColor(clWindowText);
    RECT box{250, 60, 350, 95};
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clInfoBk);
    canvas->FillRect(box);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(box, "Centred, wrapped text in a box", {tfCenter, tfWordBreak});

    // Image list: a strip of three glyphs, drawn enabled and disabled.
    TBitmap strip(48, 16);
    PaintGlyph(strip.Canvas(), 0, clRed);
    PaintGlyph(strip.Canvas(), 16, clLime);
    PaintGlyph(strip.Canvas(), 32, clAqua);
    TImageList images(nullptr);
    images.AddMasked(&strip, clFuchsia);
    for (int i = 0; i < images.Count(); ++i) {
        images.Draw(canvas, 10 + 24 * i, 110, i, true);
        images.Draw(canvas, 10 + 24 * i, 135, i, false);
    }

    // A transparent bitmap and an icon.
    strip.SetTransparent(true);
    canvas->Draw(100, 110, &strip);
    canvas->StretchDraw(RECT{170, 105, 266, 137}, &strip);
    TIcon icon;
    icon.SetHandle(CopyIcon(LoadIcon(nullptr, IDI_INFORMATION)));
    canvas->Draw(290, 110, &icon);

    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    PixelBuffer view(picture.Width(), picture.Height(), picture.ScanLine(0), picture.Width());
    WritePng(view, std::string(BRIO_TEST_OUTPUT_DIR) + "/ui-graphics-gallery.png", true);

    EXPECT_NE(picture.ScanLine(30)[35], picture.ScanLine(30)[5]);
}
