#include "dshow/capture/CaptureDevice.h"

#include "dshow/DeviceInterfaces.h"
#include "dshow/capture/AvDevices.h"
#include "dshow/capture/CameraCapture.h"
#include "dshow/capture/CameraModes.h"
#include "dshow/capture/SoundCardCapture.h"
#include "dshow/capture/TestDevicePlug.h"
#include "dshow/capture/TestAudioCapture.h"
#include "dshow/capture/TestVideoCapture.h"

#include <cstdlib>
#include <cstring>

bool CaptureTestDevicesWanted()
{
    const char* wanted = std::getenv("MORVANE_TEST_DEVICES");
    return wanted && std::strcmp(wanted, "1") == 0;
}

std::vector<CaptureDevice> ListCaptureDevices(REFCLSID category)
{
    std::vector<CaptureDevice> devices;
    const bool video = category == CLSID_VideoInputDeviceCategory;
    if (!video && category != CLSID_AudioInputDeviceCategory) return devices;
    if (CaptureTestDevicesWanted() && MvTestCaptureDevicesPlugged()) {
        if (video)
            devices.push_back({CaptureDevice::Kind::TestPattern, "Test Video Capture", "", CTestVideoCapture::Modes()});
        else
            devices.push_back({CaptureDevice::Kind::TestTone, "Test Audio Capture", "", {}});
    }
    if (video) {
        for (const ListedSource& source : MvListCameras()) {
            std::vector<CaptureMode> modes = CameraModes(source.name);
            if (!modes.empty())
                devices.push_back({CaptureDevice::Kind::Camera, source.description, source.name, std::move(modes)});
        }
    } else {
        for (const ListedSource& source : MvListSoundInputs())
            devices.push_back({CaptureDevice::Kind::SoundCard, source.description, source.name, {}});
    }
    return devices;
}

HRESULT CreateCaptureFilter(const CaptureDevice& device, REFIID iid, void** object)
{
    switch (device.kind) {
    case CaptureDevice::Kind::TestTone: return CTestAudioCapture::Create(iid, object);
    case CaptureDevice::Kind::TestPattern: return CTestVideoCapture::Create(iid, object);
    case CaptureDevice::Kind::Camera: return CreateComObject<CCameraCapture>(iid, object, device);
    case CaptureDevice::Kind::SoundCard: return CreateComObject<CSoundCardCapture>(iid, object, device);
    }
    return E_FAIL;
}
