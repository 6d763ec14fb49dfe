#include "CAboutDialog.h"

#include "CDirectoryPath.h"
#include "CVersion.h"
#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UDialogTemplates.h"
#include "UDirectoryUtils.h"
#include "UFileUtils.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"
#include "win32/kernel/Files.h"
#include "win32/kernel/Module.h"


namespace {
constexpr UINT kTemplate = 10009;
constexpr UINT kPictureBitmap = 10058;
constexpr int kPicture = 10087;
constexpr int kProduct = 10023;
constexpr int kVersion = 10024;
constexpr int kList = 10039;
constexpr int kMore = 10076;
constexpr const char* kLibraryExtension = "so";

// The program's own libraries share one folder, which on this system is the library
// folder beside the program's, not the program's own.
CString LibraryFolder()
{
    char path[MAX_PATH + 1] = {};
    if (HMODULE self = ::GetModuleHandle("mvframe.dll"); self && ::GetModuleFileName(self, path, MAX_PATH))
        return UFileUtils::GetPathOnly(path);
    return UDirectoryUtils::GetAppDirectory();
}

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    MvDialogTemplate t = U::Make(
        "About", 260, 196,
        {U::Item("Static", "", kPicture, SS_BITMAP, 7, 7, 32, 32),
         U::Item("Static", "", kProduct, 0, 46, 9, 140, 10),
         U::Item("Static", "", kVersion, SS_RIGHT, 190, 9, 63, 10),
         U::Item("Static", "Protected by copyright law.", -1, 0, 46, 22, 207, 8),
         U::Item("Static", "Components installed with it:", -1, 0, 46, 32, 207, 8),
         U::Item("SysListView32", "", kList, LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP, 7, 44, 246, 124),
         U::Item("Button", "More...", kMore, WS_TABSTOP, 7, 175, 50, 14),
         U::Item("Button", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 203, 175, 50, 14)});
    return t;
}
} // namespace

BEGIN_MESSAGE_MAP(CAboutDialog, CDialog)
    ON_BN_CLICKED(kMore, OnButtonMore)
END_MESSAGE_MAP()

CAboutDialog::CAboutDialog() : CDialog(kTemplate)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

void CAboutDialog::About()
{
    About(UApplicationUtils::GetApplicationName(StApplicationId::Id()));
}

void CAboutDialog::About(const char* product)
{
    CAboutDialog dialog;
    CString title = "About ";
    title += product ? product : "";
    dialog.SetTitle(title);
    dialog.SetProduct(product);
    dialog.SetVersion(ReadSelfVersion());
    dialog.DoModal();
}

CString CAboutDialog::ReadSelfVersion()
{
    char path[MAX_PATH + 1] = {};
    if (!::GetModuleFileName(nullptr, path, MAX_PATH)) return CString();
    return CVersion(path).GetVersionText();
}

void CAboutDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kList, m_list);
}

BOOL CAboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_title);
    ::SetDlgItemTextA(m_hWnd, kProduct, m_product);
    ::SetDlgItemTextA(m_hWnd, kVersion, m_version);
    if (m_picture.LoadBitmap(kPictureBitmap))
        ::SendDlgItemMessageA(m_hWnd, kPicture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_picture.m_hObject));
    ReadComponentsVersions();
    return TRUE;
}

void CAboutDialog::ReadComponentsVersions()
{
    if (!m_list.m_hWnd) return;
    m_list.InsertColumn(0, "Component", LVCFMT_LEFT, 240);
    m_list.InsertColumn(1, "Version", LVCFMT_LEFT, 80);
    CDirectoryPath folder(m_folder.IsEmpty() ? LibraryFolder() : m_folder);
    folder.Populate(kLibraryExtension);
    for (int i = 0; i < folder.GetPathCount(); ++i) {
        CPath* entry = folder.GetPath(i);
        if (!entry || entry->IsDir()) continue;
        int row = m_list.InsertItem(m_list.GetItemCount(), UFileUtils::GetFileNameOnly(entry->GetFilePath()));
        m_list.SetItemText(row, 1, CVersion(entry->GetFilePath()).GetVersionText());
    }
}

void CAboutDialog::OnButtonMore()
{
    UShellUtils::Open(UWebAddresses::GetProductAddress());
}
