#include "afx/windows/CDialog.h"

#include "afx/windows/CWinApp.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/Resources.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::CDialog(LPCTSTR templateName, CWnd* parent) : m_pParentWnd(parent)
{
    if (IS_INTRESOURCE(templateName)) m_nIDTemplate = MvResourceId(templateName);
    else m_templateName = templateName;
}

CDialog::CDialog(const CDialog& other)
    : CWnd(other), m_nIDHelp(other.m_nIDHelp), m_nIDTemplate(other.m_nIDTemplate), m_pParentWnd(other.m_pParentWnd),
      m_templateName(other.m_templateName)
{
}

CDialog& CDialog::operator=(const CDialog& other)
{
    m_nIDHelp = other.m_nIDHelp;
    m_nIDTemplate = other.m_nIDTemplate;
    m_pParentWnd = other.m_pParentWnd;
    m_templateName = other.m_templateName;
    return *this;
}

const MvDialogTemplate* CDialog::FindTemplate() const
{
    if (!m_templateName.IsEmpty()) return MvFindDialog(m_templateName);
    return MvFindDialog(MAKEINTRESOURCEA(m_nIDTemplate));
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_templateName.Empty();
    return CreateIndirect(FindTemplate(), parent);
}

BOOL CDialog::Create(LPCTSTR templateName, CWnd* parent)
{
    if (IS_INTRESOURCE(templateName)) return Create(MvResourceId(templateName), parent);
    m_templateName = templateName;
    return CreateIndirect(FindTemplate(), parent);
}

BOOL CDialog::CreateIndirect(const MvDialogTemplate* dialogTemplate, CWnd* parent)
{
    if (!dialogTemplate || m_hWnd) return FALSE;
    if (parent) m_pParentWnd = parent;
    ::MvHookNextWindow(&CWnd::CreationHook, this);
    HWND dialog = ::CreateDialogIndirectParamA(nullptr, dialogTemplate, parent ? parent->m_hWnd : nullptr, nullptr, 0);
    ::MvHookNextWindow(nullptr, nullptr);
    if (!dialog && m_hWnd) DestroyWindow();
    return dialog ? TRUE : FALSE;
}

INT_PTR CDialog::DoModal()
{
    const MvDialogTemplate* found = FindTemplate();
    if (!found || m_hWnd) return -1;
    CWnd* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND owner = parent && parent->m_hWnd ? ::GetAncestor(parent->m_hWnd, GA_ROOT) : nullptr;
    bool reenable = owner && ::IsWindowEnabled(owner);
    if (reenable) ::EnableWindow(owner, FALSE);

    MvDialogTemplate hidden = *found;
    hidden.style &= ~WS_VISIBLE;
    m_modal = true;
    m_nModalResult = -1;
    ::MvHookNextWindow(&CWnd::CreationHook, this);
    HWND dialog = ::CreateDialogIndirectParamA(nullptr, &hidden, owner, nullptr, 0);
    ::MvHookNextWindow(nullptr, nullptr);
    if (dialog && m_modal) {
        ::ShowWindow(dialog, SW_SHOWNORMAL);
        ::MvModalStarted(dialog);
        if (m_modal) RunModalLoop();
        ::MvModalEnded(dialog);
    }
    m_modal = false;
    if (reenable) ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
        DestroyWindow();
    }
    if (owner && ::IsWindow(owner)) ::SetActiveWindow(owner);
    return dialog ? m_nModalResult : -1;
}

void CDialog::EndDialog(int result)
{
    if (m_modal) EndModalLoop(result);
    else m_nModalResult = result;
    if (m_hWnd) ::EndDialog(m_hWnd, result);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}

void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control) ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), 1);
}
void CDialog::SetDefID(UINT id) { ::SendMessageA(m_hWnd, DM_SETDEFID, id, 0); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0)); }
void CDialog::MapDialogRect(LPRECT rect) const { ::MapDialogRect(m_hWnd, rect); }
