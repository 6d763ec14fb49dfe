#pragma once
// Holds a critical section for its scope when told to lock at once.
class CMvCriticalSection;

class CMvSingleLock {
public:
    CMvSingleLock(CMvCriticalSection& section, bool lockNow);
    CMvSingleLock(const CMvSingleLock&) = delete;
    CMvSingleLock& operator=(const CMvSingleLock&) = delete;
    virtual ~CMvSingleLock();

private:
    CMvCriticalSection& m_section;
    bool m_locked;
};
