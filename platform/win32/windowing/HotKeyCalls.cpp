// Hot keys as X11 key grabs on the root window, watched by one thread that posts WM_HOTKEY.
#include "win32/windowing/HotKey.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/Messages.h"
#include "win32/gdi/XErrorTrap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <poll.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct HotKey {
    HWND hwnd;
    int id;
    UINT modifiers;
    UINT virtualKey;
    KeyCode code;
    unsigned mask;
};

KeySym SymOf(UINT vk)
{
    if (vk >= 'A' && vk <= 'Z') return XK_a + (vk - 'A');
    if (vk >= '0' && vk <= '9') return XK_0 + (vk - '0');
    if (vk >= VK_F1 && vk <= VK_F12) return XK_F1 + (vk - VK_F1);
    switch (vk) {
    case VK_SPACE: return XK_space;
    case VK_RETURN: return XK_Return;
    case VK_ESCAPE: return XK_Escape;
    case VK_TAB: return XK_Tab;
    case VK_BACK: return XK_BackSpace;
    case VK_PAUSE: return XK_Pause;
    case VK_PRIOR: return XK_Prior;
    case VK_NEXT: return XK_Next;
    case VK_END: return XK_End;
    case VK_HOME: return XK_Home;
    case VK_LEFT: return XK_Left;
    case VK_UP: return XK_Up;
    case VK_RIGHT: return XK_Right;
    case VK_DOWN: return XK_Down;
    case VK_INSERT: return XK_Insert;
    case VK_DELETE: return XK_Delete;
    default: return NoSymbol;
    }
}

unsigned MaskOf(UINT modifiers)
{
    unsigned mask = 0;
    if (modifiers & MOD_ALT) mask |= Mod1Mask;
    if (modifiers & MOD_CONTROL) mask |= ControlMask;
    if (modifiers & MOD_SHIFT) mask |= ShiftMask;
    if (modifiers & MOD_WIN) mask |= Mod4Mask;
    return mask;
}

// Caps Lock and Num Lock must not stop a hot key: each grab is made with and without them.
const unsigned kLockVariants[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};
constexpr unsigned kRelevant = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;

class HotKeys {
public:
    static HotKeys& Instance()
    {
        static HotKeys* keys = new HotKeys;  // its thread runs until the process ends
        return *keys;
    }

    bool Register(HWND hwnd, int id, UINT modifiers, UINT vk)
    {
        std::lock_guard<std::mutex> guard(mLock);
        if (!mDisplay || mLost || !hwnd) return false;
        KeySym sym = SymOf(vk);
        KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(mDisplay, sym);
        if (!code) return false;
        unsigned mask = MaskOf(modifiers);
        for (const HotKey& k : mKeys)
            if ((k.hwnd == hwnd && k.id == id) || (k.code == code && k.mask == mask)) return false;
        Window root = DefaultRootWindow(mDisplay);
        XSync(mDisplay, False);
        unsigned before = MvXErrorCount();
        for (unsigned lock : kLockVariants) XGrabKey(mDisplay, code, mask | lock, root, True, GrabModeAsync, GrabModeAsync);
        XSync(mDisplay, False);
        if (MvXErrorCount() != before) {
            // Another client holds the combination.
            for (unsigned lock : kLockVariants) XUngrabKey(mDisplay, code, mask | lock, root);
            XSync(mDisplay, False);
            return false;
        }
        mKeys.push_back(HotKey{hwnd, id, modifiers, vk, code, mask});
        return true;
    }

    bool Unregister(HWND hwnd, int id)
    {
        std::lock_guard<std::mutex> guard(mLock);
        for (auto it = mKeys.begin(); it != mKeys.end(); ++it) {
            if (it->hwnd != hwnd || it->id != id) continue;
            if (mDisplay && !mLost) {
                for (unsigned lock : kLockVariants)
                    XUngrabKey(mDisplay, it->code, it->mask | lock, DefaultRootWindow(mDisplay));
                XSync(mDisplay, False);
            }
            mKeys.erase(it);
            return true;
        }
        return false;
    }

private:
    HotKeys()
    {
        const char* name = std::getenv("DISPLAY");
        if (!name || !*name) return;
        MvInstallXErrorTrap();
        mDisplay = XOpenDisplay(name);
        if (!mDisplay) return;
        MvWatchDisplayLoss(mDisplay, &mLost);
        // Key presses sent to the root window arrive here too, as grabbed ones do.
        XSelectInput(mDisplay, DefaultRootWindow(mDisplay), KeyPressMask);
        XSync(mDisplay, False);
        std::thread([this] { Watch(); }).detach();
    }

    void Watch()
    {
        int fd = ConnectionNumber(mDisplay);
        while (!mLost) {
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, 100);
            std::vector<MSG> posts;
            {
                std::lock_guard<std::mutex> guard(mLock);
                while (!mLost && XPending(mDisplay) > 0) {
                    XEvent event;
                    XNextEvent(mDisplay, &event);
                    if (event.type != KeyPress) continue;
                    for (const HotKey& k : mKeys)
                        if (k.code == event.xkey.keycode && k.mask == (event.xkey.state & kRelevant))
                            posts.push_back(MSG{k.hwnd, WM_HOTKEY, static_cast<WPARAM>(k.id),
                                                static_cast<LPARAM>(MAKELONG(k.modifiers, k.virtualKey)), 0, {0, 0}});
                }
            }
            for (const MSG& m : posts) PostMessageA(m.hwnd, m.message, m.wParam, m.lParam);
        }
    }

    std::mutex mLock;
    Display* mDisplay = nullptr;
    std::atomic<bool> mLost{false};  // the server went away: hot keys are refused from then on
    std::vector<HotKey> mKeys;
};

}

BOOL RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT virtualKey)
{
    return HotKeys::Instance().Register(hwnd, id, modifiers, virtualKey) ? TRUE : FALSE;
}

BOOL UnregisterHotKey(HWND hwnd, int id)
{
    return HotKeys::Instance().Unregister(hwnd, id) ? TRUE : FALSE;
}
