#include "CVideoSliceData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoSliceData, CMediaBatch2, FourCharCode("vsld"))

CVideoSliceData::CVideoSliceData()
{
    UDocumentDefaults::ApplyRecorderDefaults(GetMediaOutput());
}
