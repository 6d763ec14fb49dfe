#include "CConversionPlaybackLoop.h"

#include "CConversionBatch.h"
#include "CMediaConversionData.h"

void CConversionPlaybackLoop::SetBatch(CConversionBatch* batch)
{
    m_list = batch ? &batch->GetConversionList().GetFiles() : nullptr;
}

CMediaConversionData* CConversionPlaybackLoop::GetCurrentFile() const
{
    return dynamic_cast<CMediaConversionData*>(m_current);
}

double CConversionPlaybackLoop::ItemDuration(CPersistObject* item) const
{
    auto* job = dynamic_cast<CMediaConversionData*>(item);
    return job ? job->GetInput().GetConversionDuration() : 0;
}

char* CConversionPlaybackLoop::GetText()
{
    return CountText("Playing", "file");
}
