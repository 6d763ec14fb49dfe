#include "dshow/capture/TestDevicePlug.h"

#include "win32/windowing/DeviceNotify.h"

#include <atomic>

namespace {

std::atomic<bool> gPlugged{true};
std::atomic<EMvTestCameraFault> gCameraFault{kMvTestCameraWorks};

} // namespace

void MvPlugTestCaptureDevices(bool plugged)
{
    if (gPlugged.exchange(plugged) == plugged) return;
    MvPostCaptureDeviceChange(plugged ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE, "test capture devices");
}

bool MvTestCaptureDevicesPlugged() { return gPlugged; }

void MvSetTestCameraFault(EMvTestCameraFault fault) { gCameraFault = fault; }

EMvTestCameraFault MvTestCameraFault() { return gCameraFault; }
