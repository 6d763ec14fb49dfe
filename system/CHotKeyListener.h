#pragma once
// Registers system-wide hot keys for a window and broadcasts the value of the one pressed.
#include "CBroadcaster.h"
#include "win32/WinTypes.h"

#include <vector>

constexpr long kHotKeyPressedMessage = 43334953;

class CHotKeyListener : public CBroadcaster {
public:
    struct SHotKey {
        HWND window;
        int id;
        ULONG value;
    };

    CHotKeyListener();
    // A copy keeps the window but registers nothing: hot keys belong to one listener.
    CHotKeyListener(const CHotKeyListener& other);
    CHotKeyListener& operator=(const CHotKeyListener& other);
    ~CHotKeyListener() override;

    void SetWindow(HWND window) { mWindow = window; }
    HWND GetWindow() const { return mWindow; }
    // Listed even when the system refuses the registration; true when it was registered.
    bool Add(ULONG value, bool control, bool alt, bool shift, unsigned char virtualKey);
    ULONG GetFlagById(int id) const;
    // For the owner of the window, with the id of a WM_HOTKEY message.
    void Process(int id);
    void Reset();
    int GetCount() const { return static_cast<int>(mHotKeys.size()); }

private:
    HWND mWindow = nullptr;
    std::vector<SHotKey> mHotKeys;
};
