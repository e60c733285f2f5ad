#pragma once
// SDL keys to virtual-key codes, and top-level window styles to the kind of
// native window that fits them.

#include "platform/WinTypes.h"

#include <cstdint>

// The layout's key symbol decides letters, digits and punctuation; the
// physical position answers for symbols with no virtual key of their own
// (an accented letter where ';' sits on US keyboards). 0 when unknown.
int VirtualKeyFromSdl(std::int32_t keycode, int scancode);

// SDL_WINDOW_* flags for a new native window.
std::uint32_t SdlWindowFlagsFor(DWORD style, DWORD exStyle, bool owned);
