#include "CDataPropertiesDialog.h"

#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Properties", 262, 150,
                   {U::Item(WC_LISTVIEW, "", CDataPropertiesDialog::kListId, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP,
                            7, 7, 248, 116),
                    U::Item("Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 205, 129, 50, 14)});
}

} // namespace

void CDataPropertiesDialog::RegisterTemplate()
{
    UDialogTemplates::Register(IDD, MakeTemplate);
}

CDataPropertiesDialog::CDataPropertiesDialog(CWnd* parent) : CDialog((RegisterTemplate(), static_cast<UINT>(IDD)), parent)
{
}

CDataPropertiesDialog::~CDataPropertiesDialog()
{
    // The rows must let go of the values before the list goes.
    mList.SetObject(nullptr);
}

void CDataPropertiesDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kListId, mList);
}

BOOL CDataPropertiesDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    mList.SetObject(&mProperties);
    return TRUE;
}
