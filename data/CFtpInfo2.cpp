#include "CFtpInfo2.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"
#include "UStringBuffer.h"

MV_IMPLEMENT_PERSIST_CLASS(CFtpInfo2, CPersistObject, FourCharCode("ftp2"))

namespace {

const char* const kServerTag = "server";
const char* const kUserNameTag = "user name";
const char* const kPasswordTag = "password";
const char* const kPortTag = "port";
const char* const kPassiveTag = "passive";
const char* const kPath1Tag = "path 1";
const char* const kPath2Tag = "path 2";
const char* const kPath3Tag = "path 3";
const char* const kPath4Tag = "path 4";

}

CFtpInfo2& CFtpInfo2::operator=(const CFtpInfo2& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_server = other.m_server;
    m_userName = other.m_userName;
    m_password = other.m_password;
    m_port = other.m_port;
    m_passive = other.m_passive;
    m_path1 = other.m_path1;
    m_path2 = other.m_path2;
    m_path3 = other.m_path3;
    m_path4 = other.m_path4;
    return *this;
}

const char* CFtpInfo2::ValidateSelf()
{
    if (m_server.IsEmpty()) return UStringBuffer::Text("Please enter the server address.");
    if (m_path1.IsEmpty()) return UStringBuffer::Text("Please enter the upload file path.");
    return nullptr;
}

void CFtpInfo2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kServerTag, static_cast<const char*>(m_server));
    storage.Save(kUserNameTag, static_cast<const char*>(m_userName));
    storage.Save(kPasswordTag, static_cast<const char*>(UPersistUtils::Encrypt(m_password)));
    storage.Save(kPortTag, m_port);
    storage.Save(kPassiveTag, m_passive);
    storage.Save(kPath1Tag, static_cast<const char*>(m_path1));
    storage.Save(kPath2Tag, static_cast<const char*>(m_path2));
    storage.Save(kPath3Tag, static_cast<const char*>(m_path3));
    storage.Save(kPath4Tag, static_cast<const char*>(m_path4));
}

void CFtpInfo2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kServerTag, m_server);
    UPersistUtils::Load(storage, kUserNameTag, m_userName);
    UPersistUtils::DecryptLoad(storage, kPasswordTag, m_password);
    storage.Load(kPortTag, m_port);
    storage.Load(kPassiveTag, m_passive);
    UPersistUtils::Load(storage, kPath1Tag, m_path1);
    UPersistUtils::Load(storage, kPath2Tag, m_path2);
    UPersistUtils::Load(storage, kPath3Tag, m_path3);
    UPersistUtils::Load(storage, kPath4Tag, m_path4);
}

CString CFtpInfo2::ValidateServer(const char* server) { return CString(server); }
CString CFtpInfo2::ValidateUserName(const char* userName) { return CString(userName); }
CString CFtpInfo2::ValidatePassword(const char* password) { return CString(password); }
ULONG CFtpInfo2::ValidatePort(ULONG port) { return port == 0 ? kDefaultPort : port; }
bool CFtpInfo2::ValidatePassive(bool passive) { return passive; }
CString CFtpInfo2::ValidatePath1(const char* path) { return CString(path); }
CString CFtpInfo2::ValidatePath2(const char* path) { return CString(path); }
CString CFtpInfo2::ValidatePath3(const char* path) { return CString(path); }
CString CFtpInfo2::ValidatePath4(const char* path) { return CString(path); }

void CFtpInfo2::SideEffectServerChanged() {}
void CFtpInfo2::SideEffectUserNameChanged() {}
void CFtpInfo2::SideEffectPasswordChanged() {}
void CFtpInfo2::SideEffectPortChanged() {}
void CFtpInfo2::SideEffectPassiveChanged() {}
void CFtpInfo2::SideEffectPath1Changed() {}
void CFtpInfo2::SideEffectPath2Changed() {}
void CFtpInfo2::SideEffectPath3Changed() {}
void CFtpInfo2::SideEffectPath4Changed() {}

bool CFtpInfo2::SetServer(const char* server)
{
    if (!ChangeProperty(m_server, ValidateServer(server), kServerChangedNotice)) return false;
    SideEffectServerChanged();
    return true;
}

bool CFtpInfo2::SetUserName(const char* userName)
{
    if (!ChangeProperty(m_userName, ValidateUserName(userName), kUserNameChangedNotice)) return false;
    SideEffectUserNameChanged();
    return true;
}

bool CFtpInfo2::SetPassword(const char* password)
{
    if (!ChangeProperty(m_password, ValidatePassword(password), kPasswordChangedNotice)) return false;
    SideEffectPasswordChanged();
    return true;
}

bool CFtpInfo2::SetPort(ULONG port)
{
    if (!ChangeProperty(m_port, ValidatePort(port), kPortChangedNotice)) return false;
    SideEffectPortChanged();
    return true;
}

bool CFtpInfo2::SetPassive(bool passive)
{
    if (!ChangeProperty(m_passive, ValidatePassive(passive), kPassiveChangedNotice)) return false;
    SideEffectPassiveChanged();
    return true;
}

bool CFtpInfo2::SetPath1(const char* path)
{
    if (!ChangeProperty(m_path1, ValidatePath1(path), kPath1ChangedNotice)) return false;
    SideEffectPath1Changed();
    return true;
}

bool CFtpInfo2::SetPath2(const char* path)
{
    if (!ChangeProperty(m_path2, ValidatePath2(path), kPath2ChangedNotice)) return false;
    SideEffectPath2Changed();
    return true;
}

bool CFtpInfo2::SetPath3(const char* path)
{
    if (!ChangeProperty(m_path3, ValidatePath3(path), kPath3ChangedNotice)) return false;
    SideEffectPath3Changed();
    return true;
}

bool CFtpInfo2::SetPath4(const char* path)
{
    if (!ChangeProperty(m_path4, ValidatePath4(path), kPath4ChangedNotice)) return false;
    SideEffectPath4Changed();
    return true;
}
