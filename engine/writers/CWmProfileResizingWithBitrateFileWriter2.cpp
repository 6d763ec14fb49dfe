#include "CWmProfileResizingWithBitrateFileWriter2.h"

#include "CWmProfile2.h"

CWmProfileResizingWithBitrateFileWriter2::CWmProfileResizingWithBitrateFileWriter2(CDirectShowGraph* graph,
                                                                                   const char* name)
    : CWmProfileResizingFileWriter2(graph, name)
{
}

bool CWmProfileResizingWithBitrateFileWriter2::SetupBeforeConnect()
{
    const char* name = GetProfileName();
    return name && *name && ApplyStoredProfile();
}

CWmProfile2* CWmProfileResizingWithBitrateFileWriter2::Adjust(const CWmProfile2& found) const
{
    return found.CloneWith(GetWantsVideo(), GetWantsAudio(), m_width, m_height, m_frameRate, m_videoBitrate,
                           m_audioCodecName, m_sampleRate, m_channels, m_bits, m_audioBitrate);
}
