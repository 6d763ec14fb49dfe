#include "dshow/BaseFilter.h"

#include "dshow/BasePin.h"
#include "dshow/Enumerators.h"
#include "dshow/WideText.h"

#include <algorithm>
#include <cstring>

CBaseFilter::CBaseFilter(REFCLSID clsid) : m_clsid(clsid) {}

CBaseFilter::~CBaseFilter() = default;

HRESULT CBaseFilter::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    using Own = TComObject<IBaseFilter, IFilterPassTime, IEncoderPrivateSetting>;
    if (SUCCEEDED(Own::QueryInterface(iid, object))) return S_OK;
    void* found = FindInterface(iid);
    if (!found) return E_NOINTERFACE;
    AddRef();
    *object = found;
    return S_OK;
}

void* CBaseFilter::FindInterface(REFIID) { return nullptr; }

void* CBaseFilter::PinInterface(CBasePin*, REFIID) { return nullptr; }

HRESULT CBaseFilter::GetClassID(CLSID* clsid)
{
    if (!clsid) return E_POINTER;
    *clsid = m_clsid;
    return S_OK;
}

HRESULT CBaseFilter::Stop()
{
    std::lock_guard lock(m_stateLock);
    if (m_state == State_Stopped) return S_OK;
    HRESULT hr = OnStop();
    m_state = State_Stopped;
    return hr;
}

HRESULT CBaseFilter::Pause()
{
    std::lock_guard lock(m_stateLock);
    if (m_state == State_Paused) return S_OK;
    if (m_state == State_Stopped) m_passed = 0;
    HRESULT hr = OnPause();
    if (SUCCEEDED(hr)) m_state = State_Paused;
    return hr;
}

// The switch changes nothing in how this layer's filters work; it is kept for callers that read it back.
HRESULT CBaseFilter::SetPrivate(LONG value)
{
    m_private = value;
    return S_OK;
}

HRESULT CBaseFilter::GetPassTime(double* seconds)
{
    if (!seconds) return E_POINTER;
    *seconds = double(m_passed.load()) / double(kUnitsPerSecond);
    return S_OK;
}

void CBaseFilter::NoteSample(CBasePin* pin, const MediaSample& sample)
{
    // Byte streams carry file offsets, not times.
    if (!sample.hasTime || pin->MediaType().majortype == MEDIATYPE_Stream) return;
    REFERENCE_TIME reached = std::max(sample.start, sample.stop);
    REFERENCE_TIME passed = m_passed.load();
    while (reached > passed && !m_passed.compare_exchange_weak(passed, reached)) {
    }
}

HRESULT CBaseFilter::Run(REFERENCE_TIME)
{
    std::lock_guard lock(m_stateLock);
    if (m_state == State_Running) return S_OK;
    if (m_state == State_Stopped) {
        m_passed = 0;
        HRESULT hr = OnPause();
        if (FAILED(hr)) return hr;
        m_state = State_Paused;
    }
    HRESULT hr = OnRun();
    if (SUCCEEDED(hr)) m_state = State_Running;
    return hr;
}

HRESULT CBaseFilter::GetState(DWORD, FILTER_STATE* state)
{
    if (!state) return E_POINTER;
    *state = m_state;
    return S_OK;
}

HRESULT CBaseFilter::SetSyncSource(IUnknown*) { return S_OK; }

HRESULT CBaseFilter::EnumPins(IEnumPins** pins)
{
    if (!pins) return E_POINTER;
    std::vector<IPin*> list;
    for (auto& pin : m_pins) list.push_back(pin.get());
    *pins = new CEnumPins(std::move(list));
    return S_OK;
}

HRESULT CBaseFilter::FindPin(LPCWSTR id, IPin** pin)
{
    if (!id || !pin) return E_POINTER;
    *pin = nullptr;
    for (auto& candidate : m_pins) {
        if (candidate->Name() == id) {
            *pin = candidate.get();
            (*pin)->AddRef();
            return S_OK;
        }
    }
    return VFW_E_NOT_FOUND;
}

HRESULT CBaseFilter::QueryFilterInfo(FILTER_INFO* info)
{
    if (!info) return E_POINTER;
    CopyWideName(info->achName, MAX_FILTER_NAME, m_name);
    info->pGraph = m_graph;
    if (m_graph) m_graph->AddRef();
    return S_OK;
}

HRESULT CBaseFilter::JoinFilterGraph(IFilterGraph* graph, LPCWSTR name)
{
    std::lock_guard lock(m_stateLock);
    m_graph = graph;
    m_name = name ? std::u16string(name) : std::u16string();
    m_events = nullptr;
    if (graph && SUCCEEDED(QueryInterfaceTo<IMediaEventSink>(graph, &m_events)))
        m_events->Release(); // the graph outlives its members; no reference cycle
    return S_OK;
}

HRESULT CBaseFilter::GetMediaType(CBasePin*, int, CMediaType&) { return S_FALSE; }
HRESULT CBaseFilter::CompleteConnect(CBasePin*, IPin*) { return S_OK; }
void CBaseFilter::BreakConnect(CBasePin*) {}
HRESULT CBaseFilter::Receive(CBasePin*, const MediaSample&) { return E_UNEXPECTED; }
HRESULT CBaseFilter::EndOfStream(CBasePin*) { return S_OK; }

HRESULT CBaseFilter::CheckOfferedType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    CMediaType own;
    for (int i = 0; i < 256 && GetMediaType(pin, i, own) == S_OK; ++i) {
        bool same = type.majortype == own.majortype && type.subtype == own.subtype && type.formattype == own.formattype
            && type.cbFormat == own.cbFormat && (own.cbFormat == 0 || std::memcmp(type.pbFormat, own.pbFormat, own.cbFormat) == 0);
        if (same) return S_OK;
    }
    return VFW_E_TYPE_NOT_ACCEPTED;
}

CBasePin* CBaseFilter::PinAt(size_t index) const { return index < m_pins.size() ? m_pins[index].get() : nullptr; }

void CBaseFilter::NotifyEvent(LONG code, LONG_PTR param1, LONG_PTR param2)
{
    IMediaEventSink* events = m_events;
    if (events) events->Notify(code, param1, param2);
}

CBasePin* CBaseFilter::AddPin(PIN_DIRECTION direction, const std::u16string& name)
{
    m_pins.push_back(std::make_unique<CBasePin>(this, direction, name, int(m_pins.size())));
    return m_pins.back().get();
}

void CBaseFilter::RemovePins() { m_pins.clear(); }
