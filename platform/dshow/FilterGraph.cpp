#include "dshow/FilterGraph.h"

#include "com/ComRuntime.h"
#include "dshow/Enumerators.h"
#include "dshow/FilterRegistry.h"
#include "dshow/WideText.h"
#include "dshow/capture/CaptureInterfaces.h"
#include "win32/windowing/MessageQueue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

const CLSID CLSID_FilterGraph = {0xCE567F1F, 0x836A, 0x40F7, {0xAF, 0x8F, 0x1B, 0x86, 0x42, 0x63, 0xB8, 0x1D}};

namespace {

// Intermediate filters tried between two pins, at most this deep.
constexpr int kConnectDepth = 3;
// Filters looked through upstream for one that seeks.
constexpr int kSeekDepth = 16;

template <class F>
void ForEachPin(IBaseFilter* filter, F&& visit)
{
    IEnumPins* pins = nullptr;
    if (FAILED(filter->EnumPins(&pins)) || !pins) return;
    IPin* pin = nullptr;
    ULONG fetched = 0;
    bool goOn = true;
    while (goOn && pins->Next(1, &pin, &fetched) == S_OK) {
        PIN_DIRECTION direction;
        pin->QueryDirection(&direction);
        IPin* peer = nullptr;
        bool connected = SUCCEEDED(pin->ConnectedTo(&peer));
        SafeRelease(peer);
        goOn = visit(pin, direction, connected);
        pin->Release();
    }
    pins->Release();
}

struct PinCounts {
    int connectedInputs = 0;
    int connectedOutputs = 0;
};

PinCounts CountPins(IBaseFilter* filter)
{
    PinCounts counts;
    ForEachPin(filter, [&](IPin*, PIN_DIRECTION direction, bool connected) {
        if (connected) ++(direction == PINDIR_INPUT ? counts.connectedInputs : counts.connectedOutputs);
        return true;
    });
    return counts;
}

// How many filters lie downstream of a filter on its longest path (0 for a renderer).
int DownstreamDepth(IBaseFilter* filter, int limit)
{
    int depth = 0;
    if (limit <= 0) return depth;
    ForEachPin(filter, [&](IPin* pin, PIN_DIRECTION direction, bool connected) {
        IPin* peer = nullptr;
        if (direction != PINDIR_OUTPUT || !connected || FAILED(pin->ConnectedTo(&peer))) return true;
        PIN_INFO info{};
        if (SUCCEEDED(peer->QueryPinInfo(&info)) && info.pFilter) {
            depth = std::max(depth, 1 + DownstreamDepth(info.pFilter, limit - 1));
            info.pFilter->Release();
        }
        peer->Release();
        return true;
    });
    return depth;
}

bool Seeks(IBaseFilter* filter)
{
    IMediaSeeking* seeking = nullptr;
    if (FAILED(QueryInterfaceTo<IMediaSeeking>(filter, &seeking)) || !seeking) return false;
    seeking->Release();
    return true;
}

// Whether a filter upstream of this one seeks (a splitter behind a byte-stream source does
// not have one; a decoder behind a splitter does).
bool SeeksUpstream(IBaseFilter* filter, int limit)
{
    bool found = false;
    if (limit <= 0) return found;
    ForEachPin(filter, [&](IPin* pin, PIN_DIRECTION direction, bool connected) {
        IPin* peer = nullptr;
        if (direction != PINDIR_INPUT || !connected || FAILED(pin->ConnectedTo(&peer))) return true;
        PIN_INFO info{};
        if (SUCCEEDED(peer->QueryPinInfo(&info)) && info.pFilter) {
            found = Seeks(info.pFilter) || SeeksUpstream(info.pFilter, limit - 1);
            info.pFilter->Release();
        }
        peer->Release();
        return !found;
    });
    return found;
}

bool IsEndingCode(LONG code) { return code == EC_COMPLETE || code == EC_ERRORABORT || code == EC_USERABORT; }

} // namespace

HRESULT CFilterGraph::Create(REFIID iid, void** object) { return CreateComObject<CFilterGraph>(iid, object); }

void DShowRegisterGraph() { ComRegisterClass(CLSID_FilterGraph, &CFilterGraph::Create); }

CFilterGraph::CFilterGraph() : m_timeFormat(TIME_FORMAT_MEDIA_TIME) {}

CFilterGraph::~CFilterGraph()
{
    ChangeState(State_Stopped);
    while (!m_members.empty()) RemoveFilter(m_members.back().filter);
}

std::u16string CFilterGraph::UniqueName(const std::u16string& wanted)
{
    auto taken = [this](const std::u16string& name) {
        return std::any_of(m_members.begin(), m_members.end(), [&](const Member& m) { return m.name == name; });
    };
    if (!taken(wanted)) return wanted;
    for (int n = 1;; ++n) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, " %04d", n);
        std::u16string name = wanted + WideText(suffix);
        if (!taken(name)) return name;
    }
}

HRESULT CFilterGraph::AddFilter(IBaseFilter* filter, LPCWSTR name)
{
    if (!filter) return E_POINTER;
    std::lock_guard lock(m_lock);
    for (const Member& m : m_members)
        if (m.filter == filter) return VFW_E_DUPLICATE_NAME;
    std::u16string wanted = name && *name ? std::u16string(name) : u"Filter";
    std::u16string unique = UniqueName(wanted);
    HRESULT hr = filter->JoinFilterGraph(this, unique.c_str());
    if (FAILED(hr)) return hr;
    filter->AddRef();
    m_members.push_back({filter, unique});
    IVideoWindow* window = nullptr;
    if (SUCCEEDED(QueryInterfaceTo<IVideoWindow>(filter, &window)) && window) {
        ApplyVideoWindow(window);
        window->Release();
    }
    return unique == wanted ? S_OK : VFW_S_DUPLICATE_NAME;
}

HRESULT CFilterGraph::RemoveFilter(IBaseFilter* filter)
{
    std::lock_guard lock(m_lock);
    auto it = std::find_if(m_members.begin(), m_members.end(), [&](const Member& m) { return m.filter == filter; });
    if (it == m_members.end()) return VFW_E_NOT_FOUND;
    filter->Stop();
    ForEachPin(filter, [](IPin* pin, PIN_DIRECTION, bool connected) {
        if (connected) {
            IPin* peer = nullptr;
            if (SUCCEEDED(pin->ConnectedTo(&peer))) {
                peer->Disconnect();
                peer->Release();
            }
            pin->Disconnect();
        }
        return true;
    });
    m_members.erase(it);
    filter->JoinFilterGraph(nullptr, nullptr);
    filter->Release();
    return S_OK;
}

std::vector<IBaseFilter*> CFilterGraph::Snapshot()
{
    std::lock_guard lock(m_lock);
    std::vector<IBaseFilter*> list;
    for (const Member& m : m_members) {
        m.filter->AddRef();
        list.push_back(m.filter);
    }
    return list;
}

HRESULT CFilterGraph::EnumFilters(IEnumFilters** filters)
{
    if (!filters) return E_POINTER;
    std::vector<IBaseFilter*> list = Snapshot();
    *filters = new CEnumFilters(list);
    for (IBaseFilter* f : list) f->Release();
    return S_OK;
}

HRESULT CFilterGraph::FindFilterByName(LPCWSTR name, IBaseFilter** filter)
{
    if (!name || !filter) return E_POINTER;
    *filter = nullptr;
    std::lock_guard lock(m_lock);
    for (const Member& m : m_members) {
        if (m.name == name) {
            *filter = m.filter;
            m.filter->AddRef();
            return S_OK;
        }
    }
    return VFW_E_NOT_FOUND;
}

HRESULT CFilterGraph::ConnectDirect(IPin* output, IPin* input, const AM_MEDIA_TYPE* type)
{
    if (!output || !input) return E_POINTER;
    std::lock_guard lock(m_lock);
    if (m_state != State_Stopped) return VFW_E_NOT_STOPPED;
    return output->Connect(input, type);
}

HRESULT CFilterGraph::Reconnect(IPin* pin) { return ReconnectEx(pin, nullptr); }

HRESULT CFilterGraph::ReconnectEx(IPin* pin, const AM_MEDIA_TYPE* type)
{
    if (!pin) return E_POINTER;
    std::lock_guard lock(m_lock);
    if (m_state != State_Stopped) return VFW_E_NOT_STOPPED;
    IPin* peer = nullptr;
    if (FAILED(pin->ConnectedTo(&peer))) return VFW_E_NOT_CONNECTED;
    PIN_DIRECTION direction;
    pin->QueryDirection(&direction);
    IPin* output = direction == PINDIR_OUTPUT ? pin : peer;
    IPin* input = direction == PINDIR_OUTPUT ? peer : pin;
    output->Disconnect();
    input->Disconnect();
    HRESULT hr = output->Connect(input, type);
    peer->Release();
    return hr;
}

HRESULT CFilterGraph::Disconnect(IPin* pin)
{
    if (!pin) return E_POINTER;
    std::lock_guard lock(m_lock);
    if (m_state != State_Stopped) return VFW_E_NOT_STOPPED;
    return pin->Disconnect();
}

HRESULT CFilterGraph::SetDefaultSyncSource() { return S_OK; }

HRESULT CFilterGraph::Connect(IPin* output, IPin* input)
{
    if (!output || !input) return E_POINTER;
    std::lock_guard lock(m_lock);
    if (m_state != State_Stopped) return VFW_E_NOT_STOPPED;
    return ConnectVia(output, input, kConnectDepth);
}

HRESULT CFilterGraph::ConnectVia(IPin* output, IPin* input, int depth)
{
    HRESULT hr = output->Connect(input, nullptr);
    if (SUCCEEDED(hr) || depth <= 0) return hr;
    for (const FilterRegistration& r : DShowFiltersOf(FilterRole::Transform))
        if (SUCCEEDED(TryIntermediate(output, input, r.clsid, r.name, depth))) return S_OK;
    return VFW_E_CANNOT_CONNECT;
}

HRESULT CFilterGraph::TryIntermediate(IPin* output, IPin* input, REFCLSID clsid, const std::string& name, int depth)
{
    IBaseFilter* filter = nullptr;
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid, reinterpret_cast<void**>(&filter));
    if (FAILED(hr)) return hr;
    hr = AddFilter(filter, WideText(name).c_str());
    if (FAILED(hr)) {
        filter->Release();
        return hr;
    }
    bool done = false;
    ForEachPin(filter, [&](IPin* in, PIN_DIRECTION direction, bool connected) {
        if (direction != PINDIR_INPUT || connected || FAILED(output->Connect(in, nullptr))) return true;
        ForEachPin(filter, [&](IPin* out, PIN_DIRECTION outDirection, bool outConnected) {
            if (outDirection == PINDIR_OUTPUT && !outConnected) done = SUCCEEDED(ConnectVia(out, input, depth - 1));
            return !done;
        });
        if (!done) {
            output->Disconnect();
            in->Disconnect();
        }
        return !done;
    });
    if (!done) RemoveFilter(filter);
    filter->Release();
    return done ? S_OK : VFW_E_CANNOT_CONNECT;
}

HRESULT CFilterGraph::Render(IPin* output)
{
    if (!output) return E_POINTER;
    std::lock_guard lock(m_lock);
    if (m_state != State_Stopped) return VFW_E_NOT_STOPPED;
    IPin* peer = nullptr;
    if (SUCCEEDED(output->ConnectedTo(&peer))) {
        peer->Release();
        return VFW_E_ALREADY_CONNECTED;
    }
    for (const FilterRegistration& r : DShowFiltersOf(FilterRole::Renderer)) {
        IBaseFilter* renderer = nullptr;
        if (FAILED(CoCreateInstance(r.clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                    reinterpret_cast<void**>(&renderer))))
            continue;
        bool done = false;
        if (SUCCEEDED(AddFilter(renderer, WideText(r.name).c_str()))) {
            ForEachPin(renderer, [&](IPin* in, PIN_DIRECTION direction, bool connected) {
                if (direction == PINDIR_INPUT && !connected) done = SUCCEEDED(ConnectVia(output, in, kConnectDepth));
                return !done;
            });
            if (!done) RemoveFilter(renderer);
        }
        renderer->Release();
        if (done) return S_OK;
    }
    return VFW_E_CANNOT_RENDER;
}

HRESULT CFilterGraph::RenderEx(IPin* output, DWORD, DWORD*) { return Render(output); }

HRESULT CFilterGraph::AddSourceFilter(LPCWSTR file, LPCWSTR filterName, IBaseFilter** filter)
{
    if (!file || !filter) return E_POINTER;
    *filter = nullptr;
    HRESULT last = VFW_E_UNKNOWN_FILE_TYPE;
    for (const FilterRegistration& r : DShowFiltersOf(FilterRole::Source)) {
        IBaseFilter* source = nullptr;
        if (FAILED(CoCreateInstance(r.clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                    reinterpret_cast<void**>(&source))))
            continue;
        IFileSourceFilter* loader = nullptr;
        HRESULT hr = QueryInterfaceTo<IFileSourceFilter>(source, &loader);
        if (SUCCEEDED(hr)) {
            hr = loader->Load(file, nullptr);
            loader->Release();
        }
        if (SUCCEEDED(hr)) hr = AddFilter(source, filterName ? filterName : file);
        if (SUCCEEDED(hr)) {
            *filter = source;
            return S_OK;
        }
        last = hr;
        source->Release();
    }
    return last;
}

HRESULT CFilterGraph::RenderFile(LPCWSTR file, LPCWSTR)
{
    IBaseFilter* source = nullptr;
    HRESULT hr = AddSourceFilter(file, nullptr, &source);
    if (FAILED(hr)) return hr;
    int outputs = 0, rendered = 0;
    std::vector<IPin*> pins;
    ForEachPin(source, [&](IPin* pin, PIN_DIRECTION direction, bool) {
        if (direction == PINDIR_OUTPUT) {
            pin->AddRef();
            pins.push_back(pin);
        }
        return true;
    });
    for (IPin* pin : pins) {
        ++outputs;
        if (SUCCEEDED(Render(pin))) ++rendered;
        pin->Release();
    }
    source->Release();
    if (rendered == 0) return VFW_E_CANNOT_RENDER;
    return rendered == outputs ? S_OK : VFW_S_PARTIAL_RENDER;
}

HRESULT CFilterGraph::RenderFile(LPCWSTR file) { return RenderFile(file, nullptr); }
HRESULT CFilterGraph::SetLogFile(DWORD_PTR) { return S_OK; }
HRESULT CFilterGraph::Abort() { return S_OK; }
HRESULT CFilterGraph::ShouldOperationContinue() { return S_OK; }

size_t CFilterGraph::CountRenderers()
{
    size_t count = 0;
    for (const Member& m : m_members) {
        PinCounts pins = CountPins(m.filter);
        if (pins.connectedInputs > 0 && pins.connectedOutputs == 0) ++count;
    }
    return count;
}

HRESULT CFilterGraph::ChangeState(FILTER_STATE target)
{
    std::lock_guard lock(m_lock);
    if (m_state == target) return S_OK;
    // Sources (no connected input) start last, once everything downstream runs, and
    // stop last: a renderer that holds the streaming thread lets it go when it stops,
    // and the source then ends quietly.
    std::vector<IBaseFilter*> sources, others;
    for (const Member& m : m_members) (CountPins(m.filter).connectedInputs == 0 ? sources : others).push_back(m.filter);
    // Downstream first among the rest too: a splitter pushes as soon as it runs, and what
    // it feeds must be ready by then.
    std::vector<std::pair<int, IBaseFilter*>> ordered;
    for (IBaseFilter* f : others) ordered.emplace_back(DownstreamDepth(f, int(m_members.size())), f);
    std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < ordered.size(); ++i) others[i] = ordered[i].second;

    HRESULT result = S_OK;
    if (target == State_Stopped) {
        // Live sources end their streams first, so that what they fed is finished and written.
        for (IBaseFilter* f : sources) {
            ILiveSource* live = nullptr;
            if (m_state == State_Running && SUCCEEDED(QueryInterfaceTo<ILiveSource>(f, &live)) && live) {
                live->EndStream();
                live->Release();
            }
        }
        for (IBaseFilter* f : others) f->Stop();
        for (IBaseFilter* f : sources) f->Stop();
        m_state = State_Stopped;
        return S_OK;
    }
    if (m_state == State_Stopped) {
        std::lock_guard events(m_eventLock);
        m_completed.clear();
        m_renderers = CountRenderers();
        m_completeSent = false;
    }
    for (IBaseFilter* f : others) {
        HRESULT hr = target == State_Running ? f->Run(0) : f->Pause();
        if (FAILED(hr)) result = hr;
    }
    for (IBaseFilter* f : sources) {
        if (FAILED(result)) break;
        HRESULT hr = target == State_Running ? f->Run(0) : f->Pause();
        if (FAILED(hr)) result = hr;
    }
    if (FAILED(result)) {
        for (IBaseFilter* f : sources) f->Stop();
        for (IBaseFilter* f : others) f->Stop();
        m_state = State_Stopped;
        return result;
    }
    m_state = target;
    return S_OK;
}

HRESULT CFilterGraph::Run() { return ChangeState(State_Running); }
HRESULT CFilterGraph::Pause() { return ChangeState(State_Paused); }
HRESULT CFilterGraph::Stop() { return ChangeState(State_Stopped); }
HRESULT CFilterGraph::StopWhenReady() { return Stop(); }

HRESULT CFilterGraph::GetClassID(CLSID* clsid)
{
    if (!clsid) return E_POINTER;
    *clsid = CLSID_FilterGraph;
    return S_OK;
}

HRESULT CFilterGraph::Run(REFERENCE_TIME) { return Run(); }

HRESULT CFilterGraph::GetState(DWORD, FILTER_STATE* state)
{
    if (!state) return E_POINTER;
    std::lock_guard lock(m_lock);
    *state = m_state;
    return S_OK;
}

HRESULT CFilterGraph::SetSyncSource(IUnknown*) { return S_OK; }

IBasicAudio* CFilterGraph::AudioRenderer()
{
    std::lock_guard lock(m_lock);
    for (const Member& m : m_members) {
        IBasicAudio* audio = nullptr;
        if (SUCCEEDED(QueryInterfaceTo<IBasicAudio>(m.filter, &audio))) return audio;
    }
    return nullptr;
}

template <class Apply>
void CFilterGraph::ForEachVideoWindow(Apply&& apply)
{
    for (const Member& m : m_members) {
        IVideoWindow* window = nullptr;
        if (SUCCEEDED(QueryInterfaceTo<IVideoWindow>(m.filter, &window)) && window) {
            apply(window);
            window->Release();
        }
    }
}

void CFilterGraph::ApplyVideoWindow(IVideoWindow* window)
{
    const VideoWindowSettings& v = m_videoWindow;
    if (v.styled) window->put_WindowStyle(v.style);
    window->put_Visible(v.visible);
    window->put_MessageDrain(v.drain);
    if (v.placed) window->SetWindowPosition(v.left, v.top, v.width, v.height);
    window->put_FullScreenMode(v.fullScreen);
    window->put_Owner(v.owner);
}

HRESULT CFilterGraph::put_WindowStyle(LONG style)
{
    std::lock_guard lock(m_lock);
    m_videoWindow.style = style;
    m_videoWindow.styled = true;
    ForEachVideoWindow([&](IVideoWindow* w) { w->put_WindowStyle(style); });
    return S_OK;
}

HRESULT CFilterGraph::put_Visible(LONG visible)
{
    std::lock_guard lock(m_lock);
    m_videoWindow.visible = visible;
    ForEachVideoWindow([&](IVideoWindow* w) { w->put_Visible(visible); });
    return S_OK;
}

HRESULT CFilterGraph::get_Visible(LONG* visible)
{
    if (!visible) return E_POINTER;
    std::lock_guard lock(m_lock);
    *visible = m_videoWindow.visible;
    return S_OK;
}

HRESULT CFilterGraph::put_Owner(OAHWND owner)
{
    std::lock_guard lock(m_lock);
    m_videoWindow.owner = owner;
    ForEachVideoWindow([&](IVideoWindow* w) { w->put_Owner(owner); });
    return S_OK;
}

HRESULT CFilterGraph::put_MessageDrain(OAHWND drain)
{
    std::lock_guard lock(m_lock);
    m_videoWindow.drain = drain;
    ForEachVideoWindow([&](IVideoWindow* w) { w->put_MessageDrain(drain); });
    return S_OK;
}

HRESULT CFilterGraph::SetWindowPosition(LONG left, LONG top, LONG width, LONG height)
{
    std::lock_guard lock(m_lock);
    VideoWindowSettings& v = m_videoWindow;
    v.left = left, v.top = top, v.width = width, v.height = height;
    v.placed = true;
    ForEachVideoWindow([&](IVideoWindow* w) { w->SetWindowPosition(left, top, width, height); });
    return S_OK;
}

HRESULT CFilterGraph::put_FullScreenMode(LONG mode)
{
    std::lock_guard lock(m_lock);
    m_videoWindow.fullScreen = mode;
    ForEachVideoWindow([&](IVideoWindow* w) { w->put_FullScreenMode(mode); });
    return S_OK;
}

HRESULT CFilterGraph::get_FullScreenMode(LONG* mode)
{
    if (!mode) return E_POINTER;
    std::lock_guard lock(m_lock);
    *mode = m_videoWindow.fullScreen;
    return S_OK;
}

HRESULT CFilterGraph::NotifyOwnerMessage(OAHWND window, LONG message, LONG_PTR wParam, LONG_PTR lParam)
{
    std::lock_guard lock(m_lock);
    ForEachVideoWindow([&](IVideoWindow* w) { w->NotifyOwnerMessage(window, message, wParam, lParam); });
    return S_OK;
}

namespace {
template <class F>
HRESULT WithAudio(IBasicAudio* audio, F&& call)
{
    if (!audio) return E_NOTIMPL;
    HRESULT hr = call(audio);
    audio->Release();
    return hr;
}
} // namespace

HRESULT CFilterGraph::put_Volume(LONG volume)
{
    return WithAudio(AudioRenderer(), [&](IBasicAudio* a) { return a->put_Volume(volume); });
}

HRESULT CFilterGraph::get_Volume(LONG* volume)
{
    return WithAudio(AudioRenderer(), [&](IBasicAudio* a) { return a->get_Volume(volume); });
}

HRESULT CFilterGraph::put_Balance(LONG balance)
{
    return WithAudio(AudioRenderer(), [&](IBasicAudio* a) { return a->put_Balance(balance); });
}

HRESULT CFilterGraph::get_Balance(LONG* balance)
{
    return WithAudio(AudioRenderer(), [&](IBasicAudio* a) { return a->get_Balance(balance); });
}

HRESULT CFilterGraph::GetState(LONG, OAFilterState* state)
{
    if (!state) return E_POINTER;
    std::lock_guard lock(m_lock);
    *state = m_state;
    return S_OK;
}

void CFilterGraph::QueueEvent(LONG code, LONG_PTR param1, LONG_PTR param2)
{
    // Called with m_eventLock held.
    m_events.push_back({code, param1, param2});
    m_eventArrived.notify_all();
    if (m_notifyWindow)
        PostMessageA(reinterpret_cast<HWND>(m_notifyWindow), UINT(m_notifyMessage), 0, m_notifyInstance);
}

HRESULT CFilterGraph::Notify(LONG code, LONG_PTR param1, LONG_PTR param2)
{
    std::lock_guard lock(m_eventLock);
    if (code == EC_COMPLETE && !m_cancelled.count(EC_COMPLETE)) {
        // One completion for the graph, once every renderer has finished.
        m_completed.insert(reinterpret_cast<IBaseFilter*>(param2));
        if (!m_completeSent && m_completed.size() >= m_renderers) {
            m_completeSent = true;
            QueueEvent(EC_COMPLETE, S_OK, 0);
        }
        return S_OK;
    }
    QueueEvent(code, param1, param2);
    return S_OK;
}

HRESULT CFilterGraph::GetEventHandle(OAHWND* handle)
{
    if (!handle) return E_POINTER;
    *handle = 0;
    return E_NOTIMPL;
}

HRESULT CFilterGraph::GetEvent(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs)
{
    if (!code || !param1 || !param2) return E_POINTER;
    std::unique_lock lock(m_eventLock);
    auto ready = [this] { return !m_events.empty(); };
    if (timeoutMs < 0)
        m_eventArrived.wait(lock, ready);
    else if (!m_eventArrived.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
        return E_ABORT;
    Event e = m_events.front();
    m_events.pop_front();
    *code = e.code;
    *param1 = e.param1;
    *param2 = e.param2;
    return S_OK;
}

HRESULT CFilterGraph::WaitForCompletion(LONG timeoutMs, LONG* code)
{
    if (!code) return E_POINTER;
    *code = 0;
    {
        std::lock_guard lock(m_lock);
        if (m_state != State_Running) return VFW_E_WRONG_STATE;
    }
    std::unique_lock lock(m_eventLock);
    auto ending = [this]() -> const Event* {
        for (const Event& e : m_events)
            if (IsEndingCode(e.code)) return &e;
        return nullptr;
    };
    auto ready = [&] { return ending() != nullptr; };
    if (timeoutMs < 0)
        m_eventArrived.wait(lock, ready);
    else if (!m_eventArrived.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
        return E_ABORT;
    *code = ending()->code;
    return S_OK;
}

HRESULT CFilterGraph::CancelDefaultHandling(LONG code)
{
    std::lock_guard lock(m_eventLock);
    m_cancelled.insert(code);
    return S_OK;
}

HRESULT CFilterGraph::RestoreDefaultHandling(LONG code)
{
    std::lock_guard lock(m_eventLock);
    m_cancelled.erase(code);
    return S_OK;
}

HRESULT CFilterGraph::FreeEventParams(LONG, LONG_PTR, LONG_PTR) { return S_OK; }

HRESULT CFilterGraph::SetNotifyWindow(OAHWND window, LONG message, LONG_PTR instance)
{
    std::lock_guard lock(m_eventLock);
    m_notifyWindow = window;
    m_notifyMessage = message;
    m_notifyInstance = instance;
    // Events already queued are announced too, one message each.
    if (window)
        for (size_t i = 0; i < m_events.size(); ++i) PostMessageA(reinterpret_cast<HWND>(window), UINT(message), 0, instance);
    return S_OK;
}

HRESULT CFilterGraph::SetNotifyFlags(LONG flags)
{
    m_notifyFlags = flags;
    return S_OK;
}

HRESULT CFilterGraph::GetNotifyFlags(LONG* flags)
{
    if (!flags) return E_POINTER;
    *flags = m_notifyFlags;
    return S_OK;
}

std::vector<IMediaSeeking*> CFilterGraph::Seekers()
{
    std::lock_guard lock(m_lock);
    std::vector<IMediaSeeking*> list;
    for (const Member& m : m_members) {
        // The first filter of each chain that seeks: a source, or a splitter fed by one that does not.
        IMediaSeeking* seeking = nullptr;
        if (SUCCEEDED(QueryInterfaceTo<IMediaSeeking>(m.filter, &seeking)) && seeking) {
            if (CountPins(m.filter).connectedInputs == 0 || !SeeksUpstream(m.filter, kSeekDepth))
                list.push_back(seeking);
            else
                seeking->Release();
        }
    }
    return list;
}

namespace {
// Runs a call on the first seeker that answers it.
template <class F>
HRESULT FirstSeeker(std::vector<IMediaSeeking*> seekers, F&& call)
{
    HRESULT hr = E_NOTIMPL;
    for (IMediaSeeking* s : seekers) {
        if (FAILED(hr)) hr = call(s);
        s->Release();
    }
    return hr;
}
} // namespace

HRESULT CFilterGraph::GetCapabilities(DWORD* capabilities)
{
    if (!capabilities) return E_POINTER;
    *capabilities = 0;
    return FirstSeeker(Seekers(), [&](IMediaSeeking* s) { return s->GetCapabilities(capabilities); });
}

HRESULT CFilterGraph::CheckCapabilities(DWORD* capabilities)
{
    if (!capabilities) return E_POINTER;
    return FirstSeeker(Seekers(), [&](IMediaSeeking* s) { return s->CheckCapabilities(capabilities); });
}

HRESULT CFilterGraph::IsFormatSupported(const GUID* format)
{
    if (!format) return E_POINTER;
    if (*format == TIME_FORMAT_MEDIA_TIME) return S_OK;
    HRESULT hr = FirstSeeker(Seekers(), [&](IMediaSeeking* s) { return s->IsFormatSupported(format) == S_OK ? S_OK : E_FAIL; });
    return SUCCEEDED(hr) ? S_OK : S_FALSE;
}

HRESULT CFilterGraph::QueryPreferredFormat(GUID* format)
{
    if (!format) return E_POINTER;
    *format = TIME_FORMAT_MEDIA_TIME;
    return S_OK;
}

HRESULT CFilterGraph::GetTimeFormat(GUID* format)
{
    if (!format) return E_POINTER;
    *format = m_timeFormat;
    return S_OK;
}

HRESULT CFilterGraph::IsUsingTimeFormat(const GUID* format)
{
    if (!format) return E_POINTER;
    return *format == m_timeFormat ? S_OK : S_FALSE;
}

HRESULT CFilterGraph::SetTimeFormat(const GUID* format)
{
    if (!format) return E_POINTER;
    if (IsFormatSupported(format) != S_OK) return VFW_E_NO_TIME_FORMAT;
    HRESULT result = S_OK;
    for (IMediaSeeking* s : Seekers()) {
        if (FAILED(s->SetTimeFormat(format))) result = VFW_E_NO_TIME_FORMAT;
        s->Release();
    }
    if (SUCCEEDED(result)) m_timeFormat = *format;
    return result;
}

HRESULT CFilterGraph::GetDuration(LONGLONG* duration)
{
    if (!duration) return E_POINTER;
    *duration = 0;
    return FirstSeeker(Seekers(), [&](IMediaSeeking* s) { return s->GetDuration(duration); });
}

HRESULT CFilterGraph::GetStopPosition(LONGLONG* stop)
{
    if (!stop) return E_POINTER;
    return FirstSeeker(Seekers(), [&](IMediaSeeking* s) { return s->GetStopPosition(stop); });
}

HRESULT CFilterGraph::GetCurrentPosition(LONGLONG* current)
{
    if (!current) return E_POINTER;
    *current = 0;
    {
        // A finished graph stands at its end.
        std::lock_guard lock(m_eventLock);
        if (m_completeSent) return GetStopPosition(current);
    }
    return FirstSeeker(Seekers(), [&](IMediaSeeking* s) { return s->GetCurrentPosition(current); });
}

HRESULT CFilterGraph::ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat, LONGLONG source,
                                        const GUID* sourceFormat)
{
    if (!target) return E_POINTER;
    return FirstSeeker(Seekers(), [&](IMediaSeeking* s) {
        return s->ConvertTimeFormat(target, targetFormat, source, sourceFormat);
    });
}

HRESULT CFilterGraph::SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags)
{
    std::lock_guard lock(m_lock);
    std::vector<IMediaSeeking*> seekers = Seekers();
    if (seekers.empty()) return E_NOTIMPL;
    // Sources seek while stopped; the graph then goes back to where it was.
    FILTER_STATE was = m_state;
    ChangeState(State_Stopped);
    HRESULT result = S_OK;
    for (IMediaSeeking* s : seekers) {
        LONGLONG c = current ? *current : 0, e = stop ? *stop : 0;
        HRESULT hr = s->SetPositions(current ? &c : nullptr, currentFlags, stop ? &e : nullptr, stopFlags);
        if (FAILED(hr)) result = hr;
        if (s == seekers.front()) {
            if (current && (currentFlags & AM_SEEKING_ReturnTime)) *current = c;
            if (stop && (stopFlags & AM_SEEKING_ReturnTime)) *stop = e;
        }
        s->Release();
    }
    if (SUCCEEDED(result) && current && (currentFlags & AM_SEEKING_PositioningBitsMask) != AM_SEEKING_NoPositioning) {
        // A seek leaves the end: the position reads from the sources again, and the
        // graph may complete anew.
        std::lock_guard events(m_eventLock);
        m_completeSent = false;
        m_completed.clear();
    }
    if (was != State_Stopped) ChangeState(was);
    return result;
}

HRESULT CFilterGraph::GetPositions(LONGLONG* current, LONGLONG* stop)
{
    if (current) GetCurrentPosition(current);
    if (stop) GetStopPosition(stop);
    return S_OK;
}

HRESULT CFilterGraph::GetAvailable(LONGLONG* earliest, LONGLONG* latest)
{
    return FirstSeeker(Seekers(), [&](IMediaSeeking* s) { return s->GetAvailable(earliest, latest); });
}

HRESULT CFilterGraph::SetRate(double rate) { return rate == 1.0 ? S_OK : E_NOTIMPL; }

HRESULT CFilterGraph::GetRate(double* rate)
{
    if (!rate) return E_POINTER;
    *rate = 1.0;
    return S_OK;
}

HRESULT CFilterGraph::GetPreroll(LONGLONG* preroll)
{
    if (!preroll) return E_POINTER;
    *preroll = 0;
    return S_OK;
}
