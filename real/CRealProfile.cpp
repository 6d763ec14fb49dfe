#include "CRealProfile.h"

#include <cstring>

CRealProfile::CRealProfile(const CRealProfile& other)
{
    *this = other;
}

CRealProfile& CRealProfile::operator=(const CRealProfile& other)
{
    if (this == &other) return *this;
    if (other.m_profile) other.m_profile->AddRef();
    SetProfile(other.m_profile);
    std::memcpy(m_name, other.m_name, sizeof m_name);
    m_hasVideo = other.m_hasVideo;
    m_hasAudio = other.m_hasAudio;
    return *this;
}

CRealProfile::~CRealProfile()
{
    SetProfile(nullptr);
}

void CRealProfile::SetProfile(IHXTAudience* profile)
{
    if (m_profile) m_profile->Release();
    m_profile = profile;
}

void CRealProfile::SetName(const char* name)
{
    std::memset(m_name, 0, sizeof m_name);
    if (name) std::strncpy(m_name, name, kMaxName);
}
