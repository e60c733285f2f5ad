#pragma once
// Stock cursors: LoadCursor(nullptr, IDC_xxx) hands out one shared handle per
// shape; a backend asks which shape a handle stands for.

#include "platform/WinUser.h"

// The IDC_ number of a stock cursor, 0 for any other handle.
int StockCursorId(HCURSOR cursor);
