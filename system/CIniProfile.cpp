#include "CIniProfile.h"
#include "UStringBuffer.h"

#include <cstring>

void CIniProfile::SetIniFile(const char* path)
{
    std::memset(m_path, 0, sizeof(m_path));
    if (path) std::strncpy(m_path, path, kMaxPath);
}

char* CIniProfile::GetInitFile() const { return UStringBuffer::Text(m_path); }
