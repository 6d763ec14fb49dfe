#pragma once
// What the two-camera recorder controllers share: which camera a device belongs to and the
// cameras chosen by default.
#include <functional>

class CCaptureDevice2;
class CVideoCaptureDevice2;
class CVideoRecorder3d2;

class UStereoCameras {
public:
    // With both cameras found nothing changes; with one found the other source is emptied
    // and only the found camera is on; with neither the single-camera default names the
    // left source and the left camera alone is on.
    static void SetDefault(CVideoRecorder3d2& recorder, bool leftFound, bool rightFound,
                           const std::function<void()>& singleDefault);
    // The plugged-in device of the left (right) source while that camera is on.
    static CVideoCaptureDevice2* LeftDevice(CVideoRecorder3d2* recorder);
    static CVideoCaptureDevice2* RightDevice(CVideoRecorder3d2* recorder);
    // Whether either source names the device.
    static bool Names(CVideoRecorder3d2& recorder, const CCaptureDevice2* device);
};
