#include "wmf/WmProfileManager.h"

#include "wmf/ProfileText.h"
#include "wmf/WmCodecTable.h"
#include "wmf/WmProfile.h"
#include "wmf/WmSystemProfiles.h"
#include "wmf/WmText.h"

#include <cstring>

namespace {

HRESULT HandOut(SWmProfile data, IWMProfile** profile)
{
    if (!profile) return E_POINTER;
    return CreateComObject<CWmProfile>(IWMProfile::kIid, reinterpret_cast<void**>(profile), std::move(data));
}

// What a codec lists before any setting is made: constant bit rate, one pass.
CPropertyVault DefaultSettings()
{
    CPropertyVault vault;
    const BOOL off = FALSE;
    const DWORD passes = 1;
    vault.Set(g_wszVBREnabled, WMT_TYPE_BOOL, reinterpret_cast<const BYTE*>(&off), sizeof off);
    vault.Set(g_wszNumPasses, WMT_TYPE_DWORD, reinterpret_cast<const BYTE*>(&passes), sizeof passes);
    return vault;
}

constexpr REFERENCE_TIME kNtscFrame = 333667;

} // namespace

CWmProfileManager::CWmProfileManager()
    : m_audioSettings(WmCodecCount(WMMEDIATYPE_Audio), DefaultSettings()),
      m_videoSettings(WmCodecCount(WMMEDIATYPE_Video), DefaultSettings())
{
}

HRESULT CWmProfileManager::CreateEmptyProfile(WMT_VERSION version, IWMProfile** profile)
{
    if (!IsWmVersion(version)) return E_INVALIDARG;
    SWmProfile data;
    data.version = version;
    return HandOut(std::move(data), profile);
}

// Profiles of this runtime are known by name and text; none carries an id.
HRESULT CWmProfileManager::LoadProfileByID(REFGUID, IWMProfile** profile)
{
    if (profile) *profile = nullptr;
    return NS_E_INVALID_PROFILE;
}

HRESULT CWmProfileManager::LoadProfileByData(const WCHAR* text, IWMProfile** profile)
{
    if (!profile) return E_POINTER;
    *profile = nullptr;
    if (!text) return E_INVALIDARG;
    size_t length = 0;
    while (text[length] && length <= kMaxProfileText) ++length;
    SWmProfile data;
    HRESULT hr = ReadProfileText(std::u16string(text, length), data);
    return FAILED(hr) ? hr : HandOut(std::move(data), profile);
}

HRESULT CWmProfileManager::SaveProfile(IWMProfile* profile, WCHAR* text, DWORD* length)
{
    const SWmProfile* data = CWmProfile::DataOf(profile);
    if (!data) return E_INVALIDARG;
    return CopyTextOut(WriteProfileText(*data), text, length);
}

HRESULT CWmProfileManager::GetSystemProfileCount(DWORD* count)
{
    if (!count) return E_POINTER;
    *count = WmSystemProfileCount(m_version);
    return S_OK;
}

HRESULT CWmProfileManager::LoadSystemProfile(DWORD index, IWMProfile** profile)
{
    if (!profile) return E_POINTER;
    *profile = nullptr;
    SWmProfile data;
    if (!WmSystemProfile(m_version, index, data)) return NS_E_INVALID_INDEX;
    return HandOut(std::move(data), profile);
}

HRESULT CWmProfileManager::GetSystemProfileVersion(WMT_VERSION* version)
{
    if (!version) return E_POINTER;
    *version = m_version;
    return S_OK;
}

HRESULT CWmProfileManager::SetSystemProfileVersion(WMT_VERSION version)
{
    if (!IsWmVersion(version)) return E_INVALIDARG;
    m_version = version;
    return S_OK;
}

CPropertyVault* CWmProfileManager::SettingsOf(REFGUID type, DWORD codec)
{
    auto& settings = type == WMMEDIATYPE_Audio ? m_audioSettings : m_videoSettings;
    if (!WmCodecAt(type, codec) || codec >= settings.size()) return nullptr;
    return &settings[codec];
}

HRESULT CWmProfileManager::GetCodecInfoCount(REFGUID type, DWORD* count)
{
    if (!count) return E_POINTER;
    if (type != WMMEDIATYPE_Audio && type != WMMEDIATYPE_Video) return E_INVALIDARG;
    *count = WmCodecCount(type);
    return S_OK;
}

HRESULT CWmProfileManager::GetCodecFormatCount(REFGUID type, DWORD codec, DWORD* count)
{
    if (!count) return E_POINTER;
    const SWmCodec* info = WmCodecAt(type, codec);
    if (!info) return NS_E_INVALID_INDEX;
    *count = info->formatCount;
    return S_OK;
}

HRESULT CWmProfileManager::GetCodecFormat(REFGUID type, DWORD codec, DWORD format, IWMStreamConfig** config)
{
    return GetCodecFormatDesc(type, codec, format, config, nullptr, nullptr);
}

HRESULT CWmProfileManager::GetCodecName(REFGUID type, DWORD codec, WCHAR* name, DWORD* length)
{
    const SWmCodec* info = WmCodecAt(type, codec);
    if (!info) return NS_E_INVALID_INDEX;
    return CopyTextOut(info->name, name, length);
}

// A format's stream carries the codec's enumeration settings in its vault.
HRESULT CWmProfileManager::GetCodecFormatDesc(REFGUID type, DWORD codec, DWORD format, IWMStreamConfig** config,
                                              WCHAR* description, DWORD* length)
{
    if (config) *config = nullptr;
    const SWmCodec* info = WmCodecAt(type, codec);
    if (!info || format >= info->formatCount) return NS_E_INVALID_INDEX;
    SWmStream stream;
    std::u16string text;
    if (info->audioFormats) {
        stream = WmAudioStream(info->audioFormats[format]);
        text = WmAudioFormatText(info->audioFormats[format]);
    } else {
        stream = WmVideoStream(320, 240, kNtscFrame, 250000);
        text = u"320 x 240, 29.97 frames a second, 250 kbps";
    }
    stream.vault = *SettingsOf(type, codec);
    if (length) {
        HRESULT hr = CopyTextOut(text, description, length);
        if (FAILED(hr)) return hr;
    }
    return config ? NewStreamConfig(stream, config) : S_OK;
}

HRESULT CWmProfileManager::GetCodecFormatProp(REFGUID type, DWORD codec, DWORD format, const WCHAR* name,
                                              WMT_ATTR_DATATYPE* valueType, BYTE* value, DWORD* size)
{
    const SWmCodec* info = WmCodecAt(type, codec);
    if (!info || format >= info->formatCount) return NS_E_INVALID_INDEX;
    return GetCodecProp(type, codec, name, valueType, value, size);
}

HRESULT CWmProfileManager::GetCodecProp(REFGUID type, DWORD codec, const WCHAR* name, WMT_ATTR_DATATYPE* valueType,
                                        BYTE* value, DWORD* size)
{
    return GetCodecEnumerationSetting(type, codec, name, valueType, value, size);
}

HRESULT CWmProfileManager::SetCodecEnumerationSetting(REFGUID type, DWORD codec, const WCHAR* name,
                                                      WMT_ATTR_DATATYPE valueType, const BYTE* value, DWORD size)
{
    CPropertyVault* settings = SettingsOf(type, codec);
    if (!settings) return NS_E_INVALID_INDEX;
    if (!name || !value || size != 4) return E_INVALIDARG;
    DWORD number = 0;
    std::memcpy(&number, value, 4);
    const std::u16string setting(name);
    if (setting == g_wszVBREnabled) {
        if (valueType != WMT_TYPE_BOOL) return E_INVALIDARG;
        // The audio encoder keeps a constant bit rate.
        if (number && !WmCodecAt(type, codec)->variableBitrate) return E_INVALIDARG;
    } else if (setting == g_wszNumPasses) {
        // Every stream is encoded in one pass.
        if (valueType != WMT_TYPE_DWORD || number != 1) return E_INVALIDARG;
    } else {
        return E_INVALIDARG;
    }
    return settings->Set(name, valueType, value, size);
}

HRESULT CWmProfileManager::GetCodecEnumerationSetting(REFGUID type, DWORD codec, const WCHAR* name,
                                                      WMT_ATTR_DATATYPE* valueType, BYTE* value, DWORD* size)
{
    CPropertyVault* settings = SettingsOf(type, codec);
    if (!settings) return NS_E_INVALID_INDEX;
    return settings->GetByName(name, valueType, value, size);
}
