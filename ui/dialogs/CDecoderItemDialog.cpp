#include "CDecoderItemDialog.h"

#include "UDialogTemplates.h"
#include "UGuidUtils.h"
#include "UWindowsUtils.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    using D = CDecoderItemDialog;
    return U::Make("Add decoder", 260, 100,
                   {U::Item("Static", "Decoder name", -1, 0, 7, 9, 60, 8),
                    U::Item("Edit", "", D::kName, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 70, 7, 183, 14),
                    U::Item("Static", "Decoder ID", -1, 0, 7, 27, 60, 8),
                    U::Item("Edit", "", D::kId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 70, 25, 183, 14),
                    U::Item("Button", "DirectShow Filter", D::kFilter, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
                            70, 45, 120, 10),
                    U::Item("Button", "DirectX Media Object (DMO)", D::kDmo, BS_AUTORADIOBUTTON | WS_TABSTOP, 70, 58,
                            150, 10),
                    U::Item("Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 146, 79, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 203, 79, 50, 14)});
}
} // namespace

BEGIN_MESSAGE_MAP(CDecoderItemDialog, CDialog)
    ON_BN_CLICKED(kFilter, OnFilter)
    ON_BN_CLICKED(kDmo, OnDmo)
END_MESSAGE_MAP()

CDecoderItemDialog::CDecoderItemDialog(bool audio, CWnd* parent) : CDialog(kTemplate, parent), m_audio(audio)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_item.AddListener(this);
    m_name.AddListener(this);
    m_id.AddListener(this);
}

CDecoderItemDialog::~CDecoderItemDialog()
{
    m_id.RemoveListener(this);
    m_name.RemoveListener(this);
    m_item.RemoveListener(this);
}

void CDecoderItemDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kName, m_name);
    DDX_Control(dx, kId, m_id);
    DDX_Control(dx, kFilter, m_filter);
    DDX_Control(dx, kDmo, m_dmo);
}

BOOL CDecoderItemDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_audio ? "Add audio decoder" : "Add video decoder");
    ReflectName();
    ReflectId();
    ReflectDmo();
    return TRUE;
}

void CDecoderItemDialog::ReflectName()
{
    if (m_name.m_hWnd) m_name.SetWindowText(m_item.GetName());
}

void CDecoderItemDialog::ReflectId()
{
    if (m_id.m_hWnd) m_id.SetWindowText(UGuidUtils::GuidToString(m_item.GetId()));
}

void CDecoderItemDialog::ReflectDmo()
{
    UWindowsUtils::SetCheck(&m_dmo, m_item.GetIsDmo());
    UWindowsUtils::SetCheck(&m_filter, !m_item.GetIsDmo());
}

void CDecoderItemDialog::EnterDmo(bool dmo)
{
    if (!m_item.SetIsDmo(dmo)) ReflectDmo();
}

void CDecoderItemDialog::OnFilter() { EnterDmo(false); }
void CDecoderItemDialog::OnDmo() { EnterDmo(true); }

bool CDecoderItemDialog::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage && p == m_name.Identity()) {
        CString text;
        m_name.GetWindowText(text);
        if (!m_item.SetName(text)) ReflectName();
        return true;
    }
    if (message == kEntryFieldCommittedMessage && p == m_id.Identity()) {
        CString text;
        m_id.GetWindowText(text);
        const GUID id = UGuidUtils::GuidFromString(text);
        // A text that is not an id must not clear the stored one.
        const bool unreadable = id == GUID_NULL && !text.IsEmpty();
        if (unreadable || !m_item.SetId(id)) ReflectId();
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}

bool CDecoderItemDialog::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CDecoderItem::kIdChangedNotice: ReflectId(); return true;
    case CDecoderItem::kDmoChangedNotice: ReflectDmo(); return true;
    case CNamedObject::kNameChangedNotice: ReflectName(); return true;
    default: return CListener::Respond(code, sender, a, b);
    }
}
