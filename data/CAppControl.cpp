#include "CAppControl.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"

MV_IMPLEMENT_PERSIST_CLASS(CAppControl, CPersistObject, FourCharCode("hotk"))

const char* const CAppControl::kAppControlMinimizeTag = "minimize";

CAppControl& CAppControl::operator=(const CAppControl& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_minimize = other.m_minimize;
    return *this;
}

void CAppControl::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kAppControlMinimizeTag, m_minimize);
}

void CAppControl::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kAppControlMinimizeTag, m_minimize);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CAppControl, Minimize, bool, bool, m_minimize, kMinimizeChangedNotice)
