#include "CFtpInfo2Controller.h"

#include "CEntryField.h"
#include "CFtpInfo2.h"
#include "TListenedReference.h"
#include "UStringBuffer.h"
#include "afx/controls/CButton.h"

#include <cstdlib>

namespace {

// Each text field's notice, reading and writing, in the order of the fields.
struct FieldAccess {
    LONG notice;
    CString (*get)(const CFtpInfo2&);
    bool (*set)(CFtpInfo2&, const char*);
};

CString PortText(const CFtpInfo2& ftp)
{
    CString text;
    text.Format("%d", static_cast<int>(ftp.GetPort()));
    return text;
}

const FieldAccess kAccess[] = {
    {CFtpInfo2::kServerChangedNotice, [](const CFtpInfo2& f) { return f.GetServer(); },
     [](CFtpInfo2& f, const char* t) { return f.SetServer(t); }},
    {CFtpInfo2::kUserNameChangedNotice, [](const CFtpInfo2& f) { return f.GetUserName(); },
     [](CFtpInfo2& f, const char* t) { return f.SetUserName(t); }},
    {CFtpInfo2::kPasswordChangedNotice, [](const CFtpInfo2& f) { return f.GetPassword(); },
     [](CFtpInfo2& f, const char* t) { return f.SetPassword(t); }},
    // Leading digits count, as a decimal conversion reads them: "2121x" is 2121.
    {CFtpInfo2::kPortChangedNotice, PortText,
     [](CFtpInfo2& f, const char* t) { return f.SetPort(static_cast<ULONG>(std::strtoul(t, nullptr, 10))); }},
    {CFtpInfo2::kPath1ChangedNotice, [](const CFtpInfo2& f) { return f.GetPath1(); },
     [](CFtpInfo2& f, const char* t) { return f.SetPath1(t); }},
    {CFtpInfo2::kPath2ChangedNotice, [](const CFtpInfo2& f) { return f.GetPath2(); },
     [](CFtpInfo2& f, const char* t) { return f.SetPath2(t); }},
    {CFtpInfo2::kPath3ChangedNotice, [](const CFtpInfo2& f) { return f.GetPath3(); },
     [](CFtpInfo2& f, const char* t) { return f.SetPath3(t); }},
    {CFtpInfo2::kPath4ChangedNotice, [](const CFtpInfo2& f) { return f.GetPath4(); },
     [](CFtpInfo2& f, const char* t) { return f.SetPath4(t); }},
};

} // namespace

CFtpInfo2Controller::CFtpInfo2Controller()
{
    mExpectedType = FourCharCode("ftp2");
}

CFtpInfo2Controller::~CFtpInfo2Controller()
{
    for (CEntryField*& field : m_fields) RetargetListenedReference<CEntryField>(*this, field, nullptr);
}

CFtpInfo2* CFtpInfo2Controller::GetFtpInfo() const
{
    return static_cast<CFtpInfo2*>(GetObjectA());
}

void CFtpInfo2Controller::SetControls(CEntryField* server, CEntryField* userName, CEntryField* password, CEntryField* port,
                                      CButton* passive, CEntryField* path1, CEntryField* path2, CEntryField* path3,
                                      CEntryField* path4)
{
    CEntryField* given[kFieldCount] = {server, userName, password, port, path1, path2, path3, path4};
    for (int i = 0; i < kFieldCount; ++i) RetargetListenedReference(*this, m_fields[i], given[i]);
    m_passive = passive;
}

void CFtpInfo2Controller::Reflect(Field field)
{
    CFtpInfo2* ftp = GetFtpInfo();
    if (ftp && m_fields[field]) m_fields[field]->SetWindowText(kAccess[field].get(*ftp));
}

void CFtpInfo2Controller::Enter(Field field)
{
    CFtpInfo2* ftp = GetFtpInfo();
    if (!ftp || !m_fields[field]) return;
    CString text;
    m_fields[field]->GetWindowText(text);
    if (!kAccess[field].set(*ftp, text)) Reflect(field);
}

void CFtpInfo2Controller::ReflectPassive()
{
    if (GetFtpInfo() && m_passive) m_passive->SetCheck(GetFtpInfo()->GetPassive() ? BST_CHECKED : BST_UNCHECKED);
}

void CFtpInfo2Controller::EnterPassive()
{
    CFtpInfo2* ftp = GetFtpInfo();
    if (!ftp || !m_passive) return;
    if (!ftp->SetPassive(m_passive->GetCheck() == BST_CHECKED)) ReflectPassive();
}

void CFtpInfo2Controller::Refresh()
{
    ReflectServer();
    ReflectUserName();
    ReflectPassword();
    ReflectPort();
    ReflectPassive();
    for (Field path : {kPath1, kPath2, kPath3, kPath4}) Reflect(path);
}

char* CFtpInfo2Controller::GetText()
{
    CString text("ftp://");
    if (CFtpInfo2* ftp = GetFtpInfo(); ftp && !ftp->GetServer().IsEmpty())
        text += ftp->GetServer() + "/" + ftp->GetPath1();
    return UStringBuffer::Text(text);
}

bool CFtpInfo2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CFtpInfo2::kPassiveChangedNotice) {
        ReflectPassive();
        return true;
    }
    for (int i = 0; i < kFieldCount; ++i) {
        if (code != kAccess[i].notice) continue;
        Reflect(static_cast<Field>(i));
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}

bool CFtpInfo2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        for (int i = 0; i < kFieldCount; ++i) {
            if (!m_fields[i] || p != m_fields[i]->Identity()) continue;
            Enter(static_cast<Field>(i));
            return true;
        }
    }
    if (message == kBroadcasterDyingMessage)
        for (CEntryField*& field : m_fields) ForgetDyingReference(field, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
