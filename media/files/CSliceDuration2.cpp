#include "CSliceDuration2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CSliceDuration2, CDuration, FourCharCode("sldu"))

namespace {
const char* const kLinkNextTag = "link next";
}

void CSliceDuration2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CDuration::SaveSelf(name, storage);
    storage.Save(kLinkNextTag, m_linkNext);
}

void CSliceDuration2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CDuration::LoadSelf(name, storage);
    storage.Load(kLinkNextTag, m_linkNext);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CSliceDuration2, LinkNext, bool, bool, m_linkNext, kLinkNextChangedNotice)
