#pragma once
// A named output profile: whether it carries video and audio, and its bit rate.
#include "CNamedObject.h"
#include "MvMediaProperty.h"

class CMediaProfile : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CMediaProfile)
public:
    CMediaProfile() = default;
    CMediaProfile(const CMediaProfile&) = default;
    CMediaProfile& operator=(const CMediaProfile&) = default;
    ~CMediaProfile() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(HasVideo, bool, bool)
    MV_DECLARE_PROPERTY(HasAudio, bool, bool)
    MV_DECLARE_PROPERTY(Bitrate, ULONG, ULONG)
    bool GetHasVideo() const { return m_hasVideo; }
    bool GetHasAudio() const { return m_hasAudio; }
    ULONG GetBitrate() const { return m_bitrate; }
    const char* GetNameText() const { return GetName(); }

    static constexpr LONG kType = FourCharCode("mpfl");
    static constexpr LONG kHasVideoChangedNotice = FourCharCode("mpfn");
    static constexpr LONG kHasAudioChangedNotice = FourCharCode("mpfo");
    static constexpr LONG kBitrateChangedNotice = FourCharCode("mpfp");

private:
    bool m_hasVideo = false;
    bool m_hasAudio = false;
    ULONG m_bitrate = 0;
};
