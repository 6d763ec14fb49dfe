#include "sapi/SpVoiceObject.h"

#include "com/ComRuntime.h"
#include "sapi/PcmConverter.h"
#include "sapi/SpHelpers.h"
#include "sapi/SpMMAudioOut.h"
#include "sapi/SpStreams.h"
#include "sapi/SpTokenCatalog.h"
#include "sapi/SpTokens.h"
#include "sapi/SpeechEngine.h"
#include "sapi/SpeechText.h"
#include "sapi/Visemes.h"
#include "win32/audio/WaveFormat.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr size_t kPieceCodePoints = 4000;   // engine lock held per piece
constexpr size_t kAheadSeconds = 30;        // synthesis runs at most this far ahead
constexpr size_t kBatchesPerSecond = 5;     // sound handed to the playing thread in 200 ms batches
constexpr uint32_t kAudioSliceDivisor = 40; // 25 ms slices to the speakers
constexpr ULONG kInfinite = 0xFFFFFFFF;

std::u16string TokenId(ISpObjectToken* token)
{
    LPWSTR id = nullptr;
    std::u16string result;
    if (token && SUCCEEDED(token->GetId(&id)) && id) result = id;
    CoTaskMemFree(id);
    return result;
}

ISpObjectToken* DefaultVoiceToken()
{
    std::u16string id = CSpTokenCatalog::DefaultTokenId(SPCAT_VOICES);
    return id.empty() ? nullptr : CSpTokenCatalog::FindToken(id);
}

SPEVENT MakeEvent(WORD id, ULONG stream, ULONGLONG offset, WPARAM w, LPARAM l)
{
    SPEVENT e{};
    e.eEventId = id;
    e.elParamType = SPET_LPARAM_IS_UNDEFINED;
    e.ulStreamNum = stream;
    e.ullAudioStreamOffset = offset;
    e.wParam = w;
    e.lParam = l;
    return e;
}

} // namespace

struct CSpVoice::Request {
    std::u16string text;
    ULONG stream = 0;
    ISpObjectToken* token = nullptr;   // one reference
    ISpStreamFormat* output = nullptr; // one reference; null: default audio
    LONG rate = 0;
};

struct CSpVoice::Mark {
    uint64_t sample = 0; // engine samples from the start of the stream
    WORD id = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct CSpVoice::Chunk {
    ULONG stream = 0;
    bool first = false;
    bool last = false;
    ISpStreamFormat* output = nullptr; // first chunk: one reference
    ISpObjectToken* token = nullptr;   // first chunk: one reference
    std::vector<int16_t> samples;
    std::vector<Mark> marks;

    void ReleaseRefs()
    {
        SafeRelease(output);
        SafeRelease(token);
    }
};

struct CSpVoice::Playing {
    ULONG stream = 0;
    bool active = false;
    bool usable = false; // false: the output could not take the format; sound is dropped
    ISpStreamFormat* output = nullptr;
    ISpAudio* audio = nullptr;
    std::unique_ptr<CPcmConverter> converter;
    uint64_t deviceBase = 0; // device position when the stream started
    uint64_t bytesOut = 0;
    std::deque<std::pair<uint64_t, Mark>> pending; // byte offset, mark
    uint64_t generation = 0;
};

struct CSpVoice::NotifyLink {
    std::recursive_mutex lock;
    CSpVoice* voice = nullptr;
};

CSpVoice::CSpVoice() : m_link(std::make_shared<NotifyLink>())
{
    m_link->voice = this;
    m_status.dwRunningState = SPRS_DONE;
    m_status.hrLastResult = S_OK;
}

CSpVoice::~CSpVoice()
{
    {
        // No notification reaches a voice that is going away.
        std::lock_guard<std::recursive_mutex> guard(m_link->lock);
        m_link->voice = nullptr;
    }
    Interrupt();
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_quit = true;
        m_paused = false;
    }
    m_wake.notify_all();
    if (m_synthThread.joinable()) m_synthThread.join();
    if (m_renderThread.joinable()) m_renderThread.join();
    for (SPEVENT& e : m_events) SpClearEvent(&e);
    SafeRelease(m_lastVoiceEvent);
    SafeRelease(m_token);
    SafeRelease(m_output);
    if (m_defaultAudio) m_defaultAudio->SetState(SPAS_CLOSED, 0);
    SafeRelease(m_defaultAudio);
}

HRESULT CSpVoice::Create(REFIID iid, void** object)
{
    return CreateComObject<CSpVoice>(iid, object);
}

void CSpVoice::EnsureThreads()
{
    if (!m_synthThread.joinable()) m_synthThread = std::thread([this] { SynthesizeLoop(); });
    if (!m_renderThread.joinable()) m_renderThread = std::thread([this] { RenderLoop(); });
}

size_t CSpVoice::AheadLimit()
{
    return CSpeechEngine::Current().SampleRate() * kAheadSeconds;
}

bool CSpVoice::IdleLocked() const
{
    return m_requests.empty() && m_chunks.empty() && !m_synthesizing && !m_rendering;
}

// ---- settings ----

HRESULT CSpVoice::SetNotifyCallbackFunction(SPNOTIFYCALLBACK* callback, WPARAM wParam, LPARAM lParam)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_callback = callback;
    m_callbackWParam = wParam;
    m_callbackLParam = lParam;
    m_callbackThread = SpCurrentThreadKey();
    m_notifyPending = false;
    return S_OK;
}

HRESULT CSpVoice::SetInterest(ULONGLONG eventInterest, ULONGLONG queuedInterest)
{
    // A mask carries its check bits, and only events that notify can be queued.
    auto valid = [](ULONGLONG mask) { return mask == 0 || (mask & SPFEI_FLAGCHECK) == SPFEI_FLAGCHECK; };
    if (!valid(eventInterest) || !valid(queuedInterest)) return E_INVALIDARG;
    if ((queuedInterest & ~eventInterest) != 0) return E_INVALIDARG;
    std::lock_guard<std::mutex> guard(m_lock);
    m_eventInterest = eventInterest & ~SPFEI_FLAGCHECK;
    m_queuedInterest = queuedInterest & ~SPFEI_FLAGCHECK;
    return S_OK;
}

HRESULT CSpVoice::GetEvents(ULONG count, SPEVENT* events, ULONG* fetched)
{
    if (!events) return E_POINTER;
    if (count > 1 && !fetched) return E_POINTER;
    std::lock_guard<std::mutex> guard(m_lock);
    ULONG given = 0;
    while (given < count && !m_events.empty()) {
        events[given++] = m_events.front(); // the caller now owns the parameter
        m_events.pop_front();
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

HRESULT CSpVoice::SetOutput(IUnknown* output, BOOL)
{
    ISpStreamFormat* stream = nullptr;
    if (output && FAILED(QueryInterfaceTo(output, &stream))) return E_INVALIDARG;
    std::lock_guard<std::mutex> guard(m_lock);
    SafeRelease(m_output);
    m_output = stream;
    return S_OK;
}

HRESULT CSpVoice::SetVoice(ISpObjectToken* token)
{
    if (token) token->AddRef();
    std::lock_guard<std::mutex> guard(m_lock);
    SafeRelease(m_token);
    m_token = token;
    return S_OK;
}

HRESULT CSpVoice::GetVoice(ISpObjectToken** token)
{
    if (!token) return E_POINTER;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        *token = m_token;
        if (m_token) {
            m_token->AddRef();
            return S_OK;
        }
    }
    *token = DefaultVoiceToken();
    return *token ? S_OK : SPERR_NOT_FOUND;
}

HRESULT CSpVoice::SetRate(LONG rate)
{
    if (rate < -10 || rate > 10) return E_INVALIDARG;
    std::lock_guard<std::mutex> guard(m_lock);
    m_rate = rate;
    return S_OK;
}

HRESULT CSpVoice::GetRate(LONG* rate)
{
    if (!rate) return E_POINTER;
    std::lock_guard<std::mutex> guard(m_lock);
    *rate = m_rate;
    return S_OK;
}

HRESULT CSpVoice::SetVolume(USHORT volume)
{
    if (volume > 100) return E_INVALIDARG;
    std::lock_guard<std::mutex> guard(m_lock);
    m_volume = volume;
    return S_OK;
}

HRESULT CSpVoice::GetVolume(USHORT* volume)
{
    if (!volume) return E_POINTER;
    std::lock_guard<std::mutex> guard(m_lock);
    *volume = m_volume;
    return S_OK;
}

// ---- control ----

HRESULT CSpVoice::Speak(LPCWSTR text, DWORD flags, ULONG* streamNumber)
{
    if (streamNumber) *streamNumber = 0;
    if (flags & ~static_cast<DWORD>(SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_XML | SPF_IS_NOT_XML | SPF_IS_FILENAME))
        return E_INVALIDARG;
    if (flags & SPF_IS_FILENAME) return E_NOTIMPL;
    if (!text && !(flags & SPF_PURGEBEFORESPEAK)) return E_INVALIDARG;
    // Markup is never parsed: text is spoken as written. The default voice is looked up
    // outside the lock, as the catalog may ask the engine.
    ISpObjectToken* fallback = text ? DefaultVoiceToken() : nullptr;
    if (flags & SPF_PURGEBEFORESPEAK) Interrupt();
    ULONG stream = 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (text) {
            Request request;
            request.text = text;
            request.stream = stream = ++m_lastStream;
            request.token = m_token ? m_token : fallback;
            if (request.token) request.token->AddRef();
            request.output = m_output;
            if (request.output) request.output->AddRef();
            request.rate = m_rate;
            m_status.ulLastStreamQueued = stream;
            m_requests.push_back(std::move(request));
            EnsureThreads();
        }
    }
    SafeRelease(fallback);
    m_wake.notify_all();
    if (streamNumber) *streamNumber = stream;
    if (text && !(flags & SPF_ASYNC)) WaitUntilDone(kInfinite);
    return S_OK;
}

void CSpVoice::PurgeLocked()
{
    ++m_generation;
    for (Request& r : m_requests) {
        SafeRelease(r.token);
        SafeRelease(r.output);
    }
    m_requests.clear();
    for (Chunk& c : m_chunks) c.ReleaseRefs();
    m_chunks.clear();
    m_bufferedSamples = 0;
    m_wake.notify_all();
    m_idle.notify_all();
}

void CSpVoice::Interrupt()
{
    ISpAudio* audio = nullptr;
    {
        std::unique_lock<std::mutex> guard(m_lock);
        PurgeLocked();
        audio = m_playingAudio;
        if (audio) audio->AddRef();
        // A stream that has started ends here, before anything spoken later starts.
        if (m_startedStream) RaiseLocked(MakeEvent(SPEI_END_INPUT_STREAM, m_startedStream, 0, 0, 0), guard);
    }
    // A write waiting on the speakers (paused, or a full device) returns at once.
    if (audio) audio->SetState(SPAS_STOP, 0);
    SafeRelease(audio);
}

HRESULT CSpVoice::Pause()
{
    ISpAudio* audio = nullptr;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_paused = true;
        audio = m_playingAudio;
        if (audio) audio->AddRef();
    }
    // Stopping the device as well makes the pause exact.
    if (audio) audio->SetState(SPAS_PAUSE, 0);
    SafeRelease(audio);
    return S_OK;
}

HRESULT CSpVoice::Resume()
{
    ISpAudio* audio = nullptr;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_paused) return S_OK;
        m_paused = false;
        audio = m_playingAudio;
        if (audio) audio->AddRef();
    }
    if (audio) audio->SetState(SPAS_RUN, 0);
    SafeRelease(audio);
    m_wake.notify_all();
    return S_OK;
}

HRESULT CSpVoice::WaitUntilDone(ULONG milliseconds)
{
    std::unique_lock<std::mutex> guard(m_lock);
    auto idle = [this] { return IdleLocked() || m_quit; };
    if (milliseconds == kInfinite)
        m_idle.wait(guard, idle);
    else
        m_idle.wait_for(guard, std::chrono::milliseconds(milliseconds), idle);
    return IdleLocked() ? S_OK : S_FALSE;
}

HRESULT CSpVoice::GetStatus(SPVOICESTATUS* status, LPWSTR* lastBookmark)
{
    if (lastBookmark) *lastBookmark = CoTaskMemDupString(u""); // bookmarks come only from markup
    if (!status) return lastBookmark ? S_OK : E_POINTER;
    std::lock_guard<std::mutex> guard(m_lock);
    *status = m_status;
    status->dwRunningState = IdleLocked() ? SPRS_DONE : SPRS_IS_SPEAKING;
    return S_OK;
}

// ---- synthesis thread ----

void CSpVoice::SynthesizeLoop()
{
    std::unique_lock<std::mutex> guard(m_lock);
    for (;;) {
        m_wake.wait(guard, [this] { return m_quit || !m_requests.empty(); });
        if (m_quit) return;
        Request request = std::move(m_requests.front());
        m_requests.pop_front();
        m_synthesizing = true;
        uint64_t generation = m_generation;
        guard.unlock();
        Synthesize(request, generation);
        SafeRelease(request.token);
        SafeRelease(request.output);
        guard.lock();
        m_synthesizing = false;
        if (IdleLocked()) m_idle.notify_all();
    }
}

bool CSpVoice::PushChunk(Chunk&& chunk, uint64_t generation)
{
    std::unique_lock<std::mutex> guard(m_lock);
    // Run ahead of playback by a bounded amount.
    const size_t limit = AheadLimit();
    m_wake.wait(guard, [&] { return m_quit || m_generation != generation || m_bufferedSamples < limit; });
    if (m_quit || m_generation != generation) {
        chunk.ReleaseRefs();
        return false;
    }
    m_bufferedSamples += chunk.samples.size();
    // The playing thread waits only on an empty buffer; waking it more often costs time.
    bool wasEmpty = m_chunks.empty();
    m_chunks.push_back(std::move(chunk));
    guard.unlock();
    if (wasEmpty) m_wake.notify_all();
    return true;
}

void CSpVoice::Synthesize(Request& request, uint64_t generation)
{
    CSpeechEngine& engine = CSpeechEngine::Current();
    CSpeechText text(request.text);
    std::string engineVoice = CSpTokenCatalog::EngineVoiceOf(TokenId(request.token));

    Chunk first;
    first.stream = request.stream;
    first.first = true;
    first.output = request.output;
    first.token = request.token;
    if (first.output) first.output->AddRef();
    if (first.token) first.token->AddRef();
    if (!PushChunk(std::move(first), generation)) return;

    // The engine's sound is handed on in batches, so the two threads meet seldom.
    const size_t batch = engine.SampleRate() / kBatchesPerSecond;
    Chunk pending;
    pending.stream = request.stream;
    uint64_t streamSamples = 0;
    bool alive = true;
    bool failed = false;
    for (const auto& [begin, end] : text.Pieces(kPieceCodePoints)) {
        std::u32string piece = text.CodePoints().substr(begin, end - begin);
        uint64_t pieceBase = streamSamples;
        // clang 14 cannot capture a structured binding in a lambda.
        const auto pieceBegin = begin;
        auto sink = [&](const int16_t* samples, size_t count, const std::vector<CEngineMark>& marks) {
            pending.samples.insert(pending.samples.end(), samples, samples + count);
            for (const CEngineMark& m : marks) {
                Mark mark;
                mark.sample = pieceBase + m.sample;
                int64_t position = m.position < 0 ? -1 : static_cast<int64_t>(pieceBegin) + m.position;
                uint32_t at = 0, length = 0;
                if (m.kind == CEngineMark::kWord) {
                    if (m.position >= static_cast<int64_t>(piece.size()) || !text.TakeWord(position, m.length, at, length)) continue;
                    mark.id = SPEI_WORD_BOUNDARY;
                } else if (m.kind == CEngineMark::kSentence) {
                    if (m.position >= static_cast<int64_t>(piece.size()) || !text.TakeSentence(position, at, length)) continue;
                    mark.id = SPEI_SENTENCE_BOUNDARY;
                } else {
                    mark.id = SPEI_VISEME;
                    at = VisemeOfPhoneme(m.phoneme);
                }
                mark.wParam = length;
                mark.lParam = static_cast<LPARAM>(at);
                pending.marks.push_back(mark);
            }
            streamSamples += count;
            if (pending.samples.size() < batch) return true;
            alive = PushChunk(std::move(pending), generation);
            pending = Chunk{};
            pending.stream = request.stream;
            return alive;
        };
        if (!engine.Synthesize(piece, engineVoice, static_cast<int>(request.rate), sink)) failed = alive;
        if (!alive) return;
    }
    if (failed) {
        std::lock_guard<std::mutex> guard(m_lock);
        m_status.hrLastResult = E_FAIL;
    }
    pending.last = true;
    PushChunk(std::move(pending), generation);
}

// ---- playing thread ----

void CSpVoice::RenderLoop()
{
    Playing playing;
    std::unique_lock<std::mutex> guard(m_lock);
    for (;;) {
        m_wake.wait(guard, [this] { return m_quit || !m_chunks.empty(); });
        if (m_quit) break;
        Chunk chunk = std::move(m_chunks.front());
        m_chunks.pop_front();
        bool wasFull = m_bufferedSamples >= AheadLimit();
        m_bufferedSamples -= std::min(m_bufferedSamples, chunk.samples.size());
        m_rendering = true;
        uint64_t generation = m_generation;
        guard.unlock();
        if (wasFull) m_wake.notify_all(); // room for the synthesiser
        if (playing.active && playing.generation != generation) EndStream(playing, false);
        playing.generation = generation;
        Render(chunk, playing);
        chunk.ReleaseRefs();
        guard.lock();
        m_rendering = false;
        if (IdleLocked()) m_idle.notify_all();
    }
    guard.unlock();
    if (playing.active) EndStream(playing, false);
}

void CSpVoice::BeginStream(Chunk& chunk, Playing& playing)
{
    uint64_t generation = playing.generation;
    playing = Playing{};
    playing.generation = generation;
    playing.active = true;
    playing.stream = chunk.stream;
    ISpStreamFormat* output = chunk.output;
    if (output) {
        output->AddRef();
    } else {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_defaultAudio) m_defaultAudio = new CSpMMAudioOut;
        m_defaultAudio->AddRef();
        output = m_defaultAudio;
    }
    playing.output = output;
    QueryInterfaceTo(output, &playing.audio);

    GUID formatId{};
    WAVEFORMATEX* format = nullptr;
    playing.converter = std::make_unique<CPcmConverter>();
    playing.usable = SUCCEEDED(output->GetFormat(&formatId, &format)) && format && formatId == SPDFID_WaveFormatEx &&
                     playing.converter->Configure(CSpeechEngine::Current().SampleRate(), *format);
    CoTaskMemFree(format);

    bool paused;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        paused = m_paused;
        if (playing.audio) {
            playing.audio->AddRef();
            SafeRelease(m_playingAudio);
            m_playingAudio = playing.audio;
        }
        m_status.ulCurrentStream = chunk.stream;
        m_status.ulInputWordPos = m_status.ulInputWordLen = 0;
        m_status.ulInputSentPos = m_status.ulInputSentLen = 0;
        if (!playing.usable) m_status.hrLastResult = SPERR_UNSUPPORTED_FORMAT;
    }
    if (playing.audio) {
        playing.audio->SetState(paused ? SPAS_PAUSE : SPAS_RUN, 0);
        SPAUDIOSTATUS status{};
        if (SUCCEEDED(playing.audio->GetStatus(&status))) playing.deviceBase = status.CurDevicePos;
    }
    Raise(MakeEvent(SPEI_START_INPUT_STREAM, chunk.stream, 0, 0, 0), playing.generation);
    // A voice-change event names the voice when it differs from the last one named.
    bool changed;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        changed = chunk.token && chunk.token != m_lastVoiceEvent;
        if (changed) {
            SafeRelease(m_lastVoiceEvent);
            m_lastVoiceEvent = chunk.token;
            m_lastVoiceEvent->AddRef();
        }
    }
    if (changed) {
        SPEVENT e = MakeEvent(SPEI_VOICE_CHANGE, chunk.stream, 0, 0, reinterpret_cast<LPARAM>(chunk.token));
        e.elParamType = SPET_LPARAM_IS_TOKEN;
        chunk.token->AddRef(); // owned by the event
        Raise(e, playing.generation);
    }
}

void CSpVoice::EndStream(Playing& playing, bool completed)
{
    if (completed) {
        RaiseDue(playing, UINT64_MAX);
        Raise(MakeEvent(SPEI_END_INPUT_STREAM, playing.stream, playing.bytesOut, 0, 0), playing.generation);
    } else if (playing.audio) {
        playing.audio->SetState(SPAS_STOP, 0); // drop what the device still holds
    }
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_playingAudio == playing.audio) SafeRelease(m_playingAudio);
    }
    SafeRelease(playing.audio);
    SafeRelease(playing.output);
    playing.pending.clear();
    playing.active = false;
}

bool CSpVoice::WaitWhilePaused(uint64_t generation)
{
    std::unique_lock<std::mutex> guard(m_lock);
    m_wake.wait(guard, [&] { return m_quit || m_generation != generation || !m_paused; });
    return !m_quit && m_generation == generation;
}

bool CSpVoice::WriteOut(Playing& playing, const std::vector<uint8_t>& bytes)
{
    size_t slice = bytes.size();
    if (playing.audio) {
        uint32_t block = playing.converter->BlockAlign();
        size_t perSecond = playing.converter->ByteOffsetOf(CSpeechEngine::Current().SampleRate());
        slice = std::max<size_t>(block, perSecond / kAudioSliceDivisor / block * block);
    }
    for (size_t at = 0; at < bytes.size(); at += slice) {
        if (!WaitWhilePaused(playing.generation)) return false;
        ULONG take = static_cast<ULONG>(std::min(slice, bytes.size() - at));
        ULONG written = 0;
        HRESULT hr = playing.output->Write(bytes.data() + at, take, &written);
        playing.bytesOut += written;
        if (FAILED(hr)) {
            std::lock_guard<std::mutex> guard(m_lock);
            m_status.hrLastResult = hr;
            playing.usable = false; // a full disk or a lost device: the rest is dropped
            return true;
        }
        if (playing.audio) {
            SPAUDIOSTATUS status{};
            if (SUCCEEDED(playing.audio->GetStatus(&status)))
                RaiseDue(playing, status.CurDevicePos - std::min(status.CurDevicePos, playing.deviceBase));
        } else {
            RaiseDue(playing, playing.bytesOut);
        }
    }
    return true;
}

void CSpVoice::Render(Chunk& chunk, Playing& playing)
{
    if (chunk.first) {
        if (playing.active) EndStream(playing, false);
        BeginStream(chunk, playing);
        return;
    }
    if (!playing.active || playing.stream != chunk.stream) return;
    for (const Mark& mark : chunk.marks)
        playing.pending.emplace_back(playing.usable ? playing.converter->ByteOffsetOf(mark.sample) : 0, mark);
    USHORT volume;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        volume = m_volume;
    }
    std::vector<uint8_t> bytes;
    if (playing.usable) {
        playing.converter->Convert(chunk.samples.data(), chunk.samples.size(), volume, bytes);
        if (chunk.last) playing.converter->Flush(volume, bytes);
        if (!WriteOut(playing, bytes)) {
            EndStream(playing, false);
            return;
        }
    }
    if (!playing.usable) RaiseDue(playing, UINT64_MAX);
    if (!chunk.last) return;
    // The stream ends when the speakers have played it all.
    while (playing.audio && playing.usable) {
        if (!WaitWhilePaused(playing.generation)) {
            EndStream(playing, false);
            return;
        }
        SPAUDIOSTATUS status{};
        if (FAILED(playing.audio->GetStatus(&status))) break;
        uint64_t played = status.CurDevicePos - std::min(status.CurDevicePos, playing.deviceBase);
        RaiseDue(playing, played);
        if (played >= playing.bytesOut) break;
        std::unique_lock<std::mutex> guard(m_lock);
        m_wake.wait_for(guard, std::chrono::milliseconds(10));
        if (m_quit || m_generation != playing.generation) {
            guard.unlock();
            EndStream(playing, false);
            return;
        }
    }
    EndStream(playing, true);
}

void CSpVoice::RaiseDue(Playing& playing, uint64_t reached)
{
    while (!playing.pending.empty() && playing.pending.front().first <= reached) {
        std::unique_lock<std::mutex> guard(m_lock);
        // From the pause on nothing more is raised: what came due waits for the resume.
        // A stream's end (reached at its maximum) still says everything it had.
        if (m_paused && reached != UINT64_MAX) return;
        const Mark& mark = playing.pending.front().second;
        SPEVENT event = MakeEvent(mark.id, playing.stream, playing.pending.front().first, mark.wParam, mark.lParam);
        playing.pending.pop_front();
        RaiseCurrentLocked(event, playing.generation, guard);
    }
}

// ---- events ----

void CSpVoice::Raise(SPEVENT event, uint64_t generation)
{
    std::unique_lock<std::mutex> guard(m_lock);
    RaiseCurrentLocked(event, generation, guard);
}

void CSpVoice::RaiseCurrentLocked(SPEVENT event, uint64_t generation, std::unique_lock<std::mutex>& guard)
{
    if (generation != m_generation) {
        // The stream was purged: what it still had to say is dropped.
        guard.unlock();
        SpClearEvent(&event);
        return;
    }
    RaiseLocked(event, guard);
}

void CSpVoice::RaiseLocked(SPEVENT event, std::unique_lock<std::mutex>& guard)
{
    bool post = false;
    SpThreadKey thread = 0;
    {
        if (event.eEventId == SPEI_START_INPUT_STREAM) m_startedStream = event.ulStreamNum;
        if (event.eEventId == SPEI_END_INPUT_STREAM && m_startedStream == event.ulStreamNum) m_startedStream = 0;
        switch (event.eEventId) {
        case SPEI_WORD_BOUNDARY:
            m_status.ulInputWordPos = static_cast<ULONG>(event.lParam);
            m_status.ulInputWordLen = static_cast<ULONG>(event.wParam);
            break;
        case SPEI_SENTENCE_BOUNDARY:
            m_status.ulInputSentPos = static_cast<ULONG>(event.lParam);
            m_status.ulInputSentLen = static_cast<ULONG>(event.wParam);
            break;
        case SPEI_VISEME: m_status.VisemeId = static_cast<WORD>(event.lParam); break;
        default: break;
        }
        if (m_queuedInterest & SPFEI(event.eEventId)) {
            if (m_events.size() >= kMaxQueuedEvents) {
                SpClearEvent(&m_events.front());
                m_events.pop_front();
            }
            m_events.push_back(event);
            event.elParamType = SPET_LPARAM_IS_UNDEFINED; // the queue owns the parameter now
        }
        if ((m_eventInterest & SPFEI(event.eEventId)) && m_callback && !m_notifyPending) {
            m_notifyPending = true;
            post = true;
            thread = m_callbackThread;
        }
    }
    guard.unlock();
    SpClearEvent(&event);
    if (post) {
        std::shared_ptr<NotifyLink> link = m_link;
        bool posted = SpPostToThread(thread, [link] {
            std::lock_guard<std::recursive_mutex> guard(link->lock);
            if (link->voice) link->voice->Deliver();
        });
        if (!posted) {
            std::lock_guard<std::mutex> guard(m_lock);
            m_notifyPending = false;
        }
    }
}

void CSpVoice::Deliver()
{
    SPNOTIFYCALLBACK* callback;
    WPARAM w;
    LPARAM l;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_notifyPending = false;
        callback = m_callback;
        w = m_callbackWParam;
        l = m_callbackLParam;
    }
    if (callback) callback(w, l);
}
