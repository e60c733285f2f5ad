#include "ui/graphics/FontMetrics.h"

#include "ui/graphics/Font.h"

#include "platform/gdi/MeasuringDc.h"

int FontCellHeight(TFont* font)
{
    return brio::MeasuringDc(font->Handle()).metrics().tmHeight;
}
