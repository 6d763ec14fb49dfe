#pragma once
// The base of the camera recorder controllers: follows the recorder's video source and
// the video devices that are plugged in or removed while the page is open.
#include "CObjectController2.h"

class CCaptureDevice2;
class CCaptureSource2Controller;
class CVideoCaptureDevice2;
class CVideoDevicesInfo;
class CVideoRecorder2;
class CVideoSource2;

class CVideoHotPlugController : public CObjectController2 {
public:
    CVideoHotPlugController();

    bool ListenToMessage(long message, const void* p, const void* q) override;
    void SetObjectSelf(CPersistObject* object) override;

    virtual void SetVideoSource(CVideoSource2* source);
    // The activated device the video source names.
    virtual CVideoCaptureDevice2* GetCaptureDevice();
    virtual void HotPlugAddDevice(CCaptureDevice2* device);
    virtual void HotPlugRemoveDevice(CCaptureDevice2* device);
    virtual void RefreshSource() {}

    CVideoRecorder2* GetRecorder() const;
    CVideoSource2* GetVideoSource() const { return m_videoSource; }
    // The video catalogue's device of that name while it is plugged in.
    static CVideoCaptureDevice2* FindActiveDevice(const char* name);

protected:
    static CVideoDevicesInfo* GetDevicesInfo();
    // Names the first device the source controller offers, or none, when the video
    // source's device is not found; false when the source's device stands.
    bool ChooseDefaultDevice(CCaptureSource2Controller& offered);

private:
    CVideoSource2* m_videoSource = nullptr;
};
