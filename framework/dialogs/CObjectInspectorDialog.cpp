#include "CObjectInspectorDialog.h"

#include "CPersistObject.h"
#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 10092;
constexpr int kTree = 10088;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Object Inspector", 219, 236,
                   {U::Item("SysTreeView32", "", kTree,
                            TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | WS_BORDER | WS_TABSTOP, 7, 7, 205, 200),
                    U::Item("Button", "Close", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 162, 214, 50, 14)});
}
} // namespace

CObjectInspectorDialog::CObjectInspectorDialog() : CDialog(kTemplate), m_storage("Object", &m_tree)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

void CObjectInspectorDialog::ShowObject(CPersistObject* object)
{
    if (!object) return;
    CObjectInspectorDialog dialog;
    dialog.SetObject(object);
    dialog.DoModal();
}

void CObjectInspectorDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kTree, m_tree);
}

BOOL CObjectInspectorDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_object) m_object->Save("Object", m_storage);
    return TRUE;
}
