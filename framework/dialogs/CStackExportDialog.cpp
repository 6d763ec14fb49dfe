#include "CStackExportDialog.h"

#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 11028;
constexpr int kPages = 11103;
constexpr int kPrevious = 11104;
constexpr int kNext = 11105;
constexpr int kPlaceholder = 11106;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Export", 311, 172,
                   {U::Item("Button", "", -1, BS_GROUPBOX, 7, 7, 297, 141),
                    U::Item("Static", "", kPlaceholder, 0, 13, 21, 285, 123),
                    U::Item("Button", "<< Previous", kPrevious, WS_TABSTOP, 69, 151, 50, 14),
                    U::Item("Button", "Next >>", kNext, WS_TABSTOP, 122, 151, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, WS_TABSTOP, 199, 151, 50, 14),
                    U::Item("Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 254, 151, 50, 14),
                    U::Item("ComboBox", "", kPages, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 13, 7, 118, 71)});
}
} // namespace

BEGIN_MESSAGE_MAP(CStackExportDialog, CDialog)
    ON_CBN_SELCHANGE(kPages, OnPageChanged)
    ON_BN_CLICKED(kPrevious, OnPreviousClicked)
    ON_BN_CLICKED(kNext, OnNextClicked)
END_MESSAGE_MAP()

CStackExportDialog::CStackExportDialog(CWnd* parent) : CDialog(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

void CStackExportDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_ok);
    DDX_Control(dx, kPrevious, m_previous);
    DDX_Control(dx, kNext, m_next);
    DDX_Control(dx, kPages, m_pages);
    DDX_Control(dx, kPlaceholder, m_placeholder);
}

BOOL CStackExportDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_stack.SetWindows(this, &m_pages, &m_placeholder);
    m_pages.EnableWindow(m_freeFlow);
    SetupPanels();
    m_stack.Arrange();
    m_next.ShowWindow(m_stack.CanPrevious() || m_stack.CanNext() ? SW_SHOW : SW_HIDE);
    m_previous.ShowWindow(MayPrevious() ? SW_SHOW : SW_HIDE);
    UpdateButtons();
    return TRUE;
}

void CStackExportDialog::UpdateButtons()
{
    m_previous.EnableWindow(m_stack.CanPrevious() && CanPrevious());
    m_next.EnableWindow(m_stack.CanNext() && CanNext());
    m_ok.EnableWindow(CanOk());
}

void CStackExportDialog::OnPageChanged()
{
    m_stack.Select();
    UpdateButtons();
}

void CStackExportDialog::OnPreviousClicked()
{
    if (!OnPrevious()) return;
    m_stack.Previous();
    m_stack.Select();
    UpdateButtons();
}

void CStackExportDialog::OnNextClicked()
{
    if (!OnNext()) return;
    m_stack.Next();
    m_stack.Select();
    UpdateButtons();
}

void CStackExportDialog::OnOK()
{
    if (OnFinish()) CDialog::OnOK();
}
