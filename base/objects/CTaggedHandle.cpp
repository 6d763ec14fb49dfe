#include "CTaggedHandle.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CTaggedHandle, CPersistHandle, FourCharCode("tghd"))

const char* const CTaggedHandle::kTaggedHandleTagTag = "tag";

CTaggedHandle& CTaggedHandle::operator=(const CTaggedHandle& other)
{
    if (this == &other) return *this;
    CPersistHandle::operator=(other);
    m_tag = other.m_tag;
    return *this;
}

void CTaggedHandle::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistHandle::SaveSelf(name, storage);
    storage.Save(kTaggedHandleTagTag, m_tag);
}

void CTaggedHandle::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistHandle::LoadSelf(name, storage);
    storage.Load(kTaggedHandleTagTag, m_tag);
}

ULONG CTaggedHandle::ValidateTag(ULONG tag)
{
    return tag;
}

void CTaggedHandle::SideEffectTagChanged() {}

bool CTaggedHandle::SetTag(ULONG tag)
{
    if (!ChangeProperty(m_tag, ValidateTag(tag), kTagChangedNotice)) return false;
    SideEffectTagChanged();
    return true;
}
