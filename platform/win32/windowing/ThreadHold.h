#pragma once
// Lets one thread work with another thread's windows while that thread stands still: the
// display backend reads and drives the windows of worker threads this way.
#include "win32/Messages.h"

#include <functional>

// Runs fn on the calling thread while the thread that owns hwnd waits at its messages, so
// its windows hold still meanwhile; what is sent to that thread is still handled there.
// For the calling thread's own windows fn just runs. False, with fn not run, when the
// window or its thread is gone, or the thread did not come to its messages within
// timeoutMs of real time (-1: no limit).
bool MvHoldWindowThread(HWND hwnd, const std::function<void()>& fn, int timeoutMs);
