#include "CHotKeyListener.h"
#include "CListener.h"
#include "CObviousDragIndicator.h"
#include "CScreenCapture.h"
#include "ScreenPaint.h"
#include "XvfbDisplay.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiSurface.h"
#include "win32/windowing/HotKey.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/Messages.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cstdlib>

namespace {

// Reads a pixel straight from the X server, past our own copy of the screen.
unsigned long ServerPixel(int x, int y)
{
    Display* d = XOpenDisplay(nullptr);
    XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
    unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    XCloseDisplay(d);
    return pixel;
}

// A key press sent to the root window, as the hot-key watcher receives grabbed ones.
void SendKey(KeySym sym, unsigned state)
{
    Display* d = XOpenDisplay(nullptr);
    XEvent event{};
    event.xkey.type = KeyPress;
    event.xkey.display = d;
    event.xkey.window = event.xkey.root = DefaultRootWindow(d);
    event.xkey.keycode = XKeysymToKeycode(d, sym);
    event.xkey.state = state;
    event.xkey.same_screen = True;
    XSendEvent(d, DefaultRootWindow(d), True, KeyPressMask, &event);
    XFlush(d);
    XCloseDisplay(d);
}

LRESULT HotKeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HOTKEY) {
        auto* listener = reinterpret_cast<CHotKeyListener*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (listener) listener->Process(static_cast<int>(wParam));
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND HotKeyWindow()
{
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = HotKeyProc;
        wc.lpszClassName = "MvHotKeyWindow";
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    return CreateWindowExA(0, "MvHotKeyWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

struct Heard : CListener {
    bool ListenToMessage(long message, const void* p, const void*) override
    {
        if (message == kHotKeyPressedMessage) values.push_back(reinterpret_cast<uintptr_t>(p));
        return true;
    }
    std::vector<uintptr_t> values;
};

}

TEST(X11Screen, TheScreenIsTheDisplay)
{
    MV_REQUIRE_DISPLAY();
    EXPECT_TRUE(GdiScreenIsDisplay());
    EXPECT_EQ(1366, GdiGetScreenSize().cx);
    EXPECT_EQ(1366, GetSystemMetrics(SM_CXSCREEN));
    FillScreen(RECT{0, 0, 300, 200}, RGB(255, 0, 0));
    EXPECT_EQ(0xFF0000ul, ServerPixel(150, 100));
}

TEST(X11Screen, CaptureGrabsWhatTheServerShows)
{
    MV_REQUIRE_DISPLAY();
    FillScreen(RECT{0, 0, 1366, 768}, RGB(0, 0, 0));
    FillScreen(RECT{1300, 700, 1301, 701}, RGB(0, 255, 0));
    CScreenCapture capture;
    EXPECT_EQ(1364, capture.GetWidth());  // 1366 rounded down to the block size
    ASSERT_TRUE(capture.Capture());
    const BYTE* frame = capture.GetBuffer();
    int width = capture.GetBitmapWidth(), height = capture.GetBitmapHeight();
    const BYTE* p = frame + (size_t(height - 1 - 700) * width + 1300) * 4;  // bottom-up frame
    EXPECT_EQ(0, p[0]);
    EXPECT_EQ(255, p[1]);
    EXPECT_EQ(0, p[2]);
}

TEST(X11Screen, DragIndicatorDrawsOnTheServerAndRestoresIt)
{
    MV_REQUIRE_DISPLAY();
    FillScreen(RECT{0, 0, 200, 200}, RGB(255, 255, 255));
    CObviousDragIndicator indicator(nullptr);
    ASSERT_TRUE(indicator.HasSnapshot());
    indicator.Move(20, 20, 80, 80);
    EXPECT_EQ(0x00C400ul, ServerPixel(20, 50));
    indicator.Undraw();
    EXPECT_EQ(0xFFFFFFul, ServerPixel(20, 50));
}

TEST(X11HotKeys, APressedHotKeyIsBroadcast)
{
    MV_REQUIRE_DISPLAY();
    HWND window = HotKeyWindow();
    CHotKeyListener listener;
    Heard heard;
    listener.AddListener(&heard);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&listener));
    listener.SetWindow(window);
    ASSERT_TRUE(listener.Add(0x20007, true, false, true, VK_F5));
    EXPECT_FALSE(RegisterHotKey(window, 8, MOD_CONTROL | MOD_SHIFT, VK_F5));  // the same keys twice
    SendKey(XK_F5, ControlMask | ShiftMask);
    MvPumpUntil([&] { return !heard.values.empty(); }, 30000);
    ASSERT_EQ(1u, heard.values.size());
    EXPECT_EQ(0x20007u, heard.values[0]);
    SendKey(XK_F5, ControlMask);  // other modifiers: not the hot key
    // The hot key again comes after it: once that is heard, the other was handled.
    SendKey(XK_F5, ControlMask | ShiftMask);
    ASSERT_TRUE(MvPumpUntil([&] { return heard.values.size() >= 2; }, 30000));
    MvPumpUntilIdle();
    EXPECT_EQ((std::vector<uintptr_t>{0x20007u, 0x20007u}), heard.values);
    listener.Reset();
    listener.RemoveListener(&heard);
    DestroyWindow(window);
}

TEST(X11HotKeys, KeysAnotherClientHoldsAreRefused)
{
    MV_REQUIRE_DISPLAY();
    Display* other = XOpenDisplay(nullptr);
    KeyCode code = XKeysymToKeycode(other, XK_F9);
    XGrabKey(other, code, Mod1Mask, DefaultRootWindow(other), True, GrabModeAsync, GrabModeAsync);
    XSync(other, False);
    HWND window = HotKeyWindow();
    EXPECT_FALSE(RegisterHotKey(window, 1, MOD_ALT, VK_F9));
    EXPECT_TRUE(RegisterHotKey(window, 2, MOD_ALT, VK_F10));
    EXPECT_TRUE(UnregisterHotKey(window, 2));
    EXPECT_FALSE(UnregisterHotKey(window, 2));
    XCloseDisplay(other);
    DestroyWindow(window);
}
