#pragma once
// The colours of the shipped skin: a dark graphite theme with warm orange
// accents. Art and object trees take every colour from here.

#include "tools/skinart/ArtCanvas.h"

namespace skinart::palette {

constexpr Pixel Surface = Rgb(0x2B2D31);      // client areas
constexpr Pixel Raised = Rgb(0x3A3D43);       // raised controls
constexpr Pixel Sunken = Rgb(0x1F2023);       // text fields, tracks
constexpr Pixel Border = Rgb(0x4A4E56);
constexpr Pixel BorderHot = Rgb(0x6A6E76);
constexpr Pixel BorderQuiet = Rgb(0x3A3D43);
constexpr Pixel Text = Rgb(0xE6E6E6);
constexpr Pixel TextBright = Rgb(0xFFFFFF);
constexpr Pixel TextMuted = Rgb(0xA8ABB2);
constexpr Pixel TextDisabled = Rgb(0x7A7D84);
constexpr Pixel Accent = Rgb(0xF28C28);
constexpr Pixel AccentHot = Rgb(0xFFA040);
constexpr Pixel AccentPressed = Rgb(0xD9771A);
constexpr Pixel AccentMuted = Rgb(0x6B5038);  // orange over graphite, for selections
constexpr Pixel Ink = Rgb(0x1E1F22);          // marks drawn on orange

// The window frame.
constexpr Pixel CaptionTop = Rgb(0x3D4047);
constexpr Pixel CaptionBottom = Rgb(0x34373C);
constexpr Pixel CaptionInactiveTop = Rgb(0x2C2E32);
constexpr Pixel CaptionInactiveBottom = Rgb(0x292B2F);
constexpr Pixel Outline = Rgb(0x5C6068);
constexpr Pixel OutlineInactive = Rgb(0x3E4147);
constexpr Pixel CaptionRule = Rgb(0x222427);
constexpr Pixel GlyphNormal = Rgb(0xC9CBD0);
constexpr Pixel GlyphInactive = Rgb(0x6A6D74);
constexpr Pixel ButtonHot = Rgb(0x4C5058);
constexpr Pixel ButtonPressed = Rgb(0x26282C);
constexpr Pixel Menu = Rgb(0x303237);

// A colour of the windowing library (0x00BBGGRR) from a pixel.
constexpr int ColorOf(Pixel p) { return int(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16)); }

} // namespace skinart::palette
