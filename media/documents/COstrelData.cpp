#include "COstrelData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(COstrelData, CMediaWriter2, FourCharCode("ostd"))

COstrelData::COstrelData()
{
    UDocumentDefaults::ApplyRecorderDefaults(GetMediaOutput());
}
