#include "CDirectShowAdministrator2.h"

#include "CBridgeFilters.h"
#include "CDelayedFunction.h"
#include "CDirectShowGraph.h"
#include "CInputFilters2.h"
#include "CNilOutputFilters2.h"
#include "COutputFilters2.h"
#include "CRenderOutputFilters2.h"
#include "UHexConverter.h"
#include "dshow/DShowTypes.h"

#include <map>
#include <mutex>

const char* const CDirectShowAdministrator2::kErrorAbortText = "Unknown Error. Task aborted.";

namespace {

// Completions waiting for the message loop, by serial: an administrator deleted or
// rebuilt meanwhile is struck out, so a late relay finds nothing.
std::mutex sPendingLock;
std::map<long, CDirectShowAdministrator2*> sPending;
long sNextSerial = 0;

} // namespace

CDirectShowAdministrator2::CDirectShowAdministrator2() = default;

CDirectShowAdministrator2::~CDirectShowAdministrator2()
{
    CancelCompletion();
    CDirectShowAdministrator2::Release();
}

bool CDirectShowAdministrator2::Create()
{
    m_errorText.Empty();
    Release();
    if (CreateGraph() && CreateInputFilters() && Connect()) {
        Broadcast(kAdministratorConnectedMessage, this, nullptr);
        return true;
    }
    Release();
    return false;
}

bool CDirectShowAdministrator2::CreateGraph()
{
    if (!m_graph) m_graph = new CDirectShowGraph;
    if (!m_graph->Create()) {
        delete m_graph;
        m_graph = nullptr;
        return false;
    }
    m_graph->AddListener(this);
    return true;
}

bool CDirectShowAdministrator2::Connect()
{
    if (!ConnectFilters()) return false;
    m_graph->ConnectSeeker();
    m_graph->SetVideoWindow(m_videoWindow);
    return true;
}

bool CDirectShowAdministrator2::ConnectFilters()
{
    if (m_input) {
        if (ConnectInput() && ConnectBridge() && ConnectOutput()) return true;
        PromptConnectFailure();
    }
    DisconnectFilters();
    return false;
}

bool CDirectShowAdministrator2::ConnectInput()
{
    if (m_input->CreateAndConnect()) return true;
    SetErrorText(m_input->GetErrorText());
    return false;
}

bool CDirectShowAdministrator2::ConnectBridge()
{
    if (!CreateBridgeFilters()) return true;
    if (m_bridge && m_bridge->Connect(m_input)) return true;
    SetErrorText("Unable to connect bridge filters.");
    return false;
}

bool CDirectShowAdministrator2::ConnectOutputSet(bool (CDirectShowAdministrator2::*create)(), COutputFilters2*& set,
                                                 CInputFilters2* source, const char* createError,
                                                 const char* connectError)
{
    if (!(this->*create)() || !set) {
        SetErrorText(createError);
        return false;
    }
    if (set->Connect(source)) return true;
    SetErrorText(connectError);
    return false;
}

bool CDirectShowAdministrator2::ConnectOutput()
{
    CInputFilters2* source = m_bridge ? static_cast<CInputFilters2*>(m_bridge) : m_input;
    if (!source) return false;
    bool result = true;
    bool nilFailed = false;
    if (source->GetAudioPinCount(kOutputNil) > 0 || source->GetVideoPinCount(kOutputNil) > 0) {
        result = ConnectOutputSet(&CDirectShowAdministrator2::CreateNilOutputFilters, m_nilOutput, source,
                                  "Unable to create NIL output.", "Unable to connect to NIL output.");
        nilFailed = !result;
    }
    // Processing video overcomes a NIL failure; processing audio alone does not.
    const bool processAudio = !nilFailed && source->GetAudioPinCount(kOutputProcessing) > 0;
    const bool processVideo = source->GetVideoPinCount(kOutputProcessing) > 0;
    if (processAudio || processVideo) {
        result = ConnectOutputSet(&CDirectShowAdministrator2::CreateProcessingOutputFilters, m_processingOutput,
                                  source, "Unable to create processing agencies.",
                                  "Unable to connect to processing agencies.");
        if (!result) return false;
    } else if (nilFailed) {
        return false;
    }
    if (source->GetAudioPinCount(kOutputRender) > 0 || source->GetVideoPinCount(kOutputRender) > 0) {
        result = ConnectOutputSet(&CDirectShowAdministrator2::CreateRenderOutputFilters, m_renderOutput, source,
                                  "Unable to create renderer.", "Unable to connect to renderer.");
        if (!result) return false;
    }
    if (source->GetStreamPinCount() == 0) return result;
    return ConnectOutputSet(&CDirectShowAdministrator2::CreateStreamingOutputFilters, m_streamingOutput, source,
                            "Unable to create stream output.", "Unable to connect to stream output.");
}

bool CDirectShowAdministrator2::CreateNilOutputFilters()
{
    if (!m_nilOutput) m_nilOutput = new CNilOutputFilters2(m_graph);
    return true;
}

bool CDirectShowAdministrator2::CreateRenderOutputFilters()
{
    if (!m_renderOutput) m_renderOutput = new CRenderOutputFilters2(m_graph);
    return true;
}

bool CDirectShowAdministrator2::CreateStreamingOutputFilters()
{
    if (!m_streamingOutput) {
        m_streamingOutput = new CNilOutputFilters2(m_graph);
        m_streamingOutput->SetOutputType(kOutputStream);
    }
    return true;
}

void CDirectShowAdministrator2::Disconnect()
{
    Stop();
    if (m_graph) m_graph->DisconnectSeeker();
    DisconnectFilters();
}

void CDirectShowAdministrator2::DisconnectFilters()
{
    DisconnectOutput();
    DisconnectBridge();
    DisconnectInput();
}

void CDirectShowAdministrator2::DisconnectOutput()
{
    if (m_streamingOutput) {
        m_streamingOutput->Disconnect();
        ReleaseStreamingOutputFilters();
    }
    if (m_processingOutput) {
        m_processingOutput->Disconnect();
        ReleaseProcessingOutputFilters();
    }
    if (m_renderOutput) {
        m_renderOutput->Disconnect();
        ReleaseRenderOutputFilters();
    }
    if (m_nilOutput) {
        m_nilOutput->Disconnect();
        ReleaseNilOutputFilters();
    }
}

void CDirectShowAdministrator2::DisconnectBridge()
{
    if (!m_bridge) return;
    m_bridge->Disconnect();
    ReleaseBridgeFilters();
}

void CDirectShowAdministrator2::DisconnectInput()
{
    if (m_input) m_input->Disconnect();
}

void CDirectShowAdministrator2::ReleaseSet(COutputFilters2*& set)
{
    if (!set) return;
    set->Release();
    delete set;
    set = nullptr;
}

void CDirectShowAdministrator2::ReleaseStreamingOutputFilters()
{
    ReleaseSet(m_streamingOutput);
}

void CDirectShowAdministrator2::ReleaseProcessingOutputFilters()
{
    ReleaseSet(m_processingOutput);
}

void CDirectShowAdministrator2::ReleaseRenderOutputFilters()
{
    ReleaseSet(m_renderOutput);
}

void CDirectShowAdministrator2::ReleaseNilOutputFilters()
{
    ReleaseSet(m_nilOutput);
}

void CDirectShowAdministrator2::ReleaseBridgeFilters()
{
    if (!m_bridge) return;
    m_bridge->Release();
    delete m_bridge;
    m_bridge = nullptr;
}

void CDirectShowAdministrator2::ReleaseInputFilters()
{
    if (!m_input) return;
    m_input->Release();
    delete m_input;
    m_input = nullptr;
}

void CDirectShowAdministrator2::ReleaseGraph()
{
    if (!m_graph) return;
    m_graph->RemoveListener(this);
    m_graph->Release();
    delete m_graph;
    m_graph = nullptr;
}

void CDirectShowAdministrator2::Release()
{
    CancelCompletion();
    Stop();
    Disconnect();
    ReleaseStreamingOutputFilters();
    ReleaseProcessingOutputFilters();
    ReleaseRenderOutputFilters();
    ReleaseNilOutputFilters();
    ReleaseBridgeFilters();
    ReleaseInputFilters();
    ReleaseGraph();
    Broadcast(kAdministratorReleasedMessage, this, nullptr);
}

void CDirectShowAdministrator2::SetInputFilters(CInputFilters2* input)
{
    if (input != m_input) ReleaseInputFilters();
    m_input = input;
}

void CDirectShowAdministrator2::SetBridgeFilters(CBridgeFilters* bridge)
{
    if (bridge != m_bridge) ReleaseBridgeFilters();
    m_bridge = bridge;
}

bool CDirectShowAdministrator2::Play()
{
    if (!m_graph) return false;
    CancelCompletion();
    long result = 0;
    if (m_graph->Play(result)) return true;
    // The 32-bit result's bytes in memory order, least significant first.
    const uint32_t code = uint32_t(result);
    const unsigned char bytes[4] = {uint8_t(code), uint8_t(code >> 8), uint8_t(code >> 16), uint8_t(code >> 24)};
    CString text;
    text.Format("Unable to start the task. Error code %s.",
                UHexConverter::MakeText(bytes, 4, false));
    SetErrorText(text);
    PromptPlayFailure();
    return false;
}

bool CDirectShowAdministrator2::Pause()
{
    return m_graph && m_graph->Pause();
}

bool CDirectShowAdministrator2::Stop()
{
    return m_graph && m_graph->Stop();
}

bool CDirectShowAdministrator2::ListenToMessage(long message, const void* p, const void* q)
{
    switch (message) {
    case CDirectShowGraph::kGraphCompleteMessage:
        ReachStop();
        Stop();
        if (p) *static_cast<LONG*>(const_cast<void*>(p)) = 1;
        BroadcastCompletion(false);
        return true;
    case CDirectShowGraph::kGraphStateMessage:
        Broadcast(kGraphStateMessage, this, m_graph);
        return true;
    case CDirectShowGraph::kGraphErrorAbortMessage:
        // A failed run ends like a finished one, so no job waits for ever; the listeners
        // hear 1005 first and find the text here.
        AbortRun();
        return true;
    case CDirectShowGraph::kGraphEventMessage:
        // A capture device unplugged while it records: the run cannot go on, and stopping
        // now keeps what the other streams recorded up to here.
        if (p && *static_cast<const LONG*>(p) == EC_DEVICE_LOST) {
            AbortRun();
            return true;
        }
        return CListener::ListenToMessage(message, p, q);
    default:
        return CListener::ListenToMessage(message, p, q);
    }
}

void CDirectShowAdministrator2::AbortRun()
{
    SetErrorText(kErrorAbortText);
    Stop();
    BroadcastCompletion(true);
}

void CDirectShowAdministrator2::BroadcastCompletion(bool error)
{
    if (m_completionSent) return;
    m_completionSent = true;
    m_completionError = error;
    long serial = 0;
    {
        std::lock_guard<std::mutex> guard(sPendingLock);
        serial = ++sNextSerial;
        sPending[serial] = this;
    }
    m_completionSerial = serial;
    if (!CDelayedFunction::Run(&CDirectShowAdministrator2::RelayCompletion, serial, 0))
        RelayCompletion(serial, 0);
}

// The serial stays registered while 1005 is heard: a listener that deletes or releases
// the administrator then strikes it out, and 1002 is not sent to a freed one.
int CDirectShowAdministrator2::RelayCompletion(long serial, long)
{
    auto pending = [serial]() -> CDirectShowAdministrator2* {
        std::lock_guard<std::mutex> guard(sPendingLock);
        auto found = sPending.find(serial);
        return found == sPending.end() ? nullptr : found->second;
    };
    CDirectShowAdministrator2* administrator = pending();
    if (!administrator) return 0;
    if (administrator->m_completionError) {
        administrator->Broadcast(kGraphErrorAbortMessage, administrator, administrator->m_graph);
        administrator = pending();
        if (!administrator) return 0;
    }
    {
        std::lock_guard<std::mutex> guard(sPendingLock);
        sPending.erase(serial);
    }
    administrator->m_completionSerial = 0;
    administrator->Broadcast(kGraphCompleteMessage, administrator, administrator->m_graph);
    return 0;
}

void CDirectShowAdministrator2::CancelCompletion()
{
    if (m_completionSerial) {
        std::lock_guard<std::mutex> guard(sPendingLock);
        sPending.erase(m_completionSerial);
        m_completionSerial = 0;
    }
    m_completionSent = false;
    m_completionError = false;
}

bool CDirectShowAdministrator2::IsPlaying()
{
    return m_graph && m_graph->IsPlaying();
}

bool CDirectShowAdministrator2::IsPaused()
{
    return m_graph && m_graph->IsPaused();
}

bool CDirectShowAdministrator2::IsStopped()
{
    return !m_graph || m_graph->IsStopped();
}

bool CDirectShowAdministrator2::SetPosition(double seconds)
{
    return m_graph && m_graph->SetPosition(seconds);
}

bool CDirectShowAdministrator2::SetStop(double seconds)
{
    return m_graph && m_graph->SetStop(seconds);
}

bool CDirectShowAdministrator2::GetVolume(unsigned char& volume)
{
    return m_graph && m_graph->GetVolume(volume);
}

bool CDirectShowAdministrator2::SetVolume(unsigned char volume)
{
    return m_graph && m_graph->SetVolume(volume);
}

bool CDirectShowAdministrator2::IsFullScreen()
{
    return m_graph && m_graph->IsFullScreen();
}

bool CDirectShowAdministrator2::ShowFullScreen(bool on)
{
    return m_graph && m_graph->ShowFullScreen(on);
}

bool CDirectShowAdministrator2::Snap()
{
    return m_renderOutput && m_renderOutput->Snap();
}

void CDirectShowAdministrator2::SetVideoWindow(CDirectShowWindow* window)
{
    m_videoWindow = window;
}

void CDirectShowAdministrator2::SetErrorText(const char* text)
{
    if (m_errorText.IsEmpty()) m_errorText = text ? text : "";
}

bool CDirectShowAdministrator2::GetTags(CMediaTags& tags)
{
    return m_input && m_input->GetTags(tags);
}
