#include "CCaptureDeviceFilter.h"

#include "CCaptureDevice2.h"
#include "CDevicesInfo.h"
#include "CDirectShowGraph.h"
#include "CDirectShowSystem2.h"
#include "CFilterPin.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/WideText.h"

#include <cstring>
#include <string>

CCaptureDeviceFilter::CCaptureDeviceFilter(CDirectShowGraph* graph, const char* name, const GUID& category)
    : m_category(category), m_capturePin(new CFilterPin(this, "", false))
{
    m_capturePin->SetIndex(0);
    SetGraph(graph);
    SetName(name);
}

CCaptureDeviceFilter::~CCaptureDeviceFilter()
{
    CCaptureDeviceFilter::Release();
    delete m_capturePin;
}

bool CCaptureDeviceFilter::Bind()
{
    if (m_device.IsEmpty()) return false;
    CDevicesInfo* catalogue = Catalogue();
    const CCaptureDevice2* entry = catalogue ? catalogue->Find(m_device) : nullptr;
    const std::string moniker = entry ? std::string(entry->GetDeviceName()) : std::string();
    IBaseFilter* byName = nullptr;
    CDirectShowSystem2::IteratorThroughDevices(
        m_category, [&](IMoniker* device, const char* friendlyName, const char* displayName) {
            if (m_filter) return;
            const bool exact = !moniker.empty() && moniker == displayName;
            if (!exact && (byName || std::strcmp(friendlyName, m_device) != 0)) return;
            IBaseFilter* bound = nullptr;
            if (FAILED(device->BindToObject(nullptr, nullptr, IBaseFilter::kIid, reinterpret_cast<void**>(&bound))))
                return;
            if (exact)
                m_filter = bound;
            else
                byName = bound;
        });
    if (m_filter) {
        SafeRelease(byName);
    } else {
        m_filter = byName;
    }
    return m_filter != nullptr;
}

bool CCaptureDeviceFilter::Create()
{
    if (m_filter) return true;
    if (!Bind()) {
        Release();
        return false;
    }
    if (m_graph && m_graph->GetGraph())
        m_inGraph = SUCCEEDED(m_graph->GetGraph()->AddFilter(m_filter, WideText(std::string(m_name)).c_str()));
    if (!Configure()) {
        Release();
        return false;
    }
    CompleteCreate();
    return true;
}

void CCaptureDeviceFilter::Release()
{
    m_capturePin->Release();
    CDirectShowFilter::Release();
}
