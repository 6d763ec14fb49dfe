#include "CObjectPropertyDialog.h"

#include "CPersistObject.h"
#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 11029;
constexpr int kList = 10089;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Object Inspector", 219, 236,
                   {U::Item("SysListView32", "", kList, LVS_REPORT | WS_BORDER | WS_TABSTOP, 7, 7, 205, 192),
                    U::Item("Button", "Close", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 162, 214, 50, 14)});
}
} // namespace

CObjectPropertyDialog::CObjectPropertyDialog() : CDialog(kTemplate), m_storage("Object", &m_list)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

void CObjectPropertyDialog::ShowObject(CPersistObject* object)
{
    if (!object) return;
    CObjectPropertyDialog dialog;
    dialog.SetObject(object);
    dialog.DoModal();
}

void CObjectPropertyDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kList, m_list);
}

BOOL CObjectPropertyDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_object) m_object->Save("Object", m_storage);
    return TRUE;
}
