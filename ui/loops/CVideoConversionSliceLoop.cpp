#include "CVideoConversionSliceLoop.h"

#include "CMediaConversionAdministrator2.h"
#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "StWaitCursor.h"
#include "UConversionItems.h"

CDirectShowAdministrator2* CVideoConversionSliceLoop::CreateAdministratorSelf()
{
    return new CMediaConversionAdministrator2;
}

bool CVideoConversionSliceLoop::ProcessItem()
{
    auto* converter = dynamic_cast<CMediaConversionAdministrator2*>(m_administrator);
    CSliceDuration2* slice = GetCurrentSlice();
    if (!converter || !m_input || !slice || !m_output) return false;
    StWaitCursor wait;
    converter->SetMediaFile(*m_input);
    // Only this slice of the input is played.
    converter->SetDuration(*slice);
    converter->SetMediaOutput(*m_output);
    converter->SetSaveFile(m_saveFile);
    return converter->Create() && converter->Play();
}

double CVideoConversionSliceLoop::GetProgress()
{
    return UConversionItems::BatchProgress(m_administrator, m_current ? ItemDuration(m_current) : 0, m_doneTime,
                                           m_totalTime);
}

CProgressAction* CVideoConversionSliceLoop::GetChildAction()
{
    return dynamic_cast<CMediaConversionAdministrator2*>(m_administrator);
}
