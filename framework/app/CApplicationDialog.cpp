#include "CApplicationDialog.h"

#include "CAboutDialog.h"
#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UWindowsUtils.h"
#include "afx/windows/AfxIds.h"
#include "afx/windows/CCmdUI.h"
#include "afx/windows/CMenu.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/gdi/Icon.h"
#include "win32/dialogs/Menu.h"

#include <cstdio>

namespace {
constexpr UINT kAboutFirst = 57664;
constexpr UINT kAboutLast = 57679;
} // namespace

CApplicationDialog* CApplicationDialog::sDialog = nullptr;

BEGIN_MESSAGE_MAP(CApplicationDialog, CTaskBarDialog2)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND_RANGE(CApplicationDialog::kFirstLink, CApplicationDialog::kLastLink, OnLink)
    ON_UPDATE_COMMAND_UI_RANGE(CApplicationDialog::kFirstLink, CApplicationDialog::kLastLink, OnUpdateLink)
END_MESSAGE_MAP()

CApplicationDialog::CApplicationDialog(unsigned templateId, CWnd* parent) : CTaskBarDialog2(templateId, parent)
{
    if (!sDialog) sDialog = this;
}

CApplicationDialog::~CApplicationDialog()
{
    if (sDialog == this) sDialog = nullptr;
}

BOOL CApplicationDialog::OnInitDialog()
{
    CTaskBarDialog2::OnInitDialog();
    m_links.Attach(this);
    SetWindowText(UApplicationUtils::GetApplicationNameWithVersion());
    LoadDefault();
    UWindowsUtils::PlaceWindow(this, m_placementMode != 0);
    m_placed = true;
    if (CMenu* system = GetSystemMenu(FALSE)) {
        char about[300];
        std::snprintf(about, sizeof about, "About %s", UApplicationUtils::GetApplicationName(StApplicationId::Id()));
        system->AppendMenu(MF_SEPARATOR);
        system->AppendMenu(MF_STRING, kAboutFirst, about);
    }
    return TRUE;
}

void CApplicationDialog::OnSysCommand(UINT id, LPARAM lParam)
{
    if (id >= kAboutFirst && id <= kAboutLast) CAboutDialog::About();
    else CTaskBarDialog2::OnSysCommand(id, lParam);
}

void CApplicationDialog::OnPaint()
{
    CPaintDC dc(this);
    if (IsIconic()) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
        CRect client;
        GetClientRect(&client);
        int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
        if (m_icon) ::DrawIcon(dc.m_hDC, (client.Width() - cx + 1) / 2, (client.Height() - cy + 1) / 2, m_icon);
        return;
    }
    m_panels.Paint(&dc);
    if (m_iconPlaceholder && m_iconPlaceholder->m_hWnd && !m_iconPlaceholder->IsWindowVisible() && m_icon) {
        CRect r;
        m_iconPlaceholder->GetWindowRect(&r);
        ScreenToClient(&r);
        ::DrawIcon(dc.m_hDC, r.left + (r.Width() - 32) / 2, r.top + (r.Height() - 32) / 2, m_icon);
    }
}

void CApplicationDialog::OnClose()
{
    SaveDefault();
    Close();
    CTaskBarDialog2::OnClose();
}

void CApplicationDialog::OnFileOpen()
{
    LoadData();
}

void CApplicationDialog::OnFileSave()
{
    SaveData();
}

void CApplicationDialog::OnSize(UINT type, int cx, int cy)
{
    CTaskBarDialog2::OnSize(type, cx, cy);
    if (m_placed && type == SIZE_RESTORED) UWindowsUtils::StoreLocation(this);
}

void CApplicationDialog::OnMove(int x, int y)
{
    CTaskBarDialog2::OnMove(x, y);
    if (m_placed) UWindowsUtils::StoreLocation(this);
}

void CApplicationDialog::OnLink(UINT id)
{
    m_links.OnCommand(static_cast<int>(id));
}

void CApplicationDialog::OnUpdateLink(CCmdUI* ui)
{
    ui->Enable(TRUE);
}
