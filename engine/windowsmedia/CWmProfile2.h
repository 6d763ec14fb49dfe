#pragma once
// A profile of the Windows Media runtime, with the flags, bit rate and name read from it,
// and the copies adjusted to a job: video or audio only, another size, frame rate, bit
// rate or audio format.
#include "CMediaProfile.h"

struct IWMProfile;
struct IWMProfileManager;

class CWmProfile2 : public CMediaProfile {
public:
    // Takes a reference to the manager and adopts the profile's.
    CWmProfile2(IWMProfileManager* manager, IWMProfile* profile);
    CWmProfile2(const CWmProfile2&) = delete;
    CWmProfile2& operator=(const CWmProfile2&) = delete;
    ~CWmProfile2() override;

    IWMProfile* GetProfile() const { return m_profile; }
    IWMProfileManager* GetManager() const { return m_manager; }
    void GetProfileInfo();

    // Copies on the same manager, owned by the caller; null when no copy can be made.
    CWmProfile2* CloneProfile() const;
    CWmProfile2* CloneVideoOnly() const;
    CWmProfile2* CloneWith(unsigned short width, unsigned short height, double frameRate, bool keepAudio) const;
    CWmProfile2* CloneWith(bool video, bool audio, unsigned short width, unsigned short height, double frameRate,
                           ULONG videoBitrate, const char* audioCodecName, ULONG sampleRate, unsigned short channels,
                           unsigned short bitsPerSample, ULONG audioBitrate) const;

    void MakeVideoOnly();
    void MakeAudioOnly();
    void ModifyVideo(unsigned short width, unsigned short height, double frameRate, ULONG bitrate);
    void ModifyAudio(const char* codecName, ULONG sampleRate, unsigned short channels, unsigned short bitsPerSample,
                     ULONG bitrate);

private:
    void RemoveStreams(bool video);

    IWMProfileManager* m_manager;
    IWMProfile* m_profile;
};
