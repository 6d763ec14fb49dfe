#include "CAudioCdPlaybackAdministrator2.h"

#include "CAudioCdInputFilters2.h"

CAudioCdPlaybackAdministrator2::CAudioCdPlaybackAdministrator2()
{
    SetWantsAudio(true);
    SetWantsVideo(false);
}

CAudioCdPlaybackAdministrator2::~CAudioCdPlaybackAdministrator2()
{
    Release();
}

bool CAudioCdPlaybackAdministrator2::CreateInputFilters()
{
    auto* input = new CAudioCdInputFilters2(m_graph);
    input->SetAdapterId(m_adapter);
    input->SetScsiId(m_scsi);
    input->SetTrackNumber(m_track);
    SetInputFilters(input);
    return true;
}
