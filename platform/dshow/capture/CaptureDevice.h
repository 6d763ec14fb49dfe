#pragma once
// The capture devices present now, as the system device enumerator lists them: cameras
// (Video4Linux2) and sound cards (ALSA) through libavdevice, and, when the environment
// asks for them with MORVANE_TEST_DEVICES=1, a test tone and a test picture.
#include "dshow/DShowTypes.h"

#include <string>
#include <vector>

// One picture size of a camera with its frame durations (100-nanosecond units, fastest first).
struct CaptureMode {
    LONG width = 0;
    LONG height = 0;
    std::vector<REFERENCE_TIME> frameTimes;
};

struct CaptureDevice {
    enum class Kind { TestTone, TestPattern, Camera, SoundCard };
    Kind kind = Kind::TestTone;
    std::string friendlyName;
    std::string path; // the device node or ALSA name; empty for the test devices
    std::vector<CaptureMode> modes; // cameras and the test picture
};

// The devices of the audio or video input category, in a fixed order.
std::vector<CaptureDevice> ListCaptureDevices(REFCLSID category);
// Whether the test devices are asked for.
bool CaptureTestDevicesWanted();
// A new capture filter for the device.
HRESULT CreateCaptureFilter(const CaptureDevice& device, REFIID iid, void** object);
