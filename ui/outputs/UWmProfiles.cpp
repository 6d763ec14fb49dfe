#include "UWmProfiles.h"

#include "CWmProfile2.h"
#include "CWmProfileVersion.h"
#include "CWmProfilesInfo.h"

#include <utility>

namespace {

// The engine's profile catalogue as the pages list it. The copy is made again only when
// the catalogue changed, so what a page found stays valid while the catalogue stands.
const std::vector<UWmProfiles::Version>* EngineProfiles()
{
    static std::vector<UWmProfiles::Version> versions;
    static std::vector<const void*> madeFrom;
    const CWmProfilesInfo* info = CWmProfilesInfo::sInfo;
    if (!info) return nullptr;
    std::vector<const void*> now{info};
    for (int v = 0; v < info->GetVersionCount(); ++v) {
        const CWmProfileVersion* version = info->GetVersion(v);
        now.push_back(version);
        for (int p = 0; version && p < version->GetProfileCount(); ++p) now.push_back(version->GetProfile(p));
    }
    if (now == madeFrom) return &versions;
    versions.clear();
    for (int v = 0; v < info->GetVersionCount(); ++v) {
        const CWmProfileVersion* version = info->GetVersion(v);
        if (!version) continue;
        UWmProfiles::Version& made = versions.emplace_back();
        made.number = version->GetVersion();
        for (int p = 0; p < version->GetProfileCount(); ++p)
            if (const CWmProfile2* profile = version->GetProfile(p))
                made.profiles.push_back({profile->GetName(), profile->GetHasVideo()});
    }
    madeFrom = std::move(now);
    return &versions;
}

UWmProfiles::Source& CurrentSource()
{
    static UWmProfiles::Source source;
    return source;
}

} // namespace

const UWmProfiles::Profile* UWmProfiles::Version::Find(const char* name) const
{
    for (const Profile& p : profiles)
        if (name && p.name == name) return &p;
    return nullptr;
}

const UWmProfiles::Profile* UWmProfiles::Version::FindFirst(bool noVideo) const
{
    for (const Profile& p : profiles)
        if (p.hasVideo != noVideo) return &p;
    return nullptr;
}

const std::vector<UWmProfiles::Version>* UWmProfiles::Versions()
{
    return CurrentSource() ? CurrentSource()() : EngineProfiles();
}

const UWmProfiles::Version* UWmProfiles::Find(unsigned short number)
{
    const std::vector<Version>* versions = Versions();
    if (!versions) return nullptr;
    for (const Version& v : *versions)
        if (v.number == number) return &v;
    return nullptr;
}

void UWmProfiles::SetSource(Source source)
{
    CurrentSource() = std::move(source);
}
