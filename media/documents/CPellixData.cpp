#include "CPellixData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CPellixData, CMediaWriter2, FourCharCode("plxd"))

CPellixData::CPellixData()
{
    UDocumentDefaults::ApplyRecorderDefaults(GetMediaOutput());
}
