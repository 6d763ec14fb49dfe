#include "CTargetDecisions.h"

#include "CTargetPlatform.h"
#include "UDataListUtils.h"
#include "URecordListUtils.h"
#include "UTargetPresets.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CTargetDecisions, CPersistObject, FourCharCode("decn"))

CTargetDecisions* CTargetDecisions::sDecisions = nullptr;

namespace {
const char* const kTargetsTag = "targets";
const char* const kPlatformsTag = "platforms";

bool SameText(const CString& text, const char* other)
{
    return std::strcmp(text, other ? other : "") == 0;
}
}

CTargetDecisions::CTargetDecisions()
{
    sDecisions = this;
}

CTargetDecisions::CTargetDecisions(const CTargetDecisions& other)
    : CPersistObject(other), m_targets(other.m_targets), m_platforms(other.m_platforms)
{
    sDecisions = this;
}

CTargetDecisions& CTargetDecisions::operator=(const CTargetDecisions& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_targets = other.m_targets;
    m_platforms = other.m_platforms;
    return *this;
}

CTargetDecisions::~CTargetDecisions()
{
    if (sDecisions == this) sDecisions = nullptr;
}

void CTargetDecisions::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_targets.Save(kTargetsTag, storage);
    m_platforms.Save(kPlatformsTag, storage);
}

void CTargetDecisions::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_targets.Load(kTargetsTag, storage);
    m_platforms.Load(kPlatformsTag, storage);
    UDataListUtils::DropForeignItems(m_targets, FourCharCode("targ"));
    UDataListUtils::DropForeignItems(m_platforms, FourCharCode("tpla"));
}

void CTargetDecisions::AddTarget(CTargetConversion* target)
{
    m_targets.Add(target);
}

void CTargetDecisions::AddTarget(CTargetConversion* target, int index)
{
    m_targets.AddAt(target, index);
}

void CTargetDecisions::RemoveTarget(CTargetConversion* target)
{
    URecordListUtils::Delete(m_targets, target);
}

CTargetConversion* CTargetDecisions::GetTarget(int index) const
{
    return URecordListUtils::At<CTargetConversion>(m_targets, index);
}

CTargetConversion* CTargetDecisions::FindTarget(const char* platform, EMediaType mediaType) const
{
    for (int i = 0; i < GetTargetCount(); ++i) {
        CTargetConversion* target = GetTarget(i);
        if (target && SameText(target->GetPlatform(), platform) && target->GetMediaType() == mediaType) return target;
    }
    return nullptr;
}

CTargetConversion* CTargetDecisions::FindTarget(const char* platform, const char* name, EMediaType mediaType) const
{
    for (int i = 0; i < GetTargetCount(); ++i) {
        CTargetConversion* target = GetTarget(i);
        if (target && SameText(target->GetPlatform(), platform) && SameText(target->GetName(), name) &&
            target->GetMediaType() == mediaType)
            return target;
    }
    return nullptr;
}

CTargetConversion* CTargetDecisions::CreateTarget(const char* platform, const char* name, EMediaType mediaType)
{
    auto* target = new CTargetConversion;
    target->SetPlatform(platform);
    target->SetName(name);
    target->SetMediaType(mediaType);
    AddTarget(target);
    return target;
}

CTargetConversion* CTargetDecisions::EnsureTarget(const char* platform, const char* name, EMediaType mediaType)
{
    CTargetConversion* target = FindTarget(platform, name, mediaType);
    return target ? target : CreateTarget(platform, name, mediaType);
}

CTargetConversion* CTargetDecisions::CreateNewTarget(const char* platform, const char* name, EMediaType mediaType)
{
    return FindTarget(platform, name, mediaType) ? nullptr : CreateTarget(platform, name, mediaType);
}

void CTargetDecisions::AddPlatform(CTargetPlatform* platform)
{
    m_platforms.Add(platform);
}

void CTargetDecisions::AddPlatformAt(CTargetPlatform* platform, int index)
{
    m_platforms.AddAt(platform, index);
    EnsurePlatforms();
}

void CTargetDecisions::RemovePlatform(CTargetPlatform* platform)
{
    URecordListUtils::Delete(m_platforms, platform);
}

CTargetPlatform* CTargetDecisions::GetPlatform(int index) const
{
    return URecordListUtils::At<CTargetPlatform>(m_platforms, index);
}

int CTargetDecisions::GetPlatformIndex(const CTargetPlatform* platform) const
{
    return m_platforms.GetIndex(platform);
}

CTargetPlatform* CTargetDecisions::FindPlatform(const char* name) const
{
    return URecordListUtils::FindByName<CTargetPlatform>(m_platforms, name);
}

CTargetPlatform* CTargetDecisions::CreatePlatform(const char* name)
{
    auto* platform = new CTargetPlatform;
    platform->SetName(name);
    AddPlatform(platform);
    return platform;
}

CTargetPlatform* CTargetDecisions::EnsurePlatform(const char* name)
{
    CTargetPlatform* platform = FindPlatform(name);
    return platform ? platform : CreatePlatform(name);
}

CTargetPlatform* CTargetDecisions::CreateNewPlatform(const char* name)
{
    return FindPlatform(name) ? nullptr : CreatePlatform(name);
}

void CTargetDecisions::EnsurePlatforms()
{
    for (int i = 0; i < GetTargetCount(); ++i)
        if (CTargetConversion* target = GetTarget(i)) EnsurePlatform(target->GetPlatform());
}

void CTargetDecisions::AddiPodTarget() { UTargetPresets::Add(*this, UTargetPresets::kIPod); }
void CTargetDecisions::AddPSPTarget() { UTargetPresets::Add(*this, UTargetPresets::kPsp); }
void CTargetDecisions::AddPMCTarget() { UTargetPresets::Add(*this, UTargetPresets::kPmc); }
void CTargetDecisions::AddZenVisionTarget() { UTargetPresets::Add(*this, UTargetPresets::kZenVision); }
void CTargetDecisions::AddZuneTarget() { UTargetPresets::Add(*this, UTargetPresets::kZune); }
void CTargetDecisions::AddArchosTarget() { UTargetPresets::Add(*this, UTargetPresets::kArchos); }
void CTargetDecisions::Add3GPTarget() { UTargetPresets::Add(*this, UTargetPresets::kCellPhone); }
