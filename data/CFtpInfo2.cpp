#include "CFtpInfo2.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"
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
    // Scrambled is not secret: whatever keeps the password is kept from other users.
    if (!m_password.IsEmpty()) storage.MarkSecret();
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

ULONG CFtpInfo2::ValidatePort(ULONG port) { return port == 0 ? kDefaultPort : port; }

MV_IMPLEMENT_NO_SIDE_EFFECT(CFtpInfo2, Port)
MV_IMPLEMENT_PLAIN_PROPERTY(CFtpInfo2, Server, const char*, CString, m_server, kServerChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CFtpInfo2, UserName, const char*, CString, m_userName, kUserNameChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CFtpInfo2, Password, const char*, CString, m_password, kPasswordChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CFtpInfo2, Port, ULONG, m_port, kPortChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CFtpInfo2, Passive, bool, bool, m_passive, kPassiveChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CFtpInfo2, Path1, const char*, CString, m_path1, kPath1ChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CFtpInfo2, Path2, const char*, CString, m_path2, kPath2ChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CFtpInfo2, Path3, const char*, CString, m_path3, kPath3ChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CFtpInfo2, Path4, const char*, CString, m_path4, kPath4ChangedNotice)
