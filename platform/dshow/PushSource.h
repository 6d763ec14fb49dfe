#pragma once
// A source filter that pushes its data from a worker thread of its own, from the
// moment it is paused until its stream ends or it is stopped, and that seeks, through
// the filter or any of its output pins. A seek while the filter streams goes through
// its graph, which stops the sources, seeks them and starts them again.
#include "dshow/BaseFilter.h"

#include <atomic>
#include <condition_variable>
#include <thread>

class CPushSource : public CBaseFilter, public IMediaSeeking {
public:
    explicit CPushSource(REFCLSID clsid);
    MV_FILTER_UNKNOWN

    HRESULT GetCapabilities(DWORD* capabilities) override;
    HRESULT CheckCapabilities(DWORD* capabilities) override;
    HRESULT IsFormatSupported(const GUID* format) override;
    HRESULT QueryPreferredFormat(GUID* format) override;
    HRESULT GetTimeFormat(GUID* format) override;
    HRESULT IsUsingTimeFormat(const GUID* format) override;
    HRESULT SetTimeFormat(const GUID* format) override;
    HRESULT GetDuration(LONGLONG* duration) override;
    HRESULT GetStopPosition(LONGLONG* stop) override;
    HRESULT GetCurrentPosition(LONGLONG* current) override;
    HRESULT ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat, LONGLONG source,
                              const GUID* sourceFormat) override;
    HRESULT SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) override;
    HRESULT GetPositions(LONGLONG* current, LONGLONG* stop) override;
    HRESULT GetAvailable(LONGLONG* earliest, LONGLONG* latest) override;
    HRESULT SetRate(double rate) override;
    HRESULT GetRate(double* rate) override;
    HRESULT GetPreroll(LONGLONG* preroll) override;

protected:
    ~CPushSource() override;
    void* FindInterface(REFIID iid) override;
    void* PinInterface(CBasePin* pin, REFIID iid) override;
    HRESULT OnStop() override;
    HRESULT OnPause() override;
    HRESULT OnRun() override;

    // Called on the worker: deliver the next piece; S_FALSE at the end of the data.
    virtual HRESULT ProduceNext() = 0;
    // Called on the worker before the first piece: go to this position.
    virtual HRESULT SeekTo(REFERENCE_TIME position) = 0;
    // The length of the data (0 when unknown).
    virtual REFERENCE_TIME MediaDuration() = 0;
    // Frames per second of the main stream, for frame positions (0 = none).
    virtual double FrameRate() const { return 0; }

    // For ProduceNext: the position reached, and whether the stop position is passed.
    void SetReached(REFERENCE_TIME position) { m_current = position; }
    bool PastStop(REFERENCE_TIME position) const { return position >= m_stop.load(); }
    // Whether a stop position was set at all (a live source has no end of its own).
    bool StopSet() const { return m_stopSet; }
    void DeliverEndOfStreamAll();

private:
    void Work();
    LONGLONG ToFormat(REFERENCE_TIME time) const;
    REFERENCE_TIME FromFormat(LONGLONG value) const;

    std::thread m_worker;
    std::mutex m_workLock;
    std::condition_variable m_wake;
    bool m_paused = true;
    bool m_quit = false;
    // Samples still to push while paused after a start: enough for the renderers to show
    // their first picture (a renderer holds the push there until the graph runs).
    int m_preroll = 0;
    // Until the graph runs, the place is where the source started, however far it pushed.
    std::atomic<bool> m_holding{false};
    std::atomic<REFERENCE_TIME> m_start{0};
    std::atomic<REFERENCE_TIME> m_stop{0};
    std::atomic<REFERENCE_TIME> m_current{0};
    bool m_stopSet = false;
    std::atomic<bool> m_seekingThroughGraph{false};
    GUID m_timeFormat;
};
