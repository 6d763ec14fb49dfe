#pragma once
// A live source: from the moment the graph runs it delivers what its device makes, timed
// from that moment, until it is stopped or reaches the stop position set before it ran. Its one output pin offers the device's formats
// through IAMStreamConfig (one capability each) and takes the one set by SetFormat;
// a video source also tells its frame rates per size through IAMVideoControl.
#include "dshow/PushSource.h"
#include "dshow/capture/AudioInputLine.h"
#include "dshow/capture/CaptureInterfaces.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

class CAvVideoInput;

class CCaptureSource : public CPushSource,
                       public IAMStreamConfig,
                       public IAMVideoControl,
                       public IAMBufferNegotiation,
                       public IAMDroppedFrames,
                       public ILiveSource {
public:
    MV_FILTER_UNKNOWN

    // IAMStreamConfig
    HRESULT SetFormat(const AM_MEDIA_TYPE* type) override;
    HRESULT GetFormat(AM_MEDIA_TYPE** type) override;
    HRESULT GetNumberOfCapabilities(int* count, int* size) override;
    HRESULT GetStreamCaps(int index, AM_MEDIA_TYPE** type, BYTE* caps) override;

    // IAMVideoControl (video sources only)
    HRESULT GetCaps(IPin* pin, LONG* flags) override;
    HRESULT SetMode(IPin* pin, LONG mode) override;
    HRESULT GetMode(IPin* pin, LONG* mode) override;
    HRESULT GetCurrentActualFrameRate(IPin* pin, LONGLONG* frameTime) override;
    HRESULT GetMaxAvailableFrameRate(IPin* pin, LONG index, SIZE dimensions, LONGLONG* frameTime) override;
    HRESULT GetFrameRateList(IPin* pin, LONG index, SIZE dimensions, LONG* count, LONGLONG** frameTimes) override;

    // IAMBufferNegotiation (before the pin is connected)
    HRESULT SuggestAllocatorProperties(const ALLOCATOR_PROPERTIES* properties) override;
    HRESULT GetAllocatorProperties(ALLOCATOR_PROPERTIES* properties) override;

    // IAMDroppedFrames (video sources: counted by the frame times of the pictures delivered)
    HRESULT GetNumDropped(LONG* dropped) override;
    HRESULT GetNumNotDropped(LONG* delivered) override;

    // ILiveSource
    HRESULT EndStream() override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    // A PCM source (each format one capability) or an RGB32/RGB24 one (each format with
    // the frame durations of its size, fastest first).
    CCaptureSource(REFCLSID clsid, const char16_t* pinName, std::vector<CMediaType> formats,
                   std::vector<std::vector<REFERENCE_TIME>> frameTimes = {});
    ~CCaptureSource() override;
    void* FindInterface(REFIID iid) override;
    void* PinInterface(CBasePin* pin, REFIID iid) override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;

    // Opens the device for the connected format (on the worker, before the first piece).
    virtual HRESULT Open(const AM_MEDIA_TYPE& format) = 0;
    // Delivers the next piece, waiting for the device; S_FALSE when the device is gone.
    virtual HRESULT Capture(const AM_MEDIA_TYPE& format) = 0;
    // Closes the device (the worker has ended).
    virtual void Close() = 0;

    // For Capture: stream time now, counted from the first piece asked for.
    REFERENCE_TIME Now() const;
    // Sleeps until that stream time; false when the source is being stopped.
    bool WaitFor(REFERENCE_TIME streamTime) const;
    bool Stopping() const { return m_stopping || m_ending; }
    // The bytes of a piece the pin was asked for, or 0 when it was not.
    LONG SuggestedBufferBytes() const { return m_buffers.cbBuffer > 0 ? m_buffers.cbBuffer : 0; }
    // For Capture: the device is gone; tells the graph and ends the stream.
    HRESULT Lost();
    HRESULT DeliverTimed(const BYTE* data, size_t size, REFERENCE_TIME start, REFERENCE_TIME stop);
    // The frame duration of the connected video type (its own or the fastest of its size).
    REFERENCE_TIME FrameTimeOf(const AM_MEDIA_TYPE& format) const;
    // Capture for a picture device: its next picture, timed by the device or on arrival.
    HRESULT CaptureFrom(CAvVideoInput& device, const AM_MEDIA_TYPE& format);
    // Adds an input line: an input pin of that name whose mixer the device applies.
    const CAudioInputLine& AddLine(const std::u16string& name, bool enabled, double level, CAudioInputLine::Apply apply = {});
    // Offers other formats (while stopped and unconnected); a format set before is dropped.
    HRESULT SetFormats(std::vector<CMediaType> formats, std::vector<std::vector<REFERENCE_TIME>> frameTimes);

private:
    HRESULT ProduceNext() final;
    HRESULT SeekTo(REFERENCE_TIME position) final;
    REFERENCE_TIME MediaDuration() final { return 0; }
    // The offered format that the type names, or -1.
    int Match(const AM_MEDIA_TYPE& type) const;
    const std::vector<REFERENCE_TIME>* FrameTimesAt(LONG index, SIZE dimensions) const;

    std::vector<std::unique_ptr<CAudioInputLine>> m_lines;
    std::vector<CMediaType> m_formats;
    std::vector<std::vector<REFERENCE_TIME>> m_frameTimes;
    const bool m_video;
    CMediaType m_chosen; // set by SetFormat; invalid until then
    ALLOCATOR_PROPERTIES m_buffers{-1, -1, -1, -1};
    // Marks the stream's end as delivered (or the worker gone) and wakes EndStream.
    void Finish();

    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_ending{false};
    std::mutex m_endLock;
    std::condition_variable m_endWake;
    bool m_finished = false;
    bool m_started = false;
    std::chrono::steady_clock::time_point m_origin;
    REFERENCE_TIME m_nextPicture = 0;
    std::atomic<LONG> m_delivered{0};
    std::atomic<LONG> m_dropped{0};
    int64_t m_lastFrame = -1; // frame number of the last picture delivered in this run
    std::vector<BYTE> m_picture;
};
