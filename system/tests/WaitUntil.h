#pragma once
// Polls a condition for up to thirty seconds (a busy machine is slow, never wrong).
#include "win32/kernel/Threads.h"

#include <functional>

inline bool WaitUntil(const std::function<bool()>& condition)
{
    for (int i = 0; i < 3000; ++i) {
        if (condition()) return true;
        Sleep(10);
    }
    return condition();
}
