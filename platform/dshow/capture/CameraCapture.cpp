#include "dshow/capture/CameraCapture.h"

#include "dshow/VideoInfo.h"
#include "dshow/capture/CaptureFormats.h"
#include "dshow/capture/V4l2PictureControls.h"

extern "C" {
#include <libavutil/dict.h>
}

#include <cstdlib>
#include <string>

CCameraCapture::CCameraCapture(const CaptureDevice& device)
    : CCaptureSource(CLSID_VideoCaptureSource, u"Capture", RgbFormatsOf(device.modes), FrameTimesOf(device.modes)),
      m_path(device.path), m_controls(static_cast<IBaseFilter*>(this), std::make_unique<CV4l2PictureControls>(device.path))
{
}

void* CCameraCapture::FindInterface(REFIID iid)
{
    if (void* found = m_controls.Find(iid)) return found;
    return CCaptureSource::FindInterface(iid);
}

CCameraCapture::~CCameraCapture() { OnStop(); }

HRESULT CCameraCapture::Open(const AM_MEDIA_TYPE& format)
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(format);
    const REFERENCE_TIME frameTime = FrameTimeOf(format);
    if (!info || frameTime <= 0) return VFW_E_NOT_CONNECTED;
    AVDictionary* options = nullptr;
    const std::string size = std::to_string(info->bmiHeader.biWidth) + "x" + std::to_string(std::abs(info->bmiHeader.biHeight));
    av_dict_set(&options, "video_size", size.c_str(), 0);
    av_dict_set(&options, "framerate", (std::to_string(kUnitsPerSecond) + "/" + std::to_string(frameTime)).c_str(), 0);
    return m_device.Open("video4linux2", m_path.c_str(), &options) ? S_OK : E_FAIL;
}
