#include "CAudioCaptureFilter.h"

#include "CAudioDevicesInfo.h"
#include "CFilterPin.h"
#include "CAudioCapture2.h"
#include "UDirectShowUtils.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/capture/CaptureInterfaces.h"

namespace {

// The mixer of the filter's input line of that name, with a reference; null without one.
IAMAudioInputMixer* LineMixer(IBaseFilter* filter, const char* line)
{
    if (!filter || !line || !*line) return nullptr;
    IPin* pin = UDirectShowUtils::FindPinByTag(filter, PINDIR_INPUT, line);
    IAMAudioInputMixer* mixer = nullptr;
    if (pin && FAILED(QueryInterfaceTo(pin, &mixer))) mixer = nullptr;
    SafeRelease(pin);
    return mixer;
}

} // namespace

CAudioCaptureFilter::CAudioCaptureFilter(CDirectShowGraph* graph, const char* name)
    : CCaptureDeviceFilter(graph, name, CLSID_AudioInputDeviceCategory)
{
}

CDevicesInfo* CAudioCaptureFilter::Catalogue() const
{
    return CAudioDevicesInfo::sInfo;
}

void CAudioCaptureFilter::EnableLine(const char* line, bool on)
{
    if (IAMAudioInputMixer* mixer = LineMixer(m_filter, line)) {
        mixer->put_Enable(on ? TRUE : FALSE);
        mixer->Release();
    }
}

void CAudioCaptureFilter::ApplyVolume()
{
    if (IAMAudioInputMixer* mixer = LineMixer(m_filter, m_line)) {
        mixer->put_MixLevel(m_applyVolume ? m_level * 0.01 : -1.0);
        mixer->Release();
    }
}

void CAudioCaptureFilter::SetAudioConnector(const char* line)
{
    const CString wanted(line ? line : "");
    if (m_filter && wanted != m_line) {
        EnableLine(m_line, false);
        EnableLine(wanted, true);
    }
    m_line = wanted;
    if (m_filter) ApplyVolume();
}

void CAudioCaptureFilter::SetVolume(bool apply, unsigned char level)
{
    if (apply == m_applyVolume && level == m_level) return;
    m_applyVolume = apply;
    m_level = level;
    if (m_filter) ApplyVolume();
}

bool CAudioCaptureFilter::Configure()
{
    EnableLine(m_line, true);
    ApplyVolume();
    if (CAudioCapture2::GetSettingUseSoundCardBuffer()) {
        IPin* pin = GetCapturePin()->GetPin();
        IAMBufferNegotiation* buffers = nullptr;
        if (pin && SUCCEEDED(QueryInterfaceTo(pin, &buffers)) && buffers) {
            const ALLOCATOR_PROPERTIES properties{3, -1, -1, -1};
            buffers->SuggestAllocatorProperties(&properties);
            buffers->Release();
        }
    }
    return true;
}
