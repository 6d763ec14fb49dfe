#include "CCamcorderControl.h"

#include "CDirectShowFilter.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/interfaces/ExtTransport.h"

CCamcorderControl::~CCamcorderControl()
{
    Release();
}

void CCamcorderControl::Release()
{
    SafeRelease(m_transport);
}

bool CCamcorderControl::HasControl()
{
    IBaseFilter* filter = m_device ? m_device->GetFilter() : nullptr;
    IAMExtDevice* device = nullptr;
    if (!filter || FAILED(QueryInterfaceTo(filter, &device)) || !device) return false;
    LONG type = 0;
    const bool tape = SUCCEEDED(device->GetCapability(kDeviceTypeCapability, &type, nullptr)) && type == kTapeRecorder;
    device->Release();
    return tape;
}

IAMExtTransport* CCamcorderControl::Transport()
{
    if (!HasControl()) {
        Release();
        return nullptr;
    }
    if (!m_transport && FAILED(QueryInterfaceTo(m_device->GetFilter(), &m_transport))) m_transport = nullptr;
    return m_transport;
}

bool CCamcorderControl::SetMode(long mode)
{
    IAMExtTransport* transport = Transport();
    return transport && SUCCEEDED(transport->put_Mode(LONG(mode)));
}

bool CCamcorderControl::IsStopped()
{
    IAMExtTransport* transport = Transport();
    LONG mode = 0;
    return transport && SUCCEEDED(transport->get_Mode(&mode)) && mode == kModeStop;
}

bool CCamcorderControl::Play() { return SetMode(kModePlay); }
bool CCamcorderControl::Pause() { return SetMode(kModePause); }
bool CCamcorderControl::Stop() { return SetMode(kModeStop); }
bool CCamcorderControl::StepForward() { return SetMode(kModeStepForward); }
bool CCamcorderControl::StepBackward() { return SetMode(kModeStepBackward); }
bool CCamcorderControl::FastForward() { return SetMode(IsStopped() ? kModeFastForward : kModePlayFastestForward); }
bool CCamcorderControl::Rewind() { return SetMode(IsStopped() ? kModeRewind : kModePlayFastestReverse); }
