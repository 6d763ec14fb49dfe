#include "CVersion.h"
#include "UStringBuffer.h"

#include "win32/kernel/Module.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

CVersion::CVersion(const char* filePath)
{
    DWORD handle = 0;
    DWORD size = filePath ? GetFileVersionInfoSize(filePath, &handle) : 0;
    if (size == 0) return;
    std::vector<unsigned char> block(size);
    void* fixed = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfo(filePath, handle, size, block.data()) || !VerQueryValue(block.data(), "\\", &fixed, &length) ||
        length < sizeof(VS_FIXEDFILEINFO))
        return;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    m_major = HIWORD(info->dwFileVersionMS);
    m_minor = LOWORD(info->dwFileVersionMS);
    m_bugFix = HIWORD(info->dwFileVersionLS);
    m_build = LOWORD(info->dwFileVersionLS);
}

void CVersion::Parse(const char* text)
{
    if (!text) return;
    WORD* parts[] = {&m_major, &m_minor, &m_bugFix, &m_build};
    *parts[0] = static_cast<WORD>(std::atoi(text));
    const char* at = text;
    for (int i = 1; i < 4; ++i) {
        at = std::strchr(at, '.');
        if (!at) return;
        ++at;
        *parts[i] = static_cast<WORD>(std::atoi(at));
    }
}

char* CVersion::GetVersionText() const
{
    char text[128];
    std::snprintf(text, sizeof(text), "%d.%d.%d.%d", m_major, m_minor, m_bugFix, m_build);
    return UStringBuffer::Text(text);
}

char* CVersion::GetSimpleVersionText() const
{
    char text[128];
    if (m_bugFix != 0) std::snprintf(text, sizeof(text), "%d.%d.%d", m_major, m_minor, m_bugFix);
    else std::snprintf(text, sizeof(text), "%d.%d", m_major, m_minor);
    return UStringBuffer::Text(text);
}

bool CVersion::NewerThan(const CVersion& other) const
{
    if (m_major != other.m_major) return m_major > other.m_major;
    if (m_minor != other.m_minor) return m_minor > other.m_minor;
    return m_bugFix > other.m_bugFix;
}
