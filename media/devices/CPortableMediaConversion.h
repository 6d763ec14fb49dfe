#pragma once
// One device the converter works with: its name is the device's platform, and it keeps the
// chosen video and audio targets, sync and play-list options, caps and destination folder.
#include "CNamedObject.h"
#include "CSaveDir2.h"
#include "CTargetDevice.h"
#include "MvMediaProperty.h"

class CPortableMediaConversion : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CPortableMediaConversion)
public:
    CPortableMediaConversion() = default;
    CPortableMediaConversion(const CPortableMediaConversion& other) = default;
    CPortableMediaConversion& operator=(const CPortableMediaConversion& other) = default;
    ~CPortableMediaConversion() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Fills empty target names with the platform's first video and audio targets.
    void SideEffectNameChanged() override;

    // Empty names are refused. A chosen target's maximum bit rate becomes the device's cap.
    MV_DECLARE_PROPERTY(VideoTarget, const char*, CString)
    MV_DECLARE_PROPERTY(AudioTarget, const char*, CString)
    MV_DECLARE_PROPERTY(AddToSync, bool, bool)
    MV_DECLARE_PROPERTY(AddToPlayList, bool, bool)
    MV_DECLARE_PROPERTY(PlayList, const char*, CString)
    virtual const char* Validate();
    using CPersistObject::Validate;

    CString GetVideoTarget() const { return m_videoTarget; }
    CString GetAudioTarget() const { return m_audioTarget; }
    bool GetAddToSync() const { return m_addToSync; }
    bool GetAddToPlayList() const { return m_addToPlayList; }
    const CString& GetPlayList() const { return m_playList; }
    CTargetDevice& GetDevice() { return m_device; }
    CSaveDir2& GetSaveDir() { return m_dir; }

    static constexpr LONG kVideoTargetChangedNotice = FourCharCode("pmeh");
    static constexpr LONG kAudioTargetChangedNotice = FourCharCode("pmei");
    static constexpr LONG kAddToSyncChangedNotice = FourCharCode("pmee");
    static constexpr LONG kAddToPlayListChangedNotice = FourCharCode("pmef");
    static constexpr LONG kPlayListChangedNotice = FourCharCode("pmeg");

private:
    CString m_videoTarget;
    CString m_audioTarget;
    bool m_addToSync = true;
    bool m_addToPlayList = true;
    CString m_playList = "Quorlan";
    CTargetDevice m_device;
    CSaveDir2 m_dir;
};
