#include "win32/windowing/Window.h"

#include "win32/controls/CtlMessages.h"
#include "win32/CtlText.h"
#include "win32/gdi/GdiSurface.h"
#include "win32/dialogs/Menu.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/NonClient.h"
#include "win32/dialogs/Resources.h"
#include "win32/windowing/Timer.h"
#include "win32/windowing/UserState.h"
#include "win32/windowing/WindowObserver.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

using namespace mvuser;

namespace {

// The screen GDI draws on: the X11 display when one is reachable, else 1280 x 1024.
int ScreenWidth() { return GdiGetScreenSize().cx; }
int ScreenHeight() { return GdiGetScreenSize().cy; }
constexpr int kCaption = 18;
constexpr int kMenuBar = 19;
constexpr int kScrollBar = 16;

HWND gLocked = nullptr;          // LockWindowUpdate
thread_local void (*tCreateHook)(HWND, void*) = nullptr;
thread_local void* tCreateContext = nullptr;
HWND gForeground = nullptr;
POINT gCursor{0, 0};

void Notify(HWND hwnd, MvWindowEvent event)
{
    MvNotifyWindowObservers(hwnd, event);
}

// The frame the styles give a window.
RECT StyleInsets(const WindowData& w)
{
    int b = 0;
    if (w.style & WS_THICKFRAME) b = 4;
    else if ((w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME)) b = 3;
    else if (w.style & WS_BORDER) b = 1;
    if (w.exStyle & WS_EX_CLIENTEDGE) b += 2;
    if (w.exStyle & WS_EX_STATICEDGE) b += 1;
    RECT r{b, b, b, b};
    if ((w.style & WS_CAPTION) == WS_CAPTION) r.top += kCaption;
    if (!(w.style & WS_CHILD) && w.menu) r.top += kMenuBar;
    if (w.style & WS_VSCROLL) r.right += kScrollBar;
    if (w.style & WS_HSCROLL) r.bottom += kScrollBar;
    return r;
}

RECT Insets(const WindowData& w)
{
    return w.ownFrame ? w.frame : StyleInsets(w);
}

// Asks the window for its client area within its rectangle (WM_NCCALCSIZE); a window that
// chose a frame of its own keeps it until it is asked again, and paints it (WM_NCPAINT).
void CalcFrame(HWND hwnd)
{
    RECT rect;
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return;
        rect = w->rect;
    }
    RECT client = rect;
    SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    bool own;
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return;
        RECT frame{std::max<LONG>(0, client.left - rect.left), std::max<LONG>(0, client.top - rect.top),
                   std::max<LONG>(0, rect.right - client.right), std::max<LONG>(0, rect.bottom - client.bottom)};
        RECT styled = StyleInsets(*w);
        own = frame.left != styled.left || frame.top != styled.top || frame.right != styled.right ||
              frame.bottom != styled.bottom;
        w->ownFrame = own;
        w->frame = frame;
        w->framePending = w->framePending || own;
    }
    if (own) InvalidateRect(hwnd, nullptr, FALSE);
}

// Screen position of a window's client origin; the lock must be held.
POINT ClientOrigin(const WindowData& w)
{
    POINT p{0, 0};
    if (auto parent = Find(w.parent)) p = ClientOrigin(*parent);
    RECT in = Insets(w);
    p.x += w.rect.left + in.left;
    p.y += w.rect.top + in.top;
    return p;
}

RECT ClientRectOf(const WindowData& w)
{
    RECT in = Insets(w);
    RECT r{0, 0, w.rect.right - w.rect.left - in.left - in.right, w.rect.bottom - w.rect.top - in.top - in.bottom};
    if (r.right < 0) r.right = 0;
    if (r.bottom < 0) r.bottom = 0;
    return r;
}

bool IsOwnThread(const WindowData& w)
{
    return w.thread == CurrentThread();
}

void Unlink(WindowData& w)
{
    if (auto parent = FindAny(w.parent)) {
        auto& c = parent->children;
        c.erase(std::remove(c.begin(), c.end(), w.hwnd), c.end());
    }
}

bool IsDescendant(HWND ancestor, HWND hwnd)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    while (w && w->parent) {
        if (w->parent == ancestor) return true;
        w = Find(w->parent);
    }
    return false;
}

// A thread's input slot, forgotten once its window is gone.
HWND Live(HWND& slot)
{
    if (slot && !IsWindow(slot)) slot = nullptr;
    return slot;
}

bool IsFrozen(HWND hwnd)
{
    Guard guard(Lock());
    for (auto w = Find(hwnd); w; w = Find(w->parent))
        if (w->props.count("MvNoRedraw")) return true;
    return gLocked && (hwnd == gLocked || IsDescendant(gLocked, hwnd));
}

} // namespace

// ---------------------------------------------------------------- classes

static ATOM AddClassFrom(UINT style, WNDPROC proc, int clsExtra, int wndExtra, HINSTANCE inst, HICON icon,
                         HCURSOR cursor, HBRUSH background, LPCSTR menuName, LPCSTR className)
{
    if (!className || !*className) return 0;
    WindowClass c;
    c.name = className;
    c.style = style;
    c.proc = proc;
    c.clsExtra = std::max(0, clsExtra);
    c.wndExtra = std::clamp(wndExtra, 0, 4096);
    c.instance = inst;
    c.icon = icon;
    c.cursor = cursor;
    c.background = background;
    c.menuName = menuName && reinterpret_cast<uintptr_t>(menuName) > 0xFFFF ? menuName : "";
    static ATOM next = 0xC000;
    if (!AddClass(c)) return 0;
    Guard guard(Lock());
    return next++;
}

ATOM RegisterClassA(const WNDCLASSA* wc)
{
    if (!wc) return 0;
    return AddClassFrom(wc->style, wc->lpfnWndProc, wc->cbClsExtra, wc->cbWndExtra, wc->hInstance, wc->hIcon,
                        wc->hCursor, wc->hbrBackground, wc->lpszMenuName, wc->lpszClassName);
}

ATOM RegisterClassExA(const WNDCLASSEXA* wc)
{
    if (!wc) return 0;
    return AddClassFrom(wc->style, wc->lpfnWndProc, wc->cbClsExtra, wc->cbWndExtra, wc->hInstance, wc->hIcon,
                        wc->hCursor, wc->hbrBackground, wc->lpszMenuName, wc->lpszClassName);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE)
{
    return RemoveClass(className) ? TRUE : FALSE;
}

BOOL GetClassInfoA(HINSTANCE, LPCSTR className, WNDCLASSA* wc)
{
    auto c = FindClass(className);
    if (!c || !wc) return FALSE;
    *wc = WNDCLASSA{c->style, c->proc, c->clsExtra, c->wndExtra, c->instance, c->icon, c->cursor, c->background,
                    nullptr, className};
    return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    return w ? CtlCopyOut(w->cls->name, buffer, size) : 0;
}

// ---------------------------------------------------------------- creation

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
    auto cls = FindClass(className);
    if (!cls) return nullptr;
    CurrentQueue();
    if (parent == HWND_MESSAGE) parent = nullptr;
    if (parent && !IsWindow(parent)) return nullptr;

    auto w = NewWindow(cls);
    HWND hwnd = w->hwnd;
    {
        Guard guard(Lock());
        w->text = windowName ? windowName : "";
        w->style = style & ~WS_VISIBLE;
        w->exStyle = exStyle;
        w->proc = cls->proc;
        w->instance = instance;
        w->extra.assign(cls->wndExtra, 0);
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = 640, height = 480;
        w->rect = RECT{x, y, x + std::max(0, width), y + std::max(0, height)};
        if ((style & WS_CHILD) && parent) {
            auto p = Find(parent);
            if (!p) {
                // The parent went away on its own thread meanwhile.
                w->dead = true;
                ForgetWindow(hwnd);
                return nullptr;
            }
            w->parent = parent;
            w->id = reinterpret_cast<UINT_PTR>(menu);
            p->children.insert(p->children.begin(), hwnd);
        } else {
            if (parent) w->owner = GetAncestor(parent, GA_ROOT);
            w->menu = menu;
        }
    }
    Notify(hwnd, MvWindowEvent::Created);
    if (auto hook = tCreateHook) {
        tCreateHook = nullptr;
        hook(hwnd, tCreateContext);
    }

    CREATESTRUCTA cs{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style), windowName,
                     className, exStyle};
    if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    {
        Guard guard(Lock());
        if (auto live = Find(hwnd)) live->created = true;
    }
    CalcFrame(hwnd);
    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd)) return nullptr;
    RECT client;
    GetClientRect(hwnd, &client);
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELONG(client.right, client.bottom));
    {
        RECT r;
        GetWindowRect(hwnd, &r);
        POINT p{0, 0};
        ClientToScreen(hwnd, &p);
        if (HWND pr = GetParent(hwnd); pr && (style & WS_CHILD)) ScreenToClient(pr, &p);
        SendMessageA(hwnd, WM_MOVE, 0, MAKELONG(p.x, p.y));
    }
    if ((style & WS_CHILD) && parent && !(exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessageA(parent, WM_PARENTNOTIFY, MAKELONG(WM_CREATE, reinterpret_cast<UINT_PTR>(menu)),
                     reinterpret_cast<LPARAM>(hwnd));
    if (!IsWindow(hwnd)) return nullptr;
    if (style & WS_VISIBLE) ShowWindow(hwnd, (style & WS_MAXIMIZE) ? SW_MAXIMIZE : SW_SHOW);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

void MvHookNextWindow(void (*hook)(HWND, void*), void* context)
{
    tCreateHook = hook;
    tCreateContext = context;
}

BOOL IsWindow(HWND hwnd)
{
    return Find(hwnd) ? TRUE : FALSE;
}

BOOL DestroyWindow(HWND hwnd)
{
    std::shared_ptr<WindowData> w;
    {
        Guard guard(Lock());
        w = Find(hwnd);
        if (!w || w->destroying || !IsOwnThread(*w)) return FALSE;
        w->destroying = true;
    }
    // Owned popups go first.
    for (HWND other : AllWindows()) {
        auto o = Find(other);
        if (o && o->owner == hwnd) DestroyWindow(other);
    }
    auto q = CurrentQueue();
    if (q->focus && (q->focus == hwnd || IsDescendant(hwnd, q->focus))) {
        HWND old = q->focus;
        q->focus = nullptr;
        SendMessageA(old, WM_KILLFOCUS, 0, 0);
        Notify(old, MvWindowEvent::Focus);
    }
    if (q->capture && (q->capture == hwnd || IsDescendant(hwnd, q->capture))) ReleaseCapture();
    {
        Guard guard(Lock());
        if (w->style & WS_VISIBLE) w->style &= ~WS_VISIBLE;
    }
    HWND parent = w->parent;
    if ((w->style & WS_CHILD) && parent && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessageA(parent, WM_PARENTNOTIFY, MAKELONG(WM_DESTROY, w->id), reinterpret_cast<LPARAM>(hwnd));
    if (w->created) SendMessageA(hwnd, WM_DESTROY, 0, 0);
    std::vector<HWND> children;
    {
        Guard guard(Lock());
        children = w->children;
    }
    for (HWND child : children) DestroyWindow(child);
    {
        std::lock_guard<std::mutex> guard(q->lock);
        auto& t = q->timers;
        t.erase(std::remove_if(t.begin(), t.end(), [&](const TimerEntry& e) { return e.hwnd == hwnd; }), t.end());
    }
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    MvDestroyMenusOf(hwnd, (w->style & WS_CHILD) ? nullptr : w->menu);
    {
        Guard guard(Lock());
        Unlink(*w);
        w->dead = true;
        if (gLocked == hwnd) gLocked = nullptr;
        if (gForeground == hwnd) gForeground = nullptr;
        ForgetWindow(hwnd);
    }
    if (q->active == hwnd) q->active = nullptr;
    Notify(hwnd, MvWindowEvent::Destroyed);
    return TRUE;
}

// ---------------------------------------------------------------- procedures

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_SETTEXT: {
        {
            Guard guard(Lock());
            auto w = Find(hwnd);
            if (!w) return FALSE;
            w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        }
        Notify(hwnd, MvWindowEvent::Text);
        return TRUE;
    }
    case WM_GETTEXT: {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return 0;
        return CtlCopyOut(w->text, reinterpret_cast<char*>(lParam), static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFF)));
    }
    case WM_GETTEXTLENGTH: {
        Guard guard(Lock());
        auto w = Find(hwnd);
        return w ? static_cast<LRESULT>(w->text.size()) : 0;
    }
    case WM_NCCALCSIZE: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r) return 0;
        RECT in;
        {
            Guard guard(Lock());
            auto w = Find(hwnd);
            if (!w) return 0;
            in = StyleInsets(*w);
        }
        r->left += in.left;
        r->top += in.top;
        r->right = std::max(r->left, r->right - in.right);
        r->bottom = std::max(r->top, r->bottom - in.bottom);
        return 0;
    }
    case WM_NCHITTEST: {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT window{}, client{};
        GetWindowRect(hwnd, &window);
        if (p.x < window.left || p.x >= window.right || p.y < window.top || p.y >= window.bottom) return HTNOWHERE;
        GetClientRect(hwnd, &client);
        ScreenToClient(hwnd, &p);
        return (p.x >= 0 && p.y >= 0 && p.x < client.right && p.y < client.bottom) ? HTCLIENT : HTBORDER;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_PAINT:
        ValidateRect(hwnd, nullptr);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!pos) return 0;
        if (!(pos->flags & SWP_NOMOVE)) {
            POINT p{0, 0};
            ClientToScreen(hwnd, &p);
            if (HWND parent = GetAncestor(hwnd, GA_PARENT)) ScreenToClient(parent, &p);
            SendMessageA(hwnd, WM_MOVE, 0, MAKELONG(p.x, p.y));
        }
        if (!(pos->flags & SWP_NOSIZE)) {
            RECT c;
            GetClientRect(hwnd, &c);
            WPARAM kind = IsIconic(hwnd) ? SIZE_MINIMIZED : IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED;
            SendMessageA(hwnd, WM_SIZE, kind, MAKELONG(c.right, c.bottom));
        }
        return 0;
    }
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE: SendMessageA(hwnd, WM_CLOSE, 0, 0); break;
        case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
        case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
        case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
        default: break;
        }
        return 0;
    case WM_RBUTTONUP: {
        // A right click nobody handled asks for the context menu, at the release point on the screen.
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd, &p);
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELONG(p.x, p.y));
        return 0;
    }
    case WM_KEYUP:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // The menu key, or Shift+F10, asks for the context menu with no point (-1, -1).
        if ((message == WM_KEYUP && wParam == VK_APPS) ||
            (message != WM_KEYUP && wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0))
            SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), -1);
        return 0;
    case WM_CONTEXTMENU:
        if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
            if (HWND parent = GetParent(hwnd)) return SendMessageA(parent, message, wParam, lParam);
        return 0;
    case WM_SETFONT:
        SetPropA(hwnd, "MvFont", reinterpret_cast<HANDLE>(wParam));
        return 0;
    case WM_SETREDRAW:
        // Painting waits until redrawing is switched back on.
        if (wParam) RemovePropA(hwnd, "MvNoRedraw");
        else SetPropA(hwnd, "MvNoRedraw", reinterpret_cast<HANDLE>(1));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropA(hwnd, "MvFont"));
    case WM_SETICON: {
        const char* slot = wParam ? "MvIconBig" : "MvIconSmall";
        HANDLE old = GetPropA(hwnd, slot);
        SetPropA(hwnd, slot, reinterpret_cast<HANDLE>(lParam));
        Notify(hwnd, MvWindowEvent::Style);
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(GetPropA(hwnd, wParam ? "MvIconBig" : "MvIconSmall"));
    case WM_MOUSEACTIVATE:
        // A child lets its parent decide first.
        if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
            if (HWND parent = GetParent(hwnd))
                if (LRESULT answer = SendMessageA(parent, message, wParam, lParam)) return answer;
        return MA_ACTIVATE;
    default:
        return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

// ---------------------------------------------------------------- long values

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner);
    case GWLP_ID: return static_cast<LONG_PTR>(w->id);
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->exStyle));
    case GWLP_USERDATA: return w->userData;
    default:
        if (index < 0 || static_cast<size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) return 0;
        LONG_PTR v;
        std::memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value)
{
    LONG_PTR old = GetWindowLongPtrA(hwnd, index);
    MvWindowEvent event = MvWindowEvent::Style;
    bool styleChange = false;
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return 0;
        switch (index) {
        case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); return old;
        case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); return old;
        case GWLP_HWNDPARENT: w->owner = reinterpret_cast<HWND>(value); return old;
        case GWLP_ID: w->id = static_cast<UINT_PTR>(value); return old;
        case GWLP_USERDATA: w->userData = value; return old;
        case GWL_STYLE:
            if (((w->style ^ static_cast<DWORD>(value)) & WS_VISIBLE)) event = MvWindowEvent::Visible;
            w->style = static_cast<DWORD>(value);
            styleChange = true;
            break;
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            styleChange = true;
            break;
        default:
            if (index < 0 || static_cast<size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) return 0;
            std::memcpy(w->extra.data() + index, &value, sizeof value);
            return old;
        }
    }
    if (styleChange) {
        STYLESTRUCT change{static_cast<DWORD>(old), static_cast<DWORD>(value)};
        SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
        Notify(hwnd, event);
    }
    return old;
}

LONG GetWindowLongA(HWND hwnd, int index)
{
    if (index >= 0) {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w || static_cast<size_t>(index) + sizeof(LONG) > w->extra.size()) return 0;
        LONG v;
        std::memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
    return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
}

LONG SetWindowLongA(HWND hwnd, int index, LONG value)
{
    if (index >= 0) {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w || static_cast<size_t>(index) + sizeof(LONG) > w->extra.size()) return 0;
        LONG old;
        std::memcpy(&old, w->extra.data() + index, sizeof old);
        std::memcpy(w->extra.data() + index, &value, sizeof value);
        return old;
    }
    LONG_PTR v = (index == GWL_STYLE || index == GWL_EXSTYLE) ? static_cast<LONG_PTR>(static_cast<DWORD>(value))
                                                               : static_cast<LONG_PTR>(value);
    return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, v));
}

BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w || !name) return FALSE;
    w->props[name] = data;
    return TRUE;
}

HANDLE GetPropA(HWND hwnd, LPCSTR name)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->props.find(name);
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE RemovePropA(HWND hwnd, LPCSTR name)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->props.find(name);
    if (it == w->props.end()) return nullptr;
    HANDLE h = it->second;
    w->props.erase(it);
    return h;
}

// ---------------------------------------------------------------- text

BOOL SetWindowTextA(HWND hwnd, LPCSTR text)
{
    if (!IsWindow(hwnd)) return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    buffer[0] = 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd)
{
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

// ---------------------------------------------------------------- tree

HWND GetParent(HWND hwnd)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w) return nullptr;
    if (w->parent) return w->parent;
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND SetParent(HWND child, HWND newParent)
{
    HWND old;
    {
        Guard guard(Lock());
        auto w = Find(child);
        if (!w) return nullptr;
        if (newParent && (!Find(newParent) || newParent == child || IsDescendant(child, newParent))) return nullptr;
        old = w->parent ? w->parent : GetDesktopWindow();
        Unlink(*w);
        w->parent = newParent;
        if (newParent) {
            auto p = Find(newParent);
            p->children.insert(p->children.begin(), child);
        }
    }
    Notify(child, MvWindowEvent::Parent);
    InvalidateRect(child, nullptr, TRUE);
    return old;
}

HWND GetAncestor(HWND hwnd, UINT flags)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w) return nullptr;
    switch (flags) {
    case GA_PARENT: return w->parent;
    case GA_ROOT:
        while (w->parent) w = Find(w->parent);
        return w->hwnd;
    case GA_ROOTOWNER: {
        while (w->parent) w = Find(w->parent);
        while (w->owner && Find(w->owner)) w = Find(w->owner);
        return w->hwnd;
    }
    default: return nullptr;
    }
}

static std::vector<HWND> Siblings(const WindowData& w)
{
    if (auto parent = Find(w.parent)) return parent->children;
    std::vector<HWND> tops;
    for (HWND h : AllWindows())
        if (auto o = Find(h); o && !o->parent) tops.push_back(h);
    return tops;
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w) return nullptr;
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    if (relation == GW_OWNER) return w->owner;
    auto sib = Siblings(*w);
    auto it = std::find(sib.begin(), sib.end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST: return sib.empty() ? nullptr : sib.front();
    case GW_HWNDLAST: return sib.empty() ? nullptr : sib.back();
    case GW_HWNDNEXT: return (it == sib.end() || it + 1 == sib.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV: return (it == sib.end() || it == sib.begin()) ? nullptr : *(it - 1);
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd)
{
    if (!hwnd) return GetWindow(GetDesktopWindow(), GW_CHILD);
    return GetWindow(hwnd, GW_CHILD);
}

BOOL IsChild(HWND parent, HWND hwnd)
{
    return IsDescendant(parent, hwnd) ? TRUE : FALSE;
}

int GetDlgCtrlID(HWND hwnd)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    return w && (w->style & WS_CHILD) ? static_cast<int>(w->id) : 0;
}

HWND GetDlgItem(HWND dialog, int id)
{
    Guard guard(Lock());
    auto w = Find(dialog);
    if (!w) return nullptr;
    for (HWND c : w->children)
        if (auto cw = Find(c); cw && static_cast<int>(cw->id) == id) return c;
    return nullptr;
}

static bool EnumTree(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    std::vector<HWND> children;
    {
        Guard guard(Lock());
        auto w = Find(parent);
        if (!w) return true;
        children = w->children;
    }
    for (HWND c : children) {
        if (!IsWindow(c)) continue;
        if (!proc(c, lParam)) return false;
        if (!EnumTree(c, proc, lParam)) return false;
    }
    return true;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    if (!proc) return FALSE;
    if (!parent) return EnumWindows(proc, lParam);
    return EnumTree(parent, proc, lParam) ? TRUE : FALSE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam)
{
    if (!proc) return FALSE;
    for (HWND h : AllWindows()) {
        auto w = Find(h);
        if (w && !w->parent && !proc(h, lParam)) return FALSE;
    }
    return TRUE;
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName)
{
    Guard guard(Lock());
    for (HWND h : AllWindows()) {
        auto w = Find(h);
        if (!w || w->parent) continue;
        if (className && FindClass(className) != w->cls) continue;
        if (windowName && w->text != windowName) continue;
        return h;
    }
    return nullptr;
}

HWND GetDesktopWindow()
{
    return nullptr;
}

DWORD GetWindowThreadProcessId(HWND hwnd, LPDWORD processId)
{
    if (processId) *processId = static_cast<DWORD>(getpid());
    return ThreadOf(hwnd);
}

BOOL AttachThreadInput(DWORD, DWORD, BOOL)
{
    return TRUE;
}

// ---------------------------------------------------------------- visibility and state

BOOL ShowWindow(HWND hwnd, int command)
{
    bool wasVisible, show = command != SW_HIDE;
    DWORD oldStyle;
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return FALSE;
        wasVisible = (w->style & WS_VISIBLE) != 0;
        oldStyle = w->style;
        switch (command) {
        case SW_MINIMIZE: case SW_SHOWMINIMIZED: case SW_SHOWMINNOACTIVE:
            w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
            break;
        case SW_MAXIMIZE:
            w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
            break;
        case SW_RESTORE: case SW_SHOWNORMAL:
            w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            break;
        default: break;
        }
    }
    if (show != wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        {
            Guard guard(Lock());
            auto w = Find(hwnd);
            if (!w) return wasVisible;
            if (show) w->style |= WS_VISIBLE;
            else w->style &= ~WS_VISIBLE;
        }
        Notify(hwnd, MvWindowEvent::Visible);
        if (show) InvalidateRect(hwnd, nullptr, TRUE);
        else if (auto q = CurrentQueue(); q->focus && (q->focus == hwnd || IsDescendant(hwnd, q->focus))) SetFocus(nullptr);
    }
    DWORD newStyle = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if ((newStyle ^ oldStyle) & (WS_MINIMIZE | WS_MAXIMIZE)) {
        Notify(hwnd, MvWindowEvent::Style);
        RECT c;
        GetClientRect(hwnd, &c);
        WPARAM kind = (newStyle & WS_MINIMIZE) ? SIZE_MINIMIZED : (newStyle & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        SendMessageA(hwnd, WM_SIZE, kind, (newStyle & WS_MINIMIZE) ? 0 : MAKELONG(c.right, c.bottom));
    }
    if (show && !(newStyle & WS_CHILD) && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
        command != SW_SHOWMINNOACTIVE && IsWindow(hwnd))
        SetActiveWindow(hwnd);
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w) return FALSE;
    for (; w; w = Find(w->parent))
        if (!(w->style & WS_VISIBLE)) return FALSE;
    return TRUE;
}

BOOL IsIconic(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    bool wasDisabled;
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return FALSE;
        wasDisabled = (w->style & WS_DISABLED) != 0;
        if (wasDisabled == !enable) return wasDisabled;
        if (enable) w->style &= ~WS_DISABLED;
        else w->style |= WS_DISABLED;
    }
    if (!enable) {
        auto q = CurrentQueue();
        if (q->focus && (q->focus == hwnd || IsDescendant(hwnd, q->focus))) SetFocus(nullptr);
        if (q->capture && (q->capture == hwnd || IsDescendant(hwnd, q->capture))) ReleaseCapture();
    }
    Notify(hwnd, MvWindowEvent::Enabled);
    SendMessageA(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

// ---------------------------------------------------------------- focus, activation, capture

HWND SetFocus(HWND hwnd)
{
    auto q = CurrentQueue();
    if (hwnd) {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w || !IsOwnThread(*w)) return nullptr;
    }
    HWND old = q->focus;
    if (old == hwnd) return old;
    if (hwnd) {
        HWND root = GetAncestor(hwnd, GA_ROOT);
        if (root != q->active) SetActiveWindow(root);
    }
    q->focus = hwnd;
    if (old && IsWindow(old)) SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && IsWindow(hwnd) && q->focus == hwnd) SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    Notify(old, MvWindowEvent::Focus);
    Notify(hwnd, MvWindowEvent::Focus);
    return old;
}

HWND GetFocus()
{
    return Live(CurrentQueue()->focus);
}

HWND GetActiveWindow()
{
    return Live(CurrentQueue()->active);
}

HWND SetActiveWindow(HWND hwnd)
{
    auto q = CurrentQueue();
    if (hwnd) hwnd = GetAncestor(hwnd, GA_ROOT);
    HWND old = q->active;
    if (old == hwnd) return old;
    q->active = hwnd;
    {
        Guard guard(Lock());
        gForeground = hwnd;
    }
    if (old && IsWindow(old)) SendMessageA(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd));
    if (hwnd && IsWindow(hwnd)) SendMessageA(hwnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
    Notify(hwnd, MvWindowEvent::Active);
    return old;
}

HWND GetForegroundWindow()
{
    Guard guard(Lock());
    return Find(gForeground) ? gForeground : nullptr;
}

BOOL SetForegroundWindow(HWND hwnd)
{
    if (!IsWindow(hwnd)) return FALSE;
    if (ThreadOf(hwnd) == CurrentThread()) SetActiveWindow(hwnd);
    Guard guard(Lock());
    gForeground = GetAncestor(hwnd, GA_ROOT);
    return TRUE;
}

BOOL BringWindowToTop(HWND hwnd)
{
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

HWND SetCapture(HWND hwnd)
{
    auto q = CurrentQueue();
    if (!IsWindow(hwnd)) return nullptr;
    HWND old = q->capture;
    if (old == hwnd) return old;
    q->capture = hwnd;
    if (old && IsWindow(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    Notify(hwnd, MvWindowEvent::Capture);
    return old;
}

BOOL ReleaseCapture()
{
    auto q = CurrentQueue();
    HWND old = q->capture;
    if (!old) return TRUE;
    q->capture = nullptr;
    if (IsWindow(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    Notify(old, MvWindowEvent::Capture);
    return TRUE;
}

HWND GetCapture()
{
    return Live(CurrentQueue()->capture);
}

// ---------------------------------------------------------------- rectangles

BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!rect) return FALSE;
    if (!hwnd) {
        *rect = RECT{0, 0, ScreenWidth(), ScreenHeight()};
        return TRUE;
    }
    if (!w) return FALSE;
    POINT origin{0, 0};
    if (auto parent = Find(w->parent)) origin = ClientOrigin(*parent);
    *rect = RECT{w->rect.left + origin.x, w->rect.top + origin.y, w->rect.right + origin.x, w->rect.bottom + origin.y};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    Guard guard(Lock());
    if (!rect) return FALSE;
    if (!hwnd) {
        *rect = RECT{0, 0, ScreenWidth(), ScreenHeight()};
        return TRUE;
    }
    auto w = Find(hwnd);
    if (!w) return FALSE;
    *rect = ClientRectOf(*w);
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return FALSE;
        if (flags & SWP_NOMOVE) pos.x = w->rect.left, pos.y = w->rect.top;
        if (flags & SWP_NOSIZE) pos.cx = w->rect.right - w->rect.left, pos.cy = w->rect.bottom - w->rect.top;
    }
    SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    bool moved, sized;
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return FALSE;
        pos.cx = std::max(0, pos.cx);
        pos.cy = std::max(0, pos.cy);
        moved = pos.x != w->rect.left || pos.y != w->rect.top;
        sized = pos.cx != w->rect.right - w->rect.left || pos.cy != w->rect.bottom - w->rect.top;
        w->rect = RECT{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
        if (!(flags & SWP_NOZORDER) && w->parent) {
            auto parent = Find(w->parent);
            auto& c = parent->children;
            c.erase(std::remove(c.begin(), c.end(), hwnd), c.end());
            if (pos.hwndInsertAfter == HWND_BOTTOM) c.push_back(hwnd);
            else if (auto it = std::find(c.begin(), c.end(), pos.hwndInsertAfter); it != c.end()) c.insert(it + 1, hwnd);
            else c.insert(c.begin(), hwnd);
        }
    }
    if (sized || (flags & SWP_FRAMECHANGED)) CalcFrame(hwnd);
    if (moved || sized) Notify(hwnd, MvWindowEvent::Rect);
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    pos.flags = (flags & ~static_cast<UINT>(SWP_NOMOVE | SWP_NOSIZE)) | (moved ? 0 : SWP_NOMOVE) | (sized ? 0 : SWP_NOSIZE);
    SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if ((moved || sized) && !(flags & SWP_NOREDRAW)) InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!point || (hwnd && !w)) return FALSE;
    if (!w) return TRUE;
    POINT o = ClientOrigin(*w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!point || (hwnd && !w)) return FALSE;
    if (!w) return TRUE;
    POINT o = ClientOrigin(*w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
    POINT a{0, 0}, b{0, 0};
    ClientToScreen(from, &a);
    ClientToScreen(to, &b);
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(static_cast<SHORT>(dx)), static_cast<WORD>(static_cast<SHORT>(dy)));
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle)
{
    if (!rect) return FALSE;
    WindowData w;
    w.style = style;
    w.exStyle = exStyle;
    w.menu = menu ? reinterpret_cast<HMENU>(1) : nullptr;
    RECT in = Insets(w);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

// Group boxes and labels without SS_NOTIFY let the pointer through to what lies beneath them.
static bool PointerPassesThrough(HWND hwnd)
{
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (strcasecmp(name, "Button") == 0) return (style & BS_TYPEMASK) == BS_GROUPBOX;
    if (strcasecmp(name, "Static") == 0) return !(style & SS_NOTIFY);
    return false;
}

static HWND DeepestAt(HWND hwnd, POINT screen)
{
    std::vector<HWND> children;
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return nullptr;
        children = w->children;
    }
    // Hidden and disabled children are not found: a click on a disabled control goes to its parent.
    for (HWND c : children) {
        RECT r;
        if (!IsWindowVisible(c) || !IsWindowEnabled(c) || PointerPassesThrough(c) || !GetWindowRect(c, &r)) continue;
        if (screen.x >= r.left && screen.x < r.right && screen.y >= r.top && screen.y < r.bottom)
            return DeepestAt(c, screen);
    }
    return hwnd;
}

HWND WindowFromPoint(POINT point)
{
    auto q = CurrentQueue();
    std::vector<HWND> tops;
    for (HWND h : AllWindows())
        if (auto w = Find(h); w && !w->parent) tops.push_back(h);
    // The active window is on top, then the most recently created.
    std::reverse(tops.begin(), tops.end());
    if (HWND a = q->active; a) {
        tops.erase(std::remove(tops.begin(), tops.end(), a), tops.end());
        tops.insert(tops.begin(), a);
    }
    for (HWND h : tops) {
        RECT r;
        if (IsWindowVisible(h) && GetWindowRect(h, &r) && point.x >= r.left && point.x < r.right &&
            point.y >= r.top && point.y < r.bottom)
            return DeepestAt(h, point);
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT point)
{
    RECT c;
    if (!GetClientRect(parent, &c)) return nullptr;
    if (point.x < 0 || point.y < 0 || point.x >= c.right || point.y >= c.bottom) return nullptr;
    std::vector<HWND> children;
    {
        Guard guard(Lock());
        children = Find(parent)->children;
    }
    for (HWND h : children) {
        Guard guard(Lock());
        auto w = Find(h);
        if (w && point.x >= w->rect.left && point.x < w->rect.right && point.y >= w->rect.top &&
            point.y < w->rect.bottom)
            return h;
    }
    return parent;
}

BOOL GetCursorPos(LPPOINT point)
{
    if (!point) return FALSE;
    Guard guard(Lock());
    *point = gCursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    Guard guard(Lock());
    gCursor = POINT{x, y};
    return TRUE;
}

// ---------------------------------------------------------------- painting state

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    if (!hwnd) {
        for (HWND h : AllWindows()) InvalidateRect(h, nullptr, erase);
        return TRUE;
    }
    DWORD thread;
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return FALSE;
        RECT c = ClientRectOf(*w);
        RECT r = rect ? *rect : c;
        r.left = std::max(r.left, c.left);
        r.top = std::max(r.top, c.top);
        r.right = std::min(r.right, c.right);
        r.bottom = std::min(r.bottom, c.bottom);
        if (r.right <= r.left || r.bottom <= r.top) {
            if (rect || c.right <= 0 || c.bottom <= 0) return TRUE;
        }
        if (w->hasUpdate) {
            w->update.left = std::min(w->update.left, r.left);
            w->update.top = std::min(w->update.top, r.top);
            w->update.right = std::max(w->update.right, r.right);
            w->update.bottom = std::max(w->update.bottom, r.bottom);
        } else {
            w->update = r;
            w->hasUpdate = true;
        }
        if (erase) w->erase = true;
        thread = w->thread;
    }
    Notify(hwnd, MvWindowEvent::Invalidated);
    if (auto q = QueueOf(thread)) q->Wake();
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w) return FALSE;
    if (!rect || (rect->left <= w->update.left && rect->top <= w->update.top && rect->right >= w->update.right &&
                  rect->bottom >= w->update.bottom)) {
        w->hasUpdate = false;
        w->erase = false;
        w->update = RECT{};
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = w->hasUpdate ? w->update : RECT{};
    return w->hasUpdate ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd)
{
    if (!IsWindow(hwnd)) return FALSE;
    bool paint;
    {
        Guard guard(Lock());
        paint = Find(hwnd)->hasUpdate && IsWindowVisible(hwnd) && !IsFrozen(hwnd);
    }
    if (paint) SendMessageA(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

bool MvTakeFramePaint(HWND hwnd)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    if (!w || !w->framePending) return false;
    w->framePending = false;
    return w->ownFrame;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN, UINT flags)
{
    if (flags & RDW_FRAME) {
        {
            Guard guard(Lock());
            if (auto w = Find(hwnd)) w->framePending = true;
        }
        if (!(flags & RDW_INVALIDATE)) InvalidateRect(hwnd, nullptr, FALSE);
    }
    if (flags & RDW_INVALIDATE) {
        InvalidateRect(hwnd, rect, (flags & RDW_ERASE) ? TRUE : FALSE);
        if (flags & RDW_ALLCHILDREN)
            EnumChildWindows(hwnd, [](HWND child, LPARAM) -> BOOL { InvalidateRect(child, nullptr, TRUE); return TRUE; }, 0);
    }
    if (flags & RDW_UPDATENOW) UpdateWindow(hwnd);
    return TRUE;
}

BOOL LockWindowUpdate(HWND hwnd)
{
    HWND old;
    {
        Guard guard(Lock());
        if (hwnd && !Find(hwnd)) return FALSE;
        if (hwnd && gLocked && gLocked != hwnd) return FALSE;
        old = gLocked;
        gLocked = hwnd;
    }
    if (!hwnd && old && IsWindow(old))
        RedrawWindow(old, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return TRUE;
}

HWND MvGetLockedWindow()
{
    Guard guard(Lock());
    return gLocked;
}

HWND mvuser::NextPaintWindow(DWORD thread)
{
    Guard guard(Lock());
    for (HWND h : WindowsOfThread(thread)) {
        auto w = Find(h);
        if (w && w->hasUpdate && IsWindowVisible(h) && !IsFrozen(h)) return h;
    }
    return nullptr;
}

// ---------------------------------------------------------------- menus on windows

HMENU GetMenu(HWND hwnd)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    return w && !(w->style & WS_CHILD) ? w->menu : nullptr;
}

BOOL SetMenu(HWND hwnd, HMENU menu)
{
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w || (w->style & WS_CHILD)) return FALSE;
        w->menu = menu;
    }
    Notify(hwnd, MvWindowEvent::Menu);
    return TRUE;
}

BOOL DrawMenuBar(HWND hwnd)
{
    if (!IsWindow(hwnd)) return FALSE;
    Notify(hwnd, MvWindowEvent::Menu);
    return TRUE;
}

// ---------------------------------------------------------------- metrics

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN: case SM_CXFULLSCREEN: return ScreenWidth();
    case SM_CYSCREEN: return ScreenHeight();
    case SM_CYFULLSCREEN: return ScreenHeight() - kCaption;
    case SM_CXVSCROLL: case SM_CYHSCROLL: return kScrollBar;
    case SM_CYCAPTION: return kCaption;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME: case SM_CYFRAME: return 4;
    case SM_CXICON: case SM_CYICON: return 32;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    case SM_CYSMCAPTION: return 15;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CYMENU: return kMenuBar;
    default: return 0;
    }
}

LONG GetDialogBaseUnits()
{
    // The headless dialog font: 6 x 13 pixels per average character.
    return MAKELONG(6, 13);
}
