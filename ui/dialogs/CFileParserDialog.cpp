#include "CFileParserDialog.h"

#include "CFileExtensionChainDialog.h"
#include "CFileExtensionFilterData.h"
#include "CFilterData.h"
#include "CSplitterInfo.h"
#include "UDialogTemplates.h"
#include "UInputTables.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    using D = CFileParserDialog;
    constexpr DWORD kList = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP;
    return U::Make("File Parsers", 400, 170,
                   {U::Item(WC_LISTVIEW, "", D::kExtensions, kList, 7, 7, 60, 156),
                    U::Item(WC_LISTVIEW, "", D::kAlternatives, kList, 72, 7, 254, 156),
                    U::Item("Button", "Move Up", D::kMoveUp, BS_PUSHBUTTON | WS_TABSTOP, 333, 7, 60, 14),
                    U::Item("Button", "Move Down", D::kMoveDown, BS_PUSHBUTTON | WS_TABSTOP, 333, 25, 60, 14),
                    U::Item("Button", "Remove", D::kRemove, BS_PUSHBUTTON | WS_TABSTOP, 333, 49, 60, 14),
                    U::Item("Button", "Add...", D::kAdd, BS_PUSHBUTTON | WS_TABSTOP, 333, 67, 60, 14),
                    U::Item("Button", "Close", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 333, 149, 60, 14)});
}

} // namespace

BEGIN_MESSAGE_MAP(CFileParserDialog, CDialog)
    ON_BN_CLICKED(kMoveUp, OnButtonMoveup)
    ON_BN_CLICKED(kMoveDown, OnButtonMovedown)
    ON_BN_CLICKED(kRemove, OnButtonRemove)
    ON_BN_CLICKED(kAdd, OnButtonAdd)
END_MESSAGE_MAP()

CFileParserDialog::CFileParserDialog(CWnd* parent) : CDialog(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_extensions.AddListener(this);
}

CFileParserDialog::~CFileParserDialog()
{
    m_extensions.RemoveListener(this);
    m_alternatives.SetObject(nullptr);
    m_extensions.SetObject(nullptr);
}

void CFileParserDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kExtensions, m_extensions);
    DDX_Control(dx, kAlternatives, m_alternatives);
}

BOOL CFileParserDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_info) m_info = UInputTables::GetSplitterInfo();
    for (CObjectListControl* list : {static_cast<CObjectListControl*>(&m_extensions),
                                     static_cast<CObjectListControl*>(&m_alternatives)})
        list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_extensions.SetObject(m_info ? &m_info->GetFilterData().GetFileExtensions() : nullptr);
    return TRUE;
}

CFileExtensionFilterData* CFileParserDialog::SelectedExtension()
{
    CObjectDisplay* selected = m_extensions.GetSelectionCount() == 1 ? m_extensions.GetSelection() : nullptr;
    CPersistObject* object = selected ? selected->GetObjectA() : nullptr;
    return object && object->IsInstanceOf(CFileExtensionFilterData::kType)
               ? static_cast<CFileExtensionFilterData*>(object)
               : nullptr;
}

CFilterData* CFileParserDialog::SelectedAlternative()
{
    CObjectDisplay* selected = m_alternatives.GetSelectionCount() == 1 ? m_alternatives.GetSelection() : nullptr;
    CPersistObject* object = selected ? selected->GetObjectA() : nullptr;
    return object && object->IsInstanceOf(CFilterData::kType) ? static_cast<CFilterData*>(object) : nullptr;
}

void CFileParserDialog::UpdateSelection()
{
    if (CFileExtensionFilterData* extension = SelectedExtension()) m_alternatives.SetObject(&extension->GetFilters());
}

bool CFileParserDialog::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kDisplaySelectionMessage) {
        UpdateSelection();
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}

void CFileParserDialog::Move(int by)
{
    CFileExtensionFilterData* extension = SelectedExtension();
    CFilterData* filter = SelectedAlternative();
    if (!extension || !filter) return;
    const int index = extension->GetFilterIndex(filter);
    const int target = index + by;
    if (index < 0 || target < 0 || target >= extension->GetFilterCount()) return;
    // Taken out without being deleted, then put back one place further.
    extension->RemoveFilter(filter);
    extension->AddFilter(filter, target);
    if (CObjectDisplay* row = m_alternatives.GetListDisplay(target)) row->Select(true);
}

void CFileParserDialog::OnButtonMoveup() { Move(-1); }
void CFileParserDialog::OnButtonMovedown() { Move(1); }

void CFileParserDialog::OnButtonRemove()
{
    CFileExtensionFilterData* extension = SelectedExtension();
    CFilterData* filter = SelectedAlternative();
    // An extension keeps at least one way of reading it.
    if (!extension || !filter || extension->GetFilterCount() <= 1) return;
    extension->RemoveFilter(filter);
    delete filter;
}

void CFileParserDialog::OnButtonAdd()
{
    if (!m_info) return;
    CFileExtensionChainDialog dialog(this);
    if (dialog.DoModal() != IDOK) return;
    CFileExtensionChain& chain = dialog.GetChain();
    m_info->AddExtension(chain.GetExtension(), chain.GetFileSourceName(), chain.GetFileSourceId(),
                         chain.GetSplitter1Name(), chain.GetSplitter1Id(), chain.GetSplitter2Name(),
                         chain.GetSplitter2Id());
    m_info->SaveXml();
}
