#include "win32/kernel/Completions.h"

#include <deque>

namespace {
thread_local std::deque<std::function<void()>> tCompletions;
}

void MvQueueCompletion(std::function<void()> routine) { tCompletions.push_back(std::move(routine)); }

bool MvHasCompletions() { return !tCompletions.empty(); }

bool MvRunCompletions()
{
    bool ran = false;
    while (!tCompletions.empty()) {
        std::function<void()> routine = std::move(tCompletions.front());
        tCompletions.pop_front();
        routine();
        ran = true;
    }
    return ran;
}
