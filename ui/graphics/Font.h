#pragma once
// TFont: a font description whose HFONT is made on first use and released
// when a property that shapes it changes.

#include "platform/WinTypes.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/GraphicsObject.h"

#include <string>

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
enum TFontQuality : std::uint8_t {
    fqDefault,
    fqDraft,
    fqProof,
    fqNonAntialiased,
    fqAntialiased,
    fqClearType,
    fqClearTypeNatural,
};
using TFontCharset = std::uint8_t;

class TFont : public TGraphicsObject {
public:
    // "MS Sans Serif", height -11 (8 points), clWindowText, default charset.
    TFont();
    ~TFont() override;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    void Assign(const TPersistent* source) override;

    HFONT Handle();
    // Takes over `font` (and its description); the font will delete it.
    void SetHandle(HFONT font);
    bool HandleAllocated() const { return handle_ != nullptr; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at 96 pixels per inch: -Height * 72 / 96, rounded.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    TFontQuality Quality() const { return quality_; }
    void SetQuality(TFontQuality quality);
    int PixelsPerInch() const { return 96; }

private:
    // A change of the font's shape releases the handle after the listeners
    // have deselected it; a change of colour keeps it.
    void shapeChanged();
    void releaseHandle(HFONT old);

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_;
    TColor color_ = clWindowText;
    TFontCharset charset_ = 1; // DEFAULT_CHARSET
    TFontPitch pitch_ = fpDefault;
    TFontQuality quality_ = fqDefault;
    HFONT handle_ = nullptr;
};
