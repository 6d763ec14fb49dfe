#include "CDirectoryPrompter.h"
#include "afx/windows/CWinApp.h"
#include "afx/windows/CWnd.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/windowing/MessageQueue.h"

namespace {

constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;

// Preselects the default folder once the browser is up.
int PreselectDefault(HWND browser, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED) SendMessageA(browser, BFFM_SETSELECTION, TRUE, data);
    return 0;
}

} // namespace

bool CDirectoryPrompter::Prompt()
{
    CString title = m_title.IsEmpty() ? CString("Browse...") : m_title;
    CWinApp* app = AfxGetApp();
    char displayName[MAX_PATH] = {0};
    BROWSEINFOA info{};
    info.hwndOwner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = m_create ? kBrowseFlags : kBrowseFlags | BIF_NONEWFOLDERBUTTON;
    if (!m_defaultPath.IsEmpty()) {
        info.lpfn = PreselectDefault;
        info.lParam = reinterpret_cast<LPARAM>(m_defaultPath.GetString());
    }
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (!chosen) return false;
    char path[MAX_PATH] = {0};
    BOOL ok = SHGetPathFromIDListA(chosen, path);
    ILFree(chosen);
    if (!ok) return false;
    m_path = path;
    return true;
}

bool CDirectoryPrompter::PromptSaveAs()
{
    EnableCreate(true);
    return Prompt();
}

bool CDirectoryPrompter::PromptOpen()
{
    EnableCreate(false);
    return Prompt();
}
