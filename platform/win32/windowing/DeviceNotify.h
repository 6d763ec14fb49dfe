#pragma once
// Device arrival and removal, told to the windows registered for a device-interface
// class as WM_DEVICECHANGE. Video and sound capture devices come from udev where it is
// available; MvPostDeviceChange tells the same events (tests, other sources).
#include "win32/WinTypes.h"

#define DBT_DEVNODES_CHANGED 0x0007
#define DBT_DEVICEARRIVAL 0x8000
#define DBT_DEVICEQUERYREMOVE 0x8001
#define DBT_DEVICEREMOVECOMPLETE 0x8004

#define DBT_DEVTYP_OEM 0x0000
#define DBT_DEVTYP_VOLUME 0x0002
#define DBT_DEVTYP_PORT 0x0003
#define DBT_DEVTYP_DEVICEINTERFACE 0x0005
#define DBT_DEVTYP_HANDLE 0x0006

#define DEVICE_NOTIFY_WINDOW_HANDLE 0x0000

struct DEV_BROADCAST_HDR {
    DWORD dbch_size;  // of the whole record
    DWORD dbch_devicetype;
    DWORD dbch_reserved;
};

struct DEV_BROADCAST_DEVICEINTERFACE_A {
    DWORD dbcc_size;
    DWORD dbcc_devicetype;
    DWORD dbcc_reserved;
    GUID dbcc_classguid;
    char dbcc_name[1];  // the device's path, running on to dbcc_size
};
using DEV_BROADCAST_DEVICEINTERFACE = DEV_BROADCAST_DEVICEINTERFACE_A;

MV_DECLARE_HANDLE(HDEVNOTIFY);

// The kernel-streaming capture category: cameras and capture cards.
inline constexpr GUID KSCATEGORY_CAPTURE = {0x65E8773D, 0x8F56, 0x11D0, {0xA3, 0xB9, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};

// Looked up by name in "user32.dll" by their callers, hence C names. The filter is a
// DEV_BROADCAST_DEVICEINTERFACE naming the class; events reach the window on its own
// thread once that thread handles its messages.
extern "C" HDEVNOTIFY RegisterDeviceNotificationA(HANDLE recipient, LPVOID filter, DWORD flags);
extern "C" BOOL UnregisterDeviceNotification(HDEVNOTIFY handle);
#define RegisterDeviceNotification RegisterDeviceNotificationA

// Tells every registration of an event: a device-interface record goes to those of its
// class, any other kind to all. The record is copied (its dbch_size bytes, bounded).
void MvPostDeviceChange(WPARAM event, const DEV_BROADCAST_HDR* header);
// A device-interface record of the capture class for a device path, as udev events give.
void MvPostCaptureDeviceChange(WPARAM event, const char* devicePath);
