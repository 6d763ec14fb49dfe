#include "win32/kernel/Threads.h"

#include <mutex>

namespace {
std::recursive_mutex* Lock(CRITICAL_SECTION* section) { return static_cast<std::recursive_mutex*>(section->lock); }
}

void InitializeCriticalSection(CRITICAL_SECTION* section) { section->lock = new std::recursive_mutex; }

void DeleteCriticalSection(CRITICAL_SECTION* section)
{
    delete Lock(section);
    section->lock = nullptr;
}

void EnterCriticalSection(CRITICAL_SECTION* section) { Lock(section)->lock(); }
void LeaveCriticalSection(CRITICAL_SECTION* section) { Lock(section)->unlock(); }
BOOL TryEnterCriticalSection(CRITICAL_SECTION* section) { return Lock(section)->try_lock() ? TRUE : FALSE; }
