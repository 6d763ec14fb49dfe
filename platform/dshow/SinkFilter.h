#pragma once
// The last filter of a chain (renderer or writer): it tells the graph that it has
// finished once every connected input has seen the end of its stream and the graph runs;
// an end reached while paused is told when the graph runs again.
#include "dshow/BaseFilter.h"

#include <set>

class CSinkFilter : public CBaseFilter {
public:
    explicit CSinkFilter(REFCLSID clsid);
    HRESULT EndOfStream(CBasePin* pin) override;
    HRESULT Pause() override;
    HRESULT Run(REFERENCE_TIME start) override;

protected:
    HRESULT OnStop() override;
    // Called once, on the streaming thread, when all inputs have ended; a failure
    // aborts the graph in place of the completion.
    virtual HRESULT OnAllEnded() { return S_OK; }

private:
    std::mutex m_endLock;
    void NotifyComplete();

    std::set<CBasePin*> m_ended;
    bool m_reported = false;
    bool m_running = false;
    bool m_held = false;  // the end was reached while not running
};

// Takes whatever it is given and drops it.
class CNullRenderer : public CSinkFilter, public ISampleCounter {
public:
    static HRESULT Create(REFIID iid, void** object);
    // The untimed renderer: it also takes a multiplexer's byte stream, which it counts.
    static HRESULT CreateUntimed(REFIID iid, void** object);
    explicit CNullRenderer(bool takesStreams = false);
    MV_FILTER_UNKNOWN
    HRESULT GetSampleCount(LONGLONG* count) override;
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    LONGLONG ReceivedBytes() const { return m_bytes; }

private:
    void* FindInterface(REFIID iid) override;

    bool m_takesStreams;
    std::atomic<LONGLONG> m_bytes{0};
    std::atomic<LONGLONG> m_samples{0};
};

extern const CLSID CLSID_NullRenderer;
// The same renderer under the class id by which the engine asks for an untimed one.
extern const CLSID CLSID_UntimedRenderer;
