#include "CMediaOutputTypeController.h"

#include "CFormatType.h"
#include "CFormatTypes.h"
#include "CMediaOutput2.h"
#include "CVideoCodecsInfo.h"
#include "StWindowUpdate.h"
#include "UFormatRows.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"

CMediaOutputTypeController::CMediaOutputTypeController(int panelCount) : m_panelCount(panelCount)
{
    mExpectedType = FourCharCode("mdo2");
}

CMediaOutput2* CMediaOutputTypeController::GetMediaOutput() const
{
    return static_cast<CMediaOutput2*>(GetObjectA());
}

void CMediaOutputTypeController::SetMoreControls(CButton* configure, CButton* videoOnly, CButton* loop)
{
    m_configure = configure;
    m_videoOnly = videoOnly;
    m_loop = loop;
    UWindowsUtils::ShowWindow(m_configure, false);
}

void CMediaOutputTypeController::SetPanels(std::initializer_list<CPanel*> panels)
{
    int slot = 0;
    for (CPanel* panel : panels)
        if (slot < m_panelCount) m_panels[slot++] = panel;
    Refresh();
}

bool CMediaOutputTypeController::WantsAudio()
{
    return GetMediaOutput() && GetMediaOutput()->GetWantsAudio();
}

bool CMediaOutputTypeController::AliasSupported(ESplitterType type, const char* filter)
{
    return CVideoCodecsInfo::sInfo && CVideoCodecsInfo::sInfo->ContainFilteredCodec(type, filter);
}

bool CMediaOutputTypeController::HasTvOption()
{
    return UFormatRows::HasTvOption(GetFormat());
}

bool CMediaOutputTypeController::ShowVideoOnly(CFormatType* row)
{
    return !UFormatRows::HasTvOption(row) && row->MayHaveAudio();
}

bool CMediaOutputTypeController::ShowLoop(CFormatType* row)
{
    return row->GetAllowLoop();
}

void CMediaOutputTypeController::SetDefault()
{
    CMediaOutput2* output = GetMediaOutput();
    if (!output || output->GetSplitterType() != 0) return;
    output->SetSplitterType(CFormatTypes::SupportedByApp(100) ? 100 : 200);
    SetDefaultWantsAudio();
}

void CMediaOutputTypeController::SetDefaultWantsAudio()
{
    if (GetMediaOutput() && HasTvOption()) GetMediaOutput()->SetWantsAudio(true);
}

void CMediaOutputTypeController::SwitchPanels(CFormatType* row, bool audioOnly)
{
    for (int slot = 0; slot < m_panelCount; ++slot)
        if (!audioOnly || IsAudioSlot(slot)) UWindowsUtils::EnablePanel(m_panels[slot], PanelEnabled(slot, row));
}

void CMediaOutputTypeController::ReflectSplitterType()
{
    COutputType2Controller::ReflectSplitterType();
    CFormatType* row = GetFormat();
    if (!row) return;
    StWindowUpdate update;
    SwitchPanels(row, false);
    UWindowsUtils::ShowWindow(m_videoOnly, ShowVideoOnly(row));
    UWindowsUtils::ShowWindow(m_loop, ShowLoop(row));
    SetDefaultWantsAudio();
    ReflectWantsAudio();
}

void CMediaOutputTypeController::ReflectWantsAudio()
{
    if (!GetMediaOutput()) return;
    UWindowsUtils::SetCheck(m_videoOnly, !GetMediaOutput()->GetWantsAudio());
    CFormatType* row = GetFormat();
    if (row && m_panels[FirstAudioSlot()]) SwitchPanels(row, true);
}

void CMediaOutputTypeController::EnterWantsAudio()
{
    if (!GetMediaOutput() || !m_videoOnly) return;
    if (!GetMediaOutput()->SetWantsAudio(!UWindowsUtils::GetCheck(m_videoOnly))) ReflectWantsAudio();
}

void CMediaOutputTypeController::ReflectLoop()
{
    if (GetMediaOutput()) UWindowsUtils::SetCheck(m_loop, GetMediaOutput()->GetLoop());
}

void CMediaOutputTypeController::EnterLoop()
{
    if (!GetMediaOutput() || !m_loop) return;
    if (!GetMediaOutput()->SetLoop(UWindowsUtils::GetCheck(m_loop))) ReflectLoop();
}

void CMediaOutputTypeController::Refresh()
{
    COutputType2Controller::Refresh();
    ReflectWantsAudio();
    ReflectLoop();
}

bool CMediaOutputTypeController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CMediaOutput2::kWantsAudioChangedNotice) {
        ReflectWantsAudio();
        return true;
    }
    if (code == CMediaOutput2::kLoopChangedNotice) {
        ReflectLoop();
        return true;
    }
    return COutputType2Controller::Respond(code, sender, a, b);
}
