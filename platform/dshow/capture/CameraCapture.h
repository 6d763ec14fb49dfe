#pragma once
// A Video4Linux2 camera read through libavdevice, its pictures decoded and turned into
// the connected RGB size.
#include "dshow/capture/AvVideoInput.h"
#include "dshow/capture/CaptureDevice.h"
#include "dshow/capture/CaptureSource.h"
#include "dshow/capture/PictureControls.h"

#include <string>

class CCameraCapture : public CCaptureSource {
public:
    explicit CCameraCapture(const CaptureDevice& device);

protected:
    ~CCameraCapture() override;
    void* FindInterface(REFIID iid) override;
    HRESULT Open(const AM_MEDIA_TYPE& format) override;
    HRESULT Capture(const AM_MEDIA_TYPE& format) override { return CaptureFrom(m_device, format); }
    void Close() override { m_device.Close(); }

private:
    const std::string m_path;
    CAvVideoInput m_device;
    CPictureControls m_controls;
};
