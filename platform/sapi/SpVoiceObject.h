#pragma once
// The voice. One thread synthesises ahead into a buffer, a second plays the buffer
// into the output; every event is raised when the audio it belongs to has been played
// (audio device) or written (stream), so pausing stops sound and events together.
#include "com/ComObject.h"
#include "sapi/NotifyPoster.h"
#include "sapi/SpVoice.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ISpStreamFormat;
struct ISpAudio;
class CPcmConverter;

class CSpVoice : public TComObject<ISpVoice> {
public:
    CSpVoice();

    HRESULT SetNotifyCallbackFunction(SPNOTIFYCALLBACK* callback, WPARAM wParam, LPARAM lParam) override;
    HRESULT SetInterest(ULONGLONG eventInterest, ULONGLONG queuedInterest) override;
    HRESULT GetEvents(ULONG count, SPEVENT* events, ULONG* fetched) override;
    HRESULT SetOutput(IUnknown* output, BOOL allowFormatChanges) override;
    HRESULT Pause() override;
    HRESULT Resume() override;
    HRESULT SetVoice(ISpObjectToken* token) override;
    HRESULT GetVoice(ISpObjectToken** token) override;
    HRESULT Speak(LPCWSTR text, DWORD flags, ULONG* streamNumber) override;
    HRESULT GetStatus(SPVOICESTATUS* status, LPWSTR* lastBookmark) override;
    HRESULT SetRate(LONG rate) override;
    HRESULT GetRate(LONG* rate) override;
    HRESULT SetVolume(USHORT volume) override;
    HRESULT GetVolume(USHORT* volume) override;
    HRESULT WaitUntilDone(ULONG milliseconds) override;

    static HRESULT Create(REFIID iid, void** object);

    // Events kept for GetEvents when nobody fetches them; the oldest go first.
    static constexpr size_t kMaxQueuedEvents = 100000;

protected:
    ~CSpVoice() override;

private:
    struct Request;
    struct Chunk;
    struct Mark;
    struct Playing;
    struct NotifyLink;

    void EnsureThreads();
    void PurgeLocked();
    void Interrupt(); // purge, and stop the speakers mid-write
    bool IdleLocked() const;
    static size_t AheadLimit(); // engine samples buffered at most
    void SynthesizeLoop();
    void Synthesize(Request& request, uint64_t generation);
    bool PushChunk(Chunk&& chunk, uint64_t generation);
    void RenderLoop();
    void Render(Chunk& chunk, Playing& playing);
    void BeginStream(Chunk& chunk, Playing& playing);
    void EndStream(Playing& playing, bool completed);
    bool WriteOut(Playing& playing, const std::vector<uint8_t>& bytes);
    bool WaitWhilePaused(uint64_t generation);
    void RaiseDue(Playing& playing, uint64_t reached);
    void Raise(SPEVENT event, uint64_t generation);
    void RaiseCurrentLocked(SPEVENT event, uint64_t generation, std::unique_lock<std::mutex>& guard); // unlocks
    void RaiseLocked(SPEVENT event, std::unique_lock<std::mutex>& guard); // unlocks
    void Deliver();

    mutable std::mutex m_lock;
    std::condition_variable m_wake; // requests, chunks, pause, purge, quit
    std::condition_variable m_idle;

    ISpObjectToken* m_token = nullptr;
    ISpStreamFormat* m_output = nullptr; // null: the default audio output
    ISpAudio* m_defaultAudio = nullptr;
    ISpAudio* m_playingAudio = nullptr; // the audio output of the stream being played
    LONG m_rate = 0;
    USHORT m_volume = 100;
    bool m_paused = false;
    bool m_quit = false;
    uint64_t m_generation = 0; // a purge starts a new one
    ULONG m_lastStream = 0;
    ULONG m_startedStream = 0; // started and not yet ended

    std::deque<Request> m_requests;
    std::deque<Chunk> m_chunks;
    size_t m_bufferedSamples = 0;
    bool m_synthesizing = false;
    bool m_rendering = false;

    ULONGLONG m_eventInterest = 0;
    ULONGLONG m_queuedInterest = 0;
    std::deque<SPEVENT> m_events;
    SPVOICESTATUS m_status{};
    ISpObjectToken* m_lastVoiceEvent = nullptr; // the voice named by the last voice-change event

    SPNOTIFYCALLBACK* m_callback = nullptr;
    WPARAM m_callbackWParam = 0;
    LPARAM m_callbackLParam = 0;
    SpThreadKey m_callbackThread = 0;
    bool m_notifyPending = false;
    std::shared_ptr<NotifyLink> m_link;

    std::thread m_synthThread;
    std::thread m_renderThread;
};
