#pragma once
// Unplugging and plugging in the test capture devices (while MORVANE_TEST_DEVICES=1 asks
// for them), as a real device comes and goes: the enumerator stops or starts listing them,
// the windows registered for capture devices are told, and an unplugged device that is
// recording ends its stream with what it captured and reports EC_DEVICE_LOST.
void MvPlugTestCaptureDevices(bool plugged);
bool MvTestCaptureDevicesPlugged();

// Faults of the test camera, as a broken device shows them: 0 none, 1 it refuses every format
// it is asked for, 2 it delivers pictures smaller than its format says.
enum EMvTestCameraFault { kMvTestCameraWorks = 0, kMvTestCameraRefusesFormats = 1, kMvTestCameraShortPictures = 2 };
void MvSetTestCameraFault(EMvTestCameraFault fault);
EMvTestCameraFault MvTestCameraFault();
