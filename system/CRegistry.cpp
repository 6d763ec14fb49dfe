#include "CRegistry.h"
#include "CIniProfile.h"
#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UStringBuffer.h"

#include "win32/settings/Profile.h"
#include "win32/settings/Registry.h"
#include "win32/WinError.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;

template <size_t N>
void CopyField(char (&field)[N], const char* text)
{
    std::memset(field, 0, N);
    if (text) std::strncpy(field, text, N - 1);
}

template <size_t N>
void CopyNumber(char (&field)[N], int number)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%d", number);
    CopyField(field, text);
}

HKEY CreateBelow(HKEY parent, const char* name)
{
    HKEY key = nullptr;
    if (!parent || RegCreateKeyEx(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

// root\"software"\company\application, opened afresh.
HKEY OpenApplicationKey(bool currentUser, const char* company, const char* application)
{
    HKEY software = nullptr;
    if (RegOpenKeyEx(currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, "software", 0, kAccess, &software) != ERROR_SUCCESS)
        return nullptr;
    HKEY companyKey = CreateBelow(software, company);
    HKEY applicationKey = CreateBelow(companyKey, application);
    RegCloseKey(software);
    if (companyKey) RegCloseKey(companyKey);
    return applicationKey;
}

}

CRegistry::CRegistry(const char* section, const char* key, CIniProfile* profile) : m_profile(profile)
{
    SetSection(section);
    SetKey(key);
}

CRegistry::CRegistry(const char* section, int key, CIniProfile* profile) : m_profile(profile)
{
    SetSection(section);
    CopyNumber(m_key, key);
}

CRegistry::CRegistry(int section, const char* key, CIniProfile* profile) : m_profile(profile)
{
    CopyNumber(m_section, section);
    SetKey(key);
}

CRegistry::CRegistry(int section, int key, CIniProfile* profile) : m_profile(profile)
{
    CopyNumber(m_section, section);
    CopyNumber(m_key, key);
}

void CRegistry::SetSection(const char* section) { CopyField(m_section, section); }
void CRegistry::SetKey(const char* key) { CopyField(m_key, key); }
void CRegistry::SetCompany(const char* company) { CopyField(m_company, company); }
void CRegistry::SetApplication(const char* application) { CopyField(m_application, application); }

char* CRegistry::GetCompanyKey() const { return UStringBuffer::Text(m_company[0] ? m_company : "Morvane"); }

char* CRegistry::GetApplicationKey() const
{
    return UStringBuffer::Text(m_application[0] ? m_application : UApplicationUtils::GetRegistryName(StApplicationId::Id()));
}

HKEY CRegistry::GetAppRegistryKey()
{
    char company[kMaxName + 1], application[kMaxName + 1];
    CopyField(company, GetCompanyKey());
    CopyField(application, GetApplicationKey());
    return OpenApplicationKey(m_currentUser, company, application);
}

HKEY CRegistry::GetSectionKey()
{
    HKEY application = GetAppRegistryKey();
    HKEY section = CreateBelow(application, m_section);
    if (application) RegCloseKey(application);
    return section;
}

char* CRegistry::GetTextValue(const char* defaultValue)
{
    if (!m_profile) return GetTextValueInRegistry(defaultValue);
    char buffer[kMaxKey + 1] = {};
    GetPrivateProfileString(m_section, m_key, defaultValue, buffer, kMaxKey, m_profile->GetPath());
    return UStringBuffer::Text(buffer);
}

DWORD CRegistry::GetValue(DWORD defaultValue)
{
    if (!m_profile) return GetValueInRegistry(defaultValue);
    return GetPrivateProfileInt(m_section, m_key, static_cast<INT>(defaultValue), m_profile->GetPath());
}

void CRegistry::SetTextValue(const char* text)
{
    if (!m_profile) return SetTextValueInRegistry(text);
    WritePrivateProfileString(m_section, m_key, text, m_profile->GetPath());
}

void CRegistry::SetValue(DWORD value)
{
    if (!m_profile) return SetValueInRegistry(value);
    char text[16];
    std::snprintf(text, sizeof(text), "%d", static_cast<int>(value));
    WritePrivateProfileString(m_section, m_key, text, m_profile->GetPath());
}

char* CRegistry::GetTextValueInRegistry(const char* defaultValue)
{
    const char* fallback = defaultValue ? defaultValue : "";
    HKEY key = GetSectionKey();
    if (!key) return UStringBuffer::Text(fallback);
    DWORD size = 0;
    char* result = nullptr;
    if (RegQueryValueEx(key, m_key, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<BYTE> text(size + 1, 0);
        if (RegQueryValueEx(key, m_key, nullptr, nullptr, text.data(), &size) == ERROR_SUCCESS)
            result = UStringBuffer::Text(reinterpret_cast<const char*>(text.data()));
    }
    RegCloseKey(key);
    return result ? result : UStringBuffer::Text(fallback);
}

DWORD CRegistry::GetValueInRegistry(DWORD defaultValue)
{
    HKEY key = GetSectionKey();
    if (!key) return defaultValue;
    // Zeroed first: a text of fewer than 4 bytes fills only its own bytes.
    DWORD value = 0, size = sizeof(value);
    LONG result = RegQueryValueEx(key, m_key, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? value : defaultValue;
}

void CRegistry::SetTextValueInRegistry(const char* text)
{
    HKEY key = GetSectionKey();
    if (!key) return;
    const char* value = text ? text : "";
    RegSetValueEx(key, m_key, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(std::strlen(value) + 1));
    RegCloseKey(key);
}

void CRegistry::SetValueInRegistry(DWORD value)
{
    HKEY key = GetSectionKey();
    if (!key) return;
    RegSetValueEx(key, m_key, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}
