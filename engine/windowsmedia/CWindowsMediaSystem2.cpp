#include "CWindowsMediaSystem2.h"

#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CDebugLogger.h"
#include "CDirectoryPath.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CWmProfile2.h"
#include "CWmStreamFormat.h"
#include "UDirectoryUtils.h"
#include "UStringBuffer.h"
#include "WmHeld.h"
#include "win32/audio/WaveFormat.h"
#include "wmf/WmInterfaces.h"

#include <cstring>
#include <fstream>
#include <strings.h>
#include <vector>

namespace {

constexpr WMT_VERSION kVersions[] = {WMT_VER_4_0, WMT_VER_7_0, WMT_VER_8_0, WMT_VER_9_0};
// A profile text is small; anything larger is not one.
constexpr std::streamoff kMaxProfileBytes = 2 * 1024 * 1024;

bool SetNumber(IWMCodecInfo3* codecs, const GUID& type, DWORD codec, const WCHAR* name, WMT_ATTR_DATATYPE kind,
               DWORD value)
{
    return SUCCEEDED(codecs->SetCodecEnumerationSetting(type, codec, name, kind, reinterpret_cast<const BYTE*>(&value),
                                                        sizeof value));
}

// The enumeration that lists the codec's formats for a bit-rate mode; both settings taken.
bool SetMode(IWMCodecInfo3* codecs, const GUID& type, DWORD codec, bool vbr, DWORD passes)
{
    const bool a = SetNumber(codecs, type, codec, g_wszVBREnabled, WMT_TYPE_BOOL, vbr ? TRUE : FALSE);
    const bool b = SetNumber(codecs, type, codec, g_wszNumPasses, WMT_TYPE_DWORD, passes);
    return a && b;
}

CString CodecName(IWMCodecInfo3* codecs, const GUID& type, DWORD codec)
{
    DWORD length = 0;
    if (FAILED(codecs->GetCodecName(type, codec, nullptr, &length)) || length == 0) return CString();
    std::u16string name(length, u'\0');
    if (FAILED(codecs->GetCodecName(type, codec, name.data(), &length))) return CString();
    return UStringBuffer::ToMultiByte(name.c_str());
}

// The wave format of a codec format's stream, when it has one.
bool WaveOf(IWMStreamConfig* config, WAVEFORMATEX& wave)
{
    CWmStreamFormat format(config);
    if (!format.Wave()) return false;
    wave = *format.Wave();
    return true;
}

} // namespace

CWindowsMediaSystem2::CWindowsMediaSystem2()
{
    if (sLoadWm) m_profileManager = m_library.CreateProfileManager();
    PopulateWmvProfiles();
    AddWindowsMediaCodecs();
}

CWindowsMediaSystem2::~CWindowsMediaSystem2() { SafeRelease(m_profileManager); }

unsigned short CWindowsMediaSystem2::VersionNumber(DWORD version)
{
    switch (version) {
    case WMT_VER_4_0: return 4;
    case WMT_VER_7_0: return 7;
    case WMT_VER_8_0: return 8;
    case WMT_VER_9_0: return 9;
    }
    return 0;
}

void CWindowsMediaSystem2::PopulateWmvProfiles()
{
    if (!m_profileManager) return;
    AddSystemProfiles();
    AddCustomProfiles(UDirectoryUtils::GetAppSubDirectory(kProfileFolder));
}

void CWindowsMediaSystem2::AddSystemProfiles()
{
    IWMProfileManager2* raw = nullptr;
    if (FAILED(QueryInterfaceTo(m_profileManager, &raw)) || !raw) return;
    TWmHeld<IWMProfileManager2> manager(raw);
    for (WMT_VERSION version : kVersions) {
        WMT_VERSION read{};
        DWORD count = 0;
        if (FAILED(manager->SetSystemProfileVersion(version)) || FAILED(manager->GetSystemProfileVersion(&read)) ||
            FAILED(manager->GetSystemProfileCount(&count)))
            continue;
        for (DWORD i = 0; i < count; ++i) {
            IWMProfile* profile = nullptr;
            if (FAILED(manager->LoadSystemProfile(i, &profile)) || !profile) continue;
            m_profiles.AddSetting(VersionNumber(read), new CWmProfile2(m_profileManager, profile));
        }
    }
}

void CWindowsMediaSystem2::AddCustomProfiles(const char* folder)
{
    CDirectoryPath directory(folder);
    directory.Populate();
    // Sub-folders are walked as they are met; their entries are populated already.
    std::vector<const CDirectoryPath*> pending{&directory};
    while (!pending.empty()) {
        const CDirectoryPath* current = pending.back();
        pending.pop_back();
        for (int i = 0; i < current->GetPathCount(); ++i) {
            const CPath* path = current->GetPath(i);
            if (auto* sub = dynamic_cast<const CDirectoryPath*>(path)) {
                pending.push_back(sub);
                continue;
            }
            const char* file = path->GetFilePath();
            const char* dot = std::strrchr(file, '.');
            if (dot && strcasecmp(dot + 1, "prx") == 0) AddCustomProfile(file);
        }
    }
}

std::u16string CWindowsMediaSystem2::ReadProfile(const char* path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > kMaxProfileBytes) return {};
    std::vector<char> bytes(size_t(size) + 2, 0);
    in.seekg(0);
    if (!in.read(bytes.data(), size)) return {};
    std::u16string text(bytes.size() / 2, u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * 2);
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    return text;
}

void CWindowsMediaSystem2::AddCustomProfile(const char* path)
{
    const std::u16string text = ReadProfile(path);
    if (text.empty()) return;
    IWMProfile* profile = nullptr;
    if (FAILED(m_profileManager->LoadProfileByData(text.c_str(), &profile)) || !profile) {
        CString message;
        message.Format("The Windows Media profile \"%s\" is damaged and was not loaded.", path);
        CDebugLogger::Log(message);
        return;
    }
    WMT_VERSION version{};
    if (FAILED(profile->GetVersion(&version))) version = WMT_VERSION(0);
    m_profiles.AddSetting(VersionNumber(version), new CWmProfile2(m_profileManager, profile));
}

CString CWindowsMediaSystem2::GetFirstCodecName(IWMProfileManager* manager, const GUID& type)
{
    IWMCodecInfo3* raw = nullptr;
    if (!manager || FAILED(QueryInterfaceTo(manager, &raw)) || !raw) return CString();
    TWmHeld<IWMCodecInfo3> codecs(raw);
    DWORD count = 0;
    if (FAILED(codecs->GetCodecInfoCount(type, &count)) || count == 0) return CString();
    return CodecName(codecs.get(), type, 0);
}

IWMCodecInfo3* CWindowsMediaSystem2::QueryCodecs() const
{
    IWMCodecInfo3* codecs = nullptr;
    if (!m_profileManager || FAILED(QueryInterfaceTo(m_profileManager, &codecs))) return nullptr;
    return codecs;
}

void CWindowsMediaSystem2::AddWindowsMediaCodecs()
{
    TWmHeld<IWMCodecInfo3> codecs(QueryCodecs());
    if (!codecs) return;
    DWORD count = 0;
    if (CVideoCodecsInfo::sInfo && SUCCEEDED(codecs->GetCodecInfoCount(WMMEDIATYPE_Video, &count))) {
        for (DWORD i = 0; i < count; ++i) {
            const CString name = CodecName(codecs.get(), WMMEDIATYPE_Video, i);
            if (name.IsEmpty()) continue;
            CVideoCodecInfo* codec = CVideoCodecsInfo::sInfo->Add(name, "");
            codec->Activate(true);
            codec->SetLoad(false);
            codec->SetVirtual(true);
            codec->SetBlockSize(4);
            codec->SetSupported(200, true);
            codec->SetSupported(252, true);
            LONG control = SetMode(codecs.get(), WMMEDIATYPE_Video, i, false, 1) ? 2 : 0;
            if (SetMode(codecs.get(), WMMEDIATYPE_Video, i, true, 1)) control |= 1;
            codec->SetEncoderControl(control);
        }
    }
    count = 0;
    if (!CAudioCodecsInfo::sInfo || FAILED(codecs->GetCodecInfoCount(WMMEDIATYPE_Audio, &count))) return;
    for (DWORD i = 0; i < count; ++i) {
        SetNumber(codecs.get(), WMMEDIATYPE_Audio, i, g_wszVBREnabled, WMT_TYPE_BOOL, FALSE);
        const CString name = CodecName(codecs.get(), WMMEDIATYPE_Audio, i);
        if (name.IsEmpty()) continue;
        CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Add(name, "");
        codec->Activate(true);
        codec->SetLoad(false);
        codec->SetVirtual(true);
        codec->SetSupported(200, true);
        codec->SetSupported(252, true);
        DWORD formats = 0;
        if (FAILED(codecs->GetCodecFormatCount(WMMEDIATYPE_Audio, i, &formats))) continue;
        for (DWORD f = 0; f < formats; ++f) {
            IWMStreamConfig* raw = nullptr;
            if (FAILED(codecs->GetCodecFormat(WMMEDIATYPE_Audio, i, f, &raw)) || !raw) continue;
            TWmHeld<IWMStreamConfig> config(raw);
            WAVEFORMATEX wave{};
            if (!WaveOf(config.get(), wave) || wave.nChannels < 1 || wave.nChannels > 2 ||
                wave.nSamplesPerSec > 48000 || wave.nAvgBytesPerSec <= 20)
                continue;
            codec->AddSetting(wave.nSamplesPerSec, wave.nChannels, wave.wBitsPerSample, wave.nAvgBytesPerSec * 8,
                              wave.nBlockAlign);
        }
    }
}

IWMStreamConfig* CWindowsMediaSystem2::GetVideoStream(const char* codecName, LONG encoderControl)
{
    TWmHeld<IWMCodecInfo3> codecs(QueryCodecs());
    DWORD count = 0;
    if (!codecs || !codecName || FAILED(codecs->GetCodecInfoCount(WMMEDIATYPE_Video, &count))) return nullptr;
    const bool vbr = encoderControl == 1 || encoderControl == 4 || encoderControl == 8;
    const DWORD passes = encoderControl == 4 || encoderControl == 8 ? 2 : 1;
    for (DWORD i = 0; i < count; ++i) {
        SetMode(codecs.get(), WMMEDIATYPE_Video, i, vbr, passes);
        if (CodecName(codecs.get(), WMMEDIATYPE_Video, i) != codecName) continue;
        DWORD formats = 0;
        IWMStreamConfig* config = nullptr;
        if (FAILED(codecs->GetCodecFormatCount(WMMEDIATYPE_Video, i, &formats)) || formats == 0) return nullptr;
        if (FAILED(codecs->GetCodecFormat(WMMEDIATYPE_Video, i, 0, &config))) return nullptr;
        return config;
    }
    return nullptr;
}

IWMStreamConfig* CWindowsMediaSystem2::GetAudioStream(const char* codecName, ULONG sampleRate, unsigned short channels,
                                                      unsigned short bitsPerSample, ULONG bitrate, bool wantAV)
{
    TWmHeld<IWMCodecInfo3> codecs(QueryCodecs());
    DWORD count = 0;
    if (!codecs || !codecName || FAILED(codecs->GetCodecInfoCount(WMMEDIATYPE_Audio, &count))) return nullptr;
    for (DWORD i = 0; i < count; ++i) {
        SetNumber(codecs.get(), WMMEDIATYPE_Audio, i, g_wszVBREnabled, WMT_TYPE_BOOL, FALSE);
        if (CodecName(codecs.get(), WMMEDIATYPE_Audio, i) != codecName) continue;
        // The formats of exactly that rate, size and channels within 96 bit/s of the bit rate;
        // a later one replaces the choice when it is or is not for video as wanted.
        DWORD formats = 0;
        if (FAILED(codecs->GetCodecFormatCount(WMMEDIATYPE_Audio, i, &formats))) return nullptr;
        IWMStreamConfig* chosen = nullptr;
        for (DWORD f = 0; f < formats; ++f) {
            IWMStreamConfig* config = nullptr;
            DWORD length = 0;
            if (FAILED(codecs->GetCodecFormatDesc(WMMEDIATYPE_Audio, i, f, nullptr, nullptr, &length))) continue;
            std::u16string description(length, u'\0');
            if (FAILED(codecs->GetCodecFormatDesc(WMMEDIATYPE_Audio, i, f, &config, description.data(), &length)) ||
                !config)
                continue;
            TWmHeld<IWMStreamConfig> held(config);
            WAVEFORMATEX wave{};
            if (!WaveOf(config, wave) || wave.nSamplesPerSec != sampleRate || wave.wBitsPerSample != bitsPerSample ||
                wave.nChannels != channels)
                continue;
            const long long difference = (long long)wave.nAvgBytesPerSec * 8 - (long long)bitrate;
            if (difference > 96 || difference < -96) continue;
            const bool av = description.find(u"A/V") != std::u16string::npos;
            if (chosen && av != wantAV) continue;
            SafeRelease(chosen);
            chosen = held.release();
        }
        return chosen;
    }
    return nullptr;
}
