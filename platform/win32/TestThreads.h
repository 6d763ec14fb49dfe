#pragma once
// Test support: whether a thread of this process sleeps (waits in the kernel), so that a test
// can act once another thread is really blocked instead of after a guessed time.
#include <fstream>
#include <string>

#include <sys/types.h>

inline bool MvThreadSleeps(pid_t thread)
{
    std::ifstream stat("/proc/self/task/" + std::to_string(thread) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    const size_t name = line.rfind(')');
    return name != std::string::npos && name + 2 < line.size() && line[name + 2] == 'S';
}
