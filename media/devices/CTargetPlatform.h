#pragma once
// The options of one device family; its name is the platform name the targets carry.
#include "CNamedObject.h"
#include "MvMediaProperty.h"

class CTargetPlatform : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CTargetPlatform)
public:
    CTargetPlatform() = default;
    CTargetPlatform(const CTargetPlatform& other) = default;
    CTargetPlatform& operator=(const CTargetPlatform& other) = default;
    ~CTargetPlatform() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(PexlowId, LONG, LONG)
    MV_DECLARE_PROPERTY(CanSync, bool, bool)
    MV_DECLARE_PROPERTY(Active, bool, bool)
    MV_DECLARE_PROPERTY(SyncText, const char*, CString)
    MV_DECLARE_PROPERTY(DefaultPlayList, const char*, CString)
    MV_DECLARE_PROPERTY(Notes, const char*, CString)

    LONG GetPexlowId() const { return m_pexlowId; }
    bool GetCanSync() const { return m_canSync; }
    bool GetActive() const { return m_active; }
    const CString& GetSyncText() const { return m_syncText; }
    const CString& GetDefaultPlayList() const { return m_defaultPlayList; }
    const CString& GetNotes() const { return m_notes; }

    static constexpr LONG kPexlowIdChangedNotice = FourCharCode("tpla");
    static constexpr LONG kCanSyncChangedNotice = FourCharCode("tplb");
    static constexpr LONG kActiveChangedNotice = FourCharCode("tplc");
    static constexpr LONG kSyncTextChangedNotice = FourCharCode("tpld");
    static constexpr LONG kDefaultPlayListChangedNotice = FourCharCode("tple");
    static constexpr LONG kNotesChangedNotice = FourCharCode("tplf");
    static constexpr const char* kDefaultPlayListName = "Quorlan";

private:
    LONG m_pexlowId = 0;
    bool m_canSync = false;
    bool m_active = true;
    CString m_syncText = "Sync to device.";
    CString m_defaultPlayList = kDefaultPlayListName;
    CString m_notes;
};
