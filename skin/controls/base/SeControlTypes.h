#pragma once
// The kinds every skinned control shares: how it buffers its painting, the
// bevels of framed controls, and the request a see-through control hands its
// parent when it asks for the picture behind it.

#include "platform/WinTypes.h"
#include "ui/component/Set.h"

#include <cstdint>

// kspSharedBuffer paints into one process-wide bitmap that only grows;
// kspDoubleBuffer into a bitmap made for the paint; kspNoBuffer straight on
// the window.
enum TSePerformance : std::uint8_t { kspNoBuffer, kspSharedBuffer, kspDoubleBuffer };

enum TSeBevelEdge : std::uint8_t { kbeLeft, kbeTop, kbeRight, kbeBottom };
using TSeBevelSides = TSet<TSeBevelEdge>;
enum TSeBevelCut : std::uint8_t { kbvNone, kbvLowered, kbvRaised, kbvSpace };
enum TSeBevelKind : std::uint8_t { kbkNone, kbkTile, kbkSoft, kbkFlat };

// lParam of the WM_ERASEBKGND a see-through control sends its parent: the
// parent paints its background into the DC (whose origin puts the parent's
// client corner in place) for the child at `Bounds` (parent coordinates).
struct TSeEraseRequest {
    BYTE Flag = kSeEraseForChild;
    RECT Bounds{};
    static constexpr BYTE kSeEraseForChild = 1;
};
