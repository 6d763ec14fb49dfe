#include "CMvCriticalSection.h"

CMvCriticalSection::CMvCriticalSection() { InitializeCriticalSection(&m_section); }
CMvCriticalSection::CMvCriticalSection(const CMvCriticalSection&) { InitializeCriticalSection(&m_section); }
CMvCriticalSection::~CMvCriticalSection() { DeleteCriticalSection(&m_section); }

int CMvCriticalSection::Lock()
{
    EnterCriticalSection(&m_section);
    return 1;
}

int CMvCriticalSection::Unlock()
{
    LeaveCriticalSection(&m_section);
    return 1;
}
