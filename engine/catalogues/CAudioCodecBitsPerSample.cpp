#include "CAudioCodecBitsPerSample.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCodecBitsPerSample, CPersistObject, CAudioCodecBitsPerSample::kType)

namespace {
const TAudioCodecLevel<unsigned short, CAudioCodecBitrate>::Keys kKeys{"bits per sample", "bitrates",
                                                                      FourCharCode("acbs")};
}

CAudioCodecBitsPerSample::CAudioCodecBitsPerSample() : TAudioCodecLevel(kKeys) {}

CAudioCodecBitrate* CAudioCodecBitsPerSample::AddSetting(ULONG bitrate, unsigned short blockAlign)
{
    CAudioCodecBitrate* entry = Add(bitrate);
    entry->SetBlockAlign(blockAlign);
    return entry;
}

ULONG CAudioCodecBitsPerSample::FindBestFitBitrate(ULONG bitrate) const
{
    const CAudioCodecBitrate* best = FindNearest<CAudioCodecBitrate, &CAudioCodecBitrate::GetValue>(m_children, bitrate);
    return best ? best->GetBitrate() : 0;
}

ULONG CAudioCodecBitsPerSample::FindBestFitBelow(ULONG bitrate) const
{
    // Ascending: the last rate not above the given one is the nearest of them.
    ULONG found = 0;
    for (int i = 0; i < GetCount(); ++i) {
        const CAudioCodecBitrate* entry = GetAt(i);
        if (entry && entry->GetBitrate() <= bitrate) found = entry->GetBitrate();
    }
    return found;
}

ULONG CAudioCodecBitsPerSample::FindBestFitQuality(int quality) const
{
    if (GetCount() == 0) return 0;
    quality = quality < 0 ? 0 : (quality > 100 ? 100 : quality);
    const ULONG smallest = GetAt(0)->GetBitrate();
    const ULONG largest = GetAt(GetCount() - 1)->GetBitrate();
    const long long product = static_cast<long long>(largest - smallest) * quality;
    const ULONG target = smallest + static_cast<ULONG>(static_cast<double>(product) * 0.01 + 0.5);
    return FindBestFitBitrate(target);
}
