#include "platform/gdi/MeasuringDc.h"

namespace brio {

MeasuringDc::MeasuringDc(HFONT font) : dc_(CreateCompatibleDC(nullptr))
{
    if (dc_ && font)
        previous_ = SelectObject(dc_, font);
}

MeasuringDc::~MeasuringDc()
{
    if (!dc_)
        return;
    if (previous_)
        SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

SIZE MeasuringDc::textExtent(std::string_view text) const
{
    SIZE size{};
    if (dc_)
        GetTextExtentPoint32(dc_, text.data(), int(text.size()), &size);
    return size;
}

RECT MeasuringDc::textRect(std::string_view text, RECT bounds, UINT format) const
{
    if (!dc_)
        return RECT{bounds.left, bounds.top, bounds.left, bounds.top};
    DrawText(dc_, text.data(), int(text.size()), &bounds, format | DT_CALCRECT);
    return bounds;
}

TEXTMETRIC MeasuringDc::metrics() const
{
    TEXTMETRIC metrics{};
    if (dc_)
        GetTextMetrics(dc_, &metrics);
    return metrics;
}

} // namespace brio
