#include "CFilterPin.h"

#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "UDirectShowUtils.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"

namespace {

bool IsPinConnected(IPin* pin)
{
    IPin* peer = nullptr;
    if (FAILED(pin->ConnectedTo(&peer)) || !peer) return false;
    peer->Release();
    return true;
}

// The first pin of the direction without a peer that the caller wants, with a reference.
template <typename Wanted>
IPin* FirstFreePin(IBaseFilter* filter, PIN_DIRECTION direction, Wanted wanted)
{
    IPin* found = nullptr;
    UDirectShowUtils::VisitPins(filter, direction, [&](IPin* pin) {
        if (IsPinConnected(pin) || !wanted(pin)) return false;
        found = pin;
        found->AddRef();
        return true;
    });
    return found;
}

bool SubtypeIs(const AM_MEDIA_TYPE& type, const GUID& wanted)
{
    return type.subtype == wanted;
}

bool FormatIs(const AM_MEDIA_TYPE& type, const GUID& wanted)
{
    return type.formattype == wanted;
}

} // namespace

CFilterPin::CFilterPin(CDirectShowFilter* filter, const char* tag, bool input)
    : m_filter(filter), m_tag(tag ? tag : ""), m_input(input)
{
}

CFilterPin::CFilterPin(const CFilterPin& other) : m_filter(other.m_filter), m_input(other.m_input)
{
    *this = other;
}

CFilterPin& CFilterPin::operator=(const CFilterPin& other)
{
    if (this == &other) return *this;
    SetPin(other.m_pin);
    m_filter = other.m_filter;
    m_tag = other.m_tag;
    m_tag2 = other.m_tag2;
    m_input = other.m_input;
    m_connected = other.m_connected;
    m_major = other.m_major;
    m_subtype = other.m_subtype;
    m_tagSearch = other.m_tagSearch;
    m_dynamic = other.m_dynamic;
    m_index = other.m_index;
    return *this;
}

CFilterPin::~CFilterPin()
{
    // The peer must not keep a link to a pin that is gone.
    if (m_connected && m_connected->m_connected == this) m_connected->m_connected = nullptr;
    SafeRelease(m_pin);
}

void CFilterPin::SetMediaType(const GUID& major, const GUID& subtype)
{
    SafeRelease(m_pin);
    m_major = major;
    m_subtype = subtype;
}

void CFilterPin::SearchTag(const char* tag, bool search)
{
    m_tag = tag ? tag : "";
    m_tagSearch = search;
}

void CFilterPin::SetPin(IPin* pin)
{
    if (pin) pin->AddRef();
    SafeRelease(m_pin);
    m_pin = pin;
}

CDirectShowGraph* CFilterPin::GetGraph() const
{
    return m_filter ? m_filter->GetGraph() : nullptr;
}

IPin* CFilterPin::GetPin()
{
    if (m_pin) {
        if (!m_dynamic || m_connected) return m_pin;
        SafeRelease(m_pin);
    }
    m_pin = LookUp();
    return m_pin;
}

IPin* CFilterPin::LookUp()
{
    IBaseFilter* filter = m_filter ? m_filter->GetFilter() : nullptr;
    if (!filter) return nullptr;
    const PIN_DIRECTION direction = m_input ? PINDIR_INPUT : PINDIR_OUTPUT;
    if (m_tagSearch) {
        // A dynamic pin stands for the next pin the filter offers under its tag, so pins that
        // already carry a connection are passed over (two "Video In" pins of one multiplexer).
        IPin* pin = FindByTag(filter, direction, m_tag);
        if (!pin && !m_tag2.IsEmpty()) pin = FindByTag(filter, direction, m_tag2);
        return pin;
    }
    if (m_index != -1) return UDirectShowUtils::FindPinByIndex(filter, direction, m_index);
    return FindByType(filter, direction);
}

IPin* CFilterPin::FindByTag(IBaseFilter* filter, PIN_DIRECTION direction, const char* tag)
{
    if (!m_dynamic) return UDirectShowUtils::FindPinByTag(filter, direction, tag);
    return FirstFreePin(filter, direction, [&](IPin* pin) { return UDirectShowUtils::PinHasTag(pin, tag); });
}

IPin* CFilterPin::FindByType(IBaseFilter* filter, PIN_DIRECTION direction)
{
    const GUID null{};
    return FirstFreePin(filter, direction, [&](IPin* pin) {
        return (m_major == null && m_subtype == null) ||
               UDirectShowUtils::VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& t) {
                   if (m_major != null && t.majortype != m_major) return false;
                   if (m_subtype != null && t.subtype != m_subtype) return false;
                   return pin->QueryAccept(&t) == S_OK;
               });
    });
}

bool CFilterPin::Connect(CFilterPin* peer, const AM_MEDIA_TYPE* type)
{
    CDirectShowGraph* graph = GetGraph();
    if (!graph || !peer) return false;
    Disconnect();
    peer->Disconnect();
    if (!graph->ConnectPins(this, peer, type) && (!type || !graph->ConnectPins(this, peer, nullptr))) return false;
    m_connected = peer;
    peer->m_connected = this;
    return true;
}

void CFilterPin::Disconnect()
{
    CDirectShowGraph* graph = GetGraph();
    if (!graph || !m_connected) return;
    graph->DisconnectPin(m_connected);
    m_connected->m_connected = nullptr;
    graph->DisconnectPin(this);
    m_connected = nullptr;
}

void CFilterPin::Release()
{
    Disconnect();
    SafeRelease(m_pin);
}

bool CFilterPin::HasType(bool (*match)(const AM_MEDIA_TYPE&, const GUID&), const GUID& wanted)
{
    IPin* pin = GetPin();
    if (!pin) return false;
    if (m_connected) {
        AM_MEDIA_TYPE type{};
        if (SUCCEEDED(pin->ConnectionMediaType(&type))) {
            const bool result = match(type, wanted);
            FreeMediaType(type);
            return result;
        }
    }
    return UDirectShowUtils::VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& t) { return match(t, wanted); });
}

bool CFilterPin::HasSubType(const GUID& subtype)
{
    return HasType(&SubtypeIs, subtype);
}

bool CFilterPin::HasFormatType(const GUID& format)
{
    return HasType(&FormatIs, format);
}

bool CFilterPin::GetTypes(GUID& major, GUID& subtype, GUID& format)
{
    IPin* pin = GetPin();
    if (!pin) return false;
    auto take = [&](const AM_MEDIA_TYPE& t) {
        major = t.majortype;
        subtype = t.subtype;
        format = t.formattype;
        return true;
    };
    if (m_connected) {
        AM_MEDIA_TYPE type{};
        if (SUCCEEDED(pin->ConnectionMediaType(&type))) {
            take(type);
            FreeMediaType(type);
            return true;
        }
    }
    return UDirectShowUtils::VisitMediaTypes(pin, take);
}
