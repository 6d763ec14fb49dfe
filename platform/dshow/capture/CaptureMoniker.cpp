#include "dshow/capture/CaptureMoniker.h"

#include "com/ComRuntime.h"
#include "com/Guid.h"
#include "dshow/DevicePropertyBag.h"
#include "dshow/WideText.h"
#include "dshow/capture/CaptureInterfaces.h"

CCaptureMoniker::CCaptureMoniker(CaptureDevice device, REFCLSID category)
    : m_device(std::move(device)), m_category(category)
{
}

HRESULT CCaptureMoniker::GetDisplayName(IUnknown*, IMoniker*, LPOLESTR* name)
{
    if (!name) return E_POINTER;
    const std::string text = m_device.path.empty() ? "@device:sw:" + GuidToText(m_category) + "\\" + m_device.friendlyName
                                                   : "@device:pnp:" + m_device.path;
    *name = CoTaskMemDupString(WideText(text).c_str());
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT CCaptureMoniker::BindToObject(IUnknown*, IMoniker*, REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    return CreateCaptureFilter(m_device, iid, object);
}

HRESULT CCaptureMoniker::BindToStorage(IUnknown*, IMoniker*, REFIID iid, void** object)
{
    CLSID clsid = CLSID_AudioCaptureSource;
    switch (m_device.kind) {
    case CaptureDevice::Kind::TestTone: clsid = CLSID_TestAudioCapture; break;
    case CaptureDevice::Kind::TestPattern: clsid = CLSID_TestVideoCapture; break;
    case CaptureDevice::Kind::Camera: clsid = CLSID_VideoCaptureSource; break;
    case CaptureDevice::Kind::SoundCard: break;
    }
    return CreateComObject<CDevicePropertyBag>(iid, object, m_device.friendlyName, clsid);
}
