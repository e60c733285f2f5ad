#include "GalleryImages.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/ImageList.h"

namespace uitest {

const char* const kKeyNames[20] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                   "A", "S", "D", "F", "G", "H", "J", "K", "L", ";"};

void AddKeyCapImages(TImageList* images, int size)
{
    TBitmap strip(size * 20, size);
    TCanvas* canvas = strip.Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(RECT{0, 0, size * 20, size});
    if (size < 20)
        canvas->Font()->SetHeight(-10);
    canvas->Font()->SetStyle({fsBold});
    canvas->Font()->SetColor(RGB(200, 90, 0));
    int inset = size / 12;
    int round = size / 4;
    for (int i = 0; i < 20; ++i) {
        canvas->Pen()->SetColor(RGB(200, 90, 0));
        canvas->Brush()->SetColor(RGB(255, 236, 210));
        canvas->RoundRect(size * i + inset, inset, size * (i + 1) - inset, size - inset, round, round);
        canvas->Brush()->SetStyle(bsClear);
        RECT cell{size * i, 0, size * (i + 1), size};
        canvas->TextRect(cell, kKeyNames[i], {tfCenter, tfVerticalCenter, tfSingleLine});
        canvas->Brush()->SetStyle(bsSolid);
    }
    images->AddMasked(&strip, clFuchsia);
}

void AddGroupSoundGlyphs(TImageList* images, bool withSpeaker)
{
    int width = withSpeaker ? 48 : 32;
    TBitmap strip(width, 16);
    TCanvas* canvas = strip.Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(RECT{0, 0, width, 16});
    canvas->Pen()->SetColor(RGB(128, 96, 0));
    canvas->Brush()->SetColor(RGB(255, 210, 80));
    canvas->Rectangle(1, 3, 15, 14);
    canvas->Pen()->SetColor(clNavy);
    canvas->Brush()->SetColor(clNavy);
    canvas->Ellipse(18, 9, 24, 14);
    canvas->MoveTo(23, 11);
    canvas->LineTo(23, 2);
    canvas->LineTo(29, 4);
    if (withSpeaker) {
        canvas->Pen()->SetColor(clGreen);
        canvas->Brush()->SetColor(clLime);
        POINT speaker[] = {{34, 6}, {37, 6}, {41, 2}, {41, 14}, {37, 10}, {34, 10}};
        canvas->Polygon(speaker);
    }
    images->AddMasked(&strip, clFuchsia);
}

} // namespace uitest
