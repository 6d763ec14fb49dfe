#include "CTvCodecOption.h"

MV_IMPLEMENT_PERSIST_CLASS(CTvCodecOption, CPersistObject, CTvCodecOption::kType)

CTvCodecOption::CTvCodecOption()
{
    CVideoCodecSize::MakeSizeList(m_sizes);
    CAudioCodecSampleRate::MakeSampleRateList(m_sampleRates);
}

void CTvCodecOption::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save("tv", m_tvType);
    m_sizes.Save("sizes", storage);
    m_sampleRates.Save("sample rates", storage);
}

void CTvCodecOption::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load("tv", m_tvType);
    m_sizes.Load("sizes", storage);
    UDataListUtils::DropForeignItems(m_sizes, CVideoCodecSize::kType);
    m_sampleRates.Load("sample rates", storage);
    UDataListUtils::DropForeignItems(m_sampleRates, CAudioCodecSampleRate::kType);
}

CVideoCodecSize* CTvCodecOption::GetSize(int index) const
{
    return PersistListItem<CVideoCodecSize>(m_sizes, index);
}

CAudioCodecSampleRate* CTvCodecOption::GetSampleRate(int index) const
{
    return PersistListItem<CAudioCodecSampleRate>(m_sampleRates, index);
}

CVideoCodecSize* CTvCodecOption::AddVideoSetting(unsigned short width, unsigned short height)
{
    return CVideoCodecSize::AddIn(m_sizes, width, height);
}

CAudioCodecBitrate* CTvCodecOption::AddAudioSetting(ULONG sampleRate, unsigned short channels,
                                                    unsigned short bitsPerSample, ULONG bitrate)
{
    return CAudioCodecSampleRate::AddIn(m_sampleRates, sampleRate)->AddSetting(channels, bitsPerSample, bitrate, 0);
}
