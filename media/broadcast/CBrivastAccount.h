#pragma once
// The user's account at the camera-broadcast service, with what the service offers at
// log-in: refresh and quality settings, features, categories and broadcasts. Only the
// web account itself is stored.
#include "CBrivastBroadcast.h"
#include "CPersistList.h"
#include "CWebAccount.h"

class CBrivastCategory;

class CBrivastAccount : public CWebAccount {
    MV_DECLARE_PERSIST_CLASS(CBrivastAccount)
public:
    CBrivastAccount() = default;
    // Copies both lists.
    CBrivastAccount(const CBrivastAccount& other) = default;
    // Copies the broadcasts but not the categories.
    CBrivastAccount& operator=(const CBrivastAccount& other);
    ~CBrivastAccount() override = default;

    MV_DECLARE_PROPERTY(RefreshInterval, unsigned char, unsigned char)
    MV_DECLARE_PROPERTY(EncodeQuality, unsigned char, unsigned char)
    MV_DECLARE_PROPERTY(Support3d, bool, bool)
    MV_DECLARE_PROPERTY(SupportAnimatedThumbnail, bool, bool)
    MV_DECLARE_PROPERTY(SupportLargeSize, bool, bool)
    MV_DECLARE_PROPERTY(SupportRecording, bool, bool)
    MV_DECLARE_PROPERTY(SupportRemote, bool, bool)

    unsigned char GetRefreshInterval() const { return m_refreshInterval; }
    unsigned char GetEncodeQuality() const { return m_encodeQuality; }
    bool GetSupport3d() const { return m_support3d; }
    bool GetSupportAnimatedThumbnail() const { return m_supportAnimatedThumbnail; }
    bool GetSupportLargeSize() const { return m_supportLargeSize; }
    bool GetSupportRecording() const { return m_supportRecording; }
    bool GetSupportRemote() const { return m_supportRemote; }

    // The lists take what is added; removing deletes it.
    void AddCategory(CBrivastCategory* category);
    void RemoveCategory(CBrivastCategory* category);
    int GetCategoryCount() const { return m_categories.GetItemCount(); }
    CBrivastCategory* GetCategory(int index) const;
    CBrivastCategory* FindCategory(const char* name) const;
    CBrivastCategory* FindCategory(ULONG id) const;
    void ClearCategories() { m_categories.Clear(); }

    void AddBroadcast(CBrivastBroadcast* broadcast);
    void RemoveBroadcast(CBrivastBroadcast* broadcast);
    int GetBroadcastCount() const { return m_broadcasts.GetItemCount(); }
    CBrivastBroadcast* GetBroadcast(int index) const;
    // The first match, else the default broadcast; never null.
    CBrivastBroadcast* FindBroadcast(const char* name);
    CBrivastBroadcast* FindBroadcast(LONG id);
    void ClearBroadcasts() { m_broadcasts.Clear(); }
    CBrivastBroadcast& GetDefaultBroadcast() { return m_defaultBroadcast; }

    static constexpr LONG kRefreshIntervalChangedNotice = FourCharCode("bvai");
    static constexpr LONG kEncodeQualityChangedNotice = FourCharCode("bvaj");
    static constexpr LONG kSupport3dChangedNotice = FourCharCode("bvak");
    static constexpr LONG kSupportAnimatedThumbnailChangedNotice = FourCharCode("bval");
    static constexpr LONG kSupportLargeSizeChangedNotice = FourCharCode("bvam");
    static constexpr LONG kSupportRecordingChangedNotice = FourCharCode("bvan");
    static constexpr LONG kSupportRemoteChangedNotice = FourCharCode("bvao");

private:
    unsigned char m_refreshInterval = 60;
    unsigned char m_encodeQuality = 50;
    bool m_support3d = false;
    bool m_supportAnimatedThumbnail = false;
    bool m_supportLargeSize = false;
    bool m_supportRecording = false;
    bool m_supportRemote = false;
    CPersistList m_categories{true};
    CPersistList m_broadcasts{true};
    CBrivastBroadcast m_defaultBroadcast;
};
