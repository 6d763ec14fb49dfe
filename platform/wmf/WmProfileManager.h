#pragma once
// The profile manager: empty, system and saved profiles, their text, and the codecs with
// their formats and enumeration settings.
#include "com/ComObject.h"
#include "wmf/PropertyVault.h"

#include <vector>

class CWmProfileManager : public TComObject<IWMProfileManager2, IWMCodecInfo3> {
public:
    CWmProfileManager();

    HRESULT CreateEmptyProfile(WMT_VERSION version, IWMProfile** profile) override;
    HRESULT LoadProfileByID(REFGUID id, IWMProfile** profile) override;
    HRESULT LoadProfileByData(const WCHAR* text, IWMProfile** profile) override;
    HRESULT SaveProfile(IWMProfile* profile, WCHAR* text, DWORD* length) override;
    HRESULT GetSystemProfileCount(DWORD* count) override;
    HRESULT LoadSystemProfile(DWORD index, IWMProfile** profile) override;
    HRESULT GetSystemProfileVersion(WMT_VERSION* version) override;
    HRESULT SetSystemProfileVersion(WMT_VERSION version) override;

    HRESULT GetCodecInfoCount(REFGUID type, DWORD* count) override;
    HRESULT GetCodecFormatCount(REFGUID type, DWORD codec, DWORD* count) override;
    HRESULT GetCodecFormat(REFGUID type, DWORD codec, DWORD format, IWMStreamConfig** config) override;
    HRESULT GetCodecName(REFGUID type, DWORD codec, WCHAR* name, DWORD* length) override;
    HRESULT GetCodecFormatDesc(REFGUID type, DWORD codec, DWORD format, IWMStreamConfig** config,
                               WCHAR* description, DWORD* length) override;
    HRESULT GetCodecFormatProp(REFGUID type, DWORD codec, DWORD format, const WCHAR* name,
                               WMT_ATTR_DATATYPE* valueType, BYTE* value, DWORD* size) override;
    HRESULT GetCodecProp(REFGUID type, DWORD codec, const WCHAR* name, WMT_ATTR_DATATYPE* valueType, BYTE* value,
                         DWORD* size) override;
    HRESULT SetCodecEnumerationSetting(REFGUID type, DWORD codec, const WCHAR* name, WMT_ATTR_DATATYPE valueType,
                                       const BYTE* value, DWORD size) override;
    HRESULT GetCodecEnumerationSetting(REFGUID type, DWORD codec, const WCHAR* name, WMT_ATTR_DATATYPE* valueType,
                                       BYTE* value, DWORD* size) override;

private:
    CPropertyVault* SettingsOf(REFGUID type, DWORD codec);

    WMT_VERSION m_version = WMT_VER_8_0;
    std::vector<CPropertyVault> m_audioSettings;
    std::vector<CPropertyVault> m_videoSettings;
};
