#include "CTagEditorDialog.h"

#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    using D = CTagEditorDialog;
    return U::Make("Tag Editor", 400, 200,
                   {U::Item(WC_LISTVIEW, "", D::kList, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 7, 7,
                            320, 186),
                    U::Item("Button", "New...", D::kNew, BS_PUSHBUTTON | WS_TABSTOP, 334, 7, 60, 14),
                    U::Item("Button", "Edit...", D::kEdit, BS_PUSHBUTTON | WS_TABSTOP, 334, 25, 60, 14),
                    U::Item("Button", "Remove...", D::kRemove, BS_PUSHBUTTON | WS_TABSTOP, 334, 43, 60, 14),
                    U::Item("Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 334, 161, 60, 14),
                    U::Item("Button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 334, 179, 60, 14)});
}
} // namespace

BEGIN_MESSAGE_MAP(CTagEditorDialog, CDialog)
    ON_BN_CLICKED(kNew, OnNew)
    ON_BN_CLICKED(kEdit, OnEdit)
    ON_BN_CLICKED(kRemove, OnRemove)
END_MESSAGE_MAP()

CTagEditorDialog::CTagEditorDialog(CWnd* parent) : CDialog(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

CTagEditorDialog::~CTagEditorDialog()
{
    // The rows let go of the tags before the tags go.
    m_list.SetObject(nullptr);
}

void CTagEditorDialog::SetTags(CMediaTags& tags)
{
    m_tags = tags;
}

void CTagEditorDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kList, m_list);
}

BOOL CTagEditorDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_list.SetObject(&m_tags);
    return TRUE;
}

void CTagEditorDialog::OnNew() { m_list.Add(); }
void CTagEditorDialog::OnEdit() { m_list.Edit(); }
void CTagEditorDialog::OnRemove() { m_list.Delete(); }
