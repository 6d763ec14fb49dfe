#include "WindowTestSupport.h"

#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlUser.h"
#include "win32/dialogs/Menu.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/UserInput.h"
#include "win32/windowing/WindowObserver.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace wintest;

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { Recorder::Get().Clear(); }
    void TearDown() override
    {
        for (HWND h : m_made) DestroyWindow(h);
        MvPumpUntilIdle();
        Recorder::Get().Clear();
    }
    HWND Top(DWORD style = WS_OVERLAPPEDWINDOW)
    {
        HWND h = MakeWindow(nullptr, style);
        m_made.push_back(h);
        return h;
    }
    std::vector<HWND> m_made;
};

bool Contains(const std::vector<UINT>& v, UINT m)
{
    return std::find(v.begin(), v.end(), m) != v.end();
}

TEST_F(WindowTest, CreationSendsCreateMessagesInOrderAndUnknownClassFails)
{
    HWND h = Top();
    ASSERT_TRUE(IsWindow(h));
    auto m = Recorder::Get().MessagesOf(h);
    ASSERT_GE(m.size(), 4u);
    EXPECT_EQ(m[0], static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(m[1], static_cast<UINT>(WM_NCCALCSIZE)) << "the window chooses its frame before it is created";
    EXPECT_EQ(m[2], static_cast<UINT>(WM_CREATE));
    EXPECT_TRUE(Contains(m, WM_SIZE));
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    char name[32];
    EXPECT_EQ(GetClassNameA(h, name, sizeof name), 12);
    EXPECT_STREQ(name, "MvTestWindow");
}

TEST_F(WindowTest, CreateAnswerMinusOneDestroysTheWindow)
{
    // The handler is installed for the next window by catching WM_NCCREATE.
    static HWND refused = nullptr;
    WNDCLASSA wc{};
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_CREATE) {
            refused = h;
            return -1;
        }
        return DefWindowProcA(h, m, w, l);
    };
    wc.lpszClassName = "MvRefusingWindow";
    RegisterClassA(&wc);
    EXPECT_EQ(CreateWindowExA(0, "mvrefusingwindow", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    ASSERT_NE(refused, nullptr);
    EXPECT_FALSE(IsWindow(refused));
    EXPECT_EQ(RegisterClassA(&wc), 0) << "a class name registers once";
}

TEST_F(WindowTest, ParentChildTreeAndControlIds)
{
    HWND top = Top();
    HWND a = MakeWindow(top, WS_CHILD | WS_VISIBLE, 100, {0, 0, 50, 50});
    HWND b = MakeWindow(top, WS_CHILD, 101, {0, 0, 50, 50});
    HWND c = MakeWindow(a, WS_CHILD, 102, {0, 0, 5, 5});
    EXPECT_EQ(GetParent(a), top);
    EXPECT_EQ(GetDlgItem(top, 101), b);
    EXPECT_EQ(GetDlgItem(top, 102), nullptr) << "only direct children";
    EXPECT_EQ(GetDlgCtrlID(c), 102);
    EXPECT_TRUE(IsChild(top, c));
    EXPECT_FALSE(IsChild(a, b));
    EXPECT_EQ(GetAncestor(c, GA_ROOT), top);
    EXPECT_EQ(GetWindow(top, GW_CHILD), b) << "the newest child is on top";
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    std::vector<HWND> seen;
    EnumChildWindows(top, [](HWND h, LPARAM p) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&seen));
    EXPECT_EQ(seen.size(), 3u);
    // The parent is told about its children.
    auto notes = Recorder::Get().Of(top, WM_PARENTNOTIFY);
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(LOWORD(notes[0].wParam), WM_CREATE);

    // SetParent moves the subtree; a window cannot become its own descendant's child.
    HWND other = Top();
    EXPECT_EQ(SetParent(a, other), top);
    EXPECT_EQ(GetParent(a), other);
    EXPECT_TRUE(IsChild(other, c));
    EXPECT_EQ(SetParent(other, c), nullptr);
    DestroyWindow(top);
    EXPECT_FALSE(IsWindow(b));
    EXPECT_TRUE(IsWindow(a)) << "moved away before its old parent died";
}

TEST_F(WindowTest, WindowAndClientRectanglesFollowStylesAndMoves)
{
    HWND top = Top(WS_POPUP | WS_BORDER);
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    GetClientRect(top, &r);
    EXPECT_EQ(r.right, 198);
    EXPECT_EQ(r.bottom, 148);

    HWND child = MakeWindow(top, WS_CHILD, 5, {30, 40, 80, 60});
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 10 + 1 + 30);
    EXPECT_EQ(r.top, 20 + 1 + 40);
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 41);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(p.y, 40);

    Recorder::Get().Clear();
    MoveWindow(child, 5, 6, 100, 70, TRUE);
    auto sizes = Recorder::Get().Of(child, WM_SIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(LOWORD(sizes[0].lParam), 100);
    EXPECT_EQ(HIWORD(sizes[0].lParam), 70);
    EXPECT_EQ(Recorder::Get().Of(child, WM_MOVE).size(), 1u);
    Recorder::Get().Clear();
    MoveWindow(child, 5, 6, 100, 70, TRUE);
    EXPECT_TRUE(Recorder::Get().Of(child, WM_SIZE).empty()) << "no change, no WM_SIZE";

    RECT adjust{0, 0, 100, 100};
    AdjustWindowRectEx(&adjust, WS_OVERLAPPEDWINDOW, FALSE, 0);
    EXPECT_LT(adjust.top, -4);
}

TEST_F(WindowTest, ShowEnableAndVisibilityOfChildren)
{
    HWND top = Top(WS_POPUP);
    HWND child = MakeWindow(top, WS_CHILD | WS_VISIBLE, 1, {0, 0, 10, 10});
    EXPECT_FALSE(IsWindowVisible(child)) << "a hidden parent hides its children";
    EXPECT_FALSE(ShowWindow(top, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_EQ(Recorder::Get().Of(top, WM_SHOWWINDOW).size(), 1u);
    EXPECT_TRUE(ShowWindow(top, SW_SHOW)) << "answers the previous state";
    EXPECT_EQ(Recorder::Get().Of(top, WM_SHOWWINDOW).size(), 1u);

    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(EnableWindow(child, TRUE)) << "was disabled";
    EXPECT_EQ(Recorder::Get().Of(child, WM_ENABLE).size(), 2u);

    ShowWindow(top, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(top));
    auto sizes = Recorder::Get().Of(top, WM_SIZE);
    EXPECT_EQ(sizes.back().wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
    ShowWindow(top, SW_RESTORE);
    EXPECT_FALSE(IsIconic(top));
}

TEST_F(WindowTest, FocusAndCaptureSendTheirMessages)
{
    HWND top = Top(WS_POPUP | WS_VISIBLE);
    HWND a = MakeWindow(top, WS_CHILD | WS_VISIBLE, 1, {0, 0, 10, 10});
    HWND b = MakeWindow(top, WS_CHILD | WS_VISIBLE, 2, {0, 0, 10, 10});
    SetFocus(a);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_EQ(SetFocus(b), a);
    auto kill = Recorder::Get().Of(a, WM_KILLFOCUS);
    ASSERT_EQ(kill.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(kill[0].wParam), b);
    EXPECT_EQ(Recorder::Get().Of(b, WM_SETFOCUS).size(), 1u);
    EXPECT_EQ(GetActiveWindow(), top);

    EnableWindow(b, FALSE);
    EXPECT_EQ(GetFocus(), nullptr) << "a disabled window loses the focus";

    SetCapture(a);
    EXPECT_EQ(GetCapture(), a);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Recorder::Get().Of(a, WM_CAPTURECHANGED).size(), 1u);

    SetFocus(a);
    DestroyWindow(a);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowTest, TextAndLongValues)
{
    HWND h = Top();
    SetWindowTextA(h, "Hello");
    char buf[4];
    EXPECT_EQ(GetWindowTextA(h, buf, sizeof buf), 3) << "cut to the buffer";
    EXPECT_STREQ(buf, "Hel");
    EXPECT_EQ(GetWindowTextLengthA(h), 5);
    SetWindowLongPtrA(h, GWLP_USERDATA, 1234);
    EXPECT_EQ(GetWindowLongPtrA(h, GWLP_USERDATA), 1234);
    LONG style = GetWindowLongA(h, GWL_STYLE);
    SetWindowLongA(h, GWL_STYLE, style | WS_CLIPCHILDREN);
    EXPECT_EQ(Recorder::Get().Of(h, WM_STYLECHANGED).size(), 1u);
    EXPECT_EQ(GetWindowLongA(h, 64), 0) << "no extra bytes in this class";
    SetPropA(h, "p", reinterpret_cast<HANDLE>(7));
    EXPECT_EQ(GetPropA(h, "p"), reinterpret_cast<HANDLE>(7));
    EXPECT_EQ(RemovePropA(h, "p"), reinterpret_cast<HANDLE>(7));
    EXPECT_EQ(GetPropA(h, "p"), nullptr);
}

TEST_F(WindowTest, DestroyInsideOwnHandlerIsSafe)
{
    HWND h = Top();
    HWND child = MakeWindow(h, WS_CHILD, 3, {0, 0, 5, 5});
    Recorder::Get().SetHandler(h, [](HWND hwnd, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        if (m == WM_USER + 1) {
            DestroyWindow(hwnd);
            // Touching the handle after its destruction is harmless.
            EXPECT_FALSE(IsWindow(hwnd));
            EXPECT_EQ(SendMessageA(hwnd, WM_USER + 2, 0, 0), 0);
            handled = true;
        }
        return 0;
    });
    PostMessageA(h, WM_USER + 1, 0, 0);
    PostMessageA(h, WM_USER + 3, 0, 0);   // dropped: its window is gone
    MvPumpUntilIdle();
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(IsWindow(child));
    auto m = Recorder::Get().MessagesOf(h);
    EXPECT_TRUE(Contains(m, WM_DESTROY));
    EXPECT_EQ(m.back(), static_cast<UINT>(WM_NCDESTROY)) << "WM_NCDESTROY is the last message";
    EXPECT_FALSE(Contains(m, WM_USER + 3));
    auto cm = Recorder::Get().MessagesOf(child);
    EXPECT_EQ(cm.back(), static_cast<UINT>(WM_NCDESTROY));
    m_made.clear();
}

TEST_F(WindowTest, RightButtonReleaseAsksForTheContextMenuUpTheParents)
{
    HWND top = Top(WS_POPUP | WS_VISIBLE);
    HWND child = MakeWindow(top, WS_CHILD | WS_VISIBLE, 1, {30, 40, 130, 140});
    // A release left of the child's client area still reports its true screen point.
    for (POINT click : {POINT{5, 7}, POINT{-3, 2}}) {
        Recorder::Get().Clear();
        SendMessageA(child, WM_RBUTTONUP, 0, MAKELONG(click.x, click.y));
        POINT screen = click;
        ClientToScreen(child, &screen);
        auto own = Recorder::Get().Of(child, WM_CONTEXTMENU);
        auto up = Recorder::Get().Of(top, WM_CONTEXTMENU);
        ASSERT_EQ(own.size(), 1u);
        ASSERT_EQ(up.size(), 1u) << "an unhandled context menu goes to the parent";
        EXPECT_EQ(up[0].wParam, reinterpret_cast<WPARAM>(child)) << "naming the window clicked";
        EXPECT_EQ(static_cast<short>(LOWORD(up[0].lParam)), screen.x);
        EXPECT_EQ(static_cast<short>(HIWORD(up[0].lParam)), screen.y);
    }

    // A child that shows its own menu keeps the request; a handled release asks for none.
    Recorder::Get().Clear();
    Recorder::Get().SetHandler(child, [](HWND, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        handled = m == WM_CONTEXTMENU;
        return 0;
    });
    SendMessageA(child, WM_RBUTTONUP, 0, MAKELONG(1, 1));
    EXPECT_EQ(Recorder::Get().Of(child, WM_CONTEXTMENU).size(), 1u);
    EXPECT_TRUE(Recorder::Get().Of(top, WM_CONTEXTMENU).empty());
    Recorder::Get().Clear();
    Recorder::Get().SetHandler(child, [](HWND, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        handled = m == WM_RBUTTONUP;
        return 0;
    });
    SendMessageA(child, WM_RBUTTONUP, 0, MAKELONG(1, 1));
    EXPECT_TRUE(Recorder::Get().Of(child, WM_CONTEXTMENU).empty());

    // From the keyboard: the menu key or Shift+F10 on the focused window, with no point.
    struct Key {
        UINT key, modifiers;
        bool asks;
    };
    for (Key k : {Key{VK_APPS, 0, true}, Key{VK_F10, MK_SHIFT, true}, Key{VK_F10, 0, false}, Key{'M', MK_SHIFT, false}}) {
        Recorder::Get().Clear();
        CtlUserKey(child, k.key, k.modifiers);
        EXPECT_EQ(Recorder::Get().Of(child, WM_SYSKEYDOWN).size(), k.key == VK_F10 ? 1u : 0u) << "F10 is a system key";
        auto up = Recorder::Get().Of(top, WM_CONTEXTMENU);
        ASSERT_EQ(up.size(), k.asks ? 1u : 0u) << k.key;
        if (k.asks) {
            EXPECT_EQ(up[0].wParam, reinterpret_cast<WPARAM>(child));
            EXPECT_EQ(up[0].lParam, -1);
        }
    }
}

TEST_F(WindowTest, APressOnAChildTellsItsAncestorsFirstUnlessItAskedNotTo)
{
    HWND top = Top(WS_POPUP | WS_VISIBLE);
    HWND panel = MakeWindow(top, WS_CHILD | WS_VISIBLE, 1, {10, 20, 210, 170});
    HWND editor = MakeWindow(panel, WS_CHILD | WS_VISIBLE, 2, {5, 6, 105, 56});
    bool before = false;
    Recorder::Get().Clear();   // creation told the parents too
    Recorder::Get().SetHandler(top, [&](HWND, UINT m, WPARAM, LPARAM, bool&) -> LRESULT {
        if (m == WM_PARENTNOTIFY) before = Recorder::Get().Of(editor, WM_RBUTTONDOWN).empty();
        return 0;
    });
    PostMessageA(editor, WM_RBUTTONDOWN, MK_RBUTTON, MAKELONG(3, 4));
    MvPumpUntilIdle();
    auto toPanel = Recorder::Get().Of(panel, WM_PARENTNOTIFY);
    auto toTop = Recorder::Get().Of(top, WM_PARENTNOTIFY);
    ASSERT_EQ(toPanel.size(), 1u);
    ASSERT_EQ(toTop.size(), 1u);
    EXPECT_TRUE(before) << "the ancestors hear of the press before the child gets it";
    EXPECT_EQ(LOWORD(toPanel[0].wParam), WM_RBUTTONDOWN);
    EXPECT_EQ(toPanel[0].lParam, MAKELONG(5 + 3, 6 + 4)) << "in the panel's client area";
    EXPECT_EQ(toTop[0].lParam, MAKELONG(10 + 5 + 3, 20 + 6 + 4));

    // Dialog controls are made with the style that keeps their presses to themselves.
    SetWindowLongA(editor, GWL_EXSTYLE, WS_EX_NOPARENTNOTIFY);
    Recorder::Get().Clear();
    PostMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELONG(3, 4));
    PostMessageA(editor, WM_LBUTTONUP, 0, MAKELONG(3, 4));
    MvPumpUntilIdle();
    EXPECT_EQ(Recorder::Get().Of(editor, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_TRUE(Recorder::Get().Of(panel, WM_PARENTNOTIFY).empty());
    EXPECT_TRUE(Recorder::Get().Of(top, WM_PARENTNOTIFY).empty());
}

TEST_F(WindowTest, CloseDestroysByDefault)
{
    HWND h = Top();
    SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowTest, PaintComesWhenIdleAndLockWindowUpdateFreezesIt)
{
    HWND top = Top(WS_POPUP | WS_VISIBLE);
    HWND child = MakeWindow(top, WS_CHILD | WS_VISIBLE, 1, {0, 0, 10, 10});
    MvPumpUntilIdle();
    Recorder::Get().Clear();
    InvalidateRect(child, nullptr, TRUE);
    RECT u;
    EXPECT_TRUE(GetUpdateRect(child, &u, FALSE));
    EXPECT_EQ(u.right, 10);

    EXPECT_TRUE(LockWindowUpdate(top));
    EXPECT_FALSE(LockWindowUpdate(child)) << "one window at a time";
    MvPumpUntilIdle();
    EXPECT_TRUE(Recorder::Get().Of(child, WM_PAINT).empty());
    EXPECT_EQ(MvGetLockedWindow(), top);
    EXPECT_TRUE(LockWindowUpdate(nullptr));
    MvPumpUntilIdle();
    EXPECT_EQ(Recorder::Get().Of(child, WM_PAINT).size(), 1u);
    EXPECT_FALSE(GetUpdateRect(child, &u, FALSE));
}

TEST_F(WindowTest, SetRedrawFalseHoldsPaintingOfTheWindowAndItsChildren)
{
    HWND top = Top(WS_POPUP | WS_VISIBLE);
    HWND child = MakeWindow(top, WS_CHILD | WS_VISIBLE, 1, {0, 0, 10, 10});
    MvPumpUntilIdle();
    Recorder::Get().Clear();
    SendMessageA(top, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(child, nullptr, TRUE);
    MvPumpUntilIdle();
    EXPECT_TRUE(Recorder::Get().Of(child, WM_PAINT).empty());
    SendMessageA(top, WM_SETREDRAW, TRUE, 0);
    MvPumpUntilIdle();
    EXPECT_EQ(Recorder::Get().Of(child, WM_PAINT).size(), 1u);
}

TEST_F(WindowTest, WindowFromPointFindsTheDeepestVisibleChild)
{
    HWND top = Top(WS_POPUP | WS_VISIBLE);
    HWND child = MakeWindow(top, WS_CHILD | WS_VISIBLE, 1, {10, 10, 40, 40});
    EXPECT_EQ(WindowFromPoint(POINT{10 + 15, 20 + 15}), child);
    EXPECT_EQ(WindowFromPoint(POINT{10 + 5, 20 + 5}), top);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{15, 15}), child);
}

TEST_F(WindowTest, PointerInputGoesToTheCaptureOrTheEnabledWindowUnderIt)
{
    HWND top = Top(WS_POPUP | WS_VISIBLE);   // at (10, 20) on the screen
    HWND list = MakeWindow(top, WS_CHILD | WS_VISIBLE, 1, {10, 10, 60, 40});
    HWND off = MakeWindow(top, WS_CHILD | WS_VISIBLE | WS_DISABLED, 2, {100, 10, 150, 40});
    ASSERT_FALSE(IsWindowEnabled(off));
    HWND radio = CreateWindowExA(0, "Button", "Fast", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 10, 60, 80, 16, top,
                                 reinterpret_cast<HMENU>(3), nullptr, nullptr);
    HWND frame = CreateWindowExA(0, "Button", "Speed", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 50, 190, 60, top,
                                 reinterpret_cast<HMENU>(4), nullptr, nullptr);
    HWND label = CreateWindowExA(0, "Static", "Rate", WS_CHILD | WS_VISIBLE, 5, 50, 40, 10, top, nullptr, nullptr, nullptr);
    ASSERT_TRUE(radio && frame && label);
    ASSERT_EQ(WindowFromPoint(POINT{10 + 20, 20 + 65}), radio) << "the group box and label over it let the pointer through";
    EXPECT_EQ(WindowFromPoint(POINT{10 + 180, 20 + 100}), top);

    struct Case {
        const char* what;
        POINT screen;
        HWND capture;
        HWND to;
        POINT client;
    };
    const Case cases[] = {
        {"the window under the pointer", {10 + 15, 20 + 12}, nullptr, list, {5, 2}},
        {"a disabled control's parent", {10 + 110, 20 + 15}, nullptr, top, {110, 15}},
        {"the capture, wherever the pointer is", {2, 3}, list, list, {2 - 20, 3 - 30}},
        {"nothing off every window", {1200, 1000}, nullptr, nullptr, {}},
    };
    for (const Case& c : cases) {
        Recorder::Get().Clear();
        if (c.capture) SetCapture(c.capture);
        EXPECT_EQ(MvPostMouseInput(WM_LBUTTONUP, c.screen), c.to) << c.what;
        ReleaseCapture();
        MvPumpUntilIdle();
        POINT cursor;
        GetCursorPos(&cursor);
        EXPECT_EQ(cursor.x, c.screen.x) << c.what;
        if (!c.to) continue;
        auto got = Recorder::Get().Of(c.to, WM_LBUTTONUP);
        ASSERT_EQ(got.size(), 1u) << c.what;
        EXPECT_EQ(static_cast<short>(LOWORD(got[0].lParam)), c.client.x) << c.what;
        EXPECT_EQ(static_cast<short>(HIWORD(got[0].lParam)), c.client.y) << c.what;
    }

    // The owner of a modal dialog is disabled: clicks on it are lost.
    EnableWindow(top, FALSE);
    Recorder::Get().Clear();
    EXPECT_EQ(MvPostMouseInput(WM_LBUTTONDOWN, POINT{10 + 15, 20 + 12}, MK_LBUTTON), nullptr);
    MvPumpUntilIdle();
    EXPECT_TRUE(Recorder::Get().Of(list, WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(Recorder::Get().Of(top, WM_LBUTTONDOWN).empty());
}

TEST_F(WindowTest, APressActivatesItsTopLevelWindowUnlessMouseActivationSaysNo)
{
    HWND editor = Top(WS_POPUP | WS_VISIBLE);   // at (10, 20)
    HWND palette = MakeWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, {400, 20, 500, 120});
    m_made.push_back(palette);
    HWND swatch = MakeWindow(palette, WS_CHILD | WS_VISIBLE, 1, {10, 10, 50, 50});
    SetActiveWindow(editor);
    Recorder::Get().Clear();
    EXPECT_EQ(MvPostMouseInput(WM_LBUTTONDOWN, POINT{400 + 20, 20 + 20}, MK_LBUTTON), swatch);
    MvPumpUntilIdle();
    EXPECT_EQ(GetActiveWindow(), palette);
    auto asked = Recorder::Get().Of(palette, WM_MOUSEACTIVATE);
    ASSERT_EQ(asked.size(), 1u) << "the child's default asks its parent";
    EXPECT_EQ(asked[0].wParam, reinterpret_cast<WPARAM>(palette));
    EXPECT_EQ(asked[0].lParam, MAKELONG(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(Recorder::Get().Of(swatch, WM_LBUTTONDOWN).size(), 1u);

    // A tool window that keeps the editor active and swallows the activating press.
    SetActiveWindow(editor);
    Recorder::Get().Clear();
    Recorder::Get().SetHandler(palette, [](HWND, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        handled = m == WM_MOUSEACTIVATE;
        return MA_NOACTIVATEANDEAT;
    });
    EXPECT_EQ(MvPostMouseInput(WM_LBUTTONDOWN, POINT{400 + 20, 20 + 20}, MK_LBUTTON), nullptr);
    MvPumpUntilIdle();
    EXPECT_EQ(GetActiveWindow(), editor);
    EXPECT_TRUE(Recorder::Get().Of(swatch, WM_LBUTTONDOWN).empty());
    // Moves and releases never activate.
    EXPECT_EQ(MvPostMouseInput(WM_LBUTTONUP, POINT{400 + 20, 20 + 20}), swatch);
    EXPECT_EQ(GetActiveWindow(), editor);
}

struct CountingObserver : IMvWindowObserver {
    std::vector<std::pair<HWND, MvWindowEvent>> events;
    void OnWindowEvent(HWND h, MvWindowEvent e) override { events.push_back({h, e}); }
    int Count(HWND h, MvWindowEvent e) const
    {
        return static_cast<int>(std::count(events.begin(), events.end(), std::make_pair(h, e)));
    }
};

TEST_F(WindowTest, ObserversSeeModelChanges)
{
    CountingObserver o;
    MvAddWindowObserver(&o);
    HWND h = Top(WS_POPUP);
    SetWindowTextA(h, "x");
    ShowWindow(h, SW_SHOW);
    MoveWindow(h, 1, 2, 3, 4, TRUE);
    DestroyWindow(h);
    MvRemoveWindowObserver(&o);
    m_made.clear();
    EXPECT_EQ(o.Count(h, MvWindowEvent::Created), 1);
    EXPECT_EQ(o.Count(h, MvWindowEvent::Text), 1);
    EXPECT_EQ(o.Count(h, MvWindowEvent::Visible), 1);
    EXPECT_EQ(o.Count(h, MvWindowEvent::Rect), 1);
    EXPECT_EQ(o.Count(h, MvWindowEvent::Destroyed), 1);
}

} // namespace

namespace {
TEST(WindowMenus, DestroyingAWindowDestroysItsMenus)
{
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 10, "Item");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&File");
    HWND h = CreateWindowExA(0, wintest::TestClass(), "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, bar, nullptr, nullptr);
    ASSERT_EQ(GetMenu(h), bar);
    HMENU sys = GetSystemMenu(h, FALSE);
    ASSERT_NE(sys, nullptr);
    EXPECT_EQ(GetMenuState(sys, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    DestroyWindow(h);
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(popup));
    EXPECT_FALSE(IsMenu(sys));
}
} // namespace

namespace {
struct MenuWatcher : IMvWindowObserver {
    std::vector<HMENU> changed;
    void OnWindowEvent(HWND, MvWindowEvent) override {}
    void OnMenuChanged(HMENU menu) override { changed.push_back(menu); }
};

TEST(WindowMenus, ObserversSeeMenuChanges)
{
    MenuWatcher watcher;
    MvAddWindowObserver(&watcher);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "One");
    EnableMenuItem(menu, 1, MF_GRAYED);
    CheckMenuItem(menu, 1, MF_CHECKED);
    MvRemoveWindowObserver(&watcher);
    EXPECT_EQ(watcher.changed, (std::vector<HMENU>{menu, menu, menu}));
    DestroyMenu(menu);
}
} // namespace
