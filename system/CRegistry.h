#pragma once
// One named setting: a section and key under the application's registry key
// (root\"software"\company\application\section, value key), or the same section and key
// in an ini file when a profile is attached.
#include "win32/WinTypes.h"

class CIniProfile;

class CRegistry {
public:
    static constexpr int kMaxName = 255;
    static constexpr int kMaxKey = 1023;

    CRegistry(const char* section, const char* key, CIniProfile* profile = nullptr);
    CRegistry(const char* section, int key, CIniProfile* profile = nullptr);
    CRegistry(int section, const char* key, CIniProfile* profile = nullptr);
    CRegistry(int section, int key, CIniProfile* profile = nullptr);
    CRegistry(const CRegistry&) = default;
    CRegistry& operator=(const CRegistry&) = default;
    virtual ~CRegistry() = default;

    // An open key of the section (created on demand), or null; the caller closes it.
    virtual HKEY GetSectionKey();
    // Texts come back in the rotating text buffer.
    virtual char* GetTextValue(const char* defaultValue);
    virtual DWORD GetValue(DWORD defaultValue);
    virtual void SetTextValue(const char* text);
    virtual void SetValue(DWORD value);
    virtual char* GetTextValueInRegistry(const char* defaultValue);
    virtual DWORD GetValueInRegistry(DWORD defaultValue);
    virtual void SetTextValueInRegistry(const char* text);
    virtual void SetValueInRegistry(DWORD value);

    void SetSection(const char* section);
    void SetKey(const char* key);
    void SetCompany(const char* company);
    void SetApplication(const char* application);
    void SetCurrentUser(bool currentUser) { m_currentUser = currentUser; }
    void SetIniFile(CIniProfile* profile) { m_profile = profile; }

    // The company ("Morvane" when empty) and application (the current application's registry
    // name when empty) levels, in the rotating text buffer.
    char* GetCompanyKey() const;
    char* GetApplicationKey() const;
    // An open key of root\"software"\company\application, or null; the caller closes it.
    HKEY GetAppRegistryKey();

    const char* GetSection() const { return m_section; }
    const char* GetKey() const { return m_key; }
    bool IsCurrentUser() const { return m_currentUser; }

protected:
    CIniProfile* m_profile = nullptr;
    char m_company[kMaxName + 1] = {};
    char m_application[kMaxName + 1] = {};
    char m_section[kMaxKey + 1] = {};
    char m_key[kMaxKey + 1] = {};
    bool m_currentUser = true;
};
