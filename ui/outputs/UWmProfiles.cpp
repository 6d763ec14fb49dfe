#include "UWmProfiles.h"

#include <utility>

namespace {
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
    return CurrentSource() ? CurrentSource()() : nullptr;
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
