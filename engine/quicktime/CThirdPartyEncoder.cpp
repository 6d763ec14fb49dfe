#include "CThirdPartyEncoder.h"

#include <cstring>

CThirdPartyEncoder::CThirdPartyEncoder() { m_filePath[0] = '\0'; }

CThirdPartyEncoder::~CThirdPartyEncoder() = default;

void CThirdPartyEncoder::SetFilePath(const char* path)
{
    m_filePath[0] = '\0';
    if (path) std::strncat(m_filePath, path, kPathSize - 1);
}

void CThirdPartyEncoder::GetFilePath(char* path)
{
    if (path) std::memcpy(path, m_filePath, std::strlen(m_filePath) + 1);
}
