#include "CDeviceWindow.h"

#include "CHandle.h"
#include "CHiddenWindow.h"
#include "CMvSingleLock.h"
#include "win32/windowing/DeviceNotify.h"
#include "win32/kernel/Module.h"
#include "win32/windowing/Timer.h"
#include "win32/windowing/Window.h"

#include <algorithm>

namespace {

struct SDeviceEvent {
    WPARAM code;
    CHandle header;
};

} // namespace

CDeviceWindow::~CDeviceWindow()
{
    CleanUp();
}

HWND CDeviceWindow::Open(CListener* listener)
{
    auto* window = new CDeviceWindow;
    window->m_broadcaster.AddListener(listener);
    bool destroyed = false;
    window->m_destroyed = &destroyed;
    HWND hwnd = CHiddenWindow::Create("Devices", HandleMessage, window);
    // A window that got as far as being destroyed took the object with it.
    if (destroyed) return nullptr;
    window->m_destroyed = nullptr;
    if (!hwnd) delete window;
    return hwnd;
}

bool CDeviceWindow::HandleMessage(void* context, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  LRESULT& result)
{
    auto* self = static_cast<CDeviceWindow*>(context);
    switch (message) {
    case WM_CREATE:
        self->m_hwnd = hwnd;
        self->Register();
        return false;
    case WM_DEVICECHANGE:
        if (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE)
            self->Queue(wParam, reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam));
        return false;
    case WM_TIMER:
        if (wParam == kDeliveryTimerId) self->Deliver();
        return false;
    case WM_CLOSE:
    case WM_DESTROY:
        self->CleanUp();
        return false;
    case WM_NCDESTROY:
        self->m_hwnd = nullptr;
        if (self->m_destroyed) *self->m_destroyed = true;
        if (self->m_delivering)
            self->m_deleteAfterDelivery = true;
        else
            delete self;
        result = 0;
        return false;
    default:
        return false;
    }
}

void CDeviceWindow::Register()
{
    HMODULE user = GetModuleHandle("user32.dll");
    if (!user) return;
    m_unregister = reinterpret_cast<UnregisterFunction>(GetProcAddress(user, "UnregisterDeviceNotification"));
    m_register = reinterpret_cast<RegisterFunction>(GetProcAddress(user, "RegisterDeviceNotificationA"));
    if (!m_register) return;
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = KSCATEGORY_CAPTURE;
    m_notify = m_register(m_hwnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void CDeviceWindow::Queue(WPARAM code, const DEV_BROADCAST_HDR* header)
{
    // A record too short to hold its own header is nothing to tell about.
    if (!header || header->dbch_size < sizeof(DEV_BROADCAST_HDR)) return;
    auto* event = new SDeviceEvent{code, {}};
    DWORD size = std::min(header->dbch_size, kMaxRecordSize);
    if (!event->header.Append(reinterpret_cast<const unsigned char*>(header), size)) {
        delete event;
        return;
    }
    // The copy's size field tells its own length.
    reinterpret_cast<DEV_BROADCAST_HDR*>(event->header.GetBuffer())->dbch_size = size;
    CMvSingleLock lock(m_lock, true);
    m_queue.Add(event);
    if (!m_timer) m_timer = SetTimer(m_hwnd, kDeliveryTimerId, kDeliveryPeriodMs, nullptr);
}

void CDeviceWindow::Deliver()
{
    SDeviceEvent* event = nullptr;
    {
        CMvSingleLock lock(m_lock, true);
        if (m_queue.GetItemCount() == 0) {
            if (m_timer) KillTimer(m_hwnd, kDeliveryTimerId);
            m_timer = 0;
            return;
        }
        event = static_cast<SDeviceEvent*>(m_queue.GetAt(0));
        m_queue.RemoveAt(0);
    }
    // Listeners run outside the lock: one may close the window, which then waits for us.
    auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(event->header.GetBuffer());
    if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
        m_delivering++;
        m_broadcaster.Broadcast(kDeviceWindowChangeMessage, reinterpret_cast<const void*>(event->code), header);
        m_delivering--;
    }
    delete event;
    if (m_deleteAfterDelivery && m_delivering == 0) delete this;
}

void CDeviceWindow::CleanUp()
{
    if (m_notify && m_unregister) m_unregister(m_notify);
    m_notify = nullptr;
    CMvSingleLock lock(m_lock, true);
    if (m_timer && m_hwnd) KillTimer(m_hwnd, kDeliveryTimerId);
    m_timer = 0;
    for (int i = 0; i < m_queue.GetItemCount(); i++) delete static_cast<SDeviceEvent*>(m_queue.GetAt(i));
    m_queue.RemoveAll();
}
