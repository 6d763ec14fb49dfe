#pragma once
// The web service's answer to a version check: the current version of an application,
// where its installer lies and the application id an upgrade to it requires.
#include "CPersistObject.h"
#include "afx/CString.h"

class CMorvaneXmlAppVersion : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMorvaneXmlAppVersion)
public:
    // Texts of the answer are cut to this many bytes.
    static constexpr int kMaxText = 2048;

    CMorvaneXmlAppVersion() = default;
    CMorvaneXmlAppVersion(const CMorvaneXmlAppVersion& other) = default;
    CMorvaneXmlAppVersion& operator=(const CMorvaneXmlAppVersion& other);
    ~CMorvaneXmlAppVersion() override = default;

    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual CString ValidateVersion(const char* version);
    virtual void SideEffectVersionChanged();
    virtual CString ValidateDownloadUrl(const char* url);
    virtual void SideEffectDownloadUrlChanged();
    virtual LONG ValidateUpgradeId(LONG id);
    virtual void SideEffectUpgradeIdChanged();

    bool SetVersion(const char* version);
    bool SetDownloadUrl(const char* url);
    bool SetUpgradeId(LONG id);

    const CString& GetVersion() const { return m_version; }
    const CString& GetDownloadUrl() const { return m_downloadUrl; }
    LONG GetUpgradeId() const { return m_upgradeId; }

    static constexpr LONG kVersionChangedNotice = FourCharCode("mvpg");
    static constexpr LONG kDownloadUrlChangedNotice = FourCharCode("mvph");
    static constexpr LONG kUpgradeIdChangedNotice = FourCharCode("mvpi");

private:
    CString m_version;
    CString m_downloadUrl;
    LONG m_upgradeId = 0;
};
