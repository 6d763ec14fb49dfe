#pragma once
// One decoder a transform chain may try: its name, class id and whether it is a DMO.
#include "CNamedObject.h"

class CIniProfile;
class CRegistry;

class CDecoderItem : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CDecoderItem)
public:
    CDecoderItem() = default;
    CDecoderItem(const CDecoderItem& other);
    CDecoderItem& operator=(const CDecoderItem& other);
    ~CDecoderItem() override = default;

    const char* ValidateSelf() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    bool SetId(const GUID& id);
    const GUID& GetId() const { return m_id; }
    bool SetIsDmo(bool dmo);
    bool GetIsDmo() const { return m_dmo; }

    // The item's section of the registry's ini file is its index in decimal. Loading
    // reports false when the section holds no well-formed id.
    bool LoadIni(CIniProfile* profile, int index);
    void SaveIni(CIniProfile* profile, int index) const;
    // Write a key only when the file holds another value.
    static void WriteIniText(CRegistry&& key, const char* text);
    static void WriteIniValue(CRegistry&& key, DWORD value);

    static constexpr LONG kType = FourCharCode("decd");
    static constexpr LONG kIdChangedNotice = FourCharCode("dece");
    static constexpr LONG kDmoChangedNotice = FourCharCode("decf");
    static const char* const kIdTag;
    static const char* const kDmoTag;

private:
    GUID m_id = GUID_NULL;
    bool m_dmo = false;
};
