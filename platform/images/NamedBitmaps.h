#pragma once
// Bitmaps the program carries by name, like resources linked into it: the
// build turns generated pictures into a table that registers itself when
// the program starts (link brio_named_bitmaps into the program), and
// LoadBitmap finds them by name.

#include "platform/Gdi.h"

#include <optional>
#include <span>
#include <string_view>

namespace brio {

struct NamedImage {
    const char* name;
    int width;
    int height;
    const Pixel* pixels; // width * height, 0xAARRGGBB, top row first
};

// Adds to the program's set; a later image of the same name replaces one
// added before. The images must stay alive (static tables).
void AddNamedImages(std::span<const NamedImage> images);
// Nothing when the program carries no image of that name (names match exactly).
std::optional<NamedImage> FindNamedImage(std::string_view name);

} // namespace brio

// A 32-bit DIB section with a copy of the named image, for the caller to
// delete; null for an unknown name or an integer resource.
HBITMAP LoadBitmap(HINSTANCE instance, LPCSTR name);
