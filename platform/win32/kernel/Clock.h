#pragma once
// The clock that drives window timers: real (monotonic) by default, or a virtual
// clock that only moves when a test advances it.
#include <cstdint>

int64_t MvClockNow();                 // milliseconds
void MvUseVirtualClock(bool on);      // switching on freezes the clock at its current value
bool MvIsVirtualClock();
void MvAdvanceClock(int64_t ms);      // virtual clock only; wakes every message queue
