#include "CIniProfile.h"
#include "PathField.h"
#include "UStringBuffer.h"

#include <cstring>

void CIniProfile::SetIniFile(const char* path)
{
    SetPathField(m_path, path);
}

char* CIniProfile::GetInitFile() const { return UStringBuffer::Text(m_path); }
