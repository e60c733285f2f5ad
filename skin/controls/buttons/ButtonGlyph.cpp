#include "skin/controls/buttons/ButtonGlyph.h"

#include "ui/graphics/Bitmap.h"

#include "platform/gdi/ColorHls.h"
#include "platform/Gdi.h"

#include <algorithm>
#include <cmath>

namespace brio {

struct ButtonGlyph::Prepared {
    int cell = 0;
    Tone tone = Tone::Colour;
    MemoryDib dib;
    COLORREF key = 0;
};

namespace {

constexpr Pixel kRgbMask = 0x00FFFFFF;

COLORREF toColorRef(Pixel p) { return RGB((p >> 16) & 255, (p >> 8) & 255, p & 255); }

Pixel grey(int level)
{
    const Pixel l = Pixel(std::clamp(level, 0, 255));
    return 0xFF000000u | (l << 16) | (l << 8) | l;
}

// Prepares one pixel; the loop picks the tone once, outside.
template <ButtonGlyph::Tone tone> Pixel toned(Pixel p)
{
    if constexpr (tone == ButtonGlyph::Tone::Colour) {
        return p | 0xFF000000u;
    } else {
        const double lightness = HlsLightness(toColorRef(p));
        if constexpr (tone == ButtonGlyph::Tone::Grey)
            return grey(int(std::lround(lightness * 255)));
        else
            return grey(160 + int(std::lround(lightness * 50)));
    }
}

template <ButtonGlyph::Tone tone>
void prepareRows(const TBitmap& source, int left, int width, Pixel key, Pixel keyOut, MemoryDib& target)
{
    for (int y = 0; y < target.height(); ++y) {
        const Pixel* in = source.ScanLine(y) + left;
        Pixel* out = target.row(y);
        for (int x = 0; x < width; ++x)
            out[x] = (in[x] & kRgbMask) == key ? keyOut : toned<tone>(in[x]);
    }
}

} // namespace

ButtonGlyph::ButtonGlyph() : bitmap_(std::make_unique<TBitmap>())
{
    bitmap_->OnChange = [this](TObject*) { pictureChanged(); };
}

ButtonGlyph::~ButtonGlyph()
{
    bitmap_->OnChange = nullptr;
}

bool ButtonGlyph::empty() const { return bitmap_->Empty() || bitmap_->Width() <= 0 || bitmap_->Height() <= 0; }

void ButtonGlyph::setNumGlyphs(int value)
{
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_)
        return;
    numGlyphs_ = value;
    cache_.clear();
    if (OnChanged)
        OnChanged();
}

int ButtonGlyph::cellWidth() const { return empty() ? 0 : bitmap_->Width() / numGlyphs_; }

int ButtonGlyph::height() const { return empty() ? 0 : bitmap_->Height(); }

int ButtonGlyph::cellIndex(int numGlyphs, bool disabled, bool pressed)
{
    int index = 0;
    if (numGlyphs > 1 && disabled)
        index += 1;
    if (numGlyphs > 2 && pressed)
        index += 2;
    return std::clamp(index, 0, std::max(numGlyphs - 1, 0));
}

int ButtonGlyph::numGlyphsFor(int width, int height)
{
    if (height <= 0 || width <= 0 || width % height != 0)
        return 0;
    const int squares = width / height;
    return squares < 5 ? squares : 1;
}

void ButtonGlyph::pictureChanged()
{
    cache_.clear();
    if (const int count = numGlyphsFor(bitmap_->Width(), bitmap_->Height()))
        numGlyphs_ = count;
    if (OnChanged)
        OnChanged();
}

const ButtonGlyph::Prepared* ButtonGlyph::prepared(int cell, Tone tone) const
{
    for (const auto& p : cache_)
        if (p->cell == cell && p->tone == tone)
            return p.get();
    const int width = cellWidth();
    const int h = height();
    if (width <= 0 || h <= 0)
        return nullptr;
    auto made = std::make_unique<Prepared>();
    made->cell = cell;
    made->tone = tone;
    made->dib = MemoryDib(width, h, MemoryDib::Fill::Unfilled);
    if (!made->dib)
        return nullptr;
    const Pixel key = bitmap_->ScanLine(h - 1)[0] & kRgbMask;
    // Greys never equal magenta; a colour cell keeps its own key, which no
    // copied pixel can equal.
    const Pixel keyOut = tone == Tone::Colour ? key : 0x00FF00FFu;
    made->key = toColorRef(keyOut);
    const int left = cell * width;
    switch (tone) {
    case Tone::Colour:
        prepareRows<Tone::Colour>(*bitmap_, left, width, key, keyOut, made->dib);
        break;
    case Tone::Grey:
        prepareRows<Tone::Grey>(*bitmap_, left, width, key, keyOut, made->dib);
        break;
    case Tone::Faded:
        prepareRows<Tone::Faded>(*bitmap_, left, width, key, keyOut, made->dib);
        break;
    }
    cache_.push_back(std::move(made));
    return cache_.back().get();
}

void ButtonGlyph::draw(HDC dc, int x, int y, int cell, Tone tone) const
{
    if (empty())
        return;
    cell = std::clamp(cell, 0, numGlyphs_ - 1);
    const Prepared* p = prepared(cell, tone);
    if (!p)
        return;
    TransparentBlt(dc, x, y, p->dib.width(), p->dib.height(), p->dib.dc(), 0, 0, p->dib.width(), p->dib.height(),
                   p->key);
}

} // namespace brio
