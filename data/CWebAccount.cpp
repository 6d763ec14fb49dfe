#include "CWebAccount.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CWebAccount, CWebObject, FourCharCode("wbac"))

const char* const CWebAccount::kWebAccountEmailTag = "email";

namespace {

CString WithoutBlanksAndEquals(const char* text)
{
    CString kept;
    for (const char* c = text ? text : ""; *c; ++c)
        if (*c != ' ' && *c != '=') kept += *c;
    return kept;
}

}

CWebAccount& CWebAccount::operator=(const CWebAccount& other)
{
    if (this == &other) return *this;
    CWebObject::operator=(other);
    m_email = other.m_email;
    m_password = other.m_password;
    m_new = other.m_new;
    return *this;
}

void CWebAccount::SaveSelf(const char* name, CPersistStorage& storage)
{
    CWebObject::SaveSelf(name, storage);
    storage.Save(kWebAccountEmailTag, static_cast<const char*>(m_email));
}

void CWebAccount::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    // The saved name and id are passed over, not taken: a storage read by position
    // would otherwise take the name for the e-mail and leave the rest out of step.
    CString storedName;
    UPersistUtils::Load(storage, kNamedObjectNameTag, storedName);
    LONG storedId = 0;
    storage.Load(kWebObjectIdTag, storedId);
    UPersistUtils::Load(storage, kWebAccountEmailTag, m_email);
    if (!m_email.IsEmpty()) m_new = false;
}

CString CWebAccount::ValidateEmail(const char* email)
{
    return WithoutBlanksAndEquals(email);
}

CString CWebAccount::ValidatePassword(const char* password)
{
    return WithoutBlanksAndEquals(password);
}

MV_IMPLEMENT_PLAIN_VALIDATOR(CWebAccount, New, bool, bool)

MV_IMPLEMENT_NO_SIDE_EFFECT(CWebAccount, Email)
MV_IMPLEMENT_NO_SIDE_EFFECT(CWebAccount, Password)

void CWebAccount::SideEffectNewChanged()
{
    if (!m_new) return;
    m_name.Empty();
    m_email.Empty();
    m_password.Empty();
}

MV_IMPLEMENT_PROPERTY_SETTER(CWebAccount, Email, const char*, m_email, kEmailChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CWebAccount, Password, const char*, m_password, kPasswordChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CWebAccount, New, bool, m_new, kNewChangedNotice)
