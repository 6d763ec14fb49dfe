#include "UStereoCameras.h"

#include "CCaptureDevice2.h"
#include "CVideoHotPlugController.h"
#include "CVideoRecorder3d2.h"

void UStereoCameras::SetDefault(CVideoRecorder3d2& recorder, bool leftFound, bool rightFound,
                                const std::function<void()>& singleDefault)
{
    if (leftFound && rightFound) return;
    if (rightFound) {
        recorder.GetVideoSource().SetName("");
        // The left goes off first: a recorder keeps one camera on.
        recorder.SetLeftOn(false);
        recorder.SetRightOn(true);
        return;
    }
    if (leftFound)
        recorder.GetVideoSource2().SetName("");
    else
        singleDefault();
    recorder.SetLeftOn(true);
    recorder.SetRightOn(false);
}

bool UStereoCameras::Names(CVideoRecorder3d2& recorder, const CCaptureDevice2* device)
{
    if (!device) return false;
    return recorder.GetVideoSource().GetName() == device->GetDisplayName() ||
           recorder.GetVideoSource2().GetName() == device->GetDisplayName();
}

CVideoCaptureDevice2* UStereoCameras::LeftDevice(CVideoRecorder3d2* recorder)
{
    return recorder && recorder->GetLeftOn() ? CVideoHotPlugController::FindActiveDevice(recorder->GetVideoSource().GetName()) : nullptr;
}

CVideoCaptureDevice2* UStereoCameras::RightDevice(CVideoRecorder3d2* recorder)
{
    return recorder && recorder->GetRightOn() ? CVideoHotPlugController::FindActiveDevice(recorder->GetVideoSource2().GetName()) : nullptr;
}
