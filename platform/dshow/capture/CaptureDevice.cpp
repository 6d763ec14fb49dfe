#include "dshow/capture/CaptureDevice.h"

#include "dshow/DeviceInterfaces.h"
#include "dshow/capture/CameraCapture.h"
#include "dshow/capture/CameraModes.h"
#include "dshow/capture/SoundCardCapture.h"
#include "dshow/capture/TestDevicePlug.h"
#include "dshow/capture/TestAudioCapture.h"
#include "dshow/capture/TestVideoCapture.h"

extern "C" {
#include <libavdevice/avdevice.h>
#include <libavformat/avformat.h>
}

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

struct Listed {
    std::string name;
    std::string description;
};

// The input sources libavdevice finds for one of its inputs.
std::vector<Listed> ListSources(const char* input)
{
    static std::once_flag once;
    std::call_once(once, [] { avdevice_register_all(); });
    std::vector<Listed> out;
    const AVInputFormat* format = av_find_input_format(input);
    AVDeviceInfoList* list = nullptr;
    if (!format || avdevice_list_input_sources(format, nullptr, nullptr, &list) < 0 || !list) return out;
    for (int i = 0; i < list->nb_devices; ++i) {
        const AVDeviceInfo* info = list->devices[i];
        if (!info || !info->device_name) continue;
        std::string description = info->device_description ? info->device_description : info->device_name;
        description = description.substr(0, description.find('\n')); // ALSA adds the card's purpose on a second line
        out.push_back({info->device_name, description.empty() ? info->device_name : description});
    }
    avdevice_free_list_devices(&list);
    return out;
}

} // namespace

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
        for (const Listed& source : ListSources("video4linux2")) {
            std::vector<CaptureMode> modes = CameraModes(source.name);
            if (!modes.empty())
                devices.push_back({CaptureDevice::Kind::Camera, source.description, source.name, std::move(modes)});
        }
    } else {
        // The cards themselves; the plugins and the null device are no capture devices.
        for (const Listed& source : ListSources("alsa"))
            if (source.name.rfind("hw:", 0) == 0)
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
