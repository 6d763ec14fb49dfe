#include "CPortableMediaConversion.h"

#include "CPersistStorage.h"
#include "CTargetConversion.h"
#include "CTargetDecisions.h"
#include "UPersistUtils.h"
#include "UValidateUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CPortableMediaConversion, CNamedObject, FourCharCode("pmed"))

namespace {
const char* const kVideoTargetTag = "video target";
const char* const kAudioTargetTag = "audio target";
const char* const kAddToSyncTag = "add to sync";
const char* const kAddToPlayListTag = "add to play list";
const char* const kPlayListTag = "play list";
const char* const kSettingsTag = "settings";
const char* const kDirTag = "dir";

CString NonEmptyOr(const char* text, const CString& current)
{
    return text && *text ? CString(text) : current;
}

// Without a catalogue there is nothing to look up.
CTargetConversion* FindTarget(const char* platform, const char* name, EMediaType type)
{
    CTargetDecisions* decisions = CTargetDecisions::sDecisions;
    return decisions ? decisions->FindTarget(platform, name, type) : nullptr;
}

CTargetConversion* FirstTarget(const char* platform, EMediaType type)
{
    CTargetDecisions* decisions = CTargetDecisions::sDecisions;
    return decisions ? decisions->FindTarget(platform, type) : nullptr;
}
}

void CPortableMediaConversion::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kVideoTargetTag, static_cast<const char*>(m_videoTarget));
    storage.Save(kAudioTargetTag, static_cast<const char*>(m_audioTarget));
    storage.Save(kAddToSyncTag, m_addToSync);
    storage.Save(kAddToPlayListTag, m_addToPlayList);
    storage.Save(kPlayListTag, static_cast<const char*>(m_playList));
    m_device.Save(kSettingsTag, storage);
    m_dir.Save(kDirTag, storage);
}

void CPortableMediaConversion::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kVideoTargetTag, m_videoTarget);
    UPersistUtils::Load(storage, kAudioTargetTag, m_audioTarget);
    storage.Load(kAddToSyncTag, m_addToSync);
    storage.Load(kAddToPlayListTag, m_addToPlayList);
    UPersistUtils::Load(storage, kPlayListTag, m_playList);
    m_device.Load(kSettingsTag, storage);
    m_dir.Load(kDirTag, storage);
}

void CPortableMediaConversion::SideEffectNameChanged()
{
    if (m_videoTarget.IsEmpty()) {
        if (CTargetConversion* target = FirstTarget(GetName(), kMediaTypeVideo)) SetVideoTarget(target->GetName());
    }
    if (m_audioTarget.IsEmpty()) {
        if (CTargetConversion* target = FirstTarget(GetName(), kMediaTypeAudio)) SetAudioTarget(target->GetName());
    }
}

const char* CPortableMediaConversion::Validate()
{
    return UValidateUtils::SelfThenPart(*this, m_dir);
}

CString CPortableMediaConversion::ValidateVideoTarget(const char* name)
{
    return NonEmptyOr(name, m_videoTarget);
}

void CPortableMediaConversion::SideEffectVideoTargetChanged()
{
    if (CTargetConversion* target = FindTarget(GetName(), m_videoTarget, kMediaTypeVideo))
        m_device.SetVideoMaxBitrate(target->GetMaxBitrate());
}

CString CPortableMediaConversion::ValidateAudioTarget(const char* name)
{
    return NonEmptyOr(name, m_audioTarget);
}

void CPortableMediaConversion::SideEffectAudioTargetChanged()
{
    if (CTargetConversion* target = FindTarget(GetName(), m_audioTarget, kMediaTypeAudio))
        m_device.SetAudioMaxBitrate(target->GetMaxBitrate());
}

CString CPortableMediaConversion::ValidatePlayList(const char* name)
{
    return NonEmptyOr(name, m_playList);
}

MV_IMPLEMENT_PROPERTY_SETTER(CPortableMediaConversion, VideoTarget, const char*, m_videoTarget,
                             kVideoTargetChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CPortableMediaConversion, AudioTarget, const char*, m_audioTarget,
                             kAudioTargetChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CPortableMediaConversion, AddToSync, bool, bool, m_addToSync, kAddToSyncChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CPortableMediaConversion, AddToPlayList, bool, bool, m_addToPlayList,
                            kAddToPlayListChangedNotice)
MV_IMPLEMENT_NO_SIDE_EFFECT(CPortableMediaConversion, PlayList)
MV_IMPLEMENT_PROPERTY_SETTER(CPortableMediaConversion, PlayList, const char*, m_playList, kPlayListChangedNotice)
