#include "CDesktopDialog.h"
#include "CDesktopDrag.h"
#include "CListener.h"
#include "CWindowPicker.h"
#include "StSelectCursor.h"
#include "StWaitCursor.h"
#include "afx/CRect.h"
#include "win32/dialogs/Dialog.h"
#include "win32/controls/CtlMessages.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

void Mouse(HWND hwnd, UINT message, int x, int y)
{
    SendMessageA(hwnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

TEST(CursorGuards, EachShowsItsCursorAndPutsThePreviousBack)
{
    HCURSOR before = GetCursor();
    {
        StWaitCursor wait;
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
        {
            StSelectCursor select;
            EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEALL));
        }
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(GetCursor(), before);
}

struct Picked {
    unsigned short x, y, width, height;
};

// Runs the desktop dialog with the user's mouse actions (client points of the full-screen dialog).
Picked RunDesktopDialog(std::function<void(HWND)> user)
{
    CDesktopDialog dialog;
    HCURSOR before = GetCursor();
    MvScriptModal([&](HWND h) {
        RECT rect;
        GetWindowRect(h, &rect);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
        EXPECT_EQ(GetCapture(), h) << "tracking holds the mouse";
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEALL));
        user(h);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(GetCursor(), before);
    EXPECT_EQ(GetCapture(), nullptr);
    return {dialog.GetX(), dialog.GetY(), dialog.GetWidth(), dialog.GetHeight()};
}

TEST(CDesktopDialog, DraggedRectangleIsTheResult)
{
    struct Case {
        POINT from, via, to;
        Picked expected;
    } cases[] = {
        {{100, 50}, {200, 120}, {300, 200}, {100, 50, 200, 150}},
        {{300, 200}, {250, 150}, {100, 50}, {100, 50, 200, 150}},   // dragged up and left
        {{40, 60}, {40, 60}, {40, 60}, {40, 60, 0, 0}},              // a click without moving
        {{10, 10}, {-50, -40}, {-50, -40}, {0, 0, 10, 10}},          // past the screen's edge
    };
    for (auto& c : cases) {
        Picked got = RunDesktopDialog([&](HWND h) {
            Mouse(h, WM_LBUTTONDOWN, c.from.x, c.from.y);
            Mouse(h, WM_MOUSEMOVE, c.via.x, c.via.y);
            Mouse(h, WM_LBUTTONUP, c.to.x, c.to.y);
        });
        EXPECT_EQ(got.x, c.expected.x);
        EXPECT_EQ(got.y, c.expected.y);
        EXPECT_EQ(got.width, c.expected.width);
        EXPECT_EQ(got.height, c.expected.height);
    }
}

TEST(CDesktopDialog, ReleaseWithoutPressGivesTheWholeScreen)
{
    Picked got = RunDesktopDialog([](HWND h) { Mouse(h, WM_LBUTTONUP, 300, 300); });
    EXPECT_EQ(got.x, 0);
    EXPECT_EQ(got.y, 0);
    EXPECT_EQ(got.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(got.height, GetSystemMetrics(SM_CYSCREEN));
}

TEST(CDesktopDrag, TracksOneDragAndLetsTheMouseGo)
{
    CDesktopDrag drag;
    ASSERT_TRUE(drag.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    Mouse(drag.m_hWnd, WM_LBUTTONDOWN, 5, 5);   // not tracking yet: nothing
    EXPECT_EQ(GetCapture(), nullptr);
    drag.StartTracking();
    drag.StartTracking();
    EXPECT_TRUE(drag.IsTracking());
    EXPECT_EQ(GetCapture(), drag.m_hWnd);
    Mouse(drag.m_hWnd, WM_LBUTTONDOWN, 10, 10);
    Mouse(drag.m_hWnd, WM_MOUSEMOVE, 100, 80);
    Mouse(drag.m_hWnd, WM_LBUTTONUP, 120, 90);
    EXPECT_FALSE(drag.IsTracking());
    EXPECT_EQ(GetCapture(), nullptr);
    drag.StartTracking();
    Mouse(drag.m_hWnd, WM_LBUTTONDOWN, 10, 10);
    drag.Reset();
    EXPECT_FALSE(drag.IsTracking());
    EXPECT_EQ(GetCapture(), nullptr);
    drag.DestroyWindow();
}

class PickListener : public CListener {
public:
    std::vector<const void*> picks;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kWindowPickedMessage) picks.push_back(p);
        return CListener::ListenToMessage(message, p, q);
    }
};

HWND TopLevel(RECT rect, bool maximised = false)
{
    static bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "MvPickTarget";
        return RegisterClassA(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    HWND hwnd = CreateWindowExA(0, "MvPickTarget", "", WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
    if (maximised) ShowWindow(hwnd, SW_MAXIMIZE);
    return hwnd;
}

TEST(CWindowPicker, DragPicksTheWindowUnderThePointer)
{
    // Maximised and under the others.
    HWND below = TopLevel({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, true);
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    HWND target = TopLevel({400, 100, 600, 300});
    auto picker = std::make_unique<CWindowPicker>();
    ASSERT_TRUE(picker->CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 60), &host, 100));
    PickListener listener;
    picker->AddListener(&listener);
    HCURSOR before = GetCursor();
    EXPECT_EQ(picker->GetWindow(), nullptr);

    // Painted as a raised frame: white top-left, dark bottom-right.
    UpdateWindow(picker->m_hWnd);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GdiGetWindowSurface(picker->m_hWnd));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 49, 49), RGB(0x20, 0x20, 0x20));
    SelectObject(dc, old);
    DeleteDC(dc);

    SetCursorPos(20, 20);
    Mouse(picker->m_hWnd, WM_LBUTTONDOWN, 10, 10);
    EXPECT_EQ(GetCapture(), picker->m_hWnd);
    EXPECT_NE(GetCursor(), before);
    EXPECT_EQ(picker->GetWindow(), picker->m_hWnd) << "the picker itself is under the pointer at first";

    // Client points of the picker, whose client origin is (10, 10) on the screen.
    Mouse(picker->m_hWnd, WM_MOUSEMOVE, 490, 190);
    EXPECT_EQ(picker->GetWindow(), target);
    Mouse(picker->m_hWnd, WM_MOUSEMOVE, 150, 100);
    EXPECT_EQ(picker->GetWindow(), host.m_hWnd) << "its own top-level window can be picked";
    Mouse(picker->m_hWnd, WM_MOUSEMOVE, 900, 700);
    EXPECT_EQ(picker->GetWindow(), below) << "a maximised window is picked, the outline stays";
    EXPECT_TRUE(listener.picks.empty());

    Mouse(picker->m_hWnd, WM_LBUTTONUP, 490, 190);
    EXPECT_EQ(picker->GetWindow(), target);
    ASSERT_EQ(listener.picks.size(), 1u);
    EXPECT_EQ(listener.picks[0], picker.get());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetCursor(), before);

    Mouse(picker->m_hWnd, WM_LBUTTONUP, 490, 190);
    EXPECT_EQ(listener.picks.size(), 1u) << "a release without a drag picks nothing";
    picker->DestroyWindow();
    picker.reset();
    host.DestroyWindow();
    DestroyWindow(target);
    DestroyWindow(below);
}

} // namespace
