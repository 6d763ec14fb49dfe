#pragma once
// Polls a condition for up to five seconds.
#include "win32/kernel/Threads.h"

#include <functional>

inline bool WaitUntil(const std::function<bool()>& condition)
{
    for (int i = 0; i < 500; ++i) {
        if (condition()) return true;
        Sleep(10);
    }
    return condition();
}
