#include "CVideoCaptureFilter.h"

#include "CFilterPin.h"
#include "CVideoDevicesInfo.h"
#include "VideoFormatBlocks.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/capture/CaptureInterfaces.h"

#include <cmath>
#include <cstdlib>

namespace {

// The picture header of a VideoInfo or VideoInfo2 type, null for any other.
BITMAPINFOHEADER* PictureOf(AM_MEDIA_TYPE& type, REFERENCE_TIME*& frameTime)
{
    if (type.formattype == FORMAT_VideoInfo && type.cbFormat >= sizeof(VIDEOINFOHEADER) && type.pbFormat) {
        auto* info = reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat);
        frameTime = &info->AvgTimePerFrame;
        return &info->bmiHeader;
    }
    if (type.formattype == FORMAT_VideoInfo2 && type.cbFormat >= sizeof(VIDEOINFOHEADER2) && type.pbFormat) {
        auto* info = reinterpret_cast<VIDEOINFOHEADER2*>(type.pbFormat);
        frameTime = &info->AvgTimePerFrame;
        return &info->bmiHeader;
    }
    return nullptr;
}

} // namespace

CVideoCaptureFilter::CVideoCaptureFilter(CDirectShowGraph* graph, const char* name)
    : CCaptureDeviceFilter(graph, name, CLSID_VideoInputDeviceCategory)
{
}

CDevicesInfo* CVideoCaptureFilter::Catalogue() const
{
    return CVideoDevicesInfo::sInfo;
}

bool CVideoCaptureFilter::Configure()
{
    IPin* pin = GetCapturePin()->GetPin();
    IAMStreamConfig* config = nullptr;
    if (!pin || FAILED(QueryInterfaceTo(pin, &config)) || !config) return true;
    int count = 0, size = 0;
    bool configured = true;
    if (m_width && m_height && SUCCEEDED(config->GetNumberOfCapabilities(&count, &size))
        && size == int(sizeof(VIDEO_STREAM_CONFIG_CAPS))) {
        for (int i = 0; i < count; ++i) {
            AM_MEDIA_TYPE* type = nullptr;
            VIDEO_STREAM_CONFIG_CAPS caps{};
            if (config->GetStreamCaps(i, &type, reinterpret_cast<BYTE*>(&caps)) != S_OK || !type) continue;
            REFERENCE_TIME* frameTime = nullptr;
            const BITMAPINFOHEADER* picture = PictureOf(*type, frameTime);
            const bool wanted = picture && std::abs(picture->biWidth) == m_width && std::abs(picture->biHeight) == m_height;
            if (wanted) {
                if (m_frameRate > 0) *frameTime = std::llround(10000000.0 / m_frameRate);
                configured = SUCCEEDED(config->SetFormat(type));
            }
            DeleteMediaType(type);
            if (wanted) break;
        }
    }
    config->Release();
    return configured;
}
