#pragma once
// The shell's "open": xdg-open on the file or address, started without a shell.
// Nothing is ever executed: other verbs and executable files are refused.
#include "win32/Messages.h"

#include <functional>
#include <string>
#include <vector>

#define SE_ERR_FNF 2
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_NOASSOC 31

// Answers a value above 32 on success, else an SE_ERR_ code (as a handle value).
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show);
#define ShellExecute ShellExecuteA

// With a handler (tests, a backend) the target goes to it instead of xdg-open;
// its answer says whether it could be opened. Every open is recorded.
using MvShellOpenHandler = std::function<bool(const std::string& target)>;
void MvSetShellOpenHandler(MvShellOpenHandler handler);
std::vector<std::string> MvTakeShellOpens();

// Icons in the notification area, kept as a model that a backend shows.
#define NIM_ADD 0x00000000
#define NIM_MODIFY 0x00000001
#define NIM_DELETE 0x00000002
#define NIF_MESSAGE 0x00000001
#define NIF_ICON 0x00000002
#define NIF_TIP 0x00000004
struct NOTIFYICONDATAA {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    CHAR szInfo[256];
    UINT uTimeout;
    CHAR szInfoTitle[64];
    DWORD dwInfoFlags;
};
using PNOTIFYICONDATAA = NOTIFYICONDATAA*;
BOOL Shell_NotifyIconA(DWORD message, PNOTIFYICONDATAA data);
#define Shell_NotifyIcon Shell_NotifyIconA

struct MvTrayIcon {
    HWND owner;
    UINT id;
    UINT callbackMessage;
    HICON icon;
    std::string tip;
};
std::vector<MvTrayIcon> MvTrayIcons();
// A user's mouse action on a tray icon: its callback message goes to the owner
// (wParam the icon id, lParam the mouse message, e.g. WM_LBUTTONDBLCLK).
BOOL MvClickTrayIcon(HWND owner, UINT id, UINT mouseMessage);

// Files dropped on a window: WM_DROPFILES carries an HDROP in wParam.
void DragAcceptFiles(HWND hwnd, BOOL accept);
// index 0xFFFFFFFF: the number of files; a null buffer: the length of name index.
UINT DragQueryFileA(HDROP drop, UINT index, LPSTR buffer, UINT size);
BOOL DragQueryPoint(HDROP drop, LPPOINT point);
void DragFinish(HDROP drop);
#define DragQueryFile DragQueryFileA
// A user's drop of paths on hwnd at point (client coordinates): posts WM_DROPFILES to
// the window, or its nearest ancestor, that accepts files. False when none does.
BOOL MvDropFiles(HWND hwnd, const std::vector<std::string>& paths, POINT point);
