#include "CHotKeyListener.h"

#include "win32/windowing/HotKey.h"

#include <cstdint>

CHotKeyListener::CHotKeyListener() = default;

CHotKeyListener::CHotKeyListener(const CHotKeyListener& other) : CBroadcaster(other), mWindow(other.mWindow) {}

CHotKeyListener& CHotKeyListener::operator=(const CHotKeyListener& other)
{
    if (this != &other) {
        Reset();
        CBroadcaster::operator=(other);
        mWindow = other.mWindow;
    }
    return *this;
}

CHotKeyListener::~CHotKeyListener()
{
    Reset();
}

bool CHotKeyListener::Add(ULONG value, bool control, bool alt, bool shift, unsigned char virtualKey)
{
    // The id is the integer atom of the value's low word: that number itself.
    int id = static_cast<int>(value & 0xFFFF);
    UINT modifiers = (control ? MOD_CONTROL : 0) | (alt ? MOD_ALT : 0) | (shift ? MOD_SHIFT : 0);
    bool registered = RegisterHotKey(mWindow, id, modifiers, virtualKey) != FALSE;
    mHotKeys.push_back(SHotKey{mWindow, id, value});
    return registered;
}

ULONG CHotKeyListener::GetFlagById(int id) const
{
    for (const SHotKey& key : mHotKeys)
        if (key.id == id) return key.value;
    return 0;
}

void CHotKeyListener::Process(int id)
{
    ULONG value = GetFlagById(id);
    if (value) Broadcast(kHotKeyPressedMessage, reinterpret_cast<const void*>(static_cast<uintptr_t>(value)), nullptr);
}

void CHotKeyListener::Reset()
{
    for (const SHotKey& key : mHotKeys) UnregisterHotKey(key.window, key.id);
    mHotKeys.clear();
}
