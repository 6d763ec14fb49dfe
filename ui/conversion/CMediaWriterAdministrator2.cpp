#include "CMediaWriterAdministrator2.h"

#include "CFileOutputFilters2.h"
#include "TWriterOutputSetup.h"

CMediaWriterAdministrator2::~CMediaWriterAdministrator2()
{
    // The sets may ask the virtual operations of this class while they go.
    CDirectShowAdministrator2::Release();
}

bool CMediaWriterAdministrator2::CreateProcessingOutputFilters()
{
    auto* set = new CFileOutputFilters2(m_graph);
    SetProcessingOutputFilters(set);
    SetupWriterOutput(*set, *this);
    return true;
}

bool CMediaWriterAdministrator2::WantsVideo()
{
    return m_mediaOutput.GetWantsVideo();
}

bool CMediaWriterAdministrator2::WantsAudio()
{
    return m_mediaOutput.GetWantsAudio();
}

void CMediaWriterAdministrator2::SetMediaOutput(CMediaOutput2& output)
{
    m_mediaOutput = output;
}

void CMediaWriterAdministrator2::SetSaveFile(CSaveFile2& file)
{
    m_saveFile = file;
}

void CMediaWriterAdministrator2::SetAspectRatio(CAspectRatioInfo2& ratio)
{
    m_aspectRatio = ratio;
}

ULONG CMediaWriterAdministrator2::GetBitrate() const
{
    auto* set = dynamic_cast<CMultiplexOutputFilters2*>(m_processingOutput);
    return set ? set->GetBitrate() : 0;
}
