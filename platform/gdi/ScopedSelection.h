#pragma once
// One object selected into a DC for a scope; the previous object goes back
// on every exit. A refused selection (bad DC or object) restores nothing.
//
// Declare the object's owner first so that the selection ends before the
// object is deleted:
//
//     brio::GdiObjectOwner<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
//     brio::ScopedSelection selectPen(dc, pen.get());

#include "platform/Gdi.h"

namespace brio {

class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

    bool selected() const { return previous_ != nullptr; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace brio
