#include "dshow/BasePin.h"

#include "com/ComRuntime.h"
#include "dshow/BaseFilter.h"
#include "dshow/Enumerators.h"
#include "dshow/WideText.h"

#include <cstring>

CBasePin::CBasePin(CBaseFilter* filter, PIN_DIRECTION direction, std::u16string name, int index)
    : m_filter(filter), m_direction(direction), m_name(std::move(name)), m_index(index)
{
}

CBasePin::~CBasePin()
{
    SafeRelease(m_sink);
    SafeRelease(m_connected);
}

HRESULT CBasePin::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IPin::kIid)
        *object = static_cast<IPin*>(this);
    else if (iid == ISampleSink::kIid && m_direction == PINDIR_INPUT)
        *object = static_cast<ISampleSink*>(this);
    else if (!(*object = m_filter->PinInterface(this, iid)))
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CBasePin::AddRef() { return m_filter->AddRef(); }
ULONG CBasePin::Release() { return m_filter->Release(); }

HRESULT CBasePin::TryConnect(IPin* receivePin, const AM_MEDIA_TYPE& type)
{
    if (FAILED(m_filter->CheckMediaType(this, type))) return VFW_E_TYPE_NOT_ACCEPTED;
    m_type = type;
    m_connected = receivePin;
    m_connected->AddRef();
    HRESULT hr = receivePin->ReceiveConnection(this, &type);
    if (SUCCEEDED(hr)) {
        hr = QueryInterfaceTo<ISampleSink>(receivePin, &m_sink);
        if (SUCCEEDED(hr)) hr = m_filter->CompleteConnect(this, receivePin);
        if (SUCCEEDED(hr)) return S_OK;
        receivePin->Disconnect();
    }
    SafeRelease(m_sink);
    SafeRelease(m_connected);
    m_type = CMediaType();
    return FAILED(hr) ? hr : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CBasePin::Connect(IPin* receivePin, const AM_MEDIA_TYPE* type)
{
    if (!receivePin) return E_POINTER;
    if (m_direction != PINDIR_OUTPUT) return VFW_E_INVALID_DIRECTION;
    if (m_connected) return VFW_E_ALREADY_CONNECTED;
    if (m_filter->State() != State_Stopped) return VFW_E_NOT_STOPPED;
    PIN_DIRECTION other;
    if (FAILED(receivePin->QueryDirection(&other)) || other != PINDIR_INPUT) return VFW_E_INVALID_DIRECTION;

    const GUID none{};
    bool complete = type && type->majortype != none && type->subtype != none && type->formattype != none;
    if (complete) return TryConnect(receivePin, *type);

    // A partial or missing type: first what the receiving pin offers, then our own.
    IEnumMediaTypes* types = nullptr;
    if (SUCCEEDED(receivePin->EnumMediaTypes(&types)) && types) {
        AM_MEDIA_TYPE* candidate = nullptr;
        ULONG fetched = 0;
        while (types->Next(1, &candidate, &fetched) == S_OK) {
            bool usable = !type || MediaTypeMatches(*candidate, type->majortype, type->subtype, type->formattype);
            HRESULT hr = usable ? TryConnect(receivePin, *candidate) : E_FAIL;
            DeleteMediaType(candidate);
            if (SUCCEEDED(hr)) {
                types->Release();
                return S_OK;
            }
        }
        types->Release();
    }
    CMediaType own;
    for (int i = 0; m_filter->GetMediaType(this, i, own) == S_OK; ++i) {
        if (type && !MediaTypeMatches(own, type->majortype, type->subtype, type->formattype)) continue;
        if (SUCCEEDED(TryConnect(receivePin, own))) return S_OK;
    }
    return VFW_E_NO_ACCEPTABLE_TYPES;
}

HRESULT CBasePin::ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type)
{
    if (!connector || !type) return E_POINTER;
    if (m_direction != PINDIR_INPUT) return VFW_E_INVALID_DIRECTION;
    if (m_connected) return VFW_E_ALREADY_CONNECTED;
    if (m_filter->State() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (FAILED(m_filter->CheckMediaType(this, *type))) return VFW_E_TYPE_NOT_ACCEPTED;
    m_type = *type;
    m_connected = connector;
    m_connected->AddRef();
    HRESULT hr = m_filter->CompleteConnect(this, connector);
    if (FAILED(hr)) {
        SafeRelease(m_connected);
        m_type = CMediaType();
    }
    return hr;
}

HRESULT CBasePin::Disconnect()
{
    if (m_filter->State() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (!m_connected) return S_FALSE;
    m_filter->BreakConnect(this);
    SafeRelease(m_sink);
    SafeRelease(m_connected);
    m_type = CMediaType();
    return S_OK;
}

HRESULT CBasePin::ConnectedTo(IPin** pin)
{
    if (!pin) return E_POINTER;
    *pin = m_connected;
    if (!m_connected) return VFW_E_NOT_CONNECTED;
    m_connected->AddRef();
    return S_OK;
}

HRESULT CBasePin::ConnectionMediaType(AM_MEDIA_TYPE* type)
{
    if (!type) return E_POINTER;
    if (!m_connected) {
        *type = AM_MEDIA_TYPE{};
        return VFW_E_NOT_CONNECTED;
    }
    return CopyMediaType(type, &m_type);
}

HRESULT CBasePin::QueryPinInfo(PIN_INFO* info)
{
    if (!info) return E_POINTER;
    info->pFilter = m_filter;
    m_filter->AddRef();
    info->dir = m_direction;
    CopyWideName(info->achName, MAX_PIN_NAME, m_name);
    return S_OK;
}

HRESULT CBasePin::QueryDirection(PIN_DIRECTION* direction)
{
    if (!direction) return E_POINTER;
    *direction = m_direction;
    return S_OK;
}

HRESULT CBasePin::QueryId(LPWSTR* id)
{
    if (!id) return E_POINTER;
    *id = CoTaskMemDupString(m_name.c_str());
    return *id ? S_OK : E_OUTOFMEMORY;
}

HRESULT CBasePin::QueryAccept(const AM_MEDIA_TYPE* type)
{
    if (!type) return E_POINTER;
    return SUCCEEDED(m_filter->CheckMediaType(this, *type)) ? S_OK : S_FALSE;
}

HRESULT CBasePin::EnumMediaTypes(IEnumMediaTypes** types)
{
    if (!types) return E_POINTER;
    std::vector<CMediaType> list;
    CMediaType type;
    for (int i = 0; i < 256 && m_filter->GetMediaType(this, i, type) == S_OK; ++i) list.push_back(type);
    *types = new CEnumMediaTypes(std::move(list));
    return S_OK;
}

HRESULT CBasePin::EndOfStream()
{
    if (m_direction != PINDIR_INPUT) return E_UNEXPECTED;
    return m_filter->EndOfStream(this);
}

HRESULT CBasePin::BeginFlush() { return S_OK; }
HRESULT CBasePin::EndFlush() { return S_OK; }

HRESULT CBasePin::Receive(const MediaSample* sample)
{
    if (!sample) return E_POINTER;
    if (!m_connected) return VFW_E_NOT_CONNECTED;
    if (m_filter->State() == State_Stopped) return VFW_E_WRONG_STATE;
    m_filter->NoteSample(this, *sample);
    return m_filter->Receive(this, *sample);
}

HRESULT CBasePin::Deliver(const MediaSample& sample)
{
    if (!m_sink) return VFW_E_NOT_CONNECTED;
    return m_sink->Receive(&sample);
}

HRESULT CBasePin::DeliverEndOfStream()
{
    if (!m_connected) return VFW_E_NOT_CONNECTED;
    return m_connected->EndOfStream();
}
