#include "CWmCodecFileWriter2.h"

#include "CDirectShowSystem2.h"
#include "CWindowsMediaSystem2.h"
#include "CWmStreamFormat.h"
#include "WmHeld.h"
#include "dshow/VideoInfo.h"
#include "wmf/WmInterfaces.h"

namespace {

void SetVault(IWMPropertyVault* vault, const WCHAR* name, WMT_ATTR_DATATYPE type, DWORD value)
{
    vault->SetProperty(name, type, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

} // namespace

CWmCodecFileWriter2::CWmCodecFileWriter2(CDirectShowGraph* graph, const char* name) : CWmAsfWriter(graph, name) {}

void CWmCodecFileWriter2::SetVideoBitrate(unsigned long bitrate)
{
    if (bitrate != 0) m_videoBitrate = bitrate;
}

void CWmCodecFileWriter2::SetEncodingMode(IWMStreamConfig* config, LONG encoderControl, DWORD quality, DWORD bitrate)
{
    IWMPropertyVault* raw = nullptr;
    if (!config || FAILED(QueryInterfaceTo(config, &raw)) || !raw) return;
    TWmHeld<IWMPropertyVault> vault(raw);
    switch (encoderControl) {
    case 1:
        SetVault(vault.get(), g_wszVBREnabled, WMT_TYPE_BOOL, TRUE);
        SetVault(vault.get(), g_wszNumPasses, WMT_TYPE_DWORD, 1);
        SetVault(vault.get(), g_wszVBRQuality, WMT_TYPE_DWORD, quality);
        break;
    case 2:
    case 16:
        SetVault(vault.get(), g_wszVBREnabled, WMT_TYPE_BOOL, FALSE);
        SetVault(vault.get(), g_wszNumPasses, WMT_TYPE_DWORD, 1);
        config->SetBitrate(bitrate);
        break;
    case 4:
    case 32:
        SetVault(vault.get(), g_wszVBREnabled, WMT_TYPE_BOOL, TRUE);
        SetVault(vault.get(), g_wszNumPasses, WMT_TYPE_DWORD, 2);
        break;
    case 8:
    case 64:
        SetVault(vault.get(), g_wszVBREnabled, WMT_TYPE_BOOL, TRUE);
        SetVault(vault.get(), g_wszNumPasses, WMT_TYPE_DWORD, 2);
        SetVault(vault.get(), g_wszVBRBitrateMax, WMT_TYPE_DWORD, bitrate);
        break;
    default: break;
    }
}

bool CWmCodecFileWriter2::AddVideoStream(IWMProfile* profile, WORD number, const char* codecName)
{
    CDirectShowSystem2* system = CDirectShowSystem2::sSystem;
    TWmHeld<IWMStreamConfig> config(system->GetVideoStream(codecName, m_videoEncoderControl));
    if (!config || !m_width || !m_height || m_frameRate <= 0) return false;
    config->SetStreamNumber(number);
    config->SetBufferWindow(4000);
    config->SetBitrate(m_videoBitrate);
    IWMVideoMediaProps* raw = nullptr;
    if (SUCCEEDED(QueryInterfaceTo(config.get(), &raw)) && raw) {
        raw->SetQuality(m_videoQuality);
        raw->Release();
    }
    CWmStreamFormat format(config.get());
    VIDEOINFOHEADER* info = format.Video();
    if (!info) return false;
    CWmStreamFormat::ChangeVideo(*info, m_width, m_height, m_frameRate, m_videoBitrate);
    if (!format.Store()) return false;
    SetEncodingMode(config.get(), m_videoEncoderControl, m_videoQuality, m_videoBitrate);
    return SUCCEEDED(profile->AddStream(config.get()));
}

bool CWmCodecFileWriter2::SetupBeforeConnect()
{
    CDirectShowSystem2* system = CDirectShowSystem2::sSystem;
    IWMProfileManager* manager = system ? system->GetProfileManager() : nullptr;
    CString videoName = m_videoCodecName, audioName = m_audioCodecName;
    const bool unnamed = videoName.IsEmpty() && audioName.IsEmpty();
    if (unnamed) {
        // The writer's own profile would code its own picture size, frame rate and sound,
        // whatever was decided: the runtime's first codecs write the decided ones instead.
        if (GetWantsVideo()) videoName = CWindowsMediaSystem2::GetFirstCodecName(manager, WMMEDIATYPE_Video);
        if (GetWantsAudio()) audioName = CWindowsMediaSystem2::GetFirstCodecName(manager, WMMEDIATYPE_Audio);
        if (GetWantsVideo() == videoName.IsEmpty() || GetWantsAudio() == audioName.IsEmpty()) return true;
    }
    IWMProfile* rawProfile = nullptr;
    if (!manager || FAILED(manager->CreateEmptyProfile(WMT_VER_9_0, &rawProfile)) || !rawProfile) return false;
    TWmHeld<IWMProfile> profile(rawProfile);
    WORD number = 1;
    if (GetWantsAudio()) {
        TWmHeld<IWMStreamConfig> audio(
            system->GetAudioStream(audioName, m_sampleRate, m_channels, m_bits, m_audioBitrate, GetWantsVideo()));
        // Sound the runtime has no format for, where no codec was named: CD quality, as the writer's own.
        if (!audio && unnamed) audio.reset(system->GetAudioStream(audioName, 44100, 2, 16, 128000, true));
        if (!audio || FAILED(audio->SetStreamNumber(number)) || FAILED(profile->AddStream(audio.get()))) return false;
        ++number;
    }
    if (GetWantsVideo() && !AddVideoStream(profile.get(), number, videoName)) return false;
    return ApplyProfile(profile.get());
}
