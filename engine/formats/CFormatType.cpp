#include "CFormatType.h"

#include "CTvCodecOption.h"

#include <cmath>

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
    m_tvOptions = other.m_tvOptions;
    return *this;
}

CTvCodecOption* CFormatType::GetTvOption(int index) const
{
    return static_cast<CTvCodecOption*>(m_tvOptions.GetAt(index));
}

void CFormatType::AddTvOption(CTvCodecOption* option)
{
    if (option) m_tvOptions.Add(option);
}

void CFormatType::RemoveTvOption(CTvCodecOption* option)
{
    m_tvOptions.Remove(option);
}

CTvCodecOption* CFormatType::Find(ETvType type) const
{
    for (int i = 0; i < GetTvOptionCount(); ++i)
        if (GetTvOption(i)->GetTvType() == type) return GetTvOption(i);
    return nullptr;
}

CTvCodecOption* CFormatType::Add(ETvType type)
{
    if (CTvCodecOption* found = Find(type)) return found;
    auto* option = new CTvCodecOption;
    option->SetTvType(type);
    AddTvOption(option);
    return option;
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
    // A type that lists its rates takes the nearest of them, the earlier one on a tie.
    if (GetFrameRateCount() > 0) {
        double best = GetFrameRate(0);
        for (int i = 1; i < GetFrameRateCount(); ++i)
            if (std::fabs(GetFrameRate(i) - rate) < std::fabs(best - rate)) best = GetFrameRate(i);
        return best;
    }
    return rate < m_minimumFrameRate ? m_minimumFrameRate : rate;
}
