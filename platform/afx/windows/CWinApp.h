#pragma once
// The application object: one per process, constructed statically; its Run loop
// drives the user-interface thread.
#include "afx/windows/AfxIds.h"
#include "afx/windows/CCmdTarget.h"
#include "afx/CString.h"

class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR appName = nullptr);
    // A copy is not the application: it keeps the names and no window.
    CWinApp(const CWinApp& other);
    CWinApp& operator=(const CWinApp& other);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL OnIdle(LONG count);
    virtual BOOL PreTranslateMessage(MSG* msg);
    // One message of the loop: false on WM_QUIT.
    virtual BOOL PumpMessage();
    virtual int DoMessageBox(LPCTSTR text, UINT type, UINT helpId);
    virtual CWnd* GetMainWnd();

    void SetRegistryKey(LPCTSTR key);
    // Icons and cursors by resource id from the application's module (win32/Icon.h).
    HICON LoadIcon(UINT id) const;
    HICON LoadStandardIcon(LPCTSTR name) const;
    HCURSOR LoadCursor(UINT id) const;
    HCURSOR LoadStandardCursor(LPCTSTR name) const;
    BOOL Enable3dControls() { return TRUE; }

    CWnd* m_pMainWnd = nullptr;
    // ID_APP_EXIT: closes the main window (which ends the loop).
    void OnAppExit();
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    int m_exitCode = 0;

protected:
    DECLARE_MESSAGE_MAP()

private:
    CString m_appName;
    CString m_registryKey;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
LPCTSTR AfxGetAppName();
int AfxMessageBox(LPCTSTR text, UINT type = 0, UINT helpId = 0);
int AfxMessageBox(UINT textId, UINT type = 0, UINT helpId = 0);
void AfxEnableControlContainer();
// Runs the application object: InitInstance, then Run (or ExitInstance when it failed).
int AfxWinMain();
// Called when an attached window is destroyed: the application forgets its main window and quits.
void AfxMainWindowGone(CWnd* wnd);
