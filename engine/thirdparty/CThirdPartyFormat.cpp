#include "CThirdPartyFormat.h"

#include "CAudioCodecInfo.h"
#include "CVideoCodecInfo.h"

#include <cstring>
#include <initializer_list>

const ULONG CThirdPartyFormat::kSampleRates[9] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

namespace {

// One rate of the AAC table: its mono and its stereo bit rates.
struct SAacRow {
    ULONG rate;
    std::initializer_list<ULONG> mono;
    std::initializer_list<ULONG> stereo;
};

const SAacRow kAacTable[] = {
    {8000, {8000, 16000}, {16000, 20000, 24000, 28000, 32000}},
    {11025, {8000, 16000, 20000}, {16000, 20000, 24000, 28000, 32000, 40000}},
    {12000, {16000, 20000, 24000}, {24000, 28000, 32000, 40000, 48000}},
    {16000, {16000, 20000, 24000, 28000, 32000, 40000}, {24000, 28000, 32000, 40000, 48000, 56000, 64000, 80000}},
    {22050, {16000, 20000, 24000, 28000, 32000, 40000, 48000}, {32000, 40000, 48000, 56000, 64000, 80000, 96000}},
    {24000, {20000, 24000, 28000, 32000, 40000, 48000, 56000}, {40000, 48000, 56000, 64000, 80000, 96000, 112000}},
    {32000, {24000, 28000, 32000, 40000, 48000, 56000, 64000}, {48000, 56000, 64000, 80000, 96000, 112000}},
    {44100,
     {40000, 48000, 56000, 64000, 80000, 96000, 112000, 128000, 160000, 192000, 224000, 256000},
     {64000, 80000, 96000, 112000, 128000, 160000, 192000, 224000, 256000, 320000}},
    {48000,
     {56000, 64000, 80000, 96000, 112000, 128000, 160000, 192000, 224000, 256000},
     {112000, 128000, 160000, 192000, 224000, 256000, 320000}},
};

template <class T>
T* ItemAt(const CPersistList& list, int index)
{
    return index >= 0 && index < list.GetItemCount() ? dynamic_cast<T*>(list.GetAt(index)) : nullptr;
}

template <class T>
T* FirstOfFormat(const CPersistList& list, ULONG format)
{
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (T* codec = ItemAt<T>(list, i); codec && codec->GetFormat() == format) return codec;
    return nullptr;
}

template <class T>
ULONG FormatByName(const CPersistList& list, const char* displayName)
{
    for (int i = 0; displayName && i < list.GetItemCount(); ++i)
        if (T* codec = ItemAt<T>(list, i); codec && std::strcmp(codec->GetDisplayName(), displayName) == 0)
            return codec->GetFormat();
    return 0;
}

template <class T>
void Name(T* codec, const char* name, const char* displayName, ULONG format)
{
    codec->SetDeviceName(name);
    codec->SetDisplayName(displayName);
    codec->SetFormat(format);
}

} // namespace

CVideoCodecInfo* CThirdPartyFormat::AddVideoCodec(const char* name, const char* displayName, ULONG format,
                                                  unsigned short blockSize, LONG encoderControl)
{
    auto* codec = new CVideoCodecInfo;
    Name(codec, name, displayName, format);
    codec->SetBlockSize(blockSize);
    codec->SetEncoderControl(encoderControl);
    m_video.Add(codec);
    return codec;
}

CAudioCodecInfo* CThirdPartyFormat::AddAudioCodec(const char* name, const char* displayName, ULONG format)
{
    auto* codec = new CAudioCodecInfo;
    Name(codec, name, displayName, format);
    m_audio.Add(codec);
    return codec;
}

CAudioCodecInfo* CThirdPartyFormat::AddAudioCodec(const char* name, const char* displayName, ULONG format,
                                                  unsigned short bits, int ratio)
{
    CAudioCodecInfo* codec = AddAudioCodec(name, displayName, format);
    for (ULONG rate : kSampleRates)
        for (unsigned short channels : {1, 2}) AddAudioSetting(codec, rate, channels, bits, ratio);
    return codec;
}

void CThirdPartyFormat::AddAudioSetting(CAudioCodecInfo* codec, ULONG sampleRate, unsigned short channels,
                                        unsigned short bits, int ratio)
{
    if (!codec || ratio == 0) return;
    const ULONG bitrate = ULONG((bits ? bits : 16) * ULONG(channels) * sampleRate / ULONG(ratio));
    codec->AddSetting(sampleRate, channels, bits, bitrate, 0);
}

CAudioCodecInfo* CThirdPartyFormat::AddAacAudioCodec(const char* name, const char* displayName, ULONG format,
                                                     unsigned short bits)
{
    CAudioCodecInfo* codec = AddAudioCodec(name, displayName, format);
    for (const SAacRow& row : kAacTable) {
        for (ULONG bitrate : row.mono) codec->AddSetting(row.rate, 1, bits, bitrate, 0);
        for (ULONG bitrate : row.stereo) codec->AddSetting(row.rate, 2, bits, bitrate, 0);
    }
    return codec;
}

CAudioCodecInfo* CThirdPartyFormat::AddMp2AudioCodec(const char* name, const char* displayName, ULONG format,
                                                     unsigned short bits)
{
    return AddAacAudioCodec(name, displayName, format, bits);
}

CVideoCodecInfo* CThirdPartyFormat::GetVideoCodec(int index) const { return ItemAt<CVideoCodecInfo>(m_video, index); }
CAudioCodecInfo* CThirdPartyFormat::GetAudioCodec(int index) const { return ItemAt<CAudioCodecInfo>(m_audio, index); }

const char* CThirdPartyFormat::GetVideoCodecName(int index) const
{
    const CVideoCodecInfo* codec = GetVideoCodec(index);
    return codec ? codec->GetDisplayName() : nullptr;
}

const char* CThirdPartyFormat::GetAudioCodecName(int index) const
{
    const CAudioCodecInfo* codec = GetAudioCodec(index);
    return codec ? codec->GetDisplayName() : nullptr;
}

CVideoCodecInfo* CThirdPartyFormat::FindVideoCodec(ULONG format) const
{
    return FirstOfFormat<CVideoCodecInfo>(m_video, format);
}

CAudioCodecInfo* CThirdPartyFormat::FindAudioCodec(ULONG format) const
{
    return FirstOfFormat<CAudioCodecInfo>(m_audio, format);
}

const char* CThirdPartyFormat::GetVideoCodecNameByFormat(ULONG format) const
{
    const CVideoCodecInfo* codec = FindVideoCodec(format);
    return codec ? codec->GetDisplayName() : nullptr;
}

const char* CThirdPartyFormat::GetAudioCodecNameByFormat(ULONG format) const
{
    const CAudioCodecInfo* codec = FindAudioCodec(format);
    return codec ? codec->GetDisplayName() : nullptr;
}

ULONG CThirdPartyFormat::GetVideoCodecFormatByName(const char* displayName) const
{
    return FormatByName<CVideoCodecInfo>(m_video, displayName);
}

ULONG CThirdPartyFormat::GetAudioCodecFormatByName(const char* displayName) const
{
    return FormatByName<CAudioCodecInfo>(m_audio, displayName);
}
