#pragma once
// Shortcut keys of a skinned menu tree: a key with Shift, Ctrl and Alt is
// looked up among the visible rows, the row's ancestors are asked to bring
// their children up to date (OnBeforeDropDown, which may rebuild them) and
// the row is clicked. When updating changed the tree, the lookup runs
// again, a bounded number of times: handlers that rebuild on every call
// would otherwise keep the key in a loop.

#include "ui/component/Types.h"

#include "platform/WinTypes.h"

class TSeCustomItem;

namespace brio {
// How often a lookup may be redone because updating changed the tree.
constexpr int kShortcutRetries = 3;
} // namespace brio

// True when a row matched and was clicked (or its click was deferred).
// Exceptions of the handlers go to the application's error report.
bool MatchShortcut(TSeCustomItem* root, WORD key, TShiftState shift);
