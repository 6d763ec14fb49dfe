#include "CFileBatchEstimateSizeMonitor.h"

#include "CFileBatch2.h"

void CFileBatchEstimateSizeMonitor::SetFileBatch(CFileBatch2* batch)
{
    SetMediaOutput(batch ? &batch->GetMediaOutput() : nullptr);
    SetFileList(batch ? &batch->GetMediaList().GetFiles() : nullptr);
}
