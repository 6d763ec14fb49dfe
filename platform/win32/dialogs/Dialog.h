#pragma once
// Dialogs built from templates held as data: control classes, ids, captions,
// styles and rectangles in dialog units, written down as each dialog gives them.
#include "win32/Messages.h"

#include <functional>
#include <string>
#include <vector>

#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_3DLOOK 0x0004L
#define DS_FIXEDSYS 0x0008L
#define DS_NOFAILCREATE 0x0010L
#define DS_LOCALEDIT 0x20L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_NOIDLEMSG 0x100L
#define DS_SETFOREGROUND 0x200L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// The class of dialog windows.
#define WC_DIALOG "#32770"

struct MvDialogItem {
    std::string className;        // "Button", "Static", "Edit", "ComboBox", "msctls_trackbar32", ...
    std::string text;
    int id = 0;
    DWORD style = 0;              // WS_CHILD is implied; give WS_VISIBLE (and WS_TABSTOP) for a shown control,
                                  // as a resource script's defaults do; -1 (IDC_STATIC) suits ids of labels
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;   // dialog units
};

struct MvDialogTemplate {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;   // the client area, in dialog units
    std::string caption;
    std::string fontName = "MS Shell Dlg";
    WORD fontSize = 8;
    std::vector<MvDialogItem> items;
};

// Templates by resource id; the first registration of an id wins.
bool MvRegisterDialog(UINT id, MvDialogTemplate dialogTemplate);
const MvDialogTemplate* MvFindDialog(LPCSTR name);

HWND CreateDialogIndirectParamA(HINSTANCE instance, const MvDialogTemplate* dialogTemplate, HWND parent, DLGPROC proc,
                                LPARAM param);
HWND CreateDialogParamA(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param);
// Modal: disables the owner, runs a loop until EndDialog, answers its result (-1 on failure).
INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const MvDialogTemplate* dialogTemplate, HWND parent, DLGPROC proc,
                                LPARAM param);
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);
LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
BOOL MapDialogRect(HWND dialog, LPRECT rect);
// Dialog keys: Tab and Shift+Tab move the focus, Enter presses the default button,
// Escape sends IDCANCEL. True when msg was such a key for this dialog.
BOOL IsDialogMessageA(HWND dialog, LPMSG msg);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int max);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
BOOL CheckRadioButton(HWND dialog, int first, int last, int check);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
#define CreateDialogIndirectParam CreateDialogIndirectParamA
#define CreateDialogParam CreateDialogParamA
#define DialogBoxIndirectParam DialogBoxIndirectParamA
#define DialogBoxParam DialogBoxParamA
#define DefDlgProc DefDlgProcA
#define IsDialogMessage IsDialogMessageA
#define SetDlgItemText SetDlgItemTextA
#define GetDlgItemText GetDlgItemTextA
#define SendDlgItemMessage SendDlgItemMessageA

// Modal dialogs in tests and backends: once a modal dialog is shown, the next
// scripted action (else the handler) runs with it, just before its loop starts
// waiting; it can click, type, post or end the dialog as a user would. With
// neither, the loop waits for whatever ends the dialog.
using MvModalAction = std::function<void(HWND dialog)>;
void MvScriptModal(MvModalAction action);
void MvSetModalHandler(MvModalAction handler);
// Called by every modal loop once its dialog is shown.
void MvModalStarted(HWND dialog);
// Modal loops on this thread that are running now, innermost last.
std::vector<HWND> MvRunningModals();
void MvModalEnded(HWND dialog);
