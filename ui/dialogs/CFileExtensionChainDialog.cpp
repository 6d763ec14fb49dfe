#include "CFileExtensionChainDialog.h"

#include "UDialogTemplates.h"
#include "UGuidUtils.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/CWinApp.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/MessageBox.h"

#include <iterator>

namespace {

using D = CFileExtensionChainDialog;

struct Property {
    int id;
    LONG notice;
    bool isId;
};

// In the order of the dialog's fields.
const Property kProperties[] = {
    {D::kExtension, CFileExtensionChain::kExtensionChangedNotice, false},
    {D::kSourceName, CFileExtensionChain::kFileSourceNameChangedNotice, false},
    {D::kSourceId, CFileExtensionChain::kFileSourceIdChangedNotice, true},
    {D::kSplitter1Name, CFileExtensionChain::kSplitter1NameChangedNotice, false},
    {D::kSplitter1Id, CFileExtensionChain::kSplitter1IdChangedNotice, true},
    {D::kSplitter2Name, CFileExtensionChain::kSplitter2NameChangedNotice, false},
    {D::kSplitter2Id, CFileExtensionChain::kSplitter2IdChangedNotice, true},
};

int IndexOfId(int id)
{
    for (size_t i = 0; i < std::size(kProperties); ++i)
        if (kProperties[i].id == id) return static_cast<int>(i);
    return -1;
}

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    auto label = [](const char* text, short x, short y, short cx) { return U::Item("Static", text, -1, 0, x, y, cx, 8); };
    auto group = [](const char* text, short y) {
        return U::Item("Button", text, -1, BS_GROUPBOX, 7, y, 306, 44);
    };
    auto field = [](int id, short x, short y, short cx) {
        return U::Item("Edit", "", id, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, x, y, cx, 14);
    };
    return U::Make("Establish file parsing components", 320, 196,
                   {label("File extension:", 7, 9, 60), field(D::kExtension, 70, 7, 60),
                    group("File Reader (leave blank if using the standard DirectShow reader)", 26),
                    label("Name:", 14, 40, 30), field(D::kSourceName, 46, 38, 100), label("ID:", 152, 40, 14),
                    field(D::kSourceId, 168, 38, 140), group("Splitter (leave blank if not used)", 74),
                    label("Name:", 14, 88, 30), field(D::kSplitter1Name, 46, 86, 100), label("ID:", 152, 88, 14),
                    field(D::kSplitter1Id, 168, 86, 140), group("Additional Splitter (leave blank if not used)", 122),
                    label("Name:", 14, 136, 30), field(D::kSplitter2Name, 46, 134, 100), label("ID:", 152, 136, 14),
                    field(D::kSplitter2Id, 168, 134, 140),
                    U::Item("Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 206, 175, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 263, 175, 50, 14)});
}

} // namespace

CFileExtensionChainDialog::CFileExtensionChainDialog(CWnd* parent) : CDialog(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_chain.AddListener(this);
    for (CEntryField& field : m_fields) field.AddListener(this);
}

CFileExtensionChainDialog::~CFileExtensionChainDialog()
{
    for (CEntryField& field : m_fields) field.RemoveListener(this);
    m_chain.RemoveListener(this);
}

void CFileExtensionChainDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    for (size_t i = 0; i < std::size(kProperties); ++i) DDX_Control(dx, kProperties[i].id, m_fields[i]);
}

void CFileExtensionChainDialog::Reflect(int id)
{
    const int index = IndexOfId(id);
    if (index < 0 || !m_fields[index].m_hWnd) return;
    CString text;
    switch (id) {
    case kExtension: text = m_chain.GetExtension(); break;
    case kSourceName: text = m_chain.GetFileSourceName(); break;
    case kSourceId: text = UGuidUtils::GuidToString(m_chain.GetFileSourceId()); break;
    case kSplitter1Name: text = m_chain.GetSplitter1Name(); break;
    case kSplitter1Id: text = UGuidUtils::GuidToString(m_chain.GetSplitter1Id()); break;
    case kSplitter2Name: text = m_chain.GetSplitter2Name(); break;
    case kSplitter2Id: text = UGuidUtils::GuidToString(m_chain.GetSplitter2Id()); break;
    default: return;
    }
    m_fields[index].SetWindowText(text);
}

void CFileExtensionChainDialog::Enter(int id)
{
    const int index = IndexOfId(id);
    if (index < 0) return;
    CString text;
    m_fields[index].GetWindowText(text);
    bool taken = false;
    switch (id) {
    case kExtension: taken = m_chain.SetExtension(text); break;
    case kSourceName: taken = m_chain.SetFileSourceName(text); break;
    case kSourceId: taken = m_chain.SetFileSourceId(UGuidUtils::GuidFromString(text)); break;
    case kSplitter1Name: taken = m_chain.SetSplitter1Name(text); break;
    case kSplitter1Id: taken = m_chain.SetSplitter1Id(UGuidUtils::GuidFromString(text)); break;
    case kSplitter2Name: taken = m_chain.SetSplitter2Name(text); break;
    case kSplitter2Id: taken = m_chain.SetSplitter2Id(UGuidUtils::GuidFromString(text)); break;
    default: return;
    }
    if (!taken) Reflect(id);
}

bool CFileExtensionChainDialog::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        for (size_t i = 0; i < std::size(kProperties); ++i) {
            if (p != m_fields[i].Identity()) continue;
            Enter(kProperties[i].id);
            return true;
        }
    }
    return CListener::ListenToMessage(message, p, q);
}

bool CFileExtensionChainDialog::Respond(long code, CBroadcaster* sender, long a, long b)
{
    for (const Property& property : kProperties) {
        if (property.notice != code) continue;
        Reflect(property.id);
        return true;
    }
    return CListener::Respond(code, sender, a, b);
}

void CFileExtensionChainDialog::OnOK()
{
    // A field still being edited counts as typed.
    for (const Property& property : kProperties) Enter(property.id);
    const char* complaint = m_chain.Validate(true);
    if (complaint && *complaint) {
        AfxMessageBox(complaint, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CDialog::OnOK();
}
