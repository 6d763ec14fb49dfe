#pragma once
// The hidden "Devices" window: registers for arrivals and removals of capture devices,
// queues them, and hands them to its controller one per 500 ms tick, so that listeners
// never run inside the system's device broadcast. The object dies with its window.
#include "CBroadcaster.h"
#include "CMvCriticalSection.h"
#include "CPointerList.h"
#include "win32/WinTypes.h"

class CListener;
struct DEV_BROADCAST_HDR;
MV_DECLARE_HANDLE(HDEVNOTIFY);

inline constexpr long kDeviceWindowChangeMessage = 77884523;

class CDeviceWindow {
public:
    static constexpr UINT_PTR kDeliveryTimerId = 200;
    static constexpr UINT kDeliveryPeriodMs = 500;
    static constexpr DWORD kMaxRecordSize = 4096;

    CDeviceWindow(const CDeviceWindow&) = delete;
    CDeviceWindow& operator=(const CDeviceWindow&) = delete;

    // Creates a window on the calling thread that tells the listener; null when it could
    // not be created. kHiddenWindowCloseMessage closes it.
    static HWND Open(CListener* listener);

private:
    CDeviceWindow() = default;
    ~CDeviceWindow();

    static bool HandleMessage(void* context, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT& result);
    void Register();
    void Queue(WPARAM code, const DEV_BROADCAST_HDR* header);
    void Deliver();
    void CleanUp();

    using RegisterFunction = HDEVNOTIFY (*)(HANDLE, LPVOID, DWORD);
    using UnregisterFunction = BOOL (*)(HDEVNOTIFY);

    HWND m_hwnd = nullptr;
    CBroadcaster m_broadcaster;
    CMvCriticalSection m_lock;
    CPointerList m_queue;  // owned events, in arrival order
    HDEVNOTIFY m_notify = nullptr;
    RegisterFunction m_register = nullptr;
    UnregisterFunction m_unregister = nullptr;
    UINT_PTR m_timer = 0;
    // While deliveries broadcast, the window's end is left to them.
    int m_delivering = 0;
    bool m_deleteAfterDelivery = false;
    // Set while the window is being created, to learn whether creation destroyed it.
    bool* m_destroyed = nullptr;
};
