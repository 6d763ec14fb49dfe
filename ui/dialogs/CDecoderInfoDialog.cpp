#include "CDecoderInfoDialog.h"

#include "CDecoderInfo.h"
#include "CDecoderItemDialog.h"
#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/CWinApp.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/MessageBox.h"

namespace {

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    using D = CDecoderInfoDialog;
    return U::Make("Decoders", 380, 170,
                   {U::Item(WC_LISTVIEW, "", D::kList, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER |
                                                           WS_TABSTOP,
                            7, 7, 300, 156),
                    U::Item("Button", "Move Up", D::kMoveUp, BS_PUSHBUTTON | WS_TABSTOP, 314, 7, 60, 14),
                    U::Item("Button", "Move Down", D::kMoveDown, BS_PUSHBUTTON | WS_TABSTOP, 314, 25, 60, 14),
                    U::Item("Button", "Remove", D::kRemove, BS_PUSHBUTTON | WS_TABSTOP, 314, 49, 60, 14),
                    U::Item("Button", "Add...", D::kAdd, BS_PUSHBUTTON | WS_TABSTOP, 314, 67, 60, 14),
                    U::Item("Button", "Close", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 314, 149, 60, 14)});
}

} // namespace

BEGIN_MESSAGE_MAP(CDecoderInfoDialog, CDialog)
    ON_BN_CLICKED(kMoveUp, OnButtonMoveup)
    ON_BN_CLICKED(kMoveDown, OnButtonMovedown)
    ON_BN_CLICKED(kRemove, OnButtonRemove)
    ON_BN_CLICKED(kAdd, OnButtonAdd)
END_MESSAGE_MAP()

CDecoderInfoDialog::CDecoderInfoDialog(CWnd* parent) : CDialog(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

CDecoderInfoDialog::~CDecoderInfoDialog()
{
    // The rows let go of the decoders before the list goes.
    m_list.SetObject(nullptr);
}

void CDecoderInfoDialog::SetDecoders(CDecoderInfo* decoders, bool audio)
{
    m_decoders = decoders;
    m_audio = audio;
}

void CDecoderInfoDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kList, m_list);
}

BOOL CDecoderInfoDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.InstallRowImages();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_list.SetObject(m_decoders ? &m_decoders->GetCodecs() : nullptr);
    SetWindowText(m_audio ? "Audio Decoders" : "Video Decoders");
    return TRUE;
}

int CDecoderInfoDialog::SelectedIndex()
{
    CObjectDisplay* selected = m_list.GetSelectionCount() == 1 ? m_list.GetSelection() : nullptr;
    if (!selected || !m_decoders) return -1;
    return m_decoders->GetCodecIndex(static_cast<CDecoderItem*>(selected->GetObjectA()));
}

void CDecoderInfoDialog::Move(int by)
{
    const int index = SelectedIndex();
    const int target = index + by;
    if (index < 0 || target < 0 || target >= m_decoders->GetCodecCount()) return;
    CDecoderItem* item = m_decoders->GetCodec(index);
    // Taken out without being deleted, then put back one place further.
    m_decoders->GetCodecs().Remove(item);
    m_decoders->AddCodec(item, target);
    if (CObjectDisplay* row = m_list.GetListDisplay(target)) row->Select(true);
}

void CDecoderInfoDialog::OnButtonMoveup() { Move(-1); }
void CDecoderInfoDialog::OnButtonMovedown() { Move(1); }

void CDecoderInfoDialog::OnButtonRemove()
{
    if (AfxMessageBox("Are you sure you want to remove this decoder?", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    const int index = SelectedIndex();
    if (index >= 0) m_decoders->RemoveCodec(m_decoders->GetCodec(index));
}

void CDecoderInfoDialog::OnButtonAdd()
{
    if (!m_decoders) return;
    CDecoderItemDialog dialog(m_audio, this);
    if (dialog.DoModal() != IDOK) return;
    m_decoders->AddCodec(new CDecoderItem(dialog.GetItem()));
    m_decoders->SaveIni();
}
