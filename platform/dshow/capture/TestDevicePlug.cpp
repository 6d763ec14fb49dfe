#include "dshow/capture/TestDevicePlug.h"

#include "win32/windowing/DeviceNotify.h"

#include <atomic>

namespace {

std::atomic<bool> gPlugged{true};

} // namespace

void MvPlugTestCaptureDevices(bool plugged)
{
    if (gPlugged.exchange(plugged) == plugged) return;
    MvPostCaptureDeviceChange(plugged ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE, "test capture devices");
}

bool MvTestCaptureDevicesPlugged() { return gPlugged; }
