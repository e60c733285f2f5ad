#pragma once
// 32-bit bitmaps whose pixel memory is not cleared, for a caller that writes
// every pixel before anything reads one (a loader filling bitmaps from a
// file). Otherwise they are what CreateDIBSection (top-down rows) and
// CreateCompatibleBitmap give.

#include "platform/WinTypes.h"

// Null for sizes below 1 or past the limits the classic calls keep.
HBITMAP CreateUnfilledDIBSection(int width, int height, void** bits);
HBITMAP CreateUnfilledBitmap(int width, int height, void** bits);
