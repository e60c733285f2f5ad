#include "ui/graphics/FontMetrics.h"

#include "ui/graphics/Font.h"

#include "platform/Gdi.h"

int FontCellHeight(TFont* font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font->Handle());
    TEXTMETRIC metrics{};
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    return metrics.tmHeight;
}
