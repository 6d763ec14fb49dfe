#pragma once
// A re-entrant lock.
#include "win32/kernel/Threads.h"

class CMvCriticalSection {
public:
    CMvCriticalSection();
    // A lock is never shared by copying: a copy has a lock of its own.
    CMvCriticalSection(const CMvCriticalSection&);
    CMvCriticalSection& operator=(const CMvCriticalSection&) { return *this; }
    virtual ~CMvCriticalSection();

    int Lock();
    int Unlock();

private:
    CRITICAL_SECTION m_section;
};
