#include "CMediaPlaybackLoop.h"

#include "CFileBatch2.h"
#include "CMediaFile2.h"

void CMediaPlaybackLoop::SetBatch(CFileBatch2* batch)
{
    m_list = batch ? &batch->GetMediaList().GetFiles() : nullptr;
}

CMediaFile2* CMediaPlaybackLoop::GetCurrentFile() const
{
    return dynamic_cast<CMediaFile2*>(m_current);
}

char* CMediaPlaybackLoop::GetText()
{
    return CountText("Playing", "file");
}
