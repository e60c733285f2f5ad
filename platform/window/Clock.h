#pragma once
// The window system's millisecond clock (GetTickCount, message times,
// timers, double clicks). Tests can switch it to a manual clock that only
// moves when told, so that timer and double-click tests do not sleep.

#include <cstdint>

std::uint64_t ClockMilliseconds();

void UseManualClock(std::uint64_t startMs);
void AdvanceManualClock(std::uint64_t ms);
void UseRealClock();
bool ManualClockInUse();
// With the manual clock, a loop that would wait for the next timer jumps
// the clock there instead, so that a test can hold a button through a
// nested loop's repeats. Off by default.
void SetManualClockSkipsIdleWaits(bool skip);
bool ManualClockSkipsIdleWaits();
