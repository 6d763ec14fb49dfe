#include "afx/windows/CWinApp.h"

#include "afx/windows/CWnd.h"
#include "win32/gdi/Icon.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/dialogs/Resources.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

void CWinApp::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

namespace {
CWinApp* gApp = nullptr;
}

CWinApp::CWinApp(LPCTSTR appName)
{
    if (appName) {
        m_appName = appName;
        m_pszAppName = m_appName;
    }
    if (!gApp) gApp = this;
}

CWinApp::CWinApp(const CWinApp& other) : CCmdTarget(other)
{
    *this = other;
}

CWinApp& CWinApp::operator=(const CWinApp& other)
{
    if (this == &other) return *this;
    m_appName = other.m_appName;
    m_pszAppName = other.m_pszAppName ? m_appName.GetString() : nullptr;
    SetRegistryKey(other.m_pszRegistryKey);
    if (!other.m_pszRegistryKey) m_pszRegistryKey = nullptr;
    m_pszProfileName = other.m_pszProfileName;
    m_hInstance = other.m_hInstance;
    m_pszExeName = other.m_pszExeName;
    m_lpCmdLine = other.m_lpCmdLine;
    m_nCmdShow = other.m_nCmdShow;
    return *this;
}

CWinApp::~CWinApp()
{
    if (gApp == this) {
        gApp = nullptr;
        MvSetPreTranslateHook(nullptr);
    }
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return m_exitCode;
}

CWnd* CWinApp::GetMainWnd()
{
    return m_pMainWnd;
}

void CWinApp::SetRegistryKey(LPCTSTR key)
{
    m_registryKey = key ? key : "";
    m_pszRegistryKey = m_registryKey;
}

HICON CWinApp::LoadIcon(UINT id) const
{
    return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(id));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR name) const
{
    return ::LoadIconA(nullptr, name);
}

HCURSOR CWinApp::LoadCursor(UINT id) const
{
    return ::LoadCursorA(m_hInstance, MAKEINTRESOURCEA(id));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR name) const
{
    return ::LoadCursorA(nullptr, name);
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, msg);
}

BOOL CWinApp::OnIdle(LONG count)
{
    if (count == 0 && m_pMainWnd && m_pMainWnd->m_hWnd) {
        // Tool bars and status panes ask their update handlers.
        m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
    }
    AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinApp::PumpMessage()
{
    MSG msg;
    if (!::GetMessageA(&msg, nullptr, 0, 0)) {
        m_exitCode = static_cast<int>(msg.wParam);
        return FALSE;
    }
    if (!msg.hwnd && !(msg.message == WM_TIMER && msg.lParam)) return TRUE;
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

int CWinApp::Run()
{
    for (;;) {
        LONG idle = 0;
        MSG peek;
        while (!::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE) && OnIdle(idle++)) {
        }
        if (!PumpMessage()) return ExitInstance();
    }
}

int CWinApp::DoMessageBox(LPCTSTR text, UINT type, UINT)
{
    CWnd* main = AfxGetMainWnd();
    return ::MessageBoxA(main ? main->m_hWnd : nullptr, text, m_pszAppName ? m_pszAppName : "", type);
}

CWinApp* AfxGetApp()
{
    return gApp;
}

CWnd* AfxGetMainWnd()
{
    return gApp ? gApp->GetMainWnd() : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return gApp ? gApp->m_hInstance : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

LPCTSTR AfxGetAppName()
{
    return gApp && gApp->m_pszAppName ? gApp->m_pszAppName : "";
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT helpId)
{
    if (gApp) return gApp->DoMessageBox(text, type, helpId);
    return ::MessageBoxA(nullptr, text, "", type);
}

int AfxMessageBox(UINT textId, UINT type, UINT helpId)
{
    const char* text = MvFindString(textId);
    return AfxMessageBox(text ? text : "", type, helpId);
}

void AfxEnableControlContainer() {}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    MvSetPreTranslateHook([app](MSG& msg) { return app->PreTranslateMessage(&msg) != FALSE; });
    if (!app->InitInstance()) {
        if (app->m_pMainWnd && app->m_pMainWnd->m_hWnd) app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}

void AfxMainWindowGone(CWnd* wnd)
{
    if (gApp && gApp->m_pMainWnd == wnd) {
        gApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}
