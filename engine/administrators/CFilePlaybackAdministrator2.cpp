#include "CFilePlaybackAdministrator2.h"

#include "CDirectShowGraph.h"
#include "CFileInputFilters2.h"
#include "CPreviewBridge.h"
#include "CRenderOutputFilters2.h"

// The engine's default file source.
const GUID CFilePlaybackAdministrator2::kDefaultInputId = {
    0x6B6D0800, 0x9ADA, 0x11D0, {0xA5, 0x20, 0x00, 0xA0, 0xD1, 0x01, 0x29, 0xC0}};

namespace {
constexpr UINT kPositionPeriodMs = 100;
}

CFilePlaybackAdministrator2::CFilePlaybackAdministrator2()
{
    m_timer.AddListener(this);
}

CFilePlaybackAdministrator2::~CFilePlaybackAdministrator2()
{
    m_timer.Deactivate();
    Release();
    CFilePlaybackAdministrator2::Reset();
}

bool CFilePlaybackAdministrator2::CreateInputFilters()
{
    CFileCheckAdministrator2::CreateInputFilters();
    auto* input = static_cast<CFileInputFilters2*>(m_input);
    if (m_inputId == GUID_NULL) {
        input->SetInputId(kDefaultInputId);
        return true;
    }
    input->SetInputId(m_inputId);
    for (int i = 0; i < kSplitterCount; ++i) input->SetSplitterId(m_splitterIds[i], i);
    input->SetChainSplitter(m_chainSplitter);
    return true;
}

bool CFilePlaybackAdministrator2::CreateBridgeFilters()
{
    if (!m_bridge) SetBridgeFilters(new CPreviewBridge(m_graph));
    return true;
}

void CFilePlaybackAdministrator2::ConfigureRenderSet(CDecodingOutputFilters* set) const
{
    set->SetWantsAudio(m_wantsAudio);
    set->SetWantsVideo(m_wantsVideo);
    set->SetWantsSubtitle(m_wantsSubtitle);
    set->SetPickVideo(true, m_pickedVideo);
    set->SetPickAudio(true, m_pickedAudio);
    set->SetPickSubtitle(true, m_pickedSubtitle);
}

bool CFilePlaybackAdministrator2::CreateRenderOutputFilters()
{
    if (!m_renderOutput) {
        auto* set = new CRenderOutputFilters2(m_graph);
        ConfigureRenderSet(set);
        SetRenderOutputFilters(set);
    }
    return true;
}

bool CFilePlaybackAdministrator2::Play()
{
    if (!CFileCheckAdministrator2::Play()) return false;
    m_timer.Activate(kPositionPeriodMs);
    return true;
}

bool CFilePlaybackAdministrator2::Pause()
{
    if (!CFileCheckAdministrator2::Pause()) return false;
    m_timer.Deactivate();
    ChangePosition();
    return true;
}

bool CFilePlaybackAdministrator2::Stop()
{
    if (!CFileCheckAdministrator2::Stop()) return false;
    m_timer.Deactivate();
    if (SeeksToStartOnStop() && m_graph) m_graph->SetPosition(0);
    ChangePosition();
    return true;
}

void CFilePlaybackAdministrator2::StopTimer()
{
    m_timer.Deactivate();
}

void CFilePlaybackAdministrator2::Reset()
{
    CFileCheckAdministrator2::Reset();
    m_wantsVideo = m_wantsAudio = m_wantsSubtitle = true;
    m_pickedVideo = m_pickedAudio = m_pickedSubtitle = 0;
    m_inputId = GUID_NULL;
    for (GUID& id : m_splitterIds) id = GUID_NULL;
    m_chainSplitter = false;
}

bool CFilePlaybackAdministrator2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kTimerTickMessage && p == &m_timer) {
        ChangePosition();
        return true;
    }
    return CFileCheckAdministrator2::ListenToMessage(message, p, q);
}

void CFilePlaybackAdministrator2::SetSplitterId(const GUID& id, int index)
{
    if (index >= 0 && index < kSplitterCount) m_splitterIds[index] = id;
}

GUID CFilePlaybackAdministrator2::GetSplitterId(int index) const
{
    return index >= 0 && index < kSplitterCount ? m_splitterIds[index] : GUID_NULL;
}

void CFilePlaybackAdministrator2::ChangePosition()
{
    double position = 0;
    if (m_graph && m_graph->GetPosition(position)) Broadcast(kPlaybackPositionMessage, this, &position);
}

double CFilePlaybackAdministrator2::GetPosition()
{
    double position = 0;
    if (m_graph && m_graph->GetPosition(position)) return position;
    return 0;
}

bool CFilePlaybackAdministrator2::SetPosition(double seconds)
{
    if (!m_graph) return false;
    double current = 0;
    if (m_graph->GetPosition(current) && current == seconds) return false;
    const bool moved = m_graph->SetPosition(seconds);
    // A still picture of the new place while not playing.
    if (PausesOnSeek() && !m_graph->IsPlaying()) m_graph->Pause();
    ChangePosition();
    return moved;
}

bool CFilePlaybackAdministrator2::Step(bool forward)
{
    if (!m_graph || !m_graph->IsPaused()) return false;
    const bool stepped = forward ? m_graph->StepForward() : m_graph->StepBackward();
    ChangePosition();
    return stepped;
}

bool CFilePlaybackAdministrator2::StepForward()
{
    return Step(true);
}

bool CFilePlaybackAdministrator2::StepBackward()
{
    return Step(false);
}
