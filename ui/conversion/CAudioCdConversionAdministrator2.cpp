#include "CAudioCdConversionAdministrator2.h"

#include "CAudioCdInputFilters2.h"
#include "CMultiplexOutputFilters2.h"
#include "UStringBuffer.h"

#include <algorithm>
#include <cstdio>

bool CAudioCdConversionAdministrator2::CreateInputFilters()
{
    auto* input = new CAudioCdInputFilters2(GetGraph());
    SetInputFilters(input);
    input->SetAdapterId(m_adapter);
    input->SetScsiId(m_scsi);
    input->SetTrackNumber(m_track.GetTrackNumber());
    return true;
}

bool CAudioCdConversionAdministrator2::Play()
{
    StartProgress();
    return CMediaWriterAdministrator2::Play();
}

char* CAudioCdConversionAdministrator2::GetText()
{
    char text[64];
    std::snprintf(text, sizeof text, "Converting track %d...", m_track.GetTrackNumber() + 1);
    return UStringBuffer::Text(text);
}

double CAudioCdConversionAdministrator2::GetProgress()
{
    const double duration = m_track.GetDuration();
    auto* output = dynamic_cast<CMultiplexOutputFilters2*>(GetProcessingOutputFilters());
    if (duration <= 0 || !output) return 0;
    double position = 0;
    if (!output->GetPosition(position)) return 0;
    return std::min(1.0, position / duration);
}
