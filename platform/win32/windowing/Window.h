#pragma once
// Windows: classes, creation and destruction, the parent/child tree, visibility,
// enabling, focus, capture, rectangles and painting state. Every piece of state
// lives in the window's model so that a display backend can observe it.
#include "win32/Messages.h"

using ATOM = WORD;

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
};
struct WNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};
using WNDCLASS = WNDCLASSA;
using WNDCLASSEX = WNDCLASSEXA;

// Classes. Names compare without regard to case; registering a name twice fails.
ATOM RegisterClassA(const WNDCLASSA* wc);
ATOM RegisterClassExA(const WNDCLASSEXA* wc);
BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, WNDCLASSA* wc);
int GetClassNameA(HWND hwnd, LPSTR buffer, int size);
#define RegisterClass RegisterClassA
#define RegisterClassEx RegisterClassExA
#define UnregisterClass UnregisterClassA
#define GetClassInfo GetClassInfoA
#define GetClassName GetClassNameA

// Creation and destruction. For a child, hMenu carries the control id.
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
#define CreateWindowEx CreateWindowExA
#define CreateWindowA(c, n, s, x, y, w, h, p, m, i, l) CreateWindowExA(0, c, n, s, x, y, w, h, p, m, i, l)
#define CreateWindow CreateWindowA
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
// Calls hook(hwnd, context) for the next window the calling thread creates, before
// its first message, so a class library can attach its object and subclass it.
void MvHookNextWindow(void (*hook)(HWND, void*), void* context);

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
#define DefWindowProc DefWindowProcA
#define CallWindowProc CallWindowProcA

LONG GetWindowLongA(HWND hwnd, int index);
LONG SetWindowLongA(HWND hwnd, int index, LONG value);
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
#define GetWindowLong GetWindowLongA
#define SetWindowLong SetWindowLongA
#define GetWindowLongPtr GetWindowLongPtrA
#define SetWindowLongPtr SetWindowLongPtrA

BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data);
HANDLE GetPropA(HWND hwnd, LPCSTR name);
HANDLE RemovePropA(HWND hwnd, LPCSTR name);
#define SetProp SetPropA
#define GetProp GetPropA
#define RemoveProp RemovePropA

// Text (sent as WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH).
BOOL SetWindowTextA(HWND hwnd, LPCSTR text);
int GetWindowTextA(HWND hwnd, LPSTR buffer, int size);
int GetWindowTextLengthA(HWND hwnd);
#define SetWindowText SetWindowTextA
#define GetWindowText GetWindowTextA
#define GetWindowTextLength GetWindowTextLengthA

// The tree.
HWND GetParent(HWND hwnd);
HWND SetParent(HWND child, HWND newParent);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetTopWindow(HWND hwnd);
HWND GetAncestor(HWND hwnd, UINT flags);
#define GA_PARENT 1
#define GA_ROOT 2
#define GA_ROOTOWNER 3
BOOL IsChild(HWND parent, HWND hwnd);
int GetDlgCtrlID(HWND hwnd);
HWND GetDlgItem(HWND dialog, int id);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);
HWND FindWindowA(LPCSTR className, LPCSTR windowName);
#define FindWindow FindWindowA
HWND GetDesktopWindow();
DWORD GetWindowThreadProcessId(HWND hwnd, LPDWORD processId);
BOOL AttachThreadInput(DWORD idAttach, DWORD idAttachTo, BOOL attach);

// Visibility, state, enabling.
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);

// Focus, activation, capture. Kept per thread.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND GetActiveWindow();
HWND SetActiveWindow(HWND hwnd);
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND hwnd);
BOOL BringWindowToTop(HWND hwnd);
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// Rectangles and positions. A child's rectangle is kept in its parent's client
// coordinates, a top-level window's in screen coordinates.
BOOL GetWindowRect(HWND hwnd, LPRECT rect);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL ClientToScreen(HWND hwnd, LPPOINT point);
BOOL ScreenToClient(HWND hwnd, LPPOINT point);
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);
HWND WindowFromPoint(POINT point);
HWND ChildWindowFromPoint(HWND parent, POINT point);
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);

// Painting state: the update region is kept as its bounding rectangle.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
#define RDW_INVALIDATE 0x0001
#define RDW_ERASE 0x0004
#define RDW_ALLCHILDREN 0x0080
#define RDW_UPDATENOW 0x0100
BOOL LockWindowUpdate(HWND hwnd);
HWND MvGetLockedWindow();                 // the window LockWindowUpdate froze, or null

HMENU GetMenu(HWND hwnd);
BOOL SetMenu(HWND hwnd, HMENU menu);      // declared here, menus themselves in Menu.h
BOOL DrawMenuBar(HWND hwnd);

// System metrics of the headless screen.
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CYMENU 15
#define SM_CXFULLSCREEN 16
#define SM_CYFULLSCREEN 17
#define SM_CXMIN 28
#define SM_CYMIN 29
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_CXSMICON 49
#define SM_CYSMICON 50
#define SM_CYSMCAPTION 51
int GetSystemMetrics(int index);
LONG GetDialogBaseUnits();
