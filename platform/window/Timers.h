#pragma once
// Window and thread timers, as the message retrieval sees them. Internal.

#include "platform/window/MessageQueue.h"

#include <functional>

// The first due timer the filter accepts, as a WM_TIMER message. With
// `remove`, the timer's next due time is set. Internal timers run their
// action here and are never returned.
bool TakeDueTimer(MSG& out, const MessageFilter& filter, bool remove);
// Milliseconds until the next timer is due (0: one is due), -1 when none.
int MillisecondsToNextTimer();
void KillWindowTimers(HWND hwnd);
// A timer the platform uses itself (caret blink, hover): no message.
UINT_PTR SetInternalTimer(UINT elapseMs, std::function<void()> action);
void KillInternalTimer(UINT_PTR id);
// Whether a timer message still names a live timer (DispatchMessage checks
// before calling a timer procedure).
bool TimerExists(HWND hwnd, UINT_PTR id, TIMERPROC proc);
