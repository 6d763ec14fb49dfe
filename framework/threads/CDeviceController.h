#pragma once
// Tells the application when a capture device is plugged in or removed: listeners hear
// kDeviceChangeMessage (event code, device broadcast record) on the user-interface thread,
// one event per 500 ms, at least 500 ms after it happened.
#include "CBroadcaster.h"
#include "CListener.h"
#include "win32/WinTypes.h"

class CDeviceWindow;

inline constexpr long kDeviceChangeMessage = 5677432;

class CDeviceController : public CBroadcaster, public CListener {
public:
    CDeviceController();
    CDeviceController(const CDeviceController&) = delete;
    CDeviceController& operator=(const CDeviceController&) = delete;
    ~CDeviceController() override;

    // Closes the window: nothing more is told.
    void Stop();
    bool ListenToMessage(long message, const void* p, const void* q) override;
    // The hidden window, or null once stopped.
    HWND GetWindow() const { return m_hwnd; }

    static CDeviceController* sController;

private:
    HWND m_hwnd = nullptr;
};
