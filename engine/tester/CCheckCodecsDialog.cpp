#include "CCheckCodecsDialog.h"

#include "CCodecInfo.h"
#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Load new codecs", 280, 200,
                   {U::Item("Static", "", CCheckCodecsDialog::kMessageId, SS_LEFT, 7, 7, 266, 40),
                    U::Item(WC_LISTVIEW, "", CCheckCodecsDialog::kListId,
                            LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 7, 50, 266, 122),
                    U::Item("Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 169, 179, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 223, 179, 50, 14)});
}

} // namespace

void CCheckCodecsDialog::RegisterTemplate()
{
    UDialogTemplates::Register(IDD, MakeTemplate);
}

CCheckCodecsDialog::CCheckCodecsDialog(CWnd* parent) : CDialog((RegisterTemplate(), static_cast<UINT>(IDD)), parent) {}

CCheckCodecsDialog::~CCheckCodecsDialog()
{
    m_list.SetObject(nullptr);
}

void CCheckCodecsDialog::AddCodec(CCodecInfo* codec)
{
    if (codec) m_codecs.Add(codec);
}

void CCheckCodecsDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kListId, m_list);
}

BOOL CCheckCodecsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    m_list.SetObject(&m_codecs);
    ::SetDlgItemTextA(GetSafeHwnd(), int(kMessageId), m_message);
    SetWindowText(m_title);
    return TRUE;
}
