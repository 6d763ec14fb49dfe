#pragma once
// Resources held as data: each library registers its menus, string tables,
// accelerator tables and tool-bar layouts by id when it loads. Ids are process-wide;
// the first registration of an id wins.
#include "win32/Messages.h"

#include <string>
#include <utility>
#include <vector>

// Spelled exactly as in win32/Icon.h, so that both headers may define them.
#ifndef MAKEINTRESOURCEA
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(static_cast<WORD>(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IS_INTRESOURCE(p) ((reinterpret_cast<uintptr_t>(p) >> 16) == 0)
#endif

// A resource name: MAKEINTRESOURCE(id) or a text naming the id in decimal ("#128").
UINT MvResourceId(LPCSTR name);

struct MvMenuItemTemplate {
    MvMenuItemTemplate(std::string text_, UINT id_ = 0, UINT flags_ = 0, std::vector<MvMenuItemTemplate> popup_ = {})
        : text(std::move(text_)), id(id_), flags(flags_), popup(std::move(popup_)) {}
    std::string text;                       // "&File", "Cu&t\tCtrl+X"
    UINT id = 0;                            // command id; 0 with MF_SEPARATOR
    UINT flags = 0;                         // MF_SEPARATOR, MF_GRAYED, MF_CHECKED, ...
    std::vector<MvMenuItemTemplate> popup;  // a sub-menu when not empty
};
bool MvRegisterMenu(UINT id, std::vector<MvMenuItemTemplate> items);
const std::vector<MvMenuItemTemplate>* MvFindMenuResource(LPCSTR name);

bool MvRegisterString(UINT id, const char* text);
int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int max);
inline int LoadString(HINSTANCE instance, UINT id, LPSTR buffer, int max) { return LoadStringA(instance, id, buffer, max); }
// The string's text, or null when there is none.
const char* MvFindString(UINT id);

#define FVIRTKEY 0x01
#define FNOINVERT 0x02
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10
struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};
bool MvRegisterAccelerators(UINT id, std::vector<ACCEL> table);
HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR name);
HACCEL CreateAcceleratorTableA(const ACCEL* entries, int count);
BOOL DestroyAcceleratorTable(HACCEL table);
// A key message matching the table becomes WM_COMMAND (HIWORD(wParam) 1) sent to hwnd.
// The state of Shift, Ctrl and Alt comes from MvSetKeyState.
int TranslateAcceleratorA(HWND hwnd, HACCEL table, LPMSG msg);
#define LoadAccelerators LoadAcceleratorsA
#define TranslateAccelerator TranslateAcceleratorA
#define CreateAcceleratorTable CreateAcceleratorTableA
// Keyboard state for tests and backends: which of VK_SHIFT, VK_CONTROL, VK_MENU are down.
void MvSetKeyState(int virtualKey, bool down);
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);

// A tool bar's buttons in order; 0 stands for a separator.
bool MvRegisterToolBar(UINT id, std::vector<UINT> buttons);
const std::vector<UINT>* MvFindToolBar(UINT id);
