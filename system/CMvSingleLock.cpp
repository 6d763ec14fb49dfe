#include "CMvSingleLock.h"
#include "CMvCriticalSection.h"

CMvSingleLock::CMvSingleLock(CMvCriticalSection& section, bool lockNow) : m_section(section), m_locked(lockNow)
{
    if (m_locked) m_section.Lock();
}

CMvSingleLock::~CMvSingleLock()
{
    if (m_locked) m_section.Unlock();
}
