#pragma once
// A scratch DC with a font selected, for measuring text outside painting
// (layout, auto-size). It draws nowhere. Without a DC (out of handles) the
// measurements come out empty instead of failing.

#include "platform/Gdi.h"

#include <string_view>

namespace brio {

class MeasuringDc {
public:
    explicit MeasuringDc(HFONT font);
    ~MeasuringDc();
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;

    HDC get() const { return dc_; }

    // Width and height of one line of text.
    SIZE textExtent(std::string_view text) const;
    // The rectangle DrawText would fill: `bounds` gives the left, top and,
    // with DT_WORDBREAK, the width to wrap in.
    RECT textRect(std::string_view text, RECT bounds, UINT format) const;
    TEXTMETRIC metrics() const;

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

} // namespace brio
