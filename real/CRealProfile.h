#pragma once
// One audience (output profile) of the producer library, with what it carries.
#include "rm/ProducerInterfaces.h"

class CRealProfile {
public:
    CRealProfile() = default;
    // Copies hold their own reference to the same audience.
    CRealProfile(const CRealProfile& other);
    CRealProfile& operator=(const CRealProfile& other);
    virtual ~CRealProfile();

    // Takes the caller's reference; the previous audience is released.
    void SetProfile(IHXTAudience* profile);
    IHXTAudience* GetProfile() const { return m_profile; }
    // Keeps at most kMaxName characters.
    void SetName(const char* name);
    const char* GetName() const { return m_name; }
    void SetHasVideo(bool hasVideo) { m_hasVideo = hasVideo; }
    bool GetHasVideo() const { return m_hasVideo; }
    void SetHasAudio(bool hasAudio) { m_hasAudio = hasAudio; }
    bool GetHasAudio() const { return m_hasAudio; }

    static constexpr int kMaxName = 1023;

private:
    IHXTAudience* m_profile = nullptr;
    char m_name[kMaxName + 1] = {};
    bool m_hasVideo = false;
    bool m_hasAudio = false;
};
