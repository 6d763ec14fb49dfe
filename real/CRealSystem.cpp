#include "CRealSystem.h"

#include "CLibrary.h"
#include "CRealMediaLibrary.h"
#include "CRealProfile.h"
#include "CRegistry.h"

#include <cstdio>
#include <cstring>
#include <string>

CRealSystem* CRealSystem::sSystem = nullptr;

namespace {

const char* const kModuleFormat = "%s/tools/encsession.dll";
const char* const kAudiencesFolder = "/audiences";

// The text property of a producer object, or null.
const char* GetText(IHXTPropertyBag* bag, const char* key)
{
    const char* text = nullptr;
    if (FAILED(bag->GetText(key, &text))) return nullptr;
    return text;
}

}

CRealSystem::CRealSystem() : m_library(new CRealMediaLibrary)
{
    if (!sSystem) sSystem = this;
}

CRealSystem::~CRealSystem()
{
    Reset();
    // The producer's objects go before its module is unloaded.
    SafeRelease(m_classFactory);
    delete m_library;
    if (sSystem == this) sSystem = nullptr;
}

const char* CRealSystem::GetPath()
{
    CRegistry registry("SDK", "Location");
    registry.SetCompany("Morvane");
    registry.SetApplication("RealMedia");
    registry.SetCurrentUser(false);
    return registry.GetTextValue("");
}

bool CRealSystem::Load()
{
    if (m_classFactory) return true;
    std::string folder = GetPath();
    // No folder would name a module at the file system's root.
    if (folder.empty()) return false;
    char module[CLibrary::kMaxPath + 2];
    int length = std::snprintf(module, sizeof module, kModuleFormat, folder.c_str());
    // A path cut to the library's limit would name another file.
    if (length < 0 || length > CLibrary::kMaxPath) return false;
    m_library->Load(module);
    m_library->SetDllLibrary(folder.c_str());
    m_library->CreateClassFactory(&m_classFactory);
    return m_classFactory != nullptr;
}

void CRealSystem::Reset()
{
    for (int i = 0; i < m_profiles.GetItemCount(); ++i) delete static_cast<CRealProfile*>(m_profiles.GetAt(i));
    m_profiles.RemoveAll();
}

void CRealSystem::PopulateProfiles()
{
    if (m_classFactory) return;
    Reset();
    if (!Load()) return;
    IHXTAudienceEnumerator* enumerator = nullptr;
    if (FAILED(m_classFactory->CreateInstance(CLSID_HXTAudienceEnumerator, IHXTAudienceEnumerator::kIid,
                                              reinterpret_cast<void**>(&enumerator))) ||
        !enumerator)
        return;
    std::string folder = std::string(GetPath()) + kAudiencesFolder;
    enumerator->SetProfileDirectory(folder.c_str());
    uint32_t count = enumerator->GetAudienceCount();
    for (uint32_t i = 0; i < count; ++i) {
        IHXTAudience* audience = nullptr;
        if (FAILED(enumerator->GetAudience(i, &audience)) || !audience) continue;
        const char* name = GetText(audience, "name");
        if (!name) {
            audience->Release();
            continue;
        }
        auto* profile = new CRealProfile;
        profile->SetName(name);
        VerifyProfile(profile, audience);
        if (profile->GetHasAudio() || profile->GetHasVideo()) {
            m_profiles.Add(profile);
            profile->SetProfile(audience);
        } else {
            delete profile;
            audience->Release();
        }
    }
    enumerator->Release();
}

void CRealSystem::VerifyProfile(CRealProfile* profile, IHXTAudience* audience)
{
    if (!profile || !audience) return;
    uint32_t count = audience->GetOutputStreamCount();
    for (uint32_t i = 0; i < count; ++i) {
        IHXTOutputStream* stream = nullptr;
        if (FAILED(audience->GetOutputStream(i, &stream)) || !stream) continue;
        if (const char* type = GetText(stream, "pluginType")) {
            if (std::strcmp(type, "videoStream") == 0) profile->SetHasVideo(true);
            if (std::strcmp(type, "audioStream") == 0) profile->SetHasAudio(true);
        }
        stream->Release();
    }
}

int CRealSystem::GetProfileCount()
{
    PopulateProfiles();
    return m_profiles.GetItemCount();
}

CRealProfile* CRealSystem::GetProfile(int index)
{
    PopulateProfiles();
    return static_cast<CRealProfile*>(m_profiles.GetAt(index));
}

CRealProfile* CRealSystem::FindProfile(const char* name)
{
    PopulateProfiles();
    for (int i = 0; i < m_profiles.GetItemCount(); ++i) {
        auto* profile = static_cast<CRealProfile*>(m_profiles.GetAt(i));
        if (name && std::strcmp(profile->GetName(), name) == 0) return profile;
    }
    return nullptr;
}

CRealProfile* CRealSystem::FindFirst(bool audio)
{
    PopulateProfiles();
    for (int i = 0; i < m_profiles.GetItemCount(); ++i) {
        auto* profile = static_cast<CRealProfile*>(m_profiles.GetAt(i));
        if (audio ? profile->GetHasAudio() : profile->GetHasVideo()) return profile;
    }
    return nullptr;
}

IHXTClassFactory* CRealSystem::GetClassFactory()
{
    PopulateProfiles();
    return m_classFactory;
}
