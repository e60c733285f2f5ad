#pragma once
// The system's own stock icons (application, error, question, warning,
// information), drawn by code at 32 x 32 and 16 x 16.

#include "platform/gdi/raster/PixelBuffer.h"

// The shared icon for an IDI_* number, made on first use; null for others.
HICON StockIcon(int resourceId);

// One straight-alpha image of a stock icon at the given size; null for an
// unknown number. Exposed for tests and tools.
PixelBufferPtr RenderStockIcon(int resourceId, int size);
