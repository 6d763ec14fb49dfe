#include "win32/windowing/DeviceNotify.h"

#include "win32/windowing/DeviceMonitor.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/WinError.h"
#include "win32/windowing/Window.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {

constexpr const char* kRelayClass = "MvDeviceRelay";
constexpr UINT kRelayMessage = WM_USER + 1;
constexpr DWORD kMaxRecord = 4096;
constexpr size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);

struct SEvent {
    WPARAM code;
    std::vector<unsigned char> record;
};

// One registered window. Its events wait here until the relay window, on the thread that
// registered, hands them to the window.
struct SRegistration {
    HWND recipient;
    GUID classGuid;
    HWND relay;
    std::deque<SEvent> pending;
};

std::mutex& Lock()
{
    static std::mutex lock;
    return lock;
}

std::map<uintptr_t, SRegistration>& Registrations()
{
    static std::map<uintptr_t, SRegistration> registrations;
    return registrations;
}

uintptr_t sNextId = 1;

LRESULT RelayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kRelayMessage) return DefWindowProcA(hwnd, message, wParam, lParam);
    for (;;) {
        HWND recipient = nullptr;
        SEvent event;
        {
            std::lock_guard<std::mutex> guard(Lock());
            auto it = Registrations().find(static_cast<uintptr_t>(wParam));
            if (it == Registrations().end() || it->second.pending.empty()) return 0;
            recipient = it->second.recipient;
            event = std::move(it->second.pending.front());
            it->second.pending.pop_front();
        }
        SendMessageA(recipient, WM_DEVICECHANGE, event.code, reinterpret_cast<LPARAM>(event.record.data()));
    }
}

HWND CreateRelay()
{
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = RelayProc;
        wc.lpszClassName = kRelayClass;
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered) return nullptr;
    return CreateWindowExA(0, kRelayClass, "", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

void CloseRelay(HWND relay)
{
    if (!relay) return;
    if (GetWindowThreadProcessId(relay, nullptr) == MvCurrentThreadId())
        DestroyWindow(relay);
    else
        PostMessageA(relay, WM_CLOSE, 0, 0);
}

} // namespace

HDEVNOTIFY RegisterDeviceNotificationA(HANDLE recipient, LPVOID filter, DWORD flags)
{
    auto hwnd = static_cast<HWND>(recipient);
    auto* header = static_cast<const DEV_BROADCAST_HDR*>(filter);
    if (flags != DEVICE_NOTIFY_WINDOW_HANDLE || !IsWindow(hwnd) || !header ||
        header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE || header->dbch_size < kNameOffset) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HWND relay = CreateRelay();
    if (!relay) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    bool first = false;
    uintptr_t id = 0;
    {
        std::lock_guard<std::mutex> guard(Lock());
        id = sNextId++;
        first = Registrations().empty();
        Registrations()[id] = SRegistration{
            hwnd, static_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(filter)->dbcc_classguid, relay, {}};
    }
    if (first) mvdevice::StartMonitor();
    return reinterpret_cast<HDEVNOTIFY>(id);
}

BOOL UnregisterDeviceNotification(HDEVNOTIFY handle)
{
    HWND relay = nullptr;
    bool last = false;
    {
        std::lock_guard<std::mutex> guard(Lock());
        auto it = Registrations().find(reinterpret_cast<uintptr_t>(handle));
        if (it == Registrations().end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        relay = it->second.relay;
        Registrations().erase(it);
        last = Registrations().empty();
    }
    CloseRelay(relay);
    if (last) mvdevice::StopMonitor();
    return TRUE;
}

void MvPostDeviceChange(WPARAM event, const DEV_BROADCAST_HDR* header)
{
    if (!header || header->dbch_size < sizeof(DEV_BROADCAST_HDR)) return;
    DWORD size = std::min(header->dbch_size, kMaxRecord);
    const auto* bytes = reinterpret_cast<const unsigned char*>(header);
    std::vector<unsigned char> record(bytes, bytes + size);
    // The size field tells the copy's own length.
    std::memcpy(record.data(), &size, sizeof size);
    const bool deviceInterface = header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE && size >= kNameOffset;
    GUID classGuid{};
    if (deviceInterface) std::memcpy(&classGuid, bytes + offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_classguid),
                                     sizeof classGuid);
    std::lock_guard<std::mutex> guard(Lock());
    for (auto& [id, registration] : Registrations()) {
        if (deviceInterface && std::memcmp(&classGuid, &registration.classGuid, sizeof classGuid) != 0) continue;
        registration.pending.push_back(SEvent{event, record});
        PostMessageA(registration.relay, kRelayMessage, id, 0);
    }
}

void MvPostCaptureDeviceChange(WPARAM event, const char* devicePath)
{
    if (!devicePath) devicePath = "";
    size_t length = std::min<size_t>(std::strlen(devicePath), kMaxRecord - kNameOffset - 1);
    std::vector<unsigned char> bytes(std::max(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A), kNameOffset + length + 1), 0);
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(bytes.data());
    record->dbcc_size = static_cast<DWORD>(bytes.size());
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    record->dbcc_classguid = KSCATEGORY_CAPTURE;
    std::memcpy(bytes.data() + kNameOffset, devicePath, length);
    MvPostDeviceChange(event, reinterpret_cast<const DEV_BROADCAST_HDR*>(record));
}
