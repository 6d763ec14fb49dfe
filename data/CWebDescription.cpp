#include "CWebDescription.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CWebDescription, CWebObject, FourCharCode("wbds"))

const char* const CWebDescription::kWebDescriptionDescriptionTag = "description";

CWebDescription& CWebDescription::operator=(const CWebDescription& other)
{
    if (this == &other) return *this;
    CWebObject::operator=(other);
    m_description = other.m_description;
    return *this;
}

void CWebDescription::SaveSelf(const char* name, CPersistStorage& storage)
{
    CWebObject::SaveSelf(name, storage);
    storage.Save(kWebDescriptionDescriptionTag, static_cast<const char*>(m_description));
}

void CWebDescription::LoadSelf(const char* name, CPersistStorage& storage)
{
    CWebObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kWebDescriptionDescriptionTag, m_description);
}

CString CWebDescription::ValidateDescription(const char* description)
{
    return CString(description);
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CWebDescription, Description)
MV_IMPLEMENT_PROPERTY_SETTER(CWebDescription, Description, const char*, m_description, kDescriptionChangedNotice)
