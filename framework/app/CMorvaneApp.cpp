#include "CMorvaneApp.h"

#include "CAboutDialog.h"
#include "CDebugLogger.h"
#include "CSplashWindow.h"
#include "UApplicationUtils.h"
#include "UDirectoryUtils.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "afx/windows/CCmdUI.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/RichEdit.h"

#include <strings.h>

namespace {
constexpr const char* kMakerAddress = "https://www.morvane.com/";

enum class EditKind { None, Edit, Combo, RichEdit };

// What kind of edit control has the keyboard focus.
EditKind FocusKind(HWND& focus)
{
    focus = ::GetFocus();
    if (!focus) return EditKind::None;
    char name[64] = {};
    ::GetClassNameA(focus, name, sizeof name);
    if (strcasecmp(name, "Edit") == 0) return EditKind::Edit;
    if (strcasecmp(name, "ComboBox") == 0) return EditKind::Combo;
    if (strncasecmp(name, "RichEdit", 8) == 0) return EditKind::RichEdit;
    return EditKind::None;
}

bool HasSelection(HWND focus, EditKind kind)
{
    switch (kind) {
    case EditKind::Edit: {
        DWORD start = 0, end = 0;
        ::SendMessageA(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return start != end;
    }
    case EditKind::Combo: {
        LRESULT sel = ::SendMessageA(focus, CB_GETEDITSEL, 0, 0);
        if (sel == CB_ERR) return false;
        return HIWORD(static_cast<DWORD>(sel)) != LOWORD(static_cast<DWORD>(sel));
    }
    case EditKind::RichEdit: {
        CHARRANGE range{0, 0};
        ::SendMessageA(focus, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return range.cpMin != range.cpMax;
    }
    default:
        return false;
    }
}

// Paste and Select All: any edit or rich edit, and a combo with an edit field.
bool TakesText(HWND focus, EditKind kind)
{
    if (kind == EditKind::Combo) return ::SendMessageA(focus, CB_GETEDITSEL, 0, 0) != CB_ERR;
    return kind != EditKind::None;
}

void SendToSelection(UINT message)
{
    HWND focus;
    if (EditKind kind = FocusKind(focus); kind != EditKind::None) ::SendMessageA(focus, message, 0, 0);
}
} // namespace

BEGIN_MESSAGE_MAP(CMorvaneApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
    ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditClear)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
END_MESSAGE_MAP()

CMorvaneApp::CMorvaneApp() : m_applicationId(0) {}

CMorvaneApp::~CMorvaneApp()
{
    delete m_logger;
}

BOOL CMorvaneApp::InitInstance()
{
    InitCommonControls();
    m_shortName = UApplicationUtils::GetShortApplicationName(StApplicationId::Id());
    m_pszAppName = m_shortName;
    SetRegistryKey("Morvane");
    if (!m_logger) m_logger = new CDebugLogger;
    CSplashWindow::SplashWindow(m_splashBitmap, 2);
    AfxEnableControlContainer();
    Enable3dControls();
    return TRUE;
}

int CMorvaneApp::ExitInstance()
{
    delete m_logger;
    m_logger = nullptr;
    return CWinApp::ExitInstance();
}

void CMorvaneApp::About()
{
    CAboutDialog::About();
}

void CMorvaneApp::Web()
{
    UShellUtils::Open(kMakerAddress);
}

void CMorvaneApp::TryApplication(unsigned long id)
{
    UShellUtils::Open(UWebAddresses::GetApplicationAddress(id));
}

void CMorvaneApp::OnAppAbout()
{
    About();
}

void CMorvaneApp::OnUpdateEditUndo(CCmdUI* ui)
{
    ui->Enable(FALSE);
}

void CMorvaneApp::OnEditUndo() {}

void CMorvaneApp::OnUpdateEditRedo(CCmdUI* ui)
{
    ui->Enable(FALSE);
}

void CMorvaneApp::OnEditRedo() {}

void CMorvaneApp::OnUpdateEditCut(CCmdUI* ui)
{
    HWND focus;
    EditKind kind = FocusKind(focus);
    ui->Enable(HasSelection(focus, kind));
}

void CMorvaneApp::OnEditCut()
{
    SendToSelection(WM_CUT);
}

void CMorvaneApp::OnUpdateEditCopy(CCmdUI* ui)
{
    OnUpdateEditCut(ui);
}

void CMorvaneApp::OnEditCopy()
{
    SendToSelection(WM_COPY);
}

void CMorvaneApp::OnUpdateEditPaste(CCmdUI* ui)
{
    HWND focus;
    EditKind kind = FocusKind(focus);
    ui->Enable(TakesText(focus, kind));
}

void CMorvaneApp::OnEditPaste()
{
    SendToSelection(WM_PASTE);
}

void CMorvaneApp::OnUpdateEditClear(CCmdUI* ui)
{
    HWND focus;
    EditKind kind = FocusKind(focus);
    ui->Enable(kind != EditKind::Combo && HasSelection(focus, kind));
}

void CMorvaneApp::OnEditClear()
{
    HWND focus;
    EditKind kind = FocusKind(focus);
    if (kind == EditKind::Edit || kind == EditKind::RichEdit)
        ::SendMessageA(focus, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
}

void CMorvaneApp::OnUpdateEditSelectAll(CCmdUI* ui)
{
    OnUpdateEditPaste(ui);
}

void CMorvaneApp::OnEditSelectAll()
{
    HWND focus;
    switch (FocusKind(focus)) {
    case EditKind::Edit:
        ::SendMessageA(focus, EM_SETSEL, 0, -1);
        ::SendMessageA(focus, EM_SCROLLCARET, 0, 0);
        break;
    case EditKind::Combo:
        ::SendMessageA(focus, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        break;
    case EditKind::RichEdit: {
        CHARRANGE all{0, -1};
        ::SendMessageA(focus, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
        break;
    }
    default:
        break;
    }
}

void CMorvaneApp::OnHelpFinder()
{
    // The shell is handed the path itself, not a command line, so it goes unquoted.
    CString path = UDirectoryUtils::GetAppDirectory();
    path += "help.chm";
    UShellUtils::Open(path);
}
