#include "CFormatType.h"

CFormatType& CFormatType::operator=(const CFormatType& other)
{
    if (this == &other) return *this;
    m_type = other.m_type;
    m_name = other.m_name;
    m_audioName = other.m_audioName;
    m_alias = other.m_alias;
    m_aliasFilter = other.m_aliasFilter;
    m_muxId = other.m_muxId;
    m_mux2Id = other.m_mux2Id;
    m_muxInstalled = other.m_muxInstalled;
    m_mux2Installed = other.m_mux2Installed;
    m_minimumFrameRate = other.m_minimumFrameRate;
    m_frameRates = other.m_frameRates;
    return *this;
}

void CFormatType::SetVideoExtension(const char* extension)
{
    const CString text(extension ? extension : "");
    const int comma = text.Find(',');
    if (comma >= 0) {
        m_videoExtension = text.Left(comma);
        m_videoExtension2 = text.Mid(comma + 1);
    } else {
        m_videoExtension = text;
        m_videoExtension2 = text;
    }
}

void CFormatType::SetExtensions(const char* video, const char* audio)
{
    SetVideoExtension(video);
    SetAudioExtension(audio);
}

const CString& CFormatType::GetVideoExtension(bool second) const
{
    return second ? m_videoExtension2 : m_videoExtension;
}

double CFormatType::FindBestFitFrameRate(double rate) const
{
    return rate < m_minimumFrameRate ? m_minimumFrameRate : rate;
}
