#include "CAudioCodecInfo.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCodecInfo, CCodecInfo, CAudioCodecInfo::kType)

CAudioCodecInfo::CAudioCodecInfo()
{
    SetEncoderControl(2);
    CAudioCodecSampleRate::MakeSampleRateList(m_sampleRates);
}

void CAudioCodecInfo::SaveSelf(const char* name, CPersistStorage& storage)
{
    CCodecInfo::SaveSelf(name, storage);
    m_sampleRates.Save("sample rates", storage);
}

void CAudioCodecInfo::LoadSelf(const char* name, CPersistStorage& storage)
{
    CCodecInfo::LoadSelf(name, storage);
    // Sound is always encoded to a bit rate, whatever an older file said.
    if (GetEncoderControl() == 0) SetEncoderControl(2);
    m_sampleRates.Load("sample rates", storage);
    UDataListUtils::DropForeignItems(m_sampleRates, CAudioCodecSampleRate::kType);
}

CAudioCodecSampleRate* CAudioCodecInfo::GetSampleRate(int index) const
{
    return PersistListItem<CAudioCodecSampleRate>(m_sampleRates, index);
}

void CAudioCodecInfo::RemoveSampleRate(CAudioCodecSampleRate* rate)
{
    RemoveFromPersistList(m_sampleRates, rate);
}

CAudioCodecSampleRate* CAudioCodecInfo::Find(ULONG sampleRate) const
{
    return FindByKey<CAudioCodecSampleRate, &CAudioCodecSampleRate::GetValue>(m_sampleRates, sampleRate);
}

CAudioCodecSampleRate* CAudioCodecInfo::Add(ULONG sampleRate)
{
    return CAudioCodecSampleRate::AddIn(m_sampleRates, sampleRate);
}

CAudioCodecBitrate* CAudioCodecInfo::AddSetting(ULONG sampleRate, unsigned short channels,
                                                unsigned short bitsPerSample, ULONG bitrate,
                                                unsigned short blockAlign)
{
    return Add(sampleRate)->AddSetting(channels, bitsPerSample, bitrate, blockAlign);
}

CAudioCodecSampleRate* CAudioCodecInfo::FindBestFit(ULONG& sampleRate) const
{
    CAudioCodecSampleRate* best =
        FindNearest<CAudioCodecSampleRate, &CAudioCodecSampleRate::GetValue>(m_sampleRates, sampleRate);
    if (best) sampleRate = best->GetSampleRate();
    return best;
}

bool CAudioCodecInfo::FindBestFit(ULONG& sampleRate, unsigned short& channels, unsigned short& bitsPerSample,
                                  ULONG& bitrate, int quality) const
{
    const CAudioCodecSampleRate* rate = FindBestFit(sampleRate);
    const CAudioCodecChannel* channel = rate ? rate->FindBestFit(channels) : nullptr;
    const CAudioCodecBitsPerSample* bits = channel ? channel->FindBestFit(bitsPerSample) : nullptr;
    if (!bits) return false;
    bitrate = bits->FindBestFitQuality(quality);
    return true;
}
