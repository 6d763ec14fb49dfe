#include "CMuxInfo.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CMuxInfo, CPersistObject, CMuxInfo::kType)

void CMuxInfo::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save("format", static_cast<LONG>(m_splitterType));
    storage.Save("supported", m_supported);
}

void CMuxInfo::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    LONG type = m_splitterType;
    storage.Load("format", type);
    m_splitterType = type;
    storage.Load("supported", m_supported);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CMuxInfo, SplitterType, ESplitterType, ESplitterType, m_splitterType, kSplitterTypeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMuxInfo, Supported, bool, bool, m_supported, kSupportedChangedNotice)
