#pragma once
// The engine with Windows Media: the runtime's profile manager, the system and custom
// profiles, the Windows Media codecs in the catalogues, and the stream configurations
// the Windows Media writers are built from.
#include "CDirectShowSystem2.h"
#include "CWmProfilesInfo.h"
#include "CWmvCoreLibrary.h"
#include "afx/CString.h"

#include <string>

struct IWMCodecInfo3;
struct IWMProfileManager;

class CWindowsMediaSystem2 : public CDirectShowSystem2 {
public:
    CWindowsMediaSystem2();
    CWindowsMediaSystem2(const CWindowsMediaSystem2&) = delete;
    CWindowsMediaSystem2& operator=(const CWindowsMediaSystem2&) = delete;
    ~CWindowsMediaSystem2() override;

    IWMStreamConfig* GetVideoStream(const char* codecName, LONG encoderControl) override;
    IWMStreamConfig* GetAudioStream(const char* codecName, ULONG sampleRate, unsigned short channels,
                                    unsigned short bitsPerSample, ULONG bitrate, bool wantAV) override;

    CWmProfilesInfo& GetProfiles() { return m_profiles; }

    void PopulateWmvProfiles();
    // Every ".prx" file below the folder; a damaged one is logged and left out.
    void AddCustomProfiles(const char* folder);
    void AddWindowsMediaCodecs();
    // A ".prx" file's text: its bytes read as wide text; empty when it cannot be read.
    static std::u16string ReadProfile(const char* path);
    // The runtime's first codec of the kind (audio or video); empty without one.
    static CString GetFirstCodecName(IWMProfileManager* manager, const GUID& type);
    // The profile version number of a runtime version: 4, 7, 8, 9, or 0 for any other.
    static unsigned short VersionNumber(DWORD version);

    static constexpr const char* kProfileFolder = "WM Profiles";

private:
    void AddSystemProfiles();
    void AddCustomProfile(const char* path);
    IWMCodecInfo3* QueryCodecs() const;

    CWmvCoreLibrary m_library;
    CWmProfilesInfo m_profiles;
};
