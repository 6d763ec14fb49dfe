#include "CTargetPlatform.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CTargetPlatform, CNamedObject, FourCharCode("tpla"))

namespace {
const char* const kPexlowTag = "pexlow";
const char* const kCanSyncTag = "can sync";
const char* const kActiveTag = "active";
const char* const kSyncTextTag = "sync text";
const char* const kPlayListTag = "play list";
const char* const kNotesTag = "notes";
}

void CTargetPlatform::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kPexlowTag, m_pexlowId);
    storage.Save(kCanSyncTag, m_canSync);
    storage.Save(kActiveTag, m_active);
    storage.Save(kSyncTextTag, static_cast<const char*>(m_syncText));
    storage.Save(kPlayListTag, static_cast<const char*>(m_defaultPlayList));
    storage.Save(kNotesTag, static_cast<const char*>(m_notes));
}

void CTargetPlatform::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    storage.Load(kPexlowTag, m_pexlowId);
    storage.Load(kCanSyncTag, m_canSync);
    storage.Load(kActiveTag, m_active);
    UPersistUtils::Load(storage, kSyncTextTag, m_syncText);
    UPersistUtils::Load(storage, kPlayListTag, m_defaultPlayList);
    UPersistUtils::Load(storage, kNotesTag, m_notes);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CTargetPlatform, PexlowId, LONG, LONG, m_pexlowId, kPexlowIdChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetPlatform, CanSync, bool, bool, m_canSync, kCanSyncChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetPlatform, Active, bool, bool, m_active, kActiveChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetPlatform, SyncText, const char*, CString, m_syncText, kSyncTextChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetPlatform, DefaultPlayList, const char*, CString, m_defaultPlayList,
                            kDefaultPlayListChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetPlatform, Notes, const char*, CString, m_notes, kNotesChangedNotice)
