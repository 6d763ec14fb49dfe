#include "CDynamicOutputTypeController.h"

#include "CFormatType.h"
#include "CMediaOutput2.h"
#include "UFormatRows.h"
#include "CPanel.h"
#include "UWindowsUtils.h"

void CDynamicOutputTypeController::SetPanels(CPanel* p1, CPanel* p2, CPanel* p3, CPanel* p4, CPanel* p5, CPanel* p6,
                                             CPanel* p7, CPanel* p8, CPanel* p9, CPanel* p10, CPanel* p11)
{
    CMediaOutputTypeController::SetPanels({p1, p2, p3, p4, p5, p6, p7, p8, p9, p10, p11});
}

bool CDynamicOutputTypeController::WantsVideo()
{
    return GetMediaOutput() && GetMediaOutput()->GetWantsVideo();
}

bool CDynamicOutputTypeController::AliasSupported(ESplitterType type, const char* filter)
{
    return WantsVideo() && CMediaOutputTypeController::AliasSupported(type, filter);
}

void CDynamicOutputTypeController::SetDefault()
{
    CMediaOutput2* output = GetMediaOutput();
    if (!output || output->GetSplitterType() != 0) return;
    if (WantsVideo()) {
        CMediaOutputTypeController::SetDefault();
        return;
    }
    output->SetSplitterType(kSplitterTypeWav);
    SetDefaultWantsAudio();
}

bool CDynamicOutputTypeController::ShowVideoOnly(CFormatType* row)
{
    return WantsVideo() && CMediaOutputTypeController::ShowVideoOnly(row);
}

bool CDynamicOutputTypeController::ShowLoop(CFormatType* row)
{
    return WantsVideo() && row->GetAllowLoop();
}

bool CDynamicOutputTypeController::PanelEnabled(int slot, CFormatType* row)
{
    const bool video = WantsVideo();
    const bool audio = WantsAudio();
    const bool upload = row->GetSplitterType() == kSplitterTypeWebImages;
    switch (slot) {
    case 0: return video && UFormatRows::HasTvOption(row);
    case 1: return row->AllowInterface(4);
    case 2: return row->AllowInterface(8);
    case 3: return video && row->AllowInterface(1);
    case 4: return audio && row->AllowInterface(2);
    case 5: return video && row->AllowInterface(16);
    case 6: return video && row->AllowInterface(32);
    case 7: return audio && row->AllowInterface(64);
    case 8: return m_panels[8] && m_panels[8]->IsEnabled();  // kept as it is
    case 9: return !upload;
    default: return upload;
    }
}

void CDynamicOutputTypeController::ReflectSplitterType()
{
    // Whether audio is wanted is settled before the pages are switched by it.
    COutputType2Controller::ReflectSplitterType();
    SetDefaultWantsAudio();
    CMediaOutputTypeController::ReflectSplitterType();
}

void CDynamicOutputTypeController::OnEnable(bool enable)
{
    if (enable) {
        Refresh();
        return;
    }
    for (int slot = 0; slot < m_panelCount; ++slot) UWindowsUtils::EnablePanel(m_panels[slot], false);
}

bool CDynamicOutputTypeController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CMediaOutput2::kWantsVideoChangedNotice) {
        // The list shows video or audio type names by what is wanted.
        PopulateSplitterTypeCombo();
        ReflectSplitterType();
        return true;
    }
    return CMediaOutputTypeController::Respond(code, sender, a, b);
}
