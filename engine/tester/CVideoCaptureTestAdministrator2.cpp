#include "CVideoCaptureTestAdministrator2.h"

#include "CFilterPin.h"
#include "CVideoCaptureFilter.h"
#include "CVideoCaptureInputFilters2.h"
#include "CVideoDevicesInfo.h"
#include "UDirectShowUtils.h"
#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"
#include "dshow/capture/CaptureInterfaces.h"

#include <vector>

namespace {

// More capability bytes than any device has: a larger size is a broken answer.
constexpr int kMaxCapsSize = 4096;
// Frame rates of one size: a longer list is a broken answer.
constexpr LONG kMaxFrameRates = 1000;

} // namespace

CDevicesInfo* CVideoCaptureTestAdministrator2::GetCatalogue() const
{
    return CVideoDevicesInfo::sInfo;
}

bool CVideoCaptureTestAdministrator2::HasCapabilities(CCaptureDevice2* device) const
{
    auto* video = dynamic_cast<CVideoCaptureDevice2*>(device);
    return video && video->GetSizeCount() > 0;
}

bool CVideoCaptureTestAdministrator2::CreateInputFilters()
{
    if (!m_device) return false;
    auto* input = new CVideoCaptureInputFilters2(m_graph);
    input->SetVideoDevice(m_device->GetDisplayName());
    input->SetWantsAudio(false);
    // No size asked for: the device opens in whatever it offers first.
    input->SetWidth(0);
    input->SetHeight(0);
    SetInputFilters(input);
    return true;
}

void CVideoCaptureTestAdministrator2::ReadDevice(CCaptureDevice2* device)
{
    auto* video = dynamic_cast<CVideoCaptureDevice2*>(device);
    auto* input = dynamic_cast<CVideoCaptureInputFilters2*>(m_input);
    if (!video || !input) return;
    IBaseFilter* filter = input->GetVideoCapture()->GetFilter();
    IPin* pin = input->GetVideoCapture()->GetCapturePin()->GetPin();
    if (!filter || !pin) return;

    int outputs = 0;
    UDirectShowUtils::VisitPins(filter, PINDIR_OUTPUT, [&](IPin*) { return ++outputs > 1; });
    video->SetHasMore(outputs > 1);
    video->SetIsDv(UDirectShowUtils::VisitMediaTypes(
        pin, [](const AM_MEDIA_TYPE& type) { return UDirectShowUtils::IsDvMediaType(&type); }));

    IAMStreamConfig* config = nullptr;
    if (FAILED(QueryInterfaceTo(pin, &config))) config = nullptr;
    video->SetHasStream(config != nullptr);
    if (!config) return;
    IAMVideoControl* control = nullptr;
    if (FAILED(QueryInterfaceTo(filter, &control))) control = nullptr;
    ReadSettings(video, config, control, pin);
    SafeRelease(control);
    config->Release();
}

void CVideoCaptureTestAdministrator2::ReadSettings(CVideoCaptureDevice2* device, IAMStreamConfig* config,
                                                   IAMVideoControl* control, IPin* pin)
{
    int count = 0, size = 0;
    if (FAILED(config->GetNumberOfCapabilities(&count, &size)) || count <= 0 || size < 0 || size > kMaxCapsSize)
        return;
    // The block is written whatever kind it is; only the type is read.
    std::vector<BYTE> caps(size_t(size) + sizeof(VIDEO_STREAM_CONFIG_CAPS));
    for (int i = 0; i < count; ++i) {
        AM_MEDIA_TYPE* type = nullptr;
        if (config->GetStreamCaps(i, &type, caps.data()) != S_OK || !type) continue;
        const EColorFormat color = UDirectShowUtils::GetColorFormat(type);
        unsigned short width = 0, height = 0;
        if (color != kColorNone && UDirectShowUtils::GetVideoSize(type, width, height) && width && height) {
            const double ownRate = UDirectShowUtils::GetFrameRate(UDirectShowUtils::GetAverageTimePerFrame(type));
            LONG rates = 0;
            LONGLONG* times = nullptr;
            if (control && SUCCEEDED(control->GetFrameRateList(pin, i, SIZE{width, height}, &rates, &times)) &&
                (times || rates == 0)) {
                for (LONG r = 0; r < rates && r < kMaxFrameRates; ++r)
                    device->AddSetting(width, height, UDirectShowUtils::GetFrameRate(times[r]), color);
            } else {
                device->AddSetting(width, height, ownRate, color);
            }
            CoTaskMemFree(times);
        }
        DeleteMediaType(type);
    }
}
