#pragma once
// Keeps a DC's drawing state (selections, colours, modes, origins, clip) for
// a scope: SaveDC on entry, RestoreDC on every exit, an exception included.

#include "platform/Gdi.h"

namespace brio {

class DcStateSaver {
public:
    explicit DcStateSaver(HDC dc) : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
    ~DcStateSaver()
    {
        if (saved_ > 0)
            RestoreDC(dc_, saved_);
    }
    DcStateSaver(const DcStateSaver&) = delete;
    DcStateSaver& operator=(const DcStateSaver&) = delete;

private:
    HDC dc_;
    int saved_;
};

} // namespace brio
