#pragma once
// Stock GDI objects, made on first use and never deleted.

#include "platform/Gdi.h"

// The 1 x 1 bitmap a new memory DC starts with.
HBITMAP StockBitmap();
