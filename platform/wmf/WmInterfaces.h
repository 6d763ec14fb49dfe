#pragma once
// The Windows Media format runtime's published interface. Programs load "wmvcore.dll" by
// name and bind WMCreateProfileManager; everything else is reached through the interfaces
// below: profiles and their stream configurations, media properties, the property vault,
// codec information and header attributes.
#include "dshow/DShowTypes.h"

using WM_MEDIA_TYPE = AM_MEDIA_TYPE;

enum WMT_VERSION {
    WMT_VER_4_0 = 0x00040000,
    WMT_VER_7_0 = 0x00070000,
    WMT_VER_8_0 = 0x00080000,
    WMT_VER_9_0 = 0x00090000,
};

enum WMT_ATTR_DATATYPE {
    WMT_TYPE_DWORD = 0,
    WMT_TYPE_STRING = 1,
    WMT_TYPE_BINARY = 2,
    WMT_TYPE_BOOL = 3,
    WMT_TYPE_QWORD = 4,
    WMT_TYPE_WORD = 5,
    WMT_TYPE_GUID = 6,
};

// Stream types are the media graph's major types.
inline const GUID& WMMEDIATYPE_Audio = MEDIATYPE_Audio;
inline const GUID& WMMEDIATYPE_Video = MEDIATYPE_Video;

// Format tag of the audio codec and four-character code of the video codec.
inline constexpr WORD WAVE_FORMAT_WMAUDIO2 = 0x0161;
inline constexpr DWORD kWmv2Fourcc = 0x32564D57; // 'WMV2'

// Names of the settings a stream configuration's vault and a codec's enumeration take.
inline constexpr const WCHAR* g_wszVBREnabled = u"_VBRENABLED";
inline constexpr const WCHAR* g_wszNumPasses = u"_PASSESUSED";
inline constexpr const WCHAR* g_wszVBRQuality = u"_VBRQUALITY";
inline constexpr const WCHAR* g_wszVBRBitrateMax = u"_RMAX";

// Header attribute names.
inline constexpr const WCHAR* g_wszWMTitle = u"Title";
inline constexpr const WCHAR* g_wszWMAuthor = u"Author";
inline constexpr const WCHAR* g_wszWMCopyright = u"Copyright";
inline constexpr const WCHAR* g_wszWMDescription = u"Description";
inline constexpr const WCHAR* g_wszWMAlbumTitle = u"WM/AlbumTitle";
inline constexpr const WCHAR* g_wszWMGenre = u"WM/Genre";
inline constexpr const WCHAR* g_wszWMYear = u"WM/Year";
inline constexpr const WCHAR* g_wszWMTrackNumber = u"WM/TrackNumber";

// A profile that cannot be read from its text.
#define NS_E_INVALID_PROFILE static_cast<HRESULT>(0xC00D0BC6)
// A codec, format or stream index past the end.
#define NS_E_INVALID_INDEX static_cast<HRESULT>(0xC00D0BC7)

struct IWMMediaProps : IUnknown {
    static constexpr IID kIid = {0x96406BCE, 0x2B2B, 0x11D3, {0xB3, 0x6B, 0x00, 0xC0, 0x4F, 0x61, 0x08, 0xFF}};
    using Base = IUnknown;
    virtual HRESULT GetType(GUID* type) = 0;
    // With a null type gives the size the whole type needs (header and format block).
    virtual HRESULT GetMediaType(WM_MEDIA_TYPE* type, DWORD* size) = 0;
    virtual HRESULT SetMediaType(WM_MEDIA_TYPE* type) = 0;
};

struct IWMVideoMediaProps : IWMMediaProps {
    static constexpr IID kIid = {0x96406BCF, 0x2B2B, 0x11D3, {0xB3, 0x6B, 0x00, 0xC0, 0x4F, 0x61, 0x08, 0xFF}};
    using Base = IWMMediaProps;
    // Key-frame spacing in 100-nanosecond units.
    virtual HRESULT GetMaxKeyFrameSpacing(LONGLONG* time) = 0;
    virtual HRESULT SetMaxKeyFrameSpacing(LONGLONG time) = 0;
    // 0 (smoothest motion) to 100 (sharpest pictures).
    virtual HRESULT GetQuality(DWORD* quality) = 0;
    virtual HRESULT SetQuality(DWORD quality) = 0;
};

struct IWMPropertyVault : IUnknown {
    static constexpr IID kIid = {0x72995A79, 0x5090, 0x42A4, {0x9C, 0x8C, 0xD9, 0xD0, 0xB6, 0xD3, 0x4B, 0xE5}};
    using Base = IUnknown;
    virtual HRESULT GetPropertyCount(DWORD* count) = 0;
    // With a null value gives the size.
    virtual HRESULT GetPropertyByName(const WCHAR* name, WMT_ATTR_DATATYPE* type, BYTE* value, DWORD* size) = 0;
    virtual HRESULT SetProperty(const WCHAR* name, WMT_ATTR_DATATYPE type, const BYTE* value, DWORD size) = 0;
    virtual HRESULT GetPropertyByIndex(DWORD index, WCHAR* name, DWORD* nameLength, WMT_ATTR_DATATYPE* type,
                                       BYTE* value, DWORD* size) = 0;
    virtual HRESULT CopyPropertiesFrom(IWMPropertyVault* source) = 0;
    virtual HRESULT Clear() = 0;
};

struct IWMStreamConfig : IUnknown {
    static constexpr IID kIid = {0x96406BDC, 0x2B2B, 0x11D3, {0xB3, 0x6B, 0x00, 0xC0, 0x4F, 0x61, 0x08, 0xFF}};
    using Base = IUnknown;
    virtual HRESULT GetStreamType(GUID* type) = 0;
    virtual HRESULT GetStreamNumber(WORD* number) = 0;
    // 1 to 63.
    virtual HRESULT SetStreamNumber(WORD number) = 0;
    // Texts: with a null buffer the length in characters with the terminator.
    virtual HRESULT GetStreamName(WCHAR* name, WORD* length) = 0;
    virtual HRESULT SetStreamName(const WCHAR* name) = 0;
    virtual HRESULT GetConnectionName(WCHAR* name, WORD* length) = 0;
    virtual HRESULT SetConnectionName(const WCHAR* name) = 0;
    virtual HRESULT GetBitrate(DWORD* bitrate) = 0;
    virtual HRESULT SetBitrate(DWORD bitrate) = 0;
    // Milliseconds.
    virtual HRESULT GetBufferWindow(DWORD* window) = 0;
    virtual HRESULT SetBufferWindow(DWORD window) = 0;
};

struct IWMProfile : IUnknown {
    static constexpr IID kIid = {0x96406BDB, 0x2B2B, 0x11D3, {0xB3, 0x6B, 0x00, 0xC0, 0x4F, 0x61, 0x08, 0xFF}};
    using Base = IUnknown;
    virtual HRESULT GetVersion(WMT_VERSION* version) = 0;
    virtual HRESULT GetName(WCHAR* name, DWORD* length) = 0;
    virtual HRESULT SetName(const WCHAR* name) = 0;
    virtual HRESULT GetDescription(WCHAR* text, DWORD* length) = 0;
    virtual HRESULT SetDescription(const WCHAR* text) = 0;
    virtual HRESULT GetStreamCount(DWORD* count) = 0;
    // A copy the caller owns; changes reach the profile through ReconfigStream.
    virtual HRESULT GetStream(DWORD index, IWMStreamConfig** config) = 0;
    virtual HRESULT GetStreamByNumber(WORD number, IWMStreamConfig** config) = 0;
    virtual HRESULT RemoveStream(IWMStreamConfig* config) = 0;
    virtual HRESULT RemoveStreamByNumber(WORD number) = 0;
    // Adds a copy; the stream number must be free.
    virtual HRESULT AddStream(IWMStreamConfig* config) = 0;
    // Replaces the stream of the same number.
    virtual HRESULT ReconfigStream(IWMStreamConfig* config) = 0;
    virtual HRESULT CreateNewStream(REFGUID type, IWMStreamConfig** config) = 0;
};

struct IWMProfileManager : IUnknown {
    static constexpr IID kIid = {0xD16679F2, 0x6CA0, 0x472D, {0x8D, 0x31, 0x2F, 0x5D, 0x55, 0xAE, 0xE1, 0x55}};
    using Base = IUnknown;
    virtual HRESULT CreateEmptyProfile(WMT_VERSION version, IWMProfile** profile) = 0;
    virtual HRESULT LoadProfileByID(REFGUID id, IWMProfile** profile) = 0;
    // The ".prx" text of a profile.
    virtual HRESULT LoadProfileByData(const WCHAR* text, IWMProfile** profile) = 0;
    // With a null buffer gives the length in characters with the terminator.
    virtual HRESULT SaveProfile(IWMProfile* profile, WCHAR* text, DWORD* length) = 0;
    // The system profiles of the version set with IWMProfileManager2 (8 at first).
    virtual HRESULT GetSystemProfileCount(DWORD* count) = 0;
    virtual HRESULT LoadSystemProfile(DWORD index, IWMProfile** profile) = 0;
};

struct IWMProfileManager2 : IWMProfileManager {
    static constexpr IID kIid = {0x7A924E51, 0x73C1, 0x494D, {0x80, 0x19, 0x23, 0xD3, 0x7E, 0xD9, 0xB8, 0x9A}};
    using Base = IWMProfileManager;
    virtual HRESULT GetSystemProfileVersion(WMT_VERSION* version) = 0;
    virtual HRESULT SetSystemProfileVersion(WMT_VERSION version) = 0;
};

struct IWMCodecInfo : IUnknown {
    static constexpr IID kIid = {0xA970F41E, 0x34DE, 0x4A98, {0xB3, 0xBA, 0xE4, 0xB3, 0xCA, 0x75, 0x28, 0xF0}};
    using Base = IUnknown;
    virtual HRESULT GetCodecInfoCount(REFGUID type, DWORD* count) = 0;
    virtual HRESULT GetCodecFormatCount(REFGUID type, DWORD codec, DWORD* count) = 0;
    // A new stream configuration of that format, owned by the caller.
    virtual HRESULT GetCodecFormat(REFGUID type, DWORD codec, DWORD format, IWMStreamConfig** config) = 0;
};

struct IWMCodecInfo2 : IWMCodecInfo {
    static constexpr IID kIid = {0xAA65E273, 0xB686, 0x4056, {0x91, 0xEC, 0xDD, 0x76, 0x8D, 0x4D, 0xF7, 0x10}};
    using Base = IWMCodecInfo;
    virtual HRESULT GetCodecName(REFGUID type, DWORD codec, WCHAR* name, DWORD* length) = 0;
    virtual HRESULT GetCodecFormatDesc(REFGUID type, DWORD codec, DWORD format, IWMStreamConfig** config,
                                       WCHAR* description, DWORD* length) = 0;
};

struct IWMCodecInfo3 : IWMCodecInfo2 {
    static constexpr IID kIid = {0x7E51F487, 0x4D93, 0x4F98, {0x8A, 0xB4, 0x27, 0xD0, 0x56, 0x5A, 0xDC, 0x51}};
    using Base = IWMCodecInfo2;
    virtual HRESULT GetCodecFormatProp(REFGUID type, DWORD codec, DWORD format, const WCHAR* name,
                                       WMT_ATTR_DATATYPE* valueType, BYTE* value, DWORD* size) = 0;
    virtual HRESULT GetCodecProp(REFGUID type, DWORD codec, const WCHAR* name, WMT_ATTR_DATATYPE* valueType,
                                 BYTE* value, DWORD* size) = 0;
    // The settings "_VBRENABLED" and "_PASSESUSED" choose which formats the codec lists;
    // a setting the codec cannot serve is refused.
    virtual HRESULT SetCodecEnumerationSetting(REFGUID type, DWORD codec, const WCHAR* name,
                                               WMT_ATTR_DATATYPE valueType, const BYTE* value, DWORD size) = 0;
    virtual HRESULT GetCodecEnumerationSetting(REFGUID type, DWORD codec, const WCHAR* name,
                                               WMT_ATTR_DATATYPE* valueType, BYTE* value, DWORD* size) = 0;
};

// The tags of a Windows Media file, on the writer that writes it and the source that reads it.
struct IWMHeaderInfo : IUnknown {
    static constexpr IID kIid = {0x96406BDA, 0x2B2B, 0x11D3, {0xB3, 0x6B, 0x00, 0xC0, 0x4F, 0x61, 0x08, 0xFF}};
    using Base = IUnknown;
    virtual HRESULT GetAttributeCount(WORD stream, WORD* count) = 0;
    // With null name and value gives the lengths (name in characters with its NUL, value in bytes).
    virtual HRESULT GetAttributeByIndex(WORD index, WORD* stream, WCHAR* name, WORD* nameLength,
                                        WMT_ATTR_DATATYPE* type, BYTE* value, WORD* valueLength) = 0;
    virtual HRESULT GetAttributeByName(WORD* stream, LPCWSTR name, WMT_ATTR_DATATYPE* type, BYTE* value,
                                       WORD* length) = 0;
    virtual HRESULT SetAttribute(WORD stream, LPCWSTR name, WMT_ATTR_DATATYPE type, const BYTE* value,
                                 WORD length) = 0;
};

using PFN_WMCreateProfileManager = HRESULT (*)(IWMProfileManager** manager);

#define WM_EXPORT extern "C" __attribute__((visibility("default")))

WM_EXPORT HRESULT WMCreateProfileManager(IWMProfileManager** manager);
