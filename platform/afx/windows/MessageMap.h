#pragma once
// Message maps: static tables that route window messages, commands, command-UI
// updates and notifications to member functions. Handlers are named unqualified:
//   BEGIN_MESSAGE_MAP(CMyDialog, CDialog)
//       ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
//       ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_SLIDER, OnReleasedCapture)
//   END_MESSAGE_MAP()
#include "afx/CPoint.h"
#include "win32/Messages.h"

#include <tuple>
#include <type_traits>

class CCmdTarget;
class CCmdUI;
class CWnd;
struct DRAWITEMSTRUCT;
struct MEASUREITEMSTRUCT;

// Command-target codes: plain commands, update requests; notifications are
// passed as MAKELONG(code, WM_NOTIFY).
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (-1)
// Messages a child reflects back to itself sit above this base.
#define MV_REFLECT_BASE 0xBC00
// The pseudo message of update handlers in a map.
#define MV_UPDATE_COMMAND_UI 0xBBFF

struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

struct MvMsgCall {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;
    void* extra;        // CCmdUI* for update handlers
    LRESULT* result;
};

struct MvMsgEntry;
using MvMsgThunk = bool (*)(CCmdTarget* target, MvMsgCall& call);

struct MvMsgEntry {
    UINT message;       // 0 ends the table
    UINT code;          // control notification code (low word), or 0
    UINT firstId;
    UINT lastId;
    MvMsgThunk thunk;
};

struct MvMessageMap {
    const MvMessageMap* (*base)();
    const MvMsgEntry* entries;
};

struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    const MvMsgEntry* pEntry;
};

namespace mvafx {

template <class P> struct ArgsOf;
template <class C, class R, class... A> struct ArgsOf<R (C::*)(A...)> { using type = std::tuple<A...>; };
// The class a handler's n-th parameter points to (CDC, CScrollBar, ...), named only where the map is used.
template <auto P, size_t N> using PointeeOf = std::remove_pointer_t<std::tuple_element_t<N, typename ArgsOf<decltype(P)>::type>>;

template <class P> struct ClassOf;
template <class C, class R, class... A> struct ClassOf<R (C::*)(A...)> { using type = C; };
template <class C, class R, class... A> struct ClassOf<R (C::*)(A...) const> { using type = C; };
template <auto P> auto* Obj(CCmdTarget* t) { return static_cast<typename ClassOf<decltype(P)>::type*>(t); }

CWnd* WndFromHandle(HWND hwnd);
CPoint PointOf(LPARAM lParam);

template <auto P> bool Message(CCmdTarget* t, MvMsgCall& c) { *c.result = (Obj<P>(t)->*P)(c.wParam, c.lParam); return true; }
template <auto P> bool Command(CCmdTarget* t, MvMsgCall&) { (Obj<P>(t)->*P)(); return true; }
template <auto P> bool CommandRange(CCmdTarget* t, MvMsgCall& c) { (Obj<P>(t)->*P)(c.id); return true; }
template <auto P> bool CommandEx(CCmdTarget* t, MvMsgCall& c) { return (Obj<P>(t)->*P)(c.id) != 0; }
template <auto P> bool ReflectEx(CCmdTarget* t, MvMsgCall&) { return (Obj<P>(t)->*P)() != 0; }
bool UpdateContinues(void* cmdUI);
template <auto P> bool Update(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<CCmdUI*>(c.extra));
    return !UpdateContinues(c.extra);
}
template <auto P> bool UpdateRange(CCmdTarget* t, MvMsgCall& c) { return Update<P>(t, c); }
template <auto P> bool Notify(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(reinterpret_cast<NMHDR*>(c.lParam), c.result);
    return true;
}
template <auto P> bool NotifyRange(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(c.id, reinterpret_cast<NMHDR*>(c.lParam), c.result);
    return true;
}
template <auto P> bool NotifyEx(CCmdTarget* t, MvMsgCall& c)
{
    return (Obj<P>(t)->*P)(reinterpret_cast<NMHDR*>(c.lParam), c.result) != 0;
}
template <auto P> bool Void(CCmdTarget* t, MvMsgCall& c) { (Obj<P>(t)->*P)(); *c.result = 0; return true; }
template <auto P> bool Create(CCmdTarget* t, MvMsgCall& c)
{
    *c.result = (Obj<P>(t)->*P)(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
    return true;
}
template <auto P> bool Size(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<UINT>(c.wParam), static_cast<SHORT>(LOWORD(c.lParam)), static_cast<SHORT>(HIWORD(c.lParam)));
    *c.result = 0;
    return true;
}
template <auto P> bool Move(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<SHORT>(LOWORD(c.lParam)), static_cast<SHORT>(HIWORD(c.lParam)));
    *c.result = 0;
    return true;
}
template <auto P> bool Timer(CCmdTarget* t, MvMsgCall& c) { (Obj<P>(t)->*P)(c.wParam); *c.result = 0; return true; }
template <auto P> bool Focus(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(WndFromHandle(reinterpret_cast<HWND>(c.wParam)));
    *c.result = 0;
    return true;
}
template <auto P> bool ShowWindow(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam));
    *c.result = 0;
    return true;
}
template <auto P> bool Key(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));
    *c.result = 0;
    return true;
}
template <auto P> bool Mouse(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<UINT>(c.wParam), PointOf(c.lParam));
    *c.result = 0;
    return true;
}
template <auto P> bool SysCommand(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<UINT>(c.wParam), c.lParam);
    *c.result = 0;
    return true;
}
template <auto P> bool Enable(CCmdTarget* t, MvMsgCall& c) { (Obj<P>(t)->*P)(static_cast<BOOL>(c.wParam)); *c.result = 0; return true; }
template <auto P> bool Activate(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(LOWORD(c.wParam), WndFromHandle(reinterpret_cast<HWND>(c.lParam)), HIWORD(c.wParam));
    *c.result = 0;
    return true;
}
template <auto P> bool ContextMenu(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(WndFromHandle(reinterpret_cast<HWND>(c.wParam)), PointOf(c.lParam));
    *c.result = 0;
    return true;
}
template <auto P> bool GetMinMaxInfo(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(reinterpret_cast<MINMAXINFO*>(c.lParam));
    *c.result = 0;
    return true;
}
template <auto P> bool WindowPos(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(reinterpret_cast<WINDOWPOS*>(c.lParam));
    *c.result = 0;
    return true;
}
template <auto P> bool DrawItem(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<int>(c.wParam), reinterpret_cast<DRAWITEMSTRUCT*>(c.lParam));
    *c.result = TRUE;
    return true;
}
template <auto P> bool MeasureItem(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<int>(c.wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(c.lParam));
    *c.result = TRUE;
    return true;
}
template <auto P> bool DeviceChange(CCmdTarget* t, MvMsgCall& c)
{
    *c.result = (Obj<P>(t)->*P)(static_cast<UINT>(c.wParam), static_cast<DWORD_PTR>(c.lParam));
    return true;
}
template <auto P> bool InitMenuPopup(CCmdTarget* t, MvMsgCall& c);   // defined in afx/CMenu.h
template <auto P> bool EraseBkgnd(CCmdTarget* t, MvMsgCall& c)
{
    *c.result = (Obj<P>(t)->*P)(PointeeOf<P, 0>::FromHandle(reinterpret_cast<HDC>(c.wParam)));
    return true;
}
template <auto P> bool CtlColor(CCmdTarget* t, MvMsgCall& c)
{
    HBRUSH brush = (Obj<P>(t)->*P)(PointeeOf<P, 0>::FromHandle(reinterpret_cast<HDC>(c.wParam)),
                                   WndFromHandle(reinterpret_cast<HWND>(c.lParam)), c.message - WM_CTLCOLORMSGBOX);
    *c.result = reinterpret_cast<LRESULT>(brush);
    return true;
}
// A reflected colour request: a null brush leaves it to the parent.
template <auto P> bool CtlColorReflect(CCmdTarget* t, MvMsgCall& c)
{
    HBRUSH brush = (Obj<P>(t)->*P)(PointeeOf<P, 0>::FromHandle(reinterpret_cast<HDC>(c.wParam)),
                                   c.message - MV_REFLECT_BASE - WM_CTLCOLORMSGBOX);
    *c.result = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
}
template <auto P> bool Scroll(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(LOWORD(c.wParam), static_cast<SHORT>(HIWORD(c.wParam)),
                    reinterpret_cast<PointeeOf<P, 2>*>(WndFromHandle(reinterpret_cast<HWND>(c.lParam))));
    *c.result = 0;
    return true;
}
template <auto P> bool ScrollReflect(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(LOWORD(c.wParam), static_cast<SHORT>(HIWORD(c.wParam)));
    *c.result = 0;
    return true;
}
template <auto P> bool SetCursor(CCmdTarget* t, MvMsgCall& c)
{
    *c.result = (Obj<P>(t)->*P)(WndFromHandle(reinterpret_cast<HWND>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam));
    return true;
}
template <auto P> bool DropFiles(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(reinterpret_cast<HDROP>(c.wParam));
    *c.result = 0;
    return true;
}
template <auto P> bool QueryDragIcon(CCmdTarget* t, MvMsgCall& c)
{
    *c.result = reinterpret_cast<LRESULT>((Obj<P>(t)->*P)());
    return true;
}

} // namespace mvafx

#define DECLARE_MESSAGE_MAP()                                                                                        \
protected:                                                                                                           \
    static const MvMessageMap* GetThisMessageMap();                                                                  \
    const MvMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                       \
    const MvMessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }                             \
    const MvMessageMap* theClass::GetThisMessageMap()                                                                \
    {                                                                                                                \
        typedef theClass ThisClass;                                                                                  \
        typedef baseClass TheBaseClass;                                                                              \
        static_assert(sizeof(ThisClass) > 0);                                                                        \
        static const MvMsgEntry entries[] = {

#define END_MESSAGE_MAP()                                                                                            \
    {0, 0, 0, 0, nullptr}                                                                                            \
    }                                                                                                                \
    ;                                                                                                                \
    static const MvMessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                                    \
    return &map;                                                                                                     \
    }

#define MV_ENTRY(message, code, first, last, thunk, fn) {static_cast<UINT>(message), static_cast<UINT>(static_cast<WORD>(code)), static_cast<UINT>(first), static_cast<UINT>(last), &mvafx::thunk<&ThisClass::fn>},

#define ON_MESSAGE(message, fn) MV_ENTRY(message, 0, 0, 0, Message, fn)
#define ON_COMMAND(id, fn) MV_ENTRY(WM_COMMAND, CN_COMMAND, id, id, Command, fn)
#define ON_COMMAND_EX(id, fn) MV_ENTRY(WM_COMMAND, CN_COMMAND, id, id, CommandEx, fn)
#define ON_COMMAND_RANGE(first, last, fn) MV_ENTRY(WM_COMMAND, CN_COMMAND, first, last, CommandRange, fn)
#define ON_UPDATE_COMMAND_UI(id, fn) MV_ENTRY(MV_UPDATE_COMMAND_UI, 0, id, id, Update, fn)
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn) MV_ENTRY(MV_UPDATE_COMMAND_UI, 0, first, last, UpdateRange, fn)
#define ON_CONTROL(code, id, fn) MV_ENTRY(WM_COMMAND, code, id, id, Command, fn)
#define ON_CONTROL_RANGE(code, first, last, fn) MV_ENTRY(WM_COMMAND, code, first, last, CommandRange, fn)
#define ON_NOTIFY(code, id, fn) MV_ENTRY(WM_NOTIFY, code, id, id, Notify, fn)
#define ON_NOTIFY_RANGE(code, first, last, fn) MV_ENTRY(WM_NOTIFY, code, first, last, NotifyRange, fn)
#define ON_NOTIFY_EX(code, id, fn) MV_ENTRY(WM_NOTIFY, code, id, id, NotifyEx, fn)
#define ON_CONTROL_REFLECT(code, fn) MV_ENTRY(MV_REFLECT_BASE + WM_COMMAND, code, 0, 0, Command, fn)
#define ON_NOTIFY_REFLECT(code, fn) MV_ENTRY(MV_REFLECT_BASE + WM_NOTIFY, code, 0, 0, Notify, fn)
#define ON_NOTIFY_REFLECT_EX(code, fn) MV_ENTRY(MV_REFLECT_BASE + WM_NOTIFY, code, 0, 0, NotifyEx, fn)
// BOOL fn(): TRUE keeps the notification from the parent.
#define ON_CONTROL_REFLECT_EX(code, fn) MV_ENTRY(MV_REFLECT_BASE + WM_COMMAND, code, 0, 0, ReflectEx, fn)

// Control notifications by name (codes as the controls send them).
#define ON_BN_CLICKED(id, fn) ON_CONTROL(0, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(5, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(0x0100, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(0x0200, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(0x0300, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(0x0400, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(1, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(2, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(3, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(4, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(5, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(6, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(7, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(8, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(9, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(10, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(1, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(2, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(0, id, fn)
#define ON_BN_CLICKED_REFLECT(fn) ON_CONTROL_REFLECT(0, fn)
#define ON_CBN_SELCHANGE_REFLECT(fn) ON_CONTROL_REFLECT(1, fn)
#define ON_CBN_KILLFOCUS_REFLECT(fn) ON_CONTROL_REFLECT(4, fn)
#define ON_CBN_EDITCHANGE_REFLECT(fn) ON_CONTROL_REFLECT(5, fn)
#define ON_CBN_SELENDOK_REFLECT(fn) ON_CONTROL_REFLECT(9, fn)
#define ON_EN_CHANGE_REFLECT(fn) ON_CONTROL_REFLECT(0x0300, fn)
#define ON_EN_KILLFOCUS_REFLECT(fn) ON_CONTROL_REFLECT(0x0200, fn)

// Window messages with cracked arguments; the handler names are the usual ones.
#define ON_WM_CREATE() MV_ENTRY(WM_CREATE, 0, 0, 0, Create, OnCreate)
#define ON_WM_DESTROY() MV_ENTRY(WM_DESTROY, 0, 0, 0, Void, OnDestroy)
#define ON_WM_NCDESTROY() MV_ENTRY(WM_NCDESTROY, 0, 0, 0, Void, OnNcDestroy)
#define ON_WM_CLOSE() MV_ENTRY(WM_CLOSE, 0, 0, 0, Void, OnClose)
#define ON_WM_PAINT() MV_ENTRY(WM_PAINT, 0, 0, 0, Void, OnPaint)
#define ON_WM_SIZE() MV_ENTRY(WM_SIZE, 0, 0, 0, Size, OnSize)
#define ON_WM_MOVE() MV_ENTRY(WM_MOVE, 0, 0, 0, Move, OnMove)
#define ON_WM_TIMER() MV_ENTRY(WM_TIMER, 0, 0, 0, Timer, OnTimer)
#define ON_WM_SETFOCUS() MV_ENTRY(WM_SETFOCUS, 0, 0, 0, Focus, OnSetFocus)
#define ON_WM_KILLFOCUS() MV_ENTRY(WM_KILLFOCUS, 0, 0, 0, Focus, OnKillFocus)
#define ON_WM_CAPTURECHANGED() MV_ENTRY(WM_CAPTURECHANGED, 0, 0, 0, Focus, OnCaptureChanged)
#define ON_WM_SHOWWINDOW() MV_ENTRY(WM_SHOWWINDOW, 0, 0, 0, ShowWindow, OnShowWindow)
#define ON_WM_ENABLE() MV_ENTRY(WM_ENABLE, 0, 0, 0, Enable, OnEnable)
#define ON_WM_ACTIVATE() MV_ENTRY(WM_ACTIVATE, 0, 0, 0, Activate, OnActivate)
#define ON_WM_KEYDOWN() MV_ENTRY(WM_KEYDOWN, 0, 0, 0, Key, OnKeyDown)
#define ON_WM_KEYUP() MV_ENTRY(WM_KEYUP, 0, 0, 0, Key, OnKeyUp)
#define ON_WM_CHAR() MV_ENTRY(WM_CHAR, 0, 0, 0, Key, OnChar)
#define ON_WM_MOUSEMOVE() MV_ENTRY(WM_MOUSEMOVE, 0, 0, 0, Mouse, OnMouseMove)
#define ON_WM_LBUTTONDOWN() MV_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() MV_ENTRY(WM_LBUTTONUP, 0, 0, 0, Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() MV_ENTRY(WM_LBUTTONDBLCLK, 0, 0, 0, Mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() MV_ENTRY(WM_RBUTTONDOWN, 0, 0, 0, Mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() MV_ENTRY(WM_RBUTTONUP, 0, 0, 0, Mouse, OnRButtonUp)
#define ON_WM_SYSCOMMAND() MV_ENTRY(WM_SYSCOMMAND, 0, 0, 0, SysCommand, OnSysCommand)
#define ON_WM_CONTEXTMENU() MV_ENTRY(WM_CONTEXTMENU, 0, 0, 0, ContextMenu, OnContextMenu)
#define ON_WM_GETMINMAXINFO() MV_ENTRY(WM_GETMINMAXINFO, 0, 0, 0, GetMinMaxInfo, OnGetMinMaxInfo)
#define ON_WM_WINDOWPOSCHANGED() MV_ENTRY(WM_WINDOWPOSCHANGED, 0, 0, 0, WindowPos, OnWindowPosChanged)
#define ON_WM_WINDOWPOSCHANGING() MV_ENTRY(WM_WINDOWPOSCHANGING, 0, 0, 0, WindowPos, OnWindowPosChanging)
#define ON_WM_DRAWITEM() MV_ENTRY(WM_DRAWITEM, 0, 0, 0, DrawItem, OnDrawItem)
#define ON_WM_MEASUREITEM() MV_ENTRY(WM_MEASUREITEM, 0, 0, 0, MeasureItem, OnMeasureItem)
#define ON_WM_DEVICECHANGE() MV_ENTRY(WM_DEVICECHANGE, 0, 0, 0, DeviceChange, OnDeviceChange)
#define ON_WM_INITMENUPOPUP() MV_ENTRY(WM_INITMENUPOPUP, 0, 0, 0, InitMenuPopup, OnInitMenuPopup)
// These name the class library's drawing classes (CDC, CScrollBar) in their handlers.
#define ON_WM_ERASEBKGND() MV_ENTRY(WM_ERASEBKGND, 0, 0, 0, EraseBkgnd, OnEraseBkgnd)
#define MV_CTLCOLOR_ENTRIES(base, thunk, fn)                                                                         \
    MV_ENTRY((base) + WM_CTLCOLORMSGBOX, 0, 0, 0, thunk, fn) MV_ENTRY((base) + WM_CTLCOLOREDIT, 0, 0, 0, thunk, fn)   \
    MV_ENTRY((base) + WM_CTLCOLORLISTBOX, 0, 0, 0, thunk, fn) MV_ENTRY((base) + WM_CTLCOLORBTN, 0, 0, 0, thunk, fn)   \
    MV_ENTRY((base) + WM_CTLCOLORDLG, 0, 0, 0, thunk, fn) MV_ENTRY((base) + WM_CTLCOLORSCROLLBAR, 0, 0, 0, thunk, fn) \
    MV_ENTRY((base) + WM_CTLCOLORSTATIC, 0, 0, 0, thunk, fn)
// HBRUSH OnCtlColor(CDC*, CWnd*, UINT kind): kind is CTLCOLOR_MSGBOX (0) ... CTLCOLOR_STATIC (6).
#define ON_WM_CTLCOLOR() MV_CTLCOLOR_ENTRIES(0, CtlColor, OnCtlColor)
// HBRUSH CtlColor(CDC*, UINT kind) in the control itself.
#define ON_WM_CTLCOLOR_REFLECT() MV_CTLCOLOR_ENTRIES(MV_REFLECT_BASE, CtlColorReflect, CtlColor)
#define ON_WM_HSCROLL() MV_ENTRY(WM_HSCROLL, 0, 0, 0, Scroll, OnHScroll)
#define ON_WM_VSCROLL() MV_ENTRY(WM_VSCROLL, 0, 0, 0, Scroll, OnVScroll)
#define ON_WM_HSCROLL_REFLECT() MV_ENTRY(MV_REFLECT_BASE + WM_HSCROLL, 0, 0, 0, ScrollReflect, HScroll)
#define ON_WM_VSCROLL_REFLECT() MV_ENTRY(MV_REFLECT_BASE + WM_VSCROLL, 0, 0, 0, ScrollReflect, VScroll)
#define ON_WM_SETCURSOR() MV_ENTRY(WM_SETCURSOR, 0, 0, 0, SetCursor, OnSetCursor)
#define ON_WM_DROPFILES() MV_ENTRY(WM_DROPFILES, 0, 0, 0, DropFiles, OnDropFiles)
#define ON_WM_QUERYDRAGICON() MV_ENTRY(WM_QUERYDRAGICON, 0, 0, 0, QueryDragIcon, OnQueryDragIcon)
#define CTLCOLOR_MSGBOX 0
#define CTLCOLOR_EDIT 1
#define CTLCOLOR_LISTBOX 2
#define CTLCOLOR_BTN 3
#define CTLCOLOR_DLG 4
#define CTLCOLOR_SCROLLBAR 5
#define CTLCOLOR_STATIC 6
