#pragma once
// One output container type: its names, extensions, settings pages and the filters that
// build it.
#include "CPersistList.h"
#include "CPersistValueList.h"
#include "afx/CString.h"
#include "win32/WinTypes.h"

using ESplitterType = LONG;
using ETypeConfigure = LONG;
using ETvType = LONG;

class CTvCodecOption;

class CFormatType {
public:
    // Settings pages a type offers (its interface mask).
    enum EInterfaceType : LONG {
        kVideoEncoder = 1,
        kAudioEncoder = 2,
        kWindowsMediaProfile = 4,
    };

    CFormatType() = default;
    CFormatType(const CFormatType& other) = default;
    // Leaves the mask, loop flag, extensions, file writer and QuickTime settings of this
    // row as they were.
    CFormatType& operator=(const CFormatType& other);
    virtual ~CFormatType() = default;

    void SetSplitterType(ESplitterType type) { m_type = type; }
    ESplitterType GetSplitterType() const { return m_type; }
    void SetName(const char* name) { m_name = name; }
    const CString& GetName() const { return m_name; }
    void SetAudioTypeName(const char* name) { m_audioName = name; }
    const CString& GetAudioTypeName() const { return m_audioName; }
    void SetAlias(ESplitterType alias) { m_alias = alias; }
    ESplitterType GetAlias() const { return m_alias; }
    void SetAliasFilter(const char* filter) { m_aliasFilter = filter; }
    const CString& GetAliasFilter() const { return m_aliasFilter; }
    void SetInterfaceType(LONG mask) { m_interfaceMask = mask; }
    LONG GetInterfaceType() const { return m_interfaceMask; }
    void SetAllowLoop(bool allow) { m_allowLoop = allow; }
    bool GetAllowLoop() const { return m_allowLoop; }

    void SetMuxId(const GUID& id) { m_muxId = id; }
    const GUID& GetMuxId() const { return m_muxId; }
    void SetMux2Id(const GUID& id) { m_mux2Id = id; }
    const GUID& GetMux2Id() const { return m_mux2Id; }
    void SetFileWriterId(const GUID& id) { m_fileWriterId = id; }
    const GUID& GetFileWriterId() const { return m_fileWriterId; }
    void SetMuxInstalled(bool installed) { m_muxInstalled = installed; }
    bool GetMuxInstalled() const { return m_muxInstalled; }
    void SetMux2Installed(bool installed) { m_mux2Installed = installed; }
    bool GetMux2Installed() const { return m_mux2Installed; }
    void SetFileWriterInstalled(bool installed) { m_fileWriterInstalled = installed; }
    bool GetFileWriterInstalled() const { return m_fileWriterInstalled; }

    void SetMinimumFrameRate(double rate) { m_minimumFrameRate = rate; }
    double GetMinimumFrameRate() const { return m_minimumFrameRate; }
    void SetConfigureFlag(ETypeConfigure flag) { m_configure = flag; }
    ETypeConfigure GetConfigureFlag() const { return m_configure; }
    // The QuickTime movie file type.
    void SetFlag1(DWORD fileType) { m_quickTimeType = fileType; }
    DWORD GetFlag1() const { return m_quickTimeType; }
    void SetTested(bool tested) { m_tested = tested; }
    bool GetTested() const { return m_tested; }
    void SetLoaded(bool loaded) { m_loaded = loaded; }
    bool GetLoaded() const { return m_loaded; }

    bool AllowInterface(LONG bits) const { return (m_interfaceMask & bits) != 0; }
    bool MayHaveAudio() const { return (m_interfaceMask & 6) != 0; }

    // "rm,rmvb" gives both video extensions; a text without a comma gives both the same.
    void SetVideoExtension(const char* extension);
    void SetAudioExtension(const char* extension) { m_audioExtension = extension; }
    void SetExtensions(const char* video, const char* audio);
    const CString& GetVideoExtension(bool second = false) const;
    const CString& GetAudioExtension() const { return m_audioExtension; }

    // Frame rates in frames per second, stored in thousandths.
    int GetFrameRateCount() const { return m_frameRates.GetItemCount(); }
    double GetFrameRate(int index) const { return m_frameRates.GetAt(index) * 0.001; }
    // The TV standards a DV type accepts, each with its frame size and audio settings.
    int GetTvOptionCount() const { return m_tvOptions.GetItemCount(); }
    CTvCodecOption* GetTvOption(int index) const;
    void AddTvOption(CTvCodecOption* option);
    void RemoveTvOption(CTvCodecOption* option);
    CTvCodecOption* Find(ETvType type) const;
    // The option of that standard, made and appended when there is none.
    CTvCodecOption* Add(ETvType type);

    void AddFrameRate(double rate) { m_frameRates.Add(Thousandths(rate)); }
    void RemoveFrameRate(double rate) { m_frameRates.Remove(Thousandths(rate)); }
    // The rate raised to the type's minimum.
    double FindBestFitFrameRate(double rate) const;

private:
    static LONG Thousandths(double rate) { return static_cast<LONG>(rate * 1000.0 + 0.5); }

    ESplitterType m_type = 0;
    CString m_name;
    CString m_audioName;
    ESplitterType m_alias = 0;
    CString m_aliasFilter;
    LONG m_interfaceMask = 0;
    bool m_allowLoop = false;
    CString m_videoExtension;
    CString m_videoExtension2;
    CString m_audioExtension;
    GUID m_muxId = GUID_NULL;
    GUID m_mux2Id = GUID_NULL;
    GUID m_fileWriterId = GUID_NULL;
    bool m_muxInstalled = false;
    bool m_mux2Installed = false;
    bool m_fileWriterInstalled = false;
    double m_minimumFrameRate = 0.0;
    CPersistValueList m_frameRates;
    CPersistList m_tvOptions{true};
    ETypeConfigure m_configure = 0;
    DWORD m_quickTimeType = 0;
    bool m_tested = false;
    bool m_loaded = false;
};
