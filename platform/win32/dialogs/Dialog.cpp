#include "win32/dialogs/Dialog.h"

#include "win32/controls/CtlMessages.h"
#include "win32/fonts/Font.h"
#include "win32/gdi/Gdi.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/dialogs/Resources.h"
#include "win32/windowing/UserState.h"
#include "win32/windowing/Window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>

using mvuser::Guard;
using mvuser::Lock;

namespace {

struct State {
    std::map<UINT, MvDialogTemplate> templates;
    std::deque<MvModalAction> script;
    MvModalAction handler;
};

State& S()
{
    static State* state = new State;
    return *state;
}

thread_local std::vector<HWND> tModals;

// Per-dialog bookkeeping kept in window properties.
constexpr const char* kEnded = "MvDlgEnded";
constexpr const char* kResult = "MvDlgResult";
constexpr const char* kDefId = "MvDlgDefId";
constexpr const char* kFont = "MvDlgFont";

// The template's font, owned by the dialog and given to every control.
HFONT MakeFont(const MvDialogTemplate& t)
{
    int height = -(static_cast<int>(t.fontSize) * 96 + 36) / 72;
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH, t.fontName.c_str());
}

void RegisterDialogClass()
{
    static bool once = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS | CS_SAVEBITS;
        wc.lpfnWndProc = DefDlgProcA;
        wc.cbWndExtra = DLGWINDOWEXTRA;
        wc.lpszClassName = WC_DIALOG;
        return RegisterClassA(&wc) != 0;
    }();
    (void)once;
}

RECT ToPixels(short x, short y, short cx, short cy)
{
    LONG units = GetDialogBaseUnits();
    int bx = LOWORD(units), by = HIWORD(units);
    return RECT{x * bx / 4, y * by / 8, (x + cx) * bx / 4, (y + cy) * by / 8};
}

bool IsTabStop(HWND h)
{
    LONG style = GetWindowLongA(h, GWL_STYLE);
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

HWND FirstTabStop(HWND dialog)
{
    return GetNextDlgTabItem(dialog, nullptr, FALSE);
}

// The dialog's controls in template order (creation order is the tab order).
std::vector<HWND> Controls(HWND dialog)
{
    std::vector<HWND> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    std::reverse(out.begin(), out.end());
    return out;
}

bool IsControlParent(HWND h)
{
    return (GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsWindowVisible(h) && IsWindowEnabled(h);
}

// The tab order: a child that is itself a control parent (a page) contributes its controls.
void Flatten(HWND parent, std::vector<HWND>& out)
{
    for (HWND c : Controls(parent)) {
        if (IsControlParent(c)) Flatten(c, out);
        else out.push_back(c);
    }
}

// The outermost dialog whose pages the focus may move through.
HWND TabRoot(HWND dialog)
{
    while ((GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD) && GetParent(dialog) && IsControlParent(GetParent(dialog)))
        dialog = GetParent(dialog);
    return dialog;
}

UINT DefaultId(HWND dialog)
{
    LRESULT r = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(r) == DC_HASDEFID ? LOWORD(r) : IDOK;
}

void Press(HWND dialog, UINT id)
{
    HWND button = GetDlgItem(dialog, static_cast<int>(id));
    if (button && !IsWindowEnabled(button)) return;
    SendMessageA(dialog, WM_COMMAND, MAKELONG(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

} // namespace

bool MvRegisterDialog(UINT id, MvDialogTemplate dialogTemplate)
{
    Guard guard(Lock());
    return S().templates.emplace(id, std::move(dialogTemplate)).second;
}

const MvDialogTemplate* MvFindDialog(LPCSTR name)
{
    Guard guard(Lock());
    auto it = S().templates.find(MvResourceId(name));
    return it == S().templates.end() ? nullptr : &it->second;
}

BOOL MapDialogRect(HWND, LPRECT rect)
{
    if (!rect) return FALSE;
    *rect = ToPixels(static_cast<short>(rect->left), static_cast<short>(rect->top),
                     static_cast<short>(rect->right - rect->left), static_cast<short>(rect->bottom - rect->top));
    return TRUE;
}

HWND CreateDialogIndirectParamA(HINSTANCE instance, const MvDialogTemplate* t, HWND parent, DLGPROC proc, LPARAM param)
{
    if (!t) return nullptr;
    RegisterDialogClass();
    DWORD style = t->style;
    bool child = (style & WS_CHILD) != 0;
    RECT client = ToPixels(t->x, t->y, t->cx, t->cy);
    RECT frame{0, 0, client.right - client.left, client.bottom - client.top};
    AdjustWindowRectEx(&frame, style & ~WS_VISIBLE, FALSE, t->exStyle);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    POINT at{client.left, client.top};
    if (!child && parent) ClientToScreen(parent, &at);
    if (style & DS_CENTER) {
        RECT area;
        GetWindowRect(child ? parent : (parent ? GetAncestor(parent, GA_ROOT) : nullptr), &area);
        at.x = area.left + (area.right - area.left - width) / 2;
        at.y = area.top + (area.bottom - area.top - height) / 2;
        if (child && parent) ScreenToClient(parent, &at);
    }
    HWND dialog = CreateWindowExA(t->exStyle | WS_EX_CONTROLPARENT, WC_DIALOG, t->caption.c_str(), style & ~WS_VISIBLE,
                                  at.x, at.y, width, height, parent, nullptr, instance, reinterpret_cast<LPVOID>(param));
    if (!dialog) return nullptr;
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    HFONT font = (style & DS_SETFONT) ? MakeFont(*t) : nullptr;
    if (font) {
        SetPropA(dialog, kFont, font);
        SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    for (const MvDialogItem& item : t->items) {
        RECT r = ToPixels(item.x, item.y, item.cx, item.cy);
        HWND control = CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(), item.text.c_str(),
                                       item.style | WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
                                       reinterpret_cast<HMENU>(static_cast<intptr_t>(item.id)), instance, nullptr);
        if (!control && !(style & DS_NOFAILCREATE)) {
            // A control whose class is missing fails the whole dialog.
            DestroyWindow(dialog);
            return nullptr;
        }
        if (control && font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    HWND first = FirstTabStop(dialog);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && IsWindow(dialog)) {
        if (HWND focus = FirstTabStop(dialog)) SetFocus(focus);
    }
    if (!IsWindow(dialog)) return nullptr;
    if ((style & WS_VISIBLE) && !GetPropA(dialog, kEnded)) ShowWindow(dialog, SW_SHOWNORMAL);
    return dialog;
}

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param)
{
    return CreateDialogIndirectParamA(instance, MvFindDialog(name), parent, proc, param);
}

INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const MvDialogTemplate* t, HWND parent, DLGPROC proc, LPARAM param)
{
    if (!t) return -1;
    HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    bool reenable = owner && IsWindowEnabled(owner);
    MvDialogTemplate shown = *t;
    shown.style |= WS_VISIBLE;
    if (reenable) EnableWindow(owner, FALSE);
    HWND dialog = CreateDialogIndirectParamA(instance, &shown, owner, proc, param);
    if (!dialog) {
        if (reenable) EnableWindow(owner, TRUE);
        return -1;
    }
    MvModalStarted(dialog);
    while (IsWindow(dialog) && !GetPropA(dialog, kEnded)) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    MvModalEnded(dialog);
    INT_PTR result = IsWindow(dialog) ? reinterpret_cast<INT_PTR>(GetPropA(dialog, kResult)) : IDCANCEL;
    if (reenable) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return result;
}

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param)
{
    return DialogBoxIndirectParamA(instance, MvFindDialog(name), parent, proc, param);
}

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    if (!IsWindow(dialog)) return FALSE;
    SetPropA(dialog, kResult, reinterpret_cast<HANDLE>(result));
    SetPropA(dialog, kEnded, reinterpret_cast<HANDLE>(1));
    ShowWindow(dialog, SW_HIDE);
    PostMessageA(dialog, WM_NULL, 0, 0);   // wakes the modal loop
    return TRUE;
}

LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog, DWLP_DLGPROC));
    if (proc) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
        INT_PTR handled = proc(dialog, message, wParam, lParam);
        if (message == WM_INITDIALOG) return handled;
        if (handled) return IsWindow(dialog) ? GetWindowLongPtrA(dialog, DWLP_MSGRESULT) : 0;
        if (!IsWindow(dialog)) return 0;
    }
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_CLOSE:
        Press(dialog, IDCANCEL);
        return 0;
    case DM_GETDEFID: {
        if (HANDLE id = GetPropA(dialog, kDefId)) return MAKELONG(reinterpret_cast<UINT_PTR>(id), DC_HASDEFID);
        for (HWND c : Controls(dialog))
            if (SendMessageA(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) return MAKELONG(GetDlgCtrlID(c), DC_HASDEFID);
        return 0;
    }
    case DM_SETDEFID:
        SetPropA(dialog, kDefId, reinterpret_cast<HANDLE>(wParam));
        return TRUE;
    case WM_NCDESTROY:
        if (HANDLE font = RemovePropA(dialog, kFont)) DeleteObject(font);
        return DefWindowProcA(dialog, message, wParam, lParam);
    case WM_NEXTDLGCTL: {
        HWND next = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
        if (next) SetFocus(next);
        return 0;
    }
    default:
        return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> all;
    Flatten(dialog, all);
    if (all.empty()) return nullptr;
    if (previous) std::reverse(all.begin(), all.end());
    auto start = std::find(all.begin(), all.end(), control);
    size_t n = all.size();
    size_t from = start == all.end() ? n - 1 : static_cast<size_t>(start - all.begin());
    for (size_t step = 1; step <= n; ++step) {
        HWND h = all[(from + step) % n];
        if (IsTabStop(h)) return h;
    }
    return nullptr;
}

BOOL IsDialogMessageA(HWND dialog, LPMSG msg)
{
    if (!msg || !IsWindow(dialog)) return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
    if (msg->message == WM_KEYDOWN) {
        LRESULT code = msg->hwnd != dialog ? SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)) : 0;
        if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) goto dispatch;
        switch (msg->wParam) {
        case VK_TAB:
            if (code & DLGC_WANTTAB) break;
            if (HWND next = GetNextDlgTabItem(TabRoot(dialog), GetFocus(), GetKeyState(VK_SHIFT) != 0)) SetFocus(next);
            return TRUE;
        case VK_RETURN:
            Press(dialog, DefaultId(dialog));
            return TRUE;
        case VK_ESCAPE:
            Press(dialog, IDCANCEL);
            return TRUE;
        default:
            break;
        }
    }
dispatch:
    // A control of the screen's toolkit types the key itself.
    if (MvOfferingNativeKey()) return FALSE;
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return TRUE;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text)
{
    return SetWindowTextA(GetDlgItem(dialog, id), text);
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int max)
{
    return static_cast<UINT>(GetWindowTextA(GetDlgItem(dialog, id), buffer, max));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned)
{
    char text[16];
    if (isSigned) std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    else std::snprintf(text, sizeof text, "%u", value);
    return SetDlgItemTextA(dialog, id, text);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned)
{
    char text[32] = {0};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    char* p = text;
    while (*p == ' ') ++p;
    char* end = nullptr;
    long long value = std::strtoll(p, &end, 10);
    while (end && *end == ' ') ++end;
    bool ok = *p && end && *end == 0 && (isSigned ? value >= INT32_MIN && value <= INT32_MAX
                                                   : value >= 0 && value <= static_cast<long long>(UINT32_MAX));
    if (translated) *translated = ok ? TRUE : FALSE;
    return ok ? static_cast<UINT>(value) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check)
{
    HWND button = GetDlgItem(dialog, id);
    if (!button) return FALSE;
    SendMessageA(button, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id)
{
    return static_cast<UINT>(SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int check)
{
    for (int id = first; id <= last; ++id) CheckDlgButton(dialog, id, id == check ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
}

void MvScriptModal(MvModalAction action)
{
    Guard guard(Lock());
    S().script.push_back(std::move(action));
}

void MvSetModalHandler(MvModalAction handler)
{
    Guard guard(Lock());
    S().handler = std::move(handler);
}

void MvModalStarted(HWND dialog)
{
    tModals.push_back(dialog);
    MvModalAction action;
    {
        Guard guard(Lock());
        if (!S().script.empty()) {
            action = std::move(S().script.front());
            S().script.pop_front();
        } else {
            action = S().handler;
        }
    }
    if (action) action(dialog);
}

void MvModalEnded(HWND dialog)
{
    auto it = std::find(tModals.begin(), tModals.end(), dialog);
    if (it != tModals.end()) tModals.erase(it);
}

std::vector<HWND> MvRunningModals()
{
    return tModals;
}
