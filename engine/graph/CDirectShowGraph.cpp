#include "CDirectShowGraph.h"

#include "CDirectShowFilter.h"
#include "CDirectShowWindow.h"
#include "CFilterPin.h"
#include "CTracer.h"
#include "afx/CString.h"
#include "afx/windows/CWnd.h"
#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/VideoWindowInterfaces.h"
#include "win32/kernel/Threads.h"

#include <cmath>
#include <numbers>

int CDirectShowGraph::sCreateRetries = 8;
DWORD CDirectShowGraph::sCreateRetryMs = 250;

namespace {

constexpr double kUnits = 10000000.0;
constexpr UINT kGraphNotifyWindowMessage = 0x480;
// A duration that keeps growing is read this often at most.
constexpr int kDurationReads = 100;

LONGLONG ToUnitsRounded(double seconds)
{
    return std::llround(seconds * kUnits);
}

} // namespace

CDirectShowGraph::CDirectShowGraph() = default;

// A copy is a new, empty graph with the same settings: two holders of one graph
// would release it twice.
CDirectShowGraph::CDirectShowGraph(const CDirectShowGraph& other)
    : CBroadcaster(other), m_keepAspectRatio(other.m_keepAspectRatio)
{
}

CDirectShowGraph& CDirectShowGraph::operator=(const CDirectShowGraph& other)
{
    if (this != &other) m_keepAspectRatio = other.m_keepAspectRatio;
    return *this;
}

CDirectShowGraph::~CDirectShowGraph()
{
    CDirectShowGraph::Release();
    SetVideoWindow(nullptr);
}

bool CDirectShowGraph::Create()
{
    if (m_graph) return false;
    for (int attempt = 0;; ++attempt) {
        if (SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                       reinterpret_cast<void**>(&m_graph))) &&
            m_graph)
            break;
        m_graph = nullptr;
        if (attempt >= sCreateRetries) return false;
        Sleep(sCreateRetryMs);
    }
    QueryInterfaceTo(m_graph, &m_control);
    QueryInterfaceTo(m_graph, &m_events);
    QueryInterfaceTo(m_graph, &m_filter);
    QueryInterfaceTo(m_graph, &m_basicVideo);
    QueryInterfaceTo(m_graph, &m_basicAudio);
    QueryInterfaceTo(m_graph, &m_videoWindow);
    return true;
}

void CDirectShowGraph::Release()
{
    // The window must not hand its notices to a graph that is gone.
    SetVideoWindow(nullptr);
    DisconnectSeeker();
    SafeRelease(m_control);
    if (m_events) m_events->SetNotifyWindow(0, 0, 0);
    SafeRelease(m_events);
    SafeRelease(m_filter);
    SafeRelease(m_basicAudio);
    SafeRelease(m_basicVideo);
    ReleaseAspectRatio();
    if (m_videoWindow) {
        m_videoWindow->put_Visible(0);
        m_videoWindow->put_MessageDrain(0);
        m_videoWindow->put_Owner(0);
        SafeRelease(m_videoWindow);
    }
    SafeRelease(m_graph);
}

void CDirectShowGraph::SetVideoRenderer(CDirectShowFilter* renderer)
{
    if (renderer == m_videoRenderer) return;
    m_videoRenderer = renderer;
    if (renderer)
        ConfigureAspectRatio();
    else
        ReleaseAspectRatio();
}

void CDirectShowGraph::ConfigureAspectRatio()
{
    IBaseFilter* filter = m_videoRenderer ? m_videoRenderer->GetFilter() : nullptr;
    if (filter && !m_aspect && !m_aspect9) {
        QueryInterfaceTo(filter, &m_aspect);
        QueryInterfaceTo(filter, &m_aspect9);
    }
    const DWORD mode = m_keepAspectRatio ? 1 : 0;
    if (m_aspect) m_aspect->SetAspectRatioMode(mode);
    if (m_aspect9) m_aspect9->SetAspectRatioMode(mode);
}

void CDirectShowGraph::ReleaseAspectRatio()
{
    SafeRelease(m_aspect);
    SafeRelease(m_aspect9);
}

void CDirectShowGraph::AttachSeeker(IMediaSeeking* seeker)
{
    m_seeker = seeker;
    m_seeker->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME);
    Broadcast(kSeekerAttachedMessage, this, nullptr);
}

void CDirectShowGraph::ConnectSeeker()
{
    if (m_seeker || !m_graph) return;
    IMediaSeeking* seeker = nullptr;
    if (SUCCEEDED(QueryInterfaceTo(m_graph, &seeker)) && seeker) AttachSeeker(seeker);
}

void CDirectShowGraph::ReconnectSeeker()
{
    DisconnectSeeker();
    ConnectSeeker();
}

void CDirectShowGraph::ReconnectSeeker(CFilterPin* pin)
{
    IPin* found = pin ? pin->GetPin() : nullptr;
    if (!found) return;
    DisconnectSeeker();
    IMediaSeeking* seeker = nullptr;
    if (SUCCEEDED(QueryInterfaceTo(found, &seeker)) && seeker) AttachSeeker(seeker);
}

void CDirectShowGraph::DisconnectSeeker()
{
    if (!m_seeker) return;
    Broadcast(kSeekerDetachedMessage, this, nullptr);
    SafeRelease(m_seeker);
}

bool CDirectShowGraph::ConnectPins(CFilterPin* a, CFilterPin* b, const AM_MEDIA_TYPE* type)
{
    if (!m_graph || !a || !b) return false;
    IPin* pa = a->GetPin();
    IPin* pb = b->GetPin();
    if (!pa || !pb) return false;
    const HRESULT hr = a->IsInputPin() ? m_graph->ConnectDirect(pb, pa, type) : m_graph->ConnectDirect(pa, pb, type);
    const char* nameA = a->GetFilter() ? a->GetFilter()->GetName() : "";
    const char* nameB = b->GetFilter() ? b->GetFilter()->GetName() : "";
    CString trace;
    if (FAILED(hr))
        trace.Format("Failed to connect %s and %s. Error code %d.", nameA, nameB, int(hr));
    else
        trace.Format("Success, connect %s and %s.", nameA, nameB);
    CTracer::Prompt(trace);
    return SUCCEEDED(hr);
}

bool CDirectShowGraph::DisconnectPin(CFilterPin* pin)
{
    IPin* found = pin ? pin->GetPin() : nullptr;
    return m_graph && found && SUCCEEDED(m_graph->Disconnect(found));
}

void CDirectShowGraph::SetVideoWindow(CDirectShowWindow* window)
{
    if (window == m_window) return;
    CDirectShowWindow* previous = m_window;
    m_window = nullptr;
    if (previous && previous->GetGraph() == this) previous->SetGraph(nullptr);
    m_window = window;
    if (window) window->SetGraph(this);
}

void CDirectShowGraph::SetDisplayWindow(HWND window)
{
    if (!m_videoWindow) return;
    m_videoWindow->put_Owner(reinterpret_cast<OAHWND>(window));
    m_videoWindow->put_MessageDrain(reinterpret_cast<OAHWND>(window));
    Resize();
    m_videoWindow->put_WindowStyle(LONG(0x46000000));
}

void CDirectShowGraph::SetNotifyWindow(HWND window)
{
    if (m_events) m_events->SetNotifyWindow(reinterpret_cast<OAHWND>(window), LONG(kGraphNotifyWindowMessage), 0);
}

void CDirectShowGraph::SetNotificationWindow(const CWnd* window)
{
    SetNotifyWindow(window ? window->GetSafeHwnd() : nullptr);
}

void CDirectShowGraph::HandleEvent(unsigned, long)
{
    LONG code = 0;
    LONG_PTR p1 = 0, p2 = 0;
    if (!m_events || m_events->GetEvent(&code, &p1, &p2, 0) != S_OK) return;
    m_events->FreeEventParams(code, p1, p2);
    if (code == EC_COMPLETE) {
        LONG handled = 0;
        Broadcast(kGraphCompleteMessage, &handled, nullptr);
        if (handled == 0) {
            Stop();
            ResetPosition();
        }
    } else if (code == EC_ERRORABORT) {
        LONG word = 0;
        Broadcast(kGraphErrorAbortMessage, &word, nullptr);
    } else {
        Broadcast(kGraphEventMessage, &code, nullptr);
    }
}

bool CDirectShowGraph::StateIs(LONG state)
{
    OAFilterState current = -1;
    return m_control && SUCCEEDED(m_control->GetState(10, &current)) && current == state;
}

bool CDirectShowGraph::IsPlaying()
{
    return StateIs(State_Running);
}

bool CDirectShowGraph::IsPaused()
{
    return StateIs(State_Paused);
}

bool CDirectShowGraph::WaitForState(LONG state, DWORD milliseconds)
{
    OAFilterState current = -1;
    if (!m_control) return false;
    const HRESULT hr = m_control->GetState(LONG(milliseconds), &current);
    return SUCCEEDED(hr) && hr != VFW_S_STATE_INTERMEDIATE && current == state;
}

bool CDirectShowGraph::IsStopped()
{
    return StateIs(State_Stopped);
}

bool CDirectShowGraph::Play(long& result)
{
    if (!m_graph || !m_control || IsPlaying()) return false;
    const HRESULT hr = m_control->Run();
    result = hr;
    Resize();
    Broadcast(kGraphStateMessage, this, nullptr);
    if (FAILED(hr)) {
        CString trace;
        trace.Format("Failed to start graph. Result %d.", int(hr));
        CTracer::Prompt(trace);
        return false;
    }
    return true;
}

bool CDirectShowGraph::Pause()
{
    if (!m_graph || !m_control || IsPaused()) return false;
    const HRESULT hr = m_control->Pause();
    Resize();
    Broadcast(kGraphStateMessage, this, nullptr);
    return SUCCEEDED(hr);
}

bool CDirectShowGraph::Stop()
{
    if (!m_graph || !m_control || IsStopped()) return false;
    const HRESULT hr = m_control->Stop();
    for (int i = 0; i < 10 && !IsStopped(); ++i) Sleep(50);
    Broadcast(kGraphStateMessage, this, nullptr);
    return SUCCEEDED(hr);
}

bool CDirectShowGraph::Step(int frames)
{
    if (!m_seeker) return false;
    if (SUCCEEDED(m_seeker->SetTimeFormat(&TIME_FORMAT_FRAME))) {
        LONGLONG frame = 0;
        HRESULT hr = m_seeker->GetCurrentPosition(&frame);
        bool moved = false;
        if (SUCCEEDED(hr)) {
            if (frames < 0 && frame <= 0) {
                moved = true; // at the first frame there is nothing to step back to
            } else {
                LONGLONG target = frame + frames;
                moved = SUCCEEDED(m_seeker->SetPositions(&target,
                                                         AM_SEEKING_AbsolutePositioning | AM_SEEKING_SeekToKeyFrame,
                                                         nullptr, AM_SEEKING_NoPositioning));
            }
        }
        m_seeker->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME);
        if (moved) return true;
    }
    LONGLONG current = 0;
    if (SUCCEEDED(m_seeker->GetCurrentPosition(&current))) {
        current += LONGLONG(frames) * LONGLONG(kUnits) / 15;
        if (current < 0) current = 0;
        m_seeker->SetPositions(&current, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
    }
    return false;
}

bool CDirectShowGraph::StepForward()
{
    return Step(1);
}

bool CDirectShowGraph::StepBackward()
{
    return Step(-1);
}

bool CDirectShowGraph::TurnOffReferenceClock()
{
    return m_filter && SUCCEEDED(m_filter->SetSyncSource(nullptr));
}

bool CDirectShowGraph::GetDuration(double& seconds)
{
    if (!m_seeker) return false;
    LONGLONG previous = 0;
    if (FAILED(m_seeker->GetDuration(&previous))) return false;
    for (int i = 1; i < kDurationReads; ++i) {
        Sleep(50);
        LONGLONG next = 0;
        if (FAILED(m_seeker->GetDuration(&next))) return false;
        if (next == previous) break;
        previous = next;
    }
    seconds = double(previous) * 1e-7;
    return true;
}

bool CDirectShowGraph::ResetPosition()
{
    return SetPosition(0);
}

bool CDirectShowGraph::SetPosition(double seconds)
{
    if (!m_seeker) return false;
    // Rounded, so that a position read back and set again lands on the same unit.
    LONGLONG current = ToUnitsRounded(seconds);
    return SUCCEEDED(
        m_seeker->SetPositions(&current, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning));
}

bool CDirectShowGraph::GetPosition(double& seconds)
{
    LONGLONG current = 0;
    if (!m_seeker || FAILED(m_seeker->GetCurrentPosition(&current))) return false;
    seconds = double(current) * 1e-7;
    return true;
}

bool CDirectShowGraph::SetStop(double seconds)
{
    if (!m_seeker) return false;
    LONGLONG stop = ToUnitsRounded(seconds);
    return SUCCEEDED(m_seeker->SetPositions(nullptr, AM_SEEKING_NoPositioning, &stop, AM_SEEKING_AbsolutePositioning));
}

bool CDirectShowGraph::GetStop(double& seconds)
{
    LONGLONG stop = 0;
    if (!m_seeker || FAILED(m_seeker->GetStopPosition(&stop))) return false;
    seconds = double(stop) * 1e-7;
    return true;
}

bool CDirectShowGraph::SetPlayDuration(double seconds)
{
    if (!m_seeker) return false;
    LONGLONG duration = 0, current = 0, stop = 0;
    if (SUCCEEDED(m_seeker->GetDuration(&duration)) && duration > 0) {
        if (FAILED(m_seeker->GetCurrentPosition(&current))) return false;
        stop = current + ToUnitsRounded(seconds);
        if (stop >= duration) return false;
    } else {
        stop = ToUnitsRounded(seconds);
    }
    return SUCCEEDED(
        m_seeker->SetPositions(&current, AM_SEEKING_AbsolutePositioning, &stop, AM_SEEKING_AbsolutePositioning));
}

bool CDirectShowGraph::GetPlayDuration(double& seconds)
{
    LONGLONG current = 0, stop = 0;
    if (!m_seeker || FAILED(m_seeker->GetPositions(&current, &stop))) return false;
    seconds = double(stop - current) * 1e-7;
    return true;
}

bool CDirectShowGraph::ShowWindow(bool show)
{
    return m_videoWindow && SUCCEEDED(m_videoWindow->put_Visible(show ? -1 : 0));
}

// The level is in hundredths of a decibel, -5000 (silent end of the scale) to 0. It keeps
// its full resolution: rounded to whole decibels the flat top of the sine made every value
// from 91 to 100 read back as 100.
bool CDirectShowGraph::GetVolume(unsigned char& volume)
{
    LONG level = 0;
    if (!m_basicAudio || FAILED(m_basicAudio->get_Volume(&level))) return false;
    double w = level / 100.0 + 50;
    if (w < 0) w = 0;
    if (w > 50) w = 50;
    volume = static_cast<unsigned char>(std::lround(std::asin(w * 0.02) * 200 / std::numbers::pi));
    return true;
}

bool CDirectShowGraph::SetVolume(unsigned char volume)
{
    if (!m_basicAudio) return false;
    const int v = volume > 100 ? 100 : volume;
    const LONG level = LONG(std::lround((std::sin(v * std::numbers::pi / 200) * 50 - 50) * 100));
    return SUCCEEDED(m_basicAudio->put_Volume(level));
}

bool CDirectShowGraph::IsFullScreen()
{
    LONG mode = 0;
    return m_videoWindow && SUCCEEDED(m_videoWindow->get_FullScreenMode(&mode)) && mode != 0;
}

bool CDirectShowGraph::ShowFullScreen(bool on)
{
    return m_videoWindow && SUCCEEDED(m_videoWindow->put_FullScreenMode(on ? -1 : 0));
}

void CDirectShowGraph::RepaintVideo()
{
    if (m_videoWindow && m_window)
        m_videoWindow->NotifyOwnerMessage(reinterpret_cast<OAHWND>(m_window->GetSafeHwnd()), WM_PAINT, 0, 0);
}

bool CDirectShowGraph::Resize()
{
    if (!m_graph || !m_window) return false;
    if (!m_videoWindow) QueryInterfaceTo(m_graph, &m_videoWindow);
    if (!m_videoWindow) return false;
    CRect client;
    m_window->GetClientRect(&client);
    const bool placed = SUCCEEDED(m_videoWindow->SetWindowPosition(0, 0, client.Width(), client.Height()));
    ConfigureAspectRatio();
    return placed;
}
