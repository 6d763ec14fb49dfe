#include "CWmProfile2.h"

#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CWmStreamFormat.h"
#include "UStringBuffer.h"
#include "WmHeld.h"
#include "dshow/VideoInfo.h"
#include "win32/audio/WaveFormat.h"
#include "wmf/WmInterfaces.h"

#include <string>

namespace {

constexpr ESplitterType kWindowsMediaType = 200;

// Calls `change` on the format of every stream of that kind, then stores it back.
template <class Change>
void ModifyStreams(IWMProfile* profile, const GUID& kind, Change change)
{
    DWORD count = 0;
    if (!profile || FAILED(profile->GetStreamCount(&count))) return;
    for (DWORD i = 0; i < count; ++i) {
        IWMStreamConfig* rawConfig = nullptr;
        if (FAILED(profile->GetStream(i, &rawConfig)) || !rawConfig) return;
        TWmHeld<IWMStreamConfig> config(rawConfig);
        GUID type{};
        if (FAILED(config->GetStreamType(&type))) return;
        if (type != kind) continue;
        CWmStreamFormat format(config.get());
        if (!change(format, config.get()) || !format.Store() || FAILED(profile->ReconfigStream(config.get()))) return;
    }
}

} // namespace

CWmProfile2::CWmProfile2(IWMProfileManager* manager, IWMProfile* profile) : m_manager(manager), m_profile(profile)
{
    if (m_manager) m_manager->AddRef();
    GetProfileInfo();
}

CWmProfile2::~CWmProfile2()
{
    SafeRelease(m_profile);
    SafeRelease(m_manager);
}

void CWmProfile2::GetProfileInfo()
{
    SetHasVideo(false);
    SetHasAudio(false);
    DWORD count = 0;
    if (!m_profile || FAILED(m_profile->GetStreamCount(&count))) return;
    for (DWORD i = 0; i < count; ++i) {
        IWMStreamConfig* raw = nullptr;
        if (FAILED(m_profile->GetStream(i, &raw)) || !raw) continue;
        TWmHeld<IWMStreamConfig> config(raw);
        GUID type{};
        if (SUCCEEDED(config->GetStreamType(&type))) {
            if (type == WMMEDIATYPE_Video) SetHasVideo(true);
            if (type == WMMEDIATYPE_Audio) SetHasAudio(true);
        }
        DWORD bitrate = 0;
        if (FAILED(config->GetBitrate(&bitrate))) bitrate = 0;
        SetBitrate(bitrate);
    }
    DWORD length = 0;
    if (FAILED(m_profile->GetName(nullptr, &length)) || length == 0) return;
    std::u16string name(length, u'\0');
    if (SUCCEEDED(m_profile->GetName(name.data(), &length))) SetName(UStringBuffer::ToMultiByte(name.c_str()));
}

CWmProfile2* CWmProfile2::CloneProfile() const
{
    if (!m_manager || !m_profile) return nullptr;
    DWORD length = 0;
    if (FAILED(m_manager->SaveProfile(m_profile, nullptr, &length)) || length == 0) return nullptr;
    std::u16string text(length, u'\0');
    if (FAILED(m_manager->SaveProfile(m_profile, text.data(), &length))) return nullptr;
    IWMProfile* copy = nullptr;
    if (FAILED(m_manager->LoadProfileByData(text.c_str(), &copy)) || !copy) return nullptr;
    return new CWmProfile2(m_manager, copy);
}

CWmProfile2* CWmProfile2::CloneVideoOnly() const
{
    CWmProfile2* clone = CloneProfile();
    if (clone) {
        clone->MakeVideoOnly();
        clone->GetProfileInfo();
    }
    return clone;
}

CWmProfile2* CWmProfile2::CloneWith(unsigned short width, unsigned short height, double frameRate, bool keepAudio) const
{
    CWmProfile2* clone = CloneProfile();
    if (!clone) return nullptr;
    if (!keepAudio) clone->MakeVideoOnly();
    clone->ModifyVideo(width, height, frameRate, 0);
    clone->GetProfileInfo();
    return clone;
}

CWmProfile2* CWmProfile2::CloneWith(bool video, bool audio, unsigned short width, unsigned short height,
                                    double frameRate, ULONG videoBitrate, const char* audioCodecName, ULONG sampleRate,
                                    unsigned short channels, unsigned short bitsPerSample, ULONG audioBitrate) const
{
    CWmProfile2* clone = CloneProfile();
    if (!clone) return nullptr;
    if (video) {
        if (!audio) clone->MakeVideoOnly();
        clone->ModifyVideo(width, height, frameRate, videoBitrate);
    } else if (audio) {
        clone->MakeAudioOnly();
    }
    if (audio) clone->ModifyAudio(audioCodecName, sampleRate, channels, bitsPerSample, audioBitrate);
    clone->GetProfileInfo();
    return clone;
}

void CWmProfile2::RemoveStreams(bool video)
{
    const GUID& unwanted = video ? WMMEDIATYPE_Video : WMMEDIATYPE_Audio;
    DWORD count = 0;
    if (!m_profile || FAILED(m_profile->GetStreamCount(&count))) return;
    // From the end, so the indexes left to visit stay valid.
    for (DWORD i = count; i-- > 0;) {
        IWMStreamConfig* raw = nullptr;
        if (FAILED(m_profile->GetStream(i, &raw)) || !raw) return;
        TWmHeld<IWMStreamConfig> config(raw);
        GUID type{};
        if (FAILED(config->GetStreamType(&type))) return;
        if (type == unwanted && FAILED(m_profile->RemoveStream(config.get()))) return;
    }
}

void CWmProfile2::MakeVideoOnly() { RemoveStreams(false); }
void CWmProfile2::MakeAudioOnly() { RemoveStreams(true); }

void CWmProfile2::ModifyVideo(unsigned short width, unsigned short height, double frameRate, ULONG bitrate)
{
    ModifyStreams(m_profile, WMMEDIATYPE_Video, [&](CWmStreamFormat& format, IWMStreamConfig*) {
        VIDEOINFOHEADER* info = format.Video();
        if (info) CWmStreamFormat::ChangeVideo(*info, width, height, frameRate, bitrate);
        return info != nullptr;
    });
}

void CWmProfile2::ModifyAudio(const char* codecName, ULONG sampleRate, unsigned short channels,
                              unsigned short bitsPerSample, ULONG bitrate)
{
    if (!sampleRate || !channels) return;
    ModifyStreams(m_profile, WMMEDIATYPE_Audio, [&](CWmStreamFormat& format, IWMStreamConfig* config) {
        WAVEFORMATEX* wave = format.Wave();
        if (!wave) return false;
        wave->nSamplesPerSec = sampleRate;
        wave->nChannels = channels;
        if (bitsPerSample) wave->wBitsPerSample = bitsPerSample;
        if (bitrate) {
            wave->nAvgBytesPerSec = bitrate / 8;
            // The stream's own bit rate follows its format.
            config->SetBitrate(bitrate);
        }
        CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo && codecName
            ? dynamic_cast<CAudioCodecInfo*>(CAudioCodecsInfo::sInfo->FindCodec(kWindowsMediaType, codecName))
            : nullptr;
        CAudioCodecSampleRate* rate = codec ? codec->Find(sampleRate) : nullptr;
        auto* channel = rate ? rate->Find(channels) : nullptr;
        auto* bits = channel ? channel->Find(bitsPerSample) : nullptr;
        auto* entry = bits ? bits->Find(bitrate) : nullptr;
        if (entry) wave->nBlockAlign = entry->GetBlockAlign();
        return true;
    });
}
