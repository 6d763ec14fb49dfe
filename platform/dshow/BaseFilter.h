#pragma once
// The common part of this layer's filters: pins, state, graph membership and event
// reporting. A filter derives from it and answers the hooks for its pins.
#include "com/ComObject.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

class CBasePin;

class CBaseFilter : public TComObject<IBaseFilter, IFilterPassTime, IEncoderPrivateSetting> {
public:
    explicit CBaseFilter(REFCLSID clsid);

    HRESULT QueryInterface(REFIID iid, void** object) override;

    HRESULT GetClassID(CLSID* clsid) override;
    HRESULT Stop() override;
    HRESULT Pause() override;
    HRESULT Run(REFERENCE_TIME start) override;
    HRESULT GetState(DWORD timeoutMs, FILTER_STATE* state) override;
    HRESULT SetSyncSource(IUnknown* clock) override;
    HRESULT EnumPins(IEnumPins** pins) override;
    HRESULT FindPin(LPCWSTR id, IPin** pin) override;
    HRESULT QueryFilterInfo(FILTER_INFO* info) override;
    HRESULT JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override;
    HRESULT GetPassTime(double* seconds) override;
    HRESULT SetPrivate(LONG value) override;
    // Called by the input pins for each sample they take.
    void NoteSample(CBasePin* pin, const MediaSample& sample);

    // Hooks of the pins. Types are offered by index (S_FALSE past the last).
    virtual HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) = 0;
    virtual HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type);
    virtual HRESULT CompleteConnect(CBasePin* pin, IPin* peer);
    virtual void BreakConnect(CBasePin* pin);
    virtual HRESULT Receive(CBasePin* pin, const MediaSample& sample);
    virtual HRESULT EndOfStream(CBasePin* pin);

    // Further interfaces a pin of this filter offers (null: none).
    virtual void* PinInterface(CBasePin* pin, REFIID iid);

    // For a pin that makes exactly the types it offers.
    HRESULT CheckOfferedType(CBasePin* pin, const AM_MEDIA_TYPE& type);

    FILTER_STATE State() const { return m_state; }
    size_t PinCount() const { return m_pins.size(); }
    CBasePin* PinAt(size_t index) const;
    // Reports an event to the graph the filter is in (nothing when in none).
    void NotifyEvent(LONG code, LONG_PTR param1, LONG_PTR param2);

protected:
    ~CBaseFilter() override;
    // Extra interfaces of a derived filter.
    virtual void* FindInterface(REFIID iid);
    // State changes, called with the state lock held before the state is stored.
    virtual HRESULT OnStop() { return S_OK; }
    virtual HRESULT OnPause() { return S_OK; }
    virtual HRESULT OnRun() { return S_OK; }

    CBasePin* AddPin(PIN_DIRECTION direction, const std::u16string& name);
    void RemovePins();

    std::recursive_mutex m_stateLock;
    // The graph that holds the filter, null outside one.
    IFilterGraph* Graph() const { return m_graph; }

private:
    CLSID m_clsid;
    FILTER_STATE m_state = State_Stopped;
    std::vector<std::unique_ptr<CBasePin>> m_pins;
    std::u16string m_name;
    IFilterGraph* m_graph = nullptr; // the graph holds the filter, not the other way
    IMediaEventSink* m_events = nullptr;
    std::atomic<REFERENCE_TIME> m_passed{0};
    std::atomic<LONG> m_private{0};
};

// The IUnknown of a filter that adds interfaces of its own.
#define MV_FILTER_UNKNOWN                                                                            \
    HRESULT QueryInterface(REFIID iid, void** object) override { return CBaseFilter::QueryInterface(iid, object); } \
    ULONG AddRef() override { return CBaseFilter::AddRef(); }                                        \
    ULONG Release() override { return CBaseFilter::Release(); }
