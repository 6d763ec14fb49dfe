#pragma once
// A pin of a filter of this layer. Its references are its filter's: a pin lives as
// long as the filter that made it. What the pin accepts, offers and receives is
// asked of its filter, so most filters need no pin classes of their own.
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"

#include <string>

class CBaseFilter;

class CBasePin : public IPin, public ISampleSink {
public:
    CBasePin(CBaseFilter* filter, PIN_DIRECTION direction, std::u16string name, int index);
    virtual ~CBasePin();
    CBasePin(const CBasePin&) = delete;
    CBasePin& operator=(const CBasePin&) = delete;

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) override;
    HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) override;
    HRESULT Disconnect() override;
    HRESULT ConnectedTo(IPin** pin) override;
    HRESULT ConnectionMediaType(AM_MEDIA_TYPE* type) override;
    HRESULT QueryPinInfo(PIN_INFO* info) override;
    HRESULT QueryDirection(PIN_DIRECTION* direction) override;
    HRESULT QueryId(LPWSTR* id) override;
    HRESULT QueryAccept(const AM_MEDIA_TYPE* type) override;
    HRESULT EnumMediaTypes(IEnumMediaTypes** types) override;
    HRESULT EndOfStream() override;
    HRESULT BeginFlush() override;
    HRESULT EndFlush() override;
    HRESULT Receive(const MediaSample* sample) override;

    // Output side: hands data and the end of the stream to the connected pin.
    HRESULT Deliver(const MediaSample& sample);
    HRESULT DeliverEndOfStream();

    bool IsConnected() const { return m_connected != nullptr; }
    IPin* Peer() const { return m_connected; }
    const CMediaType& MediaType() const { return m_type; }
    PIN_DIRECTION Direction() const { return m_direction; }
    const std::u16string& Name() const { return m_name; }
    int Index() const { return m_index; }
    CBaseFilter* Filter() const { return m_filter; }

private:
    HRESULT TryConnect(IPin* receivePin, const AM_MEDIA_TYPE& type);

    CBaseFilter* m_filter;
    PIN_DIRECTION m_direction;
    std::u16string m_name;
    int m_index;
    IPin* m_connected = nullptr;
    ISampleSink* m_sink = nullptr;
    CMediaType m_type;
};
